#include "forms/ui/FormLaunchers.h"

#include "client/ui/Launchers.h"
#include "forms/ui/Form940.h"
#include "forms/ui/FormW2.h"
#include "forms/ui/FormW3.h"
#include "forms/ui/ScheduleB.h"
#include "forms/ui/Form941.h"
#include "forms/ui/Form944.h"

void InstallFormLaunchers()
{
    SetLauncher(Launch::TFrmScheduleB, [](TFrmMain&, MenuItem) { OpenFormScreen<TFrmScheduleB>(); });
    SetLauncher(Launch::TFrmW2, [](TFrmMain&, MenuItem) { OpenW2Screen(); });
    SetLauncher(Launch::TFrmW3, [](TFrmMain&, MenuItem) { OpenFormScreen<TFrmW3>(); });
    SetLauncher(Launch::TFrm940, [](TFrmMain&, MenuItem) { OpenFormScreen<TFrm940>(); });
    SetLauncher(Launch::TFrm941, [](TFrmMain&, MenuItem) { OpenFormScreen<TFrm941>(); });
    SetLauncher(Launch::TFrm944, [](TFrmMain&, MenuItem) { OpenFormScreen<TFrm944>(); });
}
