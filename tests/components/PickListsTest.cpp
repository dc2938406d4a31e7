#include "TestSupport.h"

#include "components/PickLists.h"

TEST(PickLists, EmployeeListGrowsWithTheCountUpToTen)
{
    const struct {
        int employees;
        int window;
        int list;
    } cases[] = {
        {2, 141, 33}, {3, 149, 43}, {4, 161, 57}, {5, 173, 70}, {6, 185, 82},
        {7, 200, 97}, {8, 213, 110}, {9, 226, 121}, {10, 237, 134}, {25, 237, 134},
    };
    for (const auto& c : cases) {
        const EmployeeListHeights heights = EmployeeListHeightsFor(c.employees);
        EXPECT_EQ(heights.window, c.window) << c.employees;
        EXPECT_EQ(heights.list, c.list) << c.employees;
    }
}
