#pragma once

#include "client/EmployeeLoop.h"
#include "payroll/PayDateRange.h"
#include "reports/DetailedReport.h"
#include "reports/PayrollJournal.h"

// The payroll of a range of posted pay dates: every amount is the sum of the range's slots of the
// employee's pay history.
struct CustomPeriod {
    PayDateRange range;
    QString reportName;   // replaces the report's name line when not blank
    QString period;       // replaces the period line when not blank
};

// The detailed report over the range. An employee is printed when a slot of the range stored
// gross wages, net pay or gross third-party sick pay. Total earnings are formed from the single
// earnings (tips only when the company counts them in gross pay), total deductions are the
// stored ones, and the Summary adds every employee of the file.
class CustomPeriodDetailedSource : public DetailedReportSource {
public:
    explicit CustomPeriodDetailedSource(const CustomPeriod& period);

    DetailedAmounts EmployeeAmounts() override;
    bool Printed(const DetailedAmounts& amounts) const override;
    void Accumulate(const DetailedAmounts& amounts) override;
    DetailedAmounts SummaryAmounts() override { return summary_; }

    QString Label(const DetailedRow& row, bool summary) const override;
    QString EmployeesPrintedLabel() const override { return QStringLiteral("Total Employees Printed"); }
    // The state and city taxable earnings follow the federal unemployment wages.
    std::vector<DetailedRow> OtherRows() const override;
    QString ReportLine(bool summary) const override;
    QString DateLine() const override;
    double SummaryEarningsY() const override { return 1.51; }

private:
    CustomPeriod period_;
    bool paidInRange_ = false;   // of the employee EmployeeAmounts read last
    DetailedAmounts summary_;
};

// The journal over the range: a row for each employee with gross wages, net pay or gross
// third-party sick pay in the range, and totals of those rows.
class CustomPeriodJournalRows : public JournalRowSource {
public:
    explicit CustomPeriodJournalRows(const CustomPeriod& period);
    bool Next(JournalRow& row) override;

private:
    CustomPeriod period_;
    EmployeeLoop loop_;
};

JournalHeading CustomPeriodJournalHeading(const CustomPeriod& period);

// Print the detailed report or the journal of the range; the employee that was current is
// current again afterwards.
void PrintCustomPeriodReport(ReportCanvas& report, const CustomPeriod& period);
void PrintCustomPeriodJournal(ReportCanvas& report, const CustomPeriod& period);
