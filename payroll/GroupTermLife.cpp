#include "client/PayRecords.h"
#include "components/NumberRoutines.h"
#include "payroll/PayComputeHelpers.h"
#include "payroll/PayComputeSteps.h"
#include "payroll/PayrollYear.h"
#include "platform/Exceptions.h"

#include <optional>

namespace {

// Coverage up to this face amount costs the employee nothing.
constexpr double kTaxFreeCoverage = 50000;
constexpr int kOldestCoveredAge = 150;

// Monthly cost per 1,000 of coverage for the age band that starts at the given age.
struct AgeBand {
    int fromAge;
    double monthlyCostPerThousand;
};

constexpr AgeBand kAgeBands[] = {
    {70, 2.06}, {65, 1.27}, {60, 0.66}, {55, 0.43}, {50, 0.23}, {45, 0.15},
    {40, 0.10}, {35, 0.09}, {30, 0.08}, {25, 0.06}, {0, 0.05},
};

std::optional<double> MonthlyCostPerThousand(std::optional<int> age)
{
    if (!age || *age < 0 || *age > kOldestCoveredAge)
        return std::nullopt;
    for (const AgeBand& band : kAgeBands) {
        if (*age >= band.fromAge)
            return band.monthlyCostPerThousand;
    }
    return std::nullopt;
}

} // namespace

void ComputeGTLICost()
{
    EmployeeRecord& employee = EmployeeRec;
    if (!employee.GTLIAutoCalc)
        return;

    const std::optional<double> rate = MonthlyCostPerThousand(AgeInPayrollYear(employee));
    if (!rate) {
        throw ECustomException(
            QStringLiteral("The group-term life insurance cost of %1 cannot be computed without a "
                           "valid date of birth.~Enter the date of birth on the employee screen.")
                .arg(employee.FullName.get().trimmed()));
    }

    double annualCost = (employee.GTLIFaceAmt - kTaxFreeCoverage) / 1000 * *rate * 12;
    annualCost = annualCost > employee.GTLIEmpPmt ? annualCost - employee.GTLIEmpPmt : 0;
    employee.GTLIAmount[kCurrentColumn] = RoundToDecimals(annualCost / PeriodsPerYear(), 2);
}
