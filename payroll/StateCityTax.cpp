#include "payroll/StateCityTax.h"

#include "client/EmployeeTaxTables.h"
#include "client/PayRecords.h"
#include "components/NumberRoutines.h"
#include "components/TextRoutines.h"
#include "payroll/ConnecticutWithholding.h"
#include "payroll/PayComputeHelpers.h"
#include "payroll/PayComputeSteps.h"

#include <algorithm>

namespace {

constexpr int kCurrent = kCurrentColumn;
// City record 1 stands for no city.
constexpr int kNoCityIndex = 1;

// Federal withholding that may come off the annual state wages, where the state caps it.
constexpr double kMissouriFederalCap = 5000;
constexpr double kOregonFederalCap = 3500;

// Annual tax from a withholding table whose rows run from above their lower bound up to and
// including their upper bound, the row's percent of the excess taken to the cent; taxable wages
// that match no row bear no tax.
template <int Rows>
double AnnualTableTax(double taxable, const RecordArray<double, 1, Rows>& over,
                      const RecordArray<double, 1, Rows>& butNotOver,
                      const RecordArray<double, 1, Rows>& taxAmount,
                      const RecordArray<double, 1, Rows>& taxRate)
{
    if (taxable < 0.01)
        return 0;
    for (int row = 1; row <= Rows; ++row) {
        if (over[row] < taxable && taxable <= butNotOver[row])
            return MoneyTimesPercent(taxable - over[row], taxRate[row]) + taxAmount[row];
    }
    return 0;
}

// The standard deduction: a percent of the annual wages, to the cent, held between a minimum and
// a maximum.
double StandardDeduction(double annualWages, double percent, double minimum, double maximum)
{
    double deduction = percent > 0 ? MoneyTimesPercent(annualWages, percent) : 0;
    if (deduction < minimum)
        deduction = minimum;
    else if (deduction > maximum)
        deduction = maximum;
    return deduction;
}

} // namespace

void WithholdStateTax()
{
    EmployeeRecord& employee = EmployeeRec;
    const StateTaxRecord& state = StateTaxRec;
    double& wages = employee.StateEarning[kCurrent];
    double& tax = employee.StateTax[kCurrent];

    if (employee.StateExempt)
        wages = 0;
    if (employee.StWithExempt || wages == 0) {
        tax = wages > 0 ? employee.StAddTax : 0;
        return;
    }

    const bool married = employee.Married;
    const double periods = PeriodsPerYear();
    const double annualWages = wages * periods - employee.TPSPTaxable[kCurrent] * periods;
    double annualFederal = employee.FederalTax[kCurrent] * periods;

    double deduction = married ? StandardDeduction(annualWages, state.StdDeductPct2,
                                                   state.MinStdDeduct2, state.MaxStdDeduct2)
                               : StandardDeduction(annualWages, state.StdDeductPct1,
                                                   state.MinStdDeduct1, state.MaxStdDeduct1);

    // Whole dollars kept as a double: annual wages of any size must not overflow an integer.
    const double wholeDollars = RoundToDecimals(annualWages, 0);
    const QString code = state.Abbreviation.get();
    const bool connecticut = code.compare(QLatin1String("CT"), Qt::CaseInsensitive) == 0;
    if (connecticut)
        deduction = ConnecticutExemption(wholeDollars, married);

    double deductions = employee.StWithAllow * state.WithValue + deduction + employee.StStdDeduct;

    switch (TextIndexInList(code, {QStringLiteral("MO"), QStringLiteral("OR")})) {
    case 1:
        annualFederal = std::min(annualFederal, kMissouriFederalCap);
        break;
    case 2:
        annualFederal = std::min(annualFederal, kOregonFederalCap);
        break;
    default:
        break;
    }
    if (state.MinusFedTax)
        deductions += annualFederal;

    const double taxable = annualWages - deductions;
    double annualTax = married ? AnnualTableTax(taxable, state.M_Over, state.M_ButNotOver,
                                                state.M_TaxAmount, state.M_TaxRate)
                               : AnnualTableTax(taxable, state.S_Over, state.S_ButNotOver,
                                                state.S_TaxAmount, state.S_TaxRate);

    // Credits may take the tax below zero; what is left then reduces the extra withholding.
    annualTax -= married ? state.TaxCredit2 + state.TaxCreditPer2 * employee.StWithAllow
                         : state.TaxCredit1 + state.TaxCreditPer1 * employee.StWithAllow;
    if (connecticut)
        annualTax *= ConnecticutTaxFactor(wholeDollars, married);

    tax = RoundToDecimals(annualTax / periods, state.WholeDollar ? 0 : 1) + employee.StAddTax;
    if (tax < 0)
        tax = 0;
}

void WithholdCityTax()
{
    EmployeeRecord& employee = EmployeeRec;
    const CityTaxRecord& city = CityTaxRec;
    double& wages = employee.CityEarnings[kCurrent];
    double& tax = employee.CityTax[kCurrent];

    if (employee.CityIndex == kNoCityIndex) {
        wages = 0;
        tax = 0;
        return;
    }

    const bool married = employee.Married;
    const double periods = PeriodsPerYear();
    const double annualWages = wages * periods - employee.TPSPTaxable[kCurrent] * periods;
    const double deduction = married ? StandardDeduction(annualWages, city.StdDeductPct2,
                                                         city.MinStdDeduct2, city.MaxStdDeduct2)
                                     : StandardDeduction(annualWages, city.StdDeductPct1,
                                                         city.MinStdDeduct1, city.MaxStdDeduct1);
    const double taxable = annualWages
                           - (employee.CityWithAllow * city.WithValue + deduction
                              + employee.CityStdDeduct);
    double annualTax = married ? AnnualTableTax(taxable, city.M_Over, city.M_ButNotOver,
                                                city.M_TaxAmount, city.M_TaxRate)
                               : AnnualTableTax(taxable, city.S_Over, city.S_ButNotOver,
                                                city.S_TaxAmount, city.S_TaxRate);
    annualTax -= married ? city.TaxCredit2 + city.TaxCreditPer2 * employee.CityWithAllow
                         : city.TaxCredit1 + city.TaxCreditPer1 * employee.CityWithAllow;

    tax = RoundToDecimals(annualTax / periods, 1) + employee.CityAddTax;
    if (tax < 0)
        tax = 0;
}

void ComputeStateWithholding()
{
    GotoEmployeeState();
    WithholdStateTax();
}

void ComputeCityWithholding()
{
    GotoEmployeeCity();
    WithholdCityTax();
}
