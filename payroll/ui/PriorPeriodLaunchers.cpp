#include "payroll/ui/PriorPeriodLaunchers.h"

#include "client/ui/Launchers.h"
#include "payroll/ui/PayPriorPayPeriods.h"

void InstallPriorPeriodLaunchers()
{
    SetLauncher(Launch::MnuPriorPayrollPeriodsClick, [](TFrmMain&, MenuItem) { ShowPriorPayPeriods(); });
}
