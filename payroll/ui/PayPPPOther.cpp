#include "payroll/ui/PayPPPOther.h"

#include "client/EmployeeIndex.h"
#include "client/PayRecords.h"
#include "payroll/PriorPeriodStatement.h"
#include "payroll/ui/PayDateRangeBox.h"
#include "platform/HourglassCursor.h"
#include "platform/ui/ShowModal.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>


TFrmPPPOther::TFrmPPPOther(QWidget* parent)
    : TPriorPeriodView(QStringLiteral("Other Payroll Periods"), parent)
{
    LblReportName = addHeading(QStringLiteral("LblReportName"));
    EmployeeFullName = addHeading(QStringLiteral("EmployeeFullName"));
    PPPDateFromTo = addHeading(QStringLiteral("PPPDateFromTo"));

    PayDates = new TPayDateRangeBox(QStringLiteral("Pay Dates:"), this);
    CbxPayDateFrom = PayDates->CbxPayDateFrom;
    CbxPayDateTo = PayDates->CbxPayDateTo;
    BottomRow()->insertWidget(0, PayDates);

    FormShow();
    fitToStatement();
}

void TFrmPPPOther::FormShow()
{
    EmployeeFullName->setText(QStringLiteral("Of Employee ") + GetEmployeeName(1, false));
    periodCount_ = PayDateRange::AllStored().Last;
    if (PPPOtherFromManual)
        PayDates->SetRange({periodCount_, periodCount_});
    CbxPayDateFrom->setFocus();
    PayDates->FollowChoices();
    connect(PayDates, &TPayDateRangeBox::RangeChanged, this, [this] {
        SumPayPeriods();
        ShowAmounts();
    });
    SumPayPeriods();
    ShowAmounts();
}

void TFrmPPPOther::SumPayPeriods()
{
    const HourglassCursor hourglass;
    sums_ = SumEmployeePayPeriods(PayDates->Range().First, PayDates->Range().Last);
}

void TFrmPPPOther::ShowAmounts()
{
    const PayDateRange range = PayDates->Range();
    LblReportName->setText(EarningsReportName(range.First, range.Last, periodCount_));
    PPPDateFromTo->setText(QStringLiteral("For the Period ") + CompanyRec.PriorPayDateFrom[range.First].get()
                           + QStringLiteral(" to ") + CompanyRec.PriorPayDateTo[range.Last].get());
    showSums(sums_);
}

void ShowPPPOther()
{
    if (!CheckPriorPayPeriodsStored())
        return;
    TFrmPPPOther window;
    ShowModal(window);
}
