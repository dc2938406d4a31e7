#include "reports/PriorPayDateJournal.h"

#include "checks/PostedStatementSource.h"
#include "client/PayRecords.h"

PriorPayDateJournalRows::PriorPayDateJournalRows(int slot)
    : slot_(slot)
{
}

bool PriorPayDateJournalRows::Next(JournalRow& row)
{
    if (!loop_.Next())
        return false;
    const StoredPayPeriod period = ReadStoredPayPeriod(slot_);
    row.listed = HasPostedPay(period);
    row.counted = row.listed;
    row.name = EmployeeRec.FullName;
    row.identification = period.CheckNumber >= 1 ? QString::number(period.CheckNumber) : QStringLiteral("N/A");
    const auto& groups = JournalAmountGroups();
    for (int column = 0; column < kJournalColumns; ++column)
        row.amounts[column] = period.Amount(groups[column]);
    return true;
}

JournalHeading PriorPayDateJournalHeading(int slot)
{
    JournalHeading heading;
    heading.title = QStringLiteral("Employee Payroll Journal");
    heading.periodLine = QStringLiteral("For the Pay Period: ") + CompanyRec.PriorPayDateFrom[slot].get()
                         + QStringLiteral(" to ") + CompanyRec.PriorPayDateTo[slot].get() + QStringLiteral(", Pay Date: ")
                         + CompanyRec.PriorPayDate[slot].get();
    heading.nameHead1 = QStringLiteral("Employee Name");
    heading.idHead1 = QStringLiteral("Check");
    heading.idHead2 = QStringLiteral("number");
    heading.columnHeads[7] = {QStringLiteral("State disb."), QStringLiteral("tax")};
    for (int item = 1; item <= 5; ++item)
        heading.columnHeads[9 + item].line2 = QString::number(item);
    heading.columnHeads[15].line2 = QStringLiteral("deductions");
    heading.totalsBold = false;
    heading.totalsOffset = 0.161;
    return heading;
}

void PrintPriorPayDateJournal(ReportCanvas& report, int slot)
{
    PriorPayDateJournalRows rows(slot);
    PrintJournal(report, PriorPayDateJournalHeading(slot), rows);
}
