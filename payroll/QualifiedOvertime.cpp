#include "client/PayRecords.h"
#include "components/NumberRoutines.h"
#include "payroll/PayComputeSteps.h"

namespace {

constexpr double kFullWeekHours = 40;

} // namespace

void ComputeQualifiedOvertime()
{
    EmployeeRecord& employee = EmployeeRec;
    double& qualified = employee.QualifiedOT[kCurrentColumn];
    const double overtimePay = employee.OverTimePay[kCurrentColumn];

    qualified = 0;
    if (overtimePay != 0 && employee.RegularTime >= kFullWeekHours)
        qualified = RoundToDecimals(overtimePay / (employee.DoubleOT ? 4 : 3), 2);
}
