#pragma once

#include <QString>

struct CompanyRecord;

// Columns ResetPayroll clears.
inline constexpr int kResetCurrent = 1;
inline constexpr int kResetMonthToDate = 2;
inline constexpr int kResetQuarterToDate = 3;

// Clears one column (1 current, 2 month-to-date, 3 quarter-to-date) of every amount group of every
// employee and posts each employee. Clearing the current column also clears the period's hours and
// the check number; clearing quarter-to-date also clears the base weeks. The year-to-date column is
// never cleared: any other column raises std::invalid_argument. The employee that was current
// stays current, also when the walk ends by an error.
void ResetPayroll(int period);

// The company record's quarter data that Close Quarter clears: the Form 941 block, the Schedule B
// grid and the quarter's posting accumulators. The Form 940 quarter liabilities, which add up over
// the year, the year's month totals, the last posted month and the pay history stay.
void ClearCompanyQuarterData(CompanyRecord& company);

// The name (without folder) of the quarterly copy of a client file: "_1Q".."_4Q" for quarter 1..4
// inserted before the first "." of the file name; no suffix for any other quarter.
QString QuarterlyCopyName(const QString& fileName, int quarter);

// The Close Month command: after confirmation, clears every employee's month-to-date column.
void CloseMonth();

// The Close Quarter command: after confirmation, copies the company file and the employee file into
// the quarterly data folder under their quarter's names, then clears the month- and quarter-to-date
// columns and the company's quarter data in both files as one journaled step. When the copy or the
// clearing fails, nothing is cleared and the raised error says so.
void CloseQuarter();
