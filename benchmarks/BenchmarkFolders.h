#pragma once

#include <QTemporaryDir>

// Points the program's home, settings and program folder into a temporary folder, so a benchmark
// never touches a file of the user.
inline void UseTemporaryFolders(const QTemporaryDir& folder)
{
    qputenv("HOME", folder.path().toLocal8Bit());
    qputenv("LEDGORA_CONFIG_DIR", folder.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("LEDGORA_PROGRAM_DIR", (folder.path() + QStringLiteral("/")).toLocal8Bit());
    qunsetenv("XDG_DATA_HOME");
}
