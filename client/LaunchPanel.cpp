#include "client/LaunchPanel.h"

namespace {

using enum MenuItem;

constexpr LaunchLabel kLabels[] = {
    {101, "Save this Client file under a new name", MnuSaveAs, None, 0, 0},
    {102, "Backup this Client file", MnuBackup, None, 0, 1},
    {103, "Restore this Client file from a prior Backup", MnuRestore, None, 0, 2},
    {104, "Edit the Company/Employer data", MnuCompany, None, 0, 3},
    {105, "Edit the State data", MnuState, None, 0, 4},
    {106, "Edit or create City data", MnuCity, None, 0, 5},
    {107, "Edit or create Employees", MnuEmployees, None, 0, 6},
    {131, "Edit the Preparer data", MnuPreparer, None, 0, 7},
    {110, "Setup the Printer", MnuPrintSetup, None, 0, 8},
    {111, "Perform Express Payroll Processing", MnuExpress, MnuExpress, 0, 10},
    {112, "Activate a Payroll Period", MnuPayPeriod, MnuPayPeriod, 0, 11},
    {113, "Automatically Process a payroll", MnuAutomatic, MnuAutomatic, 0, 12},
    {114, "Cancel a Processed payroll", MnuCancel, MnuCancel, 0, 13},
    {115, "Perform Payroll Manual Entry", MnuManualEntry, MnuManualEntry, 0, 14},
    {116, "Print Earnings Statement Report", MnuStandard, MnuReports, 0, 15},
    {117, "Print Payroll Checks", MnuChecks, MnuChecks, 0, 16},
    {118, "Post a processed payroll", MnuPosting, MnuPosting, 0, 17},
    {108, "Close the current Month", MnuCloseMonth, MnuCloseMonth, 0, 18},
    {109, "Close the current Quarter", MnuCloseQuarter, MnuCloseQuarter, 0, 19},
    {133, "View Federal Tax Liabilities", MnuFederalAndStateTaxLiabilities, MnuFederalAndStateTaxLiabilities, 0, 20},
    {132, "View a Prior Payroll Period", MnuPriorPayrollPeriods, MnuPriorPayrollPeriods, 0, 21},

    {119, "Edit or Print Form 940", MnuForm940, MnuForm940, 1, 0},
    {121, "Edit or Print Form 941", MnuForm941, MnuForm941, 1, 1},
    {122, "Edit or Print Schedule B (Form 941)", MnuScheduleB, None, 1, 2},
    {134, "Edit or Print Form 944", MnuForm944, MnuForm944, 1, 3},
    {123, "Edit or Print Form W-2", MnuFormW2, None, 1, 4},
    {124, "Edit or Print Form W-3", MnuFormW3, None, 1, 5},
    {135, "Edit or Print Form 1095-C", MnuForm1095C, None, 1, 6},
    {136, "Edit or Print Form 1094-C", MnuForm1094C, None, 1, 7},
    {125, "Setup the Payroll Check Generator", MnuCheckGenerator, None, 1, 9},
    {126, "Setup Recurring Payroll items", MnuRecurring, None, 1, 10},
    {138, "Setup and create e-file W-2 (EFW2)", MnuEFW2, MnuEFW2, 1, 11},
    {127, "Transfer Client files from last year's program", MnuTransfer, None, 1, 12},
    {128, "Password protect this Client file", MnuPassword, None, 1, 13},
    {129, "Obtain Help on the Program", MnuContents, None, 1, 15},
    {130, "Check the Web for Updates", MnuWebUpdate, None, 1, 16},
    {137, "Setting Styles ...", None, None, 1, 18},
};
static_assert(std::size(kLabels) == 37);

} // namespace

const char* const kStyleNoteText =
    "Start the program and click Tools/Styles prior to opening a Client file. If there is an open Client file "
    "then click File/Close Employer File to close it.  Once a Style has been selected click File/Preparer and "
    "examine the Preparer window, if you like the Style, you are all done, if not, repeat the process.~~"
    "Note: Opening a Client file and then setting styles, will cause the Client file to be closed and "
    "re-opened each time you set a Style, as the Program requires a re-start each time a Style is selected. "
    "While this is not harmful, it does take extra processing time.";

std::span<const LaunchLabel> LaunchLabels()
{
    return kLabels;
}

const LaunchLabel* FindLaunchLabel(int tag)
{
    for (const LaunchLabel& label : kLabels)
        if (label.tag == tag)
            return &label;
    return nullptr;
}
