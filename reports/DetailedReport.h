#pragma once

#include "client/PayHistoryMap.h"

#include <QString>

#include <array>
#include <vector>

class AmountBlock;
class ReportCanvas;

// The detailed period report: one portrait page (or more, continued without heading) of every
// amount the payroll keeps for each employee who passes the print test, pages numbered
// "Page k of n" among those employees, then a Summary page of the company totals when more than
// one employee was printed. The layout is drawn from a data source, so every detailed report of
// the program (by column, by a range of pay dates, one employee's year to date) shares it.

// One line of the amount block, named by its row: "E1".."E15" earnings, "D1".."D14" deductions,
// "L1".."L10" and "L3a" employer liabilities, "O1".."O28" other amounts.
struct DetailedRow {
    QString id;
    int group = 0;        // the amount group it prints
    bool hours = false;   // ",0.000000" instead of money
};

const std::vector<DetailedRow>& DetailedEarningsRows();
const std::vector<DetailedRow>& DetailedDeductionRows();
const std::vector<DetailedRow>& DetailedLiabilityRows();   // without L3a
const std::vector<DetailedRow>& DetailedOtherRows();       // O1..O28 in that order
// The row of an id; throws std::out_of_range for an unknown one.
const DetailedRow& FindDetailedRow(const QString& id);

// The amounts of one page: an employee's or the Summary's.
struct DetailedAmounts {
    std::array<double, kAmountGroupCount> group{};
    double totalEarnings = 0.0;
    double totalDeductions = 0.0;
    double netAmount = 0.0;
    double totalLiabilities = 0.0;
    double creditReduction = 0.0;   // the Summary's FUTA credit reduction line; not printed when 0
};

// What a detailed report prints: amounts, test, labels and heading lines.
class DetailedReportSource {
public:
    virtual ~DetailedReportSource() = default;

    // The amounts of the employee in EmployeeRec; asked once per employee in the counting pass
    // and again in the printing pass, so both see the same figures.
    virtual DetailedAmounts EmployeeAmounts() = 0;
    // The print test; by default gross wages, net pay or gross third-party sick pay not zero.
    virtual bool Printed(const DetailedAmounts& amounts) const;
    // Every employee of the printing pass, printed or not, passes here after its test.
    virtual void Accumulate(const DetailedAmounts&) {}
    // The Summary page's amounts, once the printing pass is over.
    virtual DetailedAmounts SummaryAmounts() = 0;

    // The label of a row, on an employee page or on the Summary page; by default the usual
    // labels, with the employee's work state and city before the state and city lines.
    virtual QString Label(const DetailedRow& row, bool summary) const;
    // The closing line of the Summary page.
    virtual QString EmployeesPrintedLabel() const { return QStringLiteral("Total employees printed"); }
    // The rows of the Other block in the order printed.
    virtual std::vector<DetailedRow> OtherRows() const { return DetailedOtherRows(); }

    // The second heading line, and the third (the same on every page).
    virtual QString ReportLine(bool summary) const = 0;
    virtual QString DateLine() const = 0;
    // Where the Summary page's "Earnings:" stands.
    virtual double SummaryEarningsY() const { return 1.34; }
};

// Prints the report from the first page of report. The employee that was current is current
// again afterwards.
void PrintDetailedReport(ReportCanvas& report, DetailedReportSource& source);

// The whole amount block after its first title, "Earnings:", which the caller prints at the
// block's y: earnings, deductions and net amount, employer liabilities, other amounts.
void PrintDetailedBlock(AmountBlock& block, const DetailedAmounts& amounts, const DetailedReportSource& source,
                        bool summary);
