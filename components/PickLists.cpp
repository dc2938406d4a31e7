#include "components/PickLists.h"

#include <array>

EmployeeListHeights EmployeeListHeightsFor(int employeeCount)
{
    // Lists of 2 to 9 employees show every name; longer ones scroll.
    static constexpr std::array<EmployeeListHeights, 8> Small = {{
        {141, 33}, {149, 43}, {161, 57}, {173, 70}, {185, 82}, {200, 97}, {213, 110}, {226, 121},
    }};
    if (employeeCount >= 2 && employeeCount <= 9)
        return Small[employeeCount - 2];
    return {237, 134};
}
