#pragma once

#include <cstddef>
#include <span>

// Every command item of the main window: menus, menu items and toolbar buttons, in menu order.
// The names are the ones the rest of the program uses for them.
#define LEDGORA_MENU_ITEMS(X) \
    /* File */ \
    X(MnuFile) X(MnuOpen) X(MnuNew) X(MnuSaveAs) X(MnuBackup) X(MnuRestore) X(MnuClose) \
    X(MnuCompany) X(MnuFederal) X(MnuState) X(MnuCity) X(MnuEmployees) X(MnuPreparer) \
    X(MnuPrintSetup) X(MnuPrint) X(MnuRecentClients) \
    X(MnuMRU0) X(MnuMRU1) X(MnuMRU2) X(MnuMRU3) X(MnuMRU4) X(MnuMRU5) X(MnuMRU6) X(MnuMRU7) X(MnuMRU8) X(MnuMRU9) \
    X(MnuExit) \
    /* File > Print */ \
    X(MnuEmpoyeeRoster) X(MnuEmployeeLabels) X(MnuMTDRpt) X(MnuMTDRptJ) X(MnuQTDRpt) X(MnuQTDRptJ) X(MnuYTDRpt) X(MnuYTDRptJ) \
    X(MnuCustPerPayRpt) X(MnuPriorPayDatesRpt) X(MnuIndEmpPayRpt) X(MnuStateReport) X(MnuReconcileRpt) \
    X(MnuMTDDeptRpt) X(MnuQTDDeptRpt) X(MnuYTDDeptRpt) X(MnuSavedReports) \
    /* Processing */ \
    X(MnuProcessing) X(MnuExpress) X(MnuPayPeriod) X(MnuAutomatic) X(MnuCancel) X(MnuManualEntry) \
    X(MnuReports) X(MnuStandard) X(MnuJournal) X(MnuDepartmental) X(MnuChecks) X(MnuPosting) \
    X(MnuCloseMonth) X(MnuCloseQuarter) X(MnuFederalAndStateTaxLiabilities) \
    X(MnuElectronicTaxPayments) X(MnuURLFederal) X(MnuURLState) X(MnuURLSetup) X(MnuPriorPayrollPeriods) \
    /* Tax Forms */ \
    X(MnuTaxForms) X(MnuForm940) X(MnuForm941) X(MnuScheduleB) X(MnuForm944) X(MnuFormW2) X(MnuFormW3) \
    X(MnuForm1095C) X(MnuForm1094C) X(MnuNJUDI) X(MnuNJW3) \
    /* Tools */ \
    X(MnuTools) X(MnuCheckGenerator) X(MnuRecurring) X(MnuEFW2) X(MnuTransfer) X(MnuWindowScaling) X(MnuStyles) X(MnuPassword) \
    /* Help */ \
    X(MnuHelp) X(MnuContents) X(MnuLicenseAgreement) X(MnuDirectDeposit) X(MnuWebUpdate) X(MnuTechnicalSupport) \
    X(MnuAboutLedgora) \
    /* Toolbar */ \
    X(BtnOpen) X(BtnNew) X(BtnSaveAs) X(BtnBackup) X(BtnRestore) X(BtnExpress) X(BtnPayPeriod) X(BtnAutomatic) X(BtnManual) \
    X(BtnReports) X(BtnChecks) X(BtnPost) X(BtnHelp)

enum class MenuItem {
    None,
#define LEDGORA_MENU_ITEM_ENUM(name) name,
    LEDGORA_MENU_ITEMS(LEDGORA_MENU_ITEM_ENUM)
#undef LEDGORA_MENU_ITEM_ENUM
    Count
};

inline constexpr std::size_t kMenuItemCount = static_cast<std::size_t>(MenuItem::Count);

inline constexpr std::size_t IndexOf(MenuItem item) { return static_cast<std::size_t>(item); }

// The name of an item as the program calls it ("MnuOpen", "BtnPost"), for messages and tests.
const char* MenuItemName(MenuItem item);

// One row of the menu tree, in menu order. A row whose item is None is a separator line.
struct MenuEntry {
    MenuItem item;
    MenuItem parent;          // None for the menus of the menu bar
    const char* caption;      // with "&" before the access key; "&&" shows one "&"
    const char* shortcut;     // in portable key text ("Ctrl+O", "Alt+E"); empty for none
    int helpContext;          // the help topic F1 shows on the highlighted item; 0 for none
};

// The whole menu tree, parents before their items.
std::span<const MenuEntry> MainMenuEntries();

// The entry of an item; null for the toolbar buttons and None.
const MenuEntry* FindMenuEntry(MenuItem item);

// The recent-client item k (0..9) and back; -1 for any other item.
MenuItem RecentFileItem(int k);
int RecentFileIndex(MenuItem item);

// One toolbar button, left to right: its hint and the menu item whose command it runs.
struct ToolbarButton {
    MenuItem item;
    const char* hint;
    MenuItem command;
    bool hasDisabledGlyph;
};
std::span<const ToolbarButton> ToolbarButtons();
