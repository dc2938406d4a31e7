#pragma once

#include <QString>

// The path with the extension of its file name (from its last ".") replaced by extension, which
// includes its dot; a name without extension gets it appended. Dots in folder names do not count.
QString ChangeFileExt(const QString& path, const QString& extension);

// The file name of a path without its folder.
QString ExtractFileName(const QString& path);
