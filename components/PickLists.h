#pragma once

// The heights, in pixels, of the employee picker's window and of its list, which grow with the
// number of employees up to ten.
struct EmployeeListHeights {
    int window = 0;
    int list = 0;
};

EmployeeListHeights EmployeeListHeightsFor(int employeeCount);
