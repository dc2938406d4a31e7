#include "reports/ui/ReportLaunchers.h"

#include "client/ui/Launchers.h"
#include "reports/ui/PayCustomRpt.h"
#include "reports/ui/PayIndEmpPayRpt.h"
#include "reports/ui/PayReconcileRpt.h"
#include "reports/ui/PayReports.h"
#include "reports/ui/PayTaxLiability.h"

void InstallReportLaunchers()
{
    SetLauncher(Launch::TFrmReports, [](TFrmMain&, MenuItem) { OpenModalWindow<TFrmReports>(); });
    SetLauncher(Launch::TFrmCustomPayRpt, [](TFrmMain&, MenuItem) { OpenModalWindow<TFrmCustomPayRpt>(); });
    SetLauncher(Launch::TFrmIndEmpPayRpt, [](TFrmMain&, MenuItem) { OpenModalWindow<TFrmIndEmpPayRpt>(); });
    SetLauncher(Launch::TFrmReconcileRpt, [](TFrmMain&, MenuItem) { OpenModalWindow<TFrmReconcileRpt>(); });
    SetLauncher(Launch::TFrmTaxLiability, [](TFrmMain&, MenuItem) { OpenModalWindow<TFrmTaxLiability>(); });
}
