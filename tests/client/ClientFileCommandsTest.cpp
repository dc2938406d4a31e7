#include "ClientFileFixture.h"
#include "FailingFileOperations.h"

#include "client/ClientFileCopy.h"
#include "client/FileNames.h"
#include "client/PasswordScramble.h"
#include "client/PayMRU.h"
#include "components/FileSharing.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/Folders.h"

#include <QFile>
#include <QFileInfo>
#include <cstring>

namespace {

CompanyRecord CompanyInFile(const QString& path)
{
    CompanyRecord record;
    std::memset(&record, 0, sizeof record);
    const QByteArray bytes = ReadTestFile(path);
    if (bytes.size() >= static_cast<qsizetype>(sizeof record))
        std::memcpy(&record, bytes.constData(), sizeof record);
    else
        ADD_FAILURE() << path.toStdString() << " holds no company record";
    return record;
}

// Runs a command that must fail with ECopyFileException; returns its message.
template <typename Command>
QString CopyFailure(Command command)
{
    try {
        command();
    } catch (const ECopyFileException& e) {
        return e.message();
    }
    ADD_FAILURE() << "the command did not fail";
    return {};
}

const QString kCopyError = QStringLiteral("The following error occurred during the copy file process:\r");

} // namespace

using ClientNewTest = ClientFileTest;

TEST(SaveAsFileName, CutsTheNameAtItsFirstDot)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/data/a.b.c", "/data/a.P26"},
        {"/data/ACME", "/data/ACME.P26"},
        {"/data/ACME.P26", "/data/ACME.P26"},
        {"/data/my.folder/a.b.c", "/data/my.folder/a.P26"},
        {"/data/v1.2/ACME", "/data/v1.2/ACME.P26"},
    };
    for (const auto& [chosen, expected] : cases)
        EXPECT_EQ(SaveAsFileName(QString::fromUtf8(chosen)), QString::fromUtf8(expected)) << chosen;
}

TEST_F(ClientNewTest, NewWithNothingOpenMakesTheTemplateFirstInRecentClients)
{
    const QString longName = QStringLiteral("Northwind Traders & Company of the Great Lakes!");  // 47 characters
    host.newNames.push_back(longName);
    commands->MnuNewClick();

    EXPECT_TRUE(QFileInfo::exists(TemplateFileName));
    EXPECT_TRUE(QFileInfo::exists(DataDir + QStringLiteral("TEMPLATE PAYROLL.C26")));
    EXPECT_EQ(MRUList.value(0), TemplateFileName);
    EXPECT_EQ(MRUList.value(1), QString());

    EXPECT_TRUE(FileIsOpen);
    EXPECT_EQ(CurFileName, DataDir + longName + QStringLiteral(".P26"));
    EXPECT_EQ(CompanyRec.Name.get(), longName.left(45));
    EXPECT_TRUE(CompanyRec.PayrollPosted);
    EXPECT_EQ(W2W3VisitCount, 0);
    EXPECT_EQ(host.calls, (std::vector<QString>{QStringLiteral("NewFileDlg"), QStringLiteral("Company"),
                                               QStringLiteral("State"), QStringLiteral("City"),
                                               QStringLiteral("Employees"), QStringLiteral("Caption"),
                                               QStringLiteral("Enable"), QStringLiteral("Processing")}));

    // The name reaches the company file when the client is saved.
    module->RSEmployee.CloseRecSet();
    EXPECT_EQ(CompanyInFile(DataDir + longName + QStringLiteral(".C26")).Name.get(), longName.left(45));
    EXPECT_EQ(MRUList.mid(0, 2), (QStringList{DataDir + longName + QStringLiteral(".P26"), TemplateFileName}));
}

TEST_F(ClientNewTest, NewWithAClientOpenPutsThatClientInTheList)
{
    const QString acme = makeClient(QStringLiteral("ACME"), QStringLiteral("Acme Tools"));
    open(acme);
    W2W3VisitCount = 2;
    host.newNames.push_back(QStringLiteral("Beta"));
    commands->MnuNewClick();
    EXPECT_EQ(CurFileName, DataDir + QStringLiteral("Beta.P26"));
    EXPECT_EQ(MRUList.value(0), acme);
    EXPECT_FALSE(QFileInfo::exists(TemplateFileName));
    EXPECT_EQ(W2W3VisitCount, 0);
}

TEST_F(ClientNewTest, NewOnAnExistingNameChangesNothing)
{
    const QString acme = makeClient(QStringLiteral("ACME"), QStringLiteral("Acme Tools"));
    const QString beta = makeClient(QStringLiteral("Beta"), QStringLiteral("Beta Inc"));
    // A company file left alone counts as well: the new client would take it over.
    QFile::remove(beta);
    open(acme);
    for (const char* name : {"ACME", "Beta"}) {
        host.newNames.push_back(QString::fromLatin1(name));
        messages.expect(IdOk, QStringLiteral("File already exists!"));
        commands->MnuNewClick();
        EXPECT_EQ(messages.last().flags, MbOk | MbIconStop);
        EXPECT_EQ(CurFileName, acme);
        EXPECT_TRUE(module->RSEmployee.Active());
    }
    EXPECT_FALSE(QFileInfo::exists(beta));
    EXPECT_EQ(CompanyInFile(DataDir + QStringLiteral("Beta.C26")).Name.get(), QStringLiteral("Beta Inc"));
}

TEST_F(ClientNewTest, CancelledOrBlankNameDoesNothing)
{
    host.newNames.push_back(std::nullopt);
    host.newNames.push_back(QStringLiteral("   "));
    commands->MnuNewClick();
    commands->MnuNewClick();
    EXPECT_FALSE(FileIsOpen);
    EXPECT_FALSE(QFileInfo::exists(TemplateFileName));
}

using ClientOpenTest = ClientFileTest;

TEST_F(ClientOpenTest, OpenRefusesOtherExtensions)
{
    const QString acme = makeClient(QStringLiteral("ACME"), QStringLiteral("Acme Tools"));
    open(acme);
    dialogs.onNextFileDialog(tempPath(QStringLiteral("notes.txt")));
    messages.expect(IdOk, QStringLiteral("The selected file is not valid"));
    commands->MnuOpenClick();
    EXPECT_EQ(CurFileName, acme);
    ASSERT_EQ(dialogs.fileRequests().size(), 1u);
    const FileDialogRequest& request = dialogs.fileRequests().front();
    EXPECT_EQ(request.kind, FileDialogRequest::Kind::Open);
    EXPECT_EQ(request.caption, QStringLiteral("Open Ledgora File"));
    EXPECT_EQ(request.startPath, DataDir);
    EXPECT_EQ(request.filter, QStringLiteral("*.P26"));
}

TEST_F(ClientOpenTest, OpenShowsTheCompanyScreenForIncompleteSetupAndAgainForAZeroWageBase)
{
    const QString acme = makeClient(QStringLiteral("ACME"), QStringLiteral("Acme Tools"));
    const QString lower = DataDir + QStringLiteral("lower.p26");
    QFile::rename(acme, lower);
    QFile::rename(DataDir + QStringLiteral("ACME.C26"), DataDir + QStringLiteral("lower.C26"));
    W2W3VisitCount = 2;
    dialogs.onNextFileDialog(lower);
    commands->MnuOpenClick();
    EXPECT_TRUE(FileIsOpen);
    EXPECT_EQ(CurFileName, lower);
    EXPECT_EQ(host.count(QStringLiteral("Company")), 2);
    EXPECT_EQ(W2W3VisitCount, 0);
    EXPECT_EQ(QDir::currentPath() + QChar('/'), ProgramDir());

    // A first visit that fixes the wage base spares the second.
    module->RSEmployee.CloseRecSet();
    host.calls.clear();
    host.onCompany = [] { CompanyRec.UnempMaxWage[CompanyRec.CurrentState] = 7000; };
    dialogs.onNextFileDialog(lower);
    commands->MnuOpenClick();
    EXPECT_EQ(host.count(QStringLiteral("Company")), 1);
    EXPECT_EQ(MRUList.value(0), lower);
}

TEST_F(ClientOpenTest, WrongPasswordLeavesNoClientAndNoCompanyScreen)
{
    const QString acme = makeClient(QStringLiteral("ACME"), QStringLiteral("Acme Tools"));
    const QString beta = makeClient(QStringLiteral("Beta"), QStringLiteral("Beta Inc"));
    open(beta);
    CompanyRec.FilePassword = ScramblePassword(QStringLiteral("Secret1"));
    module->RSEmployee.CloseRecSet();
    open(acme);
    typed.push_back(std::nullopt);
    dialogs.onNextFileDialog(beta);
    commands->MnuOpenClick();
    EXPECT_FALSE(FileIsOpen);
    EXPECT_TRUE(CurFileName.isEmpty());
    EXPECT_EQ(host.count(QStringLiteral("Company")), 0);
    EXPECT_EQ(MRUList.value(0), acme);
    EXPECT_EQ(host.calls.back(), QStringLiteral("Processing"));
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), QStringLiteral("Disable")), 1);
}

TEST_F(ClientOpenTest, RecentClientOpensWithoutTouchingTheVisitCount)
{
    const QString acme = makeClient(QStringLiteral("ACME"), QStringLiteral("Acme Tools"));
    const QString gone = DataDir + QStringLiteral("Gone.P26");
    MRUList = QStringList{gone, acme, {}, {}, {}, {}, {}, {}, {}, {}};
    messages.expect(IdOk, QStringLiteral("File not found"));
    commands->OpenMRUFileClick(0);
    EXPECT_FALSE(FileIsOpen);
    EXPECT_EQ(MRUList.value(0), gone);

    W2W3VisitCount = 2;
    commands->OpenMRUFileClick(1);
    EXPECT_TRUE(FileIsOpen);
    EXPECT_EQ(CurFileName, acme);
    EXPECT_EQ(W2W3VisitCount, 2);
    EXPECT_EQ(host.count(QStringLiteral("Company")), 1);  // the setup is incomplete; no second visit
    EXPECT_EQ(host.calls.back(), QStringLiteral("Processing"));
}

TEST_F(ClientOpenTest, CloseEntersTheListAndSwitchesTheCommandsOff)
{
    const QString acme = makeClient(QStringLiteral("ACME & Sons"), QStringLiteral("Acme Tools"));
    open(acme);
    commands->MnuCloseClick();
    EXPECT_FALSE(FileIsOpen);
    EXPECT_TRUE(CurFileName.isEmpty());
    EXPECT_TRUE(module->RSEmployee.FileName().isEmpty());
    EXPECT_FALSE(module->RSCompany.Active());
    EXPECT_EQ(MRUList.value(0), acme);
    EXPECT_EQ(host.calls, (std::vector<QString>{QStringLiteral("Caption"), QStringLiteral("Disable"),
                                               QStringLiteral("Processing")}));
}

// A client on a read-only medium, or whose files are read-only, opens browse-only, says once that
// its files are read-only (not that another program holds them), and writes nothing.
TEST_F(ClientOpenTest, ReadOnlyClientOpensBrowseOnlyAndSaysWhy)
{
    const QString acme = makeClient(QStringLiteral("ACME"), QStringLiteral("Acme Tools"));
    const QString company = DataDir + QStringLiteral("ACME.C26");
    struct Case {
        const char* what;
        bool readOnlyFiles;
        QString reason;
    };
    const Case cases[] = {
        {"read-only files", true, QStringLiteral("Permission denied")},
        {"read-only medium", false, QStringLiteral("Read-only file system")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QByteArray employees = ReadTestFile(acme);
        const QByteArray companyBytes = ReadTestFile(company);
        const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        if (c.readOnlyFiles) {
            ASSERT_TRUE(QFile::setPermissions(acme, readOnly));
            ASSERT_TRUE(QFile::setPermissions(company, readOnly));
        }
        const FileOperationFault previous = SetFileOperationFault([&c](FileOperation operation, const QString&) {
            return operation == FileOperation::Open && !c.readOnlyFiles ? EROFS : 0;
        });
        messages.expect(IdOk, QStringLiteral("is read-only"));
        open(acme);
        EXPECT_EQ(messages.shown().back().text,
                  acme + QStringLiteral(" is read-only (") + c.reason
                      + QStringLiteral(").\r\rThe file has been opened in browse only mode. You will not be able to "
                                       "record any changes."));
        EXPECT_TRUE(module->RSEmployee.BrowseOnly());
        EXPECT_EQ(CompanyRec.Name.get(), QStringLiteral("Acme Tools"));
        commands->MnuCloseClick();
        SetFileOperationFault(previous);
        EXPECT_TRUE(messages.allAnswered());
        EXPECT_EQ(ReadTestFile(acme), employees);
        EXPECT_EQ(ReadTestFile(company), companyBytes);
        QFile::setPermissions(acme, QFile::ReadOwner | QFile::WriteOwner);
        QFile::setPermissions(company, QFile::ReadOwner | QFile::WriteOwner);
    }
    EXPECT_EQ(messages.shown().size(), 2u);
}

using ClientSaveAsTest = ClientFileTest;

TEST_F(ClientSaveAsTest, SavesUnderTheNameCutAtItsFirstDot)
{
    const QString acme = makeClient(QStringLiteral("ACME"), QStringLiteral("Acme Tools"));
    open(acme);
    CompanyRec.FilePassword = ScramblePassword(QStringLiteral("Secret1"));  // no prompt on the reopening
    const QString folder = tempPath(QStringLiteral("my.folder"));
    ASSERT_TRUE(QDir().mkpath(folder));
    dialogs.onNextFileDialog(folder + QStringLiteral("/a.b.c"));
    messages.expect(IdOk, QStringLiteral("File save completed successfully"));
    commands->MnuSaveAsClick();

    const QString saved = folder + QStringLiteral("/a.P26");
    EXPECT_EQ(messages.last().flags, MbOk);
    EXPECT_TRUE(FileIsOpen);
    EXPECT_EQ(CurFileName, saved);
    EXPECT_EQ(CompanyFileName, folder + QStringLiteral("/a.C26"));
    EXPECT_EQ(CompanyRec.Name.get(), QStringLiteral("Acme Tools"));
    EXPECT_EQ(MRUList.value(0), acme);
    EXPECT_EQ(ReadTestFile(saved), ReadTestFile(acme));
    EXPECT_EQ(ReadTestFile(folder + QStringLiteral("/a.C26")), ReadTestFile(DataDir + QStringLiteral("ACME.C26")));
    EXPECT_EQ(host.msgWinText, QStringLiteral("Saving ") + acme + QStringLiteral(" as ") + saved);
    EXPECT_EQ(host.msgWinCaption, QStringLiteral("Ledgora 2026"));
    EXPECT_FALSE(SkipPasswordPrompt);
    const FileDialogRequest& request = dialogs.fileRequests().front();
    EXPECT_EQ(request.kind, FileDialogRequest::Kind::Save);
    EXPECT_EQ(request.caption, QStringLiteral("Save Ledgora File As"));
    EXPECT_FALSE(request.confirmOverwrite);
}

TEST_F(ClientSaveAsTest, AnExistingFileIsReplacedOnlyWhenTheUserAgrees)
{
    const QString acme = makeClient(QStringLiteral("ACME"), QStringLiteral("Acme Tools"));
    const QString beta = makeClient(QStringLiteral("Beta"), QStringLiteral("Beta Inc"));
    const QByteArray betaBefore = ReadTestFile(DataDir + QStringLiteral("Beta.C26"));
    open(acme);
    dialogs.onNextFileDialog(beta);
    messages.expect(IdCancel, QStringLiteral("This file already exists. Do you want to replace it?"));
    commands->MnuSaveAsClick();
    EXPECT_EQ(messages.last().flags, MbOkCancel | MbIconQuestion | MbDefButton2);
    EXPECT_EQ(ReadTestFile(DataDir + QStringLiteral("Beta.C26")), betaBefore);
    EXPECT_EQ(CurFileName, acme);
    EXPECT_TRUE(module->RSEmployee.Active());
    EXPECT_EQ(host.count(QStringLiteral("MsgWin")), 0);

    dialogs.onNextFileDialog(beta);
    messages.expect(IdOk, QStringLiteral("already exists"));
    messages.expect(IdOk, QStringLiteral("File save completed successfully"));
    commands->MnuSaveAsClick();
    EXPECT_EQ(CurFileName, beta);
    EXPECT_EQ(CompanyRec.Name.get(), QStringLiteral("Acme Tools"));
}

TEST_F(ClientSaveAsTest, SavingOntoItselfIsRefusedWithTheClientLeftOpen)
{
    const QString acme = makeClient(QStringLiteral("ACME"), QStringLiteral("Acme Tools"));
    const QByteArray before = ReadTestFile(DataDir + QStringLiteral("ACME.C26"));
    open(acme);
    dialogs.onNextFileDialog(DataDir + QStringLiteral("ACME.old"));
    const QString error = CopyFailure([&] { commands->MnuSaveAsClick(); });
    EXPECT_TRUE(error.startsWith(kCopyError)) << error.toStdString();
    EXPECT_TRUE(error.contains(acme)) << error.toStdString();
    EXPECT_TRUE(module->RSEmployee.Active());
    EXPECT_EQ(ReadTestFile(DataDir + QStringLiteral("ACME.C26")), before);
    EXPECT_EQ(MRUList.value(0), QString());  // never closed
}

TEST_F(ClientSaveAsTest, AFailedCopyReopensTheOldClientWithoutSuccessMessage)
{
    const QString acme = makeClient(QStringLiteral("ACME"), QStringLiteral("Acme Tools"));
    open(acme);
    const QString missingFolder = tempPath(QStringLiteral("nowhere"));
    dialogs.onNextFileDialog(missingFolder + QStringLiteral("/Copy"));
    const QString error = CopyFailure([&] { commands->MnuSaveAsClick(); });
    EXPECT_TRUE(error.startsWith(kCopyError)) << error.toStdString();
    EXPECT_TRUE(error.contains(missingFolder + QStringLiteral("/Copy.P26"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("No such file or directory"))) << error.toStdString();
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_TRUE(FileIsOpen);
    EXPECT_TRUE(module->RSEmployee.Active());
    EXPECT_EQ(CurFileName, acme);
    EXPECT_EQ(CompanyRec.Name.get(), QStringLiteral("Acme Tools"));
    EXPECT_FALSE(host.msgWinOpen);
    EXPECT_EQ(host.calls.back(), QStringLiteral("Processing"));
    EXPECT_FALSE(SkipPasswordPrompt);
}

// The second target is held by another opener: neither target is touched.
TEST_F(ClientSaveAsTest, TargetsAreReplacedAsAPairOrNotAtAll)
{
    const QString acme = makeClient(QStringLiteral("ACME"), QStringLiteral("Acme Tools"));
    const QString beta = makeClient(QStringLiteral("Beta"), QStringLiteral("Beta Inc"));
    const QByteArray betaEmployees = ReadTestFile(beta);
    SharedFile holder;
    ASSERT_TRUE(holder.open(DataDir + QStringLiteral("Beta.C26"), SharedFile::Access::ReadWrite,
                            SharedFile::Sharing{false, true}, false));
    open(acme);
    dialogs.onNextFileDialog(beta);
    messages.expect(IdOk, QStringLiteral("already exists"));
    const QString error = CopyFailure([&] { commands->MnuSaveAsClick(); });
    EXPECT_TRUE(error.contains(DataDir + QStringLiteral("Beta.C26"))) << error.toStdString();
    EXPECT_EQ(ReadTestFile(beta), betaEmployees);
    EXPECT_EQ(CurFileName, acme);
    EXPECT_TRUE(FileIsOpen);
}

using ClientBackupTest = ClientFileTest;

TEST_F(ClientBackupTest, BackupCopiesBothFilesAndRemembersTheFolder)
{
    const QString acme = makeClient(QStringLiteral("Smith & Sons"), QStringLiteral("Smith and Sons"));
    open(acme);
    CompanyRec.FilePassword = ScramblePassword(QStringLiteral("Secret1"));
    const QString stick = tempPath(QStringLiteral("usb"));
    ASSERT_TRUE(QDir().mkpath(stick));
    host.folders.push_back(stick);
    messages.expect(IdOk, QStringLiteral("Backup completed successfully"));
    commands->MnuBackupClick();

    EXPECT_TRUE(BackupCompleted);
    EXPECT_EQ(ReadTestFile(stick + QStringLiteral("/Smith & Sons.P26")), ReadTestFile(acme));
    EXPECT_EQ(ReadTestFile(stick + QStringLiteral("/Smith & Sons.C26")),
              ReadTestFile(DataDir + QStringLiteral("Smith & Sons.C26")));
    EXPECT_TRUE(FileIsOpen);
    EXPECT_EQ(CurFileName, acme);
    EXPECT_EQ(MRUList.value(0), acme);
    EXPECT_EQ(host.msgWinText, QStringLiteral("Copying files to ") + stick);
    ASSERT_EQ(host.folderAsks.size(), 1u);
    EXPECT_EQ(host.folderAsks[0].fileName, QStringLiteral("Smith & Sons.P26"));
    EXPECT_EQ(host.folderAsks[0].location, DataDir);
    EXPECT_EQ(host.folderAsks[0].folder, QString());

    // The next Backup and Restore propose the folder confirmed last.
    host.folders.push_back(std::nullopt);
    commands->MnuBackupClick();
    EXPECT_FALSE(BackupCompleted);
    EXPECT_EQ(host.folderAsks[1].folder, stick);
    host.folders.push_back(std::nullopt);
    commands->MnuRestoreClick();
    EXPECT_EQ(host.folderAsks[2].dialog, ClientFileHost::FolderDialog::Restore);
    EXPECT_EQ(host.folderAsks[2].folder, stick);
}

TEST_F(ClientBackupTest, BackupIntoTheClientsOwnFolderIsRefusedWithoutHarm)
{
    const QString acme = makeClient(QStringLiteral("ACME"), QStringLiteral("Acme Tools"));
    const QByteArray employees = ReadTestFile(acme);
    const QByteArray company = ReadTestFile(DataDir + QStringLiteral("ACME.C26"));
    open(acme);
    BackupCompleted = true;
    host.folders.push_back(DataDir.chopped(1));
    const QString error = CopyFailure([&] { commands->MnuBackupClick(); });
    EXPECT_TRUE(error.startsWith(kCopyError)) << error.toStdString();
    EXPECT_TRUE(error.contains(acme)) << error.toStdString();
    EXPECT_FALSE(BackupCompleted);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_TRUE(module->RSEmployee.Active());
    EXPECT_EQ(CurFileName, acme);
    EXPECT_EQ(ReadTestFile(acme), employees);
    EXPECT_EQ(ReadTestFile(DataDir + QStringLiteral("ACME.C26")), company);
    EXPECT_EQ(host.count(QStringLiteral("MsgWin")), 0);
}

TEST_F(ClientBackupTest, ABlankFolderDoesNothing)
{
    const QString acme = makeClient(QStringLiteral("ACME"), QStringLiteral("Acme Tools"));
    open(acme);
    host.folders.push_back(QStringLiteral("  "));
    commands->MnuBackupClick();
    EXPECT_FALSE(BackupCompleted);
    EXPECT_FALSE(AppRegistry->KeyExists(QStringLiteral("\\Software\\Ledgora\\2026\\Backup")));
    EXPECT_TRUE(module->RSEmployee.Active());
}

using ClientRestoreTest = ClientFileTest;

TEST_F(ClientRestoreTest, RestoreProposesTheProgramsBackupFolderAtFirst)
{
    const QString acme = makeClient(QStringLiteral("ACME"), QStringLiteral("Acme Tools"));
    open(acme);
    host.folders.push_back(std::nullopt);
    commands->MnuRestoreClick();
    ASSERT_EQ(host.folderAsks.size(), 1u);
    EXPECT_EQ(host.folderAsks[0].folder, ProgramDir() + QStringLiteral("Backup"));
}

TEST_F(ClientRestoreTest, RestoreAsksThenReplacesBothFiles)
{
    const QString acme = makeClient(QStringLiteral("ACME"), QStringLiteral("Acme Tools"));
    const QString saved = tempPath(QStringLiteral("saved"));
    ASSERT_TRUE(QDir().mkpath(saved));
    ASSERT_TRUE(QFile::copy(acme, saved + QStringLiteral("/ACME.P26")));
    ASSERT_TRUE(QFile::copy(DataDir + QStringLiteral("ACME.C26"), saved + QStringLiteral("/ACME.C26")));
    open(acme);
    CompanyRec.Name = QStringLiteral("Changed since");
    module->RSCompany.PostRec();

    // Cancel at the question leaves the client as it is.
    host.folders.push_back(saved);
    messages.expect(IdCancel, acme);
    commands->MnuRestoreClick();
    EXPECT_EQ(messages.last().flags, MbOkCancel | MbIconQuestion | MbDefButton2);
    EXPECT_EQ(CompanyRec.Name.get(), QStringLiteral("Changed since"));
    EXPECT_TRUE(module->RSEmployee.Active());

    host.folders.push_back(saved);
    messages.expect(IdOk, acme);
    messages.expect(IdOk, QStringLiteral("File restore completed successfully"));
    host.calls.clear();
    commands->MnuRestoreClick();
    EXPECT_TRUE(FileIsOpen);
    EXPECT_EQ(CurFileName, acme);
    EXPECT_EQ(CompanyRec.Name.get(), QStringLiteral("Acme Tools"));
    EXPECT_EQ(CompanyInFile(DataDir + QStringLiteral("ACME.C26")).Name.get(), QStringLiteral("Acme Tools"));
    EXPECT_EQ(host.msgWinText, QStringLiteral("Copying files from ") + saved);
    EXPECT_EQ(host.count(QStringLiteral("Processing")), 1);
}

TEST_F(ClientRestoreTest, BackupAndRestoreCarryTheYearsMonthTotals)
{
    const QString acme = makeClient(QStringLiteral("ACME"), QStringLiteral("Acme Tools"));
    open(acme);
    CompanyRec.TaxLiabilityMonth[11] = 9933.00;
    CompanyRec.NJIncomeTaxMonth[12] = 1698.25;
    CompanyRec.NJCoveredWorkers[10] = 7;
    CompanyRec.EmployeesPaidForThe12th[4] = 6;
    module->RSCompany.PostRec();
    const QString stick = tempPath(QStringLiteral("usb"));
    ASSERT_TRUE(QDir().mkpath(stick));
    host.folders.push_back(stick);
    messages.expect(IdOk, QStringLiteral("Backup completed successfully"));
    commands->MnuBackupClick();

    CompanyRec.TaxLiabilityMonth[11] = 0;
    CompanyRec.NJIncomeTaxMonth[12] = 0;
    CompanyRec.NJCoveredWorkers[10] = 0;
    CompanyRec.EmployeesPaidForThe12th[4] = 0;
    module->RSCompany.PostRec();
    host.folders.push_back(stick);
    messages.expect(IdOk, acme);
    messages.expect(IdOk, QStringLiteral("File restore completed successfully"));
    commands->MnuRestoreClick();
    for (const CompanyRecord& company : {CompanyRec, CompanyInFile(DataDir + QStringLiteral("ACME.C26"))}) {
        EXPECT_DOUBLE_EQ(company.TaxLiabilityMonth[11], 9933.00);
        EXPECT_DOUBLE_EQ(company.NJIncomeTaxMonth[12], 1698.25);
        EXPECT_EQ(company.NJCoveredWorkers[10], 7);
        EXPECT_EQ(company.EmployeesPaidForThe12th[4], 6);
    }
}

TEST_F(ClientRestoreTest, AnIncompleteBackupIsRefusedBeforeAnythingIsTouched)
{
    const QString acme = makeClient(QStringLiteral("ACME"), QStringLiteral("Acme Tools"));
    const QString saved = tempPath(QStringLiteral("saved"));
    ASSERT_TRUE(QDir().mkpath(saved));
    ASSERT_TRUE(QFile::copy(acme, saved + QStringLiteral("/ACME.P26")));
    const QByteArray company = ReadTestFile(DataDir + QStringLiteral("ACME.C26"));
    open(acme);
    host.folders.push_back(saved);
    const QString error = CopyFailure([&] { commands->MnuRestoreClick(); });
    EXPECT_TRUE(error.contains(saved + QStringLiteral("/ACME.C26"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("No such file or directory"))) << error.toStdString();
    EXPECT_TRUE(module->RSEmployee.Active());
    EXPECT_EQ(ReadTestFile(DataDir + QStringLiteral("ACME.C26")), company);
    EXPECT_EQ(CompanyRec.Name.get(), QStringLiteral("Acme Tools"));
}

TEST_F(ClientRestoreTest, ADamagedBackupIsRefused)
{
    const QString acme = makeClient(QStringLiteral("ACME"), QStringLiteral("Acme Tools"));
    const QString saved = tempPath(QStringLiteral("saved"));
    ASSERT_TRUE(QDir().mkpath(saved));
    WriteTestFile(saved + QStringLiteral("/ACME.P26"), QByteArray(100, 'x'));
    ASSERT_TRUE(QFile::copy(DataDir + QStringLiteral("ACME.C26"), saved + QStringLiteral("/ACME.C26")));
    const QByteArray employees = ReadTestFile(acme);
    open(acme);
    host.folders.push_back(saved);
    const QString error = CopyFailure([&] { commands->MnuRestoreClick(); });
    EXPECT_TRUE(error.contains(saved + QStringLiteral("/ACME.P26"))) << error.toStdString();
    EXPECT_EQ(ReadTestFile(acme), employees);
    EXPECT_TRUE(FileIsOpen);
}

// A full disk at each write, sync, close or rename of Save As, Backup and Restore in turn: every
// file stays whole, a target pair is either the old pair or the new one, never a mix, and the
// message names the file and the system's reason.
class ClientCopyFailureTest : public ClientFileTest {
protected:
    struct Pair {
        QByteArray employee;
        QByteArray company;
        bool operator==(const Pair&) const = default;
    };

    void SetUp() override
    {
        ClientFileTest::SetUp();
        acme = makeClient(QStringLiteral("ACME"), QStringLiteral("Acme Tools"));
        beta = makeClient(QStringLiteral("Beta"), QStringLiteral("Beta Inc"));
        acmeBefore = pairAt(acme);
        betaBefore = pairAt(beta);
        // Questions are answered OK; what was said is kept.
        previousHandler = SetMessageBoxHandler([this](const QString& text, const QString&, int) {
            shown << text;
            return int(IdOk);
        });
    }

    void TearDown() override
    {
        SetMessageBoxHandler(previousHandler);
        ClientFileTest::TearDown();
    }

    static Pair pairAt(const QString& employeeFile)
    {
        return {ReadTestFile(employeeFile), ReadTestFile(ChangeFileExt(employeeFile, QStringLiteral(".C26")))};
    }

    static void putPair(const QString& employeeFile, const Pair& pair)
    {
        WriteTestFile(employeeFile, pair.employee);
        WriteTestFile(ChangeFileExt(employeeFile, QStringLiteral(".C26")), pair.company);
    }

    // Closes whatever the last run left open and opens ACME again, with the given files put back.
    void startOver(const QString& employeeFile, const Pair& pair)
    {
        module->RSEmployee.CloseRecSet();
        putPair(employeeFile, pair);
        open(acme);
        shown.clear();
    }

    // Runs command with its n-th writing step failing, for n = 1, 2, ... until a run goes through;
    // check sees each failed run's message. Returns the number of steps.
    template <typename Command, typename Reset, typename Check>
    int failEachStep(Command command, Reset reset, Check check)
    {
        for (int n = 1;; ++n) {
            SCOPED_TRACE(n);
            reset();
            FailingFileOperations failing(kWritingOperations, n);
            QString message;
            try {
                command();
            } catch (const Exception& e) {
                message = e.message();
            }
            if (failing.failedPath().isEmpty()) {
                EXPECT_EQ(message, QString());
                return n - 1;
            }
            EXPECT_TRUE(NamesFileAndReason(message, QStringLiteral("No space left on device"))) << message.toStdString();
            EXPECT_EQ(pairAt(acme).employee.size() % sizeof(EmployeeRecord), 0);
            EXPECT_EQ(QDir(DataDir).entryList({QStringLiteral("*.part")}, QDir::Files | QDir::Hidden), QStringList());
            check(message);
        }
    }

    QString acme;
    QString beta;
    Pair acmeBefore;
    Pair betaBefore;
    QStringList shown;
    MessageBoxHandler previousHandler;
};

TEST_F(ClientCopyFailureTest, SaveAsOverAnotherClient)
{
    const int steps = failEachStep(
        [&] {
            dialogs.onNextFileDialog(beta);
            commands->MnuSaveAsClick();
        },
        [&] { startOver(beta, betaBefore); },
        [&](const QString&) {
            EXPECT_EQ(pairAt(acme), acmeBefore);
            const Pair target = pairAt(beta);
            EXPECT_TRUE(target == betaBefore || target == acmeBefore) << "Beta holds a mix of two clients";
        });
    EXPECT_GE(steps, 10);
    EXPECT_EQ(pairAt(beta), acmeBefore);
    EXPECT_TRUE(shown.contains(QStringLiteral("File save completed successfully")));
}

TEST_F(ClientCopyFailureTest, BackupOverAnOlderBackup)
{
    const QString stick = tempPath(QStringLiteral("usb"));
    ASSERT_TRUE(QDir().mkpath(stick));
    const QString backup = stick + QStringLiteral("/ACME.P26");
    const int steps = failEachStep(
        [&] {
            host.folders.push_back(stick);
            commands->MnuBackupClick();
        },
        [&] { startOver(backup, betaBefore); },
        [&](const QString&) {
            EXPECT_FALSE(BackupCompleted);
            EXPECT_EQ(pairAt(acme), acmeBefore);
            const Pair target = pairAt(backup);
            EXPECT_TRUE(target == betaBefore || target == acmeBefore) << "the backup holds a mix of two clients";
            EXPECT_EQ(QDir(stick).entryList({QStringLiteral("*.part")}, QDir::Files | QDir::Hidden), QStringList());
        });
    EXPECT_GE(steps, 10);
    EXPECT_TRUE(BackupCompleted);
    EXPECT_EQ(pairAt(backup), acmeBefore);
}

TEST_F(ClientCopyFailureTest, RestoreOverTheOpenClient)
{
    const QString saved = tempPath(QStringLiteral("saved"));
    ASSERT_TRUE(QDir().mkpath(saved));
    const QString backup = saved + QStringLiteral("/ACME.P26");
    putPair(backup, betaBefore);
    const int steps = failEachStep(
        [&] {
            host.folders.push_back(saved);
            commands->MnuRestoreClick();
        },
        [&] { startOver(acme, acmeBefore); },
        [&](const QString&) {
            EXPECT_EQ(pairAt(backup), betaBefore);
            const Pair client = pairAt(acme);
            EXPECT_TRUE(client == acmeBefore || client == betaBefore) << "the client holds a mix of two clients";
        });
    EXPECT_GE(steps, 10);
    EXPECT_EQ(pairAt(acme), betaBefore);
    EXPECT_TRUE(shown.contains(QStringLiteral("File restore completed successfully")));
}
