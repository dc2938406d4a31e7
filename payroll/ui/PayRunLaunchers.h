#pragma once

// Fills the launcher table with the pay-run commands (Pay Period, Automatic, Cancel, Posting) and
// the recurring entries screen.
void InstallPayRunLaunchers();
