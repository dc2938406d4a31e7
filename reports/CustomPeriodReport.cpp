#include "reports/CustomPeriodReport.h"

#include "checks/PostedStatementSource.h"
#include "client/EmployeeIndex.h"
#include "client/PayRecords.h"
#include "components/TextRoutines.h"

namespace {

int Group(const char* name)
{
    return AmountGroupNumber(QString::fromLatin1(name));
}

bool PaidInRange(const PayDateRange& range)
{
    for (int slot = range.First; slot <= range.Last; ++slot) {
        if (HasPostedPay(ReadStoredPayPeriod(slot)))
            return true;
    }
    return false;
}

QString RangeLine(const char* lead, const CustomPeriod& period)
{
    return QString::fromLatin1(lead) + CompanyRec.PriorPayDateFrom[period.range.First].get() + QStringLiteral(" to ")
           + CompanyRec.PriorPayDateTo[period.range.Last].get();
}

} // namespace

CustomPeriodDetailedSource::CustomPeriodDetailedSource(const CustomPeriod& period)
    : period_(period)
{
}

DetailedAmounts CustomPeriodDetailedSource::EmployeeAmounts()
{
    DetailedAmounts amounts;
    const StoredAmountSums sums = SumStoredPayPeriods(period_.range);
    for (int group = 0; group < kAmountGroupCount; ++group)
        amounts.group[group] = sums.Amount(group);
    for (const DetailedRow& row : DetailedEarningsRows()) {
        if (row.group != Group("Tips") || CompanyRec.IncludeTips)
            amounts.totalEarnings += amounts.group[row.group];
    }
    amounts.totalDeductions = amounts.group[Group("TotalDeduct")];
    amounts.netAmount = amounts.totalEarnings - amounts.totalDeductions;
    amounts.totalLiabilities = amounts.group[Group("TotalLib")];
    paidInRange_ = PaidInRange(period_.range);
    return amounts;
}

bool CustomPeriodDetailedSource::Printed(const DetailedAmounts&) const
{
    return paidInRange_;
}

void CustomPeriodDetailedSource::Accumulate(const DetailedAmounts& amounts)
{
    for (int group = 0; group < kAmountGroupCount; ++group)
        summary_.group[group] += amounts.group[group];
    summary_.totalEarnings += amounts.totalEarnings;
    summary_.totalDeductions += amounts.totalDeductions;
    summary_.netAmount += amounts.netAmount;
    summary_.totalLiabilities += amounts.totalLiabilities;
}

QString CustomPeriodDetailedSource::Label(const DetailedRow& row, bool summary) const
{
    if (row.id == QLatin1String("E1") && summary)
        return QStringLiteral("Regular wages and salaries");
    if (row.id == QLatin1String("E10"))
        return QStringLiteral("Fringe Benefits");
    if ((row.id == QLatin1String("D1") && summary) || row.id == QLatin1String("L1"))
        return QStringLiteral("F.I.C.A. tax");
    if (row.id == QLatin1String("O8"))
        return summary ? QStringLiteral("Other Time Paid") : QString(EmployeeRec.OtherRateDesc);
    if (row.id == QLatin1String("O12"))
        return QStringLiteral("Contributions to 408(k)(6) plan");
    return DetailedReportSource::Label(row, summary);
}

std::vector<DetailedRow> CustomPeriodDetailedSource::OtherRows() const
{
    std::vector<DetailedRow> rows;
    for (int number = 1; number <= 20; ++number)
        rows.push_back(FindDetailedRow(QStringLiteral("O%1").arg(number)));
    for (int number : {24, 25, 21, 22, 23, 26, 27, 28})
        rows.push_back(FindDetailedRow(QStringLiteral("O%1").arg(number)));
    return rows;
}

QString CustomPeriodDetailedSource::ReportLine(bool summary) const
{
    const QString name = IsBlank(period_.reportName) ? QStringLiteral("Custom Period Payroll Report") : period_.reportName;
    return summary ? name + QStringLiteral(" Summary") : name;
}

QString CustomPeriodDetailedSource::DateLine() const
{
    return IsBlank(period_.period) ? RangeLine("For the period ", period_) : period_.period;
}

CustomPeriodJournalRows::CustomPeriodJournalRows(const CustomPeriod& period)
    : period_(period)
{
}

bool CustomPeriodJournalRows::Next(JournalRow& row)
{
    if (!loop_.Next())
        return false;
    const StoredAmountSums sums = SumStoredPayPeriods(period_.range);
    row.listed = sums.Amount("GrossWages") != 0.0 || sums.Amount("NetPay") != 0.0 || sums.Amount("TPSPGross") != 0.0;
    row.counted = row.listed;
    row.name = row.listed ? GetEmployeeName(1, true).trimmed() : QString();
    row.identification = QStringLiteral("***") + RightChars(EmployeeRec.SocSecNum, 4);
    const auto& groups = JournalAmountGroups();
    for (int column = 0; column < kJournalColumns; ++column)
        row.amounts[column] = sums.Amount(groups[column]);
    return true;
}

JournalHeading CustomPeriodJournalHeading(const CustomPeriod& period)
{
    JournalHeading heading;
    heading.title = IsBlank(period.reportName) ? QStringLiteral("Custom Period Payroll Journal") : period.reportName;
    heading.periodLine = IsBlank(period.period) ? RangeLine("For the Pay Period ", period) : period.period;
    heading.idHead1 = QStringLiteral("Soc. Sec.");
    heading.idHead2 = QStringLiteral("number");
    heading.rowSize = 7.5;
    heading.totalsSize = 7.0;
    return heading;
}

void PrintCustomPeriodReport(ReportCanvas& report, const CustomPeriod& period)
{
    CustomPeriodDetailedSource source(period);
    PrintDetailedReport(report, source);
}

void PrintCustomPeriodJournal(ReportCanvas& report, const CustomPeriod& period)
{
    CustomPeriodJournalRows rows(period);
    PrintJournal(report, CustomPeriodJournalHeading(period), rows);
}
