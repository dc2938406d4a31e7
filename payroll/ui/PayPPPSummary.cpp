#include "payroll/ui/PayPPPSummary.h"

#include "client/PayRecords.h"
#include "payroll/PriorPeriodStatement.h"
#include "platform/HourglassCursor.h"
#include "platform/ui/ShowModal.h"

#include <QLabel>

TFrmPPPSummary::TFrmPPPSummary(QWidget* parent)
    : TPriorPeriodView(QStringLiteral("Prior Payroll Periods Summary"), parent)
{
    LblPayrollSummary = addHeading(QStringLiteral("LblPayrollSummary"));
    LblPayrollSummary->setText(QStringLiteral("Payroll Summary"));
    PPPDateFromTo = addHeading(QStringLiteral("PPPDateFromTo"));
    PPPPayDate = addHeading(QStringLiteral("PPPPayDate"));

    // The slot the Prior Payroll Periods window shows; the latest when none is shown.
    const int count = static_cast<int>(StoredPayDateLines().size());
    const int slot = PriorPayPeriodIndex >= 1 && PriorPayPeriodIndex <= count ? PriorPayPeriodIndex : count;
    PPPDateFromTo->setText(QStringLiteral("For the Payroll Period ") + CompanyRec.PriorPayDateFrom[slot].get()
                           + QStringLiteral(" to ") + CompanyRec.PriorPayDateTo[slot].get());
    PPPPayDate->setText(QStringLiteral("Pay Date ") + CompanyRec.PriorPayDate[slot].get());
    {
        const HourglassCursor hourglass;
        showSums(SumPayPeriodOfAllEmployees(slot));
    }
    fitToStatement();
}

void ShowPPPSummary()
{
    if (!CheckPriorPayPeriodsStored())
        return;
    TFrmPPPSummary window;
    ShowModal(window);
}
