#pragma once

#include "components/StagedCopy.h"

#include <QString>

// Set False by every CopyFileChecked and True when its copy failed.
extern bool CopyFileFailed;

// Copies source to dest through a temporary file that is synced and read back against the source
// before it is renamed into place, so a failed copy never destroys dest. Returns the size and
// checksum read from the source. A failure sets CopyFileFailed and raises ECopyFileException
// naming the file and the system's text.
FileFingerprint CopyFileChecked(const QString& source, const QString& dest, bool failIfExists);

// The number of directory entries, folders included, matching a path whose last part may hold
// the wildcards "*" and "?".
quint16 CountMatchingFiles(const QString& mask);

// Asks for a folder, starting at folder when it exists. True and folder set when one is chosen.
bool SelectFolder(const QString& caption, QString& folder);

// Developer mode: LEDGORA_DEVELOPER_MODE=1 stands for the makers' development environment running.
bool IsDevIDERunning();
