#include "PayComputeFixture.h"

#include "payroll/SocialSecurityMedicare.h"

class SocialSecurityTest : public PayComputeTest {
protected:
    void computeOn(double wages, double yearToDateWages, double yearToDateTax)
    {
        EmployeeRec.FICAEarnings[Now] = wages;
        EmployeeRec.FICAEarnings[Ytd] = yearToDateWages;
        EmployeeRec.FICATax[Ytd] = yearToDateTax;
        ComputeSocialSecurityTax();
    }
};

TEST_F(SocialSecurityTest, RateOnWagesBelowTheBase)
{
    computeOn(1000, 0, 0);
    EXPECT_EQ(EmployeeRec.FICATax[Now], 62.00);
    EXPECT_EQ(EmployeeRec.FICALib[Now], 62.00);
    EXPECT_EQ(EmployeeRec.FICAEarnings[Now], 1000);
}

// 500.00 of the base is left; the year's tax must end at exactly 11439.00 although the tax
// posted so far is 2 cents short of 6.2% of the wages.
TEST_F(SocialSecurityTest, PeriodReachingTheBaseTrueUpsTheYearsTax)
{
    computeOn(1000, 184000, 11407.98);
    EXPECT_EQ(EmployeeRec.FICAEarnings[Now], 500);
    EXPECT_DOUBLE_EQ(EmployeeRec.FICATax[Now], 31.02);
    EXPECT_DOUBLE_EQ(EmployeeRec.FICALib[Now], 31.02);
    EXPECT_DOUBLE_EQ(EmployeeRec.FICATax[Now] + EmployeeRec.FICATax[Ytd], 11439.00);
}

TEST_F(SocialSecurityTest, NothingOnceTheBaseWasReached)
{
    computeOn(1000, 184500, 11439);
    EXPECT_EQ(EmployeeRec.FICAEarnings[Now], 0);
    EXPECT_EQ(EmployeeRec.FICATax[Now], 0);
    EXPECT_EQ(EmployeeRec.FICALib[Now], 0);
}

TEST_F(SocialSecurityTest, YearToDateMadeOfCentsStillReachesTheMaximumExactly)
{
    // Sums of cents carry binary noise; the true-up must not turn it into a stray amount.
    double wages = 0;
    double tax = 0;
    for (int week = 0; week < 52; ++week) {
        wages += 3548.07;
        tax += 219.98;
    }
    computeOn(3548.07, wages, tax);
    EXPECT_EQ(EmployeeRec.FICATax[Now], RoundToDecimals(EmployeeRec.FICATax[Now], 2));
}

TEST_F(SocialSecurityTest, ThirdPartySickPayShareLeavesTheEmployeeTaxOnly)
{
    EmployeeRec.TPSPTaxable[Now] = 100;
    computeOn(1100, 0, 0);
    EXPECT_EQ(EmployeeRec.TPSPFICATax[Now], 6.20);
    EXPECT_DOUBLE_EQ(EmployeeRec.FICATax[Now], 62.00);
    EXPECT_DOUBLE_EQ(EmployeeRec.FICALib[Now], 68.20);
}

TEST_F(SocialSecurityTest, ExemptEmployeeOwesNothingAndNoSickPayShare)
{
    EmployeeRec.FICAExempt = true;
    EmployeeRec.TPSPTaxable[Now] = 100;
    EmployeeRec.TPSPFICATax[Now] = 9.99; // left from an earlier computation
    computeOn(1100, 0, 0);
    EXPECT_EQ(EmployeeRec.FICAEarnings[Now], 0);
    EXPECT_EQ(EmployeeRec.FICATax[Now], 0);
    EXPECT_EQ(EmployeeRec.FICALib[Now], 0);
    EXPECT_EQ(EmployeeRec.TPSPFICATax[Now], 0);
}

TEST_F(SocialSecurityTest, EmptyFederalTableTaxesNothing)
{
    std::memset(&FederalTaxRec, 0, sizeof FederalTaxRec);
    computeOn(1000, 0, 0);
    EXPECT_EQ(EmployeeRec.FICATax[Now], 0);
    EXPECT_EQ(EmployeeRec.FICAEarnings[Now], 0);
}

class MedicareTest : public PayComputeTest {
protected:
    void computeOn(double wages, double yearToDateWages)
    {
        EmployeeRec.MedEarnings[Now] = wages;
        EmployeeRec.MedEarnings[Ytd] = yearToDateWages;
        ComputeMedicareTax();
    }
};

TEST_F(MedicareTest, RateWithoutWageBase)
{
    computeOn(1000, 0);
    EXPECT_EQ(EmployeeRec.MedicareTax[Now], 14.50);
    EXPECT_EQ(EmployeeRec.MedicareLib[Now], 14.50);
    EXPECT_EQ(EmployeeRec.MedSurchargeWages[Now], 0);
}

TEST_F(MedicareTest, AdditionalTaxFromTheThresholdOnIsTheEmployeesAlone)
{
    computeOn(3000, 199000);
    EXPECT_EQ(EmployeeRec.MedSurchargeWages[Now], 2000);
    EXPECT_EQ(EmployeeRec.MedSurchargeTax[Now], 18.00);
    EXPECT_DOUBLE_EQ(EmployeeRec.MedicareTax[Now], 43.50 + 18.00);
    EXPECT_EQ(EmployeeRec.MedicareLib[Now], 43.50);

    computeOn(3000, 202000);
    EXPECT_EQ(EmployeeRec.MedSurchargeWages[Now], 3000);
    EXPECT_EQ(EmployeeRec.MedSurchargeTax[Now], 27.00);
}

TEST_F(MedicareTest, ReachingTheThresholdExactlyAddsNothing)
{
    computeOn(1000, 199000);
    EXPECT_EQ(EmployeeRec.MedSurchargeWages[Now], 0);
    EXPECT_EQ(EmployeeRec.MedSurchargeTax[Now], 0);
}

TEST_F(MedicareTest, ThirdPartySickPayShareIsTakenOut)
{
    EmployeeRec.TPSPTaxable[Now] = 100;
    computeOn(1100, 0);
    EXPECT_EQ(EmployeeRec.TPSPMedicareTax[Now], 1.45);
    EXPECT_DOUBLE_EQ(EmployeeRec.MedicareTax[Now], 14.50);
    EXPECT_EQ(EmployeeRec.MedicareLib[Now], 15.95);
}

TEST_F(MedicareTest, ExemptEmployeeOwesNothing)
{
    EmployeeRec.MedExempt = true;
    EmployeeRec.MedSurchargeTax[Now] = 5;
    EmployeeRec.TPSPTaxable[Now] = 100;
    computeOn(1100, 250000);
    EXPECT_EQ(EmployeeRec.MedEarnings[Now], 0);
    EXPECT_EQ(EmployeeRec.MedicareTax[Now], 0);
    EXPECT_EQ(EmployeeRec.MedicareLib[Now], 0);
    EXPECT_EQ(EmployeeRec.MedSurchargeWages[Now], 0);
    EXPECT_EQ(EmployeeRec.MedSurchargeTax[Now], 0);
    EXPECT_EQ(EmployeeRec.TPSPMedicareTax[Now], 0);
}
