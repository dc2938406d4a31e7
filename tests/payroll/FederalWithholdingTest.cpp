#include "PayComputeFixture.h"

#include "payroll/FederalWithholding.h"

class FederalWithholdingTest : public PayComputeTest {
protected:
    double withhold(double federalWages)
    {
        EmployeeRec.FedEarnings[Now] = federalWages;
        ComputeFederalWithholding();
        return EmployeeRec.FederalTax[Now];
    }
};

TEST_F(FederalWithholdingTest, HandWorkedCases)
{
    struct Case {
        const char* what;
        int frequency;
        bool married, headOfHousehold, step2;
        double dependents, otherIncome, deductions, wages, expected;
    };
    const Case cases[] = {
        // 52 x 1000 - 8600 = 43400: 1240 + 12% of 23500 = 4060 a year, 78.08 a week.
        {"weekly single", 1, false, false, false, 0, 0, 0, 1000, 78},
        // 26 x 3000 - 12900 = 65100: 2480 + 12% of 21000 = 5000, less 4400 = 600, 23.08.
        {"biweekly married, dependents", 2, true, false, false, 4400, 0, 0, 3000, 23},
        // Step 2 schedule: 52000 lies in 33250..60900 at 2900 + 22%: 7025, 135.10 a week.
        {"weekly single, step 2", 1, false, false, true, 0, 0, 0, 1000, 135},
        // 12 x 25000 - 8600 = 291400: 58448 + 35% of 27675 = 68134.25, 5677.85 a month.
        {"monthly single", 4, false, false, false, 0, 0, 0, 25000, 5678},
        // 24 x 2000 - 8600 = 39400 by the head-of-household table: 1770 + 12% of 6150 = 2508, 104.50.
        {"semimonthly head of household", 3, false, true, false, 0, 0, 0, 2000, 105},
        // 52 x 1000 + 5200 - 2600 - 8600 = 46000: 1240 + 12% of 26100 = 4372, 84.08.
        {"other income and deductions", 1, false, false, false, 0, 5200, 2600, 1000, 84},
        // Married, step 2: bounds (b + 12900) / 2, so 78000 lies in 66500..121800 at 5800 + 22%
        // of 11500 = 8330, 320.38 a fortnight.
        {"biweekly married, step 2", 2, true, false, true, 0, 0, 0, 3000, 320},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EmployeeRecord& e = EmployeeRec;
        e.Frequency = static_cast<std::uint8_t>(c.frequency);
        e.Married = c.married;
        e.HOH = c.headOfHousehold;
        e.Single = !c.married && !c.headOfHousehold;
        e.FW4Box2c = c.step2;
        e.FW4Box3 = c.dependents;
        e.FW4Box4a = c.otherIncome;
        e.FW4Box4b = c.deductions;
        EXPECT_EQ(withhold(c.wages), c.expected);
    }
}

// Publication 15-T prints the single checkbox schedule from 8050, reaching 620 at 14250.
TEST_F(FederalWithholdingTest, StepTwoScheduleDerivedFromTheStandardTable)
{
    const WithholdingTable single = ChooseWithholdingTable(FederalTaxRec, false, false, true);
    EXPECT_EQ(single[0].wagesOver, 8050);
    EXPECT_EQ(single[0].wagesNotOver, 14250);
    EXPECT_EQ(single[1].wagesOver, 14250);
    EXPECT_EQ(single[1].taxAmount, 620);
    EXPECT_EQ(single[1].taxRate, 12);
    EXPECT_EQ(single[6].wagesOver, 328350);
    EXPECT_EQ(single[6].taxAmount, 96489.625);
    EXPECT_NEAR(AnnualWithholding(single, 14250), 620, 1e-9);

    const WithholdingTable married = ChooseWithholdingTable(FederalTaxRec, true, false, true);
    EXPECT_EQ(married[0].wagesOver, 16100);
    EXPECT_EQ(married[1].wagesOver, 28500);
    EXPECT_EQ(married[1].taxAmount, 1240);

    const WithholdingTable headOfHousehold = ChooseWithholdingTable(FederalTaxRec, false, true, true);
    EXPECT_EQ(headOfHousehold[0].wagesOver, 12075);
    EXPECT_EQ(headOfHousehold[1].taxAmount, 885);
}

TEST_F(FederalWithholdingTest, RowBoundsIncludeTheLowerAndExcludeTheUpper)
{
    const WithholdingTable single = ChooseWithholdingTable(FederalTaxRec, false, false, false);
    EXPECT_EQ(AnnualWithholding(single, 7499.99), 0);
    EXPECT_EQ(AnnualWithholding(single, 7500), 0);
    EXPECT_NEAR(AnnualWithholding(single, 19900), 1240, 1e-9);
    EXPECT_NEAR(AnnualWithholding(single, 648100), 192979.25, 1e-9);
    EXPECT_NEAR(AnnualWithholding(single, 1000000), 192979.25 + 0.37 * 351900, 1e-6);
}

TEST_F(FederalWithholdingTest, WagesInAGapAreTaxedByTheRowBelow)
{
    WithholdingTable table = ChooseWithholdingTable(FederalTaxRec, false, false, false);
    table[1].wagesOver = 20000; // 19900..20000 is now in no row
    EXPECT_NEAR(AnnualWithholding(table, 19950), 1245, 1e-9);
}

TEST_F(FederalWithholdingTest, DependentCreditsAboveTheTaxLeaveOnlyTheExtraWithholding)
{
    EmployeeRec.FW4Box3 = 10000;
    EmployeeRec.FedAddTax = 12.50;
    EXPECT_EQ(withhold(1000), 12.50);
}

TEST_F(FederalWithholdingTest, ExtraWithholdingIsAddedAfterRounding)
{
    EmployeeRec.FedAddTax = 10.25;
    EXPECT_EQ(withhold(1000), 88.25);
}

TEST_F(FederalWithholdingTest, ExemptFromWithholdingKeepsOnlyTheExtraAmount)
{
    EmployeeRec.FedWithExempt = true;
    EmployeeRec.FedAddTax = 25;
    EXPECT_EQ(withhold(5000), 25);
    EXPECT_EQ(withhold(0), 0);
}

TEST_F(FederalWithholdingTest, ExemptWagesWithholdNothingEvenExtra)
{
    EmployeeRec.FedExempt = true;
    EmployeeRec.FedAddTax = 25;
    EXPECT_EQ(withhold(1000), 0);
    EXPECT_EQ(EmployeeRec.FedEarnings[Now], 0);
}

TEST_F(FederalWithholdingTest, ThirdPartySickPayIsLeftOutOfTheAnnualWages)
{
    EmployeeRec.TPSPTaxable[Now] = 200;
    EXPECT_EQ(withhold(1200), 78);
    EXPECT_EQ(EmployeeRec.FedEarnings[Now], 1200);
}

TEST_F(FederalWithholdingTest, UnknownPayFrequencyIsRefusedNamingTheEmployee)
{
    EmployeeRec.Frequency = 0;
    try {
        withhold(1000);
        FAIL() << "no error";
    } catch (const ECustomException& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("Ann Smith")));
    }
}
