#include "HandWorkedQuarter.h"
#include "TestSupport.h"

#include "client/CompanyRecord.h"
#include "forms/Form941Return.h"
#include "forms/Form944Return.h"

#include <memory>

using namespace F944;

namespace {

class Form944Lines : public ::testing::Test {
protected:
    // The hand-worked amounts as the year's, gathered, loaded and computed as the screen opens.
    void openHandWorkedYear()
    {
        ApplyForm944Totals(form, *company, HandWorkedTotals(kYearToDateColumn));
        LoadForm944Block(form, *company);
        form.monthLiability[3] = kHandWorkedLiability;
        CalcForm944Lines(form);
    }

    void openWithLine9(double line9)
    {
        form = {};
        form.amount[IncomeTax] = line9;
        form.monthLiability[1] = line9;
        CalcForm944Lines(form);
    }

    std::optional<Form944Check> check() const
    {
        const auto problem = CheckForm944(form, *company);
        return problem ? std::optional(problem->check) : std::nullopt;
    }

    std::unique_ptr<CompanyRecord> company = std::make_unique<CompanyRecord>(NewCompanyRecord());
    Form944Return form;
};

TEST_F(Form944Lines, HandWorkedYearFillsEveryLineToTheCent)
{
    openHandWorkedYear();
    EXPECT_DOUBLE_EQ(form.amount[Wages], 17000.00);
    EXPECT_DOUBLE_EQ(form.amount[IncomeTax], 1600.00);
    EXPECT_DOUBLE_EQ(form.amount[SocialSecurityWages], 17500.00);
    EXPECT_DOUBLE_EQ(form.amount[SocialSecurityTax], 2170.00);
    EXPECT_DOUBLE_EQ(form.amount[SocialSecurityTips], 1000.00);
    EXPECT_DOUBLE_EQ(form.amount[SocialSecurityTipsTax], 124.00);
    EXPECT_DOUBLE_EQ(form.amount[MedicareWages], 18500.00);
    EXPECT_DOUBLE_EQ(form.amount[MedicareTax], 536.50);
    EXPECT_DOUBLE_EQ(form.amount[SocialSecurityMedicareTotal], 2830.50);
    EXPECT_DOUBLE_EQ(form.amount[TaxesBeforeAdjustments], 4430.50);
    EXPECT_DOUBLE_EQ(form.amount[Adjustments], 0.01);
    EXPECT_DOUBLE_EQ(company->F944Amount13, 0.01);
    EXPECT_DOUBLE_EQ(form.amount[TotalTaxes], 4430.51);
    EXPECT_TRUE(form.mark[MonthlyLiabilities]);
    EXPECT_FALSE(form.mark[SmallFiler]);
    EXPECT_DOUBLE_EQ(form.totalLiability, 4430.51);
    EXPECT_EQ(check(), std::nullopt);
}

TEST_F(Form944Lines, AdditionalMedicareTaxHasItsOwnLine)
{
    auto e = std::make_unique<EmployeeRecord>(NewEmployeeRecord());
    const int y = kYearToDateColumn;
    e->FedEarnings[y] = e->MedEarnings[y] = 212000.00;
    e->FICAEarnings[y] = 184500.00;
    e->FICATax[y] = e->FICALib[y] = 11439.00;
    e->MedicareTax[y] = 3074.00 + 108.00;
    e->MedicareLib[y] = 3074.00;
    e->MedSurchargeWages[y] = 12000.00;
    e->MedSurchargeTax[y] = 108.00;
    EmployeeTaxTotals totals;
    totals.Add(*e, y);
    ApplyForm944Totals(form, *company, totals);
    EXPECT_DOUBLE_EQ(form.amount[MedicareWages], 212000.00);
    EXPECT_DOUBLE_EQ(form.amount[MedicareTax], 6148.00);
    EXPECT_DOUBLE_EQ(form.amount[AdditionalMedicareWages], 12000.00);
    EXPECT_DOUBLE_EQ(form.amount[AdditionalMedicareTax], 108.00);
    EXPECT_DOUBLE_EQ(form.amount[SocialSecurityTax], 22878.00);
    EXPECT_DOUBLE_EQ(form.amount[SocialSecurityMedicareTotal], 29134.00);
    EXPECT_DOUBLE_EQ(company->F944Amount13, 0.00);
}

TEST_F(Form944Lines, Line6StartsAsCentsLessSickPayTaxesAndTheRestOfTheBlockStays)
{
    company->F944Amount13 = 50.00;   // typed last time
    company->F944Amount15 = 10.00;
    company->F944Amount17 = 4000.00;
    company->F944ChkMark6 = true;
    company->F944EndDate = QStringLiteral("06/30/2026");
    auto e = std::make_unique<EmployeeRecord>(NewEmployeeRecord());
    e->TPSPTaxable[kYearToDateColumn] = 500.00;
    e->TPSPFederalTax[kYearToDateColumn] = 50.00;
    e->TPSPFICATax[kYearToDateColumn] = 31.00;
    e->TPSPMedicareTax[kYearToDateColumn] = 7.25;
    EmployeeTaxTotals totals = HandWorkedTotals(kYearToDateColumn);
    totals.Add(*e, kYearToDateColumn);
    ApplyForm944Totals(form, *company, totals);
    LoadForm944Block(form, *company);
    CalcForm944Lines(form);
    // The charged taxes hold the sick pay shares, which line 4 does not (no wages came with them).
    EXPECT_DOUBLE_EQ(form.amount[Adjustments], -49.99);
    EXPECT_DOUBLE_EQ(form.amount[Credit], 10.00);
    EXPECT_DOUBLE_EQ(form.amount[Deposits], 4000.00);
    EXPECT_TRUE(form.mark[BusinessClosed]);
    EXPECT_EQ(form.finalDate, QStringLiteral("06/30/2026"));

    form.amount[Adjustments] = 20.00;
    SaveForm944Block(form, *company);
    EXPECT_DOUBLE_EQ(company->F944Amount13, 20.00);
    ApplyForm944Totals(form, *company, totals);
    LoadForm944Block(form, *company);
    EXPECT_DOUBLE_EQ(form.amount[Adjustments], -49.99);
}

TEST_F(Form944Lines, MonthsAreTheLiabilitiesPostingKeptPerMonth)
{
    company->TaxLiabilityMonth[1] = 506.00;
    company->TaxLiabilityMonth[2] = 253.00;
    company->TaxLiabilityMonth[12] = 0.004;   // less than a cent shows as 0.00
    ApplyForm944MonthLiabilities(form, *company);
    EXPECT_DOUBLE_EQ(form.monthLiability[1], 506.00);
    EXPECT_DOUBLE_EQ(form.monthLiability[2], 253.00);
    for (int m = 3; m <= 12; ++m)
        EXPECT_DOUBLE_EQ(form.monthLiability[m], 0.00) << m;
    CalcForm944Lines(form);
    EXPECT_DOUBLE_EQ(form.totalLiability, 759.00);
}

struct Line13Case {
    double line9;
    bool smallFiler;
};

class Form944Line13 : public Form944Lines, public ::testing::WithParamInterface<Line13Case> {};

TEST_P(Form944Line13, BoxFollowsLine9)
{
    openWithLine9(GetParam().line9);
    EXPECT_EQ(form.mark[SmallFiler], GetParam().smallFiler);
    EXPECT_EQ(form.mark[MonthlyLiabilities], !GetParam().smallFiler);
}

INSTANTIATE_TEST_SUITE_P(Line9, Form944Line13,
                         ::testing::Values(Line13Case{2499.99, true}, Line13Case{2500.00, false}, Line13Case{2500.01, false}));

TEST_F(Form944Lines, OnlyALargeFilersMonthsMustAddUpToLine9)
{
    openWithLine9(2499.99);
    form.monthLiability = {};
    CalcForm944Lines(form);
    EXPECT_EQ(check(), std::nullopt);
    openWithLine9(2500.00);
    form.monthLiability[1] = 2499.99;
    CalcForm944Lines(form);
    EXPECT_EQ(check(), Form944Check::Line13m);
    EXPECT_EQ(CheckForm944(form, *company)->message,
              QStringLiteral("Unable to print Form 944.~Line 9 does not equal line 13m (Total liability for year)."));
}

TEST_F(Form944Lines, OverpaymentLine3AndFinalDateChecks)
{
    openWithLine9(100.00);
    form.amount[Deposits] = 100.99;
    CalcForm944Lines(form);
    EXPECT_EQ(check(), std::nullopt);
    form.amount[Deposits] = 101.00;
    CalcForm944Lines(form);
    EXPECT_EQ(check(), Form944Check::Overpayment);
    form.mark[ApplyToNextReturn] = true;
    EXPECT_EQ(check(), std::nullopt);
    form.amount[Deposits] = 100.00;
    CalcForm944Lines(form);
    EXPECT_FALSE(form.mark[ApplyToNextReturn]);
    EXPECT_DOUBLE_EQ(form.amount[BalanceDue], 0.00);
    EXPECT_DOUBLE_EQ(form.amount[Overpayment], 0.00);

    form.amount[SocialSecurityMedicareTotal] = 0.01;
    form.mark[NotSubjectToTaxes] = true;
    EXPECT_EQ(check(), Form944Check::Line3);
    form.mark[NotSubjectToTaxes] = false;

    form.mark[BusinessClosed] = true;
    form.finalDate = QStringLiteral("  /  /    ");
    EXPECT_EQ(check(), Form944Check::FinalDate);
}

} // namespace
