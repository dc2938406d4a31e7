#pragma once

// Check numbers of a pay run. When the company numbers its checks (CompanyRec.StartChkNum above
// 0), only the employees a check or advice is printed for carry a number: consecutive from the
// starting number in file order, the order the checks come off the printer, so that the numbered
// stock, the check window's range, the printed checks and the posted register agree and
// CompanyRec.LastChkNum is the last number used. An employee without pay carries none.

// Whether the company numbers its checks.
bool ChecksNumbered();

// Starts the run's numbers again: CompanyRec.LastChkNum becomes CompanyRec.StartChkNum - 1. Does
// nothing when checks are not numbered.
void RestartCheckNumbers();

// Gives the current employee the next number when a check is printed for the employee, else
// none (0). Returns whether EmployeeRec.CheckNumber changed; the caller posts the employee. Does
// nothing when checks are not numbered.
bool NumberEmployeeCheck();

// Numbers the checks of every employee anew and posts the employees whose number changed. The
// employee that was current is read again afterwards.
void NumberPayRunChecks();
