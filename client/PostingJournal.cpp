#include "client/PostingJournal.h"

#include "client/FileNames.h"
#include "components/ChangeJournal.h"
#include "components/FileSharing.h"
#include "components/TextRoutines.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/FileFingerprint.h"
#include "platform/FileOperations.h"
#include "platform/FileReading.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMap>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

const QByteArray kJournalHeader = QByteArrayLiteral("Ledgora posting journal 1");

// What the journal records of one copy.
struct FileCopy {
    QString path;
    qint64 size = -1;
    QByteArray crc32;  // hexadecimal
};

struct Journal {
    QString payDate;
    FileCopy company;
    FileCopy employee;
};

bool operator==(const FileCopy& a, const FileCopy& b)
{
    return a.path == b.path && a.size == b.size && a.crc32 == b.crc32;
}

bool operator==(const Journal& a, const Journal& b)
{
    return a.payDate == b.payDate && a.company == b.company && a.employee == b.employee;
}

QString SystemText(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

[[noreturn]] void Fail(const QString& action, const QString& fileName, const QString& reason)
{
    throw EInOutError(QStringLiteral("Unable to %1 %2: %3").arg(action, fileName, reason));
}

QByteArray ReadWholeFile(const QString& path)
{
    RequireRegularFile(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("read"), path, file.errorString());
    const qint64 size = file.size();
    QByteArray bytes(size, Qt::Uninitialized);
    qint64 done = 0;
    while (done < size) {
        const qint64 got = file.read(bytes.data() + done, size - done);
        if (got < 0)
            Fail(QStringLiteral("read"), path, file.errorString());
        if (got == 0)
            Fail(QStringLiteral("read"), path, QStringLiteral("the file ended early"));
        done += got;
    }
    return bytes;
}

// A copy is checked for accidental change or replacement, not against forgery: its size and CRC-32
// do that at a fraction of the cost of a cryptographic digest.
QByteArray Hex(quint32 crc)
{
    return QByteArray::number(static_cast<qulonglong>(crc), 16).rightJustified(8, '0');
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

QByteArray JournalText(const Journal& journal)
{
    QByteArray text = kJournalHeader + '\n';
    text += "PayDate=" + journal.payDate.toUtf8() + '\n';
    const auto describe = [&text](const char* name, const FileCopy& copy) {
        text += QByteArray(name) + "Copy=" + copy.path.toUtf8() + '\n';
        text += QByteArray(name) + "Size=" + QByteArray::number(copy.size) + '\n';
        text += QByteArray(name) + "Crc32=" + copy.crc32 + '\n';
    };
    describe("Company", journal.company);
    describe("Employee", journal.employee);
    return text;
}

Journal ReadJournal(const QString& journalFile)
{
    const QList<QByteArray> lines = ReadWholeFile(journalFile).split('\n');
    const auto unreadable = [&journalFile]() {
        return ECustomException(QStringLiteral("The posting journal %1 cannot be read.").arg(journalFile));
    };
    if (lines.isEmpty() || lines.first() != kJournalHeader)
        throw unreadable();
    QMap<QByteArray, QByteArray> values;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype equals = lines[i].indexOf('=');
        if (equals > 0)
            values.insert(lines[i].left(equals), lines[i].mid(equals + 1));
    }
    const auto copy = [&](const char* name) {
        FileCopy result;
        bool sizeRead = false;
        result.path = QString::fromUtf8(values.value(QByteArray(name) + "Copy"));
        result.size = values.value(QByteArray(name) + "Size").toLongLong(&sizeRead);
        result.crc32 = values.value(QByteArray(name) + "Crc32");
        if (result.path.isEmpty() || !sizeRead || result.crc32.size() != 8)
            throw unreadable();
        return result;
    };
    return {QString::fromUtf8(values.value("PayDate")), copy("Company"), copy("Employee")};
}

// The bytes of a copy, when it is still the copy the journal recorded.
QByteArray VerifiedCopy(const FileCopy& copy)
{
    if (!QFileInfo(copy.path).isFile())
        throw ECustomException(QStringLiteral("The copy %1, made when that posting began, is missing.").arg(copy.path));
    const QByteArray bytes = ReadWholeFile(copy.path);
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

JournalRestore Restore(const QString& employeeFileName, const Journal& journal)
{
    struct Target {
        QString path;
        QByteArray bytes;
        SharedFile file;
    };
    Target targets[] = {
        {ChangeFileExt(employeeFileName, QStringLiteral(".C26")), VerifiedCopy(journal.company), {}},
        {employeeFileName, VerifiedCopy(journal.employee), {}},
    };
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
    SyncToDisk(FolderOf(employeeFileName), true);

    const QString journalFile = PostingJournalFileName(employeeFileName);
    RemoveJournal(journalFile);
    SyncToDisk(FolderOf(journalFile), true);
    return JournalRestore::Restored;
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
                         const PostingCopy& employee)
{
    const auto proven = [](const PostingCopy& copy) {
        if (FingerprintOfFile(copy.path) != copy.source)
            throw ECustomException(
                QStringLiteral("The copy %1 does not match the client file it was made from.").arg(copy.path));
        return FileCopy{copy.path, copy.source.size, Hex(copy.source.crc32)};
    };
    const Journal journal{payDate, proven(company), proven(employee)};
    const QString journalFile = PostingJournalFileName(employeeFileName);
    WriteJournalFile(journalFile, JournalText(journal));
    try {
        if (!(ReadJournal(journalFile) == journal))
            throw ECustomException(QStringLiteral("The posting journal %1 does not read back as written.").arg(journalFile));
    } catch (...) {
        // A journal left behind would undo, at the next opening, whatever the user does after
        // this refused posting.
        RemoveFile(journalFile);
        throw;
    }
}

void EndPostingJournal(const QString& employeeFileName)
{
    SyncToDisk(ChangeFileExt(employeeFileName, QStringLiteral(".C26")), false);
    SyncToDisk(employeeFileName, false);
    const QString journalFile = PostingJournalFileName(employeeFileName);
    RemoveJournal(journalFile);
    try {
        SyncToDisk(FolderOf(journalFile), true);
    } catch (const EInOutError&) {
        // The posting stands. Should the removal be lost all the same, the next opening puts the
        // client back to before this posting: the period is then posted again, never twice.
    }
}

JournalRestore RestoreFromPostingJournal(const QString& employeeFileName)
{
    return Restore(employeeFileName, ReadJournal(PostingJournalFileName(employeeFileName)));
}

void RecoverInterruptedPosting(const QString& employeeFileName)
{
    const QString journalFile = PostingJournalFileName(employeeFileName);
    if (!QFileInfo::exists(journalFile))
        return;
    const QString client = ExtractFileName(employeeFileName);
    Journal journal;
    try {
        journal = ReadJournal(journalFile);
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
