#include "client/PostingJournal.h"

#include "client/CompanyRecord.h"
#include "client/EmployeeRecord.h"
#include "client/FileNames.h"
#include "client/PayRecords.h"
#include "components/ChangeJournal.h"
#include "components/FileSharing.h"
#include "components/JournalGuard.h"
#include "components/TextRoutines.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/FileFingerprint.h"
#include "platform/FileOperations.h"
#include "platform/FileReading.h"
#include "platform/FileReplacement.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>

#include <cerrno>
#include <cstring>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kJournalHeader = QByteArrayLiteral("Ledgora posting journal 2");
// No copy of a client file, nor a direct-deposit file, is larger.
constexpr qint64 kMaxCopyBytes = static_cast<qint64>(sizeof(EmployeeRecord)) * kMaxEmployees;

// What the journal records of one copy: the whole path here, a plain name in the journal.
struct FileCopy {
    QString path;
    qint64 size = -1;
    QByteArray crc32 = "00000000";  // hexadecimal
};

struct Deposit {
    FileCopy former;   // path empty: there was no file
    FileCopy written;  // size -1: posting leaves no file
};

struct Journal {
    QString payDate;
    FileCopy company;
    FileCopy employee;
    std::optional<Deposit> deposit;
};

bool operator==(const FileCopy& a, const FileCopy& b)
{
    return a.path == b.path && a.size == b.size && a.crc32 == b.crc32;
}

bool operator==(const Deposit& a, const Deposit& b)
{
    return a.former == b.former && a.written == b.written;
}

bool operator==(const Journal& a, const Journal& b)
{
    return a.payDate == b.payDate && a.company == b.company && a.employee == b.employee && a.deposit == b.deposit;
}

// The locks of the postings this program runs, from their journal's beginning to their end.
std::map<QString, JournalLock>& HeldJournals()
{
    static std::map<QString, JournalLock> held;
    return held;
}

QString SystemText(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

[[noreturn]] void Fail(const QString& action, const QString& fileName, const QString& reason)
{
    throw EInOutError(QStringLiteral("Unable to %1 %2: %3").arg(action, fileName, reason));
}

// A copy is checked for accidental change or replacement, not against forgery: its size and CRC-32
// do that at a fraction of the cost of a cryptographic digest.
QByteArray Hex(quint32 crc)
{
    return QByteArray::number(static_cast<qulonglong>(crc), 16).rightJustified(8, '0');
}

FileCopy Recorded(const QString& path, const FileFingerprint& fingerprint)
{
    return {path, fingerprint.size, Hex(fingerprint.crc32)};
}

// Flushes a file, or with folder set a folder's entries, to the disk.
void SyncToDisk(const QString& path, bool folder)
{
    if (const int error = SyncPath(path, folder))
        Fail(QStringLiteral("flush"), path, SystemText(error));
}

QString FolderOf(const QString& path)
{
    return QFileInfo(path).absolutePath();
}

QString CompanyFileOf(const QString& employeeFileName)
{
    return ChangeFileExt(employeeFileName, QStringLiteral(".C26"));
}

QString DepositFileOf(const QString& employeeFileName)
{
    return ChangeFileExt(employeeFileName, QStringLiteral(".txt"));
}

QString NameOf(const QString& path)
{
    return path.isEmpty() ? QString() : QFileInfo(path).fileName();
}

QByteArray JournalText(const Journal& journal)
{
    QByteArray text = kJournalHeader + '\n';
    text += "PayDate=" + journal.payDate.toUtf8() + '\n';
    const auto describe = [&text](const char* name, const FileCopy& copy) {
        text += QByteArray(name) + "Copy=" + NameOf(copy.path).toUtf8() + '\n';
        text += QByteArray(name) + "Size=" + QByteArray::number(copy.size) + '\n';
        text += QByteArray(name) + "Crc32=" + copy.crc32 + '\n';
    };
    describe("Company", journal.company);
    describe("Employee", journal.employee);
    if (journal.deposit) {
        describe("Deposit", journal.deposit->former);
        describe("NewDeposit", journal.deposit->written);
    }
    return text;
}

Journal ParseJournal(const QString& employeeFileName, const QByteArray& bytes)
{
    const QList<QByteArray> lines = bytes.split('\n');
    const JournalRefusal unreadable{QStringLiteral("it is not a posting journal of this program as it stands")};
    if (lines.isEmpty() || lines.first() != kJournalHeader)
        throw unreadable;
    QMap<QByteArray, QByteArray> values;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype equals = lines[i].indexOf('=');
        if (equals > 0)
            values.insert(lines[i].left(equals), lines[i].mid(equals + 1));
    }
    // Each copy has the name of the file it was made from, in the Backup folder.
    const auto copy = [&](const char* name, const QString& from, bool maybeNone) {
        FileCopy result;
        bool sizeRead = false;
        const QString copied = QString::fromUtf8(values.value(QByteArray(name) + "Copy"));
        result.size = values.value(QByteArray(name) + "Size").toLongLong(&sizeRead);
        result.crc32 = values.value(QByteArray(name) + "Crc32");
        if (!sizeRead || result.crc32.size() != 8 || result.size < -1 || result.size > kMaxCopyBytes)
            throw unreadable;
        if (copied.isEmpty() && maybeNone)
            return result;
        result.path = JournalNamedFile(BackupDir, copied, {ExtractFileName(from)});
        if (copied != ExtractFileName(from) || result.size < 0)
            throw JournalRefusal{QStringLiteral("it names the copy \"%1\" for %2").arg(copied, ExtractFileName(from))};
        RegularFileAt(result.path);
        return result;
    };
    Journal journal{QString::fromUtf8(values.value("PayDate")), copy("Company", CompanyFileOf(employeeFileName), false),
                    copy("Employee", employeeFileName, false), std::nullopt};
    if (values.contains("NewDepositSize")) {
        Deposit deposit{copy("Deposit", DepositFileOf(employeeFileName), true), {}};
        bool sizeRead = false;
        deposit.written.size = values.value("NewDepositSize").toLongLong(&sizeRead);
        deposit.written.crc32 = values.value("NewDepositCrc32");
        if (!sizeRead || deposit.written.size < -1 || deposit.written.size > kMaxCopyBytes)
            throw unreadable;
        journal.deposit = deposit;
    }
    for (const QString& file : {CompanyFileOf(employeeFileName), employeeFileName, DepositFileOf(employeeFileName)})
        RegularFileAt(file);
    return journal;
}

// The bytes of a copy, when it is still the copy the journal recorded.
QByteArray VerifiedCopy(const FileCopy& copy)
{
    if (!QFileInfo(copy.path).isFile())
        throw ECustomException(QStringLiteral("The copy %1, made when that posting began, is missing.").arg(copy.path));
    QByteArray bytes;
    try {
        bytes = ReadRegularFile(copy.path, copy.size);
    } catch (const EInOutError&) {
        bytes.clear();
    }
    if (bytes.size() != copy.size || Hex(FingerprintOf(bytes).crc32) != copy.crc32)
        throw ECustomException(QStringLiteral("The copy %1, made when that posting began, has changed since.").arg(copy.path));
    return bytes;
}

void WriteWholeFile(SharedFile& file, const QString& path, const QByteArray& bytes)
{
    if (const int error = WriteAll(file.handle(), path, bytes.constData(), bytes.size(), 0))
        Fail(QStringLiteral("write"), path, SystemText(error));
    if (::ftruncate(file.handle(), bytes.size()) != 0)
        Fail(QStringLiteral("shorten"), path, SystemText(errno));
    if (const int error = SyncFile(file.handle(), path))
        Fail(QStringLiteral("flush"), path, SystemText(error));
}

void RemoveJournal(const QString& journalFile)
{
    if (const int error = RemoveFile(journalFile))
        Fail(QStringLiteral("delete"), journalFile, SystemText(error));
}

// The direct-deposit file as it was before the posting: the former one back, or the one the
// posting wrote removed. A file there that is neither is someone else's and stays.
void RestoreDeposit(const QString& employeeFileName, const Deposit& deposit, const QByteArray& former)
{
    const QString path = DepositFileOf(employeeFileName);
    const bool there = RegularFileAt(path);
    const std::optional<FileFingerprint> current = there ? std::optional(FingerprintOfFile(path)) : std::nullopt;
    if (!deposit.former.path.isEmpty()) {
        if (current != FingerprintOf(former))
            if (const QString error = ReplaceWholeFile(path, former); !error.isEmpty())
                Fail(QStringLiteral("write"), path, error);
        return;
    }
    if (current && current->size == deposit.written.size && Hex(current->crc32) == deposit.written.crc32)
        if (const int error = RemoveFile(path))
            Fail(QStringLiteral("delete"), path, SystemText(error));
}

JournalRestore Restore(const QString& employeeFileName, const Journal& journal)
{
    struct Target {
        QString path;
        QByteArray bytes;
        SharedFile file;
    };
    Target targets[] = {
        {CompanyFileOf(employeeFileName), VerifiedCopy(journal.company), {}},
        {employeeFileName, VerifiedCopy(journal.employee), {}},
    };
    const bool depositCopied = journal.deposit && !journal.deposit->former.path.isEmpty();
    const QByteArray formerDeposit = depositCopied ? VerifiedCopy(journal.deposit->former) : QByteArray();
    // Both files are taken before either is written, so a client in another opener's hands is
    // left exactly as it is.
    for (Target& target : targets) {
        const bool missing = !QFileInfo::exists(target.path);
        if (!target.file.open(target.path, SharedFile::Access::ReadWrite, {false, true}, missing)) {
            if (target.file.error() == EBUSY)
                return JournalRestore::InUse;
            Fail(QStringLiteral("open"), target.path, SystemText(target.file.error()));
        }
    }
    for (Target& target : targets) {
        WriteWholeFile(target.file, target.path, target.bytes);
        if (!target.file.close())
            Fail(QStringLiteral("close"), target.path, SystemText(target.file.error()));
    }
    if (journal.deposit)
        RestoreDeposit(employeeFileName, *journal.deposit, formerDeposit);
    SyncToDisk(FolderOf(employeeFileName), true);

    const QString journalFile = PostingJournalFileName(employeeFileName);
    RemoveJournal(journalFile);
    SyncToDisk(FolderOf(journalFile), true);
    return JournalRestore::Restored;
}

// The lock of the journal: this program's own while its posting runs, else taken from the disk.
// A journal that breaks a rule is set aside (ECustomException).
JournalLock TakeJournal(const QString& journalFile)
{
    if (const auto held = HeldJournals().find(journalFile); held != HeldJournals().end()) {
        JournalLock lock = std::move(held->second);
        HeldJournals().erase(held);
        return lock;
    }
    JournalLock lock;
    try {
        switch (LockJournal(journalFile, lock)) {
        case JournalState::Missing:
            throw ECustomException(QStringLiteral("The posting journal %1 is missing.").arg(journalFile));
        case JournalState::RunningElsewhere:
            throw StepRunningElsewhere(journalFile);
        case JournalState::Locked:
            break;
        }
    } catch (const JournalRefusal& refusal) {
        SetJournalAside(journalFile, refusal);
    }
    return lock;
}

Journal ReadJournal(const JournalLock& lock, const QString& employeeFileName)
{
    const QString journalFile = PostingJournalFileName(employeeFileName);
    try {
        return ParseJournal(employeeFileName, ReadLockedJournal(lock, journalFile));
    } catch (const JournalRefusal& refusal) {
        SetJournalAside(journalFile, refusal);
    }
}

QString AppTitle()
{
    return QCoreApplication::applicationName();
}

} // namespace

QString PostingJournalFileName(const QString& employeeFileName)
{
    return ChangeFileExt(employeeFileName, QStringLiteral(".Posting"));
}

void BeginPostingJournal(const QString& employeeFileName, const QString& payDate, const PostingCopy& company,
                         const PostingCopy& employee, const std::optional<PostingDeposit>& deposit)
{
    const auto proven = [](const PostingCopy& copy) {
        if (QDir::cleanPath(FolderOf(copy.path)) != QDir::cleanPath(QFileInfo(BackupDir).absoluteFilePath())
            || FingerprintOfFile(copy.path) != copy.source)
            throw ECustomException(
                QStringLiteral("The copy %1 does not match the client file it was made from.").arg(copy.path));
        return Recorded(copy.path, copy.source);
    };
    Journal journal{payDate, proven(company), proven(employee), std::nullopt};
    if (deposit)
        journal.deposit = Deposit{deposit->former.path.isEmpty() ? FileCopy{} : proven(deposit->former),
                                  deposit->written ? Recorded({}, *deposit->written) : FileCopy{}};
    const QString journalFile = PostingJournalFileName(employeeFileName);
    JournalLock lock = WriteJournalFile(journalFile, JournalText(journal));
    try {
        if (!(ParseJournal(employeeFileName, ReadLockedJournal(lock, journalFile)) == journal))
            throw JournalRefusal{};
    } catch (...) {
        // A journal left behind would undo, at the next opening, whatever the user does after
        // this refused posting.
        RemoveFile(journalFile);
        throw ECustomException(QStringLiteral("The posting journal %1 cannot be read.").arg(journalFile));
    }
    HeldJournals()[journalFile] = std::move(lock);
}

void EndPostingJournal(const QString& employeeFileName)
{
    SyncToDisk(CompanyFileOf(employeeFileName), false);
    SyncToDisk(employeeFileName, false);
    const QString journalFile = PostingJournalFileName(employeeFileName);
    RemoveJournal(journalFile);
    HeldJournals().erase(journalFile);
    try {
        SyncToDisk(FolderOf(journalFile), true);
    } catch (const EInOutError&) {
        // The posting stands. Should the removal be lost all the same, the next opening puts the
        // client back to before this posting: the period is then posted again, never twice.
    }
}

JournalRestore RestoreFromPostingJournal(const QString& employeeFileName)
{
    const JournalLock lock = TakeJournal(PostingJournalFileName(employeeFileName));
    return Restore(employeeFileName, ReadJournal(lock, employeeFileName));
}

void RecoverInterruptedPosting(const QString& employeeFileName)
{
    const QString journalFile = PostingJournalFileName(employeeFileName);
    // A journal cut short while it was written: that posting never began.
    if (!RemoveUnfinishedJournal(journalFile + kUnfinishedJournalSuffix))
        throw StepRunningElsewhere(journalFile + kUnfinishedJournalSuffix);
    struct stat info {};
    if (::lstat(QFile::encodeName(journalFile).constData(), &info) != 0)
        return;
    const JournalLock lock = TakeJournal(journalFile);
    const Journal journal = ReadJournal(lock, employeeFileName);
    const QString client = ExtractFileName(employeeFileName);
    try {
        if (Restore(employeeFileName, journal) == JournalRestore::InUse)
            return;
    } catch (const Exception& e) {
        const QString posting = journal.payDate.isEmpty()
                                    ? QStringLiteral("The last posting of %1").arg(client)
                                    : QStringLiteral("The last posting of %1 (pay date %2)").arg(client, journal.payDate);
        throw ECustomException(TildeToLineBreak(
            posting + QStringLiteral(" did not finish, and the client could not be put back as it was before that "
                                     "posting:~") + e.message()
            + QStringLiteral("~~The client was not opened, because it may be partly posted. Put back its two files from "
                             "a backup of your own, then delete %1 to open it again.").arg(journalFile)));
    }
    AppMessageBox(QStringLiteral("The last posting of %1 (pay date %2) did not finish.~~Both client files have been put "
                                 "back as they were before that posting began, from the copies in %3. Nothing of that "
                                 "posting was kept: the pay period is open again and still has to be posted.")
                      .arg(client, journal.payDate, FolderOf(journal.employee.path)),
                  AppTitle(), MbIconInformation);
}
