#include "forms/ui/FormLaunchers.h"

#include "client/ui/Launchers.h"
#include "forms/ui/Form941.h"
#include "forms/ui/Form944.h"
#include "forms/ui/FormW2.h"
#include "forms/ui/PayNJUDI.h"
#include "forms/ui/ScheduleB.h"

void InstallFormLaunchers()
{
    SetLauncher(Launch::TFrmScheduleB, [](TFrmMain&, MenuItem) { OpenFormScreen<TFrmScheduleB>(); });
    SetLauncher(Launch::TFrmW2, [](TFrmMain&, MenuItem) { OpenW2Screen(); });
    SetLauncher(Launch::TFrm941, [](TFrmMain&, MenuItem) { OpenFormScreen<TFrm941>(); });
    SetLauncher(Launch::TFrm944, [](TFrmMain&, MenuItem) { OpenFormScreen<TFrm944>(); });
    SetLauncher(Launch::TFrmNJUDI, [](TFrmMain&, MenuItem) { OpenFormScreen<TFrmNJUDI>(); });
}
