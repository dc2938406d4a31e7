#include "reports/IndividualEmployeeReport.h"

#include "checks/EarningsStatement.h"
#include "checks/PostedStatementSource.h"
#include "checks/StatementGroups.h"
#include "client/PayRecords.h"

int PayDatesWithNetPay(const PayDateRange& range)
{
    int count = 0;
    for (int slot = range.First; slot <= range.Last; ++slot)
        count += ReadStoredPayPeriod(slot).Amount(StatementGroup::NetPay) != 0.0;
    return count;
}

void PrintEmployeeStatements(ReportCanvas& report, const PayDateRange& range)
{
    EmployeePayDateSource source(range);
    StatementStyle style;
    style.boldArialTitle = true;
    style.frameOffset = 1.05;
    StatementPages pages(report, source.PaidCount(), style);
    for (int slot = range.First; slot <= range.Last; ++slot) {
        source.VisitSlot(slot);
        if (!source.Listed())
            continue;
        DrawEarningsStatement(report, pages.Begin(), source, style);
        pages.End();
    }
}

EmployeeJournalRows::EmployeeJournalRows(const PayDateRange& range)
    : slot_(range.First)
    , lastSlot_(range.Last)
{
}

bool EmployeeJournalRows::Next(JournalRow& row)
{
    if (slot_ > lastSlot_)
        return false;
    const StoredPayPeriod period = ReadStoredPayPeriod(slot_++);
    row.listed = HasPostedPay(period);
    row.counted = row.listed;
    row.name = period.PayDateFrom + QStringLiteral("  to  ") + period.PayDateTo;
    row.identification = period.PayDate;
    const auto& groups = JournalAmountGroups();
    for (int column = 0; column < kJournalColumns; ++column)
        row.amounts[column] = period.Amount(groups[column]);
    return true;
}

JournalHeading EmployeeJournalHeading()
{
    JournalHeading heading;
    heading.title = QStringLiteral("Employee Payroll Journal");
    heading.periodLine = QStringLiteral("Employee: ") + QString(EmployeeRec.FullName);
    heading.nameHead1 = QStringLiteral("Pay");
    heading.nameHead2 = QStringLiteral("Period");
    heading.idHead1 = QStringLiteral("Pay");
    heading.idHead2 = QStringLiteral("Date");
    heading.idX = 2.0;
    heading.rowSize = 7.5;
    heading.totalsSize = 7.0;
    return heading;
}

void PrintEmployeeJournal(ReportCanvas& report, const PayDateRange& range)
{
    EmployeeJournalRows rows(range);
    PrintJournal(report, EmployeeJournalHeading(), rows);
}
