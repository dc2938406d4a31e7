#include "PayComputeFixture.h"

#include "client/PayUtil.h"
#include "payroll/PayCompute.h"

class PayComputePipelineTest : public PayComputeTest {
protected:
    void paySalary(double amount)
    {
        EmployeeRec.RegularRate = amount;
        EmployeeRec.RegularTime = 1;
    }
};

TEST_F(PayComputePipelineTest, WeeklySingleThousand)
{
    paySalary(1000);
    CalculateEmployeePay();
    const EmployeeRecord& e = EmployeeRec;
    EXPECT_EQ(e.FederalTax[Now], 78);
    EXPECT_EQ(e.FICATax[Now], 62.00);
    EXPECT_EQ(e.MedicareTax[Now], 14.50);
    EXPECT_EQ(e.FUTALib[Now], 6.00);
    EXPECT_EQ(e.GrossWages[Now], 1000);
    EXPECT_DOUBLE_EQ(e.TotalDeduct[Now], 154.50);
    EXPECT_DOUBLE_EQ(e.NetPay[Now], 845.50);
    EXPECT_DOUBLE_EQ(e.TotalLib[Now], 62.00 + 14.50 + 6.00);
}

TEST_F(PayComputePipelineTest, WeeklySingleWithStepTwoChecked)
{
    paySalary(1000);
    EmployeeRec.FW4Box2c = true;
    CalculateEmployeePay();
    EXPECT_EQ(EmployeeRec.FederalTax[Now], 135);
}

TEST_F(PayComputePipelineTest, BiweeklyMarriedWithDependents)
{
    EmployeeRec.Frequency = 2;
    EmployeeRec.Single = false;
    EmployeeRec.Married = true;
    EmployeeRec.FW4Box3 = 4400;
    paySalary(3000);
    CalculateEmployeePay();
    EXPECT_EQ(EmployeeRec.FederalTax[Now], 23);
}

// A monthly salary of 25000.00 through the year: the Social Security base of 184500 is crossed in
// month 8, the additional Medicare threshold of 200000 is reached exactly at month 8.
TEST_F(PayComputePipelineTest, MonthlyYearThroughTheWageBases)
{
    EmployeeRec.Frequency = 4;
    paySalary(25000);
    for (int month = 1; month <= 12; ++month) {
        SCOPED_TRACE(testing::Message() << "month " << month);
        CalculateEmployeePay();
        const EmployeeRecord& e = EmployeeRec;
        EXPECT_EQ(e.FederalTax[Now], 5678);
        if (month <= 7)
            EXPECT_EQ(e.FICATax[Now], 1550.00);
        else if (month == 8)
            EXPECT_EQ(e.FICATax[Now], 589.00);
        else
            EXPECT_EQ(e.FICATax[Now], 0);
        EXPECT_EQ(e.MedSurchargeTax[Now], month <= 8 ? 0.00 : 225.00);
        EXPECT_DOUBLE_EQ(e.MedicareTax[Now], month <= 8 ? 362.50 : 587.50);
        EXPECT_EQ(e.MedicareLib[Now], 362.50);
        postCurrentPeriod();
        if (month == 8) {
            EXPECT_DOUBLE_EQ(e.FICATax[Ytd], 11439.00);
            EXPECT_DOUBLE_EQ(e.FICAEarnings[Ytd], 184500.00);
            EXPECT_EQ(e.MedSurchargeWages[Ytd], 0);
        }
    }
    EXPECT_DOUBLE_EQ(EmployeeRec.FICATax[Ytd], 11439.00);
    EXPECT_DOUBLE_EQ(EmployeeRec.MedSurchargeWages[Ytd], 100000.00);
    EXPECT_DOUBLE_EQ(EmployeeRec.FUTALib[Ytd], 42.00);
}

TEST_F(PayComputePipelineTest, WeeklyFutaStopsAtItsBase)
{
    paySalary(1000);
    for (int week = 1; week <= 10; ++week) {
        SCOPED_TRACE(testing::Message() << "week " << week);
        CalculateEmployeePay();
        EXPECT_EQ(EmployeeRec.FUTALib[Now], week <= 7 ? 6.00 : 0.00);
        EXPECT_EQ(EmployeeRec.FUTAEarnings[Now], week <= 7 ? 1000.00 : 0.00);
        postCurrentPeriod();
    }
    EXPECT_DOUBLE_EQ(EmployeeRec.FUTAEarnings[Ytd], 7000.00);
    EXPECT_DOUBLE_EQ(EmployeeRec.FUTALib[Ytd], 42.00);
}

// Net pay must not depend on which path computed it: the pipeline's totals are those that posting
// and manual entry recompute, nonqualified plan contributions included.
TEST_F(PayComputePipelineTest, TotalsAgreeWithTheTotalsRecomputation)
{
    EmployeeRecord& e = EmployeeRec;
    paySalary(1000);
    e.Tips[Now] = 80;
    e.RHealthIns = 35;
    e.RNonQualPlan = 60;
    e.Plan401k[Now] = 50;
    e.UserDeduct2[Now] = 20;
    e.UserLib1[Now] = 4;
    CompanyRec.IncludeTips = false;
    CalculateEmployeePay();

    EXPECT_DOUBLE_EQ(e.TotalDeduct[Now], e.FICATax[Now] + e.FederalTax[Now] + e.MedicareTax[Now] + 35 + 50 + 60 + 20);
    EXPECT_DOUBLE_EQ(e.NetPay[Now], 1000 - e.TotalDeduct[Now]);

    const EmployeeRecord computed = e;
    UpdateTotalColumns(kCurrentColumn);
    EXPECT_EQ(e.GrossWages[Now], computed.GrossWages[Now]);
    EXPECT_EQ(e.PensionPlans[Now], computed.PensionPlans[Now]);
    EXPECT_EQ(e.TotalDeduct[Now], computed.TotalDeduct[Now]);
    EXPECT_EQ(e.NetPay[Now], computed.NetPay[Now]);
    EXPECT_EQ(e.TotalLib[Now], computed.TotalLib[Now]);
}

TEST_F(PayComputePipelineTest, NonQualifiedPlanIsDeductedButTaxedAsWages)
{
    paySalary(1000);
    EmployeeRec.RNonQualPlan = 60;
    CalculateEmployeePay();
    EXPECT_EQ(EmployeeRec.FedEarnings[Now], 1000);
    EXPECT_EQ(EmployeeRec.FederalTax[Now], 78);
    EXPECT_DOUBLE_EQ(EmployeeRec.NetPay[Now], 845.50 - 60);
}

TEST_F(PayComputePipelineTest, WritesOnlyTheCurrentColumn)
{
    paySalary(1000);
    EmployeeRecord& e = EmployeeRec;
    for (int group = 0; group < kAmountGroupCount; ++group) {
        TPeriodAmounts& amounts = AmountGroup(e, group);
        amounts[kMonthToDateColumn] = 1;
        amounts[kQuarterToDateColumn] = 2;
    }
    e.AllocatedTip[Now] = 7;
    e.TPSPGross[Now] = 8;
    e.TPSPFederalTax[Now] = 9;
    e.HoursPaid[Now] = 10;
    const EmployeeRecord before = e;
    CalculateEmployeePay();
    for (int group = 0; group < kAmountGroupCount; ++group) {
        SCOPED_TRACE(testing::Message() << "group " << group);
        for (int column = kMonthToDateColumn; column <= kYearToDateColumn; ++column)
            EXPECT_EQ(AmountGroup(e, group)[column], AmountGroup(before, group)[column]);
    }
    EXPECT_EQ(e.AllocatedTip[Now], 7);
    EXPECT_EQ(e.TPSPGross[Now], 8);
    EXPECT_EQ(e.TPSPFederalTax[Now], 9);
    EXPECT_EQ(e.HoursPaid[Now], 10);
}

TEST_F(PayComputePipelineTest, RunningTwiceGivesTheSameFigures)
{
    paySalary(1234.56);
    EmployeeRec.FringeBen[Now] = 17.25;
    EmployeeRec.Plan403b[Now] = 61.73;
    CalculateEmployeePay();
    const EmployeeRecord first = EmployeeRec;
    CalculateEmployeePay();
    EXPECT_EQ(std::memcmp(&first, &EmployeeRec, sizeof first), 0);
}

// Each percentage lands exactly on half a cent, where the double product lies just below the half;
// the half goes away from zero.
TEST_F(PayComputePipelineTest, ExactHalfCentsRoundAwayFromZero)
{
    struct Case {
        const char* what;
        double pay;
        TPeriodAmounts EmployeeRecord::*tax;
        double expected;
    };
    const Case cases[] = {
        {"Social Security, 6.2% of 42.50", 42.50, &EmployeeRecord::FICATax, 2.64},
        {"Medicare, 1.45% of 70.00", 70.00, &EmployeeRecord::MedicareTax, 1.02},
        {"FUTA, 0.6% of 167.50", 167.50, &EmployeeRecord::FUTALib, 1.01},
        {"Medicare, 1.45% of 150.00", 150.00, &EmployeeRecord::MedicareTax, 2.18},
        {"disability, 1.1% of 145.00", 145.00, &EmployeeRecord::DisbTax, 1.60},
    };
    editStateTable("CA", [](StateTaxRecord& state) {
        state.DisbTaxRate = 1.1;
        state.DisbMaxWage = 999999;
    });
    setWorkState("CA");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        paySalary(c.pay);
        CalculateEmployeePay();
        EXPECT_EQ((EmployeeRec.*c.tax)[Now], c.expected);
    }
}

// Rate times hours lands on half a cent with quarter hours and half hours; the double products
// lie just below it.
TEST_F(PayComputePipelineTest, HoursAtARateRoundExactHalfCentsAwayFromZero)
{
    EmployeeRecord& e = EmployeeRec;
    e.RegularRate = 10.10;
    e.RegularTime = 0.25;
    e.HolidayTime = 0.25;
    e.OverTimeRate = 21.10;
    e.OverTime = 0.75;
    e.OtherRate = 1.01;
    e.OtherTime = 2.5;
    CalculateEmployeePay();
    EXPECT_EQ(e.Wages[Now], 2.53);
    EXPECT_EQ(e.HolidayPay[Now], 2.53);
    EXPECT_EQ(e.OverTimePay[Now], 15.83);
    EXPECT_EQ(e.OtherTimePay[Now], 2.53);
}

TEST_F(PayComputePipelineTest, PercentDeferralIsTakenToTheCent)
{
    paySalary(4321.09);
    EmployeeRec.Plan401kPct = 10;
    CalculateEmployeePay();
    const EmployeeRecord& e = EmployeeRec;
    EXPECT_EQ(e.Plan401k[Now], 432.11);
    EXPECT_EQ(e.FederalTax[Now], 717);
    EXPECT_EQ(e.NetPay[Now], 2841.41);
    EXPECT_EQ(RoundToDecimals(e.NetPay[Now], 2), e.NetPay[Now]);
}
