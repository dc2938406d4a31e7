#pragma once

#include "payroll/PayDateRange.h"
#include "reports/PayrollJournal.h"

#include <vector>

class ReportCanvas;

// The payroll register: every payment of a range of posted pay dates, one line per employee and
// pay date (grouped by pay date in slot order, within one in employee file order) with the pay
// date, the check number and the journal's seventeen amounts as posted, and the grand totals.
// Landscape, in the journal's layout.

// The rows of the range: every employee for every slot, listed and counted when the employee's
// gross pay of that slot is not zero. The employee that was current stays current.
std::vector<JournalRow> PayrollRegisterRows(const PayDateRange& range);

// The heading: "Payroll Register", the period description or "For the Pay Period " with the
// start of the range's first period and the end of its last, the "Pay Date" and "Check number"
// heads, and a new page once a line has reached 8.0 in.
JournalHeading PayrollRegisterHeading(const PayDateRange& range, const QString& periodDescription);

void PrintPayrollRegister(ReportCanvas& report, const PayDateRange& range, const QString& periodDescription);
