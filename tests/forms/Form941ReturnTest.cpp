#include "HandWorkedQuarter.h"
#include "TestSupport.h"

#include "client/CompanyRecord.h"
#include "forms/Form941Return.h"

#include <memory>

using namespace F941;

namespace {

class Form941Lines : public ::testing::Test {
protected:
    void SetUp() override { company->F941EndDate = QStringLiteral("  /  /    "); }

    // The hand-worked quarter gathered and computed as the screen does when it opens.
    void openHandWorkedQuarter(bool semiweekly = false)
    {
        company->DepositStat = semiweekly;
        company->TaxLibQtr = kHandWorkedLiability;
        ApplyForm941Totals(*company, HandWorkedTotals(kQuarterToDateColumn));
        CalcForm941Lines(*company);
        SetForm941DepositBoxes(*company);
    }

    // Line 12 set directly and the rest computed.
    void openWithLine12(double line12, bool semiweekly)
    {
        company->DepositStat = semiweekly;
        company->F941Amount[IncomeTax] = line12;
        company->TaxLibQtr = line12;
        CalcForm941Lines(*company);
        SetForm941DepositBoxes(*company);
    }

    double line(int entry) const { return company->F941Amount[entry]; }
    bool mark(int k) const { return company->F941ChkMark[k]; }
    std::optional<Form941Check> check(bool quarterMissing = false) const
    {
        const auto problem = CheckForm941(*company, quarterMissing);
        return problem ? std::optional(problem->check) : std::nullopt;
    }

    std::unique_ptr<CompanyRecord> company = std::make_unique<CompanyRecord>(NewCompanyRecord());
};

TEST_F(Form941Lines, HandWorkedQuarterFillsEveryLineToTheCent)
{
    openHandWorkedQuarter();
    EXPECT_EQ(company->F941NumEmps, 2);
    EXPECT_DOUBLE_EQ(line(Wages), 17000.00);
    EXPECT_DOUBLE_EQ(line(IncomeTax), 1600.00);
    EXPECT_DOUBLE_EQ(line(SocialSecurityWages), 17500.00);
    EXPECT_DOUBLE_EQ(line(SocialSecurityTax), 2170.00);
    EXPECT_DOUBLE_EQ(line(SocialSecurityTips), 1000.00);
    EXPECT_DOUBLE_EQ(line(SocialSecurityTipsTax), 124.00);
    EXPECT_DOUBLE_EQ(line(MedicareWages), 18500.00);
    EXPECT_DOUBLE_EQ(line(MedicareTax), 536.50);
    EXPECT_DOUBLE_EQ(line(SocialSecurityMedicareTotal), 2830.50);
    EXPECT_DOUBLE_EQ(line(TaxesBeforeAdjustments), 4430.50);
    EXPECT_DOUBLE_EQ(line(FractionsOfCents), 0.01);
    EXPECT_DOUBLE_EQ(line(SickPay), 0.00);
    EXPECT_DOUBLE_EQ(line(TotalTaxes), 4430.51);
    EXPECT_DOUBLE_EQ(line(TotalTaxes), company->TaxLibQtr);
    EXPECT_TRUE(mark(MonthlyDepositor));
    EXPECT_FALSE(mark(SmallFiler));
    EXPECT_FALSE(mark(SemiweeklyDepositor));
    EXPECT_EQ(check(), std::nullopt);
}

TEST_F(Form941Lines, SemiweeklyDepositorChecksTheScheduleBBox)
{
    openHandWorkedQuarter(true);
    EXPECT_TRUE(mark(SemiweeklyDepositor));
    EXPECT_FALSE(mark(MonthlyDepositor));
    EXPECT_FALSE(mark(SmallFiler));
    EXPECT_EQ(check(), std::nullopt);
    company->TaxLibQtr = 4430.50;
    EXPECT_EQ(check(), Form941Check::Line16);
}

TEST_F(Form941Lines, DepositsGiveTheBalanceDueOrTheOverpayment)
{
    openHandWorkedQuarter();
    company->F941Amount[Deposits] = 4000.00;
    CalcForm941Lines(*company);
    EXPECT_DOUBLE_EQ(line(BalanceDue), 430.51);
    EXPECT_DOUBLE_EQ(line(Overpayment), 0.00);

    company->F941Amount[Deposits] = 4430.00;
    CalcForm941Lines(*company);
    EXPECT_DOUBLE_EQ(line(BalanceDue), 0.51);

    company->F941Amount[Deposits] = 4431.51;
    CalcForm941Lines(*company);
    EXPECT_DOUBLE_EQ(line(BalanceDue), 0.00);
    EXPECT_DOUBLE_EQ(line(Overpayment), 1.00);
}

TEST_F(Form941Lines, EnteredLinesStayWhenTheQuarterIsGatheredAgain)
{
    company->F941Amount[NoticeAndDemandTax] = 10.00;
    company->F941Amount[TipsAndLifeInsurance] = -2.00;
    company->F941Amount[SmallBusinessCredit] = 8.00;
    company->F941Amount[Deposits] = 4000.00;
    company->F941Amount[FractionsOfCents] = 5.00;   // typed, refilled by the next gathering
    company->F941Amount[SickPay] = 7.00;
    openHandWorkedQuarter();
    EXPECT_DOUBLE_EQ(line(FractionsOfCents), 0.01);
    EXPECT_DOUBLE_EQ(line(SickPay), 0.00);
    EXPECT_DOUBLE_EQ(line(TaxesBeforeAdjustments), 4440.50);
    EXPECT_DOUBLE_EQ(line(TaxesAfterAdjustments), 4438.51);
    EXPECT_DOUBLE_EQ(line(TotalTaxes), 4430.51);
    EXPECT_DOUBLE_EQ(line(Deposits), 4000.00);
}

TEST_F(Form941Lines, ColumnTwoIsTheRateTimesColumnOneAndThePayrollsCentsGoToLine7)
{
    auto e = std::make_unique<EmployeeRecord>(NewEmployeeRecord());
    const int q = kQuarterToDateColumn;
    e->FedEarnings[q] = e->MedEarnings[q] = 215000.00;
    e->FICAEarnings[q] = 180000.00;
    // Each period rounded on its own: the employee's tax a cent above the rate times the wages.
    e->FICATax[q] = 11160.01;
    e->FICALib[q] = 11160.00;
    e->MedicareTax[q] = 3117.50 + 135.00;   // 1.45 % and the Additional Medicare Tax on 15,000.00
    e->MedicareLib[q] = 3117.50;
    e->MedSurchargeWages[q] = 15000.00;
    e->MedSurchargeTax[q] = 135.00;
    EmployeeTaxTotals totals;
    totals.Add(*e, q);
    ApplyForm941Totals(*company, totals);
    EXPECT_DOUBLE_EQ(line(SocialSecurityTax), 22320.00);
    EXPECT_DOUBLE_EQ(line(MedicareTax), 6235.00);
    EXPECT_DOUBLE_EQ(line(AdditionalMedicareWages), 15000.00);
    EXPECT_DOUBLE_EQ(line(AdditionalMedicareTax), 135.00);
    EXPECT_DOUBLE_EQ(line(SocialSecurityMedicareTotal), 28690.00);
    EXPECT_DOUBLE_EQ(line(FractionsOfCents), 0.01);
}

TEST_F(Form941Lines, ThirdPartySickPayTaxesGoToLine8)
{
    auto e = std::make_unique<EmployeeRecord>(NewEmployeeRecord());
    const int q = kQuarterToDateColumn;
    e->FedEarnings[q] = e->FICAEarnings[q] = e->MedEarnings[q] = 1000.00;
    e->TPSPTaxable[q] = 1000.00;
    e->TPSPFederalTax[q] = 100.00;
    e->TPSPFICATax[q] = 62.00;
    e->TPSPMedicareTax[q] = 14.50;
    e->FICALib[q] = 62.00;
    e->MedicareLib[q] = 14.50;
    EmployeeTaxTotals totals;
    totals.Add(*e, q);
    EXPECT_TRUE(totals.thirdPartySickPay);
    ApplyForm941Totals(*company, totals);
    CalcForm941Lines(*company);
    EXPECT_DOUBLE_EQ(line(IncomeTax), 100.00);
    EXPECT_DOUBLE_EQ(line(SocialSecurityMedicareTotal), 153.00);
    EXPECT_DOUBLE_EQ(line(SickPay), -176.50);
    EXPECT_DOUBLE_EQ(line(TotalTaxes), 76.50);
}

struct DepositBoxCase {
    double line12;
    bool semiweekly;
    bool smallFiler, monthly, schedule;
};

class Form941DepositBoxes : public Form941Lines, public ::testing::WithParamInterface<DepositBoxCase> {};

TEST_P(Form941DepositBoxes, FollowLine12AndTheDepositSchedule)
{
    const DepositBoxCase c = GetParam();
    openWithLine12(c.line12, c.semiweekly);
    EXPECT_EQ(mark(SmallFiler), c.smallFiler);
    EXPECT_EQ(mark(MonthlyDepositor), c.monthly);
    EXPECT_EQ(mark(SemiweeklyDepositor), c.schedule);
}

INSTANTIATE_TEST_SUITE_P(Line12, Form941DepositBoxes,
                         ::testing::Values(DepositBoxCase{2499.99, false, true, false, false},
                                           DepositBoxCase{2500.00, false, false, true, false},
                                           DepositBoxCase{2500.01, false, false, true, false},
                                           DepositBoxCase{2499.99, true, false, false, true},
                                           DepositBoxCase{2500.01, true, false, false, true}));

TEST_F(Form941Lines, SmallFilerBoxGivesWayOnlyToTheMonthlyBox)
{
    openWithLine12(2499.99, false);
    Form941SmallFilerBoxChanged(*company, false);
    EXPECT_TRUE(mark(SmallFiler));
    EXPECT_FALSE(mark(MonthlyDepositor));

    openWithLine12(2500.01, false);
    company->F941ChkMark[SmallFiler] = true;
    company->F941ChkMark[MonthlyDepositor] = false;
    Form941SmallFilerBoxChanged(*company, false);
    EXPECT_FALSE(mark(SmallFiler));
    EXPECT_TRUE(mark(MonthlyDepositor));
    Form941SmallFilerBoxChanged(*company, true);
    EXPECT_TRUE(mark(SmallFiler));
    EXPECT_FALSE(mark(MonthlyDepositor));
}

TEST_F(Form941Lines, SmallFilerNeedsNoLiabilityRecord)
{
    openWithLine12(2499.99, false);
    company->TaxLibQtr = 0;
    EXPECT_EQ(check(), std::nullopt);
    openWithLine12(10000.00, false);
    company->TaxLibQtr = 9999.99;
    EXPECT_EQ(check(), Form941Check::Line16);
}

TEST_F(Form941Lines, OverpaymentOfADollarNeedsAChoiceAndOnlyOneOfTwo)
{
    openWithLine12(100.00, false);
    company->F941Amount[Deposits] = 100.99;
    CalcForm941Lines(*company);
    EXPECT_EQ(check(), std::nullopt);
    company->F941Amount[Deposits] = 101.00;
    CalcForm941Lines(*company);
    EXPECT_EQ(check(), Form941Check::Overpayment);
    EXPECT_EQ(CheckForm941(*company, false)->message,
              QStringLiteral("Unable to print Form 941.~Line 15 shows an overpayment, however, you have not checkedto have it "
                             "applied to next return or refunded."));
    company->F941ChkMark[SendRefund] = true;
    // A refund goes by direct deposit: lines 15c-15e need the bank account, whether the company pays
    // electronically or not.
    EXPECT_EQ(check(), Form941Check::RefundAccount);
    EXPECT_EQ(CheckForm941(*company, false)->message,
              QStringLiteral("Unable to print Form 941.~Line 15c: the routing number is missing or not valid.~A refund goes "
                             "by direct deposit to the company's bank account: enter its routing number, account number "
                             "and type in the company setup."));
    company->PayRTN = QStringLiteral("021000021");
    EXPECT_EQ(check(), Form941Check::RefundAccount);
    EXPECT_TRUE(CheckForm941(*company, false)->message.contains(QStringLiteral("Line 15e: the account number is missing.")));
    company->PayAcctNum = QStringLiteral("4567");
    EXPECT_EQ(check(), Form941Check::RefundAccount);
    EXPECT_TRUE(CheckForm941(*company, false)->message.contains(QStringLiteral("Line 15d: the type of account is missing.")));
    company->PayAcctType = QStringLiteral("Savings");
    EXPECT_EQ(check(), std::nullopt);
    company->F941ChkMark[SendRefund] = false;
    company->F941ChkMark[ApplyToNextReturn] = true;
    company->PayRTN = QString();
    EXPECT_EQ(check(), std::nullopt);
    company->F941ChkMark[ApplyToNextReturn] = false;
    company->F941ChkMark[SendRefund] = true;

    company->F941Amount[Deposits] = 100.00;
    CalcForm941Lines(*company);
    EXPECT_FALSE(mark(SendRefund));
    EXPECT_FALSE(mark(ApplyToNextReturn));
}

TEST_F(Form941Lines, ChecksStopThePrintInOrder)
{
    openHandWorkedQuarter();
    EXPECT_EQ(check(true), Form941Check::Quarter);

    company->F941ChkMark[NotSubjectToTaxes] = true;
    EXPECT_EQ(check(), Form941Check::Line4);
    company->F941ChkMark[NotSubjectToTaxes] = false;

    company->F941ChkMark[BusinessClosed] = true;
    EXPECT_EQ(check(), Form941Check::FinalDate);
    EXPECT_EQ(CheckForm941(*company, false)->message, QStringLiteral("Unable to print Form 941.~The final date wages paid is invalid."));
    company->F941EndDate = QStringLiteral("09/30/2026");
    EXPECT_EQ(check(), std::nullopt);
}

TEST_F(Form941Lines, Line4BoxWithACentOfTaxStopsThePrint)
{
    auto e = std::make_unique<EmployeeRecord>(NewEmployeeRecord());
    e->FICAEarnings[kQuarterToDateColumn] = 0.04;   // 0.124 x 0.04 = 0.00496
    e->FICATax[kQuarterToDateColumn] = 0.01;
    EmployeeTaxTotals totals;
    totals.Add(*e, kQuarterToDateColumn);
    ApplyForm941Totals(*company, totals);
    CalcForm941Lines(*company);
    SetForm941DepositBoxes(*company);
    EXPECT_DOUBLE_EQ(line(SocialSecurityMedicareTotal), 0.00);
    company->F941ChkMark[NotSubjectToTaxes] = true;
    EXPECT_EQ(check(), std::nullopt);

    company->F941Amount[SocialSecurityMedicareTotal] = 0.01;
    EXPECT_EQ(check(), Form941Check::Line4);
    EXPECT_EQ(CheckForm941(*company, false)->message,
              QStringLiteral("Unable to print Form 941.~You have checked the box on line 4, however, line 5e is greater than 0."));
}

} // namespace
