#include "client/ui/SetupScreenLaunchers.h"

#include "client/PayRecords.h"
#include "client/ui/Launchers.h"
#include "client/ui/PayCity.h"
#include "client/ui/PayCompany.h"
#include "client/ui/PayFederal.h"
#include "client/ui/PayMain.h"
#include "client/ui/PayPreparer.h"
#include "client/ui/PayState.h"

void InstallSetupScreenLaunchers()
{
    // The Company item, Electronic Tax Payments > Setup and the client-file commands that find the
    // setup incomplete all come here; the main window has set OpenTaxPaymentSetup.
    SetLauncher(Launch::TFrmCompany, [](TFrmMain& main, MenuItem) {
        if (!FileIsOpen)
            return;
        {
            TFrmCompany window;
            ShowModal(window);
        }
        main.UpdateFormCaption();
        main.SetupPrintMenuItems();
    });
    SetLauncher(Launch::TFrmFederal, [](TFrmMain&, MenuItem) { OpenModalWindow<TFrmFederal>(); });
    // The state and city tables belong to the open client's data module.
    SetLauncher(Launch::TFrmState, [](TFrmMain&, MenuItem) {
        if (FileIsOpen)
            OpenModalWindow<TFrmState>();
    });
    SetLauncher(Launch::TFrmCity, [](TFrmMain&, MenuItem) {
        if (FileIsOpen)
            OpenModalWindow<TFrmCity>();
    });
    SetLauncher(Launch::TFrmPreparer, [](TFrmMain&, MenuItem) { OpenModalWindow<TFrmPreparer>(); });
}
