#include "PayRunFixture.h"

#include "client/PayUtil.h"
#include "client/TaxTableFiles.h"
#include "components/StateTables.h"
#include "payroll/ManualEntry.h"

#include <QCoreApplication>

namespace {

constexpr int Now = kCurrentColumn;

// A client with an open weekly pay period from 01/05/2026 to 01/11/2026 and four weekly Texas
// employees paid 25.00 an hour; the second and fourth left before the period.
class ManualEntryRulesTest : public PayRunTest {
protected:
    void SetUp() override
    {
        PayRunTest::SetUp();
        LoadFederalTable(QCoreApplication::applicationDirPath() + QStringLiteral("/LEDGORA.FTT"), FederalTaxRec);
        CompanyRec.PayDateFrom = QStringLiteral("01/05/2026");
        CompanyRec.PayDateTo = QStringLiteral("01/11/2026");
        CompanyRec.PayDate = QStringLiteral("01/16/2026");
        CompanyRec.PayrollPosted = true;
        CompanyRec.IncludeTips = true;
        module->RSCompany.PostRec();
        for (const char* first : {"Ann", "Bob", "Cy", "Dee"}) {
            addPaidEmployee(QString::fromLatin1(first), QStringLiteral("Smith"), [first] {
                EmployeeRecord& e = EmployeeRec;
                e.Frequency = 1;
                e.Single = true;
                e.RegularRate = 25;
                e.WorkState = QStringLiteral("TX");
                e.WorkStateIndex = StateCodeIndex(QStringLiteral("TX")) + 1;
                e.DateHired = QStringLiteral("01/05/2015");
                if (first[0] == 'B' || first[0] == 'D')
                    e.DateResigned = QStringLiteral("12/31/2025");
            });
        }
    }

    int current() const { return module->RSEmployee.CurrentRecord(); }
};

} // namespace

TEST_F(ManualEntryRulesTest, MovesReachOnlyEligibleEmployeesAndWrapOnce)
{
    struct Case {
        int from;
        bool forward;
        bool includeCurrent;
        int reached;
    };
    const Case cases[] = {
        {1, true, false, 3},   // past Bob
        {3, true, false, 1},   // past Dee, wrapping to the first
        {1, false, false, 3},  // wrapping back from the first
        {2, true, true, 3},    // opening on Bob goes on to Cy
        {3, true, true, 3},    // an eligible employee stays
    };
    for (const Case& c : cases) {
        readEmployee(c.from);
        EXPECT_TRUE(MoveToEligibleEmployee(c.forward, c.includeCurrent)) << "from " << c.from;
        EXPECT_EQ(current(), c.reached) << "from " << c.from;
        EXPECT_EQ(EmployeeRec.FirstName.get(), QStringLiteral("Ann Bob Cy Dee").split(' ')[c.reached - 1]);
    }
    EXPECT_EQ(CountEligibleEmployees(), 2);
}

TEST_F(ManualEntryRulesTest, AMoveEndsAfterOneRound)
{
    // Ann alone is eligible: the round comes back to her.
    readEmployee(3);
    EmployeeRec.DateResigned = QStringLiteral("12/31/2025");
    module->RSEmployee.PostRec();
    readEmployee(1);
    EXPECT_TRUE(MoveToEligibleEmployee(true, false));
    EXPECT_EQ(current(), 1);
    EXPECT_TRUE(MoveToEligibleEmployee(false, false));
    EXPECT_EQ(current(), 1);

    // Nobody eligible any more: the employee shown is read again and stays.
    EmployeeRec.DateResigned = QStringLiteral("12/31/2025");
    module->RSEmployee.PostRec();
    EmployeeRec.RegularTime = 12;
    EXPECT_FALSE(MoveToEligibleEmployee(true, false));
    EXPECT_EQ(current(), 1);
    EXPECT_EQ(EmployeeRec.RegularTime, 0);
    EXPECT_FALSE(MoveToEligibleEmployee(false, true));
    EXPECT_EQ(current(), 1);
}

TEST_F(ManualEntryRulesTest, RecalculationTakesTheAmountsAsEnteredWithoutRecurringOnes)
{
    readEmployee(1);
    EmployeeRec.RegularTime = 40;
    EmployeeRec.Bonus[Now] = 100;
    EmployeeRec.RHealthIns = 30;
    ManualEntryModified = true;
    RecalculateManualPay();
    EXPECT_FALSE(ManualEntryModified);
    EXPECT_EQ(EmployeeRec.Wages[Now], 1000);
    EXPECT_EQ(EmployeeRec.GrossWages[Now], 1100);
    EXPECT_EQ(EmployeeRec.FICATax[Now], 68.20);
    EXPECT_EQ(EmployeeRec.HealthIns[Now], 0) << "recurring amounts are left to Automatic";
    EXPECT_EQ(EmployeeRec.NetPay[Now], EmployeeRec.GrossWages[Now] - EmployeeRec.TotalDeduct[Now]);
}

TEST_F(ManualEntryRulesTest, ClearingTakesTheEmployeeOutOfThePayRunOnly)
{
    readEmployee(1);
    FillColumn(Now, 10);
    FillColumn(kYearToDateColumn, 500);
    EmployeeRec.RegularTime = 40;
    EmployeeRec.OtherTime = 2;
    EmployeeRec.CheckNumber = 1001;
    ClearCurrentPay();
    for (int group = 0; group < kAmountGroupCount; ++group) {
        EXPECT_EQ(AmountGroup(EmployeeRec, group)[Now], 0) << "group " << group;
        EXPECT_EQ(AmountGroup(EmployeeRec, group)[kYearToDateColumn], 500 + group) << "group " << group;
    }
    EXPECT_EQ(EmployeeRec.RegularTime, 0);
    EXPECT_EQ(EmployeeRec.OtherTime, 0);
    EXPECT_EQ(EmployeeRec.CheckNumber, 0);
    EXPECT_EQ(EmployeeRec.RegularRate, 25) << "the employee's setup stays";
}

TEST_F(ManualEntryRulesTest, RenumberingGivesThePaidConsecutiveChecksInFileOrder)
{
    CompanyRec.StartChkNum = 500;
    const double gross[] = {800, 0, 900, 0};
    for (int n = 1; n <= 4; ++n) {
        readEmployee(n);
        EmployeeRec.GrossWages[Now] = gross[n - 1];
        // Third-party sick pay alone also prints a check.
        EmployeeRec.TPSPGross[Now] = n == 4 ? 300 : 0;
        EmployeeRec.CheckNumber = 90 + n;
        module->RSEmployee.PostRec();
    }
    readEmployee(3);
    EmployeeRec.RegularTime = 36;  // shown in the window and not posted yet
    RenumberPaidChecks();
    EXPECT_EQ(current(), 3);
    EXPECT_EQ(EmployeeRec.RegularTime, 36) << "the shown employee is posted first";
    EXPECT_EQ(CompanyRec.LastChkNum, 502);
    const int expected[] = {500, 0, 501, 502};  // no check, no number
    for (int n = 1; n <= 4; ++n) {
        readEmployee(n);
        EXPECT_EQ(EmployeeRec.CheckNumber, expected[n - 1]) << n;
    }
}

TEST_F(ManualEntryRulesTest, FinishingMarksThePayRunByWhetherAnybodyHasPay)
{
    FinishManualEntry();
    module->RSCompany.GetRec();
    EXPECT_TRUE(CompanyRec.PayrollPosted) << "nobody paid";

    readEmployee(3);
    EmployeeRec.NetPay[Now] = 700;
    module->RSEmployee.PostRec();
    CompanyRec.LastChkNum = 1002;
    FinishManualEntry();
    module->RSCompany.GetRec();
    EXPECT_FALSE(CompanyRec.PayrollPosted);
    EXPECT_EQ(CompanyRec.LastChkNum, 1002) << "posted with the company record";
}
