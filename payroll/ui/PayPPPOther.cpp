#include "payroll/ui/PayPPPOther.h"

#include "client/EmployeeIndex.h"
#include "client/PayRecords.h"
#include "payroll/PriorPeriodStatement.h"
#include "platform/Exceptions.h"
#include "platform/HourglassCursor.h"
#include "platform/ui/LedgoraApplication.h"
#include "platform/ui/ShowModal.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>


TFrmPPPOther::TFrmPPPOther(QWidget* parent)
    : TPriorPeriodView(QStringLiteral("Other Payroll Periods"), parent)
{
    LblReportName = addHeading(QStringLiteral("LblReportName"));
    EmployeeFullName = addHeading(QStringLiteral("EmployeeFullName"));
    PPPDateFromTo = addHeading(QStringLiteral("PPPDateFromTo"));

    auto* payDates = new QGroupBox(QStringLiteral("Pay Dates:"), this);
    auto* row = new QHBoxLayout(payDates);
    CbxPayDateFrom = new QComboBox(payDates);
    CbxPayDateTo = new QComboBox(payDates);
    // Wide enough for "mm/dd/yyyy (nn)" and the padding a style sheet gives the text.
    for (QComboBox* list : {CbxPayDateFrom, CbxPayDateTo}) {
        list->setMinimumContentsLength(16);
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    }
    row->addWidget(new QLabel(QStringLiteral("From"), payDates));
    row->addWidget(CbxPayDateFrom);
    row->addSpacing(12);
    row->addWidget(new QLabel(QStringLiteral("To"), payDates));
    row->addWidget(CbxPayDateTo);
    BottomRow()->insertWidget(0, payDates);

    FormShow();
    fitToStatement();
}

void TFrmPPPOther::FormShow()
{
    EmployeeFullName->setText(QStringLiteral("Of Employee ") + GetEmployeeName(1, false));
    const QStringList lines = StoredPayDateLines();
    periodCount_ = static_cast<int>(lines.size());
    firstSlot_ = PPPOtherFromManual ? periodCount_ : 1;
    lastSlot_ = periodCount_;
    for (QComboBox* list : {CbxPayDateFrom, CbxPayDateTo})
        list->addItems(lines);
    CbxPayDateFrom->setCurrentIndex(firstSlot_ - 1);
    CbxPayDateTo->setCurrentIndex(lastSlot_ - 1);
    CbxPayDateFrom->setFocus();
    for (QComboBox* list : {CbxPayDateFrom, CbxPayDateTo})
        connect(list, &QComboBox::currentIndexChanged, this, &TFrmPPPOther::ComboBoxChange);
    SumPayPeriods();
    ShowAmounts();
}

void TFrmPPPOther::ComboBoxChange()
{
    if (!PayDatesInOrder(CbxPayDateFrom->currentText(), CbxPayDateTo->currentText())) {
        // Both lists go back to the range whose sums are shown, so lists and sums agree.
        {
            const QSignalBlocker quietFrom(CbxPayDateFrom);
            const QSignalBlocker quietTo(CbxPayDateTo);
            CbxPayDateFrom->setCurrentIndex(firstSlot_ - 1);
            CbxPayDateTo->setCurrentIndex(lastSlot_ - 1);
        }
        LedgoraApplication::ShowException(
            EFieldException(QStringLiteral("The pay date from cannot be~greater than the pay date to.")));
        return;
    }
    firstSlot_ = CbxPayDateFrom->currentIndex() + 1;
    lastSlot_ = CbxPayDateTo->currentIndex() + 1;
    SumPayPeriods();
    ShowAmounts();
}

void TFrmPPPOther::SumPayPeriods()
{
    const HourglassCursor hourglass;
    sums_ = SumEmployeePayPeriods(firstSlot_, lastSlot_);
}

void TFrmPPPOther::ShowAmounts()
{
    LblReportName->setText(EarningsReportName(firstSlot_, lastSlot_, periodCount_));
    PPPDateFromTo->setText(QStringLiteral("For the Period ") + CompanyRec.PriorPayDateFrom[firstSlot_].get()
                           + QStringLiteral(" to ") + CompanyRec.PriorPayDateTo[lastSlot_].get());
    showSums(sums_);
}

void ShowPPPOther()
{
    if (!CheckPriorPayPeriodsStored())
        return;
    TFrmPPPOther window;
    ShowModal(window);
}
