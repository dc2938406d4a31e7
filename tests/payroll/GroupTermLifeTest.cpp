#include "PayStepTest.h"

#include "payroll/PayComputeSteps.h"
#include "platform/Exceptions.h"

namespace {

class GroupTermLifeTest : public PayStepTest {
protected:
    void SetUp() override
    {
        PayStepTest::SetUp();
        EmployeeRec.GTLIAutoCalc = true;
        EmployeeRec.DateOfBirth = QStringLiteral("06/15/1981");  // 45 in 2026
        EmployeeRec.GTLIFaceAmt = 150000;
    }
};

TEST_F(GroupTermLifeTest, CostOfCoverageAboveFiftyThousandPerPeriod)
{
    struct Case {
        int frequency;
        double employeePays;
        double expected;
    };
    const Case cases[] = {
        {4, 0, 15.00},    // 100 x 0.15 x 12 = 180 a year
        {1, 0, 3.46},     // 180 / 52
        {4, 60, 10.00},   // 120 a year left
        {4, 200, 0.00},   // the employee pays more than the cost
    };
    for (const Case& c : cases) {
        EmployeeRec.Frequency = c.frequency;
        EmployeeRec.GTLIEmpPmt = c.employeePays;
        ComputeGTLICost();
        EXPECT_DOUBLE_EQ(EmployeeRec.GTLIAmount[Now], c.expected) << c.frequency << " " << c.employeePays;
    }
}

TEST_F(GroupTermLifeTest, RateFollowsTheAgeBand)
{
    struct Case {
        const char* dateOfBirth;
        double monthlyCost;  // for 100,000 above the tax-free coverage
    };
    const Case cases[] = {
        {"01/01/2026", 5}, {"01/01/2002", 5}, {"01/01/2001", 6}, {"01/01/1977", 15}, {"01/01/1976", 23},
        {"01/01/1967", 43}, {"01/01/1962", 66}, {"01/01/1961", 127}, {"01/01/1956", 206}, {"01/01/1876", 206},
    };
    for (const Case& c : cases) {
        EmployeeRec.DateOfBirth = QString::fromLatin1(c.dateOfBirth);
        ComputeGTLICost();
        EXPECT_DOUBLE_EQ(EmployeeRec.GTLIAmount[Now], c.monthlyCost) << c.dateOfBirth;
    }
}

TEST_F(GroupTermLifeTest, CoverageUpToFiftyThousandCostsNothing)
{
    EmployeeRec.GTLIFaceAmt = 50000;
    ComputeGTLICost();
    EXPECT_DOUBLE_EQ(EmployeeRec.GTLIAmount[Now], 0);
}

TEST_F(GroupTermLifeTest, WithoutAutomaticCalculationTheAmountStays)
{
    EmployeeRec.GTLIAutoCalc = false;
    EmployeeRec.GTLIAmount[Now] = 7.77;
    ComputeGTLICost();
    EXPECT_DOUBLE_EQ(EmployeeRec.GTLIAmount[Now], 7.77);
}

TEST_F(GroupTermLifeTest, AgeOutsideTheTableIsRefusedNamingTheEmployee)
{
    for (const char* dateOfBirth : {"", "  /  /    ", "01/01/2027", "01/01/1875"}) {
        EmployeeRec.DateOfBirth = QString::fromLatin1(dateOfBirth);
        EmployeeRec.GTLIAmount[Now] = 7.77;
        try {
            ComputeGTLICost();
            ADD_FAILURE() << "computed for " << dateOfBirth;
        } catch (const ECustomException& e) {
            EXPECT_TRUE(e.message().contains(QStringLiteral("Ann Example"))) << e.what();
            EXPECT_TRUE(e.message().contains(QStringLiteral("date of birth"))) << e.what();
        }
        EXPECT_DOUBLE_EQ(EmployeeRec.GTLIAmount[Now], 7.77);
    }
}

} // namespace
