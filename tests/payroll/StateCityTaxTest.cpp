#include "PayStepTest.h"

#include "payroll/StateCityTax.h"

namespace {

constexpr double kNoUpperLimit = 999999999999.0;

// Three brackets, the same for single and married: 2% to 10,000, 4.5% to 50,000, 5.5% above.
template <typename Table>
void SetBrackets(Table& table)
{
    const double over[] = {0, 10000, 50000};
    const double butNotOver[] = {10000, 50000, kNoUpperLimit};
    const double amount[] = {0, 200, 2000};
    const double rate[] = {2, 4.5, 5.5};
    for (int row = 1; row <= 3; ++row) {
        table.S_Over[row] = table.M_Over[row] = over[row - 1];
        table.S_ButNotOver[row] = table.M_ButNotOver[row] = butNotOver[row - 1];
        table.S_TaxAmount[row] = table.M_TaxAmount[row] = amount[row - 1];
        table.S_TaxRate[row] = table.M_TaxRate[row] = rate[row - 1];
    }
}

// One bracket at a flat rate for every wage.
template <typename Table>
void SetFlatRate(Table& table, double rate)
{
    table.S_Over[1] = table.M_Over[1] = 0;
    table.S_ButNotOver[1] = table.M_ButNotOver[1] = kNoUpperLimit;
    table.S_TaxRate[1] = table.M_TaxRate[1] = rate;
}

class StateTaxTest : public PayStepTest {
protected:
    void SetUp() override
    {
        PayStepTest::SetUp();
        StateTaxRec.Abbreviation = QStringLiteral("MD");
        StateTaxRec.StateIndex = 22;
    }

    double withhold(double monthlyWages)
    {
        EmployeeRec.StateEarning[Now] = monthlyWages;
        WithholdStateTax();
        return EmployeeRec.StateTax[Now];
    }
};

TEST_F(StateTaxTest, AnnualisedWithDeductionsAllowancesAndCredits)
{
    SetBrackets(StateTaxRec);
    StateTaxRec.StdDeductPct1 = 10;
    StateTaxRec.MinStdDeduct1 = 1000;
    StateTaxRec.MaxStdDeduct1 = 3000;
    StateTaxRec.WithValue = 1000;
    StateTaxRec.TaxCredit1 = 120;
    StateTaxRec.TaxCreditPer1 = 30;
    EmployeeRec.StWithAllow = 2;
    EmployeeRec.StStdDeduct = 500;
    EmployeeRec.StAddTax = 5;

    // 60,000 a year less 2 x 1,000, the standard deduction held at 3,000 and 500 more: 54,500.
    // (54,500 - 50,000) x 5.5% + 2,000 = 2,247.50, less credits 120 + 2 x 30 = 2,067.50 a year,
    // 172.29 a month to one decimal, plus the extra 5.00.
    EXPECT_DOUBLE_EQ(withhold(5000), 177.30);
    EXPECT_DOUBLE_EQ(EmployeeRec.StateEarning[Now], 5000);
}

TEST_F(StateTaxTest, MarriedUseTheMarriedTableAndSecondAmounts)
{
    SetFlatRate(StateTaxRec, 1);
    StateTaxRec.M_TaxRate[1] = 3;
    StateTaxRec.MinStdDeduct2 = 2400;
    StateTaxRec.TaxCredit2 = 36;
    StateTaxRec.MinStdDeduct1 = 99999;
    EmployeeRec.Single = false;
    EmployeeRec.Married = true;
    // (24,000 - 2,400) x 3% - 36 = 612 a year.
    EXPECT_DOUBLE_EQ(withhold(2000), 51.0);
}

TEST_F(StateTaxTest, MinimumStandardDeductionAppliesWithoutPercent)
{
    SetFlatRate(StateTaxRec, 5);
    StateTaxRec.WholeDollar = true;
    StateTaxRec.MinStdDeduct1 = 2000;
    // (12,000 - 2,000) x 5% = 500 a year, 41.67 a month, 42 in whole dollars.
    EXPECT_DOUBLE_EQ(withhold(1000), 42);
}

TEST_F(StateTaxTest, PeriodTaxRoundsToOneDecimalOrWholeDollars)
{
    SetFlatRate(StateTaxRec, 1);
    EXPECT_DOUBLE_EQ(withhold(1234), 12.3);
    StateTaxRec.WholeDollar = true;
    EXPECT_DOUBLE_EQ(withhold(1234), 12);
}

TEST_F(StateTaxTest, FederalWithholdingDeductedWithStateCaps)
{
    struct Case {
        const char* state;
        bool minusFederal;
        double expected;
    };
    // 60,000 a year at a flat 5%, annual federal withholding 9,600.
    const Case cases[] = {
        {"MO", true, 229},   // 5,000 deducted: 2,750 a year
        {"mo", true, 229},
        {"OR", true, 235},   // 3,500 deducted: 2,825 a year
        {"AL", true, 210},   // all 9,600 deducted: 2,520 a year
        {"MO", false, 250},  // nothing deducted: 3,000 a year
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state);
        StateTaxRec = {};
        SetFlatRate(StateTaxRec, 5);
        StateTaxRec.WholeDollar = true;
        StateTaxRec.Abbreviation = QString::fromLatin1(c.state);
        StateTaxRec.MinusFedTax = c.minusFederal;
        EmployeeRec.FederalTax[Now] = 800;
        EXPECT_DOUBLE_EQ(withhold(5000), c.expected);
    }
}

TEST_F(StateTaxTest, ConnecticutExemptionAndFactor)
{
    struct Case {
        bool married;
        double monthlyWages;
        double expected;
    };
    const Case cases[] = {
        // 24,500.40 a year, 24,500 in whole dollars. Not married: exemption 11,000, taxable
        // 13,500.40, tax 357.518, factor 0.85: 303.89 a year, 25.3 a month.
        {false, 2041.70, 25.3},
        // Married: exemption 19,000, taxable 5,500.40, tax 110.008, factor 0.30: 2.75 a month.
        {true, 2041.70, 2.8},
        // Married at 18,000 a year: factor 0, only the extra withholding.
        {true, 1500, 7.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.married ? "married" : "not married");
        StateTaxRec = {};
        SetBrackets(StateTaxRec);
        StateTaxRec.Abbreviation = QStringLiteral("CT");
        // The state's own standard deduction gives way to the exemption.
        StateTaxRec.MinStdDeduct1 = StateTaxRec.MinStdDeduct2 = 5000;
        EmployeeRec.Married = c.married;
        EmployeeRec.Single = !c.married;
        EmployeeRec.StAddTax = c.monthlyWages == 1500 ? 7 : 0;
        EXPECT_DOUBLE_EQ(withhold(c.monthlyWages), c.expected);
    }
}

TEST_F(StateTaxTest, AnnualWagesBeyondAnIntegerStillWithhold)
{
    SetBrackets(StateTaxRec);
    StateTaxRec.Abbreviation = QStringLiteral("CT");
    // 3,600,000,000 a year: no exemption, factor 1; (3.6e9 - 50,000) x 5.5% + 2,000.
    EXPECT_DOUBLE_EQ(withhold(300000000), 16499937.5);
}

TEST_F(StateTaxTest, CreditsLargerThanTheTaxReduceTheExtraWithholding)
{
    StateTaxRec.TaxCredit1 = 48;
    EmployeeRec.StAddTax = 10;
    // No tax, a credit of 48 a year: -4.0 a month, leaving 6.00 of the extra 10.00.
    EXPECT_DOUBLE_EQ(withhold(1000), 6);
    EmployeeRec.StAddTax = 3;
    EXPECT_DOUBLE_EQ(withhold(1000), 0);
}

TEST_F(StateTaxTest, ExemptionsAndStatesWithoutWages)
{
    SetFlatRate(StateTaxRec, 5);
    EmployeeRec.StAddTax = 15;

    EmployeeRec.StWithExempt = true;
    EXPECT_DOUBLE_EQ(withhold(3000), 15);

    // A state without income tax leaves no wages, so not even the extra amount is withheld.
    EXPECT_DOUBLE_EQ(withhold(0), 0);

    EmployeeRec.StWithExempt = false;
    EmployeeRec.StateExempt = true;
    EXPECT_DOUBLE_EQ(withhold(3000), 0);
    EXPECT_DOUBLE_EQ(EmployeeRec.StateEarning[Now], 0);
}

TEST_F(StateTaxTest, ThirdPartySickPayStaysOutOfAnnualWages)
{
    SetFlatRate(StateTaxRec, 10);
    EmployeeRec.TPSPTaxable[Now] = 500;
    // (1,500 - 500) x 12 x 10% = 1,200 a year.
    EXPECT_DOUBLE_EQ(withhold(1500), 100);
    EXPECT_DOUBLE_EQ(EmployeeRec.StateEarning[Now], 1500);
}

class CityTaxTest : public PayStepTest {
protected:
    void SetUp() override
    {
        PayStepTest::SetUp();
        EmployeeRec.CityIndex = 2;
        EmployeeRec.CityName = QStringLiteral("METRO");
        CityTaxRec.CityName = QStringLiteral("METRO");
    }

    double withhold(double monthlyWages)
    {
        EmployeeRec.CityEarnings[Now] = monthlyWages;
        WithholdCityTax();
        return EmployeeRec.CityTax[Now];
    }
};

TEST_F(CityTaxTest, AnnualisedWithWholePercentDeduction)
{
    SetFlatRate(CityTaxRec, 1.5);
    CityTaxRec.StdDeductPct1 = 2;
    CityTaxRec.MaxStdDeduct1 = 1000;
    CityTaxRec.WithValue = 500;
    CityTaxRec.TaxCredit1 = 50;
    EmployeeRec.CityWithAllow = 1;
    EmployeeRec.CityAddTax = 2;
    // 36,000 less 720 and 500 = 34,780 at 1.5% = 521.70, less 50: 39.31 a month, 39.3, plus 2.
    EXPECT_DOUBLE_EQ(withhold(3000), 41.3);
}

TEST_F(CityTaxTest, NoCityWithholdsNothing)
{
    SetFlatRate(CityTaxRec, 1.5);
    EmployeeRec.CityIndex = 1;
    EmployeeRec.CityAddTax = 5;
    EXPECT_DOUBLE_EQ(withhold(3000), 0);
    EXPECT_DOUBLE_EQ(EmployeeRec.CityEarnings[Now], 0);
}

TEST_F(CityTaxTest, ExtraWithholdingWithoutWagesLessCreditsNeverBelowZero)
{
    EmployeeRec.CityAddTax = 5;
    CityTaxRec.TaxCredit1 = 24;
    EXPECT_DOUBLE_EQ(withhold(0), 3);
    CityTaxRec.TaxCredit1 = 120;
    EXPECT_DOUBLE_EQ(withhold(0), 0);
}

} // namespace
