#pragma once

#include "client/DirectDepositFile.h"
#include "client/PasswordScramble.h"

// Routines that several windows and the payroll cycle share. They work on the global records and
// the data module's record sets; the counting routines visit every employee and leave the current
// employee current.

// Why the current employee may not be paid in the pay period being processed: 0 eligible,
// 1 hired after the period, 2 suspended for the whole period, 3 left before the period,
// 4 deceased, 5 paid at another frequency than the one processed. With showMessage the reason is
// shown. Needs the pay period's dates in the company record; changes no record.
int CheckEmployeeEligible(bool showMessage);

// The current employee's suspension covers the whole pay period being processed.
bool InSuspensionWindow();

// Number of employee records; 0 while no client is open.
int GetEmployeeCount();
// The current employee's current GrossWages, NetPay or TPSPGross is not 0: the pay run prints a
// check or advice for the employee.
bool EmployeeHasPay();
// Employees whose current GrossWages, NetPay or TPSPGross is not 0.
int CountEmployeesWithPay();
// Employees whose RegularRate is above 0.
int CountEmployeesWithRate();
// Employees whose GrossWages in column (1 current .. 4 year-to-date) is not 0.
int CountEmployeesWithAmount(int column);

// The part of amount that stays within an annual limit, yearToDate having been taxed before.
double TaxableUnderWageBase(double amount, double yearToDate, double limit);

// True when the company setup is complete: nothing the forms and files need is missing.
bool CountMissingCompanyData();

// True when every required pre-printed check position is set.
bool IsCheckSetupComplete();

// The first retirement plan with year-to-date contributions (1 401(k), 2 403(b), 3 408(k)(6),
// 4 457(b), 5 SIMPLE IRA); plan 0 and false when there is none.
bool GetPayCategory(int& plan);

// Raises ERecordSetException when the client was opened browse-only: commands that change data
// call it first.
void CheckBrowseMode();

// Recomputes GrossWages, PensionPlans, TotalDeduct, NetPay and TotalLib of the current employee
// for the columns fromColumn..4. Changes only EmployeeRec; the caller posts it.
void UpdateTotalColumns(int fromColumn);
// The same for one column. The pay computation totals the current column with it too, so that
// net pay is the same whichever path computed it.
void UpdateTotalColumn(int column);

// Asks the password of the client being opened, up to three times. A cancel or three wrong
// passwords leave no client: FileIsOpen cleared, CurFileName empty, the company file closed.
void AskFilePassword();
