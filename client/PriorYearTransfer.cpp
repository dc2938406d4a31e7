#include "client/PriorYearTransfer.h"

#include "client/EFW2SubmitterRecord.h"
#include "client/PreparerRecord.h"
#include "client/PriorYearConversion.h"
#include "client/PriorYearRecords.h"
#include "client/ProgramWideFiles.h"
#include "client/RecordFileAccess.h"
#include "components/ChangeJournal.h"
#include "components/FileRoutines.h"
#include "components/FileSharing.h"
#include "components/PrinterSetup.h"
#include "components/RememberedList.h"
#include "components/TextRoutines.h"
#include "components/Validators.h"
#include "platform/Exceptions.h"
#include "platform/FileOperations.h"
#include "platform/FileReading.h"
#include "platform/Folders.h"
#include "platform/Registry.h"
#include "platform/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

const QString kTemplateClient = QStringLiteral("Template Payroll.C25");
const QString kShortRecord = QStringLiteral("Read beyond end of file");
const QString kCorrectLastYear = QStringLiteral("; correct it in last year's program and transfer again.");

// A failure of one client; the message is completed with the client's name.
struct ClientFailure {
    QString reason;
};

[[noreturn]] void Fail(const QString& path, const QString& reason)
{
    throw ClientFailure{QStringLiteral("%1: %2").arg(path, reason)};
}

// Last year's file whole; one larger than its format allows is refused as damaged before a
// byte of it is read.
QByteArray ReadWholeFile(const QString& path, qint64 maxSize)
{
    if (!QFileInfo::exists(path))
        Fail(path, SystemErrorText(ENOENT));
    try {
        return ReadRegularFile(path, maxSize);
    } catch (const EInOutError& e) {
        throw ClientFailure{e.message()};
    }
}

void ReadPriorCompany()
{
    const QByteArray bytes = ReadWholeFile(PriorYearCompanyFile, kPriorCompanyRecordSize);
    if (bytes.size() < kPriorCompanyRecordSize)
        Fail(PriorYearCompanyFile, kShortRecord);
    std::memcpy(&PriorYearCompanyRec, bytes.constData(), sizeof PriorYearCompanyRec);
}

void AddEntry(QStringList& list, const QString& text)
{
    const bool held = std::any_of(list.cbegin(), list.cend(),
        [&](const QString& entry) { return entry.compare(text, Qt::CaseInsensitive) == 0; });
    if (!held)
        list << text;
}

// A client file of this year that another copy of the program holds open is left alone: renaming
// a new file over it would make that copy's later writes vanish.
void CheckNotHeldOpen(const QString& path)
{
    if (!QFileInfo::exists(path))
        return;
    SharedFile probe;
    if (!probe.open(path, SharedFile::Access::ReadWrite, SharedFile::Sharing{false, true}, false))
        Fail(path, SystemErrorText(probe.error()));
}

// The converted client, ready to be written.
struct ConvertedClient {
    QByteArray company;
    QByteArray employees;
    QStringList departments;
    QStringList positions;
    int employeeCount = 0;
};

// Last year's records hold no display name yet: it is made when a record is saved.
QString EmployeeName(const EmployeeRecord& record)
{
    return record.FirstName.get().trimmed() + QChar(' ') + record.LastName.get().trimmed();
}

ConvertedClient ConvertPriorClient()
{
    ConvertedClient client;
    ReadPriorCompany();
    if (const QString problem = OutOfRangeField(PriorYearCompanyRec); !problem.isEmpty())
        Fail(PriorYearCompanyFile, problem + kCorrectLastYear);
    client.company = RecordImage(ConvertCompanyRecord(PriorYearCompanyRec));

    const QByteArray bytes = ReadWholeFile(PriorYearEmployeeFile, kMaxEmployees * kPriorEmployeeRecordSize);
    if (bytes.size() % kPriorEmployeeRecordSize != 0)
        Fail(PriorYearEmployeeFile, kShortRecord);
    const qsizetype count = bytes.size() / kPriorEmployeeRecordSize;
    for (qsizetype i = 0; i < count; ++i) {
        std::memcpy(&PriorYearEmployeeRec, bytes.constData() + i * kPriorEmployeeRecordSize, sizeof PriorYearEmployeeRec);
        if (!IsValidEmployee(PriorYearEmployeeRec))
            continue;
        if (const QString problem = OutOfRangeField(PriorYearEmployeeRec); !problem.isEmpty())
            Fail(PriorYearEmployeeFile, QStringLiteral("employee %1 (record %2): %3")
                                            .arg(EmployeeName(ThisYearLayoutOf(PriorYearEmployeeRec)))
                                            .arg(i + 1)
                                            .arg(problem + kCorrectLastYear));
        const EmployeeRecord converted = ConvertEmployeeRecord(PriorYearEmployeeRec, ++client.employeeCount);
        AddEntry(client.departments, converted.Department);
        AddEntry(client.positions, converted.Position);
        client.employees += RecordImage(converted);
    }
    SortEntries(client.departments);
    SortEntries(client.positions);
    return client;
}

// The list files as the employee screen writes them: one entry a line.
QByteArray EntryListBytes(const QStringList& entries)
{
    return ToWindows1252(entries.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

QString TransferJournalFile(const QString& dataDir, const QString& name)
{
    return dataDir + name + kChangeJournalSuffix;
}

// Puts the four files in place as one step through the journal, so that a stop at any moment
// leaves this year's client all as it was or all transferred.
void PlaceClient(const ConvertedClient& client, const QString& dataDir, const QString& name)
{
    const QStringList targets = {dataDir + name + QStringLiteral(".C26"), dataDir + name + QStringLiteral(".P26"),
                                 dataDir + name + QStringLiteral(".Dep"), dataDir + name + QStringLiteral(".Pos")};
    for (const QString& target : targets)
        CheckNotHeldOpen(target);
    if (!QDir().mkpath(dataDir))
        Fail(dataDir, SystemErrorText(EACCES));
    try {
        ApplyJournaledChange(TransferJournalFile(dataDir, name),
                             QStringLiteral("The transfer of the client %1 from 2025").arg(name),
                             {{targets[0], client.company}, {targets[1], client.employees},
                              {targets[2], EntryListBytes(client.departments)},
                              {targets[3], EntryListBytes(client.positions)}});
    } catch (const EInOutError& e) {
        throw ClientFailure{e.message()};
    }
}

QString TransferFailureMessage(const QString& reason)
{
    QString text = reason;
    while (text.endsWith(QChar('.')))
        text.chop(1);
    return QStringLiteral("The following error occurred during the transfer of file~") + PriorYearClientName
           + QStringLiteral(":~") + text + QStringLiteral(".");
}

QString AbsoluteKey(const QString& root, const QString& key)
{
    return QStringLiteral("\\") + root + key;
}

// Reads a string value of a key; empty when the key or the value is missing.
QString ReadKeyString(Registry& registry, const QString& key, const QString& name)
{
    if (!registry.OpenKeyReadOnly(key))
        return {};
    QString value;
    CloseKeyAfter(registry, [&] {
        if (registry.ValueExists(name))
            value = registry.ReadString(name);
    });
    return value;
}

void TransferBackupPath(Registry& prior, Registry& current, const QString& priorRoot, const QString& root)
{
    const QString key = AbsoluteKey(root, QStringLiteral("Backup"));
    if (current.KeyExists(key))
        return;
    const QString path = ReadKeyString(prior, AbsoluteKey(priorRoot, QStringLiteral("Backup")), QStringLiteral("Path"));
    if (IsBlank(path))
        return;
    if (!current.OpenKey(key, true))
        throw ERegistryException(QStringLiteral("Unable to create the registry key %1.").arg(root + QStringLiteral("Backup")));
    CloseKeyAfter(current, [&] { current.WriteString(QStringLiteral("Path"), path); });
}

void TransferPreparer(Registry& prior, Registry& current, const QString& priorRoot, const QString& root)
{
    if (current.KeyExists(AbsoluteKey(root, QStringLiteral("Preparer"))))
        return;
    PreparerRecord preparer;
    std::memset(&preparer, 0, sizeof preparer);
    LoadPreparer(prior, priorRoot, preparer);
    if (!IsValidPTIN(preparer.PTIN))
        preparer.PTIN = QString();
    if (!IsBlank(preparer.PrepName))
        SavePreparer(current, root, preparer);
}

void TransferPrinter(Registry& prior, Registry& current, const QString& priorRoot, const QString& root)
{
    if (current.KeyExists(AbsoluteKey(root, PrinterSetup::kRegistryKey)))
        return;
    // The printer settings live in the program's one record; it is put back however this ends.
    const PrinterSetupRecord kept = PrinterSetupRec;
    try {
        PrinterSetup::ClearRecord();
        PrinterSetup::LoadFromRegistry(prior, priorRoot);
        if (!IsBlank(PrinterSetupRec.Name))
            PrinterSetup::SaveToRegistry(current, root);
    } catch (...) {
        PrinterSetupRec = kept;
        throw;
    }
    PrinterSetupRec = kept;
}

// A submitter file that is missing, short or all zeros holds no submitter.
bool HoldsSubmitter(const QString& fileName)
{
    RequireRegularFile(fileName);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.read(sizeof(EFW2SubmitterRecord));
    return bytes.size() == static_cast<qsizetype>(sizeof(EFW2SubmitterRecord))
           && std::any_of(bytes.cbegin(), bytes.cend(), [](char byte) { return byte != 0; });
}

} // namespace

QString PriorYearRoot(bool developerMode)
{
    return developerMode ? QStringLiteral("Software\\LedgoraTest\\2025\\") : QStringLiteral("Software\\Ledgora\\2025\\");
}

QString PriorProgramDir(const QString& priorClientFolder)
{
    const QString configured = qEnvironmentVariable("LEDGORA_PRIOR_PROGRAM_DIR");
    if (!IsBlank(configured))
        return AddTrailingBackslash(configured);
    const QString priorDataDir = UserDataDir(2025);
    if (QFileInfo::exists(priorDataDir + QLatin1String(kSubmitterFile)))
        return priorDataDir;
    return AddTrailingBackslash(priorClientFolder);
}

QStringList ListPriorYearClients(const QString& folder, const QString& dataDir)
{
    if (CountMatchingFiles(folder.trimmed() + QStringLiteral("*.C25")) == 0)
        throw ETransferException(kPriorYearFilesNotFound);
    const QStringList names = QDir(folder).entryList({QStringLiteral("*.C25")},
        QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    QStringList listed;
    for (const QString& name : names) {
        if (name.compare(kTemplateClient, Qt::CaseInsensitive) == 0)
            continue;
        const bool already = QFileInfo::exists(dataDir + QFileInfo(name).completeBaseName() + QStringLiteral(".C26"));
        listed << (already ? QStringLiteral("*") + name : name);
    }
    return listed;
}

ClientTransferResult TransferData(const QString& folder, const QString& dataDir, bool doNotOverwrite)
{
    const QString name = QFileInfo(PriorYearClientName).completeBaseName();
    PriorYearEmployeeFileName = name + QStringLiteral(".P25");
    PriorYearCompanyFile = folder + PriorYearClientName;
    PriorYearEmployeeFile = folder + PriorYearEmployeeFileName;

    ClientTransferResult result;
    try {
        // An interrupted transfer of this client is finished or undone before anything looks at
        // its files, so "Do not overwrite" never skips a half-placed client.
        RecoverInterruptedChange(TransferJournalFile(dataDir, name));
    } catch (const Exception& e) {
        throw ETransferException(TransferFailureMessage(e.message()));
    }
    if (doNotOverwrite && QFileInfo::exists(dataDir + name + QStringLiteral(".C26")))
        return result;
    try {
        const ConvertedClient client = ConvertPriorClient();
        result.hadPassword = ThisYearLayoutOf(PriorYearCompanyRec).FilePassword.length > 0;
        if (client.employeeCount == 0) {
            result.outcome = ClientTransfer::NoEmployees;
            return result;
        }
        PlaceClient(client, dataDir, name);
    } catch (const ClientFailure& failure) {
        throw ETransferException(TransferFailureMessage(failure.reason));
    }
    result.outcome = ClientTransfer::Transferred;
    return result;
}

void TransferRegSettings(Registry& prior, Registry& current, const QString& priorRoot, const QString& root,
                         const QString& priorSubmitterFile, const QString& submitterFile)
{
    const QString transferKey = AbsoluteKey(root, QStringLiteral("Transfer"));
    if (!current.OpenKey(transferKey, true))
        throw ERegistryException(QStringLiteral("Unable to create the registry key %1.").arg(root + QStringLiteral("Transfer")));
    bool transferred = false;
    CloseKeyAfter(current, [&] {
        if (!current.ValueExists(QStringLiteral("Transferred")))
            current.WriteBool(QStringLiteral("Transferred"), false);
        transferred = current.ReadBool(QStringLiteral("Transferred"));
    });
    if (transferred)
        return;

    TransferBackupPath(prior, current, priorRoot, root);
    TransferPreparer(prior, current, priorRoot, root);
    TransferPrinter(prior, current, priorRoot, root);
    if (QFileInfo::exists(priorSubmitterFile) && !HoldsSubmitter(submitterFile))
        CopyFileChecked(priorSubmitterFile, submitterFile, false);

    if (!current.OpenKey(transferKey, true))
        throw ERegistryException(QStringLiteral("Unable to create the registry key %1.").arg(root + QStringLiteral("Transfer")));
    CloseKeyAfter(current, [&] { current.WriteBool(QStringLiteral("Transferred"), true); });
}
