#include "payroll/AutoProcessing.h"

#include "client/EmployeeLoop.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "client/StateTableCheck.h"
#include "components/DateRoutines.h"
#include "payroll/CheckNumbers.h"
#include "payroll/ClosePeriod.h"
#include "payroll/PayCompute.h"
#include "payroll/PayPeriod.h"
#include "payroll/PayRunHooks.h"
#include "platform/AppMessageBox.h"
#include "platform/HourglassCursor.h"

#include <QCoreApplication>

namespace {

QString AppTitle()
{
    return QCoreApplication::applicationName();
}

// Gives the current employee standard hours where none were entered, computes the pay, numbers
// the check and posts the employee.
void ProcessEmployee()
{
    EmployeeRecord& e = EmployeeRec;
    if (e.RegularTime == 0)
        e.RegularTime = StandardHoursForPeriod(e.StdRegTime, e.Frequency);
    if (e.OverTime == 0)
        e.OverTime = StandardHoursForPeriod(e.StdOverTime, e.Frequency);
    CalculateEmployeePay();
    NumberEmployeeCheck();
    DataModule().RSEmployee.PostRec();
}

// Computes every eligible employee; the number computed.
int ProcessEligibleEmployees()
{
    HourglassCursor hourglass;
    EmployeeLoop loop;
    RestartCheckNumbers();
    int processed = 0;
    while (loop.Next()) {
        if (CheckEmployeeEligible(false) == 0) {
            ++processed;  // also when the computation gives no pay
            ProcessEmployee();
        } else if (NumberEmployeeCheck()) {
            // Not computed, but part of the numbering: a check is printed for whoever has pay.
            DataModule().RSEmployee.PostRec();
        }
    }
    loop.Finish();
    if (CountEmployeesWithPay() > 0)
        CompanyRec.PayrollPosted = false;
    DataModule().RSCompany.PostRec();
    RunHook(PayRunWindows.SetupProcessingMenu);
    return processed;
}

// One step of the express cycle; false ends the cycle.
using ExpressStep = bool (*)();

bool RunHookStep(const std::function<void()>& hook)
{
    RunHook(hook);
    return true;
}

// The cycle goes on after a cancelled dialog only when a pay period is open.
const ExpressStep kExpressSteps[] = {
    [] {
        PayPeriodCommand();
        return true;
    },
    [] { return IsValidDateStr(CompanyRec.PayDate.get()); },
    [] {
        AutomaticProcessing();
        return true;
    },
    [] { return RunHookStep(PayRunWindows.ManualEntry); },
    [] {
        if (CountEmployeesWithPay() > 0)
            return true;
        AppMessageBox(QStringLiteral("No employees have been processed.~Express Processing terminated."), AppTitle(),
                      MbOk | MbIconStop);
        return false;
    },
    [] { return RunHookStep(PayRunWindows.EarningsStatements); },
    [] { return RunHookStep(PayRunWindows.CurrentJournal); },
    [] { return RunHookStep(PayRunWindows.CurrentDepartmentalReport); },
    [] { return RunHookStep(PayRunWindows.Checks); },
    [] { return RunHookStep(PayRunWindows.Posting); },
};

} // namespace

double StandardHoursForPeriod(double weeklyHours, int frequency)
{
    switch (frequency) {
    case 1:
        return weeklyHours;
    case 2:
        return weeklyHours * 52 / 26;
    case 3:
        return weeklyHours * 52 / 24;
    case 4:
        return weeklyHours * 52 / 12;
    default:
        return 0;
    }
}

void AutomaticProcessing()
{
    CheckBrowseMode();
    if (AppMessageBox(QStringLiteral("This  procedure  will  automatically process  the~payroll based on the number of "
                                     "standard regular~and overtime hours or days,  employees' marital~status, and "
                                     "frequency of pay."),
                      AppTitle(), MbOkCancel | MbIconQuestion)
        != IdOk)
        return;
    WarnOfStateTablesForPayRun();
    if (ProcessEligibleEmployees() == 0)
        AppMessageBox(QStringLiteral("Unable to find any valid employees for processing"), AppTitle(), MbOk | MbIconStop);
}

void ExpressProcessing()
{
    for (const ExpressStep step : kExpressSteps) {
        if (!step())
            return;
    }
}

void CancelProcessing()
{
    CheckBrowseMode();
    if (AppMessageBox(QStringLiteral("Cancel processed payroll?"), AppTitle(), MbOkCancel | MbIconQuestion | MbDefButton2)
        != IdOk)
        return;
    ResetPayroll(kResetCurrent);
    CompanyRec.PayDate = QString::fromLatin1(kBlankDate);
    CompanyRec.LastChkNum = 0;
    CompanyRec.PayrollPosted = true;
    RunHook(PayRunWindows.SetupProcessingMenu);
    DataModule().RSCompany.PostRec();
}
