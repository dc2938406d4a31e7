#include "forms/Form941Print.h"

#include "client/CompanyAddress.h"
#include "components/DateRoutines.h"
#include "components/NumberRoutines.h"
#include "components/TextRoutines.h"
#include "forms/Form941Return.h"
#include "forms/ReturnParameterBlocks.h"

using namespace F941;

FormParams Form941Params(const CompanyRecord& company, const PreparerRecord& preparer, const ReturnPrintChoices& choices,
                         std::optional<int> chosenQuarter)
{
    const auto& amount = company.F941Amount;
    const auto& mark = company.F941ChkMark;
    FormParams params;
    params.SetFormCopy(choices.filingCopy);
    AddCompanyParams(params, company);
    const int quarter = chosenQuarter ? *chosenQuarter : company.CurrentQuarter;
    if (quarter >= 1 && quarter <= 4)
        params.SetCheck(QStringLiteral("F941CurQtr%1").arg(quarter), true);
    params.Set(QStringLiteral("F941NumEmps"), QString::number(company.F941NumEmps));
    params.SetCheck(QStringLiteral("F941ChkMark1"), mark[NotSubjectToTaxes]);
    for (int entry = 1; entry <= LastEntry; ++entry)
        params.SetAmount(QStringLiteral("F941Amount%1").arg(entry), amount[entry]);
    AddRefundAccountParams(params, company, mark[SendRefund], amount[Overpayment]);
    params.Set(QStringLiteral("FederalID"), company.FederalID);
    for (int k = ApplyToNextReturn; k <= SeasonalEmployer; ++k)
        params.SetCheck(QStringLiteral("F941ChkMark%1").arg(k), mark[k]);
    if (mark[MonthlyDepositor]) {
        for (int m = 1; m <= 3; ++m)
            params.SetAmount(QStringLiteral("TaxLibMonth%1").arg(m), company.TaxLibMonth[m][32]);
        params.SetAmount(QStringLiteral("TaxLibQtr"), company.TaxLibQtr);
    }
    if (IsValidDateStr(company.F941EndDate))
        params.Set(QStringLiteral("F941EndDate"), company.F941EndDate);
    AddDesigneeParams(params, company);
    AddPreparerParams(params, preparer, choices.noPrintPrepInfo, choices.filingCopy, choices.printDateText, choices.today);
    AddSignerParams(params, company, choices.filingCopy, choices.printDateText);
    return params;
}

bool Form941NeedsVoucher(const CompanyRecord& company)
{
    return RoundToDecimals(company.F941Amount[BalanceDue], 2) > kSmallestPayment && !company.PayTaxBal;
}

QString VoucherDollars(double balanceDue)
{
    return TextBefore(FormatAmount(balanceDue, 2), QLatin1Char('.'));
}

QString VoucherCents(double balanceDue)
{
    return RightChars(FormatAmount(balanceDue, 2), 2);
}

QString VoucherAddress(const CompanyRecord& company)
{
    return StreetWithSuite(FormUpperCase(company.Address), company.SuiteNum, QStringLiteral("STE"));
}

FormParams Form941VoucherParams(const CompanyRecord& company, const QString& cityStateZip, bool filingCopy)
{
    const double balanceDue = company.F941Amount[BalanceDue];
    FormParams params;
    params.SetFormCopy(filingCopy);
    params.Set(QStringLiteral("FederalID"), company.FederalID);
    params.Set(QStringLiteral("F941VBalDue1"), VoucherDollars(balanceDue));
    params.Set(QStringLiteral("F941VBalDue2"), VoucherCents(balanceDue));
    params.SetUpper(QStringLiteral("CompName"), company.Name);
    params.Set(QStringLiteral("Address"), VoucherAddress(company));
    params.SetUpper(QStringLiteral("CityStateZip"), cityStateZip);
    return params;
}

std::optional<QRectF> Form941VoucherQuarterCircle(int quarter)
{
    // Quarters 1 and 2 in the left column, 3 and 4 in the right, as the voucher's box 3 shows them.
    constexpr double kDiameter = 0.21;
    switch (quarter) {
    case 1: return QRectF(0.68, 9.02, kDiameter, kDiameter);
    case 2: return QRectF(0.68, 9.45, kDiameter, kDiameter);
    case 3: return QRectF(1.88, 9.02, kDiameter, kDiameter);
    case 4: return QRectF(1.88, 9.45, kDiameter, kDiameter);
    default: return std::nullopt;
    }
}
