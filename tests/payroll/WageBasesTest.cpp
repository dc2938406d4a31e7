#include "PayComputeFixture.h"

#include "payroll/PayCompute.h"

namespace {

// The ten taxable bases of the current period, in one place for comparison.
struct Bases {
    double fed, state, city, fica, med, futa, unemp, disb, uiComp, diComp;
};

Bases CurrentBases()
{
    const EmployeeRecord& e = EmployeeRec;
    constexpr int c = kCurrentColumn;
    return {e.FedEarnings[c],  e.StateEarning[c], e.CityEarnings[c], e.FICAEarnings[c], e.MedEarnings[c],
            e.FUTAEarnings[c], e.UnempEarning[c], e.DisbEarnings[c], e.UICompWages[c],  e.DICompWages[c]};
}

void ExpectBases(const Bases& expected)
{
    const Bases actual = CurrentBases();
    EXPECT_DOUBLE_EQ(actual.fed, expected.fed) << "federal";
    EXPECT_DOUBLE_EQ(actual.state, expected.state) << "state";
    EXPECT_DOUBLE_EQ(actual.city, expected.city) << "city";
    EXPECT_DOUBLE_EQ(actual.fica, expected.fica) << "Social Security";
    EXPECT_DOUBLE_EQ(actual.med, expected.med) << "Medicare";
    EXPECT_DOUBLE_EQ(actual.futa, expected.futa) << "FUTA";
    EXPECT_DOUBLE_EQ(actual.unemp, expected.unemp) << "unemployment";
    EXPECT_DOUBLE_EQ(actual.disb, expected.disb) << "disability";
    EXPECT_DOUBLE_EQ(actual.uiComp, expected.uiComp) << "employer unemployment";
    EXPECT_DOUBLE_EQ(actual.diComp, expected.diComp) << "employer disability";
}

} // namespace

class WageBasesTest : public PayComputeTest {
protected:
    void SetUp() override
    {
        PayComputeTest::SetUp();
        // A state with income tax, so that the state base is not cleared.
        setWorkState("PA");
        EmployeeRec.RegularRate = 20;
        EmployeeRec.RegularTime = 40;
        // Unemployment and disability wage bases far above these wages and a work city without
        // plan flags, so that the tax steps of a whole pass leave every base as the wage-base step
        // made it.
        editStateTable("PA", [](StateTaxRecord& s) { s.UnempMaxWage = s.DisbMaxWage = 1000000; });
        CompanyRec.UnempMaxWage[stateIndex("PA")] = CompanyRec.DisbMaxWage[stateIndex("PA")] = 1000000;
        addWorkCity(QStringLiteral("ERIE"), [](CityTaxRecord&) {});
    }
};

TEST_F(WageBasesTest, HourlyWagesFillEveryBase)
{
    ComputeEarningsAndWageBases();
    EXPECT_EQ(EmployeeRec.Wages[Now], 800.00);
    EXPECT_EQ(EmployeeRec.GrossWages[Now], 800.00);
    ExpectBases({800, 800, 800, 800, 800, 800, 800, 800, 800, 800});
}

TEST_F(WageBasesTest, EarningsAreRateTimesHoursToTheCentReplacingTypedAmounts)
{
    EmployeeRecord& e = EmployeeRec;
    e.RegularRate = 15.333;
    e.RegularTime = 10;     // 153.33
    e.OverTimeRate = 23.005;
    e.OverTime = 1;         // 23.005 rounds away from zero to 23.01
    e.HolidayTime = 8;      // 122.664 -> 122.66
    e.VacationTime = 0.5;   // 7.6665 -> 7.67
    e.SickTime = 0;
    e.OtherRate = 12.5;
    e.OtherTime = 3;        // 37.50
    e.SickPay[Now] = 99;    // typed, replaced by rate times hours
    ComputeEarningsAndWageBases();
    EXPECT_EQ(e.Wages[Now], 153.33);
    EXPECT_EQ(e.OverTimePay[Now], 23.01);
    EXPECT_EQ(e.HolidayPay[Now], 122.66);
    EXPECT_EQ(e.VacationPay[Now], 7.67);
    EXPECT_EQ(e.SickPay[Now], 0.0);
    EXPECT_EQ(e.OtherTimePay[Now], 37.50);
    EXPECT_NEAR(e.GrossWages[Now], 344.17, 1e-9);
}

TEST_F(WageBasesTest, NoStateBaseInStatesWithoutIncomeTax)
{
    for (const char* code : {"AK", "FL", "GU", "NH", "NV", "SD", "TN", "TX", "VI", "WA", "WY"}) {
        SCOPED_TRACE(code);
        setWorkState(code);
        // Even a flag that would add a deferral back leaves nothing to tax.
        editStateTable(code, [](StateTaxRecord& s) { s.Allow401k = false; });
        EmployeeRec.Plan401k[Now] = 50;
        ComputeEarningsAndWageBases();
        EXPECT_EQ(EmployeeRec.StateEarning[Now], 0.0);
        EXPECT_EQ(EmployeeRec.FedEarnings[Now], 750.0);
    }
}

TEST_F(WageBasesTest, TipsStayInEveryBaseButLeaveGrossPayWhenNotIncluded)
{
    CompanyRec.IncludeTips = false;
    EmployeeRec.Tips[Now] = 100;
    RunPayComputationPass();
    ExpectBases({900, 900, 900, 900, 900, 900, 900, 900, 900, 900});
    EXPECT_EQ(EmployeeRec.GrossWages[Now], 800.0);
    EXPECT_DOUBLE_EQ(EmployeeRec.NetPay[Now], 800.0 - EmployeeRec.TotalDeduct[Now]);

    CompanyRec.IncludeTips = true;
    RunPayComputationPass();
    EXPECT_EQ(EmployeeRec.GrossWages[Now], 900.0);
}

TEST_F(WageBasesTest, GroupTermLifeCostIsTaxedButNotPaid)
{
    EmployeeRec.GTLIAmount[Now] = 10;
    RunPayComputationPass();
    ExpectBases({810, 810, 810, 810, 810, 800, 800, 800, 800, 800});
    EXPECT_EQ(EmployeeRec.GrossWages[Now], 800.0);
    EXPECT_DOUBLE_EQ(EmployeeRec.NetPay[Now], 800.0 - EmployeeRec.TotalDeduct[Now]);
}

TEST_F(WageBasesTest, DependentCareIsPaidButInNoBase)
{
    EmployeeRec.DepCareBen[Now] = 50;
    RunPayComputationPass();
    ExpectBases({800, 800, 800, 800, 800, 800, 800, 800, 800, 800});
    EXPECT_EQ(EmployeeRec.GrossWages[Now], 850.0);
    EXPECT_DOUBLE_EQ(EmployeeRec.NetPay[Now], 850.0 - EmployeeRec.TotalDeduct[Now]);
}

TEST_F(WageBasesTest, FringeBenefitsAreInEveryBaseButFuta)
{
    EmployeeRec.FringeBen[Now] = 30;
    ComputeEarningsAndWageBases();
    ExpectBases({830, 830, 830, 830, 830, 800, 830, 830, 830, 830});
    EXPECT_EQ(EmployeeRec.GrossWages[Now], 830.0);
}

TEST_F(WageBasesTest, DeferralAddedBackWhereTheStateDoesNotAllowIt)
{
    editStateTable("PA", [](StateTaxRecord& s) {
        s.Allow401k = false;
        s.Allow403b = true;
    });
    EmployeeRec.Plan401k[Now] = 40;
    EmployeeRec.Plan403b[Now] = 10;
    RunPayComputationPass();
    // Elective deferrals stay FUTA wages; only the income-tax bases exclude them. The work city
    // allows no plan, so the city base keeps both.
    ExpectBases({750, 790, 800, 800, 800, 800, 800, 800, 800, 800});
    EXPECT_EQ(EmployeeRec.PensionPlans[Now], 50.0);
    const EmployeeRecord& e = EmployeeRec;
    const double taxes = e.FICATax[Now] + e.FederalTax[Now] + e.MedicareTax[Now] + e.StateTax[Now] + e.CityTax[Now]
                         + e.UnempTax[Now] + e.DisbTax[Now];
    EXPECT_DOUBLE_EQ(e.TotalDeduct[Now], taxes + 50);
}

TEST_F(WageBasesTest, CityFlagsAddBackOnTheirOwn)
{
    addWorkCity(QStringLiteral("PHILA"), [](CityTaxRecord& c) {
        c.Allow401k = true;
        c.AllowCafPlan = false;
    });
    editStateTable("PA", [](StateTaxRecord& s) {
        s.Allow401k = true;
        s.AllowCafPlan = true;
    });
    EmployeeRec.Plan401k[Now] = 40;
    EmployeeRec.UserDeduct2[Now] = 25;
    EmployeeRec.UserCafePlan[2] = true;
    ComputeEarningsAndWageBases();
    EXPECT_EQ(EmployeeRec.CafePlan[Now], 25.0);
    ExpectBases({735, 735, 760, 775, 775, 775, 800, 800, 800, 800});
}

TEST_F(WageBasesTest, NonQualifiedPlanReducesNoBase)
{
    EmployeeRec.NonQualPlan[Now] = 60;
    ComputeEarningsAndWageBases();
    ExpectBases({800, 800, 800, 800, 800, 800, 800, 800, 800, 800});
    EXPECT_EQ(EmployeeRec.PensionPlans[Now], 0.0);
}

TEST_F(WageBasesTest, ThirdPartySickPayIsInTheTaxBasesOnly)
{
    EmployeeRec.TPSPTaxable[Now] = 100;
    ComputeEarningsAndWageBases();
    ExpectBases({900, 900, 900, 900, 900, 900, 800, 800, 800, 800});
}

TEST_F(WageBasesTest, UserFieldFlags)
{
    EmployeeRecord& e = EmployeeRec;
    e.UserPay1[Now] = 100;        // plain earning: in every base
    e.UserPay2[Now] = 30;         // tax-exempt earning: paid, in no base
    e.UserTaxExemp[2] = true;
    e.UserDeduct1[Now] = 20;      // tax-exempt deduction: out of every base
    e.UserTaxExemp[6] = true;
    e.UserDeduct3[Now] = 15;      // tax-deferred deduction: out of the federal and state bases
    e.UserTaxDefr[3] = true;
    e.UserDeduct4[Now] = 12;      // plain deduction: no effect on any base
    ComputeEarningsAndWageBases();
    EXPECT_EQ(e.GrossWages[Now], 930.0);
    ExpectBases({865, 865, 880, 880, 880, 880, 880, 880, 880, 880});
}

// The plan flags that count are those of the employee's own state, whichever state record the
// program read last (another employee's, or the state screen's).
TEST_F(WageBasesTest, UsesTheEmployeesOwnStateFlagsFromTheFirstPass)
{
    editStateTable("PA", [](StateTaxRecord& s) { s.Allow401k = false; });
    editStateTable("NY", [](StateTaxRecord& s) { s.Allow401k = true; });
    module->RSState.SetCurrentRecord(stateIndex("NY"));
    module->RSState.GetRec();

    EmployeeRec.Plan401k[Now] = 40;
    ComputeEarningsAndWageBases();
    EXPECT_EQ(EmployeeRec.StateEarning[Now], 800.0);
    EXPECT_EQ(StateTaxRec.Abbreviation.get(), QStringLiteral("PA"));
}

TEST_F(WageBasesTest, WorkStateOutsideTheTableIsRefused)
{
    EmployeeRec.WorkStateIndex = 0;
    EXPECT_THROW(ComputeEarningsAndWageBases(), ECustomException);
}
