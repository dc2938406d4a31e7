#include "forms/Form944Return.h"

#include "client/PayRecords.h"
#include "components/DateRoutines.h"
#include "components/NumberRoutines.h"
#include "forms/Form941Return.h"
#include "forms/ReturnParameterBlocks.h"

using namespace F944;

namespace {

double Cents(double value)
{
    return RoundToDecimals(value, 2);
}

const QString kCannotPrint = QStringLiteral("Unable to print Form 944.~");

} // namespace

void ApplyForm944Totals(Form944Return& form, CompanyRecord& company, const EmployeeTaxTotals& year)
{
    const SocialSecurityMedicareLines lines = ComputeSocialSecurityMedicare(year);
    auto& amount = form.amount;
    amount[Wages] = Cents(year.wages);
    amount[IncomeTax] = Cents(year.incomeTax);
    amount[SocialSecurityWages] = lines.socialSecurityWages;
    amount[SocialSecurityTax] = lines.socialSecurityTax;
    amount[SocialSecurityTips] = lines.socialSecurityTips;
    amount[SocialSecurityTipsTax] = lines.socialSecurityTipsTax;
    amount[MedicareWages] = lines.medicareWages;
    amount[MedicareTax] = lines.medicareTax;
    amount[AdditionalMedicareWages] = lines.additionalMedicareWages;
    amount[AdditionalMedicareTax] = lines.additionalMedicareTax;
    amount[SocialSecurityMedicareTotal] = lines.total;
    company.F944Amount13 = Cents(lines.fractionsOfCents - year.sickPayTaxes);
}

void ApplyForm944MonthLiabilities(Form944Return& form, const CompanyRecord& company)
{
    for (int month = 1; month <= 12; ++month)
        form.monthLiability[month] = Cents(company.TaxLiabilityMonth[month]);
}

void GatherForm944Totals(Form944Return& form, CompanyRecord& company)
{
    form.amount = {};
    form.monthLiability = {};
    ApplyForm944Totals(form, company, GatherEmployeeTaxTotals(kYearToDateColumn));
    PriorPayPeriodIndex = company.PriorPeriodCount;
    ApplyForm944MonthLiabilities(form, company);
    form.totalLiability = 0;
    for (double month : form.monthLiability)
        form.totalLiability = Cents(form.totalLiability + month);
}

void LoadForm944Block(Form944Return& form, const CompanyRecord& company)
{
    form.amount[Adjustments] = Cents(company.F944Amount13);
    form.amount[Credit] = Cents(company.F944Amount15);
    form.amount[Deposits] = Cents(company.F944Amount17);
    form.mark[ApplyToNextReturn] = company.F944ChkMark2;
    form.mark[SendRefund] = company.F944ChkMark3;
    form.mark[BusinessClosed] = company.F944ChkMark6;
    form.finalDate = company.F944EndDate;
}

void SaveForm944Block(const Form944Return& form, CompanyRecord& company)
{
    company.F944Amount13 = form.amount[Adjustments];
    company.F944Amount15 = form.amount[Credit];
    company.F944Amount17 = form.amount[Deposits];
    company.F944ChkMark2 = form.mark[ApplyToNextReturn];
    company.F944ChkMark3 = form.mark[SendRefund];
    company.F944ChkMark6 = form.mark[BusinessClosed];
    company.F944EndDate = form.finalDate.left(10);
}

void CalcForm944Lines(Form944Return& form)
{
    auto& amount = form.amount;
    amount[TaxesBeforeAdjustments] = Cents(amount[IncomeTax] + amount[SocialSecurityMedicareTotal]);
    amount[TaxesAfterAdjustments] = Cents(amount[TaxesBeforeAdjustments] + amount[Adjustments]);
    amount[TotalTaxes] = Cents(amount[TaxesAfterAdjustments] - amount[Credit]);
    const double taxes = amount[TotalTaxes];
    const double deposits = Cents(amount[Deposits]);
    amount[BalanceDue] = taxes > deposits ? Cents(taxes - deposits) : 0.0;
    amount[Overpayment] = deposits > taxes ? Cents(deposits - taxes) : 0.0;
    if (amount[Overpayment] == 0) {
        form.mark[ApplyToNextReturn] = false;
        form.mark[SendRefund] = false;
    }
    form.mark[SmallFiler] = taxes < kSmallFilerLimit;
    form.mark[MonthlyLiabilities] = taxes >= kSmallFilerLimit;
    form.totalLiability = 0;
    for (double month : form.monthLiability)
        form.totalLiability = Cents(form.totalLiability + month);
}

std::optional<Form944Problem> CheckForm944(const Form944Return& form, const CompanyRecord& company)
{
    const auto& amount = form.amount;
    const auto& mark = form.mark;
    if (mark[NotSubjectToTaxes] && amount[SocialSecurityMedicareTotal] > 0)
        return Form944Problem{Form944Check::Line3,
                              kCannotPrint + QStringLiteral("You have checked the box on line 3, however, line 4e is greater than  0.")};
    if (Cents(amount[Overpayment]) > kSmallestPayment && !mark[ApplyToNextReturn] && !mark[SendRefund])
        return Form944Problem{Form944Check::Overpayment,
                              kCannotPrint + QStringLiteral("Line 12 shows an overpayment, however, you have notchecked to have it "
                                                            "applied to next return or refunded.")};
    if (const QString problem = RefundAccountProblem(company, mark[SendRefund], amount[Overpayment],
                                                     {QStringLiteral("Line 12c"), QStringLiteral("Line 12d"), QStringLiteral("Line 12e")});
        !problem.isEmpty())
        return Form944Problem{Form944Check::RefundAccount, kCannotPrint + problem};
    // A small filer keeps no record of its liabilities, so only line 13's months must agree.
    if (mark[MonthlyLiabilities] && Cents(amount[TotalTaxes]) != Cents(form.totalLiability))
        return Form944Problem{Form944Check::Line13m,
                              kCannotPrint + QStringLiteral("Line 9 does not equal line 13m (Total liability for year).")};
    if (mark[BusinessClosed] && !IsValidDateStr(form.finalDate))
        return Form944Problem{Form944Check::FinalDate, kCannotPrint + QStringLiteral("The final date wages paid is invalid.")};
    return std::nullopt;
}
