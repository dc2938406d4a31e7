#include "reports/ToDateJournal.h"

#include "client/PayHistoryMap.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "components/TextRoutines.h"
#include "reports/ReportPages.h"

ToDateJournalRows::ToDateJournalRows(int column)
    : column_(column)
{
}

bool ToDateJournalRows::Next(JournalRow& row)
{
    if (!loop_.Next())
        return false;
    UpdateTotalColumns(kMonthToDateColumn);
    const EmployeeRecord& e = EmployeeRec;
    row.listed = e.GrossWages[column_] != 0.0 || e.NetPay[column_] != 0.0 || e.TPSPGross[column_] != 0.0;
    row.counted = row.listed;
    row.name = e.FullName;
    if (column_ == kCurrentColumn)
        row.identification = e.CheckNumber >= 1 ? QString::number(e.CheckNumber) : QStringLiteral("N/A");
    else
        row.identification = QStringLiteral("***") + RightChars(e.SocSecNum, 4);
    const auto& groups = JournalAmountGroups();
    for (int column = 0; column < kJournalColumns; ++column)
        row.amounts[column] = AmountGroup(e, groups[column])[column_];
    return true;
}

JournalHeading ToDateJournalHeading(int column, const ReportTexts& texts)
{
    JournalHeading heading;
    heading.title = texts.reportName;
    const bool current = column == kCurrentColumn;
    if (!IsBlank(texts.period))
        heading.periodLine = texts.period;
    else if (current)
        heading.periodLine = QStringLiteral("For the Pay Period: ") + QString(CompanyRec.PayDateFrom) + QStringLiteral(" to ")
                             + QString(CompanyRec.PayDateTo) + QStringLiteral(", Pay Date: ") + QString(CompanyRec.PayDate);
    else
        heading.periodLine = ReportDateLine(texts);
    heading.idHead1 = current ? QStringLiteral("Check") : QStringLiteral("Soc. Sec.");
    heading.idHead2 = QStringLiteral("number");
    heading.rowSize = current ? 8.0 : 7.0;
    heading.totalsSize = heading.rowSize;
    return heading;
}

void PrintToDateJournal(ReportCanvas& report, int column, const ReportTexts& texts)
{
    const JournalHeading heading = ToDateJournalHeading(column, texts);
    ToDateJournalRows rows(column);
    PrintJournal(report, heading, rows);
}
