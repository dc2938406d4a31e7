#include "FailingFileOperations.h"
#include "TestSupport.h"

#include "components/RecordSet.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/FileOperations.h"

#include <QDir>
#include <QFile>

#include <cstring>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int Size = 40;
const QString Title = QStringLiteral("Ledgora 2026");

// Record k of a test file: Size bytes of the value k, so every record shows where it came from.
QByteArray record(int k)
{
    return QByteArray(Size, static_cast<char>(k));
}

QByteArray records(std::initializer_list<int> tags)
{
    QByteArray bytes;
    for (int k : tags)
        bytes += record(k);
    return bytes;
}

int tagOf(const TRecordSet& rs)
{
    return static_cast<unsigned char>(rs.RecordBuffer()[0]);
}

class RecordSetTest : public LedgoraTest {
protected:
    QString path(const QString& name = QStringLiteral("EMPLOYEE.P26")) const { return tempPath(name); }

    QString makeFile(int count, const QString& name = QStringLiteral("EMPLOYEE.P26"))
    {
        QByteArray bytes;
        for (int k = 1; k <= count; ++k)
            bytes += record(k);
        WriteTestFile(path(name), bytes);
        return path(name);
    }

    std::unique_ptr<TRecordSet> makeSet(const QString& file, TFileShareMode share = smShareDenyWrite)
    {
        auto rs = std::make_unique<TRecordSet>();
        rs->SetRecSize(Size);
        rs->SetFileName(file);
        rs->SetFileShareMode(share);
        return rs;
    }

    std::unique_ptr<TRecordSet> openSet(const QString& file, TFileShareMode share = smShareDenyWrite)
    {
        auto rs = makeSet(file, share);
        rs->OpenRecSet();
        EXPECT_TRUE(rs->Active());
        return rs;
    }

    // Every event of rs is logged by name; reads also log the record's tag.
    void logEvents(TRecordSet& rs)
    {
        const auto logAs = [this](const char* name) {
            return [this, name](TRecordSet&) { log.push_back(QLatin1String(name)); };
        };
        rs.OnBeforeOpen = logAs("BeforeOpen");
        rs.OnCreateFile = logAs("CreateFile");
        rs.OnAfterOpen = logAs("AfterOpen");
        rs.OnBeforeClose = logAs("BeforeClose");
        rs.OnAfterClose = logAs("AfterClose");
        rs.OnAfterRead = [this](TRecordSet& sender) { log.push_back(QStringLiteral("Read %1").arg(tagOf(sender))); };
        rs.OnBeforePost = logAs("BeforePost");
        rs.OnAfterPost = logAs("AfterPost");
        rs.OnBeforeNewRec = logAs("BeforeNewRec");
        rs.OnAfterNewRec = logAs("AfterNewRec");
        rs.OnBeforeDelete = logAs("BeforeDelete");
        rs.OnAfterDelete = logAs("AfterDelete");
    }

    void expectOpenError()
    {
        messages.expect(IdOk, QStringLiteral("Unable to open database file"));
    }

    std::vector<QString> log;
};

using Log = std::vector<QString>;

QString errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const ERecordSetException& e) {
        return e.message();
    }
    return QStringLiteral("(no ERecordSetException)");
}

} // namespace

TEST_F(RecordSetTest, DefaultsAfterConstruction)
{
    TRecordSet rs;
    EXPECT_EQ(rs.RecSize(), 32);
    EXPECT_EQ(QByteArray(rs.RecordBuffer(), 32), QByteArray(32, '\0'));
    EXPECT_EQ(rs.FileName(), QString());
    EXPECT_EQ(rs.FileOpenMode(), omOpenReadWrite);
    EXPECT_EQ(rs.FileShareMode(), smShareDenyNone);
    EXPECT_EQ(rs.MaxRec(), 10000);
    EXPECT_EQ(rs.OpenErrText(), QStringLiteral("Unable to open database file"));
    EXPECT_EQ(rs.NewErrText(), QStringLiteral("Unable to create new record.~You have reached the maximum number of "
                                              "records that~can be created with this version of the program."));
    EXPECT_EQ(rs.DelErrText(), QStringLiteral("Unable to delete current record~you cannot delete the first record "
                                              "when~its the only record in the database."));
    EXPECT_EQ(rs.DelMsgText(), QStringLiteral("Confirm request~Delete current record from database?"));
    for (const QString& caption : {rs.OpenErrCaption(), rs.NewErrCaption(), rs.DelErrCaption(), rs.DelMsgCaption(), rs.AppTitle()})
        EXPECT_EQ(caption, QString());
    EXPECT_TRUE(rs.AutoCreate());
    EXPECT_TRUE(rs.ShowOpenMode());
    EXPECT_FALSE(rs.Active());
    EXPECT_FALSE(rs.BrowseOnly());
    EXPECT_EQ(rs.RecordCount(), 0);
    EXPECT_EQ(rs.CurrentRecord(), 0);
    EXPECT_EQ(rs.FirstRecord(), 1);
    EXPECT_EQ(rs.PriorRecord(), 0);
    EXPECT_EQ(rs.LastRecord(), 0);
}

TEST_F(RecordSetTest, RecordSizeBelowMinimumOrUnchangedIsIgnored)
{
    TRecordSet rs;
    rs.SetRecSize(Size);
    std::fill(rs.RecordBuffer(), rs.RecordBuffer() + Size, 'x');
    rs.SetRecSize(31);
    rs.SetRecSize(Size);
    EXPECT_EQ(rs.RecSize(), Size);
    EXPECT_EQ(QByteArray(rs.RecordBuffer(), Size), QByteArray(Size, 'x'));
    rs.SetRecSize(33);
    EXPECT_EQ(rs.RecSize(), 33);
    EXPECT_EQ(QByteArray(rs.RecordBuffer(), 33), QByteArray(33, '\0'));
}

TEST_F(RecordSetTest, MissingFileIsCreatedWithOneZeroedRecord)
{
    auto rs = makeSet(path(), smShareDenyNone);
    logEvents(*rs);
    rs->OpenRecSet();
    ASSERT_TRUE(rs->Active());
    EXPECT_EQ(log, (Log{"BeforeOpen", "CreateFile", "AfterOpen"}));
    EXPECT_EQ(rs->RecordCount(), 1);
    EXPECT_EQ(rs->CurrentRecord(), 1);
    EXPECT_EQ(rs->LastRecord(), 1);
    EXPECT_FALSE(rs->BrowseOnly());
    EXPECT_EQ(ReadTestFile(path()), QByteArray(Size, '\0'));

    // Until it is closed, the creating handle shares the new file with nobody.
    auto other = makeSet(path(), smShareDenyNone);
    expectOpenError();
    other->OpenRecSet();
    EXPECT_FALSE(other->Active());
    rs->CloseRecSet();
    other->OpenRecSet();
    EXPECT_TRUE(other->Active());
}

TEST_F(RecordSetTest, OpenErrorsLeaveTheSetClosed)
{
    ASSERT_TRUE(QDir(tempPath(QString())).mkdir(QStringLiteral("folder.P26")));
    const struct {
        QString fileName;
        bool autoCreate;
        QString reason;  // after the file's name; none for a blank name
    } cases[] = {
        {QString(), true, QString()},
        {QStringLiteral("   "), true, QString()},
        {path(QStringLiteral("missing.P26")), false, QStringLiteral(": No such file or directory")},
        {path(QStringLiteral("nofolder/new.P26")), true, QStringLiteral(": No such file or directory")},
        {path(QStringLiteral("folder.P26")), true, QStringLiteral(" is a folder, not a file.")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fileName.toStdString());
        log.clear();
        auto rs = makeSet(c.fileName);
        rs->SetAutoCreate(c.autoCreate);
        logEvents(*rs);
        expectOpenError();
        rs->OpenRecSet();
        EXPECT_EQ(messages.last().text, c.reason.isEmpty() ? QStringLiteral("Unable to open database file")
                                                           : QStringLiteral("Unable to open database file\r%1%2")
                                                                 .arg(c.fileName, c.reason));
        EXPECT_FALSE(rs->Active());
        EXPECT_EQ(messages.last().caption, Title);
        EXPECT_EQ(messages.last().flags, 16);
        EXPECT_EQ(log, (Log{"BeforeOpen"}));
        EXPECT_EQ(rs->OpenErrCaption(), Title) << "a blank caption keeps the title it took";
    }
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("missing.P26"))));
}

TEST_F(RecordSetTest, CaptionsGivenAreKeptAndBlankOnesTakeTheTitle)
{
    auto rs = makeSet(QString());
    rs->SetOpenErrCaption(QStringLiteral("Employees"));
    rs->SetAppTitle(QStringLiteral("  "));
    expectOpenError();
    rs->OpenRecSet();
    EXPECT_EQ(messages.last().caption, QStringLiteral("Employees"));
    EXPECT_EQ(rs->AppTitle(), Title);
}

TEST_F(RecordSetTest, OpeningTwiceDoesNothing)
{
    auto rs = openSet(makeFile(3));
    rs->FirstRec();
    rs->NextRec();
    logEvents(*rs);
    rs->OpenRecSet();
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(rs->CurrentRecord(), 2);
}

TEST_F(RecordSetTest, OpeningReadsNoRecordAndCountsWholeRecordsOnly)
{
    QByteArray bytes = records({1, 2});
    bytes += QByteArray(Size / 2, 'z');
    WriteTestFile(path(), bytes);
    auto rs = makeSet(path());
    std::fill(rs->RecordBuffer(), rs->RecordBuffer() + Size, 'k');
    rs->OpenRecSet();
    EXPECT_EQ(QByteArray(rs->RecordBuffer(), Size), QByteArray(Size, 'k'));
    EXPECT_EQ(rs->RecordCount(), 2);
    EXPECT_EQ(rs->LastRecord(), 2);
    EXPECT_EQ(rs->CurrentRecord(), 1);

    // The new record takes the place of the incomplete bytes.
    rs->NewRec();
    EXPECT_EQ(rs->CurrentRecord(), 3);
    EXPECT_EQ(ReadTestFile(path()), records({1, 2, 0}));
}

TEST_F(RecordSetTest, EmptyFileOpensWithoutRecordsAndTakesANewOne)
{
    WriteTestFile(path(), QByteArray());
    auto rs = openSet(path());
    EXPECT_EQ(rs->RecordCount(), 0);
    EXPECT_EQ(rs->LastRecord(), 0);
    rs->NewRec();
    EXPECT_EQ(rs->RecordCount(), 1);
    EXPECT_EQ(rs->CurrentRecord(), 1);
    EXPECT_EQ(ReadTestFile(path()), QByteArray(Size, '\0'));
}

TEST_F(RecordSetTest, MovingWrapsAroundBothEnds)
{
    const struct {
        int count;
        int from;
        void (TRecordSet::*move)();
        int to;
    } cases[] = {
        {5, 5, &TRecordSet::NextRec, 1},
        {5, 1, &TRecordSet::PriorRec, 5},
        {5, 2, &TRecordSet::NextRec, 3},
        {5, 4, &TRecordSet::PriorRec, 3},
        {5, 3, &TRecordSet::FirstRec, 1},
        {5, 3, &TRecordSet::LastRec, 5},
        {1, 1, &TRecordSet::NextRec, 1},
        {1, 1, &TRecordSet::PriorRec, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.count << " records from " << c.from);
        auto rs = openSet(makeFile(c.count));
        rs->SetCurrentRecord(c.from);
        (rs.get()->*c.move)();
        EXPECT_EQ(rs->CurrentRecord(), c.to);
        EXPECT_EQ(tagOf(*rs), c.to);
        EXPECT_EQ(rs->Bof(), c.to == 1);
        EXPECT_EQ(rs->Eof(), c.to == c.count);
    }
}

TEST_F(RecordSetTest, PositioningOutsideTheFileChangesNothing)
{
    auto rs = openSet(makeFile(3));
    rs->SetCurrentRecord(2);
    for (int n : {0, -1, 4})
        rs->SetCurrentRecord(n);
    EXPECT_EQ(rs->CurrentRecord(), 2);
    rs->GetRec();
    EXPECT_EQ(tagOf(*rs), 2);
}

TEST_F(RecordSetTest, WalkOverAllRecordsReturnsToTheCurrentOne)
{
    auto rs = openSet(makeFile(4));
    rs->SetCurrentRecord(3);
    rs->GetRec();
    logEvents(*rs);
    rs->RootRec();
    EXPECT_EQ(rs->CurrentRecord(), 0);
    EXPECT_EQ(rs->PriorRecord(), 3);
    for (int i = 0; i < rs->RecordCount(); ++i) {
        rs->NextRec();
        rs->RecordBuffer()[1] = 'w';
        rs->PostRec();
    }
    rs->PopRec();
    EXPECT_EQ(rs->CurrentRecord(), 3);
    EXPECT_EQ(tagOf(*rs), 3);
    EXPECT_EQ(log, (Log{"Read 1", "BeforePost", "AfterPost", "Read 2", "BeforePost", "AfterPost", "Read 3",
                        "BeforePost", "AfterPost", "Read 4", "BeforePost", "AfterPost", "Read 3"}));
    const QByteArray bytes = ReadTestFile(path());
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(bytes[k * Size + 1], 'w');
}

TEST_F(RecordSetTest, PostWritesTheBufferOverTheCurrentRecord)
{
    auto rs = openSet(makeFile(3));
    rs->SetCurrentRecord(2);
    struct TestRecord {
        char bytes[Size];
    } nine;
    std::memset(nine.bytes, 9, Size);
    rs->CopyBufferFrom(nine);
    rs->PostRec();
    EXPECT_EQ(ReadTestFile(path()), records({1, 9, 3}));
    rs->PriorRec();
    TestRecord back {};
    rs->CopyBufferTo(back);
    EXPECT_EQ(QByteArray(back.bytes, Size), record(1));

    struct {
        char bytes[Size + 1];
    } wrong {};
    EXPECT_THROW(rs->CopyBufferFrom(wrong), ERecordSetException);
    EXPECT_THROW(rs->CopyBufferTo(wrong), ERecordSetException);
}

TEST_F(RecordSetTest, NewRecordIsAppendedZeroedAndBecomesCurrent)
{
    auto rs = openSet(makeFile(2));
    rs->FirstRec();
    logEvents(*rs);
    rs->NewRec();
    EXPECT_EQ(log, (Log{"BeforeNewRec", "Read 0", "AfterNewRec"}));
    EXPECT_EQ(rs->CurrentRecord(), 3);
    EXPECT_EQ(rs->LastRecord(), 3);
    EXPECT_EQ(ReadTestFile(path()), records({1, 2, 0}));
}

TEST_F(RecordSetTest, NewRecordAtTheLimitIsRefused)
{
    auto rs = openSet(makeFile(3));
    rs->SetMaxRec(3);
    logEvents(*rs);
    messages.expect(IdOk, QStringLiteral("Unable to create new record."));
    rs->NewRec();
    EXPECT_EQ(messages.last().flags, 16);
    EXPECT_EQ(messages.last().caption, Title);
    EXPECT_EQ(messages.last().text, QStringLiteral("Unable to create new record.\rYou have reached the maximum number "
                                                   "of records that\rcan be created with this version of the program."));
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(rs->LastRecord(), 3);
    EXPECT_EQ(ReadTestFile(path()), records({1, 2, 3}));
}

TEST_F(RecordSetTest, DeletingMovesLaterRecordsDown)
{
    const struct {
        int deleted;
        QByteArray left;
        int current;
        Log events;
    } cases[] = {
        {3, records({1, 2, 4, 5}), 3, {"BeforeDelete", "Read 4", "Read 5", "Read 4", "AfterDelete"}},
        {5, records({1, 2, 3, 4}), 1, {"BeforeDelete", "Read 1", "AfterDelete"}},
        {1, records({2, 3, 4, 5}), 1, {"BeforeDelete", "Read 2", "Read 3", "Read 4", "Read 5", "Read 2", "AfterDelete"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.deleted);
        auto rs = openSet(makeFile(5));
        rs->SetCurrentRecord(c.deleted);
        log.clear();
        logEvents(*rs);
        messages.expect(IdOk, QStringLiteral("Delete current record from database?"));
        rs->DeleteRec();
        EXPECT_EQ(messages.last().flags, 289);
        EXPECT_EQ(messages.last().caption, Title);
        EXPECT_EQ(ReadTestFile(path()), c.left);
        EXPECT_EQ(rs->RecordCount(), 4);
        EXPECT_EQ(rs->LastRecord(), 4);
        EXPECT_EQ(rs->CurrentRecord(), c.current);
        EXPECT_EQ(log, c.events);
    }
}

TEST_F(RecordSetTest, DeleteRefusedOnTheOnlyRecordOrWhenNotConfirmed)
{
    auto single = openSet(makeFile(1, QStringLiteral("ONE.P26")));
    logEvents(*single);
    messages.expect(IdOk, QStringLiteral("Unable to delete current record"));
    single->DeleteRec();
    EXPECT_EQ(messages.last().flags, 16);
    EXPECT_EQ(ReadTestFile(path(QStringLiteral("ONE.P26"))), records({1}));

    auto rs = openSet(makeFile(3));
    rs->SetCurrentRecord(2);
    logEvents(*rs);
    messages.expect(IdCancel, QStringLiteral("Confirm request"));
    rs->DeleteRec();
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(ReadTestFile(path()), records({1, 2, 3}));
    EXPECT_EQ(rs->CurrentRecord(), 2);
}

TEST_F(RecordSetTest, BeforeHandlerCancelStopsOnlyThatOperation)
{
    using Event = TRecordSetEvent TRecordSet::*;
    const struct {
        const char* name;
        Event event;
        void (TRecordSet::*operation)();
        bool confirms;
        QByteArray afterwards;
        bool activeAfterwards;
    } cases[] = {
        {"post", &TRecordSet::OnBeforePost, &TRecordSet::PostRec, false, records({1, 9, 3}), true},
        {"new", &TRecordSet::OnBeforeNewRec, &TRecordSet::NewRec, false, records({1, 2, 3, 0}), true},
        {"delete", &TRecordSet::OnBeforeDelete, &TRecordSet::DeleteRec, true, records({1, 3}), true},
        {"close", &TRecordSet::OnBeforeClose, &TRecordSet::CloseRecSet, false, records({1, 2, 3}), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto rs = openSet(makeFile(3));
        rs->SetCurrentRecord(2);
        std::fill(rs->RecordBuffer(), rs->RecordBuffer() + Size, 9);
        (rs.get()->*c.event) = [](TRecordSet& sender) { sender.Cancel(); };
        if (c.confirms)
            messages.expect(IdOk);
        (rs.get()->*c.operation)();
        EXPECT_EQ(ReadTestFile(path()), records({1, 2, 3}));
        EXPECT_TRUE(rs->Active());
        EXPECT_EQ(rs->CurrentRecord(), 2);

        // The flag was cleared: the same operation runs once the handler lets it.
        (rs.get()->*c.event) = nullptr;
        if (c.confirms)
            messages.expect(IdOk);
        (rs.get()->*c.operation)();
        EXPECT_EQ(ReadTestFile(path()), c.afterwards);
        EXPECT_EQ(rs->Active(), c.activeAfterwards);
    }

    auto rs = makeSet(makeFile(3));
    rs->OnBeforeOpen = [](TRecordSet& sender) { sender.Cancel(); };
    rs->OpenRecSet();
    EXPECT_FALSE(rs->Active());
    rs->OnBeforeOpen = nullptr;
    rs->OpenRecSet();
    EXPECT_TRUE(rs->Active());
}

TEST_F(RecordSetTest, ExceptionFromBeforeDeleteLeavesEveryRecordInPlace)
{
    auto rs = openSet(makeFile(3));
    rs->SetCurrentRecord(1);
    rs->OnBeforeDelete = [](TRecordSet&) { throw ERecordSetException(QStringLiteral("Not this one.")); };
    messages.expect(IdOk);
    EXPECT_EQ(errorOf([&] { rs->DeleteRec(); }), QStringLiteral("Not this one."));
    EXPECT_EQ(ReadTestFile(path()), records({1, 2, 3}));
    EXPECT_EQ(rs->LastRecord(), 3);
}

TEST_F(RecordSetTest, ClosedSetDoesNothing)
{
    auto rs = makeSet(makeFile(3));
    logEvents(*rs);
    for (auto op : {&TRecordSet::CloseRecSet, &TRecordSet::RootRec, &TRecordSet::PostRec, &TRecordSet::NewRec,
                    &TRecordSet::GetRec, &TRecordSet::FirstRec, &TRecordSet::LastRec, &TRecordSet::NextRec,
                    &TRecordSet::PriorRec, &TRecordSet::PushRec, &TRecordSet::PopRec, &TRecordSet::DeleteRec})
        (rs.get()->*op)();
    rs->SetCurrentRecord(1);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(rs->CurrentRecord(), 0);
    EXPECT_EQ(ReadTestFile(path()), records({1, 2, 3}));
}

TEST_F(RecordSetTest, CloseKeepsThePositionAndRunsItsEvents)
{
    auto rs = openSet(makeFile(3));
    rs->LastRec();
    logEvents(*rs);
    rs->CloseRecSet();
    EXPECT_EQ(log, (Log{"BeforeClose", "AfterClose"}));
    EXPECT_FALSE(rs->Active());
    EXPECT_EQ(rs->RecordCount(), 0);
    EXPECT_EQ(rs->CurrentRecord(), 3);
    EXPECT_EQ(rs->LastRecord(), 3);
    EXPECT_EQ(tagOf(*rs), 3);
}

// A file that cannot be written because it, or the medium it lies on, is read-only opens
// browse-only with a message that says so: no other program is to blame, and waiting mends nothing.
// Permission bits alone stand for a read-only file even where the system would let this user
// write (tests run as root); a read-only medium is reproduced through the file layer's seam.
TEST_F(RecordSetTest, ReadOnlyFileOrMediumOpensBrowseOnlyAndSaysSo)
{
    struct Case {
        const char* what;
        bool readOnlyBits;
        int mediumError;
        QString reason;
    };
    const Case cases[] = {
        {"read-only file", true, 0, QStringLiteral("Permission denied")},
        {"read-only medium", false, EROFS, QStringLiteral("Read-only file system")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString file = makeFile(3);
        if (c.readOnlyBits)
            ASSERT_TRUE(QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        const FileOperationFault previous = SetFileOperationFault([&c](FileOperation operation, const QString&) {
            return operation == FileOperation::Open ? c.mediumError : 0;
        });
        auto rs = makeSet(file);
        messages.expect(IdOk, QStringLiteral("is read-only"));
        rs->OpenRecSet();
        SetFileOperationFault(previous);
        ASSERT_TRUE(rs->Active());
        EXPECT_TRUE(rs->BrowseOnly());
        EXPECT_EQ(messages.last().text,
                  file + QStringLiteral(" is read-only (") + c.reason
                      + QStringLiteral(").\r\rThe file has been opened in browse only mode. You will not be able to "
                                       "record any changes."));
        EXPECT_FALSE(messages.last().text.contains(QStringLiteral("in use")));
        EXPECT_EQ(errorOf([&] { rs->PostRec(); }), QStringLiteral("Function is not executable in browse mode."));
        rs->CloseRecSet();
        EXPECT_EQ(ReadTestFile(file), records({1, 2, 3}));
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    }
}

TEST_F(RecordSetTest, SecondOpenerOfAHeldFileGetsItBrowseOnly)
{
    const QString file = makeFile(3);
    auto holder = openSet(file);
    EXPECT_FALSE(holder->BrowseOnly());

    auto second = makeSet(file);
    logEvents(*second);
    messages.expect(IdOk, QStringLiteral("is already in use"));
    second->OpenRecSet();
    ASSERT_TRUE(second->Active());
    EXPECT_TRUE(second->BrowseOnly());
    EXPECT_EQ(messages.last().text, file + QStringLiteral(" is already in use!\r\rThe file has been opened in browse "
                                                          "only mode. You will not be able to record any changes."));
    EXPECT_EQ(messages.last().flags, 64);
    EXPECT_EQ(messages.last().caption, Title);
    EXPECT_EQ(log, (Log{"BeforeOpen", "AfterOpen"}));
    EXPECT_EQ(second->LastRecord(), 3);
    second->LastRec();
    EXPECT_EQ(tagOf(*second), 3);

    // Nothing can be recorded, and nothing pretends it was.
    log.clear();
    const QString refused = QStringLiteral("Function is not executable in browse mode.");
    EXPECT_EQ(errorOf([&] { second->PostRec(); }), refused);
    EXPECT_EQ(errorOf([&] { second->NewRec(); }), refused);
    EXPECT_EQ(errorOf([&] { second->DeleteRec(); }), refused);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(ReadTestFile(file), records({1, 2, 3}));

    // The holder keeps writing meanwhile.
    holder->SetCurrentRecord(2);
    std::fill(holder->RecordBuffer(), holder->RecordBuffer() + Size, 7);
    holder->PostRec();
    second->SetCurrentRecord(2);
    second->GetRec();
    EXPECT_EQ(tagOf(*second), 7);

    // Browse-only survives the close; the next open decides again.
    second->CloseRecSet();
    EXPECT_TRUE(second->BrowseOnly());
    holder->CloseRecSet();
    second->OpenRecSet();
    EXPECT_FALSE(second->BrowseOnly());
}

TEST_F(RecordSetTest, FileHeldByAnotherProcessOpensBrowseOnly)
{
    const QString file = makeFile(2);
    int ready[2];
    int release[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(release), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The other copy of the program: hold the file until told to let go.
        TRecordSet holder;
        holder.SetRecSize(Size);
        holder.SetFileName(file);
        holder.SetFileShareMode(smShareDenyWrite);
        holder.OpenRecSet();
        const char held = holder.Active() && !holder.BrowseOnly() ? 'y' : 'n';
        char ignored;
        if (::write(ready[1], &held, 1) != 1 || ::read(release[0], &ignored, 1) < 0)
            ::_exit(2);
        ::_exit(0);
    }
    char held = 0;
    ASSERT_EQ(::read(ready[0], &held, 1), 1);
    EXPECT_EQ(held, 'y');

    auto second = makeSet(file);
    messages.expect(IdOk, QStringLiteral("is already in use"));
    second->OpenRecSet();
    EXPECT_TRUE(second->BrowseOnly());
    second->CloseRecSet();

    ASSERT_EQ(::write(release[1], "x", 1), 1);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    for (int fd : {ready[0], ready[1], release[0], release[1]})
        ::close(fd);

    // The holder's end releases the file.
    second->OpenRecSet();
    EXPECT_FALSE(second->BrowseOnly());
}

TEST_F(RecordSetTest, SharingOfOtherModesAgainstAHeldFile)
{
    const QString file = makeFile(2);
    auto holder = openSet(file);
    const struct {
        TFileShareMode share;
        TFileOpenMode access;
        bool opens;
    } cases[] = {
        {smShareDenyNone, omOpenReadWrite, false}, // the holder lets nobody else write
        {smShareExclusive, omOpenReadWrite, false},
        {smShareCompat, omOpenRead, false},
        {smShareDenyRead, omOpenRead, false},
        {smShareDenyNone, omOpenRead, true},
        {smShareDenyNone, omOpenWrite, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.share) << "/" << int(c.access));
        auto rs = makeSet(file, c.share);
        rs->SetFileOpenMode(c.access);
        if (!c.opens)
            expectOpenError();
        rs->OpenRecSet();
        EXPECT_EQ(rs->Active(), c.opens);
        EXPECT_FALSE(rs->BrowseOnly());
    }
}

TEST_F(RecordSetTest, SharingAgainstAReaderAndAWriter)
{
    const QString read = makeFile(2, QStringLiteral("READ.P26"));
    auto reader = makeSet(read, smShareDenyNone);
    reader->SetFileOpenMode(omOpenRead);
    reader->OpenRecSet();
    ASSERT_TRUE(reader->Active());

    // An exclusive opener must not lock out a reader already there; one that only denies
    // writing may open normally, since the reader does not write.
    auto exclusive = makeSet(read, smShareExclusive);
    expectOpenError();
    exclusive->OpenRecSet();
    EXPECT_FALSE(exclusive->Active());
    auto denyWrite = openSet(read, smShareDenyWrite);
    EXPECT_FALSE(denyWrite->BrowseOnly());

    // Next to a writer that lets others write, a deny-write opener falls back to browse-only,
    // with or without the notice.
    const QString written = makeFile(2, QStringLiteral("WRITE.P26"));
    auto writer = openSet(written, smShareDenyNone);
    auto browser = makeSet(written, smShareDenyWrite);
    messages.expect(IdOk, QStringLiteral("is already in use"));
    browser->OpenRecSet();
    EXPECT_TRUE(browser->BrowseOnly());
    auto quiet = makeSet(written, smShareDenyWrite);
    quiet->SetShowOpenMode(false);
    quiet->OpenRecSet();
    EXPECT_TRUE(quiet->Active());
    EXPECT_TRUE(quiet->BrowseOnly());
}

TEST_F(RecordSetTest, HoldingSurvivesOtherDescriptorsAndDeletes)
{
    const QString file = makeFile(3);
    auto holder = openSet(file);

    // Reading the file through another descriptor and closing it must not release the holder.
    EXPECT_EQ(ReadTestFile(file).size(), 3 * Size);
    holder->SetCurrentRecord(2);
    messages.expect(IdOk);
    holder->DeleteRec();

    auto second = makeSet(file);
    messages.expect(IdOk, QStringLiteral("is already in use"));
    second->OpenRecSet();
    EXPECT_TRUE(second->BrowseOnly());
}

TEST_F(RecordSetTest, DestroyingAnOpenSetReleasesTheFile)
{
    const QString file = makeFile(2);
    openSet(file).reset();
    auto rs = openSet(file);
    EXPECT_FALSE(rs->BrowseOnly());
}

TEST_F(RecordSetTest, FailedWritesAreReportedWithFileAndReason)
{
    // The write fails as on a full disk.
    const QString fullFile = makeFile(1, QStringLiteral("FULL.P26"));
    auto full = openSet(fullFile, smShareDenyNone);
    logEvents(*full);
    QString fullError;
    {
        FailingFileOperations disk({FileOperation::Write}, 1);
        fullError = errorOf([&] { full->NewRec(); });
    }
    EXPECT_TRUE(fullError.contains(fullFile)) << fullError.toStdString();
    EXPECT_TRUE(fullError.contains(QStringLiteral("No space left on device"))) << fullError.toStdString();
    EXPECT_EQ(full->LastRecord(), 1);
    EXPECT_EQ(ReadTestFile(fullFile).size(), Size);
    EXPECT_EQ(log, (Log{"BeforeNewRec"}));

    // A set opened for reading cannot post.
    auto reader = makeSet(makeFile(2), smShareDenyNone);
    reader->SetFileOpenMode(omOpenRead);
    reader->OpenRecSet();
    reader->FirstRec();
    log.clear();
    logEvents(*reader);
    const QString readError = errorOf([&] { reader->PostRec(); });
    EXPECT_TRUE(readError.startsWith(QStringLiteral("Unable to write record 1 of ") + path())) << readError.toStdString();
    EXPECT_TRUE(readError.contains(QStringLiteral("Bad file descriptor"))) << readError.toStdString();
    EXPECT_EQ(log, (Log{"BeforePost"}));
}

TEST_F(RecordSetTest, ShortReadLeavesNoStaleRecordBehind)
{
    const QString file = makeFile(3);
    auto rs = openSet(file);
    rs->FirstRec();
    // Another program cuts the file in the middle of record 2.
    QFile cut(file);
    ASSERT_TRUE(cut.resize(Size + Size / 2));
    logEvents(*rs);
    for (int n : {2, 3}) {
        SCOPED_TRACE(n);
        std::fill(rs->RecordBuffer(), rs->RecordBuffer() + Size, 1);
        rs->SetCurrentRecord(n);
        const QString error = errorOf([&] { rs->GetRec(); });
        EXPECT_TRUE(error.startsWith(QStringLiteral("Unable to read record %1 of %2").arg(n).arg(file))) << error.toStdString();
        EXPECT_EQ(QByteArray(rs->RecordBuffer(), Size), QByteArray(Size, '\0'));
    }
    EXPECT_TRUE(log.empty());
}

TEST_F(RecordSetTest, NoCurrentRecordMeansNothingToReadWriteOrDelete)
{
    auto rs = openSet(makeFile(3));
    rs->RootRec();
    EXPECT_TRUE(errorOf([&] { rs->GetRec(); }).startsWith(QStringLiteral("Unable to read record 0 of ")));
    EXPECT_TRUE(errorOf([&] { rs->PostRec(); }).startsWith(QStringLiteral("Unable to write record 0 of ")));
    EXPECT_TRUE(errorOf([&] { rs->DeleteRec(); }).startsWith(QStringLiteral("Unable to delete record 0 of ")));
    EXPECT_EQ(ReadTestFile(path()), records({1, 2, 3}));

    WriteTestFile(path(QStringLiteral("EMPTY.P26")), QByteArray());
    auto empty = openSet(path(QStringLiteral("EMPTY.P26")));
    EXPECT_TRUE(errorOf([&] { empty->FirstRec(); }).contains(QStringLiteral("the file holds 0 records")));
}
