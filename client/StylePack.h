#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The visual styles lie beside the program as zlib-compressed Qt style sheets, one file per style
// named after it with the extension ".qssz": "Cyan Dusk.qssz". A file starts with the magic
// "LQSZ" and a version byte; the rest is the zlib stream of the sheet's UTF-8 text.

inline constexpr const char* kStyleFileExtension = ".qssz";

// The folder of the style files: "styles/" in the program's folder.
QString StylesFolder();

// The packed form of a style sheet's text. Raises EInOutError when zlib fails.
QByteArray PackStyleSheet(const QByteArray& sheet);

// The text of a packed style sheet; a damaged one raises EInOutError naming fileName.
QString UnpackStyleSheet(const QByteArray& packed, const QString& fileName);

// The names of the styles in folder, sorted alphabetically ignoring case.
QStringList AvailableStyles(const QString& folder);

// Reads and inflates the named style's sheet from folder. A missing, unreadable or damaged file
// raises EInOutError with the file's name and the reason.
QString LoadStyleSheet(const QString& folder, const QString& name);
