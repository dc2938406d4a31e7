#include "reports/ui/PayReports.h"

#include "client/PayRecords.h"
#include "client/ProgramStart.h"
#include "client/ui/HelpWindow.h"
#include "client/ui/ScreenRules.h"
#include "components/DateRoutines.h"
#include "components/TextRoutines.h"
#include "components/ui/DateEdit.h"
#include "components/ui/EnterAsTab.h"
#include "components/ui/PrintoutSetup.h"
#include "components/ui/StateList.h"
#include "platform/ui/ShowModal.h"
#include "platform/AppMessageBox.h"
#include "platform/Clock.h"
#include "platform/ui/LedgoraApplication.h"
#include "client/PayDataModule.h"
#include "reports/DepartmentalReport.h"
#include "reports/EmployeeRoster.h"
#include "reports/StateReport.h"
#include "reports/ReportPages.h"
#include "reports/ToDateDetailedReport.h"
#include "reports/ToDateJournal.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <iterator>

namespace {

constexpr int kPeriodLength = 65;

struct ReportKindEntry {
    const char* name;    // the caption of ReportName and the report's second heading line
    const char* title;   // the printout's titles before " Preview", " Setup", " Status"; null: its own
};

constexpr ReportKindEntry kKinds[] = {
    {"Employee Roster Report", nullptr},
    {"Employee Payroll Journal", "Employee Payroll Journal"},
    {"Month-to-Date Detailed Payroll Report", "Month-to-Date Detailed Report"},
    {"Month-to-Date Payroll Journal", "Month-to-Date Payroll Journal"},
    {"Quarter-to-Date Detailed Payroll Report", "Quarter-to-Date Detailed Report"},
    {"Quarter-to-Date Payroll Journal", "Quarter-to-Date Payroll Journal"},
    {"Year-to-Date Detailed Payroll Report", "Year-to-Date Detailed Report"},
    {"Year-to-Date Payroll Journal", "Year-to-Date Payroll Journal"},
    {"State Unemployment and Disability Tax Report", nullptr},
    {"Current Payroll Report by Department", "Current Report by Department"},
    {"Month-to-Date Payroll Report by Department", "Month-to-Date Report by Department"},
    {"Quarter-to-Date Payroll Report by Department", "Quarter-to-Date Report by Department"},
    {"Year-to-Date Payroll Report by Department", "Year-to-Date Report by Department"},
};
constexpr int kKindCount = static_cast<int>(std::size(kKinds));

bool IsJournal(int kind)
{
    return kind == 1 || kind == 3 || kind == 5 || kind == 7;
}

bool IsDetailed(int kind)
{
    return kind == 2 || kind == 4 || kind == 6;
}

constexpr int kStateKind = 8;

bool IsDepartmental(int kind)
{
    return kind >= 9 && kind <= 12;
}

// The current journal and the current report by department print the open period's pay date.
bool PrintsPayDate(int kind)
{
    return kind == 1 || kind == 9;
}

} // namespace

TFrmReports::TFrmReports(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Payroll Report Date/Period Description"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    SetHelpContext(this, HelpContext);

    ReportName = new QLabel(QStringLiteral("Report Name:"), this);
    QFont bold = ReportName->font();
    bold.setBold(true);
    ReportName->setFont(bold);
    Label1 = new QLabel(QStringLiteral("Enter the date to be printed on the report"), this);
    ReportDate = new TDateEdit(this);
    ReportDate->setMinimumWidth(85);
    GroupBox = new QGroupBox(QStringLiteral("Payroll Period Description (optional)"), this);
    ReportPeriod = new QLineEdit(GroupBox);
    ReportPeriod->setMaxLength(kPeriodLength);
    BtnOk = new QPushButton(QStringLiteral("&Ok"), this);
    BtnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    BtnHelp = new QPushButton(QStringLiteral("&Help"), this);
    BtnHelp->setToolTip(QStringLiteral("Form Help"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ReportName);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(Label1);
    dateRow->addWidget(ReportDate);
    dateRow->addStretch();
    layout->addLayout(dateRow);
    auto* periodLayout = new QVBoxLayout(GroupBox);
    periodLayout->addWidget(ReportPeriod);
    layout->addWidget(GroupBox);
    layout->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnOk);
    buttons->addWidget(BtnCancel);
    buttons->addWidget(BtnHelp);
    layout->addLayout(buttons);
    setTabOrder(ReportDate, ReportPeriod);
    setTabOrder(ReportPeriod, BtnOk);
    setTabOrder(BtnOk, BtnCancel);
    setTabOrder(BtnCancel, BtnHelp);

    auto* keys = new TEnterAsTab(this);
    keys->setParentForm(this);
    keys->setEscapeAsClose(true);

    connect(BtnOk, &QPushButton::clicked, this, &TFrmReports::BtnOkClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(BtnHelp, &QPushButton::clicked, this, [] { ShowHelp(HelpContext); });

    SetUpPrintout(RptEmpRoster, this, QStringLiteral("TFrmReports"), QStringLiteral("RptEmpRoster"));
    SetUpPrintout(RptToDate, this, QStringLiteral("TFrmReports"), QStringLiteral("RptToDate"));
    SetUpPrintout(RptToDateJ, this, QStringLiteral("TFrmReports"), QStringLiteral("RptToDateJ"));
    SetUpPrintout(RptState, this, QStringLiteral("TFrmReports"), QStringLiteral("RptState"));
    SetUpPrintout(RptDepartmental, this, QStringLiteral("TFrmReports"), QStringLiteral("RptDepartmental"));
    const auto texts = [this] { return ReportTexts{ReportName->text(), ReportPeriod->text(), ReportDateText}; };
    RptEmpRoster.OnPrint = [texts](ReportCanvas& report) { PrintEmployeeRoster(report, texts()); };
    RptToDate.OnPrint = [texts](ReportCanvas& report) {
        PrintToDateDetailedReport(report, ReportColumn(ReportKind), texts());
    };
    RptToDateJ.OnPrint = [texts](ReportCanvas& report) {
        PrintToDateJournal(report, ReportColumn(ReportKind), texts());
    };
    RptState.OnPrint = [texts](ReportCanvas& report) { PrintStateReport(report, texts()); };
    RptDepartmental.OnPrint = [texts](ReportCanvas& report) {
        PrintDepartmentalReport(report, DepartmentalColumn(ReportKind), texts());
    };

    FormShow();
    ScaleScreen(this, QSize(315, 155));
    ReportDate->setFocus();
}

void TFrmReports::FormShow()
{
    const int kind = ReportKind;
    if (kind < kKindCount) {
        ReportName->setText(QString::fromLatin1(kKinds[kind].name));
        const char* title = kKinds[kind].title;
        if (title && (IsJournal(kind) || IsDetailed(kind) || IsDepartmental(kind))) {
            ReportSystem& system = IsJournal(kind) ? RptToDateJ : IsDetailed(kind) ? RptToDate : RptDepartmental;
            const QString base = QString::fromLatin1(title);
            system.TitlePreview = base + QStringLiteral(" Preview");
            system.TitleSetup = base + QStringLiteral(" Setup");
            system.TitleStatus = base + QStringLiteral(" Status");
        }
    }
    if (IsBlank(ReportDateText))
        ReportDateText = DateToText(Today());
    const bool payDate = PrintsPayDate(kind);
    ReportDate->setText(payDate ? QString(CompanyRec.PayDate) : ReportDateText);
    ReportDate->setEnabled(!payDate);
    ReportPeriod->setText(payDate ? QString() : ReportPeriodText);
    ReportPeriod->setEnabled(!payDate);
}

void TFrmReports::execute(ReportSystem& system)
{
    try {
        system.Execute();
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
    }
}

void TFrmReports::BtnOkClick()
{
    if (!IsValidDateStr(ReportDate->text())) {
        AppMessageBox(QStringLiteral("The report date is invalid"), QLatin1String(kApplicationTitle), MbOk | MbIconStop);
        return;
    }
    ReportDateText = ReportDate->text();
    const int kind = ReportKind;
    if (kind == 0)
        execute(RptEmpRoster);
    else if (IsJournal(kind))
        execute(RptToDateJ);
    else if (IsDetailed(kind))
        execute(RptToDate);
    else if (IsDepartmental(kind))
        execute(RptDepartmental);
    else if (kind == kStateKind)
        runStateReport();
    accept();
}

void TFrmReports::runStateReport()
{
    int selection = -1;
    {
        TFrmStateList picker(this);
        picker.AssignLabels(QStringLiteral("Select state to which"), QStringLiteral("this report applies"));
        ShowModal(picker);
        selection = picker.Selection;
    }
    if (selection == -1)
        return;
    try {
        TRecordSet& states = DataModule().RSState;
        states.SetCurrentRecord(selection + 1);
        states.GetRec();
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
        return;
    }
    execute(RptState);
}

void TFrmReports::FormClose()
{
    ReportPeriodText = ReportPeriod->text();
    if (PrintsPayDate(ReportKind))
        ReportDateText.clear();
}

void TFrmReports::done(int result)
{
    FormClose();
    QDialog::done(result);
}
