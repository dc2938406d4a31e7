#pragma once

#include "payroll/PayDateRange.h"
#include "reports/PayrollJournal.h"

class ReportCanvas;

// One employee's posted payroll over a range of the pay history, for the employee in EmployeeRec;
// the record set is not moved.

// The number of pay dates of the range with net pay: without any, there is nothing to report.
int PayDatesWithNetPay(const PayDateRange& range);

// A standard earnings statement for each pay date of the range with pay or a fringe benefit, two
// a page, the year to date running over the statements printed. No Payroll Summary follows.
void PrintEmployeeStatements(ReportCanvas& report, const PayDateRange& range);

// The journal rows: one for each pay date of the range with gross wages, net pay or gross
// third-party sick pay, its period and pay date in place of a name.
class EmployeeJournalRows : public JournalRowSource {
public:
    explicit EmployeeJournalRows(const PayDateRange& range);
    bool Next(JournalRow& row) override;

private:
    int slot_;
    int lastSlot_;
};

JournalHeading EmployeeJournalHeading();

void PrintEmployeeJournal(ReportCanvas& report, const PayDateRange& range);
