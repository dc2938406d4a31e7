#include "payroll/ManualEntry.h"

#include "client/EmployeeLoop.h"
#include "client/PayDataModule.h"
#include "client/PayHistoryMap.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "payroll/CheckNumbers.h"
#include "payroll/PayCompute.h"

void RecalculateManualPay()
{
    ManualEntryModified = false;
    CalculateEmployeePayAsEntered();
}

int CountEligibleEmployees()
{
    int eligible = 0;
    ForEachEmployee([&eligible] {
        if (CheckEmployeeEligible(false) == 0)
            ++eligible;
    });
    return eligible;
}

bool MoveToEligibleEmployee(bool forward, bool includeCurrent)
{
    TRecordSet& employees = DataModule().RSEmployee;
    const int start = employees.CurrentRecord();
    if (includeCurrent && CheckEmployeeEligible(false) == 0)
        return true;
    EmployeeCount = GetEmployeeCount();
    for (int step = 0; step < EmployeeCount; ++step) {
        if (forward)
            employees.NextRec();
        else
            employees.PriorRec();
        if (CheckEmployeeEligible(false) == 0)
            return true;
    }
    employees.SetCurrentRecord(start);
    employees.GetRec();
    return false;
}

void ClearCurrentPay()
{
    EmployeeRecord& e = EmployeeRec;
    e.RegularTime = 0;
    e.OverTime = 0;
    e.HolidayTime = 0;
    e.VacationTime = 0;
    e.SickTime = 0;
    e.OtherTime = 0;
    e.CheckNumber = 0;
    for (int group = 0; group < kAmountGroupCount; ++group)
        AmountGroup(e, group)[kCurrentColumn] = 0;
}

void RenumberPaidChecks()
{
    DataModule().RSEmployee.PostRec();
    NumberPayRunChecks();
}

bool RenumberIfPayChanged(bool hadPay)
{
    if (!ChecksNumbered())
        return false;
    const bool hasPay = EmployeeHasPay();
    if (hasPay == hadPay && !(hasPay && EmployeeRec.CheckNumber <= 0))
        return false;
    RenumberPaidChecks();
    return true;
}

void FinishManualEntry()
{
    CompanyRec.PayrollPosted = CountEmployeesWithPay() == 0;
    DataModule().RSCompany.PostRec();
}
