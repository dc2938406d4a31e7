#include "PayStepTest.h"

#include "payroll/PayComputeSteps.h"
#include "platform/Exceptions.h"

namespace {

class UnemploymentDisabilityTest : public PayStepTest {
protected:
    void worksIn(const char* code, int index)
    {
        EmployeeRec.WorkState = QString::fromLatin1(code);
        EmployeeRec.WorkStateIndex = index;
    }
};

TEST_F(UnemploymentDisabilityTest, EmployeeTaxStopsAtTheWageBaseAndTruesUpTheYear)
{
    StateTaxRec.UnempTaxRate = 1.1;
    StateTaxRec.UnempMaxWage = 10000;
    EmployeeRec.UnempEarning[Ytd] = 9500;
    EmployeeRec.UnempTax[Ytd] = 104.47;  // three cents short of 9,500 x 1.1% by earlier rounding

    EmployeeRec.UnempEarning[Now] = 800;
    ComputeEmployeeUITax();
    EXPECT_DOUBLE_EQ(EmployeeRec.UnempEarning[Now], 500);
    // 5.50 on the 500 within the base, plus the three cents that bring the year to 110.00.
    EXPECT_DOUBLE_EQ(EmployeeRec.UnempTax[Now], 5.53);

    // The next period: the year already stands at the base and at the maximum.
    EmployeeRec.UnempEarning[Ytd] = 10000;
    EmployeeRec.UnempTax[Ytd] = 110;
    EmployeeRec.UnempEarning[Now] = 800;
    ComputeEmployeeUITax();
    EXPECT_DOUBLE_EQ(EmployeeRec.UnempEarning[Now], 0);
    EXPECT_DOUBLE_EQ(EmployeeRec.UnempTax[Now], 0);
}

TEST_F(UnemploymentDisabilityTest, EmployeeTaxBelowTheWageBase)
{
    StateTaxRec.DisbTaxRate = 0.9;
    StateTaxRec.DisbMaxWage = 100000;
    EmployeeRec.DisbEarnings[Now] = 2345.67;
    ComputeEmployeeDITax();
    EXPECT_DOUBLE_EQ(EmployeeRec.DisbEarnings[Now], 2345.67);
    EXPECT_DOUBLE_EQ(EmployeeRec.DisbTax[Now], 21.11);
}

TEST_F(UnemploymentDisabilityTest, NewJerseyYearEndsAtItsFixedMaxima)
{
    worksIn("NJ", 33);
    // The table's rate and base alone would give a maximum of 200.00.
    StateTaxRec.UnempTaxRate = 0.5;
    StateTaxRec.UnempMaxWage = 40000;
    StateTaxRec.DisbTaxRate = 0.5;
    StateTaxRec.DisbMaxWage = 40000;
    EmployeeRec.UnempEarning[Ytd] = 39000;
    EmployeeRec.UnempTax[Ytd] = 185;
    EmployeeRec.DisbEarnings[Ytd] = 39500;
    EmployeeRec.DisbTax[Ytd] = 700;

    EmployeeRec.UnempEarning[Now] = 2000;
    EmployeeRec.DisbEarnings[Now] = 2000;
    ComputeEmployeeUITax();
    ComputeEmployeeDITax();

    EXPECT_DOUBLE_EQ(EmployeeRec.UnempEarning[Now], 1000);
    EXPECT_DOUBLE_EQ(EmployeeRec.UnempTax[Now], 5.40);
    EXPECT_DOUBLE_EQ(EmployeeRec.UnempTax[Now] + EmployeeRec.UnempTax[Ytd], 190.40);
    EXPECT_DOUBLE_EQ(EmployeeRec.DisbEarnings[Now], 500);
    EXPECT_DOUBLE_EQ(EmployeeRec.DisbTax[Now], 18.62);
    EXPECT_DOUBLE_EQ(EmployeeRec.DisbTax[Now] + EmployeeRec.DisbTax[Ytd], 718.62);
}

TEST_F(UnemploymentDisabilityTest, NoEmployeeRateMeansNoTaxEvenInNewJersey)
{
    worksIn("NJ", 33);
    StateTaxRec.UnempMaxWage = 40000;
    EmployeeRec.UnempEarning[Ytd] = 39000;
    EmployeeRec.UnempEarning[Now] = 2000;
    ComputeEmployeeUITax();
    EXPECT_DOUBLE_EQ(EmployeeRec.UnempTax[Now], 0);
}

TEST_F(UnemploymentDisabilityTest, EmployerRatesOfTheWorkStateLeaveTheCompanyScreensState)
{
    worksIn("CA", 5);
    CompanyRec.CurrentState = 22;
    CompanyRec.UnempTaxRate[22] = 9;
    CompanyRec.UnempMaxWage[22] = 99999;
    CompanyRec.DisbTaxRate[22] = 9;
    CompanyRec.DisbMaxWage[22] = 99999;
    CompanyRec.UnempTaxRate[5] = 3.4;
    CompanyRec.UnempMaxWage[5] = 7000;
    CompanyRec.DisbTaxRate[5] = 1;
    CompanyRec.DisbMaxWage[5] = 10000;
    EmployeeRec.UICompWages[Ytd] = 6500;
    EmployeeRec.UICompWages[Now] = 1000;
    EmployeeRec.DICompWages[Ytd] = 6500;
    EmployeeRec.DICompWages[Now] = 1000;

    ComputeEmployerUITax();
    ComputeEmployerDITax();

    EXPECT_DOUBLE_EQ(EmployeeRec.UICompWages[Now], 500);
    EXPECT_DOUBLE_EQ(EmployeeRec.UnempLib[Now], 17);
    EXPECT_DOUBLE_EQ(EmployeeRec.DICompWages[Now], 1000);
    EXPECT_DOUBLE_EQ(EmployeeRec.DisbLib[Now], 10);
    EXPECT_EQ(CompanyRec.CurrentState, 22);
}

TEST_F(UnemploymentDisabilityTest, EmployerWithoutWageBaseOwesNothing)
{
    CompanyRec.UnempTaxRate[22] = 2.5;
    EmployeeRec.UICompWages[Now] = 1000;
    ComputeEmployerUITax();
    EXPECT_DOUBLE_EQ(EmployeeRec.UICompWages[Now], 0);
    EXPECT_DOUBLE_EQ(EmployeeRec.UnempLib[Now], 0);
}

TEST_F(UnemploymentDisabilityTest, ExemptEmployeeHasNoBasesTaxesOrLiabilities)
{
    StateTaxRec.UnempTaxRate = StateTaxRec.DisbTaxRate = 1;
    StateTaxRec.UnempMaxWage = StateTaxRec.DisbMaxWage = 50000;
    CompanyRec.UnempTaxRate[22] = CompanyRec.DisbTaxRate[22] = 1;
    CompanyRec.UnempMaxWage[22] = CompanyRec.DisbMaxWage[22] = 50000;
    EmployeeRec.UnempExempt = true;
    EmployeeRec.DisbExempt = true;
    EmployeeRec.UnempEarning[Now] = EmployeeRec.UICompWages[Now] = 1000;
    EmployeeRec.DisbEarnings[Now] = EmployeeRec.DICompWages[Now] = 1000;

    ComputeEmployeeUITax();
    ComputeEmployerUITax();
    ComputeEmployeeDITax();
    ComputeEmployerDITax();

    for (const TPeriodAmounts* group : {&EmployeeRec.UnempEarning, &EmployeeRec.UnempTax, &EmployeeRec.UICompWages,
                                        &EmployeeRec.UnempLib, &EmployeeRec.DisbEarnings, &EmployeeRec.DisbTax,
                                        &EmployeeRec.DICompWages, &EmployeeRec.DisbLib})
        EXPECT_DOUBLE_EQ((*group)[Now], 0);
}

TEST_F(UnemploymentDisabilityTest, UnknownWorkStateIsRefusedNamingTheEmployee)
{
    struct Case {
        const char* code;
        int index;
    };
    const Case cases[] = {{"ZZ", 0}, {"", 0}, {"NJ", 0}, {"NJ", 22}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        worksIn(c.code, c.index);
        EmployeeRec.UICompWages[Now] = 1000;
        EmployeeRec.DICompWages[Now] = 1000;
        for (void (*step)() : {&ComputeEmployerUITax, &ComputeEmployerDITax}) {
            try {
                step();
                ADD_FAILURE() << "the work state was accepted";
            } catch (const ECustomException& e) {
                EXPECT_TRUE(e.message().contains(QStringLiteral("Ann Example"))) << e.what();
                EXPECT_TRUE(e.message().contains(QStringLiteral("work state"))) << e.what();
            }
        }
        EXPECT_DOUBLE_EQ(EmployeeRec.UnempLib[Now], 0);
        EXPECT_DOUBLE_EQ(EmployeeRec.DisbLib[Now], 0);
    }
}

} // namespace
