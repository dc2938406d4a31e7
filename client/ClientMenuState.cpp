#include "client/ClientMenuState.h"

#include "client/EmployeeLoop.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "components/DateRoutines.h"
#include "components/StateTables.h"
#include "components/TextRoutines.h"

namespace {

// Every employee count the menus need, from one walk of the employee file.
void CountEmployees(ClientMenuState& state)
{
    ForEachEmployee([&state] {
        const EmployeeRecord& e = EmployeeRec;
        state.employeesWithRate += e.RegularRate > 0;
        state.employeesWithPay += EmployeeHasPay();
        state.employeesWithMonthToDate += e.GrossWages[kMonthToDateColumn] != 0;
        state.employeesWithQuarterToDate += e.GrossWages[kQuarterToDateColumn] != 0;
        state.employeesWithYearToDate += e.GrossWages[kYearToDateColumn] != 0;
    });
}

} // namespace

ClientMenuState CurrentClientMenuState()
{
    ClientMenuState state;
    state.stateTaxPaymentAddressSet = !IsBlank(StateTaxPaymentURL);
    state.fileIsOpen = FileIsOpen;
    if (!FileIsOpen)
        return state;
    state.payrollPosted = CompanyRec.PayrollPosted;
    state.payDateValid = IsValidDateStr(CompanyRec.PayDate.get());
    CountEmployees(state);
    state.priorPeriodCount = CompanyRec.PriorPeriodCount;
    state.newJerseyEmployer = CompanyRec.CurrentState == StateCodeIndex(QStringLiteral("NJ")) + 1;
    ClassifyOpenFile(CurFileName, TemplateFileName, BackupDir, QuarterlyDataDir, state);
    return state;
}
