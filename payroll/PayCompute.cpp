#include "payroll/PayCompute.h"

#include "client/EmployeeTaxTables.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "components/NumberRoutines.h"
#include "components/StateTables.h"
#include "payroll/FederalWithholding.h"
#include "payroll/FutaTax.h"
#include "payroll/PayComputeSteps.h"
#include "payroll/SocialSecurityMedicare.h"

namespace {

constexpr int Now = kCurrentColumn;

// The user-field actions take their bases from the pass before, which in turn depend on the user
// fields; a fixed number of rounds keeps the result the same on every run.
constexpr int kUserFieldRounds = 5;

// Work in these states bears no state income tax.
const char* const kStatesWithoutIncomeTax[] = {"AK", "FL", "GU", "NH", "NV", "SD", "TN", "TX", "VI", "WA", "WY"};

bool WorksInStateWithoutIncomeTax()
{
    for (const char* code : kStatesWithoutIncomeTax) {
        if (EmployeeRec.WorkStateIndex == StateCodeIndex(QString::fromLatin1(code)) + 1)
            return true;
    }
    return false;
}

// A state or city table whose flag is off does not let the deferral reduce its wages: the amount
// is added back to the federal base.
template <typename TaxTable>
double TaxableWithPlanFlags(const TaxTable& table, double federalBase)
{
    const EmployeeRecord& e = EmployeeRec;
    double base = federalBase;
    if (!table.Allow401k)
        base += e.Plan401k[Now];
    if (!table.Allow403b)
        base += e.Plan403b[Now];
    if (!table.Allow408k6)
        base += e.Plan408k6[Now];
    if (!table.Allow457b)
        base += e.Plan457b[Now];
    if (!table.AllowIRASimp)
        base += e.IRASimple[Now];
    if (!table.AllowCafPlan)
        base += e.CafePlan[Now];
    return base;
}

void ComputeEarnings()
{
    EmployeeRecord& e = EmployeeRec;
    // Rate times hours replaces whatever was typed into these amounts.
    e.Wages[Now] = MoneyTimes(e.RegularRate, e.RegularTime);
    e.OverTimePay[Now] = MoneyTimes(e.OverTimeRate, e.OverTime);
    e.HolidayPay[Now] = MoneyTimes(e.RegularRate, e.HolidayTime);
    e.VacationPay[Now] = MoneyTimes(e.RegularRate, e.VacationTime);
    e.SickPay[Now] = MoneyTimes(e.RegularRate, e.SickTime);
    e.OtherTimePay[Now] = MoneyTimes(e.OtherRate, e.OtherTime);
}

void SubtractFromAllBases(double amount)
{
    EmployeeRecord& e = EmployeeRec;
    e.FedEarnings[Now] -= amount;
    e.StateEarning[Now] -= amount;
    e.CityEarnings[Now] -= amount;
    e.FICAEarnings[Now] -= amount;
    e.MedEarnings[Now] -= amount;
    e.FUTAEarnings[Now] -= amount;
    e.UnempEarning[Now] -= amount;
    e.DisbEarnings[Now] -= amount;
    e.UICompWages[Now] -= amount;
    e.DICompWages[Now] -= amount;
}

} // namespace

void CalculateEmployeePay()
{
    ApplyRecurringAmounts();
    CalculateEmployeePayAsEntered();
}

void CalculateEmployeePayAsEntered()
{
    RunPayComputationPass();
    for (int round = 0; round < kUserFieldRounds; ++round)
        ApplyUserFieldActions();
}

void RunPayComputationPass()
{
    ComputeEarningsAndWageBases();
    ComputeSocialSecurityTax();
    ComputeFederalWithholding();
    ComputeMedicareTax();
    ComputeFUTATax();
    ComputeStateWithholding();
    ComputeCityWithholding();
    ComputeEmployeeUITax();
    ComputeEmployerUITax();
    ComputeEmployeeDITax();
    ComputeEmployerDITax();
    ComputeTotalsAndNetPay();
    ComputeQualifiedOvertime();
}

void ComputeEarningsAndWageBases()
{
    GotoEmployeeState();
    GotoEmployeeCity();

    EmployeeRecord& e = EmployeeRec;
    ComputeEarnings();
    ComputeGTLICost();

    // Tips always count here; the totals take them out of gross pay when the company pays them
    // outside the payroll.
    e.GrossWages[Now] = e.Wages[Now] + e.OverTimePay[Now] + e.OtherTimePay[Now] + e.HolidayPay[Now]
                        + e.VacationPay[Now] + e.SickPay[Now] + e.Bonus[Now] + e.Tips[Now] + e.DepCareBen[Now]
                        + e.FringeBen[Now] + e.UserPay1[Now] + e.UserPay2[Now] + e.UserPay3[Now] + e.UserPay4[Now]
                        + e.UserPay5[Now];

    e.FedEarnings[Now] = e.GrossWages[Now] - e.DepCareBen[Now];
    e.FedEarnings[Now] = e.FedEarnings[Now] + e.GTLIAmount[Now];
    // The deferral percentages apply to this first federal base.
    ComputeRetirementDeferrals();

    e.PensionPlans[Now] = e.Plan401k[Now] + e.Plan403b[Now] + e.Plan408k6[Now] + e.Plan457b[Now] + e.IRASimple[Now];
    const double userDeductions[] = {e.UserDeduct1[Now], e.UserDeduct2[Now], e.UserDeduct3[Now], e.UserDeduct4[Now],
                                     e.UserDeduct5[Now]};
    const double userEarnings[] = {e.UserPay1[Now], e.UserPay2[Now], e.UserPay3[Now], e.UserPay4[Now], e.UserPay5[Now]};
    e.CafePlan[Now] = 0;
    for (int n = 1; n <= 5; ++n) {
        if (e.UserCafePlan[n])
            e.CafePlan[Now] += userDeductions[n - 1];
    }

    e.FedEarnings[Now] = e.FedEarnings[Now] - e.PensionPlans[Now] - e.CafePlan[Now];
    e.FedEarnings[Now] = e.FedEarnings[Now] + e.TPSPTaxable[Now];
    e.StateEarning[Now] = TaxableWithPlanFlags(StateTaxRec, e.FedEarnings[Now]);
    e.CityEarnings[Now] = TaxableWithPlanFlags(CityTaxRec, e.FedEarnings[Now]);

    e.FICAEarnings[Now] = e.GrossWages[Now] - e.DepCareBen[Now] - e.CafePlan[Now];
    e.FICAEarnings[Now] = e.FICAEarnings[Now] + e.TPSPTaxable[Now] + e.GTLIAmount[Now];
    e.MedEarnings[Now] = e.GrossWages[Now] - e.DepCareBen[Now] - e.CafePlan[Now];
    e.MedEarnings[Now] = e.MedEarnings[Now] + e.TPSPTaxable[Now] + e.GTLIAmount[Now];
    // Elective deferrals are FUTA wages: only the income-tax exclusion of the plans applies to them.
    e.FUTAEarnings[Now] = e.FedEarnings[Now] - e.FringeBen[Now] - e.GTLIAmount[Now] + e.PensionPlans[Now];

    const double unemploymentBase = e.GrossWages[Now] - e.DepCareBen[Now];
    e.UnempEarning[Now] = unemploymentBase;
    e.UICompWages[Now] = unemploymentBase;
    e.DisbEarnings[Now] = unemploymentBase;
    e.DICompWages[Now] = unemploymentBase;

    for (int n = 1; n <= 5; ++n) {
        if (e.UserTaxExemp[n])
            SubtractFromAllBases(userEarnings[n - 1]);
    }
    for (int n = 1; n <= 5; ++n) {
        if (e.UserTaxExemp[5 + n])
            SubtractFromAllBases(userDeductions[n - 1]);
    }
    for (int n = 1; n <= 5; ++n) {
        if (e.UserTaxDefr[n]) {
            e.FedEarnings[Now] -= userDeductions[n - 1];
            e.StateEarning[Now] -= userDeductions[n - 1];
        }
    }

    if (WorksInStateWithoutIncomeTax())
        e.StateEarning[Now] = 0;
}

void ComputeTotalsAndNetPay()
{
    // One routine totals the current column for this computation, manual entry and posting, so
    // that net pay never depends on the path that computed it (nonqualified plan deferrals
    // included).
    UpdateTotalColumn(Now);
}
