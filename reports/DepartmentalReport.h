#pragma once

#include "client/PayHistoryMap.h"
#include "reports/ReportPages.h"

#include <QString>

#include <array>
#include <vector>

class ReportCanvas;

// The payroll report by department: for each department, what its employees earned, what was
// deducted from them and what the employer owes in one column of their amounts (1 the current
// period, 2 month-, 3 quarter-, 4 year-to-date), one block of totals a department.

// One department's totals per amount group.
struct DepartmentTotals {
    QString name;   // as stored: case counts, and a blank name is a department of its own
    std::array<double, kAmountGroupCount> groups{};

    // The total of an amount group by its name ("GrossWages", "OverTimePaid").
    double Amount(const char* group) const;
};

// Every department in the order it first appears in the employee file, with the totals of its
// employees in the column. The current report reads the time entered for the period, which
// posting has not yet moved into the paid-time groups: regular time of hourly employees as
// HoursPaid, of salaried ones as DaysPaid, and the overtime, holiday, vacation, sick and other
// hours as OverTimePaid .. OtherTimePaid. The employee that was current stays current.
std::vector<DepartmentTotals> SumDepartments(int column);

// The column a report kind 9..12 of the report window reads: 1 current .. 4 year-to-date.
int DepartmentalColumn(int reportKind);

// Prints the pages of every department with gross wages in the column, each beginning on a page
// of its own; no page at all when no department has any.
void PrintDepartmentalReport(ReportCanvas& report, int column, const ReportTexts& texts);
