#include "PayComputeFixture.h"

#include "payroll/PayCompute.h"
#include "payroll/PayComputeSteps.h"
#include "payroll/UserFieldActions.h"

namespace {

// A Texas employee exempt from the federal taxes, so that net pay equals gross pay unless a field
// says otherwise: 40 regular hours at 25.00 and 5 overtime hours at 37.50.
class UserFieldActionsTest : public PayComputeTest {
protected:
    void SetUp() override
    {
        PayComputeTest::SetUp();
        EmployeeRec.RegularRate = 25;
        EmployeeRec.RegularTime = 40;
        EmployeeRec.OverTimeRate = 37.5;
        exemptFromTaxes(true);
    }

    static void exemptFromTaxes(bool exempt)
    {
        EmployeeRec.FedExempt = EmployeeRec.FICAExempt = EmployeeRec.MedExempt = exempt;
        EmployeeRec.FUTAExempt = EmployeeRec.UnempExempt = EmployeeRec.DisbExempt = exempt;
    }

    static void setAction(int field, UserFieldAction action, double amount)
    {
        EmployeeRec.UserAction[field] = action;
        EmployeeRec.UserAmount[field] = amount;
    }

    // The pass before the actions, then the given number of rounds.
    static void compute(int rounds = 1)
    {
        RunPayComputationPass();
        for (int round = 0; round < rounds; ++round)
            ApplyUserFieldActions();
    }
};

TEST_F(UserFieldActionsTest, DeductionPercentOfNetPayBeforeIt)
{
    EmployeeRec.RegularRate = 22.5;
    setAction(6, fa_NetPay, 10);
    compute();
    EXPECT_DOUBLE_EQ(EmployeeRec.UserDeduct1[Now], 90);
    EXPECT_DOUBLE_EQ(EmployeeRec.NetPay[Now], 810);
    // The next round takes net pay without the deduction again.
    ApplyUserFieldActions();
    EXPECT_DOUBLE_EQ(EmployeeRec.UserDeduct1[Now], 90);
    EXPECT_DOUBLE_EQ(EmployeeRec.NetPay[Now], 810);
}

TEST_F(UserFieldActionsTest, EarningPercentOfGrossPayWithoutIt)
{
    setAction(1, fa_GrossWages, 5);
    compute(5);
    EXPECT_DOUBLE_EQ(EmployeeRec.UserPay1[Now], 50);
    EXPECT_DOUBLE_EQ(EmployeeRec.GrossWages[Now], 1050);
}

TEST_F(UserFieldActionsTest, EarningPercentOfNetPayWithoutIt)
{
    setAction(4, fa_NetPay, 10);
    compute(5);
    EXPECT_DOUBLE_EQ(EmployeeRec.UserPay4[Now], 100);
    EXPECT_DOUBLE_EQ(EmployeeRec.NetPay[Now], 1100);
}

TEST_F(UserFieldActionsTest, HourActions)
{
    EmployeeRec.OverTime = 5;
    setAction(2, fa_RegularTime, 1.25);
    setAction(11, fa_TotalTime, 0.5);
    compute();
    EXPECT_DOUBLE_EQ(EmployeeRec.UserPay2[Now], 50);
    EXPECT_DOUBLE_EQ(EmployeeRec.UserLib1[Now], 22.5);
}

TEST_F(UserFieldActionsTest, PercentOfWagesFederalWagesAndMedicareWages)
{
    exemptFromTaxes(false);
    EmployeeRec.Plan401kPct = 10;
    setAction(7, fa_Wages, 3);
    setAction(12, fa_FedWages, 10);
    setAction(13, fa_MedWages, 1);
    compute(5);
    EXPECT_DOUBLE_EQ(EmployeeRec.UserDeduct2[Now], 30);
    // 1,000 less the 100 deferred; the deferral stays in Medicare wages.
    EXPECT_DOUBLE_EQ(EmployeeRec.UserLib2[Now], 90);
    EXPECT_DOUBLE_EQ(EmployeeRec.UserLib3[Now], 10);
}

TEST_F(UserFieldActionsTest, AmountsStayWithinTheYearMaximum)
{
    setAction(6, fa_NetPay, 10);
    EmployeeRec.UserMaxAmt[6] = 1000;
    EmployeeRec.UserDeduct1[Ytd] = 950;
    compute(5);
    EXPECT_DOUBLE_EQ(EmployeeRec.UserDeduct1[Now], 50);
    EXPECT_DOUBLE_EQ(EmployeeRec.NetPay[Now], 950);
}

TEST_F(UserFieldActionsTest, AmountsRoundToCents)
{
    setAction(1, fa_Wages, 0.333);
    compute();
    EXPECT_DOUBLE_EQ(EmployeeRec.UserPay1[Now], 3.33);
}

// 0.4175 % of 1,000 is exactly 4.175; 1.01 an hour for 2.5 hours is exactly 2.525.
TEST_F(UserFieldActionsTest, ExactHalfCentsRoundAwayFromZero)
{
    setAction(6, fa_Wages, 0.4175);
    setAction(11, fa_RegularTime, 1.01);
    EmployeeRec.RegularTime = 2.5;
    EmployeeRec.RegularRate = 400;
    compute();
    EXPECT_EQ(EmployeeRec.UserDeduct1[Now], 4.18);
    EXPECT_EQ(EmployeeRec.UserLib1[Now], 2.53);
}

TEST_F(UserFieldActionsTest, UnknownActionOnlyRoundsAndLimitsWhileNoActionLeavesTheAmount)
{
    EmployeeRec.UserAction[3] = 9;
    EmployeeRec.UserPay3[Now] = 12.345;
    EmployeeRec.UserPay4[Now] = 1.005;
    EmployeeRec.UserAction[8] = 8;
    EmployeeRec.UserDeduct3[Now] = 80;
    EmployeeRec.UserMaxAmt[8] = 60;
    compute();
    EXPECT_DOUBLE_EQ(EmployeeRec.UserPay3[Now], 12.35);
    EXPECT_DOUBLE_EQ(EmployeeRec.UserPay4[Now], 1.005);
    EXPECT_DOUBLE_EQ(EmployeeRec.UserDeduct3[Now], 60);
}

} // namespace
