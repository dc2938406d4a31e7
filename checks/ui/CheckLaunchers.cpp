#include "checks/ui/CheckLaunchers.h"

#include "checks/ui/PayCheckGen.h"
#include "checks/ui/PayChecks.h"
#include "client/ui/Launchers.h"

void InstallCheckLaunchers()
{
    SetLauncher(Launch::TFrmCheck, [](TFrmMain&, MenuItem) { ShowCheckPrinting(); });
    SetLauncher(Launch::TFrmPayCheckGen, [](TFrmMain&, MenuItem) { ShowCheckGenerator(); });
}
