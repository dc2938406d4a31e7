#include "FailingFileOperations.h"
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

// A full disk at each write, sync, close or rename of a posting in turn, from the copies into the
// Backup folder through the journal and every record to the removal of the journal.
TEST_F(PostingFailureTest, FullDiskAtAnyStepPostsNothingAndKeepsEveryFileWhole)
{
    const QString employeeCopy = BackupDir + QStringLiteral("ACME.P26");
    const QString companyCopy = BackupDir + QStringLiteral("ACME.C26");
    ASSERT_TRUE(QDir().mkpath(BackupDir));
    WriteTestFile(companyCopy, QByteArray("a backup of another day"));
    WriteTestFile(employeeCopy, QByteArray("of the same other day"));
    const auto backupBytes = [&] { return ReadTestFile(companyCopy) + ReadTestFile(employeeCopy); };
    const QStringList temporaries{QStringLiteral("*.part"), QStringLiteral("*.new")};

    int n = 1;
    for (;; ++n) {
        SCOPED_TRACE(n);
        if (!module->RSEmployee.Active())
            openClient();  // a failure while the client was opened again leaves it closed
        const QByteArray before = clientBytes();
        const QByteArray backupBefore = backupBytes();
        FailingFileOperations failing(kWritingOperations, n);
        QString message;
        try {
            PostPayroll();
        } catch (const Exception& e) {
            message = e.message();
        }
        if (failing.failedPath().isEmpty() || message.isEmpty()) {
            // Only the very last step, the sync of the folder after the journal is gone, may
            // fail without undoing a posting that stands.
            EXPECT_TRUE(failing.failedPath().isEmpty() || failing.calls() == n) << message.toStdString();
            break;
        }
        EXPECT_TRUE(NamesFileAndReason(message, QStringLiteral("No space left on device"))) << message.toStdString();
        EXPECT_FALSE(message.contains(QStringLiteral("Unknown error")));
        EXPECT_EQ(clientBytes(), before);
        const QByteArray backupAfter = backupBytes();
        EXPECT_TRUE(backupAfter == backupBefore || backupAfter == before) << "the Backup folder holds a mixed pair";
        EXPECT_FALSE(QFileInfo::exists(PostingJournalFileName(clientPath())));
        EXPECT_EQ(QDir(DataDir).entryList(temporaries, QDir::Files | QDir::Hidden), QStringList());
        EXPECT_EQ(QDir(BackupDir).entryList(temporaries, QDir::Files | QDir::Hidden), QStringList());
        if (module->RSEmployee.Active())
            expectOpenAndUnposted();
    }
    EXPECT_GE(n, 20);
    EXPECT_EQ(CompanyRec.PriorPeriodCount, 1);
    EXPECT_TRUE(CompanyRec.PayrollPosted);
    EXPECT_FALSE(QFileInfo::exists(PostingJournalFileName(clientPath())));
}

// The direct-deposit file is one of the posting's files: a posting that fails or is stopped
// leaves the earlier run's file as it was.
TEST_F(PostingFailureTest, DirectDepositFileOfTheEarlierRunStandsWhenPostingIsUndone)
{
    GTEST_FLAG_SET(death_test_style, "fast");
    CompanyRec.DirDeposit = true;
    CompanyRec.AccountID = QStringLiteral("123");
    module->RSCompany.PostRec();
    readEmployee(2);
    EmployeeRec.DirDeposit = true;
    EmployeeRec.BankAcctNum = QStringLiteral("555");
    EmployeeRec.BankRouting = QStringLiteral("011000015");
    module->RSEmployee.PostRec();
    const QString depositFile = ChangeFileExt(clientPath(), QStringLiteral(".txt"));
    const QByteArray earlierRun("the file of the earlier run\r\n");
    WriteTestFile(depositFile, earlierRun);

    // A program stopped dead in the middle of posting.
    module->RSEmployee.CloseRecSet();
    EXPECT_EXIT(
        {
            module->OpenClient(clientPath());
            AfterEmployeePosted = [](int posted) {
                if (posted == 3)
                    ::_exit(3);
            };
            PostPayroll();
            ::_exit(0);
        },
        ::testing::ExitedWithCode(3), "");
    messages.expect(IdOk, QStringLiteral("did not finish"));
    openClient();
    EXPECT_EQ(ReadTestFile(depositFile), earlierRun);

    // A full disk at each step in turn.
    for (int n = 1;; ++n) {
        SCOPED_TRACE(n);
        if (!module->RSEmployee.Active())
            openClient();
        FailingFileOperations failing(kWritingOperations, n);
        QString message;
        try {
            PostPayroll();
        } catch (const Exception& e) {
            message = e.message();
        }
        if (failing.failedPath().isEmpty() || message.isEmpty())
            break;
        EXPECT_EQ(ReadTestFile(depositFile), earlierRun) << message.toStdString();
    }
    EXPECT_NE(ReadTestFile(depositFile), earlierRun) << "the posting that stood wrote no file";
}

TEST_F(PostingFailureTest, CopyChangedBeforeTheJournalIsRefused)
{
    module->RSEmployee.CloseRecSet();
    ASSERT_TRUE(QDir().mkpath(BackupDir));
    const QString copy = BackupDir + QStringLiteral("ACME.P26");
    const FileFingerprint company = CopyFileChecked(companyFile(), BackupDir + QStringLiteral("ACME.C26"), false);
    const FileFingerprint employees = CopyFileChecked(clientPath(), copy, false);
    QByteArray bytes = ReadTestFile(copy);
    bytes.chop(100);
    WriteTestFile(copy, bytes);
    try {
        BeginPostingJournal(clientPath(), QStringLiteral("01/09/2026"), {BackupDir + QStringLiteral("ACME.C26"), company},
                            {copy, employees});
        ADD_FAILURE() << "the journal was written over a short copy";
    } catch (const ECustomException& e) {
        EXPECT_EQ(e.message(), QStringLiteral("The copy %1 does not match the client file it was made from.").arg(copy));
    }
    EXPECT_FALSE(QFileInfo::exists(PostingJournalFileName(clientPath())));
}

TEST_F(PostingFailureTest, JournalThatDoesNotReadBackIsRefused)
{
    // The medium keeps only the start of the journal while reporting it written.
    const FileOperationFault previous = SetFileOperationFault([](FileOperation operation, const QString& path) {
        if (operation == FileOperation::Rename && path.endsWith(QStringLiteral(".Posting")))
            QFile::resize(path + QStringLiteral(".new"), 40);
        return 0;
    });
    const QByteArray before = clientBytes();
    const QString message = MessageOfPosting();
    SetFileOperationFault(previous);
    EXPECT_EQ(message, QStringLiteral("The posting journal %1 cannot be read.\r\rPosting was stopped and nothing was posted.")
                           .arg(PostingJournalFileName(clientPath())));
    EXPECT_EQ(clientBytes(), before);
    expectOpenAndUnposted();
}

class PostingJournalTest : public PostingTest {
protected:
    // A journal as a posting leaves it while it runs, with the copies made.
    void beginJournal()
    {
        module->RSEmployee.CloseRecSet();
        ASSERT_TRUE(QDir().mkpath(BackupDir));
        const FileFingerprint company = CopyFileChecked(companyFile(), companyCopy(), false);
        const FileFingerprint employees = CopyFileChecked(clientPath(), employeeCopy(), false);
        BeginPostingJournal(clientPath(), QStringLiteral("01/09/2026"), {companyCopy(), company},
                            {employeeCopy(), employees});
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

TEST_F(PostingJournalTest, ShortCopyIsNeverPutBack)
{
    beginJournal();
    QByteArray copy = ReadTestFile(companyCopy());
    copy.chop(1);
    WriteTestFile(companyCopy(), copy);
    const QByteArray halfPosted = clientBytes();
    try {
        module->OpenClient(clientPath());
        ADD_FAILURE() << "The client opened";
    } catch (const ECustomException& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("The copy %1, made when that posting began, has changed since.")
                                             .arg(companyCopy())))
            << e.message().toStdString();
    }
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

// A posting journal made by someone else: it may name only the client's own copies in the Backup
// folder. Opening the client sets such a journal aside, names it, and changes no file.
TEST_F(PostingJournalTest, ACraftedJournalIsSetAsideAndChangesNoFile)
{
    struct Crafted {
        const char* name;
        std::function<void(const QString& outside)> craft;
    };
    const QString journal = PostingJournalFileName(clientPath());
    const auto renameCopy = [journal](const QString& to) {
        return [journal, to](const QString& outside) {
            const QString text = QString::fromUtf8(ReadTestFile(journal))
                                     .replace(QStringLiteral("EmployeeCopy=ACME.P26"),
                                              QStringLiteral("EmployeeCopy=") + QString(to).replace(QStringLiteral("OUTSIDE"), outside));
            WriteTestFile(journal, text.toUtf8());
        };
    };
    const std::vector<Crafted> cases = {
        {"an absolute name", renameCopy(QStringLiteral("OUTSIDE"))},
        {"a name in the folder above", renameCopy(QStringLiteral("../outside.P26"))},
        {"the other file's name", renameCopy(QStringLiteral("ACME.C26"))},
        {"the copy a link to an outside file",
         [this](const QString& outside) {
             WriteTestFile(outside, ReadTestFile(employeeCopy()));
             QFile::remove(employeeCopy());
             ASSERT_TRUE(QFile::link(outside, employeeCopy()));
         }},
        {"a huge journal",
         [journal](const QString&) {
             WriteTestFile(journal, ReadTestFile(journal) + QByteArray(1 << 20, 'x'));
         }},
    };
    for (const Crafted& c : cases) {
        SCOPED_TRACE(c.name);
        const QString outside = tempPath(QStringLiteral("outside.P26"));
        WriteTestFile(outside, "an outside file");
        ASSERT_TRUE(QDir().mkpath(DataDir));
        WriteTestFile(DataDir + QStringLiteral("outside.P26"), "another outside file");
        beginJournal();
        c.craft(outside);
        const QByteArray outsideBefore = ReadTestFile(outside);
        const QByteArray halfPosted = clientBytes();
        EXPECT_THROW(module->OpenClient(clientPath()), ECustomException);
        EXPECT_EQ(clientBytes(), halfPosted);
        EXPECT_EQ(ReadTestFile(outside), outsideBefore);
        EXPECT_EQ(ReadTestFile(DataDir + QStringLiteral("outside.P26")), "another outside file");
        EXPECT_FALSE(QFileInfo::exists(journal));
        EXPECT_TRUE(QFileInfo::exists(journal + QStringLiteral(".refused")));
        QFile::remove(journal + QStringLiteral(".refused"));
        QFile::remove(employeeCopy());
        QFile::remove(companyCopy());
        WriteTestFile(clientPath(), original);
    }
}
