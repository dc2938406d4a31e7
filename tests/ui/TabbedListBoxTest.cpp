#include "TestSupport.h"

#include "components/ui/TabbedListBox.h"

#include <QApplication>
#include <QImage>
#include <QScrollBar>

#include <optional>

namespace {

// The leftmost column of the box's first line that holds ink, if any.
std::optional<int> firstInkColumn(TTabbedListBox& box)
{
    const QImage image = box.viewport()->grab().toImage();
    const QRect line = box.visualItemRect(box.item(0));
    for (int x = 0; x < image.width(); ++x)
        for (int y = line.top(); y <= line.bottom(); ++y)
            if (qGray(image.pixel(x, y)) < 128)
                return x;
    return std::nullopt;
}

} // namespace

using TabbedListBoxTest = LedgoraTest;

TEST_F(TabbedListBoxTest, StartsWithoutStopsOrSidewaysScrolling)
{
    TTabbedListBox box;
    EXPECT_EQ(box.HorzExtent(), 0);
    EXPECT_FALSE(box.HorzScrollBar());
    EXPECT_EQ(box.TabStops().Count(), 0);
    EXPECT_TRUE(box.AppliedTabStops().empty());
    EXPECT_EQ(box.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST_F(TabbedListBoxTest, AppliesOnlyTheFirstHundredStops)
{
    TTabbedListBox box;
    TIntegerList stops;
    for (int i = 1; i <= 120; ++i)
        stops.Add(i * 2);
    box.SetTabStops(stops);
    EXPECT_EQ(box.TabStops().Count(), 120);
    ASSERT_EQ(box.AppliedTabStops().size(), 100u);
    EXPECT_EQ(box.AppliedTabStops().front(), 8);
    EXPECT_EQ(box.AppliedTabStops().back(), 800);
}

TEST_F(TabbedListBoxTest, ChangingAStopAppliesTheStopsAgain)
{
    TTabbedListBox box;
    box.TabStops().Add(10);
    EXPECT_EQ(box.AppliedTabStops(), std::vector<int>({40}));
    box.TabStops().Insert(0, 5);
    EXPECT_EQ(box.AppliedTabStops(), std::vector<int>({20, 40}));
    box.TabStops().SetItem(1, 12);
    EXPECT_EQ(box.AppliedTabStops(), std::vector<int>({20, 48}));
    box.TabStops().Delete(0);
    EXPECT_EQ(box.AppliedTabStops(), std::vector<int>({48}));
    box.TabStops().Clear();
    EXPECT_TRUE(box.AppliedTabStops().empty());
}

TEST_F(TabbedListBoxTest, ATabMovesTheTextToItsStop)
{
    TTabbedListBox box;
    box.resize(400, 100);
    box.addItem(QStringLiteral("\tX"));
    box.show();
    const int charWidth = box.fontMetrics().averageCharWidth();

    box.TabStops().Add(20);
    const std::optional<int> at20 = firstInkColumn(box);
    ASSERT_TRUE(at20.has_value());
    EXPECT_GE(*at20, 20 * charWidth);
    EXPECT_LT(*at20, 20 * charWidth + 3 * charWidth);

    box.TabStops().SetItem(0, 30);
    const std::optional<int> at30 = firstInkColumn(box);
    ASSERT_TRUE(at30.has_value());
    EXPECT_EQ(*at30 - *at20, 10 * charWidth);
}

TEST_F(TabbedListBoxTest, ScrollsSidewaysOverItsExtentWhenTheBarIsShown)
{
    TTabbedListBox box;
    box.resize(200, 100);
    box.addItem(QStringLiteral("Abernathy, Jonathan Q.\tSomething long to the right"));
    box.SetHorzScrollBar(true);
    box.show();
    QApplication::processEvents();
    EXPECT_EQ(box.horizontalScrollBar()->maximum(), 0);

    box.SetHorzExtent(1000);
    QApplication::processEvents();
    EXPECT_GT(box.horizontalScrollBar()->maximum(), 700);
    EXPECT_TRUE(box.horizontalScrollBar()->isVisible());

    box.SetHorzScrollBar(false);
    QApplication::processEvents();
    EXPECT_FALSE(box.horizontalScrollBar()->isVisible());
}
