#include "components/ChangeJournal.h"

#include "components/StagedCopy.h"
#include "components/TextRoutines.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/FileOperations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <utility>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kHeader = QByteArrayLiteral("Ledgora change journal 2");
constexpr mode_t kReadOnlyMode = 0444;

// One file of the change as the journal records it. The paths are whole here; the journal holds
// plain names, and the folder only where it is not the journal's own.
struct Entry {
    QString target;
    QString fresh;   // where the new contents are written; empty for a removal
    QString former;  // where the target's former contents are moved; empty when there was no target
    FileFingerprint expected;  // of the new contents
};

struct Journal {
    QString description;
    QList<Entry> entries;
};

[[noreturn]] void Fail(const QString& path, int code)
{
    throw EInOutError(QStringLiteral("%1: %2").arg(path, SystemErrorText(code)));
}

[[noreturn]] void Fail(const QString& path, const QString& reason)
{
    throw EInOutError(QStringLiteral("%1: %2").arg(path, reason));
}

bool Exists(const QString& path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

bool Holds(const QString& path, const FileFingerprint& expected)
{
    if (!QFileInfo(path).isFile())
        return false;
    try {
        return FingerprintOfFile(path) == expected;
    } catch (const EInOutError&) {
        return false;
    }
}

// Two hidden names beside target that nobody uses, one for its new and one for its former contents.
void HiddenNamesFor(const QString& target, QString& fresh, QString& former)
{
    const QFileInfo info(target);
    do {
        const QString stem = info.absolutePath() + QStringLiteral("/.") + info.fileName() + QLatin1Char('.')
                             + QString::number(QRandomGenerator::global()->generate(), 36);
        fresh = stem + QStringLiteral(".new");
        former = stem + QStringLiteral(".old");
    } while (Exists(fresh) || Exists(former));
}

QByteArray Encoded(const QString& text)
{
    return text.toUtf8().toPercentEncoding("/ ");
}

QString FolderOf(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absolutePath());
}

QString NameOf(const QString& path)
{
    return path.isEmpty() ? QString() : QFileInfo(path).fileName();
}

QByteArray JournalText(const QString& journalFile, const Journal& journal)
{
    QByteArray text = kHeader + '\n';
    text += "Change=" + Encoded(journal.description) + '\n';
    for (const Entry& entry : journal.entries) {
        const QString folder = FolderOf(entry.target);
        text += "Folder=" + Encoded(folder == FolderOf(journalFile) ? QString() : folder) + '\n';
        text += "Target=" + Encoded(NameOf(entry.target)) + '\n';
        text += "New=" + Encoded(NameOf(entry.fresh)) + '\n';
        text += "Former=" + Encoded(NameOf(entry.former)) + '\n';
        text += "Size=" + QByteArray::number(entry.expected.size) + '\n';
        text += "Crc32=" + QByteArray::number(entry.expected.crc32) + '\n';
    }
    return text;
}

// The folder an entry's files lie in: the journal's own, or one the program gave.
QString EntryFolder(const QString& journalFile, const QString& folder, const QStringList& otherFolders)
{
    if (folder.isEmpty())
        return FolderOf(journalFile);
    for (const QString& other : otherFolders)
        if (QDir::cleanPath(QFileInfo(other).absoluteFilePath()) == folder)
            return folder;
    throw JournalRefusal{QStringLiteral("it names files in the folder %1, outside its own").arg(folder)};
}

// The hidden name of a new or former file, which the change made beside its target.
QString HiddenFile(const QString& folder, const QString& name, const QString& target, const char* ending)
{
    if (name.isEmpty())
        return {};
    if (!name.endsWith(QLatin1String(ending)))
        throw JournalRefusal{QStringLiteral("it names \"%1\" where a name ending in %2 belongs").arg(name, QLatin1String(ending))};
    return JournalNamedFile(folder, name, {target});
}

Journal ParseJournal(const QString& journalFile, const QByteArray& bytes, const QStringList& otherFolders)
{
    const JournalRefusal unreadable{QStringLiteral("it is not a journal of this program as it stands")};
    QList<QByteArray> lines = bytes.split('\n');
    if (lines.size() < 2 || lines.takeFirst() != kHeader || !lines.takeLast().isEmpty())
        throw unreadable;
    qsizetype at = 0;
    const auto value = [&](const char* key) {
        const QByteArray prefix = QByteArray(key) + '=';
        if (at >= lines.size() || !lines[at].startsWith(prefix))
            throw unreadable;
        return lines[at++].mid(prefix.size());
    };
    const auto text = [&](const char* key) { return QString::fromUtf8(QByteArray::fromPercentEncoding(value(key))); };
    Journal journal;
    journal.description = text("Change");
    QStringList named{QFileInfo(journalFile).absoluteFilePath()};
    while (at < lines.size()) {
        Entry entry;
        bool sizeRead = false;
        bool crcRead = false;
        const QString folder = EntryFolder(journalFile, text("Folder"), otherFolders);
        const QString target = text("Target");
        entry.target = JournalNamedFile(folder, target);
        if (target.endsWith(kChangeJournalSuffix))
            throw JournalRefusal{QStringLiteral("it names the journal %1 as a file of its step").arg(target)};
        entry.fresh = HiddenFile(folder, text("New"), target, ".new");
        entry.former = HiddenFile(folder, text("Former"), target, ".old");
        entry.expected.size = value("Size").toLongLong(&sizeRead);
        entry.expected.crc32 = value("Crc32").toUInt(&crcRead);
        if (!sizeRead || !crcRead || entry.expected.size < 0)
            throw unreadable;
        for (const QString& path : {entry.target, entry.fresh, entry.former}) {
            if (path.isEmpty())
                continue;
            if (named.contains(path))
                throw JournalRefusal{QStringLiteral("it names %1 twice").arg(path)};
            named << path;
        }
        journal.entries.append(entry);
    }
    if (journal.entries.isEmpty())
        throw unreadable;
    return journal;
}

// Refuses a journal whose files stand as no run of its change leaves them: a link or a folder in
// a file's place, or a file in place beside its former one that is not the file the journal
// describes (a change moves its target aside before the new file takes the name).
void RequireFilesAsAChangeLeavesThem(const Journal& journal)
{
    for (const Entry& entry : journal.entries) {
        const bool target = RegularFileAt(entry.target);
        const bool fresh = !entry.fresh.isEmpty() && RegularFileAt(entry.fresh);
        const bool former = !entry.former.isEmpty() && RegularFileAt(entry.former);
        if (target && former && !fresh && (entry.fresh.isEmpty() || !Holds(entry.target, entry.expected)))
            throw JournalRefusal{QStringLiteral("%1 is not the file it describes").arg(entry.target)};
    }
}

QStringList FoldersOf(const Journal& journal)
{
    QStringList folders;
    for (const Entry& entry : journal.entries) {
        const QString folder = FolderOf(entry.target);
        if (!folders.contains(folder))
            folders << folder;
    }
    return folders;
}

void SyncFolders(const Journal& journal)
{
    // A folder that is not there holds none of the change's files.
    for (const QString& folder : FoldersOf(journal))
        if (const int error = QFileInfo(folder).isDir() ? SyncPath(folder, true) : 0)
            Fail(folder, error);
}

void Rename(const QString& from, const QString& to, const QString& named)
{
    if (const int error = RenameFile(from, to))
        Fail(named, error);
}

void Remove(const QString& path, const QString& named)
{
    if (const int error = RemoveFile(path))
        Fail(named, error);
}

// A descriptor closed when an exception leaves it open; the checked close is the caller's.
class OpenDescriptor {
public:
    explicit OpenDescriptor(int fd) : fd_(fd) {}
    ~OpenDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    OpenDescriptor(const OpenDescriptor&) = delete;
    OpenDescriptor& operator=(const OpenDescriptor&) = delete;
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

// Writes the new contents of one file under its hidden name and proves them by reading them back.
void WriteFresh(const Entry& entry, const FileChange& change)
{
    int fd = -1;
    if (const int error = OpenForWriting(entry.fresh, O_WRONLY | O_CREAT | O_EXCL, 0666, fd))
        Fail(entry.target, error);
    OpenDescriptor open(fd);
    // A replaced file keeps its permissions; a file the program keeps read-only is made so first.
    struct stat old {};
    const bool replacing = ::stat(QFile::encodeName(entry.target).constData(), &old) == 0;
    const std::optional<mode_t> mode = change.readOnly ? std::optional<mode_t>(kReadOnlyMode)
                                       : replacing     ? std::optional<mode_t>(old.st_mode & 07777)
                                                       : std::nullopt;
    if (const int error = WriteAll(fd, entry.fresh, change.bytes.constData(), change.bytes.size(), 0))
        Fail(entry.target, error);
    if (mode && ::fchmod(fd, *mode) != 0)
        Fail(entry.target, errno);
    if (const int error = SyncFile(fd, entry.fresh))
        Fail(entry.target, error);
    if (const int error = CloseWritten(open.release(), entry.fresh))
        Fail(entry.target, error);
    if (!Holds(entry.fresh, entry.expected))
        Fail(entry.target, QStringLiteral("the new file does not read back as it was written"));
}

// Whether every new file is in its place or ready, proven, to be put there.
bool CanFinish(const Journal& journal)
{
    for (const Entry& entry : journal.entries) {
        if (entry.fresh.isEmpty())
            continue;
        const bool placed = !Exists(entry.fresh) && Holds(entry.target, entry.expected);
        if (!placed && !Holds(entry.fresh, entry.expected))
            return false;
    }
    return true;
}

// The files the change replaced or removed that can no longer be put back: moved aside and lost.
// Asked only of a change that cannot be finished, so the renames never began (every new file is
// written before the first one is placed): a target that already holds its new contents was never
// moved, it held them before the change (a copy onto an identical file), and undoing leaves it so.
QStringList LostFormerFiles(const Journal& journal)
{
    QStringList lost;
    for (const Entry& entry : journal.entries)
        if (!entry.former.isEmpty() && !Exists(entry.former) && !Exists(entry.target))
            lost << entry.target;
    return lost;
}

// Puts every file of the change in place, from wherever an interrupted run left it.
void Finish(const Journal& journal)
{
    for (const Entry& entry : journal.entries) {
        if (!entry.fresh.isEmpty() && !Exists(entry.fresh))
            continue;  // placed already
        // A target is only ever moved aside, never removed: a removal that names no former file
        // found nothing there when the change began.
        if (Exists(entry.target) && !entry.former.isEmpty() && !Exists(entry.former))
            Rename(entry.target, entry.former, entry.target);
        if (!entry.fresh.isEmpty())
            Rename(entry.fresh, entry.target, entry.target);
    }
    SyncFolders(journal);
}

// Puts every former file back and removes what the change made.
void Undo(const Journal& journal)
{
    for (auto entry = journal.entries.crbegin(); entry != journal.entries.crend(); ++entry) {
        if (!entry->former.isEmpty() && Exists(entry->former))
            Rename(entry->former, entry->target, entry->target);
        else if (entry->former.isEmpty() && !entry->fresh.isEmpty() && !Exists(entry->fresh)
                 && Holds(entry->target, entry->expected))
            Remove(entry->target, entry->target);  // the change created it
        if (!entry->fresh.isEmpty() && Exists(entry->fresh))
            Remove(entry->fresh, entry->target);
    }
    SyncFolders(journal);
}

// The removal is not synced: should it be lost, the next opening finds the change already
// finished or undone and only clears up.
void RemoveJournal(const QString& journalFile)
{
    Remove(journalFile, journalFile);
}

// The change stands: the former files go, then the journal. A failure here keeps the journal so
// that the next opening clears up; the change itself is not undone for it.
void ClearUp(const Journal& journal, const QString& journalFile)
{
    try {
        for (const Entry& entry : journal.entries)
            if (!entry.former.isEmpty())
                Remove(entry.former, entry.target);
        RemoveJournal(journalFile);
    } catch (const EInOutError&) {
    }
}

enum class Recovery { Finished, Undone };

Recovery Recover(const QString& journalFile, const Journal& journal)
{
    if (CanFinish(journal)) {
        Finish(journal);
        ClearUp(journal, journalFile);
        return Recovery::Finished;
    }
    if (const QStringList lost = LostFormerFiles(journal); !lost.isEmpty())
        throw ECustomException(QStringLiteral("a new file of it is missing or damaged, and what stood before in %1 is "
                                              "gone.").arg(lost.join(QStringLiteral(", "))));
    Undo(journal);
    RemoveJournal(journalFile);
    return Recovery::Undone;
}

// The journal as it was written, read back through the lock that holds it.
QByteArray ReadJournalBack(const JournalLock& lock, const QString& journalFile)
{
    try {
        return ReadLockedJournal(lock, journalFile);
    } catch (const JournalRefusal& refusal) {
        Fail(journalFile, refusal.reason);
    }
}

} // namespace

JournalLock WriteJournalFile(const QString& journalFile, const QByteArray& text)
{
    const QString temporary = journalFile + kUnfinishedJournalSuffix;
    const auto fail = [&journalFile](const QString& action, int error) {
        throw EInOutError(QStringLiteral("Unable to %1 %2: %3").arg(action, journalFile, SystemErrorText(error)));
    };
    JournalLock lock;
    int error = CreateLockedFile(temporary, lock);
    // One left by a stop goes; one that another window writes right now is its own.
    if (error == EEXIST && RemoveUnfinishedJournal(temporary))
        error = CreateLockedFile(temporary, lock);
    if (error == EEXIST)
        throw StepRunningElsewhere(temporary);
    if (error)
        fail(QStringLiteral("create"), error);
    error = WriteAll(lock.fd(), temporary, text.constData(), text.size(), 0);
    if (!error)
        error = SyncFile(lock.fd(), temporary);
    if (!error)
        error = RenameWithoutReplacing(temporary, journalFile);
    if (error) {
        RemoveFile(temporary);
        if (error == EEXIST)
            throw StepRunningElsewhere(journalFile);
        fail(QStringLiteral("write"), error);
    }
    if (const int synced = SyncPath(FolderOf(journalFile), true)) {
        RemoveFile(journalFile);
        fail(QStringLiteral("write"), synced);
    }
    return lock;
}

void ApplyJournaledChange(const QString& journalFile, const QString& description, const QList<FileChange>& changes)
{
    Journal journal{description, {}};
    for (const FileChange& change : changes) {
        // Moving a folder aside in a file's place would hide it under a hidden name.
        if (QFileInfo(change.target).isDir())
            Fail(change.target, EISDIR);
        Entry entry;
        entry.target = change.target;
        QString fresh;
        QString former;
        HiddenNamesFor(change.target, fresh, former);
        if (!change.remove) {
            entry.fresh = fresh;
            entry.expected = FingerprintOf(change.bytes);
        }
        if (Exists(change.target))
            entry.former = former;
        journal.entries.append(entry);
    }
    const QByteArray text = JournalText(journalFile, journal);
    const JournalLock lock = WriteJournalFile(journalFile, text);
    try {
        if (ReadJournalBack(lock, journalFile) != text)
            Fail(journalFile, QStringLiteral("the journal does not read back as it was written"));
        for (qsizetype i = 0; i < changes.size(); ++i)
            if (!changes[i].remove)
                WriteFresh(journal.entries[i], changes[i]);
        SyncFolders(journal);
        Finish(journal);
    } catch (const Exception& failure) {
        try {
            Undo(journal);
            RemoveJournal(journalFile);
        } catch (const Exception& undoFailure) {
            throw EInOutError(TildeToLineBreak(
                failure.message() + QStringLiteral("~~Putting the files back failed as well:~") + undoFailure.message()
                + QStringLiteral("~The journal %1 is kept: the next opening puts them in order.").arg(journalFile)));
        }
        throw;
    }
    ClearUp(journal, journalFile);
}

void RecoverInterruptedChange(const QString& journalFile, const QStringList& otherFolders)
{
    // A journal that a stop cut short while it was being written: nothing of its change began.
    if (!RemoveUnfinishedJournal(journalFile + kUnfinishedJournalSuffix))
        throw StepRunningElsewhere(journalFile + kUnfinishedJournalSuffix);
    JournalLock lock;
    Journal journal;
    try {
        switch (LockJournal(journalFile, lock)) {
        case JournalState::Missing:
            return;
        case JournalState::RunningElsewhere:
            throw StepRunningElsewhere(journalFile);
        case JournalState::Locked:
            break;
        }
        journal = ParseJournal(journalFile, ReadLockedJournal(lock, journalFile), otherFolders);
        RequireFilesAsAChangeLeavesThem(journal);
    } catch (const JournalRefusal& refusal) {
        SetJournalAside(journalFile, refusal);
    }
    Recovery recovery;
    try {
        recovery = Recover(journalFile, journal);
    } catch (const Exception& e) {
        throw ECustomException(TildeToLineBreak(
            journal.description + QStringLiteral(" did not finish, and it could neither be completed nor undone:~")
            + e.message() + QStringLiteral("~~Its journal %1 is kept, so that the next opening tries again.").arg(journalFile)));
    }
    const QString done = recovery == Recovery::Finished
        ? QStringLiteral("It has now been completed: all of its files are in place.")
        : QStringLiteral("It has been undone: all of its files are as they were before it began, so it can simply be "
                         "done again.");
    AppMessageBox(journal.description + QStringLiteral(" did not finish: the program stopped in the middle of it.~~") + done,
                  QCoreApplication::applicationName(), MbIconInformation);
}

void RecoverInterruptedChanges(const QString& folder, const QStringList& otherFolders)
{
    const QDir dir(folder);
    QStringList journals;
    for (QString name : dir.entryList({QLatin1Char('*') + kChangeJournalSuffix,
                                       QLatin1Char('*') + kChangeJournalSuffix + kUnfinishedJournalSuffix},
                                      QDir::Files | QDir::Hidden | QDir::System, QDir::Name)) {
        if (name.endsWith(kUnfinishedJournalSuffix))
            name.chop(kUnfinishedJournalSuffix.size());
        if (!journals.contains(name))
            journals << name;
    }
    std::optional<ECustomException> first;
    for (const QString& journal : journals) {
        try {
            RecoverInterruptedChange(dir.filePath(journal), otherFolders);
        } catch (const ECustomException& e) {
            if (!first)
                first = e;
        }
    }
    if (first)
        throw *first;
}
