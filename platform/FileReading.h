#pragma once

#include <QByteArray>
#include <QString>

// The reading side of the file layer. Whatever stands at a path the program reads may have been
// put there by someone else: a pipe whose reader waits forever, a folder, a device, a file far
// larger than its format, or a number no program of ours ever wrote. Each reader refuses these
// before it opens or uses them, and says which file it refused.

// Why what stands at path cannot be read as a file ("... is a folder, not a file."), or an empty
// text when a regular file (or a link to one) stands there or nothing does: a missing file is
// for the caller to report or create.
QString IrregularFileProblem(const QString& path);

// Raises EInOutError with IrregularFileProblem when it is not empty.
void RequireRegularFile(const QString& path);

// The text that refuses a file as damaged: "NAME is damaged: " + reason.
QString DamagedFileText(const QString& path, const QString& reason);

// Refuses a file larger than maxSize bytes as damaged (EInOutError); a missing file passes.
void RequireFileSizeAtMost(const QString& path, qint64 maxSize);

// The whole of the regular file at path, refused with EInOutError naming the file when it is
// missing, not a regular file, larger than maxSize bytes or cannot be read.
QByteArray ReadRegularFile(const QString& path, qint64 maxSize);
// The whole of the file open as fd (named path in messages), refused as ReadRegularFile refuses.
QByteArray ReadOpenRegularFile(int fd, const QString& path, qint64 maxSize);
// The same, reading a missing file as empty.
QByteArray ReadRegularFileIfThere(const QString& path, qint64 maxSize);

// A count or size read from a file, returned when it lies within 0..maximum; any other value
// raises EInOutError naming the file as damaged, since no program of ours wrote it.
qint64 CheckedCount(qint64 count, qint64 maximum, const QString& path, const QString& what);
