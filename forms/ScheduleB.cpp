#include "forms/ScheduleB.h"

#include "client/CompanyRecord.h"
#include "components/NumberRoutines.h"

namespace {

constexpr int kMonths = 3;
constexpr int kDays = 31;
constexpr int kMonthTotal = 32;
// Form 941 line 12, total taxes after adjustments and credits.
constexpr int kForm941Line12 = 19;

} // namespace

void CalcTotals(CompanyRecord& company)
{
    for (int m = 1; m <= kMonths; ++m) {
        double total = 0;
        for (int d = 1; d <= kDays; ++d)
            total += company.TaxLibMonth[m][d];
        company.TaxLibMonth[m][kMonthTotal] = total;
    }
    company.TaxLibQtr = company.TaxLibMonth[1][kMonthTotal] + company.TaxLibMonth[2][kMonthTotal]
                        + company.TaxLibMonth[3][kMonthTotal];
}

std::optional<QString> ScheduleBPrintFault(const CompanyRecord& company)
{
    if (company.CurrentQuarter == 0)
        return QStringLiteral(
            "Unable to print Schedule B.~None of the \"Report for this Quarter\" boxes have been checked.");
    // Close Quarter clears line 12: until Form 941 is opened for the quarter there is nothing to compare.
    if (RoundToDecimals(company.F941Amount[kForm941Line12], 2) == 0 && RoundToDecimals(company.TaxLibQtr, 2) != 0)
        return QStringLiteral("Unable to print Schedule B.~Form 941 has not been opened for this quarter yet. Open Form "
                              "941 first (Tax Forms > Form 941): its line 12 must equal the total liability for the "
                              "quarter.");
    if (RoundToDecimals(company.TaxLibQtr, 2) != RoundToDecimals(company.F941Amount[kForm941Line12], 2))
        return QStringLiteral("Unable to print Schedule B.~Total liability for the quarter does~not equal line 12 on Form 941.");
    return std::nullopt;
}

FormParams ScheduleBParams(const CompanyRecord& company, bool filingCopy)
{
    FormParams params;
    params.SetFormCopy(filingCopy);
    params.SetDigits(QStringLiteral("EIN%1"), EINDigitsOf(company.FederalID), 9);
    params.SetUpper(QStringLiteral("CompName"), company.Name);
    params.SetDigits(QStringLiteral("CalYear%1"), kScheduleBYear, 4);
    for (int q = 1; q <= 4; ++q)
        params.SetCheck(QStringLiteral("F941CurQtr%1").arg(q), company.CurrentQuarter == q);
    for (int m = 1; m <= kMonths; ++m) {
        for (int d = 1; d <= kMonthTotal; ++d)
            params.SetAmount(QStringLiteral("TaxLibMonth%1_%2").arg(m).arg(d), company.TaxLibMonth[m][d]);
    }
    params.SetAmount(QStringLiteral("TaxLibQtr"), company.TaxLibQtr);
    return params;
}
