#include "forms/Form944Print.h"

#include "components/DateRoutines.h"
#include "components/NumberRoutines.h"
#include "forms/Form941Print.h"
#include "forms/Form941Return.h"
#include "forms/ReturnParameterBlocks.h"

using namespace F944;

FormParams Form944Params(const Form944Return& form, const CompanyRecord& company, const PreparerRecord& preparer,
                         const ReturnPrintChoices& choices)
{
    const auto& amount = form.amount;
    const auto& mark = form.mark;
    FormParams params;
    params.SetFormCopy(choices.filingCopy);
    AddCompanyParams(params, company);
    for (int k = NotSubjectToTaxes; k <= SendRefund; ++k)
        params.SetCheck(QStringLiteral("F944ChkMark%1").arg(k), mark[k]);
    for (int line = 1; line <= LastAmount; ++line)
        params.SetAmount(QStringLiteral("F944Amount%1").arg(line), amount[line]);
    AddRefundAccountParams(params, company, mark[SendRefund], amount[Overpayment]);
    params.Set(QStringLiteral("FederalID"), company.FederalID);
    params.SetCheck(QStringLiteral("F944ChkMark4"), mark[SmallFiler]);
    if (mark[MonthlyLiabilities]) {
        params.SetCheck(QStringLiteral("F944ChkMark5"), true);
        for (int m = 1; m <= 12; ++m) {
            if (RoundToDecimals(form.monthLiability[m], 2) > 0)
                params.Set(QStringLiteral("F944TaxLib%1").arg(m), FormatAmount(form.monthLiability[m], 2));
        }
        params.Set(QStringLiteral("F944TotalLib"), FormatAmount(form.totalLiability, 2));
    }
    if (mark[BusinessClosed]) {
        params.SetCheck(QStringLiteral("F944ChkMark6"), true);
        params.Set(QStringLiteral("F944EndDate"), form.finalDate);
    }
    AddDesigneeParams(params, company);
    AddSignerParams(params, company, choices.filingCopy, choices.printDateText);
    AddPreparerParams(params, preparer, choices.noPrintPrepInfo, choices.filingCopy, choices.printDateText, choices.today);
    return params;
}

bool Form944NeedsVoucher(const Form944Return& form, const CompanyRecord& company)
{
    return RoundToDecimals(form.amount[BalanceDue], 2) > kSmallestPayment && !company.PayTaxBal;
}

FormParams Form944VoucherParams(const Form944Return& form, const CompanyRecord& company, const QString& cityStateZip,
                                bool filingCopy)
{
    const double balanceDue = form.amount[BalanceDue];
    FormParams params;
    params.SetFormCopy(filingCopy);
    params.Set(QStringLiteral("FederalID"), company.FederalID);
    params.Set(QStringLiteral("F944VBalDue1"), VoucherDollars(balanceDue));
    params.Set(QStringLiteral("F944VBalDue2"), VoucherCents(balanceDue));
    params.SetUpper(QStringLiteral("CompName"), company.Name);
    params.Set(QStringLiteral("Address"), VoucherAddress(company));
    params.SetUpper(QStringLiteral("CityStateZip"), cityStateZip);
    return params;
}
