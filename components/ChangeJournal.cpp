#include "components/ChangeJournal.h"

#include "components/StagedCopy.h"
#include "components/TextRoutines.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/FileOperations.h"
#include "platform/FileReading.h"

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

const QByteArray kHeader = QByteArrayLiteral("Ledgora change journal 1");
const QString kUnfinishedJournalSuffix = QStringLiteral(".new");
constexpr mode_t kReadOnlyMode = 0444;
// A journal names a handful of files; anything larger was not written by us.
constexpr qint64 kMaxJournalBytes = 1 << 20;

// One file of the change as the journal records it.
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

QByteArray JournalText(const Journal& journal)
{
    QByteArray text = kHeader + '\n';
    text += "Change=" + Encoded(journal.description) + '\n';
    for (const Entry& entry : journal.entries) {
        text += "Target=" + Encoded(entry.target) + '\n';
        text += "New=" + Encoded(entry.fresh) + '\n';
        text += "Former=" + Encoded(entry.former) + '\n';
        text += "Size=" + QByteArray::number(entry.expected.size) + '\n';
        text += "Crc32=" + QByteArray::number(entry.expected.crc32) + '\n';
    }
    return text;
}

Journal ParseJournal(const QString& journalFile, const QByteArray& bytes)
{
    const auto unreadable = [&journalFile]() {
        return ECustomException(QStringLiteral("The journal %1 cannot be read.").arg(journalFile));
    };
    QList<QByteArray> lines = bytes.split('\n');
    if (lines.size() < 2 || lines.takeFirst() != kHeader || !lines.takeLast().isEmpty())
        throw unreadable();
    qsizetype at = 0;
    const auto value = [&](const char* key) {
        const QByteArray prefix = QByteArray(key) + '=';
        if (at >= lines.size() || !lines[at].startsWith(prefix))
            throw unreadable();
        return lines[at++].mid(prefix.size());
    };
    const auto text = [&](const char* key) { return QString::fromUtf8(QByteArray::fromPercentEncoding(value(key))); };
    Journal journal;
    journal.description = text("Change");
    while (at < lines.size()) {
        Entry entry;
        bool sizeRead = false;
        bool crcRead = false;
        entry.target = text("Target");
        entry.fresh = text("New");
        entry.former = text("Former");
        entry.expected.size = value("Size").toLongLong(&sizeRead);
        entry.expected.crc32 = value("Crc32").toUInt(&crcRead);
        if (entry.target.isEmpty() || !sizeRead || !crcRead)
            throw unreadable();
        journal.entries.append(entry);
    }
    if (journal.entries.isEmpty())
        throw unreadable();
    return journal;
}

QStringList FoldersOf(const Journal& journal)
{
    QStringList folders;
    for (const Entry& entry : journal.entries) {
        const QString folder = QFileInfo(entry.target).absolutePath();
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

// The files the change replaced or removed that can no longer be put back: moved aside and lost,
// or already replaced by a new file while the former one is lost.
QStringList LostFormerFiles(const Journal& journal)
{
    QStringList lost;
    for (const Entry& entry : journal.entries) {
        if (entry.former.isEmpty() || Exists(entry.former))
            continue;
        const bool placed = !entry.fresh.isEmpty() && !Exists(entry.fresh) && Holds(entry.target, entry.expected);
        if (!Exists(entry.target) || placed)
            lost << entry.target;
    }
    return lost;
}

// Puts every file of the change in place, from wherever an interrupted run left it.
void Finish(const Journal& journal)
{
    for (const Entry& entry : journal.entries) {
        if (!entry.fresh.isEmpty() && !Exists(entry.fresh))
            continue;  // placed already
        if (Exists(entry.target)) {
            if (!entry.former.isEmpty() && !Exists(entry.former))
                Rename(entry.target, entry.former, entry.target);
            else if (entry.fresh.isEmpty())
                Remove(entry.target, entry.target);
        }
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

Recovery Recover(const QString& journalFile)
{
    const Journal journal = ParseJournal(journalFile, ReadRegularFile(journalFile, kMaxJournalBytes));
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

QString DescriptionIn(const QString& journalFile)
{
    try {
        return ParseJournal(journalFile, ReadRegularFile(journalFile, kMaxJournalBytes)).description;
    } catch (const Exception&) {
        return QStringLiteral("A change of several files");
    }
}

} // namespace

void WriteJournalFile(const QString& journalFile, const QByteArray& text)
{
    const QString temporary = journalFile + kUnfinishedJournalSuffix;
    const auto fail = [&journalFile](const QString& action, int error) {
        throw EInOutError(QStringLiteral("Unable to %1 %2: %3").arg(action, journalFile, SystemErrorText(error)));
    };
    int fd = -1;
    if (const int error = OpenForWriting(temporary, O_WRONLY | O_CREAT | O_TRUNC, 0666, fd))
        fail(QStringLiteral("create"), error);
    int error = WriteAll(fd, temporary, text.constData(), text.size(), 0);
    if (!error)
        error = SyncFile(fd, temporary);
    const int closed = CloseWritten(fd, temporary);
    if (!error)
        error = closed;
    if (!error)
        error = RenameFile(temporary, journalFile);
    if (error) {
        RemoveFile(temporary);
        fail(QStringLiteral("write"), error);
    }
    if (const int synced = SyncPath(QFileInfo(journalFile).absolutePath(), true)) {
        RemoveFile(journalFile);
        fail(QStringLiteral("write"), synced);
    }
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
    const QByteArray text = JournalText(journal);
    WriteJournalFile(journalFile, text);
    try {
        if (ReadRegularFile(journalFile, kMaxJournalBytes) != text)
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

void RecoverInterruptedChange(const QString& journalFile)
{
    // A journal that a stop cut short while it was being written: nothing of its change began.
    // Should it not go now, it is tried again at the next opening.
    RemoveFile(journalFile + kUnfinishedJournalSuffix);
    if (!QFileInfo::exists(journalFile))
        return;
    const QString description = DescriptionIn(journalFile);
    Recovery recovery;
    try {
        recovery = Recover(journalFile);
    } catch (const Exception& e) {
        throw ECustomException(TildeToLineBreak(
            description + QStringLiteral(" did not finish, and it could neither be completed nor undone:~") + e.message()
            + QStringLiteral("~~Its journal %1 is kept, so that the next opening tries again.").arg(journalFile)));
    }
    const QString done = recovery == Recovery::Finished
        ? QStringLiteral("It has now been completed: all of its files are in place.")
        : QStringLiteral("It has been undone: all of its files are as they were before it began, so it can simply be "
                         "done again.");
    AppMessageBox(description + QStringLiteral(" did not finish: the program stopped in the middle of it.~~") + done,
                  QCoreApplication::applicationName(), MbIconInformation);
}

void RecoverInterruptedChanges(const QString& folder)
{
    const QDir dir(folder);
    QStringList journals;
    for (QString name : dir.entryList({QLatin1Char('*') + kChangeJournalSuffix,
                                       QLatin1Char('*') + kChangeJournalSuffix + kUnfinishedJournalSuffix},
                                      QDir::Files | QDir::Hidden, QDir::Name)) {
        if (name.endsWith(kUnfinishedJournalSuffix))
            name.chop(kUnfinishedJournalSuffix.size());
        if (!journals.contains(name))
            journals << name;
    }
    std::optional<ECustomException> first;
    for (const QString& journal : journals) {
        try {
            RecoverInterruptedChange(dir.filePath(journal));
        } catch (const ECustomException& e) {
            if (!first)
                first = e;
        }
    }
    if (first)
        throw *first;
}
