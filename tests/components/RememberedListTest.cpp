#include "TestSupport.h"

#include "components/RememberedList.h"
#include "platform/Exceptions.h"

#include <QFile>

namespace {
class RememberedListTest : public LedgoraTest {};
}

TEST_F(RememberedListTest, SavesOneEntryALineAndLoadsItBack)
{
    const QString path = tempPath(QStringLiteral("Acme.Dep"));
    const QStringList entries{QStringLiteral("Sales"), QStringLiteral("Caf\u00e9"), QStringLiteral("Service")};
    SaveEntryList(path, entries);
    EXPECT_EQ(ReadTestFile(path), QByteArray("Sales\r\nCaf\xe9\r\nService\r\n"));
    EXPECT_EQ(LoadEntryList(path), entries);

    WriteTestFile(path, QByteArray("Shop\nOffice"));
    EXPECT_EQ(LoadEntryList(path), (QStringList{QStringLiteral("Shop"), QStringLiteral("Office")}));
}

TEST_F(RememberedListTest, MissingFileIsAnEmptyListAndAnEmptyListIsNeverWritten)
{
    const QString path = tempPath(QStringLiteral("Acme.Pos"));
    EXPECT_TRUE(LoadEntryList(path).isEmpty());
    SaveEntryList(path, {});
    EXPECT_FALSE(QFile::exists(path));
    WriteTestFile(path, QByteArray("Clerk\r\n"));
    SaveEntryList(path, {});
    EXPECT_EQ(ReadTestFile(path), QByteArray("Clerk\r\n"));
}

TEST_F(RememberedListTest, AFailedSaveKeepsTheOldFileAndSaysWhy)
{
    const QString path = tempPath(QStringLiteral("nowhere/Acme.Dep"));
    try {
        SaveEntryList(path, {QStringLiteral("Sales")});
        FAIL() << "no error";
    } catch (const EInOutError& error) {
        EXPECT_TRUE(error.message().startsWith(path)) << error.message().toStdString();
    }
}

TEST_F(RememberedListTest, AddOrMovePutsTheItemFirst)
{
    QStringList entries{QStringLiteral("Sales"), QStringLiteral("Service")};
    EXPECT_TRUE(AddOrMoveEntry(entries, QStringLiteral("Shipping")));
    EXPECT_EQ(entries, (QStringList{QStringLiteral("Shipping"), QStringLiteral("Sales"), QStringLiteral("Service")}));
    EXPECT_TRUE(AddOrMoveEntry(entries, QStringLiteral("Service")));
    EXPECT_EQ(entries, (QStringList{QStringLiteral("Service"), QStringLiteral("Shipping"), QStringLiteral("Sales")}));
    EXPECT_FALSE(AddOrMoveEntry(entries, QStringLiteral("Service")));
    EXPECT_FALSE(AddOrMoveEntry(entries, QStringLiteral("   ")));
    // The comparison is exact: another case is another entry.
    EXPECT_TRUE(AddOrMoveEntry(entries, QStringLiteral("sales")));
    EXPECT_EQ(entries.size(), 4);
}

TEST_F(RememberedListTest, CompletionAndOrder)
{
    QStringList entries{QStringLiteral("service"), QStringLiteral("Sales"), QStringLiteral("Admin")};
    EXPECT_EQ(CompletionIndex(entries, QStringLiteral("s")), 0);
    EXPECT_EQ(CompletionIndex(entries, QStringLiteral("SA")), 1);
    EXPECT_EQ(CompletionIndex(entries, QStringLiteral("Salesman")), -1);
    EXPECT_EQ(CompletionIndex(entries, QStringLiteral("x")), -1);
    SortEntries(entries);
    EXPECT_EQ(entries, (QStringList{QStringLiteral("Admin"), QStringLiteral("Sales"), QStringLiteral("service")}));
}
