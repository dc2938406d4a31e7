#include "client/ClientFileCommands.h"

#include "client/ClientFileCopy.h"
#include "client/FileNames.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "components/TextRoutines.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/FileDialogs.h"
#include "platform/Folders.h"
#include "platform/HourglassCursor.h"
#include "platform/Registry.h"

#include <QDir>
#include <QFileInfo>
#include <cstring>
#include <exception>

namespace {

const QString kTitle = QStringLiteral("Ledgora 2026");
const QString kClientExtension = QStringLiteral(".P26");
const QString kClientFilter = QStringLiteral("*.P26");
constexpr int kCompanyNameLength = 45;

void StopMessage(const QString& text)
{
    AppMessageBox(text, kTitle, MbOk | MbIconStop);
}

void PlainMessage(const QString& text)
{
    AppMessageBox(text, kTitle, MbOk);
}

// The system dialogs may move the current folder; the help file is found relative to the
// program's folder.
void RestoreProgramFolder()
{
    if (AddTrailingBackslash(QDir::currentPath()) != ProgramDir())
        QDir::setCurrent(ProgramDir());
}

Registry& SharedRegistry()
{
    if (!AppRegistry)
        throw ECustomException(QStringLiteral("The program's settings cannot be reached: the registry was not opened."));
    return *AppRegistry;
}

QString BackupKey()
{
    return QStringLiteral("\\") + RegistryRoot + QStringLiteral("Backup");
}

template <typename Record>
void ZeroRecord(Record& record)
{
    std::memset(&record, 0, sizeof(Record));
}

// The program's own re-opening of a client asks no password.
class SkippingPassword {
public:
    SkippingPassword() { SkipPasswordPrompt = true; }
    ~SkippingPassword() { SkipPasswordPrompt = false; }
    SkippingPassword(const SkippingPassword&) = delete;
    SkippingPassword& operator=(const SkippingPassword&) = delete;
};

// The message window and the hourglass while files are copied, gone however the copy ends.
class CopyingNotice {
public:
    CopyingNotice(ClientFileHost& host, const QString& text)
        : host_(host)
    {
        host_.ShowMsgWin(kTitle, text);
    }
    ~CopyingNotice() { host_.CloseMsgWin(); }
    CopyingNotice(const CopyingNotice&) = delete;
    CopyingNotice& operator=(const CopyingNotice&) = delete;

private:
    ClientFileHost& host_;
    HourglassCursor hourglass_;
};

} // namespace

QString SaveAsFileName(const QString& chosen)
{
    const qsizetype nameStart = chosen.lastIndexOf(QChar('/')) + 1;
    const qsizetype dot = chosen.indexOf(QChar('.'), nameStart);
    return (dot < 0 ? chosen : chosen.left(dot)) + kClientExtension;
}

ClientFileCommands::ClientFileCommands(TFrmDataModule& module, ClientFileHost& host)
    : module_(module)
    , host_(host)
{
}

void ClientFileCommands::closeClient()
{
    module_.RSEmployee.CloseRecSet();
}

bool ClientFileCommands::openClient(const QString& fileName)
{
    return module_.OpenClient(fileName);
}

// What every opening by the user ends with.
void ClientFileCommands::afterOpen()
{
    host_.UpdateFormCaption();
    host_.EnableMenuItems(FileIsOpen);
    host_.SetupProcessingMenu();
}

void ClientFileCommands::LoadTemplate()
{
    openClient(TemplateFileName);
}

void ClientFileCommands::MnuNewClick()
{
    const std::optional<QString> typed = host_.AskNewFileName();
    if (!typed || IsBlank(*typed))
        return;
    // Blanks around the name would end up in the file name ("Acme .P26").
    const QString name = typed->trimmed();
    const QString fileName = DataDir + name + kClientExtension;
    // A company file left without its employee file would be taken over by the new client,
    // password and all.
    const ClientFilePair files = ClientFilesOf(fileName);
    if (QFileInfo::exists(files.employee) || QFileInfo::exists(files.company)) {
        StopMessage(QStringLiteral("File already exists!"));
        return;
    }
    if (!module_.RSEmployee.Active())
        LoadTemplate();
    closeClient();
    ZeroRecord(CompanyRec);
    ZeroRecord(EmployeeRec);
    if (openClient(fileName)) {
        CompanyRec.Name = LeftChars(name, kCompanyNameLength);
        host_.MnuCompanyClick();
        host_.MnuStateClick();
        host_.MnuCityClick();
        host_.MnuEmployeesClick();
    }
    host_.UpdateFormCaption();
    host_.EnableMenuItems(FileIsOpen);
    host_.SetupProcessingMenu();
    W2W3VisitCount = 0;
}

void ClientFileCommands::MnuOpenClick()
{
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Open;
    request.caption = QStringLiteral("Open Ledgora File");
    request.startPath = DataDir;
    request.filter = kClientFilter;
    request.defaultSuffix = kClientExtension.mid(1);
    const std::optional<QString> chosen = RunFileDialog(request);
    RestoreProgramFolder();
    if (!chosen)
        return;
    if (QStringLiteral(".") + QFileInfo(*chosen).suffix().toUpper() != kClientExtension) {
        StopMessage(QStringLiteral("The selected file is not valid"));
        return;
    }
    // Opening a name that is not there would create an empty client under it.
    if (!QFileInfo::exists(*chosen)) {
        StopMessage(QStringLiteral("File not found"));
        return;
    }
    closeClient();
    openClient(*chosen);
    if (FileIsOpen && !CountMissingCompanyData())
        host_.MnuCompanyClick();
    afterOpen();
    const int state = CompanyRec.CurrentState;
    const bool knownState = state >= CompanyRec.UnempMaxWage.first && state <= CompanyRec.UnempMaxWage.last;
    if (FileIsOpen && (!knownState || CompanyRec.UnempMaxWage[state] == 0)) {
        host_.MnuCompanyClick();
        host_.SetupProcessingMenu();
    }
    W2W3VisitCount = 0;
}

void ClientFileCommands::OpenMRUFileClick(int index)
{
    const QString entry = MRUList.value(index);
    if (IsBlank(entry))
        return;
    if (!QFileInfo::exists(entry)) {
        StopMessage(QStringLiteral("File not found"));
        return;
    }
    closeClient();
    openClient(entry);
    if (FileIsOpen && !CountMissingCompanyData())
        host_.MnuCompanyClick();
    afterOpen();
}

void ClientFileCommands::MnuCloseClick()
{
    closeClient();
    CurFileName.clear();
    module_.RSEmployee.SetFileName(QString());
    FileIsOpen = false;
    host_.UpdateFormCaption();
    host_.EnableMenuItems(false);
    host_.SetupProcessingMenu();
}

// Opens the client of CurFileName again after its files were copied, without asking its password.
// The copy's failure, when there was one, is the error the user sees.
void ClientFileCommands::reopenAfterCopy(std::exception_ptr failure)
{
    try {
        if (!module_.RSEmployee.Active()) {
            SkippingPassword skip;
            openClient(CurFileName);
        }
    } catch (...) {
        if (!failure)
            failure = std::current_exception();
    }
    host_.UpdateFormCaption();
    if (!FileIsOpen)
        host_.EnableMenuItems(false);
    host_.SetupProcessingMenu();
    if (failure)
        std::rethrow_exception(failure);
}

void ClientFileCommands::MnuSaveAsClick()
{
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Save;
    request.caption = QStringLiteral("Save Ledgora File As");
    request.startPath = DataDir;
    request.filter = kClientFilter;
    request.defaultSuffix = kClientExtension.mid(1);
    request.confirmOverwrite = false;
    const std::optional<QString> chosen = RunFileDialog(request);
    RestoreProgramFolder();
    if (!chosen || !module_.RSEmployee.Active())
        return;

    const QString newName = SaveAsFileName(*chosen);
    const ClientFilePair from{CurFileName, CompanyFileName};
    const ClientFilePair to = ClientFilesOf(newName);
    CheckClientCopy(from, to);
    if (QFileInfo::exists(to.employee) || QFileInfo::exists(to.company)) {
        if (AppMessageBox(QStringLiteral("This file already exists. Do you want to replace it?"), kTitle,
                          MbOkCancel | MbIconQuestion | MbDefButton2)
            != IdOk)
            return;
    }

    std::exception_ptr failure;
    {
        CopyingNotice notice(host_, QStringLiteral("Saving ") + CurFileName + QStringLiteral(" as ") + newName);
        try {
            closeClient();
            CopyClientFiles(from, to);
        } catch (...) {
            failure = std::current_exception();
        }
    }
    if (!failure && !module_.RSEmployee.Active()) {
        PlainMessage(QStringLiteral("File save completed successfully"));
        CurFileName = newName;
    }
    reopenAfterCopy(failure);
}

void ClientFileCommands::MnuBackupClick()
{
    BackupCompleted = false;
    if (!module_.RSEmployee.Active())
        return;
    const std::optional<QString> chosen = ShowBackupDialog();
    if (!chosen)
        return;
    const QString folder = AddTrailingBackslash(*chosen);
    const ClientFilePair from{CurFileName, CompanyFileName};
    const ClientFilePair to{folder + ExtractFileName(from.employee), folder + ExtractFileName(from.company)};
    CheckClientCopy(from, to);

    std::exception_ptr failure;
    {
        CopyingNotice notice(host_, QStringLiteral("Copying files to ") + *chosen);
        try {
            closeClient();
            CopyClientFiles(from, to);
        } catch (...) {
            failure = std::current_exception();
        }
    }
    reopenAfterCopy(failure);
    PlainMessage(QStringLiteral("Backup completed successfully"));
    BackupCompleted = true;
}

void ClientFileCommands::MnuRestoreClick()
{
    if (!module_.RSEmployee.Active())
        return;
    // Another program holds the client; replacing its files under it would lose its work.
    CheckBrowseMode();
    const std::optional<QString> chosen = ShowRestoreDialog();
    if (!chosen)
        return;
    const QString folder = AddTrailingBackslash(*chosen);
    const ClientFilePair to{CurFileName, CompanyFileName};
    const ClientFilePair from{folder + ExtractFileName(to.employee), folder + ExtractFileName(to.company)};
    CheckClientCopy(from, to);
    if (AppMessageBox(QStringLiteral("The open client file~%1~will be replaced by its backup in~%2~~Do you want to "
                                     "restore it?")
                          .arg(CurFileName, *chosen),
                      kTitle, MbOkCancel | MbIconQuestion | MbDefButton2)
        != IdOk)
        return;

    std::exception_ptr failure;
    {
        CopyingNotice notice(host_, QStringLiteral("Copying files from ") + *chosen);
        try {
            closeClient();
            ZeroRecord(CompanyRec);
            ZeroRecord(EmployeeRec);
            CopyClientFiles(from, to);
        } catch (...) {
            failure = std::current_exception();
        }
    }
    reopenAfterCopy(failure);
    PlainMessage(QStringLiteral("File restore completed successfully"));
}

std::optional<QString> ClientFileCommands::showFolderDialog(ClientFileHost::FolderDialog dialog, const QString& folder)
{
    const std::optional<QString> path =
        host_.AskClientFolder(dialog, ExtractFileName(CurFileName),
                              CurFileName.left(CurFileName.lastIndexOf(QChar('/')) + 1), folder);
    if (!path || IsBlank(*path))
        return std::nullopt;
    Registry& registry = SharedRegistry();
    if (!registry.OpenKey(BackupKey(), true))
        throw ERegistryException(QStringLiteral("Unable to create the registry key %1.").arg(BackupKey().mid(1)));
    try {
        registry.WriteString(QStringLiteral("Path"), *path);
    } catch (...) {
        registry.CloseKey();
        throw;
    }
    registry.CloseKey();
    return path;
}

namespace {

// The folder the Backup and Restore dialogs last confirmed; nothing when none was.
std::optional<QString> RememberedBackupFolder()
{
    Registry& registry = SharedRegistry();
    if (!registry.OpenKey(BackupKey(), false))
        return std::nullopt;
    QString folder;
    try {
        if (registry.ValueExists(QStringLiteral("Path")))
            folder = registry.ReadString(QStringLiteral("Path"));
    } catch (...) {
        registry.CloseKey();
        throw;
    }
    registry.CloseKey();
    return folder;
}

} // namespace

std::optional<QString> ClientFileCommands::ShowBackupDialog()
{
    return showFolderDialog(ClientFileHost::FolderDialog::Backup, RememberedBackupFolder().value_or(QString()));
}

std::optional<QString> ClientFileCommands::ShowRestoreDialog()
{
    return showFolderDialog(ClientFileHost::FolderDialog::Restore,
                            RememberedBackupFolder().value_or(ProgramDir() + QStringLiteral("Backup")));
}
