#include "forms/Form941Return.h"

#include "components/DateRoutines.h"
#include "components/NumberRoutines.h"
#include "forms/ReturnParameterBlocks.h"


using namespace F941;

namespace {

double Cents(double value)
{
    return RoundToDecimals(value, 2);
}

const QString kCannotPrint = QStringLiteral("Unable to print Form 941.~");

} // namespace

void ApplyForm941Totals(CompanyRecord& company, const EmployeeTaxTotals& quarter)
{
    const SocialSecurityMedicareLines lines = ComputeSocialSecurityMedicare(quarter);
    auto& amount = company.F941Amount;
    company.F941NumEmps = quarter.employeesWithWages;
    amount[Wages] = Cents(quarter.wages);
    amount[IncomeTax] = Cents(quarter.incomeTax);
    amount[SocialSecurityWages] = lines.socialSecurityWages;
    amount[SocialSecurityTax] = lines.socialSecurityTax;
    amount[SocialSecurityTips] = lines.socialSecurityTips;
    amount[SocialSecurityTipsTax] = lines.socialSecurityTipsTax;
    amount[MedicareWages] = lines.medicareWages;
    amount[MedicareTax] = lines.medicareTax;
    amount[AdditionalMedicareWages] = lines.additionalMedicareWages;
    amount[AdditionalMedicareTax] = lines.additionalMedicareTax;
    amount[SocialSecurityMedicareTotal] = lines.total;
    amount[FractionsOfCents] = lines.fractionsOfCents;
    amount[SickPay] = Cents(-quarter.sickPayTaxes);
}

Form941Gathered GatherForm941Totals(CompanyRecord& company)
{
    const EmployeeTaxTotals quarter = GatherEmployeeTaxTotals(kQuarterToDateColumn);
    ApplyForm941Totals(company, quarter);
    // Posting counted, once per employee and quarter, who was paid for the period including the
    // 12th: the pay history keeps too few pay dates for a weekly and a biweekly payroll.
    if (company.CurrentQuarter >= 1 && company.CurrentQuarter <= 4)
        company.F941NumEmps = company.EmployeesPaidForThe12th[company.CurrentQuarter];
    return {quarter.thirdPartySickPay, quarter.employeesWithWages > 0};
}

void CalcForm941Lines(CompanyRecord& company)
{
    auto& amount = company.F941Amount;
    amount[TaxesBeforeAdjustments] = Cents(amount[IncomeTax] + amount[SocialSecurityMedicareTotal] + amount[NoticeAndDemandTax]);
    amount[TaxesAfterAdjustments] =
        Cents(amount[TaxesBeforeAdjustments] + amount[FractionsOfCents] + amount[SickPay] + amount[TipsAndLifeInsurance]);
    amount[TotalTaxes] = Cents(amount[TaxesAfterAdjustments] - amount[SmallBusinessCredit]);
    const double taxes = amount[TotalTaxes];
    const double deposits = Cents(amount[Deposits]);
    amount[BalanceDue] = taxes > deposits ? Cents(taxes - deposits) : 0.0;
    amount[Overpayment] = deposits > taxes ? Cents(deposits - taxes) : 0.0;
    if (amount[Overpayment] == 0) {
        company.F941ChkMark[ApplyToNextReturn] = false;
        company.F941ChkMark[SendRefund] = false;
    }
}

void SetForm941DepositBoxes(CompanyRecord& company)
{
    const double line12 = Cents(company.F941Amount[TotalTaxes]);
    const bool semiweekly = company.DepositStat;
    company.F941ChkMark[SmallFiler] = line12 < kSmallFilerLimit && !semiweekly;
    company.F941ChkMark[MonthlyDepositor] = line12 >= kSmallFilerLimit && !semiweekly;
    company.F941ChkMark[SemiweeklyDepositor] = semiweekly;
}

void Form941SmallFilerBoxChanged(CompanyRecord& company, bool checkedNow)
{
    const bool monthly = !checkedNow && Cents(company.F941Amount[TotalTaxes]) >= kSmallFilerLimit;
    company.F941ChkMark[MonthlyDepositor] = monthly;
    company.F941ChkMark[SmallFiler] = !monthly;
}

std::optional<Form941Problem> CheckForm941(const CompanyRecord& company, bool quarterMissing)
{
    const auto& amount = company.F941Amount;
    const auto& mark = company.F941ChkMark;
    if (quarterMissing)
        return Form941Problem{Form941Check::Quarter, kCannotPrint + QStringLiteral("You must select the applicable quarter.")};
    if (mark[NotSubjectToTaxes] && amount[SocialSecurityMedicareTotal] > 0)
        return Form941Problem{Form941Check::Line4,
                              kCannotPrint + QStringLiteral("You have checked the box on line 4, however, line 5e is greater than 0.")};
    if (Cents(amount[Overpayment]) > kSmallestPayment && !mark[ApplyToNextReturn] && !mark[SendRefund])
        return Form941Problem{Form941Check::Overpayment,
                              kCannotPrint + QStringLiteral("Line 15 shows an overpayment, however, you have not checkedto have it "
                                                            "applied to next return or refunded.")};
    if (const QString problem = RefundAccountProblem(company, mark[SendRefund], amount[Overpayment],
                                                     {QStringLiteral("Line 15c"), QStringLiteral("Line 15d"), QStringLiteral("Line 15e")});
        !problem.isEmpty())
        return Form941Problem{Form941Check::RefundAccount, kCannotPrint + problem};
    // A small filer keeps no record of its liabilities, so only a depositor's line 16 must agree.
    const bool depositor = mark[MonthlyDepositor] || mark[SemiweeklyDepositor];
    if (depositor && Cents(amount[TotalTaxes]) != Cents(company.TaxLibQtr))
        return Form941Problem{Form941Check::Line16,
                              kCannotPrint + QStringLiteral("Line 12 does not equal line 16 (Total liability for quarter).")};
    if (mark[BusinessClosed] && !IsValidDateStr(company.F941EndDate))
        return Form941Problem{Form941Check::FinalDate, kCannotPrint + QStringLiteral("The final date wages paid is invalid.")};
    return std::nullopt;
}

std::optional<QString> Form941DepositsWarning(const CompanyRecord& company)
{
    const bool depositor = company.F941ChkMark[MonthlyDepositor] || company.F941ChkMark[SemiweeklyDepositor];
    const double balance = RoundToDecimals(company.F941Amount[BalanceDue], 2);
    if (!depositor || RoundToDecimals(company.F941Amount[Deposits], 2) != 0 || balance <= kSmallestPayment)
        return std::nullopt;
    return QStringLiteral("Line 13 (total deposits for this quarter) is 0.00, though line 16 says you deposit monthly "
                          "or semiweekly.~~Unless you made no deposit this quarter, enter your deposits on line 13 "
                          "first: as it stands, the return%1 asks for the whole balance of %2.~~Print anyway?")
        .arg(company.PayTaxBal ? QString() : QStringLiteral(" and its payment voucher"), FormatAmount(balance, 2, true));
}
