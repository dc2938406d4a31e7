#include "components/JournalGuard.h"

#include "components/TextRoutines.h"
#include "platform/FileOperations.h"
#include "platform/FileReading.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// A journal names a handful of files; anything larger was not written by the program.
constexpr qint64 kMaxJournalBytes = 64 * 1024;
// Tries at taking the lock of a journal that another window renames or removes meanwhile.
constexpr int kLockAttempts = 3;
const QString kRefusedSuffix = QStringLiteral(".refused");

[[noreturn]] void Refuse(const QString& reason)
{
    throw JournalRefusal{reason};
}

bool IsPlain(const QString& name)
{
    if (name.isEmpty() || name == QStringLiteral(".") || name == QStringLiteral(".."))
        return false;
    for (const QChar c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
    return true;
}

bool IsWriterNameOf(const QString& name, const QString& known)
{
    static const QRegularExpression random(QStringLiteral("^[0-9a-z]+\\.(new|old)$"));
    const QString prefix = QLatin1Char('.') + known + QLatin1Char('.');
    return name.startsWith(prefix) && random.match(name.mid(prefix.size())).hasMatch();
}

struct stat LinkStatus(const QString& path, bool& there)
{
    struct stat info {};
    there = ::lstat(QFile::encodeName(path).constData(), &info) == 0;
    if (!there && errno != ENOENT)
        throw EInOutError(QStringLiteral("Unable to read %1: %2").arg(path, SystemErrorText(errno)));
    return info;
}

bool TakeLock(int fd)
{
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    return ::fcntl(fd, F_OFD_SETLK, &whole) == 0;
}

} // namespace

QString JournalNamedFile(const QString& folder, const QString& name, const QStringList& known)
{
    if (!IsPlain(name))
        Refuse(QStringLiteral("it names \"%1\", which is not a plain file name in its own folder").arg(name));
    const bool allowed = known.isEmpty()
        ? !name.startsWith(QLatin1Char('.'))
        : known.contains(name) || std::any_of(known.cbegin(), known.cend(), [&name](const QString& file) {
              return IsWriterNameOf(name, file);
          });
    if (!allowed)
        Refuse(QStringLiteral("it names the file \"%1\", which is not one of its step's files").arg(name));
    return AddTrailingBackslash(folder) + name;
}

bool RegularFileAt(const QString& path)
{
    bool there = false;
    const struct stat info = LinkStatus(path, there);
    if (there && !S_ISREG(info.st_mode))
        Refuse(S_ISLNK(info.st_mode) ? QStringLiteral("%1 is a link, where it expects a file").arg(path)
                                     : QStringLiteral("%1 is not a file").arg(path));
    return there;
}

JournalLock::~JournalLock()
{
    if (fd_ >= 0)
        ::close(fd_);
}

JournalLock::JournalLock(JournalLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

JournalLock& JournalLock::operator=(JournalLock&& other) noexcept
{
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

int CreateLockedFile(const QString& path, JournalLock& lock)
{
    int fd = -1;
    if (const int error = OpenForWriting(path, O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW, 0666, fd))
        return error;
    JournalLock created(fd);
    // Nobody else can hold a file this call has just made; a failure here is the system's.
    if (!TakeLock(fd)) {
        const int error = errno;
        RemoveFile(path);
        return error;
    }
    lock = std::move(created);
    return 0;
}

JournalState LockJournal(const QString& journalFile, JournalLock& lock)
{
    const QByteArray native = QFile::encodeName(journalFile);
    for (int attempt = 0; attempt < kLockAttempts; ++attempt) {
        int fd = -1;
        do
            fd = ::open(native.constData(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        while (fd < 0 && errno == EINTR);
        if (fd < 0) {
            if (errno == ENOENT)
                return JournalState::Missing;
            if (errno == ELOOP)
                Refuse(QStringLiteral("it is a link, not a file"));
            if (errno == EISDIR)
                Refuse(QStringLiteral("it is a folder, not a file"));
            throw EInOutError(QStringLiteral("Unable to open %1: %2").arg(journalFile, SystemErrorText(errno)));
        }
        JournalLock opened(fd);
        struct stat held {};
        if (::fstat(fd, &held) != 0)
            throw EInOutError(QStringLiteral("Unable to read %1: %2").arg(journalFile, SystemErrorText(errno)));
        if (!S_ISREG(held.st_mode))
            Refuse(QStringLiteral("it is not a file"));
        if (!TakeLock(fd)) {
            if (errno == EAGAIN || errno == EACCES)
                return JournalState::RunningElsewhere;
            throw EInOutError(QStringLiteral("Unable to lock %1: %2").arg(journalFile, SystemErrorText(errno)));
        }
        // The step that held it may have removed the journal, or another put a new one in its place.
        bool there = false;
        const struct stat named = LinkStatus(journalFile, there);
        if (there && named.st_dev == held.st_dev && named.st_ino == held.st_ino) {
            lock = std::move(opened);
            return JournalState::Locked;
        }
    }
    return JournalState::RunningElsewhere;
}

QByteArray ReadLockedJournal(const JournalLock& lock, const QString& journalFile)
{
    try {
        return ReadOpenRegularFile(lock.fd(), journalFile, kMaxJournalBytes);
    } catch (const EInOutError& e) {
        Refuse(e.message());
    }
}

bool RemoveUnfinishedJournal(const QString& temporary)
{
    JournalLock lock;
    try {
        switch (LockJournal(temporary, lock)) {
        case JournalState::Missing:
            return true;
        case JournalState::RunningElsewhere:
            return false;
        case JournalState::Locked:
            break;
        }
    } catch (const JournalRefusal&) {
        // Not a file the program wrote; removing the name changes nothing it could point to.
    } catch (const EInOutError&) {
    }
    // Should it not go now, it is tried again at the next recovery.
    RemoveFile(temporary);
    return true;
}

ECustomException StepRunningElsewhere(const QString& journalFile)
{
    return ECustomException(TildeToLineBreak(
        QStringLiteral("A step on these files is running in another window of the program: its journal %1 is in "
                       "use.~~Its files were left alone. Try again once that step has finished.")
            .arg(journalFile)));
}

void SetJournalAside(const QString& journalFile, const JournalRefusal& refusal)
{
    QString aside = journalFile + kRefusedSuffix;
    int error = RenameWithoutReplacing(journalFile, aside);
    for (int n = 2; error == EEXIST && n < 100; ++n) {
        aside = journalFile + kRefusedSuffix + QString::number(n);
        error = RenameWithoutReplacing(journalFile, aside);
    }
    const QString kept = error ? QStringLiteral("It could not be set aside (%1) and is still there.").arg(SystemErrorText(error))
                               : QStringLiteral("It was set aside as %1 and is not read again.").arg(aside);
    throw ECustomException(TildeToLineBreak(
        QStringLiteral("The journal %1 was not followed, because %2.~~No file was changed. %3")
            .arg(journalFile, refusal.reason, kept)));
}
