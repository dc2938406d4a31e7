#include "TestSupport.h"

#include "client/LaunchPanel.h"
#include "client/MainMenuItems.h"

#include <map>
#include <set>
#include <vector>

using enum MenuItem;

TEST(MainMenuItemsTest, EveryItemButTheButtonsStandsOnceInTheTree)
{
    std::set<MenuItem> seen;
    std::set<MenuItem> parents = {None};
    for (const MenuEntry& entry : MainMenuEntries()) {
        EXPECT_TRUE(parents.count(entry.parent)) << MenuItemName(entry.item) << " comes before its menu";
        if (entry.item == None)
            continue;
        EXPECT_TRUE(seen.insert(entry.item).second) << MenuItemName(entry.item);
        parents.insert(entry.item);
    }
    for (std::size_t i = 1; i < kMenuItemCount; ++i) {
        const auto item = static_cast<MenuItem>(i);
        const bool isButton = QString::fromLatin1(MenuItemName(item)).startsWith(QStringLiteral("Btn"));
        EXPECT_EQ(seen.count(item) == 1, !isButton) << MenuItemName(item);
    }
}

TEST(MainMenuItemsTest, SampleEntriesCarryTheirCaptionsShortcutsAndHelp)
{
    struct Case {
        MenuItem item;
        const char* caption;
        const char* shortcut;
        int help;
    };
    const Case cases[] = {
        {MnuClose, "C&lose Employer File", "Ctrl+F4", 50},
        {MnuStateReport, "State Unemployment && Disability Tax Report", "", 16},
        {MnuForm944, "Form 94&4", "", 53},
        {MnuFederalAndStateTaxLiabilities, "Federal and State Tax Liabilities", "Alt+T", 0},
        {MnuQTDRptJ, "Quarter-to-Date Journal Report", "", 16},
        {MnuPassword, "&Password...", "", 44},
    };
    for (const Case& c : cases) {
        const MenuEntry* entry = FindMenuEntry(c.item);
        ASSERT_NE(entry, nullptr) << MenuItemName(c.item);
        EXPECT_STREQ(entry->caption, c.caption);
        EXPECT_STREQ(entry->shortcut, c.shortcut);
        EXPECT_EQ(entry->helpContext, c.help);
    }
}

// The key after "&" in a caption, upper case; 0 when it has none ("&&" is a plain "&").
char AcceleratorOf(const char* caption)
{
    const QString text = QString::fromLatin1(caption).replace(QStringLiteral("&&"), QString());
    const qsizetype at = text.indexOf(QChar('&'));
    return at >= 0 && at + 1 < text.size() ? text.at(at + 1).toUpper().toLatin1() : 0;
}

TEST(MainMenuItemsTest, TheTaxFormsMenuHasOneAcceleratorPerItem)
{
    const struct {
        MenuItem item;
        const char* caption;
    } expected[] = {
        {MnuForm940, "Form 94&0"},       {MnuForm941, "Form 94&1"}, {MnuScheduleB, "Schedule &B (Form 941)"},
        {MnuForm944, "Form 94&4"},       {MnuFormW2, "Form W-&2"},  {MnuFormW3, "Form W-&3"},
        {MnuForm1095C, "Form 109&5-C"},  {MnuForm1094C, "Form 1094-&C"},
        {MnuNJUDI, "Forms &NJ-927/WR-30 Worksheets"}, {MnuNJW3, "N&J-W-3"},
    };
    std::vector<MenuItem> items;
    for (const MenuEntry& entry : MainMenuEntries())
        if (entry.parent == MnuTaxForms && entry.item != None)
            items.push_back(entry.item);
    ASSERT_EQ(items.size(), std::size(expected));
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i], expected[i].item) << expected[i].caption;
        EXPECT_STREQ(FindMenuEntry(items[i])->caption, expected[i].caption);
    }
}

TEST(MainMenuItemsTest, NoTwoItemsOfAMenuShareAnAccelerator)
{
    std::map<MenuItem, std::map<char, const char*>> keys;
    for (const MenuEntry& entry : MainMenuEntries()) {
        const char key = AcceleratorOf(entry.caption);
        if (entry.item == None || key == 0)
            continue;
        const auto [at, added] = keys[entry.parent].emplace(key, entry.caption);
        EXPECT_TRUE(added) << entry.caption << " and " << at->second << " share " << key;
    }
}

TEST(MainMenuItemsTest, RecentClientItemsAreNumberedFromZero)
{
    EXPECT_EQ(RecentFileItem(0), MnuMRU0);
    EXPECT_EQ(RecentFileItem(9), MnuMRU9);
    EXPECT_EQ(RecentFileItem(10), None);
    EXPECT_EQ(RecentFileIndex(MnuMRU7), 7);
    EXPECT_EQ(RecentFileIndex(MnuExit), -1);
}

TEST(LaunchPanelTest, ThirtySevenLabelsInTwoColumnsWithUniqueTags)
{
    std::set<int> tags;
    int left = 0;
    int lastSlot[2] = {-1, -1};
    for (const LaunchLabel& label : LaunchLabels()) {
        EXPECT_TRUE(tags.insert(label.tag).second) << label.tag;
        EXPECT_GE(label.tag, 101);
        EXPECT_LE(label.tag, 138);
        EXPECT_GT(label.slot, lastSlot[label.column]) << label.tag;
        lastSlot[label.column] = label.slot;
        left += label.column == 0;
    }
    EXPECT_EQ(tags.size(), 37u);
    EXPECT_EQ(tags.count(120), 0u);
    EXPECT_EQ(left, 21);
}

TEST(LaunchPanelTest, GatedLabelsFollowTheirMenuItems)
{
    EXPECT_EQ(FindLaunchLabel(116)->command, MnuStandard);
    EXPECT_EQ(FindLaunchLabel(116)->gate, MnuReports);
    EXPECT_EQ(FindLaunchLabel(138)->gate, MnuEFW2);
    EXPECT_EQ(FindLaunchLabel(122)->gate, None);
    EXPECT_EQ(FindLaunchLabel(137)->command, None);
    EXPECT_EQ(FindLaunchLabel(120), nullptr);
}
