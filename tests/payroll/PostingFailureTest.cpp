#include "PostingFixture.h"

#include "client/PostingJournal.h"
#include "components/FileRoutines.h"
#include "components/FileSharing.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"

#include <QDir>
#include <QFileInfo>

#include <unistd.h>

namespace {

QString MessageOfPosting()
{
    try {
        PostPayroll();
    } catch (const Exception& e) {
        return e.message();
    }
    ADD_FAILURE() << "Posting did not fail";
    return QString();
}

} // namespace

class PostingFailureTest : public PostingTest {
protected:
    void SetUp() override
    {
        PostingTest::SetUp();
        addPaidEmployee(QStringLiteral("One"), 1000);
        addPaidEmployee(QStringLiteral("Two"), 2000);
        addPaidEmployee(QStringLiteral("Three"), 3000);
    }

    // The client must be open, not browse-only, with the pay period still open and unposted.
    void expectOpenAndUnposted()
    {
        EXPECT_TRUE(module->RSEmployee.Active());
        EXPECT_FALSE(module->RSEmployee.BrowseOnly());
        EXPECT_EQ(CompanyRec.PayDate.get(), QStringLiteral("01/09/2026"));
        EXPECT_FALSE(CompanyRec.PayrollPosted);
        EXPECT_EQ(CompanyRec.PriorPeriodCount, 0);
        EXPECT_FALSE(QFileInfo::exists(PostingJournalFileName(clientPath())));
    }

    // Posting once more must count the period exactly once.
    void expectASecondPostingCountsOnce()
    {
        AfterEmployeePosted = nullptr;
        PostPayroll();
        EXPECT_EQ(CompanyRec.PriorPeriodCount, 1);
        EXPECT_NEAR(CompanyRec.TaxLibMonth[1][9], 6 * (62 + 62 + 14.5 + 14.5 + 100), 1e-9);
        for (int n = 1; n <= 3; ++n) {
            readEmployee(n);
            EXPECT_DOUBLE_EQ(EmployeeRec.Wages[kYearToDateColumn], 1000.0 * n) << "employee " << n;
            EXPECT_EQ(EmployeeRec.Wages[kCurrentColumn], 0);
        }
    }
};

TEST_F(PostingFailureTest, FailureHalfWayLeavesTheClientUnpostedAndWhole)
{
    // Stopped after the first employee, after the second, and after the last one, before the
    // company record is written.
    for (int stopAfter : {1, 2, 3}) {
        SCOPED_TRACE(stopAfter);
        const QByteArray before = clientBytes();
        AfterEmployeePosted = [stopAfter](int posted) {
            if (posted == stopAfter)
                throw EInOutError(QStringLiteral("Unable to write record 2 of ACME.P26: No space left on device"));
        };
        const QString message = MessageOfPosting();
        EXPECT_TRUE(message.startsWith(QStringLiteral("Unable to write record 2 of ACME.P26: No space left on device")))
            << message.toStdString();
        EXPECT_TRUE(message.contains(QStringLiteral("Posting was stopped and nothing was posted: the client is as it was "
                                                    "before posting.")));
        EXPECT_EQ(clientBytes(), before);
        expectOpenAndUnposted();
    }
    expectASecondPostingCountsOnce();
}

TEST_F(PostingFailureTest, RefusedDirectDepositFilePostsNothing)
{
    CompanyRec.DirDeposit = true;
    CompanyRec.AccountID = QStringLiteral("1,2");
    module->RSCompany.PostRec();
    readEmployee(2);
    EmployeeRec.DirDeposit = true;
    module->RSEmployee.PostRec();
    const QByteArray before = clientBytes();
    const QString message = MessageOfPosting();
    EXPECT_TRUE(message.contains(QStringLiteral("No direct-deposit file was written."))) << message.toStdString();
    EXPECT_EQ(clientBytes(), before);
    expectOpenAndUnposted();
}

TEST_F(PostingFailureTest, EmployeeWithPayAndNoWorkStatePostsNothing)
{
    readEmployee(3);
    EmployeeRec.WorkStateIndex = 0;
    module->RSEmployee.PostRec();
    const QByteArray before = clientBytes();
    const QString message = MessageOfPosting();
    EXPECT_TRUE(message.contains(QStringLiteral("The work state of Pat Three is not set"))) << message.toStdString();
    EXPECT_EQ(clientBytes(), before);
    expectOpenAndUnposted();
}

TEST_F(PostingFailureTest, FailedCopyLeavesTheClientOpenAndUnposted)
{
    // A folder where the copy of the company file should go: the copy cannot replace it.
    ASSERT_TRUE(QDir().mkpath(BackupDir + QStringLiteral("ACME.C26")));
    const QByteArray before = clientBytes();
    try {
        PostPayroll();
        ADD_FAILURE() << "Posting did not fail";
    } catch (const ECopyFileException& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("The following error occurred during the copy file process:\r")))
            << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(BackupDir + QStringLiteral("ACME.C26: "))) << e.message().toStdString();
    }
    EXPECT_EQ(clientBytes(), before);
    EXPECT_FALSE(QFileInfo::exists(BackupDir + QStringLiteral("ACME.P26")));
    expectOpenAndUnposted();
}

TEST_F(PostingFailureTest, BrowseOnlyClientIsRefused)
{
    module->RSEmployee.CloseRecSet();
    TFrmDataModule writer;
    FrmDataModule = &writer;
    ASSERT_TRUE(writer.OpenClient(clientPath()));
    FrmDataModule = module.get();
    messages.expect(IdOk, QStringLiteral(" is already in use!"));
    openClient();
    ASSERT_TRUE(module->RSEmployee.BrowseOnly());
    const QByteArray before = clientBytes();
    try {
        PostPayroll();
        ADD_FAILURE() << "Posting did not fail";
    } catch (const ERecordSetException& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Function is not executable in browse mode."));
    }
    EXPECT_EQ(confirmations, 0);
    EXPECT_EQ(clientBytes(), before);
    EXPECT_FALSE(QFileInfo::exists(BackupDir + QStringLiteral("ACME.P26")));
}

TEST_F(PostingFailureTest, InterruptedPostingIsUndoneWhenTheClientIsNextOpened)
{
    GTEST_FLAG_SET(death_test_style, "fast");
    module->RSEmployee.CloseRecSet();
    const QByteArray before = clientBytes();

    // A program stopped dead after posting two of the three employees.
    EXPECT_EXIT(
        {
            module->OpenClient(clientPath());
            AfterEmployeePosted = [](int posted) {
                if (posted == 2)
                    ::_exit(3);
            };
            PostPayroll();
            ::_exit(0);
        },
        ::testing::ExitedWithCode(3), "");
    ASSERT_TRUE(QFileInfo::exists(PostingJournalFileName(clientPath())));
    ASSERT_NE(clientBytes(), before) << "the stopped posting changed nothing";

    messages.expect(IdOk, QStringLiteral("did not finish"));
    openClient();
    EXPECT_EQ(messages.last().text,
              QStringLiteral("The last posting of ACME.P26 (pay date 01/09/2026) did not finish.\r\rBoth client files have "
                             "been put back as they were before that posting began, from the copies in ")
                  + QFileInfo(BackupDir + QStringLiteral("ACME.P26")).absolutePath()
                  + QStringLiteral(". Nothing of that posting was kept: the pay period is open again and still has to "
                                   "be posted."));
    EXPECT_EQ(messages.last().flags, MbIconInformation);
    EXPECT_EQ(clientBytes(), before);
    expectOpenAndUnposted();
    expectASecondPostingCountsOnce();
}

class PostingJournalTest : public PostingTest {
protected:
    // A journal as a posting leaves it while it runs, with the copies made.
    void beginJournal()
    {
        module->RSEmployee.CloseRecSet();
        ASSERT_TRUE(QDir().mkpath(BackupDir));
        CopyFileChecked(companyFile(), companyCopy(), false);
        CopyFileChecked(clientPath(), employeeCopy(), false);
        BeginPostingJournal(clientPath(), QStringLiteral("01/09/2026"), companyCopy(), employeeCopy());
        original = clientBytes();
        // Half a posting.
        WriteTestFile(clientPath(), QByteArray(46104, 'x'));
    }

    QString companyCopy() const { return BackupDir + QStringLiteral("ACME.C26"); }
    QString employeeCopy() const { return BackupDir + QStringLiteral("ACME.P26"); }

    QByteArray original;
};

TEST_F(PostingJournalTest, ChangedCopyIsNeverPutBack)
{
    beginJournal();
    QByteArray copy = ReadTestFile(employeeCopy());
    copy[100] = static_cast<char>(copy[100] ^ 1);
    WriteTestFile(employeeCopy(), copy);
    const QByteArray halfPosted = clientBytes();
    try {
        module->OpenClient(clientPath());
        ADD_FAILURE() << "The client opened";
    } catch (const ECustomException& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("The last posting of ACME.P26 (pay date 01/09/2026) did not "
                                                          "finish, and the client could not be put back")))
            << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(QStringLiteral("The copy %1, made when that posting began, has changed since.")
                                             .arg(employeeCopy())));
        EXPECT_TRUE(e.message().contains(PostingJournalFileName(clientPath())));
    }
    EXPECT_FALSE(module->RSEmployee.Active());
    EXPECT_FALSE(FileIsOpen);
    EXPECT_EQ(clientBytes(), halfPosted);
    EXPECT_TRUE(QFileInfo::exists(PostingJournalFileName(clientPath())));
}

TEST_F(PostingJournalTest, MissingCopyIsReported)
{
    beginJournal();
    ASSERT_TRUE(QFile::remove(companyCopy()));
    EXPECT_THROW(module->OpenClient(clientPath()), ECustomException);
    EXPECT_TRUE(QFileInfo::exists(PostingJournalFileName(clientPath())));
}

TEST_F(PostingJournalTest, ClientWrittenByAnotherProgramIsLeftAlone)
{
    beginJournal();
    const QByteArray halfPosted = clientBytes();
    SharedFile other;
    ASSERT_TRUE(other.open(clientPath(), SharedFile::Access::ReadWrite, {false, true}, false));
    EXPECT_EQ(RestoreFromPostingJournal(clientPath()), JournalRestore::InUse);
    RecoverInterruptedPosting(clientPath());
    EXPECT_EQ(clientBytes(), halfPosted);
    EXPECT_TRUE(QFileInfo::exists(PostingJournalFileName(clientPath())));

    other.close();
    EXPECT_EQ(RestoreFromPostingJournal(clientPath()), JournalRestore::Restored);
    EXPECT_EQ(clientBytes(), original);
    EXPECT_FALSE(QFileInfo::exists(PostingJournalFileName(clientPath())));
}

TEST_F(PostingJournalTest, DamagedJournalKeepsTheClientClosed)
{
    beginJournal();
    WriteTestFile(PostingJournalFileName(clientPath()), QByteArray("Ledgora posting journal 1\nPayDate=01/09/2026\n"));
    EXPECT_THROW(module->OpenClient(clientPath()), ECustomException);
    EXPECT_FALSE(FileIsOpen);
}
