#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "components/NumberRoutines.h"
#include "payroll/PayComputeSteps.h"
#include "payroll/PayrollYear.h"

#include <optional>

namespace {

constexpr double kBaseDeferralLimit = 24500;
constexpr double kCatchUpDeferralLimit = 32500;          // base plus 8,000 from age 50
constexpr double kLateCatchUpDeferralLimit = 35750;      // base plus 11,250 from age 60 to 63
constexpr double kSimplePlanLimit = 17000;               // 408(k)(6) and SIMPLE IRA, every age

// The deferral is money on the check, so the percent is taken to the cent before the limit cuts
// it; what the limit leaves is taken to the cent as well, since the year-to-date deferrals are
// sums of cents that carry binary noise.
void DeferPercentOfWages(TPeriodAmounts& plan, double percent, double federalWages, double limit)
{
    if (percent <= 0)
        return;
    const double wanted = MoneyTimesPercent(federalWages, percent);
    plan[kCurrentColumn] = RoundToDecimals(TaxableUnderWageBase(wanted, plan[kYearToDateColumn], limit), 2);
}

// Annual elective-deferral limit of 401(k), 403(b) and 457(b) plans by the age reached in the
// payroll year; catch-up contributions start in the year the employee turns 50.
double ElectiveDeferralLimit(std::optional<int> age)
{
    if (!age || *age < 50)
        return kBaseDeferralLimit;
    if (*age >= 60 && *age <= 63)
        return kLateCatchUpDeferralLimit;
    return kCatchUpDeferralLimit;
}

} // namespace

void ComputeRetirementDeferrals()
{
    EmployeeRecord& employee = EmployeeRec;
    const double federalWages = employee.FedEarnings[kCurrentColumn];
    const double limit = ElectiveDeferralLimit(AgeInPayrollYear(employee));

    DeferPercentOfWages(employee.Plan401k, employee.Plan401kPct, federalWages, limit);
    DeferPercentOfWages(employee.Plan403b, employee.Plan403bPct, federalWages, limit);
    DeferPercentOfWages(employee.Plan408k6, employee.Plan408k6Pct, federalWages, kSimplePlanLimit);
    DeferPercentOfWages(employee.Plan457b, employee.Plan457bPct, federalWages, limit);
    DeferPercentOfWages(employee.IRASimple, employee.IRASimplePct, federalWages, kSimplePlanLimit);
}
