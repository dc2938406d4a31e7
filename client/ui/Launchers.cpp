#include "client/ui/Launchers.h"

#include "checks/ui/CheckLaunchers.h"
#include "checks/ui/StatementLaunchers.h"
#include "client/PayRecords.h"
#include "client/ProgramStart.h"
#include "client/SavedReports.h"
#include "client/ui/ClientFileLaunchers.h"
#include "client/ui/EmployeeLaunchers.h"
#include "client/ui/HelpLaunchers.h"
#include "client/ui/HelpWindow.h"
#include "client/ui/PayMain.h"
#include "client/ui/SetupScreenLaunchers.h"
#include "components/PrinterSetup.h"
#include "components/ui/PrinterSetupWindow.h"
#include "components/ui/ReportPreviewHandler.h"
#include "efw2/ui/EFW2Launchers.h"
#include "forms/ui/FormLaunchers.h"
#include "payroll/ClosePeriod.h"
#include "payroll/ui/ManualEntryLaunchers.h"
#include "payroll/ui/PayRunLaunchers.h"
#include "payroll/ui/PriorPeriodLaunchers.h"
#include "platform/AppMessageBox.h"
#include "reports/ui/ReportLaunchers.h"

#include <array>

namespace {

std::array<Launcher, static_cast<std::size_t>(Launch::Count)>& table()
{
    static std::array<Launcher, static_cast<std::size_t>(Launch::Count)> launchers;
    return launchers;
}

constexpr const char* kNames[] = {
#define LEDGORA_LAUNCH_NAME(name) #name,
    LEDGORA_LAUNCHES(LEDGORA_LAUNCH_NAME)
#undef LEDGORA_LAUNCH_NAME
};

} // namespace

void InstallLaunchers()
{
    table().fill(nullptr);
    InstallClientFileLaunchers();
    InstallPriorPeriodLaunchers();
    InstallPayRunLaunchers();
    InstallManualEntryLaunchers();
    InstallEmployeeLaunchers();
    InstallHelpLaunchers();
    InstallSetupScreenLaunchers();
    InstallCheckLaunchers();
    InstallFormLaunchers();
    InstallReportLaunchers();
    InstallStatementLaunchers();
    InstallEFW2Launchers();
    SetLauncher(Launch::TFrmPrinterSetup, [](TFrmMain&, MenuItem) {
        ShowPrinterSetup(*AppRegistry, RegistryRoot, [](TFrmPrinterSetup& window) {
            QObject::connect(&window, &TFrmPrinterSetup::helpRequested, &window, ShowHelp);
            SetHelpContext(&window, TFrmPrinterSetup::HelpContext);
        });
    });
    SetLauncher(Launch::RptSavedReports, [](TFrmMain& main, MenuItem) {
        ReportSystem system;
        ConfigureSavedReports(system);
        system.OnBeforePrint = [](ReportCanvas& report) {
            PrinterSetup::SetPrinterSetup(report, true, *AppRegistry, RegistryRoot);
        };
        system.OverridePreview = ReportPreviewHandler(&main);
        system.Execute();
    });
    SetLauncher(Launch::MnuCloseMonthClick, [](TFrmMain&, MenuItem) { CloseMonth(); });
    SetLauncher(Launch::MnuCloseQuarterClick, [](TFrmMain&, MenuItem) { CloseQuarter(); });
}

Launcher SetLauncher(Launch launch, Launcher launcher)
{
    Launcher previous = std::move(table()[static_cast<std::size_t>(launch)]);
    table()[static_cast<std::size_t>(launch)] = std::move(launcher);
    return previous;
}

bool HasLauncher(Launch launch)
{
    return static_cast<bool>(table()[static_cast<std::size_t>(launch)]);
}

void RunLauncher(Launch launch, TFrmMain& main, MenuItem sender)
{
    const Launcher launcher = table()[static_cast<std::size_t>(launch)];
    if (!launcher) {
        AppMessageBox(QStringLiteral("This command is not available yet."), QLatin1String(kApplicationTitle),
                      MbOk | MbIconInformation);
        return;
    }
    launcher(main, sender);
}

const char* LaunchName(Launch launch)
{
    const auto index = static_cast<std::size_t>(launch);
    return index < std::size(kNames) ? kNames[index] : "";
}
