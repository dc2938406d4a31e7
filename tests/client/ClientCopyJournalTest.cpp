#include "ClientFileFixture.h"
#include "JournaledStepChecks.h"

#include "client/ClientFileCopy.h"
#include "client/FileNames.h"
#include "components/ChangeJournal.h"
#include "platform/AppMessageBox.h"

#include <QDir>
#include <QFile>

// The copy of a client's two files under Restore, Save As and Close Quarter, as a step of several
// files: a failing file operation leaves both pairs byte-identical, and a stop at any moment
// leaves the target pair all old or all new once the next opening (of that client, or the start
// for a folder no client is opened from) has finished or undone it.

namespace {

enum class Copy { RestoreOverTheClient, SaveAsOverAnotherClient, SaveAsUnderANewName, CloseQuarter };

class ClientCopyJournalTest : public ClientFileTest, public testing::WithParamInterface<Copy> {
protected:
    void SetUp() override
    {
        ClientFileTest::SetUp();
        acme = makeClient(QStringLiteral("ACME"), QStringLiteral("Acme Tools"));
        beta = makeClient(QStringLiteral("Beta"), QStringLiteral("Beta Inc"));
        saved = tempPath(QStringLiteral("saved/"));
        ASSERT_TRUE(QDir().mkpath(saved));
        ASSERT_TRUE(QDir().mkpath(QuarterlyDataDir));
        // A backup that differs from the client in both files.
        WriteTestFile(saved + QStringLiteral("ACME.P26"), ReadTestFile(beta));
        WriteTestFile(saved + QStringLiteral("ACME.C26"), ReadTestFile(DataDir + QStringLiteral("Beta.C26")));
    }

    // The next opening of a client: what a stop left of a copy onto it is put in order first.
    std::function<void()> opening(const QString& employeeFile)
    {
        return [this, employeeFile] {
            ASSERT_TRUE(module->OpenClient(employeeFile));
            module->RSEmployee.CloseRecSet();
        };
    }

    static std::function<void()> start(const QString& folder)
    {
        return [folder] { RecoverInterruptedChanges(folder); };
    }

    JournaledStep step()
    {
        ClientFilePair from = ClientFilesOf(acme);
        ClientFilePair to;
        std::function<void()> reopen;
        switch (GetParam()) {
        case Copy::RestoreOverTheClient:
            from = ClientFilesOf(saved + QStringLiteral("ACME.P26"));
            to = ClientFilesOf(acme);
            reopen = opening(acme);
            break;
        case Copy::SaveAsOverAnotherClient:
            to = ClientFilesOf(beta);
            reopen = opening(beta);
            break;
        case Copy::SaveAsUnderANewName:
            to = ClientFilesOf(DataDir + QStringLiteral("Copy.P26"));
            reopen = start(DataDir);
            break;
        case Copy::CloseQuarter:
            to = ClientFilesOf(QuarterlyDataDir + QStringLiteral("ACME_3Q.P26"));
            reopen = start(QuarterlyDataDir);
            break;
        }
        return {{to.employee, to.company, from.employee, from.company},
                {DataDir, QuarterlyDataDir, saved},
                ChangeFileExt(to.employee, kChangeJournalSuffix),
                [] {},
                [from, to] { CopyClientFiles(from, to); },
                reopen};
    }

    QString acme;
    QString beta;
    QString saved;
};

} // namespace

TEST_P(ClientCopyJournalTest, EachFailingFileOperationLeavesBothPairsAsTheyWere)
{
    ExpectFaultsChangeNothing(step(), messages);
}

TEST_P(ClientCopyJournalTest, AStopAnywhereIsFinishedOrUndoneAtTheNextOpening)
{
    ExpectStopsFinishOrUndo(step(), messages);
}

using InterruptedBackupTest = ClientFileTest;

TEST_F(InterruptedBackupTest, IsPutInOrderBeforeItIsRestored)
{
    const QString acme = makeClient(QStringLiteral("ACME"), QStringLiteral("Acme Tools"));
    const QString beta = makeClient(QStringLiteral("Beta"), QStringLiteral("Beta Inc"));
    const QString stick = tempPath(QStringLiteral("usb/"));
    ASSERT_TRUE(QDir().mkpath(stick));
    const ClientFilePair backup = ClientFilesOf(stick + QStringLiteral("ACME.P26"));
    CopyClientFiles(ClientFilesOf(acme), backup);
    const QByteArray olderEmployees = ReadTestFile(backup.employee);
    // A later backup, of other files, stopped once its employee file had taken its place.
    bool employeePlaced = false;
    {
        const FileOperationFault previous = SetFileOperationFault([&](FileOperation operation, const QString& path) {
            if (operation == FileOperation::Rename && employeePlaced)
                throw SimulatedStop{};
            if (operation == FileOperation::Rename && path == backup.employee)
                employeePlaced = true;
            return 0;
        });
        EXPECT_THROW(CopyClientFiles(ClientFilesOf(beta), backup), SimulatedStop);
        SetFileOperationFault(previous);
    }
    ASSERT_TRUE(employeePlaced);
    ASSERT_NE(ReadTestFile(backup.employee), olderEmployees);

    // Restoring from that backup first completes it: the client gets the later pair whole.
    messages.expect(IdOk, QStringLiteral("The copy of the client files ") + backup.employee);
    CopyClientFiles(backup, ClientFilesOf(acme));
    EXPECT_TRUE(messages.allAnswered());
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("completed"))) << messages.last().text.toStdString();
    EXPECT_EQ(ReadTestFile(acme), ReadTestFile(beta));
    EXPECT_EQ(ReadTestFile(DataDir + QStringLiteral("ACME.C26")), ReadTestFile(DataDir + QStringLiteral("Beta.C26")));
    EXPECT_EQ(QDir(stick).entryList(QDir::Files | QDir::Hidden),
              QStringList({QStringLiteral("ACME.C26"), QStringLiteral("ACME.P26")}));
}

INSTANTIATE_TEST_SUITE_P(RestoreSaveAsAndCloseQuarter, ClientCopyJournalTest,
                         testing::Values(Copy::RestoreOverTheClient, Copy::SaveAsOverAnotherClient,
                                         Copy::SaveAsUnderANewName, Copy::CloseQuarter),
                         [](const testing::TestParamInfo<Copy>& info) {
                             switch (info.param) {
                             case Copy::RestoreOverTheClient:
                                 return "RestoreOverTheClient";
                             case Copy::SaveAsOverAnotherClient:
                                 return "SaveAsOverAnotherClient";
                             case Copy::SaveAsUnderANewName:
                                 return "SaveAsUnderANewName";
                             case Copy::CloseQuarter:
                                 return "CloseQuarter";
                             }
                             return "";
                         });

// A journal someone left beside a backup (on a stick, say) naming files elsewhere: restoring from
// that backup sets it aside and names it, and changes no file.
TEST_F(InterruptedBackupTest, ACraftedJournalBesideTheBackupIsSetAsideAndNothingIsRestored)
{
    const QString acme = makeClient(QStringLiteral("ACME"), QStringLiteral("Acme Tools"));
    const QString stick = tempPath(QStringLiteral("usb/"));
    const QString outside = tempPath(QStringLiteral("outside/"));
    ASSERT_TRUE(QDir().mkpath(stick));
    ASSERT_TRUE(QDir().mkpath(outside));
    WriteTestFile(outside + QStringLiteral("secret"), "the user's own file");
    const ClientFilePair backup = ClientFilesOf(stick + QStringLiteral("ACME.P26"));
    CopyClientFiles(ClientFilesOf(acme), backup);
    const QString journal = stick + QStringLiteral("ACME") + kChangeJournalSuffix;
    const QByteArray folders[] = {outside.toUtf8().toPercentEncoding("/"), QByteArray("..")};
    for (const QByteArray& folder : folders) {
        SCOPED_TRACE(folder.toStdString());
        WriteTestFile(journal, "Ledgora change journal 2\nChange=A crafted change\nFolder=" + folder
                                   + "\nTarget=secret\nNew=\nFormer=.secret.k3.old\nSize=0\nCrc32=0\n");
        const QByteArray client = ReadTestFile(acme) + ReadTestFile(DataDir + QStringLiteral("ACME.C26"));
        EXPECT_THROW(CopyClientFiles(backup, ClientFilesOf(acme)), ECopyFileException);
        EXPECT_EQ(ReadTestFile(outside + QStringLiteral("secret")), "the user's own file");
        EXPECT_EQ(ReadTestFile(acme) + ReadTestFile(DataDir + QStringLiteral("ACME.C26")), client);
        EXPECT_FALSE(QFileInfo::exists(journal));
        EXPECT_TRUE(QFileInfo::exists(journal + QStringLiteral(".refused")));
        QFile::remove(journal + QStringLiteral(".refused"));
    }
}
