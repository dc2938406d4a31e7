#include "forms/ui/FormLaunchers.h"

#include "client/PayUtil.h"
#include "client/ProgramStart.h"
#include "client/ui/Launchers.h"
#include "forms/ui/Form1094C.h"
#include "forms/ui/Form1095C.h"
#include "forms/ui/Form940.h"
#include "forms/ui/Form941.h"
#include "forms/ui/Form944.h"
#include "forms/ui/FormW2.h"
#include "forms/ui/FormW3.h"
#include "forms/ui/PayNJUDI.h"
#include "forms/ui/PayNJW3.h"
#include "forms/ui/ScheduleB.h"
#include "platform/AppMessageBox.h"

void InstallFormLaunchers()
{
    SetLauncher(Launch::TFrmScheduleB, [](TFrmMain&, MenuItem) { OpenFormScreen<TFrmScheduleB>(); });
    SetLauncher(Launch::TFrmW2, [](TFrmMain&, MenuItem) { OpenW2Screen(); });
    SetLauncher(Launch::TFrm941, [](TFrmMain&, MenuItem) { OpenFormScreen<TFrm941>(); });
    SetLauncher(Launch::TFrm944, [](TFrmMain&, MenuItem) { OpenFormScreen<TFrm944>(); });
    SetLauncher(Launch::TFrmNJUDI, [](TFrmMain&, MenuItem) { OpenFormScreen<TFrmNJUDI>(); });
    SetLauncher(Launch::TFrm1095C, [](TFrmMain&, MenuItem) { Open1095CScreen(); });
    SetLauncher(Launch::TFrm1094C, [](TFrmMain&, MenuItem) { OpenFormScreen<TFrm1094C>(); });
    SetLauncher(Launch::TFrmW3, [](TFrmMain&, MenuItem) { OpenFormScreen<TFrmW3>(); });
    SetLauncher(Launch::TFrm940, [](TFrmMain&, MenuItem) { OpenFormScreen<TFrm940>(); });
    SetLauncher(Launch::TFrmNJW3, [](TFrmMain&, MenuItem) { OpenFormScreen<TFrmNJW3>(); });
}

void Open1095CScreen()
{
    // One form per employee record: without employees there is nothing to show.
    if (FileIsOpen && GetEmployeeCount() == 0) {
        AppMessageBox(QStringLiteral("There are no employee records."), QLatin1String(kApplicationTitle),
                      MbOk | MbIconInformation);
        return;
    }
    OpenFormScreen<TFrm1095C>();
}
