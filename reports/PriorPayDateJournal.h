#pragma once

#include "client/EmployeeLoop.h"
#include "reports/PayrollJournal.h"

// The journal of one posted pay date: a row for every employee paid on it, in file order, with
// the amounts its pay history slot stored and its check number ("N/A" for none).
class PriorPayDateJournalRows : public JournalRowSource {
public:
    explicit PriorPayDateJournalRows(int slot);
    bool Next(JournalRow& row) override;

private:
    int slot_;
    EmployeeLoop loop_;
};

JournalHeading PriorPayDateJournalHeading(int slot);

// Prints the journal of the pay date of a slot; the employee that was current is current again
// afterwards.
void PrintPriorPayDateJournal(ReportCanvas& report, int slot);
