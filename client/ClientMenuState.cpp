#include "client/ClientMenuState.h"

#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "components/DateRoutines.h"
#include "components/StateTables.h"
#include "components/TextRoutines.h"

ClientMenuState CurrentClientMenuState()
{
    ClientMenuState state;
    state.stateTaxPaymentAddressSet = !IsBlank(StateTaxPaymentURL);
    state.fileIsOpen = FileIsOpen;
    if (!FileIsOpen)
        return state;
    state.payrollPosted = CompanyRec.PayrollPosted;
    state.payDateValid = IsValidDateStr(CompanyRec.PayDate.get());
    state.employeesWithRate = CountEmployeesWithRate();
    state.employeesWithPay = CountEmployeesWithPay();
    state.employeesWithMonthToDate = CountEmployeesWithAmount(2);
    state.employeesWithQuarterToDate = CountEmployeesWithAmount(3);
    state.employeesWithYearToDate = CountEmployeesWithAmount(4);
    state.priorPeriodCount = CompanyRec.PriorPeriodCount;
    state.newJerseyEmployer = CompanyRec.CurrentState == StateCodeIndex(QStringLiteral("NJ")) + 1;
    ClassifyOpenFile(CurFileName, TemplateFileName, BackupDir, QuarterlyDataDir, state);
    return state;
}
