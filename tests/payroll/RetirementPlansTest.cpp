#include "PayStepTest.h"

#include "payroll/PayComputeSteps.h"

namespace {

class RetirementPlansTest : public PayStepTest {
protected:
    // Every plan asks for half of 100,000 of federal wages, far above any limit.
    void deferHalf()
    {
        EmployeeRec.FedEarnings[Now] = 100000;
        EmployeeRec.Plan401kPct = EmployeeRec.Plan403bPct = EmployeeRec.Plan408k6Pct = 50;
        EmployeeRec.Plan457bPct = EmployeeRec.IRASimplePct = 50;
        ComputeRetirementDeferrals();
    }
};

TEST_F(RetirementPlansTest, ElectiveDeferralLimitsByAge)
{
    struct Case {
        const char* dateOfBirth;
        double limit;
    };
    const Case cases[] = {
        {"03/15/1977", 24500},  // 49
        {"12/31/1976", 32500},  // 50: catch-up from the year the employee turns 50
        {"01/01/1967", 32500},  // 59
        {"07/04/1966", 35750},  // 60
        {"07/04/1963", 35750},  // 63
        {"07/04/1962", 32500},  // 64
        {"", 24500},
        {"13/01/1960", 24500},  // not a date
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dateOfBirth);
        EmployeeRec.DateOfBirth = QString::fromLatin1(c.dateOfBirth);
        deferHalf();
        EXPECT_DOUBLE_EQ(EmployeeRec.Plan401k[Now], c.limit);
        EXPECT_DOUBLE_EQ(EmployeeRec.Plan403b[Now], c.limit);
        EXPECT_DOUBLE_EQ(EmployeeRec.Plan457b[Now], c.limit);
        EXPECT_DOUBLE_EQ(EmployeeRec.Plan408k6[Now], 17000);
        EXPECT_DOUBLE_EQ(EmployeeRec.IRASimple[Now], 17000);
    }
}

TEST_F(RetirementPlansTest, YearToDateContributionsUseUpTheLimit)
{
    EmployeeRec.DateOfBirth = QStringLiteral("05/05/1990");
    EmployeeRec.Plan401k[Ytd] = 24500;
    EmployeeRec.Plan403b[Ytd] = 24000;
    EmployeeRec.IRASimple[Ytd] = 16999.5;
    deferHalf();
    EXPECT_DOUBLE_EQ(EmployeeRec.Plan401k[Now], 0);
    EXPECT_DOUBLE_EQ(EmployeeRec.Plan403b[Now], 500);
    EXPECT_DOUBLE_EQ(EmployeeRec.IRASimple[Now], 0.5);
}

TEST_F(RetirementPlansTest, PercentOfFederalWagesToTheCent)
{
    EmployeeRec.FedEarnings[Now] = 1234.56;
    EmployeeRec.Plan401kPct = 6;
    EmployeeRec.Plan457b[Now] = 20;  // typed, no percent
    ComputeRetirementDeferrals();
    EXPECT_EQ(EmployeeRec.Plan401k[Now], 74.07);
    EXPECT_DOUBLE_EQ(EmployeeRec.Plan457b[Now], 20);
    EXPECT_DOUBLE_EQ(EmployeeRec.Plan403b[Now], 0);
}

// Year-to-date deferrals are sums of cents with binary noise; the room they leave under the limit
// is taken to the cent.
TEST_F(RetirementPlansTest, LimitLeavesRoomToTheCent)
{
    EmployeeRec.DateOfBirth = QStringLiteral("05/05/1990");
    double deferred = 0;
    for (int week = 0; week < 2450; ++week)
        deferred += 9.99;
    EmployeeRec.Plan401k[Ytd] = deferred;  // 24475.50 and noise
    EmployeeRec.FedEarnings[Now] = 1000;
    EmployeeRec.Plan401kPct = 10;
    ComputeRetirementDeferrals();
    EXPECT_EQ(EmployeeRec.Plan401k[Now], 24.50);
}

} // namespace
