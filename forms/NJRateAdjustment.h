#pragma once

#include "client/EmployeeRecord.h"

#include <QString>

class ReportProject;

// When New Jersey changes an employer's UI or DI rate during a quarter, the contributions posted
// so far were computed at the old rate. The adjustment of an employee is the quarter's employer
// UI (or DI) contribution at the rate now stored for New Jersey, minus what was accumulated.

inline constexpr int NJRateAdjustmentRowsPerPage = 107;

struct NJRateAdjustment {
    double UI = 0;
    double DI = 0;
};

// The employee's two adjustments at the given rates (percent); 0 without employer wages.
NJRateAdjustment CalcNJRateAdjustment(const EmployeeRecord& employee, double uiRatePercent, double diRatePercent);

// The name the report lists: the full name, or for an employee who resigned or died "*", the
// name and the resign date in parentheses, at most 57 characters.
QString NJRateAdjustmentName(const EmployeeRecord& employee);

// Pages for that many listed employees: one for up to 107, one more for each further 107 or part.
int NJRateAdjustmentPageCount(int employees);

// The employees who work in New Jersey.
int CountNJEmployees();

// Prints the "New Jersey UI/TDI Rate Change Adjustment Report" of the employees who work in New
// Jersey, at New Jersey's rates of the company record, on the report the project's engine is
// running; the totals stand on the last page. Nothing is printed without such employees.
// Returns the number of employees listed. The employee that was current is read again.
int PrintNJRateAdjustmentReport(ReportProject& project);
