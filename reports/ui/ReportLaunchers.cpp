#include "reports/ui/ReportLaunchers.h"

#include "client/ui/Launchers.h"
#include "reports/ui/PayReports.h"

void InstallReportLaunchers()
{
    SetLauncher(Launch::TFrmReports, [](TFrmMain&, MenuItem) { OpenModalWindow<TFrmReports>(); });
}
