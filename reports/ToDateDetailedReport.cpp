#include "reports/ToDateDetailedReport.h"

#include "client/EmployeeLoop.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"

namespace {

int Group(const char* name)
{
    return AmountGroupNumber(QString::fromLatin1(name));
}

} // namespace

ToDateDetailedSource::ToDateDetailedSource(int column, const ReportTexts& texts)
    : column_(column)
    , texts_(texts)
{
}

DetailedAmounts ToDateDetailedSource::EmployeeAmounts()
{
    UpdateTotalColumns(kMonthToDateColumn);
    DetailedAmounts amounts;
    for (int group = 0; group < kAmountGroupCount; ++group)
        amounts.group[group] = AmountGroup(EmployeeRec, group)[column_];
    amounts.totalEarnings = amounts.group[Group("GrossWages")];
    amounts.totalDeductions = amounts.group[Group("TotalDeduct")];
    amounts.netAmount = amounts.group[Group("NetPay")];
    amounts.totalLiabilities = amounts.group[Group("TotalLib")];
    return amounts;
}

DetailedAmounts ToDateDetailedSource::SummaryAmounts()
{
    DetailedAmounts sums;
    {
        EmployeeLoop loop;
        while (loop.Next()) {
            for (int group = 0; group < kAmountGroupCount; ++group)
                sums.group[group] += AmountGroup(EmployeeRec, group)[column_];
        }
    }
    for (const DetailedRow& row : DetailedEarningsRows()) {
        if (row.group != Group("Tips") || CompanyRec.IncludeTips)
            sums.totalEarnings += sums.group[row.group];
    }
    for (const DetailedRow& row : DetailedDeductionRows())
        sums.totalDeductions += sums.group[row.group];
    sums.netAmount = sums.totalEarnings - sums.totalDeductions;
    sums.totalLiabilities = sums.group[Group("TotalLib")];
    if (column_ == kYearToDateColumn) {
        sums.creditReduction = CompanyRec.F940TCRAmount;
        sums.totalLiabilities += sums.creditReduction;
    }
    return sums;
}

QString ToDateDetailedSource::ReportLine(bool summary) const
{
    return summary ? texts_.reportName + QStringLiteral(" Summary") : texts_.reportName;
}

QString ToDateDetailedSource::DateLine() const
{
    return ReportDateLine(texts_);
}

void PrintToDateDetailedReport(ReportCanvas& report, int column, const ReportTexts& texts)
{
    ToDateDetailedSource source(column, texts);
    PrintDetailedReport(report, source);
}
