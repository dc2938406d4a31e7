#include "payroll/UserFieldActions.h"

#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "components/NumberRoutines.h"
#include "payroll/PayCompute.h"
#include "payroll/PayComputeSteps.h"
#include "payroll/UserFields.h"

namespace {

constexpr int kCurrent = kCurrentColumn;

// The amount an action gives a field, from the previous pass and the field's own amount. A base
// that includes the field itself is taken without it: a user earning's share of gross pay or net
// pay, a user deduction's share of net pay. An unknown action leaves the amount as it is.
double ActionAmount(const EmployeeRecord& employee, int field, double ownAmount, double totalHours)
{
    const double multiplier = employee.UserAmount[field];
    switch (employee.UserAction[field]) {
    case fa_Wages:
        return MoneyTimesPercent(employee.Wages[kCurrent], multiplier);
    case fa_GrossWages:
        return MoneyTimesPercent(employee.GrossWages[kCurrent] - (IsUserEarning(field) ? ownAmount : 0),
                                 multiplier);
    case fa_RegularTime:
        return MoneyTimes(multiplier, employee.RegularTime);
    case fa_TotalTime:
        return MoneyTimes(multiplier, totalHours);
    case fa_NetPay: {
        double netPay = employee.NetPay[kCurrent];
        if (IsUserDeduction(field))
            netPay += ownAmount;
        else if (IsUserEarning(field))
            netPay -= ownAmount;
        return MoneyTimesPercent(netPay, multiplier);
    }
    case fa_FedWages:
        return MoneyTimesPercent(employee.FedEarnings[kCurrent], multiplier);
    case fa_MedWages:
        return MoneyTimesPercent(employee.MedEarnings[kCurrent], multiplier);
    default:
        return ownAmount;
    }
}

void ComputeUserFieldAmounts()
{
    EmployeeRecord& employee = EmployeeRec;
    const double totalHours = employee.RegularTime + employee.OverTime + employee.OtherTime
                              + employee.HolidayTime + employee.VacationTime + employee.SickTime;

    for (int field = 1; field <= kUserFieldCount; ++field) {
        if (employee.UserAction[field] == fa_NoAction)
            continue;
        TPeriodAmounts& amounts = UserFieldAmounts(employee, field);
        const double amount =
            RoundToDecimals(ActionAmount(employee, field, amounts[kCurrent], totalHours), 2);
        amounts[kCurrent] = TaxableUnderWageBase(amount, amounts[kYearToDateColumn],
                                                 employee.UserMaxAmt[field]);
    }
}

} // namespace

void ApplyUserFieldActions()
{
    ComputeUserFieldAmounts();
    RunPayComputationPass();
}
