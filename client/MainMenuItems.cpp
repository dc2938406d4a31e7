#include "client/MainMenuItems.h"

#include <array>

namespace {

using enum MenuItem;

// A separator line in the menu of `parent`.
constexpr MenuEntry Line(MenuItem parent) { return {None, parent, "", "", 0}; }

constexpr MenuEntry kEntries[] = {
    {MnuFile, None, "&File", "", 0},
    {MnuOpen, MnuFile, "&Open...", "Ctrl+O", 2},
    {MnuNew, MnuFile, "&New...", "Ctrl+N", 3},
    {MnuSaveAs, MnuFile, "Save &As...", "Ctrl+A", 4},
    {MnuBackup, MnuFile, "&Backup...", "Ctrl+B", 5},
    {MnuRestore, MnuFile, "&Restore...", "Ctrl+R", 6},
    {MnuClose, MnuFile, "C&lose Employer File", "Ctrl+F4", 50},
    Line(MnuFile),
    {MnuCompany, MnuFile, "&Company", "Ctrl+C", 7},
    {MnuFederal, MnuFile, "&Federal", "Ctrl+F", 0},
    {MnuState, MnuFile, "&State", "Ctrl+S", 8},
    {MnuCity, MnuFile, "C&ity", "Ctrl+I", 49},
    {MnuEmployees, MnuFile, "&Employees", "Ctrl+E", 9},
    {MnuPreparer, MnuFile, "Preparer", "Ctrl+P", 52},
    Line(MnuFile),
    {MnuPrintSetup, MnuFile, "Print Set&up", "", 45},
    {MnuPrint, MnuFile, "&Print", "", 16},
    Line(MnuFile),
    {MnuRecentClients, MnuFile, "Recen&t Clients", "", 0},
    {MnuMRU0, MnuRecentClients, "", "", 0},
    {MnuMRU1, MnuRecentClients, "", "", 0},
    {MnuMRU2, MnuRecentClients, "", "", 0},
    {MnuMRU3, MnuRecentClients, "", "", 0},
    {MnuMRU4, MnuRecentClients, "", "", 0},
    {MnuMRU5, MnuRecentClients, "", "", 0},
    {MnuMRU6, MnuRecentClients, "", "", 0},
    {MnuMRU7, MnuRecentClients, "", "", 0},
    {MnuMRU8, MnuRecentClients, "", "", 0},
    {MnuMRU9, MnuRecentClients, "", "", 0},
    {MnuExit, MnuFile, "E&xit", "Ctrl+X", 0},

    {MnuEmpoyeeRoster, MnuPrint, "Employee Roster", "", 16},
    {MnuEmployeeLabels, MnuPrint, "Employee Labels", "", 16},
    Line(MnuPrint),
    {MnuMTDRpt, MnuPrint, "Month-to-Date Detailed Report", "", 16},
    {MnuMTDRptJ, MnuPrint, "Month-to-Date Journal Report", "", 16},
    {MnuQTDRpt, MnuPrint, "Quarter-to-Date Detailed Report", "", 16},
    {MnuQTDRptJ, MnuPrint, "Quarter-to-Date Journal Report", "", 16},
    {MnuYTDRpt, MnuPrint, "Year-to-Date Detailed Report", "", 16},
    {MnuYTDRptJ, MnuPrint, "Year-to-Date Journal Report", "", 16},
    Line(MnuPrint),
    {MnuCustPerPayRpt, MnuPrint, "Custom Period Payroll Report", "", 16},
    Line(MnuPrint),
    {MnuPriorPayDatesRpt, MnuPrint, "Prior Earnings Statements", "", 16},
    Line(MnuPrint),
    {MnuIndEmpPayRpt, MnuPrint, "Individual Employee Reports", "", 16},
    {MnuStateReport, MnuPrint, "State Unemployment && Disability Tax Report", "", 16},
    Line(MnuPrint),
    {MnuReconcileRpt, MnuPrint, "Payroll Register Report", "", 16},
    Line(MnuPrint),
    {MnuMTDDeptRpt, MnuPrint, "Month-to-Date Report by Department", "", 16},
    {MnuQTDDeptRpt, MnuPrint, "Quarter-to-Date Report by Department", "", 16},
    {MnuYTDDeptRpt, MnuPrint, "Year-to-Date Report by Department", "", 16},
    Line(MnuPrint),
    {MnuSavedReports, MnuPrint, "Saved Reports", "", 16},

    {MnuProcessing, None, "Pr&ocessing", "", 0},
    {MnuExpress, MnuProcessing, "&Express", "Alt+E", 17},
    {MnuPayPeriod, MnuProcessing, "Pay Perio&d...", "Alt+D", 18},
    {MnuAutomatic, MnuProcessing, "&Automatic...", "Alt+A", 19},
    {MnuCancel, MnuProcessing, "&Cancel...", "Alt+C", 20},
    {MnuManualEntry, MnuProcessing, "&Manual Entry", "Alt+M", 21},
    Line(MnuProcessing),
    {MnuReports, MnuProcessing, "&Reports", "", 0},
    {MnuStandard, MnuReports, "Standard", "", 27},
    {MnuJournal, MnuReports, "Journal", "", 0},
    {MnuDepartmental, MnuReports, "Departmental", "", 0},
    {MnuChecks, MnuProcessing, "Chec&ks", "Alt+K", 28},
    Line(MnuProcessing),
    {MnuPosting, MnuProcessing, "&Posting...", "Alt+P", 30},
    Line(MnuProcessing),
    {MnuCloseMonth, MnuProcessing, "C&lose Month...", "", 14},
    {MnuCloseQuarter, MnuProcessing, "Close &Quarter...", "", 15},
    Line(MnuProcessing),
    {MnuFederalAndStateTaxLiabilities, MnuProcessing, "Federal and State Tax Liabilities", "Alt+T", 0},
    Line(MnuProcessing),
    {MnuElectronicTaxPayments, MnuProcessing, "Electronic &Tax Payments", "", 0},
    {MnuURLFederal, MnuElectronicTaxPayments, "&Federal", "", 0},
    {MnuURLState, MnuElectronicTaxPayments, "&State", "", 0},
    {MnuURLSetup, MnuElectronicTaxPayments, "S&etup", "", 0},
    Line(MnuProcessing),
    {MnuPriorPayrollPeriods, MnuProcessing, "Pr&ior Payroll Periods", "Alt+R", 0},

    {MnuTaxForms, None, "Ta&x Forms", "", 0},
    {MnuForm940, MnuTaxForms, "Form 94&0", "", 48},
    {MnuForm941, MnuTaxForms, "Form 94&1", "", 32},
    {MnuScheduleB, MnuTaxForms, "Schedule &B (Form 941)", "", 33},
    {MnuForm944, MnuTaxForms, "Form 94&4", "", 53},
    {MnuFormW2, MnuTaxForms, "Form W-&2", "", 34},
    {MnuFormW3, MnuTaxForms, "Form W-&3", "", 35},
    {MnuForm1095C, MnuTaxForms, "Form 109&5-C", "", 0},
    {MnuForm1094C, MnuTaxForms, "Form 1094-&C", "", 0},
    {MnuNJUDI, MnuTaxForms, "Forms &NJ-927/WR-30 Worksheets", "", 51},
    {MnuNJW3, MnuTaxForms, "N&J-W-3", "", 0},

    {MnuTools, None, "Too&ls", "", 0},
    {MnuCheckGenerator, MnuTools, "&Check Generator", "", 46},
    {MnuRecurring, MnuTools, "&Recurring", "", 37},
    {MnuEFW2, MnuTools, "E&FW2 Module", "", 53},
    {MnuTransfer, MnuTools, "&Transfer", "", 39},
    Line(MnuTools),
    {MnuWindowScaling, MnuTools, "&Window Scaling", "", 0},
    Line(MnuTools),
    {MnuStyles, MnuTools, "&Styles", "", 0},
    Line(MnuTools),
    {MnuPassword, MnuTools, "&Password...", "", 44},

    {MnuHelp, None, "&Help", "", 0},
    {MnuContents, MnuHelp, "&Contents", "", 1},
    {MnuLicenseAgreement, MnuHelp, "&License Agreement", "", 0},
    {MnuDirectDeposit, MnuHelp, "&Direct Deposit", "", 0},
    Line(MnuHelp),
    {MnuWebUpdate, MnuHelp, "&Web Update", "", 0},
    {MnuTechnicalSupport, MnuHelp, "&Technical Support", "", 0},
    Line(MnuHelp),
    {MnuAboutLedgora, MnuHelp, "&About Ledgora...", "", 0},
};

constexpr ToolbarButton kButtons[] = {
    {BtnOpen, "Open Existing File", MnuOpen, false},
    {BtnNew, "Create New File", MnuNew, false},
    {BtnSaveAs, "Save File As", MnuSaveAs, false},
    {BtnBackup, "Backup File", MnuBackup, false},
    {BtnRestore, "Restore File", MnuRestore, false},
    {BtnExpress, "Express Payroll Processing", MnuExpress, true},
    {BtnPayPeriod, "Payroll Period Setup", MnuPayPeriod, true},
    {BtnAutomatic, "Automatic Payroll Processing", MnuAutomatic, true},
    {BtnManual, "Manual Payroll", MnuManualEntry, true},
    {BtnReports, "Print Payroll Reports", MnuStandard, true},
    {BtnChecks, "Print Payroll Checks", MnuChecks, false},
    {BtnPost, "Post the Payroll", MnuPosting, false},
    {BtnHelp, "Help", MnuContents, false},
};

constexpr const char* kNames[] = {
    "None",
#define LEDGORA_MENU_ITEM_NAME(name) #name,
    LEDGORA_MENU_ITEMS(LEDGORA_MENU_ITEM_NAME)
#undef LEDGORA_MENU_ITEM_NAME
};
static_assert(std::size(kNames) == kMenuItemCount);

} // namespace

const char* MenuItemName(MenuItem item)
{
    const std::size_t index = IndexOf(item);
    return index < kMenuItemCount ? kNames[index] : "";
}

std::span<const MenuEntry> MainMenuEntries()
{
    return kEntries;
}

const MenuEntry* FindMenuEntry(MenuItem item)
{
    if (item == None)
        return nullptr;
    for (const MenuEntry& entry : kEntries)
        if (entry.item == item)
            return &entry;
    return nullptr;
}

MenuItem RecentFileItem(int k)
{
    if (k < 0 || k > 9)
        return None;
    return static_cast<MenuItem>(IndexOf(MnuMRU0) + static_cast<std::size_t>(k));
}

int RecentFileIndex(MenuItem item)
{
    if (IndexOf(item) < IndexOf(MnuMRU0) || IndexOf(item) > IndexOf(MnuMRU9))
        return -1;
    return static_cast<int>(IndexOf(item) - IndexOf(MnuMRU0));
}

std::span<const ToolbarButton> ToolbarButtons()
{
    return kButtons;
}
