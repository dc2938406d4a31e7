#include "JournaledStepChecks.h"
#include "TestSupport.h"

#include "components/ChangeJournal.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/FileOperations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>

namespace {

// Two files replaced and one removed as one change.
class ChangeJournalTest : public LedgoraTest {
protected:
    void SetUp() override
    {
        LedgoraTest::SetUp();
        folder = tempPath(QStringLiteral("files/"));
        QDir().mkpath(folder);
        journal = folder + QStringLiteral("Run.Journal");
        WriteTestFile(path("a"), "old a");
        WriteTestFile(path("gone"), "old gone");
    }

    QString path(const char* name) const { return folder + QLatin1String(name); }

    QList<FileChange> changes() const
    {
        return {{path("a"), "new a"}, {path("b"), "new b", false, true}, {path("gone"), {}, true}};
    }

    // Runs the change and stops it just before the first file takes its new contents' place.
    void stopBeforeTheRenames()
    {
        const FileOperationFault previous = SetFileOperationFault([](FileOperation operation, const QString& path) {
            if (operation == FileOperation::Rename && !path.endsWith(kChangeJournalSuffix))
                throw SimulatedStop{};
            return 0;
        });
        EXPECT_THROW(ApplyJournaledChange(journal, QStringLiteral("The test change"), changes()), SimulatedStop);
        SetFileOperationFault(previous);
    }

public:
    // A hidden file of the change, one ending in ".new" or ".old".
    QString hidden(const char* ending) const
    {
        const QStringList names = QDir(folder).entryList({QStringLiteral(".*") + QLatin1String(ending)}, QDir::Files | QDir::Hidden);
        return names.isEmpty() ? QString() : folder + names.first();
    }

    QString folder;
    QString journal;
};

TEST_F(ChangeJournalTest, NewFilesTakeTheirPlacesWithTheirPermissionsAndNothingIsLeft)
{
    QFile::setPermissions(path("a"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ApplyJournaledChange(journal, QStringLiteral("The test change"), changes());
    EXPECT_EQ(ReadFileStates({path("a"), path("b"), path("gone")}),
              (FileStates{{path("a"), "new a"}, {path("b"), "new b"}, {path("gone"), std::nullopt}}));
    EXPECT_EQ(QFile::permissions(path("a")), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser
                                                 | QFileDevice::WriteUser);
    EXPECT_EQ(QFileInfo(path("b")).permissions() & (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther),
              QFileDevice::Permissions());
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), (QStringList{"a", "b"}));
    RecoverInterruptedChange(journal);  // nothing to recover, nothing said
}

// What was done by hand to the files of a stopped change, and what the next opening makes of it.
struct Tampering {
    const char* name;
    std::function<void(ChangeJournalTest&)> tamper;
    bool finished;
};

TEST_F(ChangeJournalTest, AStoppedChangeIsFinishedWhenItsNewFilesAreProvenAndUndoneOtherwise)
{
    const std::vector<Tampering> cases = {
        {"untouched", [](ChangeJournalTest&) {}, true},
        {"a new file cut short", [](ChangeJournalTest& t) { QFile::resize(t.hidden(".new"), 2); }, false},
        {"a new file removed", [](ChangeJournalTest& t) { QFile::remove(t.hidden(".new")); }, false},
    };
    for (const Tampering& c : cases) {
        SCOPED_TRACE(c.name);
        WriteTestFile(path("a"), "old a");
        WriteTestFile(path("gone"), "old gone");
        QFile::remove(path("b"));
        stopBeforeTheRenames();
        c.tamper(*this);
        messages.expect(IdOk, c.finished ? QStringLiteral("The test change did not finish: the program stopped in the "
                                                          "middle of it.\r\rIt has now been completed")
                                         : QStringLiteral("It has been undone"));
        RecoverInterruptedChange(journal);
        const FileStates expected = c.finished
            ? FileStates{{path("a"), "new a"}, {path("b"), "new b"}, {path("gone"), std::nullopt}}
            : FileStates{{path("a"), "old a"}, {path("b"), std::nullopt}, {path("gone"), "old gone"}};
        EXPECT_EQ(ReadFileStates({path("a"), path("b"), path("gone")}), expected);
        QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        left.removeAll(QStringLiteral("a"));
        left.removeAll(QStringLiteral("b"));
        left.removeAll(QStringLiteral("gone"));
        EXPECT_EQ(left, QStringList());
        // Said once: the next opening finds nothing.
        RecoverInterruptedChange(journal);
    }
}

TEST_F(ChangeJournalTest, AChangeThatCanBeNeitherFinishedNorUndoneKeepsItsJournal)
{
    // Stopped after the first file was moved aside; then its new file and its former one are lost.
    const FileOperationFault previous = SetFileOperationFault([](FileOperation operation, const QString& path) {
        if (operation == FileOperation::Rename && path.endsWith(QStringLiteral("/a")))
            throw SimulatedStop{};
        return 0;
    });
    EXPECT_THROW(ApplyJournaledChange(journal, QStringLiteral("The test change"), changes()), SimulatedStop);
    SetFileOperationFault(previous);
    ASSERT_FALSE(QFileInfo::exists(path("a")));
    QFile::remove(hidden(".old"));
    QFile::resize(hidden(".new"), 1);
    try {
        RecoverInterruptedChange(journal);
        ADD_FAILURE() << "recovered";
    } catch (const ECustomException& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("The test change did not finish, and it could neither be "
                                                          "completed nor undone:")))
            << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(journal));
    }
    EXPECT_TRUE(QFileInfo::exists(journal));
    EXPECT_EQ(ReadTestFile(path("gone")), "old gone");
}

TEST_F(ChangeJournalTest, ADamagedJournalIsReportedAndTheFilesAreLeftAlone)
{
    WriteTestFile(journal, "Ledgora change journal 1\nChange=x\nTarget=");
    EXPECT_THROW(RecoverInterruptedChange(journal), ECustomException);
    EXPECT_TRUE(QFileInfo::exists(journal));
    EXPECT_EQ(ReadTestFile(path("a")), "old a");
}

TEST_F(ChangeJournalTest, AtStartEveryJournalOfAFolderIsRecoveredAndALeftOverHalfJournalGoes)
{
    WriteTestFile(folder + QStringLiteral("Other.Journal.new"), "Ledgora change");
    stopBeforeTheRenames();
    messages.expect(IdOk, QStringLiteral("It has now been completed"));
    RecoverInterruptedChanges(folder);
    EXPECT_EQ(ReadTestFile(path("a")), "new a");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), (QStringList{"a", "b"}));
}

} // namespace
