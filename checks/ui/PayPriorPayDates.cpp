#include "checks/ui/PayPriorPayDates.h"

#include "checks/CondensedStatement.h"
#include "checks/EarningsStatement.h"
#include "checks/PostedStatementSource.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/ui/ScreenRules.h"
#include "components/ui/EnterAsTab.h"
#include "components/ui/PrintoutSetup.h"
#include "payroll/PayHistory.h"
#include "platform/report/ReportProject.h"
#include "platform/ui/LedgoraApplication.h"
#include "reports/PriorPayDateJournal.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString kWindow = QStringLiteral("TFrmPriorPayDatesRpt");
// Beside its caption a title bar holds the window's icon and margins.
constexpr int kTitleBarRoom = 40;

} // namespace

TFrmPriorPayDatesRpt::TFrmPriorPayDatesRpt(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , project_(DataModule().RaveProject)
    , previousEngine_(project_.Engine)
{
    setWindowTitle(QStringLiteral("Prior Earnings Statement Report"));

    GrpReportType = new QGroupBox(QStringLiteral("Select Report Type"), this);
    ChkEarnings = new QRadioButton(QStringLiteral("&Standard"), GrpReportType);
    ChkEarningsCond = new QRadioButton(QStringLiteral("&Condensed"), GrpReportType);
    ChkJournal = new QRadioButton(QStringLiteral("&Journal"), GrpReportType);
    auto* types = new QVBoxLayout(GrpReportType);
    types->addWidget(ChkEarnings);
    types->addWidget(ChkEarningsCond);
    types->addWidget(ChkJournal);

    GrpPayDate = new QGroupBox(QStringLiteral("Select Pay Date"), this);
    CbxPayDate = new QComboBox(GrpPayDate);
    CbxPayDate->setEditable(false);
    auto* payDate = new QVBoxLayout(GrpPayDate);
    payDate->addWidget(CbxPayDate);

    BtnOk = new QPushButton(QStringLiteral("&Ok"), this);
    BtnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnOk);
    buttons->addWidget(BtnCancel);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(GrpReportType);
    layout->addWidget(GrpPayDate);
    layout->addStretch();
    layout->addLayout(buttons);
    setTabOrder(ChkEarnings, ChkEarningsCond);
    setTabOrder(ChkEarningsCond, ChkJournal);
    setTabOrder(ChkJournal, CbxPayDate);
    setTabOrder(CbxPayDate, BtnOk);
    setTabOrder(BtnOk, BtnCancel);

    auto* keys = new TEnterAsTab(this);
    keys->setParentForm(this);
    keys->setEscapeAsClose(true);

    connect(BtnOk, &QPushButton::clicked, this, &TFrmPriorPayDatesRpt::BtnOkClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);

    SetUpPrintout(RptPriorPayDates, this, kWindow, QStringLiteral("RptPriorPayDates"));
    SetUpPrintout(RptPriorPayDatesCond, this, kWindow, QStringLiteral("RptPriorPayDatesCond"));
    SetUpPrintout(RptPriorDatesJ, this, kWindow, QStringLiteral("RptPriorDatesJ"));
    RptPriorPayDates.OnPrint = [this](ReportCanvas& report) {
        PriorPayDateSource source(PriorToIndex);
        PrintEarningsStatements(report, source, StatementStyle{});
    };
    RptPriorPayDatesCond.OnPrint = [this](ReportCanvas& report) {
        PriorPayDateSource source(PriorToIndex);
        PrintCondensedStatements(report, project_, source);
    };
    RptPriorDatesJ.OnPrint = [this](ReportCanvas& report) { PrintPriorPayDateJournal(report, PriorToIndex); };

    FormShow();
    ScaleScreen(this, QSize(213, 213));
    // The caption is wider than the controls; the title bar shows it whole.
    setMinimumWidth(std::max(minimumWidth(), fontMetrics().horizontalAdvance(windowTitle()) + kTitleBarRoom));
    CbxPayDate->setFocus();
}

TFrmPriorPayDatesRpt::~TFrmPriorPayDatesRpt()
{
    // The project must not go on drawing on a printout that is gone.
    project_.Engine = previousEngine_;
}

void TFrmPriorPayDatesRpt::FormShow()
{
    PriorToIndex = CompanyRec.PriorPeriodCount;
    {
        const QSignalBlocker blocker(CbxPayDate);
        CbxPayDate->clear();
        CbxPayDate->addItems(StoredPayDateLines());
    }
    CbxPayDate->setCurrentIndex(CbxPayDate->count() - 1);
    ChkEarnings->setChecked(true);
    // The condensed statements fill a layout of the report project.
    project_.Engine = &RptPriorPayDatesCond;
}

void TFrmPriorPayDatesRpt::BtnOkClick()
{
    if (CbxPayDate->currentIndex() < 0)
        return;
    PriorToIndex = CbxPayDate->currentIndex() + 1;
    ReportSystem& system = ChkEarnings->isChecked()       ? RptPriorPayDates
                           : ChkEarningsCond->isChecked() ? RptPriorPayDatesCond
                                                          : RptPriorDatesJ;
    try {
        system.Execute();
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
    }
}
