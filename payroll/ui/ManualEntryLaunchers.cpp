#include "payroll/ui/ManualEntryLaunchers.h"

#include "client/ui/Launchers.h"
#include "client/ui/PayMain.h"
#include "payroll/AutoProcessing.h"
#include "payroll/ui/PayManual.h"

void InstallManualEntryLaunchers()
{
    SetLauncher(Launch::MnuManualEntryClick, [](TFrmMain& main, MenuItem) {
        ShowManualEntry();
        main.SetupProcessingMenu();
    });
    SetLauncher(Launch::MnuExpressClick, [](TFrmMain&, MenuItem) { ExpressProcessing(); });
}
