#include "platform/FileReading.h"

#include "platform/Exceptions.h"
#include "platform/FileOperations.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString KindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("a folder");
    if (S_ISFIFO(mode))
        return QStringLiteral("a pipe");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("a device");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket");
    return QStringLiteral("not a regular file");
}

QString ProblemOf(const QString& path, mode_t mode)
{
    if (S_ISREG(mode))
        return {};
    return QStringLiteral("%1 is %2, not a file.").arg(path, KindOf(mode));
}

[[noreturn]] void Fail(const QString& path, int code)
{
    throw EInOutError(QStringLiteral("Unable to read %1: %2").arg(path, SystemErrorText(code)));
}

// The descriptor of a file opened for reading, closed however the reading ends.
class ReadHandle {
public:
    explicit ReadHandle(const QString& path)
    {
        // Without O_NONBLOCK a pipe put there since the check would hold the open itself.
        do
            fd_ = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        while (fd_ < 0 && errno == EINTR);
        if (fd_ < 0)
            Fail(path, errno);
    }
    ~ReadHandle() { ::close(fd_); }
    ReadHandle(const ReadHandle&) = delete;
    ReadHandle& operator=(const ReadHandle&) = delete;
    int fd() const { return fd_; }

private:
    int fd_ = -1;
};

} // namespace

QString DamagedFileText(const QString& path, const QString& reason)
{
    return QStringLiteral("%1 is damaged: %2").arg(path, reason);
}

namespace {

void RefuseAbove(const QString& path, qint64 size, qint64 maxSize)
{
    if (size > maxSize)
        throw EInOutError(DamagedFileText(
            path, QStringLiteral("it holds %1 bytes, more than the %2 its format allows.").arg(size).arg(maxSize)));
}

} // namespace

QString IrregularFileProblem(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return ProblemOf(path, info.st_mode);
}

void RequireRegularFile(const QString& path)
{
    if (const QString problem = IrregularFileProblem(path); !problem.isEmpty())
        throw EInOutError(problem);
}

void RequireFileSizeAtMost(const QString& path, qint64 maxSize)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode))
        RefuseAbove(path, info.st_size, maxSize);
}

QByteArray ReadRegularFile(const QString& path, qint64 maxSize)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        Fail(path, errno);
    RequireRegularFile(path);
    const ReadHandle file(path);
    // What was opened is checked again: the name may have been given to something else meanwhile.
    return ReadOpenRegularFile(file.fd(), path, maxSize);
}

QByteArray ReadOpenRegularFile(int fd, const QString& path, qint64 maxSize)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        Fail(path, errno);
    if (const QString problem = ProblemOf(path, info.st_mode); !problem.isEmpty())
        throw EInOutError(problem);
    RefuseAbove(path, info.st_size, maxSize);
    // One byte past the limit tells a file that grew while it was read.
    QByteArray bytes(info.st_size + 1, Qt::Uninitialized);
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::pread(fd, bytes.data() + done, static_cast<size_t>(bytes.size() - done), done);
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            Fail(path, errno);
        }
        done += got;
    }
    if (done > maxSize || done > info.st_size)
        throw EInOutError(DamagedFileText(path, QStringLiteral("it changed while it was read.")));
    bytes.truncate(done);
    return bytes;
}

QByteArray ReadRegularFileIfThere(const QString& path, qint64 maxSize)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0 && errno == ENOENT)
        return {};
    return ReadRegularFile(path, maxSize);
}

qint64 CheckedCount(qint64 count, qint64 maximum, const QString& path, const QString& what)
{
    if (count < 0 || count > maximum)
        throw EInOutError(DamagedFileText(
            path, QStringLiteral("its %1 (%2) lies outside 0 to %3.").arg(what).arg(count).arg(maximum)));
    return count;
}
