#include "reports/TaxLiability.h"

#include "client/PayRecords.h"
#include "platform/report/ReportCanvas.h"
#include "platform/report/TextFit.h"
#include "reports/ReportPages.h"

namespace {

constexpr double kLabelX = 1.5;
constexpr double kCellGap = 0.1;

// The y of each line of the printout, in the order of TaxLiabilityLines.
constexpr double kLineY[] = {2.0, 2.17, 2.33, 2.5, 2.67, 3.0, 3.17, 3.33, 3.5};

QString Dollars(double amount)
{
    const QString money = ReportMoney(amount);
    return money.startsWith(QLatin1Char('-')) ? QStringLiteral("-$") + money.mid(1) : QStringLiteral("$") + money;
}

} // namespace

TaxLiabilities SumTaxLiabilities(const PayDateRange& range)
{
    const StoredAmountSums sums = SumStoredPayPeriodsOfAllEmployees(range);
    TaxLiabilities t;
    t.socialSecurity = sums.Amount("FICATax") + sums.Amount("FICALib");
    t.medicare = sums.Amount("MedicareTax") + sums.Amount("MedicareLib");
    t.withholding = sums.Amount("FederalTax");
    t.form940 = sums.Amount("FUTALib");
    t.stateWithholding = sums.Amount("StateTax");
    t.stateUnemployment = sums.Amount("UnempTax") + sums.Amount("UnempLib");
    t.stateDisability = sums.Amount("DisbTax") + sums.Amount("DisbLib");
    return t;
}

QString TaxLiabilityPeriodLine(const PayDateRange& range)
{
    return QStringLiteral("For the period %1 to %2")
        .arg(CompanyRec.PriorPayDateFrom[range.First].get(), CompanyRec.PriorPayDateTo[range.Last].get());
}

std::vector<TaxLiabilityLine> TaxLiabilityLines(const TaxLiabilities& sums)
{
    return {
        {QStringLiteral("Social Security"), ReportMoney(sums.socialSecurity), 0},
        {QStringLiteral("Medicare"), ReportMoney(sums.medicare), 0},
        {QStringLiteral("Tax Withholding"), ReportMoney(sums.withholding), 0},
        {QStringLiteral("Total Form 941 Liability"), Dollars(sums.Form941()), 1},
        {QStringLiteral("Form 940 Liability"), Dollars(sums.form940), 1},
        {QStringLiteral("State Withholding Tax"), ReportMoney(sums.stateWithholding), 2},
        {QStringLiteral("State Unemployment Tax"), ReportMoney(sums.stateUnemployment), 2},
        {QStringLiteral("State Disability Tax"), ReportMoney(sums.stateDisability), 2},
        {QStringLiteral("Total State Tax Liability (includes all states)"), Dollars(sums.StateTotal()), 3},
    };
}

void PrintTaxLiabilityReport(ReportCanvas& report, const TaxLiabilities& sums, const PayDateRange& range)
{
    report.SetFont(QStringLiteral("Arial"), 12);
    report.SetBold(true);
    PrintCentredLine(report, QString(CompanyRec.Name), 1.0);
    PrintCentredLine(report, QStringLiteral("Employer Federal and State Tax Liabilities"), 1.2);
    PrintCentredLine(report, TaxLiabilityPeriodLine(range), 1.4);
    report.SetFont(QStringLiteral("Arial"), 10);
    const std::vector<TaxLiabilityLine> lines = TaxLiabilityLines(sums);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const TaxLiabilityLine& line = lines[i];
        const double amountX = 4.0 + line.step;
        report.SetYPos(kLineY[i]);
        const double amountLeft = amountX - report.TextWidth(line.amount);
        PrintFitted(report, line.label, kLabelX, amountLeft - kCellGap - kLabelX);
        report.PrintRight(line.amount, amountX);
    }
}
