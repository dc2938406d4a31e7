#include "payroll/CheckNumbers.h"

#include "client/EmployeeLoop.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"

bool ChecksNumbered()
{
    return CompanyRec.StartChkNum > 0;
}

void RestartCheckNumbers()
{
    if (ChecksNumbered())
        CompanyRec.LastChkNum = CompanyRec.StartChkNum - 1;
}

bool NumberEmployeeCheck()
{
    if (!ChecksNumbered())
        return false;
    int number = 0;
    if (EmployeeHasPay()) {
        CompanyRec.LastChkNum = CompanyRec.LastChkNum + 1;
        number = CompanyRec.LastChkNum;
    }
    if (EmployeeRec.CheckNumber == number)
        return false;
    EmployeeRec.CheckNumber = number;
    return true;
}

void NumberPayRunChecks()
{
    RestartCheckNumbers();
    EmployeeLoop loop;
    while (loop.Next()) {
        if (NumberEmployeeCheck())
            DataModule().RSEmployee.PostRec();
    }
    loop.Finish();
}
