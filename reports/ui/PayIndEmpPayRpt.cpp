#include "reports/ui/PayIndEmpPayRpt.h"

#include "client/EmployeeIndex.h"
#include "client/PayRecords.h"
#include "client/ui/ScreenRules.h"
#include "components/ui/EnterAsTab.h"
#include "components/ui/PrintoutSetup.h"
#include "payroll/ui/PayDateRangeBox.h"
#include "platform/Exceptions.h"
#include "platform/ui/LedgoraApplication.h"
#include "reports/IndividualEmployeeReport.h"

#include <QComboBox>
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

    GrpPayDates = new TPayDateRangeBox(QStringLiteral("Payroll Pay Dates"), this);
    LblFrom = GrpPayDates->LblFrom;
    CbxPayDateFrom = GrpPayDates->CbxPayDateFrom;
    LblTo = GrpPayDates->LblTo;
    CbxPayDateTo = GrpPayDates->CbxPayDateTo;

    BtnOk = new QPushButton(QStringLiteral("&Ok"), this);
    BtnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnOk);
    buttons->addWidget(BtnCancel);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    for (QGroupBox* box : std::initializer_list<QGroupBox*>{GrpEmployee, GrpReportType, GrpPayDates})
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
    RptEarnings.OnPrint = [this](ReportCanvas& report) { PrintEmployeeStatements(report, {FromSlot, ToSlot}); };
    RptJournal.OnPrint = [this](ReportCanvas& report) { PrintEmployeeJournal(report, {FromSlot, ToSlot}); };

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
    if (EmployeeCount == 1) {
        // The index keeps no name for a single employee.
        const EmployeeRecord& e = EmployeeRec;
        CbxEmployeeName->addItem(e.LastName.get().trimmed() + QLatin1Char(' ') + e.Suffix.get().trimmed() + QLatin1Char(' ')
                                 + e.FirstName.get().trimmed() + QLatin1Char(' ') + e.MiddleInitial.get().trimmed());
        records_.push_back(1);
    } else {
        for (const RecIndexData& entry : RecIndex) {
            CbxEmployeeName->addItem(QString(entry.Name));
            records_.push_back(entry.Index + 1);
        }
    }
    if (CbxEmployeeName->count() > 0)
        CbxEmployeeName->setCurrentIndex(0);

    const PayDateRange all = PayDateRange::AllStored();
    FromSlot = all.First;
    ToSlot = all.Last;
    GrpPayDates->SetRange(all);
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
    if (!GrpPayDates->AcceptChoice())
        return;
    FromSlot = GrpPayDates->Range().First;
    ToSlot = GrpPayDates->Range().Last;
    try {
        const int chosen = CbxEmployeeName->currentIndex();
        if (chosen < 0)
            return;
        ReadEmployeeRecord(records_[static_cast<std::size_t>(chosen)]);
        if (PayDatesWithNetPay({FromSlot, ToSlot}) == 0)
            throw EFieldException(QStringLiteral("There is no payroll data available for the period selected."));
        (ChkEarnings->isChecked() ? RptEarnings : RptJournal).Execute();
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
    }
}
