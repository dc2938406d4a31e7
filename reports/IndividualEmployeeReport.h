#pragma once

#include "reports/PayrollJournal.h"

class ReportCanvas;

// One employee's posted payroll over slots first..last of the pay history, for the employee in
// EmployeeRec; the record set is not moved.

// The number of pay dates of the range with net pay: without any, there is nothing to report.
int PayDatesWithNetPay(int firstSlot, int lastSlot);

// A standard earnings statement for each pay date of the range with pay or a fringe benefit, two
// a page, the year to date running over the statements printed. No Payroll Summary follows.
void PrintEmployeeStatements(ReportCanvas& report, int firstSlot, int lastSlot);

// The journal rows: one for each pay date of the range with gross wages, net pay or gross
// third-party sick pay, its period and pay date in place of a name.
class EmployeeJournalRows : public JournalRowSource {
public:
    EmployeeJournalRows(int firstSlot, int lastSlot);
    bool Next(JournalRow& row) override;

private:
    int slot_;
    int lastSlot_;
};

JournalHeading EmployeeJournalHeading();

void PrintEmployeeJournal(ReportCanvas& report, int firstSlot, int lastSlot);
