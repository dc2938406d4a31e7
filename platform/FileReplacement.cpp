#include "platform/FileReplacement.h"

#include "platform/FileOperations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <utility>

namespace {

// As much as a buffered writer holds before the system sees it; a small file reaches the disk
// only when the buffer is flushed, which is where a full disk shows.
constexpr qsizetype kBufferSize = 16384;

bool ExchangeUnsupported(int error)
{
    return error == EINVAL || error == ENOTSUP || error == ENOSYS;
}

} // namespace

FileReplacement::FileReplacement(const QString& target)
    : target_(target)
    , written_(EmptyFingerprint())
{
}

FileReplacement::~FileReplacement()
{
    if (!committed_)
        closeAndRemove();
}

bool FileReplacement::open()
{
    // Swapping a folder into a file's place would hide the folder under the temporary name.
    if (QFileInfo(target_).isDir())
        return fail(EISDIR);
    for (;;) {
        temporary_ = TemporaryNameBeside(target_);
        const int error = OpenForWriting(temporary_, O_WRONLY | O_CREAT | O_EXCL, 0666, fd_);
        if (error == 0)
            break;
        if (error != EEXIST) {
            temporary_.clear();
            return fail(error);
        }
    }
    struct stat old {};
    if (::stat(QFile::encodeName(target_).constData(), &old) == 0 && ::fchmod(fd_, old.st_mode & 07777) != 0)
        return fail(errno);
    return true;
}

bool FileReplacement::write(const char* data, qint64 size)
{
    if (fd_ < 0 || !error_.isEmpty())
        return false;
    if (buffer_.size() + size > kBufferSize && !flush())
        return false;
    if (size >= kBufferSize)
        return writeOut(data, size);
    buffer_.append(data, size);
    return true;
}

bool FileReplacement::flush()
{
    if (buffer_.isEmpty())
        return true;
    if (const int error = FlushBuffer(fd_, temporary_, buffer_.constData(), buffer_.size(), written_.size))
        return fail(error);
    AddToFingerprint(written_, buffer_.constData(), buffer_.size());
    buffer_.clear();
    return true;
}

bool FileReplacement::writeOut(const char* data, qint64 size)
{
    if (const int error = WriteAll(fd_, temporary_, data, size, written_.size))
        return fail(error);
    AddToFingerprint(written_, data, size);
    return true;
}

bool FileReplacement::commit()
{
    if (fd_ < 0 || !error_.isEmpty() || !flush())
        return false;
    if (const int error = SyncFile(fd_, temporary_))
        return fail(error);
    const int fd = std::exchange(fd_, -1);
    if (const int error = CloseWritten(fd, temporary_))
        return fail(error);
    FileFingerprint read;
    if (const int error = ReadFingerprint(temporary_, read))
        return fail(error);
    if (read != written_)
        return fail(QStringLiteral("the file reads back %1 of the %2 bytes written, or other bytes")
                        .arg(QString::number(read.size), QString::number(written_.size)));
    return place();
}

bool FileReplacement::place()
{
    // Swapping keeps the replaced file at hand until the folder is synced, so a failure up to
    // then can put it back.
    int error = ExchangeFiles(temporary_, target_);
    const bool swapped = error == 0;
    const bool created = error == ENOENT;
    if (created || ExchangeUnsupported(error))
        error = RenameFile(temporary_, target_);
    if (error)
        return fail(error);
    if (const int synced = SyncPath(QFileInfo(target_).absolutePath(), true)) {
        // Where the file system cannot swap, the former target is gone already: the new one stays.
        if (swapped && ExchangeFiles(temporary_, target_) != 0)
            temporary_.clear();  // it holds the only former version left
        else if (created)
            RemoveFile(target_);
        return fail(synced);
    }
    committed_ = true;
    // The new file stands and is durable; the replaced version under the hidden name is no loss,
    // and one left behind is removed at the next start.
    if (swapped)
        RemoveFile(temporary_);
    return true;
}

bool FileReplacement::fail(int code)
{
    return fail(SystemErrorText(code));
}

bool FileReplacement::fail(const QString& reason)
{
    error_ = reason;
    closeAndRemove();
    return false;
}

void FileReplacement::closeAndRemove() noexcept
{
    if (fd_ >= 0)
        CloseWritten(std::exchange(fd_, -1), temporary_);
    if (!temporary_.isEmpty())
        RemoveFile(std::exchange(temporary_, QString()));
}

QString ReplaceWholeFile(const QString& path, const QByteArray& bytes)
{
    FileReplacement file(path);
    if (file.open() && file.write(bytes) && file.commit())
        return {};
    return file.errorString();
}

QString TemporaryNameBeside(const QString& target)
{
    const QFileInfo info(target);
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".")
           + QString::number(QRandomGenerator::global()->generate(), 36) + QStringLiteral(".part");
}

QStringList RemoveLeftoverTemporaries(const QString& folder, const QDateTime& before)
{
    QStringList kept;
    // A link in a folder's place leads elsewhere: nothing there is the program's to remove.
    if (QFileInfo(QDir::cleanPath(folder)).isSymLink())
        return kept;
    const QDir dir(folder);
    const QFileInfoList files =
        dir.entryInfoList({QStringLiteral(".*.part")}, QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QFileInfo& file : files)
        if (file.lastModified() < before && RemoveFile(file.absoluteFilePath()) != 0)
            kept << file.absoluteFilePath();
    const QFileInfoList folders =
        dir.entryInfoList({QStringLiteral(".transfer-*")}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QFileInfo& staging : folders)
        if (staging.lastModified() < before && !QDir(staging.absoluteFilePath()).removeRecursively())
            kept << staging.absoluteFilePath();
    return kept;
}
