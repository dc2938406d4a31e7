#pragma once

#include <QString>
#include <functional>
#include <sys/types.h>

// The calls through which the program's file writers reach the disk: creating or opening a file
// for writing, writing, syncing, closing a written file, renaming and removing. Each returns 0 or
// the system's errno, so that every message can name the file and the system's own reason.
//
// A test may make any of them fail (SetFileOperationFault): that is how a full disk, a failing
// medium or a read-only one is reproduced, without root and without a special file system.
// Failing the N-th call of some operations in turn (tests/support/FailingFileOperations counts
// them) walks a writer through every point where the disk can let it down.

// Flush is a writer handing its buffered bytes to the system: a fault there is a write that
// failed only when the buffer went out, as on a full disk.
enum class FileOperation { Open, Write, Flush, Sync, Close, Rename, Remove };

// Opens path with flags (O_WRONLY or O_RDWR, maybe O_CREAT | O_EXCL); fd is set on success.
int OpenForWriting(const QString& path, int flags, mode_t mode, int& fd);
// Writes all of data at offset; a write that stops short without an error counts as a full disk.
int WriteAll(int fd, const QString& path, const char* data, qint64 size, qint64 offset);
// Writes a writer's buffered bytes at offset: a flush, then a write, to the fault.
int FlushBuffer(int fd, const QString& path, const char* data, qint64 size, qint64 offset);
// Makes the written bytes of an open file durable.
int SyncFile(int fd, const QString& path);
// Opens path and makes it durable: a file's bytes, or a folder's entries (after a rename).
int SyncPath(const QString& path, bool folder);
// Closes a descriptor that was written; some file systems report a failed write only here.
int CloseWritten(int fd, const QString& path);
// Replaces to by from in one step.
int RenameFile(const QString& from, const QString& to);
// Gives from the name to in one step, failing with EEXIST when something stands there already.
int RenameWithoutReplacing(const QString& from, const QString& to);
// Swaps the two names in one step; EINVAL or ENOTSUP where the file system cannot.
int ExchangeFiles(const QString& first, const QString& second);
int RemoveFile(const QString& path);

// The system's text for an errno, as "No space left on device".
QString SystemErrorText(int code);

// Called before every operation above with the file it concerns; a non-zero result is taken as
// the operation's errno and the operation is not done. Returns the previous fault.
using FileOperationFault = std::function<int(FileOperation operation, const QString& path)>;
FileOperationFault SetFileOperationFault(FileOperationFault fault);
