#include "forms/Form940Return.h"

#include "client/CompanyAddress.h"
#include "client/EmployeeLoop.h"
#include "client/PayRecords.h"
#include "components/NumberRoutines.h"
#include "components/TextRoutines.h"
#include "forms/FormHeader.h"
#include "forms/ReturnParameterBlocks.h"

#include <algorithm>
#include <array>

using namespace F940;

namespace {

double Cents(double value)
{
    return RoundToDecimals(value, 2);
}

double Mills(double value)
{
    return RoundToDecimals(value, 3);
}

constexpr double kSmallestChoice = 0.99;   // an overpayment or balance below a dollar is let go

const std::array<const char*, kScheduleARows> kScheduleAStates = {
    "AK", "AL", "AR", "AZ", "CA", "CO", "CT", "DC", "DE", "FL", "GA", "HI", "IA", "ID", "IL", "IN", "KS", "KY",
    "LA", "MA", "MD", "ME", "MI", "MN", "MO", "MS", "MT", "NC", "ND", "NE", "NH", "NJ", "NM", "NV", "NY", "OH",
    "OK", "OR", "PA", "RI", "SC", "SD", "TN", "TX", "UT", "VA", "VT", "WA", "WI", "WV", "WY", "PR", "VI"};

int CheckedStates(const CompanyRecord& company)
{
    int count = 0;
    for (int row = 1; row <= kScheduleARows; ++row)
        count += company.F940States[row] ? 1 : 0;
    return count;
}

} // namespace

QString ScheduleAStateCode(int row)
{
    return row >= 1 && row <= kScheduleARows ? QString::fromLatin1(kScheduleAStates[static_cast<size_t>(row - 1)])
                                             : QString();
}

Form940Employee Form940EmployeeShare(const EmployeeRecord& e)
{
    const int y = kYearToDateColumn;
    double taxDeferred = 0;
    const TPeriodAmounts* userDeductions[] = {&e.UserDeduct1, &e.UserDeduct2, &e.UserDeduct3, &e.UserDeduct4,
                                              &e.UserDeduct5};
    for (int d = 1; d <= 5; ++d) {
        if (e.UserTaxDefr[d])
            taxDeferred += (*userDeductions[d - 1])[y];
    }
    Form940Employee share;
    share.payments = Cents(e.FedEarnings[y] + e.Plan401k[y] + e.Plan403b[y] + e.Plan408k6[y] + e.Plan457b[y]
                           + e.IRASimple[y] + taxDeferred + e.DepCareBen[y] + e.CafePlan[y]);
    share.exempt = e.FUTAExempt ? share.payments
                                : Cents(e.FringeBen[y] + e.GTLIAmount[y] + e.DepCareBen[y] + e.CafePlan[y]);
    share.overBase = std::max(0.0, Cents(share.payments - share.exempt - kFUTAWageBase));
    return share;
}

void GatherForm940Totals(CompanyRecord& company)
{
    auto& amount = company.F940Amount;
    amount[TotalPayments] = amount[ExemptPayments] = amount[OverBase] = 0;
    std::array<bool, 6> kinds{};
    const int y = kYearToDateColumn;
    EmployeeLoop loop;
    while (loop.Next()) {
        const EmployeeRecord& e = EmployeeRec;
        const Form940Employee share = Form940EmployeeShare(e);
        amount[TotalPayments] = Cents(amount[TotalPayments] + share.payments);
        amount[ExemptPayments] = Cents(amount[ExemptPayments] + share.exempt);
        amount[OverBase] = Cents(amount[OverBase] + share.overBase);
        kinds[FringeBenefits] = kinds[FringeBenefits] || e.FringeBen[y] > 0;
        kinds[GroupTermLife] = kinds[GroupTermLife] || e.GTLIAmount[y] > 0;
        kinds[DependentCare] = kinds[DependentCare] || e.DepCareBen[y] > 0;
        kinds[Other] = kinds[Other] || e.FUTAExempt || e.CafePlan[y] > 0;
    }
    loop.Finish();
    // Line 4c is for the employer's own retirement contributions, which the payroll does not keep.
    for (int kind = FringeBenefits; kind <= Other; ++kind)
        company.F940Exempt[kind] = kinds[static_cast<size_t>(kind)];
    amount[Subtotal] = Cents(amount[ExemptPayments] + amount[OverBase]);
    amount[TaxableWages] = Cents(amount[TotalPayments] - amount[Subtotal]);
    amount[TaxBeforeAdjustments] = Cents(amount[TaxableWages] * kFUTANetRate);
    for (int row = 1; row <= kScheduleARows; ++row)
        company.F940CRRate[row] = 0;
}

void CalcForm940Lines(CompanyRecord& company)
{
    auto& amount = company.F940Amount;
    amount[AllWagesExcluded] = company.F940NoWages ? Cents(amount[TaxableWages] * kStateCreditRate) : 0.0;
    amount[TotalTax] = Cents(amount[TaxBeforeAdjustments] + amount[AllWagesExcluded] + amount[SomeWagesExcluded]
                             + amount[CreditReduction]);
    const double tax = amount[TotalTax];
    const double deposits = Cents(amount[Deposits]);
    amount[BalanceDue] = tax > deposits ? Cents(tax - deposits) : 0.0;
    amount[Overpayment] = deposits > tax ? Cents(deposits - tax) : 0.0;
    if (Cents(amount[Overpayment]) == 0)
        company.F940OverPay1 = company.F940OverPay2 = false;
    double year = 0;
    for (int q = Quarter1; q <= Quarter4; ++q)
        year = Cents(year + amount[q]);
    amount[YearLiability] = year;
}

std::optional<Form940Problem> CheckForm940(const CompanyRecord& company)
{
    const auto& amount = company.F940Amount;
    const bool stateCode = !IsBlank(company.F940StateCode);
    const bool multiState = company.F940SchAChk1;
    const bool creditReduction = company.F940SchAChk2;
    const double reductions = Cents(company.F940TCRAmount);
    if (stateCode && multiState)
        return Form940Problem{Form940Check::StateAndMultiState, QStringLiteral("Box 1b must not be checked when box 1a has an entry.")};
    if (!stateCode && !multiState)
        return Form940Problem{Form940Check::StateOrMultiState, QStringLiteral("Box 1a or 1b must be completed.")};
    if (multiState && CheckedStates(company) < 2)
        return Form940Problem{Form940Check::TooFewStates,
                              QStringLiteral("When the multi-state employer box has been checked,~you must also check atleast 2 "
                                             "states on Schedule A.")};
    if (!multiState && CheckedStates(company) > 1)
        return Form940Problem{Form940Check::TooManyStates,
                              QStringLiteral("When the multi-state employer box has not been checked,~you must not check more "
                                             "than one state on Schedule A.")};
    if (Cents(amount[AllWagesExcluded]) > 0 && Cents(amount[SomeWagesExcluded]) > 0)
        return Form940Problem{Form940Check::Line9And10, QStringLiteral("When line 9 has an entry, line 10 must be blank.")};
    if (Cents(amount[TaxableWages]) > 0 && creditReduction && reductions == 0)
        return Form940Problem{Form940Check::CreditReductionWages,
                              QStringLiteral("When the credit reduction box has been checked, you must~also complete the FUTA "
                                             "Taxable Wages on Schedule A.")};
    if (!creditReduction && reductions > 0)
        return Form940Problem{Form940Check::NoCreditReduction,
                              QStringLiteral("When the credit reduction box has not been checked, you~must not complete the "
                                             "FUTA Taxable Wages on Schedule A.")};
    if (multiState) {
        for (int row = 1; row <= kScheduleARows; ++row) {
            if (company.F940States[row] && Mills(company.F940CRRate[row]) > 0 && Cents(company.F940CRWages[row]) == 0)
                return Form940Problem{Form940Check::CheckedStateWithoutWages,
                                      QStringLiteral("You have checked state(s) subject to credit reduction,~but no "
                                                     "corresponding FUTA taxable wages entered.")};
        }
        for (int row = 1; row <= kScheduleARows; ++row) {
            if (!company.F940States[row] && Mills(company.F940CRRate[row]) > 0 && Cents(company.F940CRWages[row]) > 0)
                return Form940Problem{Form940Check::WagesWithoutCheckedState,
                                      QStringLiteral("You have not checked state(s) subject to credit reduction, but~FUTA "
                                                     "taxable wages have been entered for that state.")};
        }
    }
    if (creditReduction) {
        for (int row = 1; row <= kScheduleARows; ++row) {
            if (Cents(company.F940CRWages[row]) > Cents(amount[TaxableWages]))
                return Form940Problem{Form940Check::StateWagesAboveLine7,
                                      QStringLiteral("FUTA Taxable Wages for credit reduction state cannot~be greater than "
                                                     "the Total taxable FUTA wages (line 7)."),
                                      row};
        }
    }
    if (Cents(amount[Overpayment]) > kSmallestChoice && !company.F940OverPay1 && !company.F940OverPay2)
        return Form940Problem{Form940Check::Overpayment,
                              QStringLiteral("When there is an overpayment on line 15, you must check whether to apply it or "
                                             "refunded.")};
    const QString line15 = QStringLiteral("Line 15");
    if (const QString problem = RefundAccountProblem(company, company.F940OverPay2, amount[Overpayment], {line15, line15, line15});
        !problem.isEmpty())
        return Form940Problem{Form940Check::RefundAccount, problem};
    // Part 5 is filled only above the floor, so below it there is nothing to compare.
    if (amount[TotalTax] > kQuarterlyLiabilityFloor && Cents(amount[TotalTax]) != Cents(amount[YearLiability]))
        return Form940Problem{Form940Check::Line12Line17, QStringLiteral("Line 12 must equal line 17.")};
    return std::nullopt;
}

bool PrintsForm940V(const CompanyRecord& company)
{
    return Cents(company.F940Amount[BalanceDue]) > kSmallestChoice && !company.PayTaxBal;
}

bool PrintsScheduleA(const CompanyRecord& company)
{
    return company.F940SchAChk1 || company.F940SchAChk2;
}

FormParams Form940Params(const CompanyRecord& company, const PreparerRecord& preparer, const Form940PrintChoice& choice)
{
    const auto& amount = company.F940Amount;
    FormParams params;
    params.SetFormCopy(choice.filingCopy);
    AddCompanyParams(params, company);
    for (int k = 1; k <= 4; ++k)
        params.SetCheck(QStringLiteral("F940Type%1").arg(k), company.F940Type[k]);
    const QString stateCode = company.F940StateCode.get();
    for (int k = 1; k <= 2; ++k) {
        params.Set(QStringLiteral("F940StateCode%1").arg(k), stateCode.mid(k - 1, 1));
        params.SetCheck(QStringLiteral("F940SchAChk%1").arg(k), k == 1 ? company.F940SchAChk1 : company.F940SchAChk2);
        params.SetCheck(QStringLiteral("F940OverPay%1").arg(k), k == 1 ? company.F940OverPay1 : company.F940OverPay2);
    }
    for (int line = TotalPayments; line <= Overpayment; ++line)
        params.SetAmount(QStringLiteral("F940Amount%1").arg(line), amount[line]);
    for (int kind = FringeBenefits; kind <= Other; ++kind)
        params.SetCheck(QStringLiteral("F940Exempt%1").arg(kind), company.F940Exempt[kind]);
    AddRefundAccountParams(params, company, company.F940OverPay2, amount[Overpayment]);
    params.SetUpper(QStringLiteral("CompName"), company.Name.get());
    params.Set(QStringLiteral("FederalID"), company.FederalID.get());
    if (amount[TotalTax] > kQuarterlyLiabilityFloor) {
        for (int line = Quarter1; line <= YearLiability; ++line)
            params.SetAmount(QStringLiteral("F940Amount%1").arg(line), amount[line]);
    }
    AddDesigneeParams(params, company);
    AddPreparerParams(params, preparer, choice.noPrintPrepInfo, choice.filingCopy, choice.printDateText, choice.today);
    AddSignerParams(params, company, choice.filingCopy, choice.printDateText);
    return params;
}

FormParams Form940VParams(const CompanyRecord& company, bool filingCopy)
{
    FormParams params;
    params.SetFormCopy(filingCopy);
    params.Set(QStringLiteral("FederalID"), company.FederalID.get());
    const QString due = FormatAmount(company.F940Amount[BalanceDue], 2);
    params.Set(QStringLiteral("F940VBalDue1"), due.section(QLatin1Char('.'), 0, 0));
    params.Set(QStringLiteral("F940VBalDue2"), due.right(2));
    params.SetUpper(QStringLiteral("CompName"), company.Name.get());
    params.Set(QStringLiteral("Address"),
               StreetWithSuite(FormUpperCase(company.Address.get()), company.SuiteNum.get(), QStringLiteral("STE")));
    params.SetUpper(QStringLiteral("CityStateZip"), CompanyCityStateZip);
    return params;
}

FormParams ScheduleAParams(const CompanyRecord& company, bool filingCopy)
{
    FormParams params;
    params.SetFormCopy(filingCopy);
    params.SetDigits(QStringLiteral("EIN%1"), EINDigitsOf(company.FederalID), FormHeader::kEINBoxes);
    params.SetUpper(QStringLiteral("CompName"), company.Name.get());
    for (int row = 1; row <= kScheduleARows; ++row) {
        params.SetCheck(QStringLiteral("F940States%1").arg(row), company.F940States[row]);
        if (Cents(company.F940CRWages[row]) != 0) {
            params.SetAmount(QStringLiteral("F940CRWages%1").arg(row), company.F940CRWages[row]);
            if (company.F940CRRate[row] > 0)
                params.Set(QStringLiteral("F940CRRate%1").arg(row),
                           QStringLiteral("x ") + FormatAmount(company.F940CRRate[row], 3));
        }
        params.SetAmount(QStringLiteral("F940CRAmount%1").arg(row), company.F940CRAmount[row]);
    }
    params.SetAmount(QStringLiteral("F940TCRAmount"), company.F940TCRAmount);
    return params;
}
