#include "PayStepTest.h"

#include "payroll/PayComputeSteps.h"

namespace {

using RecurringAmountsTest = PayStepTest;

TEST_F(RecurringAmountsTest, CopiesThePeriodAmounts)
{
    EmployeeRec.RDepCareBen = 50;
    EmployeeRec.RFringeBen = 30;
    EmployeeRec.RGTLIAmount = 12.5;
    EmployeeRec.RHealthIns = 80;
    EmployeeRec.RNonQualPlan = 40;
    EmployeeRec.DepCareBen[Now] = 999;

    ApplyRecurringAmounts();

    EXPECT_DOUBLE_EQ(EmployeeRec.DepCareBen[Now], 50);
    EXPECT_DOUBLE_EQ(EmployeeRec.FringeBen[Now], 30);
    EXPECT_DOUBLE_EQ(EmployeeRec.GTLIAmount[Now], 12.5);
    EXPECT_DOUBLE_EQ(EmployeeRec.HealthIns[Now], 80);
    EXPECT_DOUBLE_EQ(EmployeeRec.NonQualPlan[Now], 40);
}

TEST_F(RecurringAmountsTest, AutomaticGroupTermLifeCostIsNotCopied)
{
    EmployeeRec.GTLIAutoCalc = true;
    EmployeeRec.RGTLIAmount = 12.5;
    EmployeeRec.GTLIAmount[Now] = 15;
    ApplyRecurringAmounts();
    EXPECT_DOUBLE_EQ(EmployeeRec.GTLIAmount[Now], 15);
}

TEST_F(RecurringAmountsTest, NamedUserFieldsStayWithinTheirYearMaximum)
{
    CompanyRec.UserDeduct[1] = QStringLiteral("Union dues");
    EmployeeRec.RUserDeduct1 = 50;
    EmployeeRec.UserMaxAmt[6] = 1000;
    EmployeeRec.UserDeduct1[Ytd] = 980;

    ApplyRecurringAmounts();
    EXPECT_DOUBLE_EQ(EmployeeRec.UserDeduct1[Now], 20);

    EmployeeRec.UserDeduct1[Ytd] = 1000;
    ApplyRecurringAmounts();
    EXPECT_DOUBLE_EQ(EmployeeRec.UserDeduct1[Now], 0);
}

TEST_F(RecurringAmountsTest, EachNamedFieldTakesItsOwnAmount)
{
    CompanyRec.UserEarnings[5] = QStringLiteral("Shift bonus");
    CompanyRec.UserDeduct[3] = QStringLiteral("Parking");
    CompanyRec.UserLib[2] = QStringLiteral("Pension match");
    EmployeeRec.RUserPay5 = 25;
    EmployeeRec.RUserDeduct3 = 15;
    EmployeeRec.RUserLib2 = 35;

    ApplyRecurringAmounts();

    EXPECT_DOUBLE_EQ(EmployeeRec.UserPay5[Now], 25);
    EXPECT_DOUBLE_EQ(EmployeeRec.UserDeduct3[Now], 15);
    EXPECT_DOUBLE_EQ(EmployeeRec.UserLib2[Now], 35);
}

TEST_F(RecurringAmountsTest, UnnamedUserFieldKeepsItsTypedAmount)
{
    CompanyRec.UserEarnings[2] = QStringLiteral("   ");
    EmployeeRec.RUserPay2 = 75;
    EmployeeRec.UserPay2[Now] = 30;
    ApplyRecurringAmounts();
    EXPECT_DOUBLE_EQ(EmployeeRec.UserPay2[Now], 30);
}

} // namespace
