#include "checks/ui/StatementLaunchers.h"

#include "checks/CondensedStatement.h"
#include "checks/EarningsStatement.h"
#include "checks/EmployeeLabels.h"
#include "checks/StatementSource.h"
#include "checks/ui/PayPriorPayDates.h"
#include "checks/ui/PayReportType.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "client/ui/Launchers.h"
#include "client/ProgramStart.h"
#include "client/ui/PayMain.h"
#include "components/ui/PrintoutSetup.h"
#include "platform/AppMessageBox.h"
#include "platform/report/ReportProject.h"
#include "platform/report/ReportSystem.h"
#include "platform/ui/LedgoraApplication.h"

#include <utility>

bool MidPageStart = false;

namespace {

const QString kMainWindow = QStringLiteral("TFrmMain");

// The project draws on this printout's report while it runs, and on whatever it drew on before
// once the printout is gone.
class ProjectEngine {
public:
    ProjectEngine(ReportProject& project, ReportSystem& system)
        : project_(project)
        , previous_(std::exchange(project.Engine, &system))
    {
    }
    ~ProjectEngine() { project_.Engine = previous_; }
    ProjectEngine(const ProjectEngine&) = delete;
    ProjectEngine& operator=(const ProjectEngine&) = delete;

private:
    ReportProject& project_;
    ReportSystem* previous_;
};

// Runs a printout; a failure while drawing is shown as its own message, and the printout's
// steps have restored the employee and closed the project on their way out.
void Run(ReportSystem& system)
{
    try {
        system.Execute();
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
    }
}

void PrintStandard(QWidget* owner)
{
    ReportSystem system;
    SetUpPrintout(system, owner, kMainWindow, QStringLiteral("RptCurPayroll"));
    system.OnPrint = [](ReportCanvas& report) {
        CurrentPeriodSource source;
        StatementStyle style;
        style.startLower = MidPageStart;
        PrintEarningsStatements(report, source, style);
    };
    Run(system);
}

void PrintCondensed(QWidget* owner)
{
    ReportSystem system;
    SetUpPrintout(system, owner, kMainWindow, QStringLiteral("RptCurPayrollCond"));
    ReportProject& project = DataModule().RaveProject;
    system.OnPrint = [&project](ReportCanvas& report) {
        CurrentPeriodSource source;
        PrintCondensedStatements(report, project, source);
    };
    ProjectEngine engine(project, system);
    Run(system);
}

} // namespace

void RunEarningsStatements(QWidget* owner)
{
    MidPageStart = false;
    TFrmReportType dialog;
    if (ShowModal(dialog) != QDialog::Accepted)
        return;
    if (ReportKind == TFrmReportType::StandardKind) {
        if (CountEmployeesWithPay() == 1
            && AppMessageBox(QStringLiteral("Would you like to start printing the report in the middle of the page?"),
                             QLatin1String(kApplicationTitle), MbYesNo | MbIconQuestion | MbDefButton2)
                   == IdYes)
            MidPageStart = true;
        PrintStandard(owner);
    } else {
        PrintCondensed(owner);
    }
}

void RunEmployeeLabels(QWidget* owner)
{
    ReportSystem system;
    SetUpPrintout(system, owner, kMainWindow, QStringLiteral("RptEmpLabels"));
    system.OnPrint = [](ReportCanvas& report) { PrintEmployeeLabels(report); };
    Run(system);
}

void InstallStatementLaunchers()
{
    SetLauncher(Launch::MnuStandardClick, [](TFrmMain& main, MenuItem) { RunEarningsStatements(&main); });
    SetLauncher(Launch::MnuEmployeeLabelsClick, [](TFrmMain& main, MenuItem) { RunEmployeeLabels(&main); });
    SetLauncher(Launch::TFrmPriorPayDatesRpt, [](TFrmMain&, MenuItem) { OpenModalWindow<TFrmPriorPayDatesRpt>(); });
}
