#include "payroll/UnemploymentDisability.h"

#include "client/PayRecords.h"
#include "components/NumberRoutines.h"
#include "components/StateTables.h"
#include "payroll/PayComputeHelpers.h"
#include "payroll/PayComputeSteps.h"
#include "platform/Exceptions.h"

#include <optional>

// Employee unemployment (UI) and disability (DI) taxes come from the work state's table and are
// trued up to the year's maximum in the period that reaches the wage base; the employer's
// contributions come from the company's rates for the work state and have no maximum.

namespace {

constexpr int kCurrent = kCurrentColumn;
constexpr int kYearToDate = kYearToDateColumn;

// New Jersey fixes the year's employee UI and DI contributions.
constexpr double kNewJerseyUIMaximum = 190.40;
constexpr double kNewJerseyDIMaximum = 718.62;

bool WorksInNewJersey()
{
    return EmployeeRec.WorkStateIndex == StateCodeIndex(QStringLiteral("NJ")) + 1;
}

void WithholdEmployeeTax(TPeriodAmounts& wagesGroup, TPeriodAmounts& taxGroup, bool exempt,
                         double ratePercent, double wageBase, std::optional<double> fixedMaximum)
{
    double& wages = wagesGroup[kCurrent];
    double& tax = taxGroup[kCurrent];

    if (exempt)
        wages = 0;
    if (wages == 0) {
        tax = 0;
        return;
    }

    const double total = wages + wagesGroup[kYearToDate];
    const double excess = WagesOverBase(wages, wagesGroup[kYearToDate], wageBase);
    if (wages > excess) {
        wages -= excess;
        tax = MoneyTimesPercent(wages, ratePercent);
    } else {
        tax = 0;
        wages = 0;
    }

    // A state without this employee tax has nothing to true up, whatever maximum it may have.
    if (ratePercent == 0)
        return;
    const double maximum = fixedMaximum ? *fixedMaximum : MoneyTimesPercent(wageBase, ratePercent);
    if (AtLeastToTheCent(total, wageBase))
        tax = TrueUpToMaximum(tax, taxGroup[kYearToDate], maximum);
}

void AccrueEmployerTax(TPeriodAmounts& wagesGroup, TPeriodAmounts& liabilityGroup, bool exempt,
                       double ratePercent, double wageBase)
{
    double& wages = wagesGroup[kCurrent];
    double& liability = liabilityGroup[kCurrent];

    if (exempt)
        wages = 0;
    if (wages == 0) {
        liability = 0;
        return;
    }

    const double excess = WagesOverBase(wages, wagesGroup[kYearToDate], wageBase);
    if (wages > excess) {
        wages -= excess;
        liability = MoneyTimesPercent(wages, ratePercent);
    } else {
        liability = 0;
        wages = 0;
    }
}

} // namespace

int EmployeeWorkState(const EmployeeRecord& employee)
{
    const QString code = employee.WorkState.get();
    const int state = StateCodeIndex(code) + 1;
    if (state > StateCount || employee.WorkStateIndex != state) {
        throw ECustomException(
            QStringLiteral("The pay of %1 cannot be computed: the work state \"%2\" is not a valid "
                           "work state.~Choose the work state again on the employee screen.")
                .arg(employee.FullName.get().trimmed(), code.trimmed()));
    }
    return state;
}

void ComputeEmployeeUITax()
{
    EmployeeRecord& e = EmployeeRec;
    WithholdEmployeeTax(e.UnempEarning, e.UnempTax, e.UnempExempt, StateTaxRec.UnempTaxRate,
                        StateTaxRec.UnempMaxWage,
                        WorksInNewJersey() ? std::optional(kNewJerseyUIMaximum) : std::nullopt);
}

void ComputeEmployeeDITax()
{
    EmployeeRecord& e = EmployeeRec;
    WithholdEmployeeTax(e.DisbEarnings, e.DisbTax, e.DisbExempt, StateTaxRec.DisbTaxRate,
                        StateTaxRec.DisbMaxWage,
                        WorksInNewJersey() ? std::optional(kNewJerseyDIMaximum) : std::nullopt);
}

// The company's per-state rates are read at the employee's work state directly, so the state the
// company screen shows (CompanyRec.CurrentState) is never touched.
void ComputeEmployerUITax()
{
    EmployeeRecord& e = EmployeeRec;
    const int state = EmployeeWorkState(e);
    AccrueEmployerTax(e.UICompWages, e.UnempLib, e.UnempExempt, CompanyRec.UnempTaxRate[state],
                      CompanyRec.UnempMaxWage[state]);
}

void ComputeEmployerDITax()
{
    EmployeeRecord& e = EmployeeRec;
    const int state = EmployeeWorkState(e);
    AccrueEmployerTax(e.DICompWages, e.DisbLib, e.DisbExempt, CompanyRec.DisbTaxRate[state],
                      CompanyRec.DisbMaxWage[state]);
}
