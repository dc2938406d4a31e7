#include "PayStepTest.h"

#include "payroll/PayComputeSteps.h"

namespace {

using QualifiedOvertimeTest = PayStepTest;

TEST_F(QualifiedOvertimeTest, PremiumShareOfOvertimePay)
{
    struct Case {
        double overtimePay;
        double regularHours;
        bool doubleTime;
        double expected;
    };
    const Case cases[] = {
        {150, 40, false, 50.00},
        {150, 39.5, false, 0},
        {150, 40, true, 37.50},
        {100, 80, false, 33.33},
        {0, 45, false, 0},
    };
    for (const Case& c : cases) {
        EmployeeRec.OverTimePay[Now] = c.overtimePay;
        EmployeeRec.RegularTime = c.regularHours;
        EmployeeRec.DoubleOT = c.doubleTime;
        EmployeeRec.QualifiedOT[Now] = 99;
        ComputeQualifiedOvertime();
        EXPECT_DOUBLE_EQ(EmployeeRec.QualifiedOT[Now], c.expected)
            << c.overtimePay << " " << c.regularHours << " " << c.doubleTime;
    }
}

} // namespace
