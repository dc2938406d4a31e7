#include "client/ui/EmployeeLaunchers.h"

#include "client/ui/Launchers.h"
#include "client/ui/PayEmployee.h"

void InstallEmployeeLaunchers()
{
    SetLauncher(Launch::TFrmEmployee, [](TFrmMain&, MenuItem) { OpenModalWindow<TFrmEmployee>(); });
}
