#include "ClientFixture.h"

#include "client/PayMRU.h"

namespace {

QStringList Ten(std::initializer_list<const char*> first)
{
    QStringList list;
    for (const char* name : first)
        list << QString::fromUtf8(name);
    while (list.size() < kRecentFileCount)
        list << QString();
    return list;
}

} // namespace

TEST(PayMRU, SequencesOfClosedFiles)
{
    struct Case {
        const char* what;
        QStringList before;
        const char* added;
        QStringList after;
    };
    const Case cases[] = {
        {"first file into an empty list", Ten({}), "/d/A.P26", Ten({"/d/A.P26"})},
        {"a new file goes first", Ten({"/d/A.P26"}), "/d/B.P26", Ten({"/d/B.P26", "/d/A.P26"})},
        {"a listed file moves up", Ten({"/d/A.P26", "/d/B.P26", "/d/C.P26"}), "/d/C.P26",
         Ten({"/d/C.P26", "/d/A.P26", "/d/B.P26"})},
        {"letter case is ignored", Ten({"/d/A.P26", "/d/acme.p26"}), "/d/ACME.P26", Ten({"/d/ACME.P26", "/d/A.P26"})},
        {"the oldest of ten falls off",
         Ten({"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8", "/9", "/10"}), "/11",
         Ten({"/11", "/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8", "/9"})},
        {"the tenth entry moves up too",
         Ten({"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8", "/9", "/10"}), "/10",
         Ten({"/10", "/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8", "/9"})},
        {"a short list from the registry is filled up", QStringList{"/d/A.P26"}, "/d/B.P26",
         Ten({"/d/B.P26", "/d/A.P26"})},
        {"a blank name changes nothing", Ten({"/d/A.P26"}), "", Ten({"/d/A.P26"})},
    };
    for (const Case& c : cases) {
        QStringList list = c.before;
        AddToRecentFiles(list, QString::fromUtf8(c.added));
        EXPECT_EQ(list, c.after) << c.what;
        EXPECT_EQ(list.size(), kRecentFileCount) << c.what;
    }
}

TEST(PayMRU, MenuCaptionsShowAmpersandsAsTyped)
{
    EXPECT_EQ(RecentFileCaption(0, QStringLiteral("/d/Smith & Sons.P26")), QStringLiteral("&0 /d/Smith && Sons.P26"));
    EXPECT_EQ(RecentFileCaption(9, QStringLiteral("/d/A.P26")), QStringLiteral("&9 /d/A.P26"));
    EXPECT_FALSE(RecentClientsEnabled(Ten({})));
    EXPECT_TRUE(RecentClientsEnabled(Ten({"/d/A.P26"})));
}

using PayMRUDataModuleTest = ClientTest;

// A client enters the list when it is closed, not when it is opened.
TEST_F(PayMRUDataModuleTest, ClientsEnterTheListWhenClosed)
{
    MRUList = QStringList(QList<QString>(kRecentFileCount));
    const QString first = clientPath(QStringLiteral("FIRST"));
    const QString second = clientPath(QStringLiteral("SECOND"));
    openClient(QStringLiteral("FIRST"));
    EXPECT_EQ(MRUList.value(0), QString());
    module->RSEmployee.CloseRecSet();
    openClient(QStringLiteral("SECOND"));
    EXPECT_EQ(MRUList.mid(0, 2), (QStringList{first, QString()}));
    module->RSEmployee.CloseRecSet();
    openClient(QStringLiteral("FIRST"));
    module->RSEmployee.CloseRecSet();
    EXPECT_EQ(MRUList.mid(0, 3), (QStringList{first, second, QString()}));
    EXPECT_EQ(MRUList.size(), kRecentFileCount);
}
