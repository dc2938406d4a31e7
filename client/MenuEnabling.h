#pragma once

#include "client/MainMenuItems.h"

#include <QString>
#include <array>

// What the main window's commands depend on: the open client and its pay run.
struct ClientMenuState {
    bool fileIsOpen = false;
    bool payrollPosted = false;          // no computed pay awaits posting
    bool payDateValid = false;           // a pay period is open
    int employeesWithRate = 0;
    int employeesWithPay = 0;            // current gross, net or third-party sick pay
    int employeesWithMonthToDate = 0;    // month-to-date gross pay
    int employeesWithQuarterToDate = 0;
    int employeesWithYearToDate = 0;
    int priorPeriodCount = 0;            // posted pay periods in the pay history
    bool templateOpen = false;           // the template client
    bool backupCopyOpen = false;         // a client in the backup folder
    bool quarterlyCopyOpen = false;      // a client in the quarterly data folder
    bool newJerseyEmployer = false;      // the company's current state is New Jersey
    bool stateTaxPaymentAddressSet = false;
};

// Which open client the file name names, as the enabling rules tell them apart: the template
// client by its name, the backup and quarterly copies by their folder; letter case is ignored.
void ClassifyOpenFile(const QString& curFileName, const QString& templateFileName, const QString& backupDir,
                      const QString& quarterlyDataDir, ClientMenuState& state);

// Enabled and visible, for every item of the main window, and which of its two panels shows.
struct MenuStates {
    std::array<bool, kMenuItemCount> enabled{};
    std::array<bool, kMenuItemCount> visible{};
    bool launchPanelVisible = false;    // the launch panel while a client is open
    bool messagePanelVisible = true;    // "There is no client file open" otherwise

    bool isEnabled(MenuItem item) const { return enabled[IndexOf(item)]; }
    bool isVisible(MenuItem item) const { return visible[IndexOf(item)]; }
};

// The enabling rules of the main window's commands, from the state of the open client. Items
// a rule never touches are enabled; the recent-client items are left to the recent-files list
// (enabled and visible here).
MenuStates ComputeMenuStates(const ClientMenuState& state);
