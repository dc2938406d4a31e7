#include "client/PriorYearTransfer.h"

#include "client/EFW2SubmitterRecord.h"
#include "client/PreparerRecord.h"
#include "client/PriorYearConversion.h"
#include "client/PriorYearRecords.h"
#include "client/RecordFileAccess.h"
#include "components/FileRoutines.h"
#include "components/FileSharing.h"
#include "components/PrinterSetup.h"
#include "components/RememberedList.h"
#include "components/StagedCopy.h"
#include "components/TextRoutines.h"
#include "components/Validators.h"
#include "platform/Exceptions.h"
#include "platform/FileOperations.h"
#include "platform/Registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

const QString kTemplateClient = QStringLiteral("Template Payroll.C25");
const QString kShortRecord = QStringLiteral("Read beyond end of file");

// A failure of one client; the message is completed with the client's name.
struct ClientFailure {
    QString reason;
};

[[noreturn]] void Fail(const QString& path, const QString& reason)
{
    throw ClientFailure{QStringLiteral("%1: %2").arg(path, reason)};
}

QByteArray ReadWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        Fail(path, SystemErrorText(ENOENT));
    if (!file.open(QIODevice::ReadOnly))
        Fail(path, file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        Fail(path, file.errorString());
    return bytes;
}

void ReadPriorCompany()
{
    const QByteArray bytes = ReadWholeFile(PriorYearCompanyFile);
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

ConvertedClient ConvertPriorClient()
{
    ConvertedClient client;
    ReadPriorCompany();
    client.company = RecordImage(ConvertCompanyRecord(PriorYearCompanyRec));

    const QByteArray bytes = ReadWholeFile(PriorYearEmployeeFile);
    if (bytes.size() % kPriorEmployeeRecordSize != 0)
        Fail(PriorYearEmployeeFile, kShortRecord);
    const qsizetype count = bytes.size() / kPriorEmployeeRecordSize;
    for (qsizetype i = 0; i < count; ++i) {
        std::memcpy(&PriorYearEmployeeRec, bytes.constData() + i * kPriorEmployeeRecordSize, sizeof PriorYearEmployeeRec);
        if (!IsValidEmployee(PriorYearEmployeeRec))
            continue;
        const EmployeeRecord converted = ConvertEmployeeRecord(PriorYearEmployeeRec, ++client.employeeCount);
        AddEntry(client.departments, converted.Department);
        AddEntry(client.positions, converted.Position);
        client.employees += RecordImage(converted);
    }
    SortEntries(client.departments);
    SortEntries(client.positions);
    return client;
}

// Writes the four files into a private folder beside their targets, then puts them in place in
// one step.
void PlaceClient(const ConvertedClient& client, const QString& dataDir, const QString& name)
{
    const QStringList targets = {dataDir + name + QStringLiteral(".C26"), dataDir + name + QStringLiteral(".P26"),
                                 dataDir + name + QStringLiteral(".Dep"), dataDir + name + QStringLiteral(".Pos")};
    for (const QString& target : targets)
        CheckNotHeldOpen(target);
    if (!QDir().mkpath(dataDir))
        Fail(dataDir, SystemErrorText(EACCES));
    QTemporaryDir staging(dataDir + QStringLiteral(".transfer-XXXXXX"));
    if (!staging.isValid())
        Fail(dataDir, staging.errorString());
    QStringList staged;
    for (const QString& target : targets)
        staged << staging.filePath(QFileInfo(target).fileName());
    try {
        ReplaceFileContents(staged[0], client.company);
        ReplaceFileContents(staged[1], client.employees);
        SaveEntryList(staged[2], client.departments);
        SaveEntryList(staged[3], client.positions);
        StagedCopy company(staged[0], targets[0]);
        StagedCopy employees(staged[1], targets[1]);
        StagedCopy departments(staged[2], targets[2]);
        StagedCopy positions(staged[3], targets[3]);
        PlaceCopies({&company, &employees, &departments, &positions});
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
    return AddTrailingBackslash(IsBlank(configured) ? priorClientFolder : configured);
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
