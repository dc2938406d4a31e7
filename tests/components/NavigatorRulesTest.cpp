#include "TestSupport.h"

#include "components/NavigatorRules.h"
#include "components/RecordSet.h"

#include <memory>

namespace {

constexpr int Size = 32;

TNavBtns btns(std::initializer_list<TNavigationButtons> buttons)
{
    TNavBtns set = NoNavBtns;
    for (TNavigationButtons b : buttons)
        set |= NavBtn(b);
    return set;
}

class NavigatorEnablingTest : public LedgoraTest {
protected:
    std::unique_ptr<TRecordSet> openFile(int count, TFileShareMode share = smShareDenyWrite)
    {
        const QString path = tempPath(QStringLiteral("EMPLOYEE.P26"));
        if (!QFile::exists(path))
            WriteTestFile(path, QByteArray(Size * count, 'x'));
        auto rs = std::make_unique<TRecordSet>();
        rs->SetRecSize(Size);
        rs->SetFileName(path);
        rs->SetFileShareMode(share);
        rs->SetShowOpenMode(false);
        rs->OpenRecSet();
        EXPECT_TRUE(rs->Active());
        return rs;
    }
};

} // namespace

TEST(NavigatorRules, TheSetIsOneBytePerButtonInOrder)
{
    EXPECT_EQ(NavBtn(nbFirst), 0x01);
    EXPECT_EQ(NavBtn(nbDelete), 0x40);
    EXPECT_EQ(btns({nbFirst, nbNext, nbPrior, nbLast, nbList, nbNew, nbDelete}), AllNavBtns);
}

TEST_F(NavigatorEnablingTest, FollowsThePositionTheCountAndTheMode)
{
    const struct {
        const char* what;
        int count;
        int current;
        int maxRec;
        TNavBtns enabled;
    } cases[] = {
        {"one record", 1, 1, 10000, btns({nbNew})},
        {"one record at the limit", 1, 1, 1, NoNavBtns},
        {"first of three", 3, 1, 10000, btns({nbNext, nbLast, nbList, nbNew, nbDelete})},
        {"middle of three", 3, 2, 10000, AllNavBtns},
        {"last of three", 3, 3, 10000, btns({nbFirst, nbPrior, nbList, nbNew, nbDelete})},
        {"last of three at the limit", 3, 3, 3, btns({nbFirst, nbPrior, nbList, nbDelete})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(tempPath(QStringLiteral("EMPLOYEE.P26")));
        auto rs = openFile(c.count);
        rs->SetMaxRec(c.maxRec);
        rs->SetCurrentRecord(c.current);
        EXPECT_EQ(EnabledNavButtons(rs.get(), true), c.enabled);
        EXPECT_EQ(EnabledNavButtons(rs.get(), false), NoNavBtns);
    }
}

TEST_F(NavigatorEnablingTest, BrowseOnlyNeverOffersNewOrDelete)
{
    auto owner = openFile(3);
    auto browser = openFile(3);
    ASSERT_TRUE(browser->BrowseOnly());
    browser->SetCurrentRecord(2);
    EXPECT_EQ(EnabledNavButtons(browser.get(), true), btns({nbFirst, nbPrior, nbNext, nbLast, nbList}));
    browser->CloseRecSet();
    owner->CloseRecSet();
    QFile::remove(tempPath(QStringLiteral("EMPLOYEE.P26")));
    owner = openFile(1);
    browser = openFile(1);
    ASSERT_TRUE(browser->BrowseOnly());
    EXPECT_EQ(EnabledNavButtons(browser.get(), true), NoNavBtns);
}

TEST_F(NavigatorEnablingTest, NothingWithoutAnOpenRecordSet)
{
    EXPECT_EQ(EnabledNavButtons(nullptr, true), NoNavBtns);
    auto rs = openFile(3);
    rs->CloseRecSet();
    EXPECT_EQ(EnabledNavButtons(rs.get(), true), NoNavBtns);
}

TEST(NavigatorRules, LaysTheVisibleButtonsSideBySideInTheFixedOrder)
{
    std::array<NavButtonPlace, NavButtonCount> places{};
    EXPECT_EQ(LayOutNavButtons(AllNavBtns, 22, places), 154);
    for (int b = 0; b < NavButtonCount; ++b)
        EXPECT_EQ(places[b].left, 22 * b) << b;

    // Five buttons: New and Delete hidden keep the places they had.
    EXPECT_EQ(LayOutNavButtons(btns({nbFirst, nbNext, nbPrior, nbLast, nbList}), 22, places), 110);
    EXPECT_EQ(places[nbList].left, 88);
    EXPECT_EQ(places[nbNew].left, 110);
    EXPECT_EQ(places[nbDelete].left, 132);

    // The city screen's bar: List and Delete hidden, New moves up beside Last.
    EXPECT_EQ(LayOutNavButtons(btns({nbFirst, nbNext, nbPrior, nbLast, nbNew}), 30, places), 110);
    EXPECT_EQ(places[nbNew].left, 88);
    EXPECT_EQ(places[nbList].left, 88);
    for (const NavButtonPlace& place : places) {
        EXPECT_EQ(place.width, 22);
        EXPECT_EQ(place.height, 30);
    }
}

TEST(NavigatorRules, NoVisibleButtonLeavesTheLayoutAlone)
{
    std::array<NavButtonPlace, NavButtonCount> places{};
    LayOutNavButtons(AllNavBtns, 22, places);
    const auto before = places;
    EXPECT_EQ(LayOutNavButtons(NoNavBtns, 40, places), std::nullopt);
    for (int b = 0; b < NavButtonCount; ++b) {
        EXPECT_EQ(places[b].left, before[b].left);
        EXPECT_EQ(places[b].height, 22);
    }
}

TEST(NavigatorRules, OnlyAltAlonePressesAButton)
{
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        std::optional<TNavigationButtons> button;
    } cases[] = {
        {Qt::Key_F, Qt::AltModifier, nbFirst},
        {Qt::Key_N, Qt::AltModifier, nbNext},
        {Qt::Key_P, Qt::AltModifier, nbPrior},
        {Qt::Key_L, Qt::AltModifier, nbLast},
        {Qt::Key_I, Qt::AltModifier, nbList},
        {Qt::Key_E, Qt::AltModifier, nbNew},
        {Qt::Key_D, Qt::AltModifier, nbDelete},
        {Qt::Key_N, Qt::NoModifier, std::nullopt},
        {Qt::Key_N, Qt::AltModifier | Qt::ControlModifier, std::nullopt},
        {Qt::Key_N, Qt::AltModifier | Qt::ShiftModifier, std::nullopt},
        {Qt::Key_X, Qt::AltModifier, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NavButtonForKey(c.key, c.modifiers), c.button) << c.key << " " << c.modifiers.toInt();
}
