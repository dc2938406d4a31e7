#include "JournaledStepChecks.h"
#include "TestSupport.h"

#include "components/ChangeJournal.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/FileOperations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

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

TEST_F(ChangeJournalTest, AStoppedCopyOntoAnIdenticalFileIsUndone)
{
    // A backup of an unchanged client: the first file's new contents are its old ones. Stopped
    // before any new file is written.
    const FileOperationFault previous = SetFileOperationFault([](FileOperation operation, const QString& path) {
        if (operation == FileOperation::Open && path.endsWith(QStringLiteral(".new")) && !path.contains(kChangeJournalSuffix))
            throw SimulatedStop{};
        return 0;
    });
    EXPECT_THROW(ApplyJournaledChange(journal, QStringLiteral("The test change"), {{path("a"), "old a"}, {path("b"), "new b"}}),
                 SimulatedStop);
    SetFileOperationFault(previous);
    messages.expect(IdOk, QStringLiteral("It has been undone"));
    RecoverInterruptedChange(journal);
    EXPECT_EQ(ReadFileStates({path("a"), path("b")}), (FileStates{{path("a"), "old a"}, {path("b"), std::nullopt}}));
    EXPECT_FALSE(QFileInfo::exists(journal));
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

TEST_F(ChangeJournalTest, ADamagedJournalIsReportedSetAsideAndTheFilesAreLeftAlone)
{
    WriteTestFile(journal, "Ledgora change journal 2\nChange=x\nTarget=");
    EXPECT_THROW(RecoverInterruptedChange(journal), ECustomException);
    EXPECT_FALSE(QFileInfo::exists(journal));
    EXPECT_TRUE(QFileInfo::exists(journal + QStringLiteral(".refused")));
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

// A journal that someone else made, beside files of the program and files of the user's own.
class CraftedJournalTest : public ChangeJournalTest {
public:
    using ChangeJournalTest::path;

    void SetUp() override
    {
        ChangeJournalTest::SetUp();
        outside = tempPath(QStringLiteral("outside/"));
        QDir().mkpath(outside);
        WriteTestFile(outside + QStringLiteral("secret"), "the user's own file");
        WriteTestFile(path(".a.k3.new"), "crafted");
        WriteTestFile(path(".a.k3.old"), "aside");
    }

    // One entry as a journal holds it; the size and CRC-32 are those of `bytes`.
    static QByteArray entry(const QString& folder, const QString& target, const QString& fresh, const QString& former,
                            const QByteArray& bytes)
    {
        const FileFingerprint print = FingerprintOf(bytes);
        return "Folder=" + folder.toUtf8().toPercentEncoding("/") + "\nTarget=" + target.toUtf8().toPercentEncoding("/")
               + "\nNew=" + fresh.toUtf8() + "\nFormer=" + former.toUtf8() + "\nSize=" + QByteArray::number(print.size)
               + "\nCrc32=" + QByteArray::number(print.crc32) + '\n';
    }

    static QByteArray journalOf(const QByteArray& entries)
    {
        return "Ledgora change journal 2\nChange=A crafted change\n" + entries;
    }

    QStringList everyFile() const
    {
        QStringList files;
        for (const QString& dir : {folder, outside})
            for (const QString& name : QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System))
                if (!name.startsWith(QStringLiteral("Run.Journal")))
                    files << dir + name;
        return files;
    }

    // Each file's bytes, or where a link points.
    std::map<QString, QString> states() const
    {
        std::map<QString, QString> result;
        for (const QString& file : everyFile()) {
            const QFileInfo info(file);
            result[file] = info.isSymLink() ? QStringLiteral("-> ") + info.symLinkTarget()
                                            : QString::fromLatin1(ReadTestFile(file).toHex());
        }
        return result;
    }

    QString outside;
};

struct CraftedJournal {
    const char* name;
    std::function<QByteArray(CraftedJournalTest&)> make;  // plants what it needs, returns the journal
};

TEST_F(CraftedJournalTest, AJournalBreakingAnyRuleIsSetAsideAndNamedWithEveryFileLeftAsItIs)
{
    const QString secret = QStringLiteral("secret");
    const auto link = [](const QString& to, const QString& at) {
        QFile::remove(at);
        ASSERT_TRUE(QFile::link(to, at));
    };
    const std::vector<CraftedJournal> cases = {
        {"an absolute name", [&](CraftedJournalTest& t) {
             return journalOf(entry({}, t.outside + secret, {}, {}, {}));
         }},
        {"a name with ..", [&](CraftedJournalTest&) {
             return journalOf(entry({}, QStringLiteral("../outside/secret"), {}, {}, {}));
         }},
        {"a removal in another folder", [&](CraftedJournalTest& t) {
             return journalOf(entry(t.outside, secret, {}, {}, {}));
         }},
        {"a new file of another folder", [&](CraftedJournalTest& t) {
             return journalOf(entry(t.outside, secret, QStringLiteral(".secret.k3.new"), {}, {}));
         }},
        {"a hidden name of another file", [&](CraftedJournalTest&) {
             return journalOf(entry({}, QStringLiteral("gone"), QStringLiteral(".a.k3.new"), {}, "crafted"));
         }},
        {"a target that is a link", [&](CraftedJournalTest& t) {
             link(t.outside + secret, t.path("a"));
             return journalOf(entry({}, QStringLiteral("a"), QStringLiteral(".a.k3.new"), QStringLiteral(".a.k9.old"), "crafted"));
         }},
        {"a new file that is a link", [&](CraftedJournalTest& t) {
             link(t.outside + secret, t.path(".a.k3.new"));
             return journalOf(entry({}, QStringLiteral("a"), QStringLiteral(".a.k3.new"), QStringLiteral(".a.k9.old"),
                                    "the user's own file"));
         }},
        {"a former file that is a link", [&](CraftedJournalTest& t) {
             link(t.outside + secret, t.path(".a.k3.old"));
             return journalOf(entry({}, QStringLiteral("a"), QStringLiteral(".a.k8.new"), QStringLiteral(".a.k3.old"), "x"));
         }},
        {"a new file that is a folder", [&](CraftedJournalTest& t) {
             QFile::remove(t.path(".a.k3.new"));
             QDir().mkpath(t.path(".a.k3.new"));
             return journalOf(entry({}, QStringLiteral("a"), QStringLiteral(".a.k3.new"), QStringLiteral(".a.k9.old"), {}));
         }},
        {"a duplicated entry", [&](CraftedJournalTest&) {
             const QByteArray one = entry({}, QStringLiteral("a"), QStringLiteral(".a.k3.new"), QStringLiteral(".a.k9.old"), "crafted");
             return journalOf(one + one);
         }},
        {"a whole file smaller than the journal says", [&](CraftedJournalTest&) {
             return journalOf(entry({}, QStringLiteral("a"), QStringLiteral(".a.k7.new"), QStringLiteral(".a.k3.old"),
                                    QByteArray(4096, 'x')));
         }},
        {"a huge journal", [&](CraftedJournalTest&) {
             QByteArray entries;
             for (int i = 0; i < 2000; ++i)
                 entries += entry({}, QStringLiteral("f%1").arg(i), {}, {}, {});
             return journalOf(entries);
         }},
        {"another program's file", [&](CraftedJournalTest&) { return QByteArray("Ledgora change journal 1\n"); }},
    };
    for (const CraftedJournal& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(journal + QStringLiteral(".refused"));
        const QByteArray text = c.make(*this);
        const std::map<QString, QString> before = states();
        WriteTestFile(journal, text);
        try {
            RecoverInterruptedChanges(folder);
            ADD_FAILURE() << "the journal was followed";
        } catch (const ECustomException& e) {
            EXPECT_TRUE(e.message().contains(QStringLiteral("The journal %1 was not followed").arg(journal)))
                << e.message().toStdString();
            EXPECT_TRUE(e.message().contains(QStringLiteral("set aside as %1.refused").arg(journal))) << e.message().toStdString();
        }
        EXPECT_EQ(states(), before);
        EXPECT_FALSE(QFileInfo::exists(journal));
        EXPECT_EQ(ReadTestFile(journal + QStringLiteral(".refused")), text);
        // Named once: the next start finds nothing to say.
        RecoverInterruptedChanges(folder);
        QDir(path(".a.k3.new")).removeRecursively();
        for (const char* name : {"a", ".a.k3.new", ".a.k3.old"})
            QFile::remove(path(name));
        WriteTestFile(path("a"), "old a");
        WriteTestFile(path(".a.k3.new"), "crafted");
        WriteTestFile(path(".a.k3.old"), "aside");
    }
}

TEST_F(CraftedJournalTest, AJournalThatIsALinkIsSetAsideAndWhatItPointsToIsLeftAlone)
{
    const QString elsewhere = outside + QStringLiteral("Run.Journal");
    WriteTestFile(elsewhere, "Ledgora change journal 2\nChange=x\n" + entry({}, QStringLiteral("a"), {}, {}, {}));
    ASSERT_TRUE(QFile::link(elsewhere, journal));
    EXPECT_THROW(RecoverInterruptedChange(journal), ECustomException);
    EXPECT_TRUE(QFileInfo(journal + QStringLiteral(".refused")).isSymLink());
    EXPECT_TRUE(QFileInfo::exists(elsewhere));
    EXPECT_EQ(ReadTestFile(path("a")), "old a");
}

TEST_F(CraftedJournalTest, ALinkAtTheJournalsTemporaryNameIsNeverWrittenThrough)
{
    const QString secret = outside + QStringLiteral("secret");
    ASSERT_TRUE(QFile::link(secret, journal + kUnfinishedJournalSuffix));
    ApplyJournaledChange(journal, QStringLiteral("The test change"), changes());
    EXPECT_EQ(ReadTestFile(secret), "the user's own file");
    EXPECT_EQ(ReadTestFile(path("a")), "new a");
    EXPECT_FALSE(QFileInfo(journal + kUnfinishedJournalSuffix).isSymLink());
}

// A second copy of the program holds the lock of a step it is taking: a process of its own, or
// another open file description of the journal.
class HeldJournal {
public:
    explicit HeldJournal(const QString& path)
    {
        fd_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
        struct flock whole {};
        whole.l_type = F_WRLCK;
        held_ = fd_ >= 0 && ::fcntl(fd_, F_OFD_SETLK, &whole) == 0;
    }
    ~HeldJournal() { release(); }
    bool held() const { return held_; }
    void release()
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_ = -1;
    bool held_ = false;
};

// A child process that takes the journal's lock and keeps it until it is told to go.
class HoldingProcess {
public:
    explicit HoldingProcess(const QString& path)
    {
        int ready[2];
        if (::pipe(ready) != 0 || ::pipe(go_) != 0)
            return;
        const QByteArray native = QFile::encodeName(path);
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(ready[0]);
            ::close(go_[1]);
            const int fd = ::open(native.constData(), O_RDWR);
            struct flock whole {};
            whole.l_type = F_WRLCK;
            const char taken = fd >= 0 && ::fcntl(fd, F_OFD_SETLK, &whole) == 0 ? 'y' : 'n';
            if (::write(ready[1], &taken, 1) != 1)
                ::_exit(1);
            char ignored = 0;
            while (::read(go_[0], &ignored, 1) > 0) {
            }
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(go_[0]);
        char taken = 'n';
        held_ = ::read(ready[0], &taken, 1) == 1 && taken == 'y';
        ::close(ready[0]);
    }
    ~HoldingProcess() { end(); }
    bool held() const { return held_; }
    void end()
    {
        if (pid_ <= 0)
            return;
        ::close(go_[1]);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    int go_[2] = {-1, -1};
    bool held_ = false;
};

TEST_F(ChangeJournalTest, AStepRunningInAnotherProcessIsLeftAloneUntilItEnds)
{
    stopBeforeTheRenames();
    const FileStates during = ReadFileStates({path("a"), path("b"), path("gone"), hidden(".new")});
    {
        HoldingProcess other(journal);
        ASSERT_TRUE(other.held());
        for (const auto& recover : std::vector<std::function<void()>>{[this] { RecoverInterruptedChange(journal); },
                                                                      [this] { RecoverInterruptedChanges(folder); }}) {
            try {
                recover();
                ADD_FAILURE() << "recovered under another process's step";
            } catch (const ECustomException& e) {
                EXPECT_TRUE(e.message().contains(QStringLiteral("running in another window"))) << e.message().toStdString();
            }
            EXPECT_EQ(ReadFileStates({path("a"), path("b"), path("gone"), hidden(".new")}), during);
            EXPECT_TRUE(QFileInfo::exists(journal));
        }
        EXPECT_THROW(ApplyJournaledChange(journal, QStringLiteral("Another change"), {{path("a"), "other a"}}),
                     ECustomException);
        EXPECT_EQ(ReadFileStates({path("a"), path("b"), path("gone"), hidden(".new")}), during);
    }
    messages.expect(IdOk, QStringLiteral("It has now been completed"));
    RecoverInterruptedChanges(folder);
    EXPECT_EQ(ReadTestFile(path("a")), "new a");
    EXPECT_FALSE(QFileInfo::exists(journal));
}

TEST_F(ChangeJournalTest, AStepWhoseLockIsHeldThroughAnotherOpeningIsLeftAlone)
{
    stopBeforeTheRenames();
    HeldJournal other(journal);
    ASSERT_TRUE(other.held());
    EXPECT_THROW(RecoverInterruptedChange(journal), ECustomException);
    EXPECT_EQ(ReadTestFile(path("a")), "old a");
    EXPECT_TRUE(QFileInfo::exists(journal));
    other.release();
    messages.expect(IdOk, QStringLiteral("It has now been completed"));
    RecoverInterruptedChange(journal);
    EXPECT_EQ(ReadTestFile(path("a")), "new a");
}

} // namespace
