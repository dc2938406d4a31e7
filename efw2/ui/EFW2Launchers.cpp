#include "efw2/ui/EFW2Launchers.h"

#include "client/ui/Launchers.h"
#include "efw2/ui/PayEFW2.h"

void InstallEFW2Launchers()
{
    SetLauncher(Launch::TFrmEFW2, [](TFrmMain&, MenuItem) { OpenModalWindow<TFrmEFW2>(); });
}
