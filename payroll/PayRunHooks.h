#pragma once

#include <functional>

// The windows and main-window commands that the pay-run commands open along the way. The main
// window fills them from its own commands when it is created; a hook left empty does nothing, so
// the pay-run rules also run where no window exists (tests, or before the window is built).
struct PayRunHooks {
    std::function<void()> WebUpdate;                 // asks, checks for a newer version, may download it
    std::function<void()> PayPeriodDialog;           // the pay period dialog, modal
    std::function<void()> SetupProcessingMenu;      // re-enables the processing commands from the records
    std::function<void()> ManualEntry;               // the manual entry window, for review and changes
    std::function<void()> EarningsStatements;        // earnings statements of the current period
    std::function<void()> CurrentJournal;            // the current payroll journal
    std::function<void()> CurrentDepartmentalReport; // the current payroll by department
    std::function<void()> Checks;                    // the check printing window
    std::function<void()> Posting;                   // posts the computed pay run
};

// The hooks the pay-run commands call.
extern PayRunHooks PayRunWindows;

// Calls a hook when it is set.
inline void RunHook(const std::function<void()>& hook)
{
    if (hook)
        hook();
}
