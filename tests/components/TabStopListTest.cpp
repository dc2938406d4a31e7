#include "TestSupport.h"

#include "components/TabStopList.h"

#include <limits>

TEST(TabStopList, TakesAnyStopFromZeroUp)
{
    TTabStopList stops;
    EXPECT_EQ(stops.Min(), 0);
    EXPECT_EQ(stops.Max(), std::numeric_limits<qint32>::max());
    EXPECT_THROW(stops.Add(-1), EOutOfRange);
    EXPECT_EQ(stops.Count(), 0);
}

TEST(TabStopList, EveryChangeIsPassedOn)
{
    int applied = 0;
    TTabStopList stops([&applied] { ++applied; });
    stops.Add(10);
    stops.Add(20);
    EXPECT_EQ(applied, 2);
    stops.SetItem(0, 5);
    EXPECT_EQ(applied, 3);
    stops.Insert(1, 8);
    EXPECT_EQ(applied, 4);
    stops.Exchange(0, 2);
    stops.Move(0, 1);
    EXPECT_EQ(applied, 6);
    stops.Delete(0);
    EXPECT_EQ(applied, 7);
    stops.Clear();
    EXPECT_EQ(applied, 8);
    // A refused value changes nothing and tells nobody.
    EXPECT_THROW(stops.Add(-5), EOutOfRange);
    EXPECT_EQ(applied, 8);
}

TEST(TabStopList, AListBoxTakesTheFirstHundredInQuarters)
{
    TTabStopList stops;
    for (int i = 1; i <= 120; ++i)
        stops.Add(i);
    const std::vector<int> applied = stops.ListBoxTabStops();
    ASSERT_EQ(applied.size(), 100u);
    EXPECT_EQ(applied.front(), 4);
    EXPECT_EQ(applied.back(), 400);
    EXPECT_TRUE(TTabStopList().ListBoxTabStops().empty());
}
