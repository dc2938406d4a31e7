#include "PayComputeFixture.h"

#include "payroll/PayCompute.h"

namespace {

constexpr double kNoUpperLimit = 999999999999.0;

// A weekly single employee in New Jersey with a city tax, a 401(k) deferral that New Jersey does
// not let reduce its wages, recurring health insurance, and every state tax of the state, the city
// and the company.
class StatePayComputationTest : public PayComputeTest {
protected:
    void SetUp() override
    {
        PayComputeTest::SetUp();
        setWorkState("NJ");
        editStateTable("NJ", [](StateTaxRecord& nj) {
            const double over[] = {0, 10000, 50000};
            const double butNotOver[] = {10000, 50000, kNoUpperLimit};
            const double amount[] = {0, 200, 2000};
            const double rate[] = {2, 4.5, 5.5};
            for (int row = 1; row <= 3; ++row) {
                nj.S_Over[row] = over[row - 1];
                nj.S_ButNotOver[row] = butNotOver[row - 1];
                nj.S_TaxAmount[row] = amount[row - 1];
                nj.S_TaxRate[row] = rate[row - 1];
            }
            nj.WithValue = 1000;
            nj.UnempTaxRate = 0.425;
            nj.UnempMaxWage = 44800;
            nj.DisbTaxRate = 0.23;
            nj.DisbMaxWage = 50000;
            nj.Allow401k = false;
            nj.Allow403b = nj.Allow408k6 = nj.Allow457b = nj.AllowIRASimp = nj.AllowCafPlan = true;
        });
        addWorkCity(QStringLiteral("NEWARK"), [](CityTaxRecord& city) {
            city.S_Over[1] = 0;
            city.S_ButNotOver[1] = kNoUpperLimit;
            city.S_TaxRate[1] = 1;
            city.Allow401k = city.Allow403b = city.Allow408k6 = true;
            city.Allow457b = city.AllowIRASimp = city.AllowCafPlan = true;
        });
        const int nj = stateIndex("NJ");
        CompanyRec.UnempTaxRate[nj] = 2.8;
        CompanyRec.UnempMaxWage[nj] = 44800;
        CompanyRec.DisbTaxRate[nj] = 0.5;
        CompanyRec.DisbMaxWage[nj] = 44800;
        CompanyRec.CurrentState = 1;

        EmployeeRec.DateOfBirth = QStringLiteral("04/01/1986");
        EmployeeRec.RegularRate = 25;
        EmployeeRec.RegularTime = 40;
        EmployeeRec.Plan401kPct = 5;
        EmployeeRec.StWithAllow = 1;
        EmployeeRec.RHealthIns = 20;
    }
};

TEST_F(StatePayComputationTest, WholeEmployeeToTheCent)
{
    CalculateEmployeePay();
    const EmployeeRecord& e = EmployeeRec;

    EXPECT_DOUBLE_EQ(e.GrossWages[Now], 1000);
    EXPECT_DOUBLE_EQ(e.Plan401k[Now], 50);
    EXPECT_DOUBLE_EQ(e.FedEarnings[Now], 950);
    // (950 x 52 - 8,600 - 19,900) x 12% + 1,240 = 3,748 a year: 72 a week.
    EXPECT_DOUBLE_EQ(e.FederalTax[Now], 72);
    EXPECT_DOUBLE_EQ(e.FICATax[Now], 62);
    EXPECT_DOUBLE_EQ(e.MedicareTax[Now], 14.5);
    EXPECT_DOUBLE_EQ(e.FUTALib[Now], 6);

    // The deferral is added back: 52,000 a year less one allowance of 1,000 is 51,000, taxed
    // (51,000 - 50,000) x 5.5% + 2,000 = 2,055 a year: 39.52 a week, 39.5 to one decimal.
    EXPECT_DOUBLE_EQ(e.StateEarning[Now], 1000);
    EXPECT_DOUBLE_EQ(e.StateTax[Now], 39.5);
    // The city lets the deferral reduce its wages: 950 x 52 at 1% = 494 a year.
    EXPECT_DOUBLE_EQ(e.CityEarnings[Now], 950);
    EXPECT_DOUBLE_EQ(e.CityTax[Now], 9.5);

    EXPECT_DOUBLE_EQ(e.UnempEarning[Now], 1000);
    EXPECT_DOUBLE_EQ(e.UnempTax[Now], 4.25);
    EXPECT_DOUBLE_EQ(e.DisbEarnings[Now], 1000);
    EXPECT_DOUBLE_EQ(e.DisbTax[Now], 2.3);
    EXPECT_DOUBLE_EQ(e.UICompWages[Now], 1000);
    EXPECT_DOUBLE_EQ(e.UnempLib[Now], 28);
    EXPECT_DOUBLE_EQ(e.DICompWages[Now], 1000);
    EXPECT_DOUBLE_EQ(e.DisbLib[Now], 5);

    // 62 + 72 + 14.50 + 39.50 + 9.50 + 4.25 + 2.30 + 20 health insurance + 50 deferred.
    EXPECT_DOUBLE_EQ(e.HealthIns[Now], 20);
    EXPECT_NEAR(e.TotalDeduct[Now], 274.05, 1e-9);
    EXPECT_NEAR(e.NetPay[Now], 725.95, 1e-9);
    // 62 + 14.50 + 6 + 28 + 5.
    EXPECT_NEAR(e.TotalLib[Now], 115.5, 1e-9);

    EXPECT_EQ(CompanyRec.CurrentState, 1);
}

TEST_F(StatePayComputationTest, WeekThatReachesTheUnemploymentBaseEndsTheYearAtTheMaximum)
{
    EmployeeRec.UnempEarning[Ytd] = 44000;
    EmployeeRec.UnempTax[Ytd] = 187.01;
    EmployeeRec.UICompWages[Ytd] = 44000;
    CalculateEmployeePay();

    EXPECT_DOUBLE_EQ(EmployeeRec.UnempEarning[Now], 800);
    EXPECT_DOUBLE_EQ(EmployeeRec.UnempTax[Now], 3.39);
    EXPECT_DOUBLE_EQ(EmployeeRec.UICompWages[Now], 800);
    EXPECT_DOUBLE_EQ(EmployeeRec.UnempLib[Now], 22.4);
}

} // namespace
