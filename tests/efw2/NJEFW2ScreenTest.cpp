#include "EFW2Fixture.h"

#include "client/EFW2SettingsFiles.h"
#include "client/ProgramWideFiles.h"
#include "client/ui/ScreenRules.h"
#include "components/StateTables.h"
#include "components/ui/CheckBoxEdit.h"
#include "components/ui/FilterEdit.h"
#include "efw2/ui/PayEFW2.h"
#include "efw2/ui/PayNJEFW2.h"
#include "platform/AppMessageBox.h"
#include "platform/Folders.h"
#include "tests/support/JournaledStepChecks.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

class NJEFW2ScreenTest : public EFW2Test {
protected:
    void SetUp() override
    {
        EFW2Test::SetUp();
        CompanyRec.PayrollPosted = true;
        W2W3VisitCount = 2;
        module->RSCompany.PostRec();
        module->RSEmployee.RootRec();
        module->RSEmployee.NextRec();
        EmployeeRec.WorkStateIndex = StateCodeIndex(QStringLiteral("NJ")) + 1;
        EmployeeRec.StateEarning[kYearToDateColumn] = 30000;
        module->RSEmployee.PostRec();
        qunsetenv("LEDGORA_DEVELOPER_MODE");
    }

    std::unique_ptr<TFrmNJEFW2> open()
    {
        auto screen = std::make_unique<TFrmNJEFW2>(run.submitter);
        screen->show();
        QCoreApplication::processEvents();
        return screen;
    }
};

TEST_F(NJEFW2ScreenTest, ProcessWritesTheClientFileIntoAFolderItCreates)
{
    ASSERT_FALSE(QFileInfo::exists(EFW2DirOf(DataDir)));
    auto screen = open();
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("New Jersey State EFW2 — File Creation Version 2026.00"));
    EXPECT_TRUE(QFileInfo(EFW2DirOf(DataDir)).isDir());
    EXPECT_FALSE(screen->DisbPlanType->checked());
    EXPECT_FALSE(screen->DisbPlanNum->isEnabled());
    EXPECT_TRUE(screen->BtnProcess->isEnabled());
    messages.expect(IdOk, QStringLiteral("Process Completed.  Total NJ employee records processed for Acme Tools = 1"));
    screen->BtnProcess->click();
    EXPECT_TRUE(messages.allAnswered());
    EXPECT_FALSE(screen->BtnProcess->isEnabled());
    EXPECT_EQ(screen->TotalRecords->text(), QStringLiteral("1"));
    const QString file = NJClientFileName(screen->runFiles().efw2Dir, CompanyFileName);
    EXPECT_EQ(Kinds(fileLines(file)), (QStringList {"RA", "RE", "RW", "RS", "RW", "RO", "RT", "RU", "RF"}));
    screen->close();

    // The client is processed: a second opening offers no Process until Reset.
    screen = open();
    EXPECT_FALSE(screen->BtnProcess->isEnabled());
    EXPECT_TRUE(screen->BtnReset->isEnabled());
    messages.expect(IdYes, QStringLiteral("This will clear the Master NJ State EFW2 Text File"));
    screen->BtnReset->click();
    EXPECT_EQ(screen->TotalRecords->text(), QStringLiteral("0"));
    EXPECT_TRUE(screen->BtnProcess->isEnabled());
    EXPECT_TRUE(QFileInfo::exists(file));
    screen->close();
}

// Another window holds the New Jersey run's journal while its step runs: this screen says so,
// closes, and writes none of the run's files.
TEST_F(NJEFW2ScreenTest, AStepRunningInAnotherWindowClosesTheScreenWithoutWriting)
{
    auto screen = open();
    const NJEFW2RunFiles files = screen->runFiles();
    screen->close();
    const QString journal = EFW2RunJournalFile(files.stateFile);
    WriteTestFile(journal, "the other window's journal");
    const QStringList runFiles{files.stateFile, files.processedClientsFile, journal};
    const FileStates before = ReadFileStates(runFiles);
    const int other = ::open(QFile::encodeName(journal).constData(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(other, 0);
    struct flock whole {};
    whole.l_type = F_WRLCK;
    ASSERT_EQ(::fcntl(other, F_OFD_SETLK, &whole), 0);

    messages.expect(IdOk, QStringLiteral("running in another window"));
    screen = open();
    EXPECT_TRUE(messages.allAnswered());
    EXPECT_FALSE(screen->isVisible());
    screen->close();
    EXPECT_EQ(ReadFileStates(runFiles), before);
    ::close(other);
}

// The settings and lists of processed clients go to the user's data folder, never beside the
// program, which is only read once installed.
TEST_F(NJEFW2ScreenTest, TheSSAAndNewJerseyRunsOnlyReadTheProgramFolder)
{
    const FolderSnapshot before(programDir());
    {
        ReadOnlyFolder readOnly(programDir());
        SaveSubmitterFile(W2SubmitterFileName, run.submitter);
        TFrmEFW2 ssa;
        ssa.show();
        QCoreApplication::processEvents();
        messages.expect(IdOk, QStringLiteral("Process Completed.  Total employee records processed for Acme Tools = 2"));
        ssa.BtnProcess->click();
        ssa.close();

        auto nj = open();
        messages.expect(IdOk, QStringLiteral("Process Completed.  Total NJ employee records processed for Acme Tools = 1"));
        nj->BtnProcess->click();
        nj->close();
    }
    EXPECT_TRUE(messages.allAnswered());
    EXPECT_TRUE(FolderSnapshot(programDir()) == before) << "something was written beside the program";
    for (const char* name : {kSubmitterFile, kProcessedClientsFile, kNJStateFile, kNJProcessedClientsFile})
        EXPECT_TRUE(QFileInfo::exists(ProgramWideFile(name))) << name;
}

TEST_F(NJEFW2ScreenTest, CheckedPlanWithoutItsIdIsMarkedAndStopsProcess)
{
    auto screen = open();
    screen->DisbPlanType->setChecked(true);
    screen->UpdatePlanFields();
    EXPECT_TRUE(screen->DisbPlanNum->isEnabled());
    EXPECT_EQ(PaintedColor(screen->DisbPlanNum), kMissingFieldColor);
    messages.expect(IdOk, QStringLiteral("The Disability Plan ID number is required."));
    screen->BtnProcess->click();
    EXPECT_TRUE(messages.allAnswered());
    EXPECT_EQ(screen->focusWidget(), static_cast<QWidget*>(screen->DisbPlanNum));
    EXPECT_EQ(screen->TotalRecords->text(), QStringLiteral("0"));
    EXPECT_FALSE(QFileInfo::exists(NJClientFileName(screen->runFiles().efw2Dir, CompanyFileName)));
    screen->DisbPlanNum->setText(QStringLiteral("ABC"));
    EXPECT_FALSE(PaintedColor(screen->DisbPlanNum) == kMissingFieldColor);
    screen->close();
}

TEST_F(NJEFW2ScreenTest, StoredTestFlagIsClearedOutsideDeveloperMode)
{
    const NJEFW2RunFiles files = NJRunFiles(UserDataDir(), DataDir);
    NJStateFileRecord stored {};
    stored.TestFile = true;
    SaveNJStateFile(files.stateFile, stored);
    auto screen = open();
    EXPECT_FALSE(screen->Indicator->isEnabled());
    EXPECT_FALSE(screen->Indicator->checked());
    screen->close();
    LoadNJStateFile(files.stateFile, stored);
    EXPECT_FALSE(stored.TestFile);

    qputenv("LEDGORA_DEVELOPER_MODE", "1");
    stored.TestFile = true;
    SaveNJStateFile(files.stateFile, stored);
    screen = open();
    EXPECT_TRUE(screen->Indicator->isEnabled());
    EXPECT_TRUE(screen->Indicator->checked());
    screen->close();
    qunsetenv("LEDGORA_DEVELOPER_MODE");
}

TEST_F(NJEFW2ScreenTest, LastClientQuestionAndCloseWithdrawsAnUnprocessedFinal)
{
    const NJEFW2RunFiles files = NJRunFiles(UserDataDir(), DataDir);
    QDir().mkpath(files.efw2Dir);
    NJStateFileRecord stored {};
    stored.ExcludeFinal = true;
    SaveNJStateFile(files.stateFile, stored);
    auto screen = open();
    // Nothing in the master file yet: unchecking Final asks nothing.
    screen->ChkNJFinal->click();
    EXPECT_FALSE(screen->ChkNJFinal->isChecked());
    screen->ChkNJFinal->click();
    messages.expect(IdOk, QStringLiteral("Process Completed"));
    screen->BtnProcess->click();
    EXPECT_TRUE(screen->ChkNJSubmitter->isChecked());
    screen->close();

    module->RSEmployee.CloseRecSet();
    openClient(QStringLiteral("BETA"));
    fillCompany();
    CompanyRec.Name = QStringLiteral("Beta Works");
    CompanyRec.PayrollPosted = true;
    W2W3VisitCount = 2;
    addEmployees();
    screen = open();
    EXPECT_TRUE(screen->ChkNJFinal->isChecked());
    messages.expect(IdNo, QStringLiteral("Will this be the last NJ State Client to be Processed?"));
    screen->ChkNJFinal->click();
    EXPECT_TRUE(screen->ChkNJFinal->isChecked());
    messages.expect(IdYes, QStringLiteral("Will this be the last NJ State Client to be Processed?"));
    screen->ChkNJFinal->click();
    EXPECT_FALSE(screen->ChkNJFinal->isChecked());
    messages.expect(IdOk, QStringLiteral("The Final Client was not processed."));
    screen->close();
    EXPECT_FALSE(screen->isVisible());
    LoadNJStateFile(files.stateFile, stored);
    EXPECT_FALSE(stored.FinalPending);
    EXPECT_TRUE(stored.ExcludeFinal);
    EXPECT_EQ(stored.TotalRecords, 1);
}

} // namespace
