#pragma once

// Fills the launcher table's entries of the report windows: the report window, the payroll
// register and the tax liabilities.
void InstallReportLaunchers();
