#include "PayComputeFixture.h"

#include "payroll/FutaTax.h"

class FutaTaxTest : public PayComputeTest {
protected:
    void computeOn(double wages, double yearToDateWages, double yearToDateTax)
    {
        EmployeeRec.FUTAEarnings[Now] = wages;
        EmployeeRec.FUTAEarnings[Ytd] = yearToDateWages;
        EmployeeRec.FUTALib[Ytd] = yearToDateTax;
        ComputeFUTATax();
    }
};

TEST_F(FutaTaxTest, RateOnWagesBelowTheBase)
{
    computeOn(1000, 0, 0);
    EXPECT_EQ(EmployeeRec.FUTALib[Now], 6.00);
}

TEST_F(FutaTaxTest, PeriodReachingTheBaseIsCutAndTrueUpped)
{
    computeOn(1000, 6500, 38.97);
    EXPECT_EQ(EmployeeRec.FUTAEarnings[Now], 500);
    EXPECT_DOUBLE_EQ(EmployeeRec.FUTALib[Now], 3.03);
    EXPECT_DOUBLE_EQ(EmployeeRec.FUTALib[Now] + EmployeeRec.FUTALib[Ytd], 42.00);

    computeOn(1000, 7000, 42);
    EXPECT_EQ(EmployeeRec.FUTAEarnings[Now], 0);
    EXPECT_EQ(EmployeeRec.FUTALib[Now], 0);
}

TEST_F(FutaTaxTest, BaseReachedThroughCentsStillTrueUps)
{
    // 6500.30 + 1000.10 - 7000 leaves binary noise in the capped wages.
    computeOn(1000.10, 6500.30, 39.00);
    EXPECT_NEAR(EmployeeRec.FUTAEarnings[Now], 499.70, 1e-9);
    EXPECT_DOUBLE_EQ(EmployeeRec.FUTALib[Now], 3.00);
}

TEST_F(FutaTaxTest, ExemptEmployerOwesNothing)
{
    EmployeeRec.FUTAExempt = true;
    computeOn(1000, 0, 0);
    EXPECT_EQ(EmployeeRec.FUTAEarnings[Now], 0);
    EXPECT_EQ(EmployeeRec.FUTALib[Now], 0);
}
