#pragma once

#include "client/EmployeeLoop.h"
#include "reports/PayrollJournal.h"

struct ReportTexts;

// The journal of the report window for one column of the employees' amounts: 1 the current
// period, 2 month-, 3 quarter-, 4 year-to-date. Its rows are the employees in file order, each
// with its to-date totals recomputed in memory; an employee with gross wages, net pay or gross
// third-party sick pay in the column is listed and counted.
class ToDateJournalRows : public JournalRowSource {
public:
    explicit ToDateJournalRows(int column);
    bool Next(JournalRow& row) override;

private:
    int column_;
    EmployeeLoop loop_;
};

// The heading of that journal: the window's report name, then the period description, the open
// pay period (current journal) or the report date; the check number heads the identification
// column of the current journal and the Social Security number those of the to-date journals.
JournalHeading ToDateJournalHeading(int column, const ReportTexts& texts);

// Prints the journal of the column; the employee that was current is current again afterwards.
void PrintToDateJournal(ReportCanvas& report, int column, const ReportTexts& texts);
