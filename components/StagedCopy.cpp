#include "components/StagedCopy.h"

#include "platform/Exceptions.h"
#include "platform/FileOperations.h"
#include "platform/FileReading.h"
#include "platform/FileReplacement.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 kChunk = 65536;

[[noreturn]] void Fail(const QString& path, int code)
{
    throw EInOutError(QStringLiteral("%1: %2").arg(path, SystemErrorText(code)));
}

[[noreturn]] void Fail(const QString& path, const QString& reason)
{
    throw EInOutError(QStringLiteral("%1: %2").arg(path, reason));
}

// A file opened for reading, closed however the reading ends.
class ReadDescriptor {
public:
    explicit ReadDescriptor(const QString& path)
        : path_(path)
    {
        RequireRegularFile(path);
        do
            fd_ = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        while (fd_ < 0 && errno == EINTR);
        if (fd_ < 0)
            Fail(path, errno);
        struct stat info {};
        if (::fstat(fd_, &info) != 0)
            Fail(path, errno);
        if (S_ISDIR(info.st_mode))
            Fail(path, EISDIR);
        mode_ = info.st_mode;
    }
    ~ReadDescriptor() { ::close(fd_); }
    ReadDescriptor(const ReadDescriptor&) = delete;
    ReadDescriptor& operator=(const ReadDescriptor&) = delete;

    mode_t mode() const { return mode_; }

    // The next bytes into buffer; 0 at the end.
    qint64 read(char* buffer, qint64 size)
    {
        for (;;) {
            const ssize_t got = ::read(fd_, buffer, static_cast<size_t>(size));
            if (got >= 0)
                return got;
            if (errno != EINTR)
                Fail(path_, errno);
        }
    }

private:
    QString path_;
    int fd_ = -1;
    mode_t mode_ = 0;
};

int CreateTemporary(const QString& target, QString& temporary)
{
    for (;;) {
        temporary = TemporaryNameBeside(target);
        int fd = -1;
        const int error = OpenForWriting(temporary, O_WRONLY | O_CREAT | O_EXCL, 0666, fd);
        if (error == 0)
            return fd;
        if (error != EEXIST)
            Fail(target, error);
    }
}

bool ExchangeUnsupported(int error)
{
    return error == EINVAL || error == ENOTSUP || error == ENOSYS;
}

} // namespace

FileFingerprint FingerprintOfFile(const QString& path)
{
    FileFingerprint result;
    if (const int error = ReadFingerprint(path, result))
        Fail(path, error);
    return result;
}

StagedCopy::StagedCopy(const QString& source, const QString& target)
    : target_(target)
{
    // Swapping a folder into a file's place would hide the folder under the temporary name.
    if (QFileInfo(target).isDir())
        Fail(target, EISDIR);
    ReadDescriptor in(source);
    const int fd = CreateTemporary(target, temporary_);
    bool open = true;
    try {
        // A replaced file keeps its permissions; a new one gets the usual ones.
        struct stat old {};
        if (::stat(QFile::encodeName(target).constData(), &old) == 0 && ::fchmod(fd, old.st_mode & 07777) != 0)
            Fail(target, errno);
        fingerprint_ = EmptyFingerprint();
        std::vector<char> buffer(kChunk);
        while (const qint64 got = in.read(buffer.data(), kChunk)) {
            if (const int error = WriteAll(fd, temporary_, buffer.data(), got, fingerprint_.size))
                Fail(target, error);
            AddToFingerprint(fingerprint_, buffer.data(), got);
        }
        if (const int error = SyncFile(fd, temporary_))
            Fail(target, error);
        open = false;
        if (const int error = CloseWritten(fd, temporary_))
            Fail(target, error);
        const FileFingerprint written = FingerprintOfFile(temporary_);
        if (written != fingerprint_)
            Fail(target, QStringLiteral("the copy does not match its source %1 (%2 of %3 bytes written)")
                             .arg(source, QString::number(written.size), QString::number(fingerprint_.size)));
    } catch (...) {
        if (open)
            ::close(fd);
        RemoveFile(temporary_);
        throw;
    }
}

StagedCopy::~StagedCopy()
{
    // Once placed, the temporary name may hold the only version of the former target left.
    if (!placed_)
        RemoveFile(temporary_);
}

void StagedCopy::place()
{
    // Swapping keeps the replaced file at hand, so a later failure can put it back.
    int error = ExchangeFiles(temporary_, target_);
    holdsReplaced_ = error == 0;
    createdTarget_ = error == ENOENT;
    if (createdTarget_ || ExchangeUnsupported(error))
        error = RenameFile(temporary_, target_);
    if (error)
        Fail(target_, error);
    placed_ = true;
}

void StagedCopy::undo() noexcept
{
    if (!placed_)
        return;
    // Where the file system cannot swap, the former target is gone already; the copy stays then.
    if (holdsReplaced_ ? ExchangeFiles(temporary_, target_) == 0 : createdTarget_ && RemoveFile(target_) == 0)
        placed_ = false;
}

void StagedCopy::dropReplaced() noexcept
{
    // The copies stand and are durable; the replaced version under its hidden name is no loss.
    if (holdsReplaced_ && RemoveFile(temporary_) == 0)
        holdsReplaced_ = false;
}

void PlaceCopies(std::initializer_list<StagedCopy*> copies)
{
    try {
        for (StagedCopy* copy : copies)
            copy->place();
        QStringList synced;
        for (StagedCopy* copy : copies) {
            const QString folder = QFileInfo(copy->target_).absolutePath();
            if (synced.contains(folder))
                continue;
            if (const int error = SyncPath(folder, true))
                Fail(copy->target_, error);
            synced << folder;
        }
    } catch (...) {
        for (auto copy = std::rbegin(copies); copy != std::rend(copies); ++copy)
            (*copy)->undo();
        throw;
    }
    for (StagedCopy* copy : copies)
        copy->dropReplaced();
}
