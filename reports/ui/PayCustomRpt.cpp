#include "reports/ui/PayCustomRpt.h"

#include "client/PayRecords.h"
#include "client/ui/ScreenRules.h"
#include "components/ui/EnterAsTab.h"
#include "components/ui/PrintoutSetup.h"
#include "payroll/ui/PayDateRangeBox.h"
#include "platform/ui/LedgoraApplication.h"
#include "reports/CustomPeriodReport.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int kTextLength = 72;
const QString kWindow = QStringLiteral("TFrmCustomPayRpt");

QLineEdit* TextIn(QGroupBox* box)
{
    auto* edit = new QLineEdit(box);
    edit->setMaxLength(kTextLength);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(edit);
    return edit;
}

} // namespace

TFrmCustomPayRpt::TFrmCustomPayRpt(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("Custom Period Payroll Report"));

    GrpReportType = new QGroupBox(QStringLiteral("Report Type"), this);
    ChkStandard = new QRadioButton(QStringLiteral("Standard (detailed)"), GrpReportType);
    ChkJournal = new QRadioButton(QStringLiteral("Journal"), GrpReportType);
    auto* types = new QHBoxLayout(GrpReportType);
    types->addWidget(ChkStandard);
    types->addWidget(ChkJournal);
    types->addStretch();

    GrpPayDates = new TPayDateRangeBox(QStringLiteral("Payroll Pay Dates"), this);
    LblFrom = GrpPayDates->LblFrom;
    CbxPayDateFrom = GrpPayDates->CbxPayDateFrom;
    LblTo = GrpPayDates->LblTo;
    CbxPayDateTo = GrpPayDates->CbxPayDateTo;

    GrpReportName = new QGroupBox(QStringLiteral("Report Name (Optional)"), this);
    CustPayPerRptName = TextIn(GrpReportName);
    GrpPeriodName = new QGroupBox(QStringLiteral("Payroll Period Name (optional)"), this);
    CustPayPerRpt = TextIn(GrpPeriodName);

    BtnOk = new QPushButton(QStringLiteral("&Ok"), this);
    BtnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnOk);
    buttons->addWidget(BtnCancel);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    for (QGroupBox* box : std::initializer_list<QGroupBox*>{GrpReportType, GrpPayDates, GrpReportName, GrpPeriodName})
        layout->addWidget(box);
    layout->addStretch();
    layout->addLayout(buttons);
    setTabOrder(ChkStandard, ChkJournal);
    setTabOrder(ChkJournal, CbxPayDateFrom);
    setTabOrder(CbxPayDateFrom, CbxPayDateTo);
    setTabOrder(CbxPayDateTo, CustPayPerRptName);
    setTabOrder(CustPayPerRptName, CustPayPerRpt);
    setTabOrder(CustPayPerRpt, BtnOk);
    setTabOrder(BtnOk, BtnCancel);

    auto* keys = new TEnterAsTab(this);
    keys->setParentForm(this);
    keys->setEscapeAsClose(true);

    connect(BtnOk, &QPushButton::clicked, this, &TFrmCustomPayRpt::BtnOkClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);

    SetUpPrintout(RptCustomPay, this, kWindow, QStringLiteral("RptCustomPay"));
    SetUpPrintout(RptCustomPayJ, this, kWindow, QStringLiteral("RptCustomPayJ"));
    const auto period = [this] {
        return CustomPeriod{{CustomFromIndex, CustomToIndex}, CustPayPerRptName->text(), CustPayPerRpt->text()};
    };
    RptCustomPay.OnPrint = [period](ReportCanvas& report) { PrintCustomPeriodReport(report, period()); };
    RptCustomPayJ.OnPrint = [period](ReportCanvas& report) { PrintCustomPeriodJournal(report, period()); };

    FormShow();
    ScaleScreen(this, QSize(308, 305));
    CbxPayDateFrom->setFocus();
}

void TFrmCustomPayRpt::FormShow()
{
    const PayDateRange all = PayDateRange::AllStored();
    CustomFromIndex = all.First;
    CustomToIndex = all.Last;
    ChkStandard->setChecked(true);
    GrpPayDates->SetRange(all);
    CustPayPerRptName->setText(CustomReportName);
    CustPayPerRpt->setText(ReportPeriodText);
}

void TFrmCustomPayRpt::BtnOkClick()
{
    if (!GrpPayDates->AcceptChoice())
        return;
    CustomFromIndex = GrpPayDates->Range().First;
    CustomToIndex = GrpPayDates->Range().Last;
    try {
        (ChkStandard->isChecked() ? RptCustomPay : RptCustomPayJ).Execute();
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
    }
}

void TFrmCustomPayRpt::done(int result)
{
    CustomReportName = CustPayPerRptName->text();
    ReportPeriodText = CustPayPerRpt->text();
    QDialog::done(result);
}
