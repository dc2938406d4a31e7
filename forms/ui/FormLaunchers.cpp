#include "forms/ui/FormLaunchers.h"

#include "client/ui/Launchers.h"
#include "forms/ui/FormW2.h"
#include "forms/ui/ScheduleB.h"

void InstallFormLaunchers()
{
    SetLauncher(Launch::TFrmScheduleB, [](TFrmMain&, MenuItem) { OpenFormScreen<TFrmScheduleB>(); });
    SetLauncher(Launch::TFrmW2, [](TFrmMain&, MenuItem) { OpenW2Screen(); });
}
