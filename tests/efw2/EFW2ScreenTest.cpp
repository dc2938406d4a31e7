#include "EFW2Fixture.h"

#include "client/EFW2SettingsFiles.h"
#include "client/ProgramWideFiles.h"
#include "client/ui/Launchers.h"
#include "client/ui/ScreenRules.h"
#include "components/ui/FilterEdit.h"
#include "efw2/ui/PayEFW2.h"
#include "platform/Folders.h"
#include "platform/AppMessageBox.h"
#include "platform/FileOperations.h"
#include "tests/support/JournaledStepChecks.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

class EFW2ScreenTest : public EFW2Test {
protected:
    void SetUp() override
    {
        EFW2Test::SetUp();
        CompanyRec.PayrollPosted = true;
        W2W3VisitCount = 2;
        module->RSCompany.PostRec();
    }

    // Opens the screen over the submitter as stored.
    std::unique_ptr<TFrmEFW2> open(const EFW2SubmitterRecord& stored)
    {
        SaveSubmitterFile(W2SubmitterFileName, stored);
        auto screen = std::make_unique<TFrmEFW2>();
        screen->show();
        QCoreApplication::processEvents();
        return screen;
    }

    QString clientFile(const TFrmEFW2& screen) const
    {
        return EFW2ClientFileName(screen.runFiles().efw2Dir, CompanyFileName);
    }
};

TEST_F(EFW2ScreenTest, ProcessWaitsForPostingAndTheW2AndW3Screens)
{
    const struct {
        bool posted;
        int visits;
        bool enabled;
    } cases[] = {{true, 2, true}, {false, 2, false}, {true, 1, false}};
    for (const auto& c : cases) {
        CompanyRec.PayrollPosted = c.posted;
        W2W3VisitCount = c.visits;
        auto screen = open(run.submitter);
        EXPECT_EQ(screen->BtnProcess->isEnabled(), c.enabled);
        EXPECT_EQ(screen->ChkFinal->isEnabled(), c.enabled);
        // A grey Process says what it waits for.
        EXPECT_EQ(screen->ProcessMissing->isVisibleTo(screen.get()), !c.enabled);
        EXPECT_TRUE(screen->ProcessMissing->text().contains(c.posted ? QStringLiteral("Form W-3 screen")
                                                                     : QStringLiteral("payroll is posted")) || c.enabled);
        EXPECT_FALSE(screen->BtnReset->isEnabled());
        screen->close();
    }
}

TEST_F(EFW2ScreenTest, ValidationFocusesTheFirstFaultAndColoursTheFields)
{
    EFW2SubmitterRecord empty {};
    auto screen = open(empty);
    EXPECT_EQ(screen->focusWidget(), static_cast<QWidget*>(screen->EIN));
    EXPECT_EQ(PaintedColor(screen->EIN), kFocusedFieldColor);
    EXPECT_EQ(PaintedColor(screen->UserID), kMissingFieldColor);
    EXPECT_EQ(PaintedColor(screen->PreparerCode), kMissingFieldColor);
    EXPECT_FALSE(PaintedColor(screen->CompanyName).isValid());
    EXPECT_FALSE(screen->ResubID->isEnabled());
    messages.expect(IdOk, QStringLiteral("Submitter's Employer Identification Number is required."));
    screen->BtnProcess->click();
    EXPECT_TRUE(messages.allAnswered());
    EXPECT_EQ(screen->focusWidget(), static_cast<QWidget*>(screen->EIN));

    screen->EIN->setText(QStringLiteral("98-7654321"));
    screen->UserID->setText(QStringLiteral("ABCD123"));
    messages.expect(IdOk, QStringLiteral("BSO User ID must be 8 characters."));
    screen->BtnProcess->click();
    EXPECT_EQ(screen->focusWidget(), static_cast<QWidget*>(screen->UserID));
    screen->UpdateFieldColors();
    EXPECT_FALSE(PaintedColor(screen->EIN).isValid());
    EXPECT_FALSE(QFileInfo::exists(clientFile(*screen)));
    screen->close();
}

TEST_F(EFW2ScreenTest, ProcessWritesTheClientFileOnceAndResetStartsOver)
{
    auto screen = open(run.submitter);
    if (const QString folder = qEnvironmentVariable("LEDGORA_SCREENSHOTS"); !folder.isEmpty())
        screen->grab().save(folder + QStringLiteral("/EFW2.png"));
    messages.expect(IdOk, QStringLiteral("Process Completed.  Total employee records processed for Acme Tools = 2"));
    screen->BtnProcess->click();
    EXPECT_TRUE(messages.allAnswered());
    EXPECT_TRUE(QFileInfo::exists(clientFile(*screen)));
    EXPECT_EQ(screen->TotalRecords->text(), QStringLiteral("2"));
    EXPECT_FALSE(screen->BtnProcess->isEnabled());
    EXPECT_TRUE(screen->BtnReset->isEnabled());
    EXPECT_EQ(screen->MemoClientsProcessed->toPlainText(), QStringLiteral("Acme Tools"));
    screen->close();

    // Known by its company file, the client stays processed at the next opening.
    EFW2SubmitterRecord stored {};
    LoadSubmitterFile(W2SubmitterFileName, stored);
    EXPECT_EQ(stored.TotalRecords, 2);
    screen = std::make_unique<TFrmEFW2>();
    screen->show();
    QCoreApplication::processEvents();
    EXPECT_FALSE(screen->BtnProcess->isEnabled());

    messages.expect(IdNo, QStringLiteral("Are you sure?"));
    screen->BtnReset->click();
    EXPECT_EQ(screen->TotalRecords->text(), QStringLiteral("2"));
    messages.expect(IdYes, QStringLiteral("Are you sure?"));
    screen->BtnReset->click();
    EXPECT_EQ(screen->TotalRecords->text(), QStringLiteral("0"));
    EXPECT_TRUE(screen->BtnProcess->isEnabled());
    EXPECT_FALSE(screen->BtnReset->isEnabled());
    EXPECT_TRUE(QFileInfo::exists(clientFile(*screen)));
    EXPECT_FALSE(QFileInfo::exists(screen->runFiles().processedClientsFile));
    screen->close();
}

TEST_F(EFW2ScreenTest, AProcessStoppedBeforeItsLastRenameIsFinishedOnceWhenTheScreenOpens)
{
    auto screen = open(run.submitter);
    const EFW2RunFiles files = screen->runFiles();
    screen->close();
    int renames = 0;
    const FileOperationFault previous = SetFileOperationFault([&renames](FileOperation operation, const QString&) {
        // The journal's, the client file's, the submitter file's two (aside, then in place), and
        // last the processed-clients list's, which is stopped.
        if (operation == FileOperation::Rename && ++renames == 5)
            throw SimulatedStop{};
        return 0;
    });
    EXPECT_THROW(ProcessClient(files, run, CompanyRec.Name, CompanyFileName), SimulatedStop);
    SetFileOperationFault(previous);

    messages.expect(IdOk, QStringLiteral("The EFW2 Process of Acme Tools did not finish"));
    screen = std::make_unique<TFrmEFW2>();
    screen->show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(messages.allAnswered());
    EXPECT_EQ(screen->TotalRecords->text(), QStringLiteral("2"));
    EXPECT_EQ(screen->MemoClientsProcessed->toPlainText(), QStringLiteral("Acme Tools"));
    EXPECT_FALSE(screen->BtnProcess->isEnabled());
    screen->close();

    // Said once.
    screen = std::make_unique<TFrmEFW2>();
    screen->show();
    QCoreApplication::processEvents();
    screen->close();
}

// Another window in the middle of its Process holds the run's journal: this screen leaves every
// file of that run alone until the other window is gone.
TEST_F(EFW2ScreenTest, AProcessRunningInAnotherWindowIsLeftAloneWhenTheScreenOpens)
{
    auto screen = open(run.submitter);
    const EFW2RunFiles files = screen->runFiles();
    screen->close();
    int renames = 0;
    const FileOperationFault previous = SetFileOperationFault([&renames](FileOperation operation, const QString&) {
        if (operation == FileOperation::Rename && ++renames == 3)
            throw SimulatedStop{};
        return 0;
    });
    EXPECT_THROW(ProcessClient(files, run, CompanyRec.Name, CompanyFileName), SimulatedStop);
    SetFileOperationFault(previous);
    const QString journal = EFW2RunJournalFile(files.submitterFile);
    const QStringList runFiles{files.submitterFile, files.processedClientsFile, clientFile(*screen), journal};
    const FileStates during = ReadFileStates(runFiles);

    // The lock as the other window's step holds it: an open file description of its own.
    const int other = ::open(QFile::encodeName(journal).constData(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(other, 0);
    struct flock whole {};
    whole.l_type = F_WRLCK;
    ASSERT_EQ(::fcntl(other, F_OFD_SETLK, &whole), 0);
    messages.expect(IdOk, QStringLiteral("running in another window"));
    screen = std::make_unique<TFrmEFW2>();
    screen->show();
    QCoreApplication::processEvents();
    screen->close();
    EXPECT_TRUE(messages.allAnswered());
    EXPECT_EQ(ReadFileStates(runFiles), during);

    ::close(other);
    messages.expect(IdOk, QStringLiteral("The EFW2 Process of Acme Tools did not finish"));
    screen = std::make_unique<TFrmEFW2>();
    screen->show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(messages.allAnswered());
    EXPECT_FALSE(QFileInfo::exists(journal));
    screen->close();
}

// A journal someone else left beside the run's settings, naming a file of another folder: the
// screen says it was not followed, sets it aside, closes, and changes no file.
TEST_F(EFW2ScreenTest, ACraftedJournalIsSetAsideAndTheScreenClosesWithoutWriting)
{
    auto screen = open(run.submitter);
    const EFW2RunFiles files = screen->runFiles();
    screen->close();
    const QString outside = tempPath(QStringLiteral("outside/"));
    ASSERT_TRUE(QDir().mkpath(outside));
    WriteTestFile(outside + QStringLiteral("secret"), "the user's own file");
    const QString journal = EFW2RunJournalFile(files.submitterFile);
    WriteTestFile(journal, "Ledgora change journal 2\nChange=A crafted change\nFolder=" + outside.toUtf8().toPercentEncoding("/")
                               + "\nTarget=secret\nNew=\nFormer=.secret.k3.old\nSize=0\nCrc32=0\n");
    const QStringList runFiles{files.submitterFile, files.processedClientsFile, clientFile(*screen),
                               outside + QStringLiteral("secret")};
    const FileStates before = ReadFileStates(runFiles);

    messages.expect(IdOk, QStringLiteral("The journal %1 was not followed").arg(journal));
    screen = std::make_unique<TFrmEFW2>();
    screen->show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(messages.allAnswered());
    EXPECT_FALSE(screen->isVisible());
    screen->close();
    EXPECT_EQ(ReadFileStates(runFiles), before);
    EXPECT_FALSE(QFileInfo::exists(journal));
    EXPECT_TRUE(QFileInfo::exists(journal + QStringLiteral(".refused")));
}

TEST_F(EFW2ScreenTest, RefusedWageReportOffersTheWholeListAndWritesNothing)
{
    for (int n : {1, 2}) {
        module->RSEmployee.SetCurrentRecord(n);
        module->RSEmployee.GetRec();
        EmployeeRec.MedEarnings[kYearToDateColumn] = 100;   // below the social security wages
        module->RSEmployee.PostRec();
    }
    auto screen = open(run.submitter);
    messages.expect(IdNo, QStringLiteral("Show the whole list?"));
    screen->BtnProcess->click();
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("for 3 reasons; nothing was written")));
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("Box 5 Medicare wages and tips of employee Jos")));
    EXPECT_FALSE(QFileInfo::exists(clientFile(*screen)));

    QString listed;
    messages.expect(IdYes, QStringLiteral("Show the whole list?"));
    dialogs.onNextModal([&](QDialog& window) {
        if (const QString folder = qEnvironmentVariable("LEDGORA_SCREENSHOTS"); !folder.isEmpty())
            window.grab().save(folder + QStringLiteral("/EFW2Refusals.png"));
        listed = window.findChild<QPlainTextEdit*>(QStringLiteral("Refusals"))->toPlainText();
        window.findChild<QPushButton*>(QStringLiteral("BtnClose"))->click();
    });
    screen->BtnProcess->click();
    EXPECT_TRUE(dialogs.allUsed());
    const QStringList lines = listed.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 3) << listed.toStdString();
    EXPECT_TRUE(lines[0].contains(QStringLiteral("employee Jos")));
    EXPECT_TRUE(lines[1].contains(QStringLiteral("employee Ann Lee (345-67-8901)")));
    EXPECT_TRUE(lines[2].contains(QStringLiteral("the employer's totals (RT)")));
    EXPECT_FALSE(QFileInfo::exists(clientFile(*screen)));
    EXPECT_TRUE(screen->BtnProcess->isEnabled());
    screen->close();
}

TEST_F(EFW2ScreenTest, ClosingWithdrawsAnUnprocessedFinalDesignation)
{
    // A multi-client file under way: the first client went in with "Final" checked.
    run.submitter.ExcludeFinal = true;
    EFW2RunFiles files;
    files.submitterFile = W2SubmitterFileName;
    files.processedClientsFile = ProgramWideFile(kProcessedClientsFile);
    files.efw2Dir = EFW2DirOf(DataDir);
    files.masterFile = files.efw2Dir + QStringLiteral("FormsW2Report.txt");
    ProcessClient(files, run, QStringLiteral("Other Client"), tempPath(QStringLiteral("OTHER.C26")));

    auto screen = std::make_unique<TFrmEFW2>();
    screen->show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(screen->ChkSubmitter->isChecked());
    EXPECT_FALSE(screen->ChkSubmitter->isEnabled());
    messages.expect(IdOk, QStringLiteral("You have already created a Submitter record."));
    screen->ChkSubmitter->setEnabled(true);
    screen->ChkSubmitter->click();
    EXPECT_TRUE(screen->ChkSubmitter->isChecked());

    messages.expect(IdNo, QStringLiteral("Will this be the last Client to be Processed?"));
    screen->ChkFinal->click();
    EXPECT_TRUE(screen->ChkFinal->isChecked());
    EXPECT_FALSE(EFW2SubmitterRec.FinalPending);
    messages.expect(IdYes, QStringLiteral("Will this be the last Client to be Processed?"));
    screen->ChkFinal->click();
    EXPECT_TRUE(EFW2SubmitterRec.FinalPending);
    messages.expect(IdOk, QStringLiteral("no longer designated"));
    screen->BtnClose->click();
    EXPECT_TRUE(messages.allAnswered());
    EXPECT_FALSE(screen->isVisible());
    EFW2SubmitterRecord stored {};
    LoadSubmitterFile(W2SubmitterFileName, stored);
    EXPECT_FALSE(stored.FinalPending);
    EXPECT_TRUE(stored.ExcludeFinal);
}

TEST_F(EFW2ScreenTest, AClientWithoutW2EmployeesIsRefusedBeforeTheSubmitterChecks)
{
    for (int n = 1; n <= 2; ++n) {
        module->RSEmployee.SetCurrentRecord(n);
        module->RSEmployee.GetRec();
        for (TPeriodAmounts* amounts : {&EmployeeRec.FedEarnings, &EmployeeRec.FICAEarnings, &EmployeeRec.MedEarnings})
            (*amounts)[kYearToDateColumn] = 0;
        EmployeeRec.Tips[kYearToDateColumn] = 0;
        module->RSEmployee.PostRec();
    }
    EFW2SubmitterRecord empty {};
    auto screen = open(empty);
    messages.expect(IdOk, QStringLiteral("This client file does not have any valid W-2 employees."));
    screen->BtnProcess->click();
    EXPECT_TRUE(messages.allAnswered());
    EXPECT_EQ(screen->TotalRecords->text(), QStringLiteral("0"));
    screen->close();
}

TEST_F(EFW2ScreenTest, ABlankCompanyEINIsRefusedAndNothingIsWritten)
{
    CompanyRec.FederalID = QString();
    module->RSCompany.PostRec();
    auto screen = open(run.submitter);
    messages.expect(IdOk, QStringLiteral("File > Company"));
    screen->BtnProcess->click();
    EXPECT_TRUE(messages.allAnswered());
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("Employer Identification Number (EIN)")));
    EXPECT_FALSE(QFileInfo::exists(clientFile(*screen)));
    EXPECT_EQ(screen->TotalRecords->text(), QStringLiteral("0"));
    EXPECT_TRUE(screen->BtnProcess->isEnabled());
    screen->close();
}

TEST_F(EFW2ScreenTest, TheToolsMenuOpensTheScreen)
{
    InstallLaunchers();
    EXPECT_TRUE(HasLauncher(Launch::TFrmEFW2));
}

} // namespace
