#include "platform/FileOperations.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace {

FileOperationFault& Fault()
{
    static FileOperationFault fault;
    return fault;
}

int Injected(FileOperation operation, const QString& path)
{
    const FileOperationFault& fault = Fault();
    return fault ? fault(operation, path) : 0;
}

QByteArray Native(const QString& path)
{
    return QFile::encodeName(path);
}

} // namespace

int OpenForWriting(const QString& path, int flags, mode_t mode, int& fd)
{
    fd = -1;
    if (const int injected = Injected(FileOperation::Open, path))
        return injected;
    do
        fd = ::open(Native(path).constData(), flags | O_CLOEXEC, mode);
    while (fd < 0 && errno == EINTR);
    return fd < 0 ? errno : 0;
}

int WriteAll(int fd, const QString& path, const char* data, qint64 size, qint64 offset)
{
    if (const int injected = Injected(FileOperation::Write, path))
        return injected;
    qint64 done = 0;
    while (done < size) {
        const ssize_t put = ::pwrite(fd, data + done, static_cast<size_t>(size - done), static_cast<off_t>(offset + done));
        if (put > 0) {
            done += put;
            continue;
        }
        if (put < 0 && errno == EINTR)
            continue;
        return put < 0 ? errno : ENOSPC;
    }
    return 0;
}

int FlushBuffer(int fd, const QString& path, const char* data, qint64 size, qint64 offset)
{
    if (const int injected = Injected(FileOperation::Flush, path))
        return injected;
    return WriteAll(fd, path, data, size, offset);
}

int SyncFile(int fd, const QString& path)
{
    if (const int injected = Injected(FileOperation::Sync, path))
        return injected;
    return ::fsync(fd) == 0 ? 0 : errno;
}

int SyncPath(const QString& path, bool folder)
{
    if (const int injected = Injected(FileOperation::Sync, path))
        return injected;
    const int fd = ::open(Native(path).constData(), O_RDONLY | O_CLOEXEC | (folder ? O_DIRECTORY : 0));
    if (fd < 0)
        return errno;
    const int synced = ::fsync(fd) == 0 ? 0 : errno;
    const int closed = ::close(fd) == 0 ? 0 : errno;
    return synced ? synced : closed;
}

int CloseWritten(int fd, const QString& path)
{
    const int injected = Injected(FileOperation::Close, path);
    // The descriptor is given up whatever happens; only the result may be the injected one.
    const int closed = ::close(fd) == 0 || errno == EINTR ? 0 : errno;
    return injected ? injected : closed;
}

int RenameFile(const QString& from, const QString& to)
{
    if (const int injected = Injected(FileOperation::Rename, to))
        return injected;
    return ::rename(Native(from).constData(), Native(to).constData()) == 0 ? 0 : errno;
}

int RenameWithoutReplacing(const QString& from, const QString& to)
{
    if (const int injected = Injected(FileOperation::Rename, to))
        return injected;
    if (::renameat2(AT_FDCWD, Native(from).constData(), AT_FDCWD, Native(to).constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOTSUP && errno != ENOSYS)
        return errno;
    // A file system that cannot refuse within the rename: a hard link refuses a taken name.
    if (::link(Native(from).constData(), Native(to).constData()) != 0)
        return errno;
    return ::unlink(Native(from).constData()) == 0 ? 0 : errno;
}

int ExchangeFiles(const QString& first, const QString& second)
{
    if (const int injected = Injected(FileOperation::Rename, second))
        return injected;
    return ::renameat2(AT_FDCWD, Native(first).constData(), AT_FDCWD, Native(second).constData(), RENAME_EXCHANGE) == 0
               ? 0
               : errno;
}

int RemoveFile(const QString& path)
{
    if (const int injected = Injected(FileOperation::Remove, path))
        return injected;
    return ::unlink(Native(path).constData()) == 0 || errno == ENOENT ? 0 : errno;
}

QString SystemErrorText(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

FileOperationFault SetFileOperationFault(FileOperationFault fault)
{
    return std::exchange(Fault(), std::move(fault));
}
