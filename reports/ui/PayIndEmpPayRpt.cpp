#include "reports/ui/PayIndEmpPayRpt.h"

#include "client/EmployeeIndex.h"
#include "client/PayRecords.h"
#include "client/ui/ScreenRules.h"
#include "components/ui/EnterAsTab.h"
#include "components/ui/PrintoutSetup.h"
#include "platform/Exceptions.h"
#include "platform/ui/LedgoraApplication.h"
#include "reports/IndividualEmployeeReport.h"
#include "reports/ui/PayDateRange.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString kWindow = QStringLiteral("TFrmIndEmpPayRpt");

} // namespace

TFrmIndEmpPayRpt::TFrmIndEmpPayRpt(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("Individual Employee Payroll Report"));

    GrpEmployee = new QGroupBox(QStringLiteral("Employee Name"), this);
    CbxEmployeeName = new QComboBox(GrpEmployee);
    auto* employee = new QVBoxLayout(GrpEmployee);
    employee->addWidget(CbxEmployeeName);

    GrpReportType = new QGroupBox(QStringLiteral("Report Type"), this);
    ChkEarnings = new QRadioButton(QStringLiteral("Earnings Statement"), GrpReportType);
    ChkJournal = new QRadioButton(QStringLiteral("Journal"), GrpReportType);
    auto* types = new QHBoxLayout(GrpReportType);
    types->addWidget(ChkEarnings);
    types->addWidget(ChkJournal);
    types->addStretch();

    GrpPayDates = new QGroupBox(QStringLiteral("Payroll Pay Dates"), this);
    LblFrom = new QLabel(QStringLiteral("From"), GrpPayDates);
    CbxPayDateFrom = new QComboBox(GrpPayDates);
    LblTo = new QLabel(QStringLiteral("To"), GrpPayDates);
    CbxPayDateTo = new QComboBox(GrpPayDates);
    auto* dates = new QGridLayout(GrpPayDates);
    dates->addWidget(LblFrom, 0, 0);
    dates->addWidget(CbxPayDateFrom, 0, 1);
    dates->addWidget(LblTo, 0, 2);
    dates->addWidget(CbxPayDateTo, 0, 3);
    dates->setColumnStretch(1, 1);
    dates->setColumnStretch(3, 1);

    BtnOk = new QPushButton(QStringLiteral("&Ok"), this);
    BtnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnOk);
    buttons->addWidget(BtnCancel);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    for (QGroupBox* box : {GrpEmployee, GrpReportType, GrpPayDates})
        layout->addWidget(box);
    layout->addStretch();
    layout->addLayout(buttons);
    setTabOrder(CbxEmployeeName, ChkEarnings);
    setTabOrder(ChkEarnings, ChkJournal);
    setTabOrder(ChkJournal, CbxPayDateFrom);
    setTabOrder(CbxPayDateFrom, CbxPayDateTo);
    setTabOrder(CbxPayDateTo, BtnOk);
    setTabOrder(BtnOk, BtnCancel);

    auto* keys = new TEnterAsTab(this);
    keys->setParentForm(this);
    keys->setEscapeAsClose(true);

    connect(BtnOk, &QPushButton::clicked, this, &TFrmIndEmpPayRpt::BtnOkClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ChkEarnings, &QRadioButton::toggled, this, &TFrmIndEmpPayRpt::ReportTypeClick);

    SetUpPrintout(RptEarnings, this, kWindow, QStringLiteral("RptEarnings"));
    SetUpPrintout(RptJournal, this, kWindow, QStringLiteral("RptJournal"));
    RptEarnings.OnPrint = [this](ReportCanvas& report) { PrintEmployeeStatements(report, FromSlot, ToSlot); };
    RptJournal.OnPrint = [this](ReportCanvas& report) { PrintEmployeeJournal(report, FromSlot, ToSlot); };

    FormShow();
    ScaleScreen(this, QSize(311, 237));
    CbxEmployeeName->setFocus();
}

void TFrmIndEmpPayRpt::FormShow()
{
    // The list shows each employee's last name first without the comma of the usual index; the
    // next user of the index finds it stale and rebuilds it in its usual form.
    RecIndexLastNameFirst = false;
    RebuildRecIndex = true;
    BuildRecIndex();
    RecIndexLastNameFirst = true;
    RebuildRecIndex = true;
    for (const RecIndexData& entry : RecIndex) {
        CbxEmployeeName->addItem(QString(entry.Name));
        records_.push_back(entry.Index + 1);
    }
    if (CbxEmployeeName->count() > 0)
        CbxEmployeeName->setCurrentIndex(0);

    FromSlot = 1;
    ToSlot = CompanyRec.PriorPeriodCount;
    FillPayDateLists(CbxPayDateFrom, CbxPayDateTo, FromSlot, ToSlot);
    ChkEarnings->setChecked(true);
    ReportTypeClick();
}

void TFrmIndEmpPayRpt::ReportTypeClick()
{
    // Statements always begin at the first stored pay date, so that their year to date is whole.
    if (ChkEarnings->isChecked())
        CbxPayDateFrom->setCurrentIndex(0);
    CbxPayDateFrom->setEnabled(!ChkEarnings->isChecked());
}

void TFrmIndEmpPayRpt::BtnOkClick()
{
    try {
        const PayDateRange range = CheckedPayDateRange(CbxPayDateFrom, CbxPayDateTo);
        FromSlot = range.firstSlot;
        ToSlot = range.lastSlot;
        const int chosen = CbxEmployeeName->currentIndex();
        if (chosen < 0)
            return;
        ReadEmployeeRecord(records_[static_cast<std::size_t>(chosen)]);
        if (PayDatesWithNetPay(FromSlot, ToSlot) == 0)
            throw EFieldException(QStringLiteral("There is no payroll data available for the period selected."));
        (ChkEarnings->isChecked() ? RptEarnings : RptJournal).Execute();
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
    }
}
