#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "components/TextRoutines.h"
#include "payroll/PayComputeSteps.h"
#include "payroll/UserFields.h"

namespace {

constexpr int kCurrent = kCurrentColumn;
constexpr int kYearToDate = kYearToDateColumn;

void ApplyRecurringUserField(EmployeeRecord& employee, int field, const RecordText<20>& companyName,
                             double recurringAmount)
{
    if (IsBlank(companyName.get()))
        return;
    TPeriodAmounts& amounts = UserFieldAmounts(employee, field);
    amounts[kCurrent] = TaxableUnderWageBase(recurringAmount, amounts[kYearToDate],
                                             employee.UserMaxAmt[field]);
}

} // namespace

void ApplyRecurringAmounts()
{
    EmployeeRecord& employee = EmployeeRec;

    employee.DepCareBen[kCurrent] = employee.RDepCareBen;
    employee.FringeBen[kCurrent] = employee.RFringeBen;
    // With the automatic calculation the group-term life cost is computed on every pass instead.
    if (!employee.GTLIAutoCalc)
        employee.GTLIAmount[kCurrent] = employee.RGTLIAmount;

    const double recurringPay[] = {employee.RUserPay1, employee.RUserPay2, employee.RUserPay3,
                                   employee.RUserPay4, employee.RUserPay5};
    for (int n = 1; n <= 5; ++n)
        ApplyRecurringUserField(employee, n, CompanyRec.UserEarnings[n], recurringPay[n - 1]);

    employee.HealthIns[kCurrent] = employee.RHealthIns;

    const double recurringDeduct[] = {employee.RUserDeduct1, employee.RUserDeduct2,
                                      employee.RUserDeduct3, employee.RUserDeduct4,
                                      employee.RUserDeduct5};
    for (int n = 1; n <= 5; ++n)
        ApplyRecurringUserField(employee, kFirstUserDeduction - 1 + n, CompanyRec.UserDeduct[n],
                                recurringDeduct[n - 1]);

    const double recurringLib[] = {employee.RUserLib1, employee.RUserLib2, employee.RUserLib3,
                                   employee.RUserLib4, employee.RUserLib5};
    for (int n = 1; n <= 5; ++n)
        ApplyRecurringUserField(employee, kFirstUserLiability - 1 + n, CompanyRec.UserLib[n],
                                recurringLib[n - 1]);

    employee.NonQualPlan[kCurrent] = employee.RNonQualPlan;
}
