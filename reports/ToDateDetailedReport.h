#pragma once

#include "reports/DetailedReport.h"
#include "reports/ReportPages.h"

// The detailed report of the report window for the month- (column 2), quarter- (3) or
// year-to-date (4) column. Each employee's to-date totals are recomputed in memory before the
// print test; the Summary sums the stored amounts of every employee record and, in the
// year-to-date report, adds the company's FUTA credit reduction.
class ToDateDetailedSource : public DetailedReportSource {
public:
    ToDateDetailedSource(int column, const ReportTexts& texts);

    DetailedAmounts EmployeeAmounts() override;
    DetailedAmounts SummaryAmounts() override;
    QString ReportLine(bool summary) const override;
    QString DateLine() const override;

private:
    int column_;
    ReportTexts texts_;
};

// Prints the detailed report of the column; the employee that was current is current again
// afterwards.
void PrintToDateDetailedReport(ReportCanvas& report, int column, const ReportTexts& texts);
