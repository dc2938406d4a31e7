#include "forms/NJBox14Transfer.h"

#include "client/EmployeeLoop.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "client/ProgramStart.h"
#include "components/NumberRoutines.h"
#include "forms/NJ927Worksheet.h"
#include "platform/AppMessageBox.h"

int TransferNJBox14(const QString& planCode)
{
    const bool privateOrNoPlan = planCode == QLatin1String("P") || planCode == QLatin1String("N");
    const int nj = NewJerseyStateNumber();
    int updated = 0;
    EmployeeLoop employees;
    while (employees.Next()) {
        EmployeeRecord& e = EmployeeRec;
        if (e.WorkStateIndex != nj)
            continue;
        constexpr int ytd = kYearToDateColumn;
        bool written = false;
        if (!e.UnempExempt && e.UnempTax[ytd] > 0) {
            e.FW2Box14Desc1 = QStringLiteral("UI/WF/SWF");
            e.FW2Box14Amt1 = e.UnempTax[ytd];
            written = true;
        }
        // In cents, so that the TDI and FLI entries the W-2 prints add up to the DI withheld.
        const double fli = MoneyTimesPercent(e.DisbEarnings[ytd], NJFLIWagePercent);
        if (!e.DisbExempt && e.DisbTax[ytd] > 0) {
            if (privateOrNoPlan) {
                e.FW2Box14Desc2 = QStringLiteral("FLI");
                e.FW2Box14Amt2 = fli;
                e.FW2Box14Desc3 = QString();
                e.FW2Box14Amt3 = 0;
            } else {
                e.FW2Box14Desc2 = QStringLiteral("TDI");
                e.FW2Box14Amt2 = RoundToDecimals(e.DisbTax[ytd] - fli, 2);
                e.FW2Box14Desc3 = QStringLiteral("FLI");
                e.FW2Box14Amt3 = fli;
            }
            written = true;
        }
        FrmDataModule->RSEmployee.PostRec();
        if (written)
            ++updated;
    }
    employees.Finish();
    return updated;
}

int RunNJBox14Transfer(const QString& planCode)
{
    CheckBrowseMode();
    const QString title = QString::fromLatin1(kApplicationTitle);
    if (AppMessageBox(QStringLiteral("Replace box 14 of the New Jersey employees' Forms W-2 with their UI/WF/SWF, DI and FLI amounts?"),
                      title, MbYesNo | MbIconQuestion | MbDefButton2)
        != IdYes)
        return -1;
    const int updated = TransferNJBox14(planCode);
    AppMessageBox(updated == 1 ? QStringLiteral("Box 14 of 1 New Jersey employee's Form W-2 was updated.")
                               : QStringLiteral("Box 14 of %1 New Jersey employees' Forms W-2 was updated.").arg(updated),
                  title, MbOk | MbIconInformation);
    return updated;
}
