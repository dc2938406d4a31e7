#include "payroll/FutaTax.h"

#include "client/PayRecords.h"
#include "components/NumberRoutines.h"
#include "payroll/PayComputeHelpers.h"

namespace {
constexpr int Now = kCurrentColumn;
constexpr int Ytd = kYearToDateColumn;
} // namespace

void ComputeFUTATax()
{
    EmployeeRecord& e = EmployeeRec;
    const FederalTaxRecord& table = FederalTaxRec;

    if (e.FUTAExempt)
        e.FUTAEarnings[Now] = 0;
    if (e.FUTAEarnings[Now] == 0) {
        e.FUTALib[Now] = 0;
        return;
    }

    const double excess = WagesOverBase(e.FUTAEarnings[Now], e.FUTAEarnings[Ytd], table.MaxFUTAWages);
    if (e.FUTAEarnings[Now] > excess) {
        e.FUTAEarnings[Now] -= excess;
        e.FUTALib[Now] = MoneyTimesPercent(e.FUTAEarnings[Now], table.FUTARate);
    } else {
        e.FUTALib[Now] = 0;
        e.FUTAEarnings[Now] = 0;
    }

    if (AtLeastToTheCent(e.FUTAEarnings[Now] + e.FUTAEarnings[Ytd], table.MaxFUTAWages))
        e.FUTALib[Now] = TrueUpToMaximum(e.FUTALib[Now], e.FUTALib[Ytd], table.MaxFUTATax);
}
