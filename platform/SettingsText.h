#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// The text of the settings file: an INI file in the syntax QSettings reads and writes, so a file
// of any earlier version of the program reads the same and a file written now still reads in
// those. Every value is text; keys are paths with "/" between their parts
// ("Software/Ledgora/2026/Printer/.values/Name").
using SettingsValues = QMap<QString, QString>;

// Reads text into values. Returns why the text cannot be settings the program wrote (a section
// never closed, a line that is neither a section, a value nor a comment, a quote never closed),
// or an empty text when every line was read.
QString ParseSettingsText(const QByteArray& text, SettingsValues& values);

// The text that ParseSettingsText reads back as values: one section for the first part of each
// key, the rest of the key and its value escaped on one line each.
QByteArray SettingsText(const SettingsValues& values);
