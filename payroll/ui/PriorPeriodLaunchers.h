#pragma once

// Fills the launcher of the Prior Payroll Periods command.
void InstallPriorPeriodLaunchers();
