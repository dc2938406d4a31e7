#include "FailingFileOperations.h"
#include "TestSupport.h"

#include "components/FileRoutines.h"
#include "platform/Exceptions.h"

#include <QDir>
#include <QFile>

using FileRoutinesTest = LedgoraTest;

TEST_F(FileRoutinesTest, CopyReplacesTheTargetWhole)
{
    WriteTestFile(tempPath(QStringLiteral("a.P26")), QByteArray(100000, 'x'));
    WriteTestFile(tempPath(QStringLiteral("b.P26")), QByteArray("old and longer than nothing"));
    CopyFileChecked(tempPath(QStringLiteral("a.P26")), tempPath(QStringLiteral("b.P26")), false);
    EXPECT_FALSE(CopyFileFailed);
    EXPECT_EQ(ReadTestFile(tempPath(QStringLiteral("b.P26"))), QByteArray(100000, 'x'));
    EXPECT_EQ(QDir(tempPath(QString())).entryList(QDir::Files).size(), 2) << "no temporary file may stay behind";
}

TEST_F(FileRoutinesTest, FailuresRaiseWithTheSystemTextAndLeaveTheTargetIntact)
{
    const QString source = tempPath(QStringLiteral("a.P26"));
    const QString target = tempPath(QStringLiteral("ro.P26"));
    WriteTestFile(source, "new");
    WriteTestFile(target, "kept");
    QFile::setPermissions(target, QFile::ReadOwner);

    struct Case {
        QString from, to;
        bool failIfExists;
        QString expectedText;
    };
    const Case cases[] = {
        {source, target, false, QStringLiteral("Permission denied")},
        {source, target, true, QStringLiteral("File exists")},
        {target, target, false, QStringLiteral("onto itself")},
        {tempPath(QStringLiteral("missing")), target, false, QStringLiteral("No such file")},
        {source, tempPath(QStringLiteral("nofolder/x.P26")), false, QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.to.toStdString());
        try {
            CopyFileChecked(c.from, c.to, c.failIfExists);
            ADD_FAILURE() << "copy did not fail";
        } catch (const ECopyFileException& e) {
            EXPECT_TRUE(e.message().startsWith(QStringLiteral("The following error occurred during the copy file process:\r")));
            EXPECT_TRUE(e.message().contains(c.expectedText)) << e.message().toStdString();
        }
        EXPECT_TRUE(CopyFileFailed);
    }
    EXPECT_EQ(ReadTestFile(target), QByteArray("kept"));
}

TEST_F(FileRoutinesTest, CountsMatchingEntriesFoldersIncluded)
{
    WriteTestFile(tempPath(QStringLiteral("one.P26")), "1");
    WriteTestFile(tempPath(QStringLiteral("two.P26")), "2");
    WriteTestFile(tempPath(QStringLiteral("two.C26")), "2");
    ASSERT_TRUE(QDir(tempPath(QString())).mkdir(QStringLiteral("dir.P26")));
    EXPECT_EQ(CountMatchingFiles(tempPath(QStringLiteral("*.P26"))), 3);
    EXPECT_EQ(CountMatchingFiles(tempPath(QStringLiteral("t?o.*"))), 2);
    EXPECT_EQ(CountMatchingFiles(tempPath(QStringLiteral("*.XYZ"))), 0);
    EXPECT_EQ(CountMatchingFiles(tempPath(QStringLiteral("missing/*"))), 0);
}

TEST_F(FileRoutinesTest, SelectFolderStartsOnlyAtAnExistingFolder)
{
    QString folder = tempPath(QStringLiteral("does-not-exist"));
    dialogs.onNextFileDialog(std::nullopt);
    EXPECT_FALSE(SelectFolder(QStringLiteral("Backup to"), folder));
    EXPECT_EQ(dialogs.fileRequests().back().startPath, QString());
    EXPECT_EQ(dialogs.fileRequests().back().caption, QStringLiteral("Backup to"));

    folder = homeDir();
    dialogs.onNextFileDialog(tempPath(QStringLiteral("chosen")));
    EXPECT_TRUE(SelectFolder(QStringLiteral("Backup to"), folder));
    EXPECT_EQ(dialogs.fileRequests().back().startPath, homeDir());
    EXPECT_EQ(folder, tempPath(QStringLiteral("chosen")));
}

TEST_F(FileRoutinesTest, DeveloperModeComesFromTheEnvironment)
{
    EXPECT_FALSE(IsDevIDERunning());
    qputenv("LEDGORA_DEVELOPER_MODE", "1");
    EXPECT_TRUE(IsDevIDERunning());
    qunsetenv("LEDGORA_DEVELOPER_MODE");
}

namespace {

// Temporary files a copy may have left beside its target.
QStringList LeftoverTemporaries(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("*.part"), QStringLiteral("*.new")}, QDir::Files | QDir::Hidden);
}

} // namespace

TEST_F(FileRoutinesTest, FullDiskAtAnyStepLeavesTheOldTargetAndNoTemporaryFile)
{
    const QString source = tempPath(QStringLiteral("a.P26"));
    const QString target = tempPath(QStringLiteral("b.P26"));
    QByteArray bytes(200000, Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7);
    WriteTestFile(source, bytes);
    WriteTestFile(target, "the previous copy");

    int n = 1;
    for (;; ++n) {
        SCOPED_TRACE(n);
        FailingFileOperations failing({FileOperation::Open, FileOperation::Write, FileOperation::Sync,
                                       FileOperation::Close, FileOperation::Rename},
                                      n);
        try {
            CopyFileChecked(source, target, false);
        } catch (const ECopyFileException& e) {
            EXPECT_TRUE(CopyFileFailed);
            EXPECT_TRUE(e.message().contains(target + QStringLiteral(": No space left on device"))) << e.message().toStdString();
            EXPECT_EQ(ReadTestFile(target), QByteArray("the previous copy"));
            EXPECT_EQ(LeftoverTemporaries(tempPath(QString())), QStringList());
            continue;
        }
        EXPECT_EQ(failing.calls(), n - 1) << "the copy went through although a step failed";
        break;
    }
    // Creating the copy, four writes, its sync and close, its rename and the sync of the folder.
    EXPECT_EQ(n - 1, 9);
    EXPECT_FALSE(CopyFileFailed);
    EXPECT_EQ(ReadTestFile(target), bytes);
    EXPECT_EQ(LeftoverTemporaries(tempPath(QString())), QStringList());
}

TEST_F(FileRoutinesTest, CopyThatDoesNotReadBackAsItsSourceReplacesNothing)
{
    const QString source = tempPath(QStringLiteral("a.P26"));
    const QString target = tempPath(QStringLiteral("b.P26"));
    WriteTestFile(source, QByteArray(5000, 'n'));
    WriteTestFile(target, "old");
    // The medium loses the end of the copy while the system reports every step done.
    const FileOperationFault previous = SetFileOperationFault([](FileOperation operation, const QString& path) {
        if (operation == FileOperation::Close)
            QFile::resize(path, 4096);
        return 0;
    });
    try {
        CopyFileChecked(source, target, false);
        ADD_FAILURE() << "the short copy was taken";
    } catch (const ECopyFileException& e) {
        EXPECT_TRUE(e.message().contains(target + QStringLiteral(": the copy does not match its source ") + source
                                         + QStringLiteral(" (4096 of 5000 bytes written)")))
            << e.message().toStdString();
    }
    SetFileOperationFault(previous);
    EXPECT_EQ(ReadTestFile(target), QByteArray("old"));
    EXPECT_EQ(LeftoverTemporaries(tempPath(QString())), QStringList());
}

TEST_F(FileRoutinesTest, CopyReportsWhatItReadFromTheSource)
{
    const QString source = tempPath(QStringLiteral("a.P26"));
    WriteTestFile(source, QByteArray("123456789"));
    const FileFingerprint read = CopyFileChecked(source, tempPath(QStringLiteral("b.P26")), false);
    EXPECT_EQ(read.size, 9);
    EXPECT_EQ(read.crc32, 0xCBF43926u);  // the CRC-32 check value
    EXPECT_EQ(FingerprintOfFile(tempPath(QStringLiteral("b.P26"))), read);
}
