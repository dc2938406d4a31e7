#include "reports/EmployeeYearToDateReport.h"

#include "client/EmployeeIndex.h"
#include "client/PayRecords.h"
#include "components/DateRoutines.h"
#include "platform/report/ReportCanvas.h"
#include "reports/AmountBlock.h"
#include "reports/ReportPages.h"
#include "reports/ToDateDetailedReport.h"

namespace {

constexpr double kEarningsY = 1.51;

// The year-to-date column of the detailed report, with the other time's hours named after the
// employee's other form of pay.
class YearToDateSource : public ToDateDetailedSource {
public:
    YearToDateSource()
        : ToDateDetailedSource(kYearToDateColumn, ReportTexts{})
    {
    }

    QString Label(const DetailedRow& row, bool summary) const override
    {
        if (row.id == QLatin1String("O8"))
            return QString(EmployeeRec.OtherRateDesc) + QStringLiteral(" paid");
        return ToDateDetailedSource::Label(row, summary);
    }
};

// Puts the employee record back as it was when it goes out of scope.
class KeptEmployee {
public:
    KeptEmployee()
        : kept_(EmployeeRec)
    {
    }
    ~KeptEmployee() { EmployeeRec = kept_; }
    KeptEmployee(const KeptEmployee&) = delete;
    KeptEmployee& operator=(const KeptEmployee&) = delete;

private:
    EmployeeRecord kept_;
};

} // namespace

void PrintEmployeeYearToDate(ReportCanvas& report)
{
    // The totals are recomputed only to be printed: the manual entry window stores the record it
    // shows, and it must store what it showed.
    const KeptEmployee kept;
    SetRulePen(report);
    report.SetFont(QStringLiteral("Arial"), 14);
    report.SetBold(true);
    PrintCentredLine(report, CompanyLine(false), 0.5);
    report.SetFont(QStringLiteral("Arial"), 12);
    report.SetBold(true);
    PrintCentredLine(report, QStringLiteral("Year-to-Date Payroll Report"), 0.67);
    PrintCentredLine(report, QStringLiteral("Of Employee ") + GetEmployeeName(1, false).trimmed(), 0.84);
    PrintCentredLine(report, QStringLiteral("As of ") + LongDate(AddDaysToDateStr(CompanyRec.PayDateFrom, -1)), 1.01);

    report.SetFont(QStringLiteral("Arial"), 10);
    YearToDateSource source;
    const DetailedAmounts amounts = source.EmployeeAmounts();
    AmountBlock block(report, kEarningsY, true);
    block.Title(QStringLiteral("Earnings:"));
    PrintDetailedBlock(block, amounts, source, false);
}
