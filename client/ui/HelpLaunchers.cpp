#include "client/ui/HelpLaunchers.h"

#include "client/MainMenuItems.h"
#include "client/PayRecords.h"
#include "client/WebUpdate.h"
#include "client/ui/About.h"
#include "client/ui/HelpWindow.h"
#include "client/ui/Launchers.h"
#include "client/ui/WebUpdateCommand.h"
#include "platform/ShellOpen.h"

namespace {

constexpr int kContentsTopic = 1;
constexpr int kLicenseAgreementTopic = 42;
constexpr int kDirectDepositTopic = 47;

Launcher Topic(int helpContext)
{
    return [helpContext](TFrmMain&, MenuItem) { ShowHelp(helpContext); };
}

} // namespace

void InstallHelpLaunchers()
{
    SetLauncher(Launch::MnuContentsClick, Topic(kContentsTopic));
    SetLauncher(Launch::MnuLicenseAgreementClick, Topic(kLicenseAgreementTopic));
    SetLauncher(Launch::MnuDirectDepositClick, Topic(kDirectDepositTopic));
    SetLauncher(Launch::ShowMenuItemHelp, [](TFrmMain&, MenuItem item) {
        const MenuEntry* entry = FindMenuEntry(item);
        if (entry && entry->helpContext > 0)
            ShowHelp(entry->helpContext);
    });
    SetLauncher(Launch::MnuWebUpdateClick, [](TFrmMain& main, MenuItem) { MnuWebUpdateClick(main); });
    // The browser's own failures are not the program's to report.
    SetLauncher(Launch::MnuTechnicalSupportClick, [](TFrmMain&, MenuItem) { OpenWebPage(TechnicalSupportPage()); });
    SetLauncher(Launch::TFrmAbout, [](TFrmMain&, MenuItem) { OpenModalWindow<TFrmAbout>(); });
    SetLauncher(Launch::MnuURLFederalAndStateClick, [](TFrmMain&, MenuItem sender) {
        if (sender == MenuItem::MnuURLFederal)
            OpenWebPage(FederalTaxPaymentURL);
        else if (sender == MenuItem::MnuURLState)
            OpenWebPage(StateTaxPaymentURL);
    });
}
