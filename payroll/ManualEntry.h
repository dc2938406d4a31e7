#pragma once

// The rules of the manual entry window that work on the records alone: which employees it may
// show, the recomputation of one employee, clearing an employee's pay and renumbering the checks.

// Recomputes the current employee's pay from the hours and amounts as entered (no recurring
// amounts) and clears ManualEntryModified. The caller posts the employee.
void RecalculateManualPay();

// The number of employees the eligibility check admits for the open pay period, without messages.
// The current employee stays current.
int CountEligibleEmployees();

// Moves forward (or backward) through the employee file, wrapping at its ends, to the next
// employee the eligibility check admits, without messages; at most one round. When the round
// finds nobody admitted, the employee that was current is read again and false is returned.
// With includeCurrent the current employee is tried first.
bool MoveToEligibleEmployee(bool forward, bool includeCurrent);

// Takes the current employee out of the pay run: the period's hours, the check number and the
// current column of every amount group become 0. Nothing is posted.
void ClearCurrentPay();

// Posts the current employee, then numbers the pay run's checks anew (CheckNumbers.h): the
// employees with pay get consecutive numbers from CompanyRec.StartChkNum in file order, those
// without pay none. The current employee is read again afterwards.
void RenumberPaidChecks();

// Every change to the current employee's pay ends here, given whether the employee had pay before
// it. When the employee gained or lost the check, or has pay but no number, the checks are numbered
// anew as RenumberPaidChecks does (which posts the employee), so that the check window's range, the
// printed numbers and the register agree. Returns whether it renumbered; nothing happens when the
// company does not number its checks.
bool RenumberIfPayChanged(bool hadPay);

// After the window closed: the pay run awaits posting when anybody has pay, and the company record
// is posted with that and the check numbers given out.
void FinishManualEntry();
