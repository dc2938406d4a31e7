// The sums, report names and header texts of the prior payroll period windows, over pay periods
// posted by the real posting code.

#include "PriorPeriodFixture.h"

#include "payroll/PriorPeriodStatement.h"

#include <set>

namespace {

constexpr double kCent = 0.005;

} // namespace

TEST(PriorPeriodStatementLines, EveryAmountLineIsOneGroupAndTheViewsSumSixtySix)
{
    std::set<int> groups;
    int summed = 0;
    for (StatementColumn column : {StatementColumn::Earnings, StatementColumn::TaxesAndDeductions,
                                   StatementColumn::EmployerLiabilities, StatementColumn::OtherPayrollData}) {
        for (const StatementLine& line : StatementLines(column)) {
            EXPECT_TRUE(groups.insert(line.group).second) << line.name;
            summed += line.total ? 0 : 1;
            if (!line.total && line.userItem == 0) {
                EXPECT_TRUE(PayHistoryRowOfGroup(line.group).has_value()) << line.name;
            }
        }
    }
    EXPECT_EQ(summed, 66);
}

TEST(PriorPeriodStatementNames, ReportNameFollowsTheRange)
{
    struct Case {
        int first, last, count;
        const char* name;
    };
    const Case cases[] = {
        {1, 5, 5, "Year-to-Date Earnings Report"}, {5, 5, 5, "Last Earnings Report"},
        {1, 1, 5, "Initial Earnings Report"},      {2, 4, 5, "Periodic Earnings Report"},
        {1, 1, 1, "Initial Earnings Report"},      {3, 5, 5, "Periodic Earnings Report"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EarningsReportName(c.first, c.last, c.count), QString::fromLatin1(c.name))
            << c.first << " to " << c.last << " of " << c.count;
}

class PriorPeriodSumsTest : public PriorPeriodTest {};

TEST_F(PriorPeriodSumsTest, FiveWeeksOfAWeeklySingleEmployeeAddUpByHand)
{
    addHourlyEmployee(QStringLiteral("Baker"), QStringLiteral("Ann"), 25);
    postWeeks(5);
    readEmployee(1);
    const PriorPeriodSums sums = SumEmployeePayPeriods(1, 5);
    EXPECT_NEAR(sums.Amount(0), 5000.00, kCent);        // Regular Earnings
    EXPECT_NEAR(sums.Amount(19), 390.00, kCent);        // Federal Income Tax
    EXPECT_NEAR(sums.Amount(17), 310.00, kCent);        // Social Security
    EXPECT_NEAR(sums.Amount(21), 72.50, kCent);         // Medicare
    EXPECT_NEAR(sums.GrossPay(), 5000.00, kCent);
    EXPECT_NEAR(sums.TotalDeductions(), 772.50, kCent);
    EXPECT_NEAR(sums.NetPay(), 4227.50, kCent);
    EXPECT_NEAR(sums.Amount(kNetPayGroup), 4227.50, kCent);
    EXPECT_NEAR(sums.Amount(50), 200, kCent);           // Regular Hours Paid
    // The employer's matching share.
    EXPECT_NEAR(sums.TotalLiabilities(), sums.Amount(38) + sums.Amount(39) + sums.Amount(40), kCent);
    EXPECT_NEAR(sums.Amount(38), 310.00, kCent);

    const PriorPeriodSums middle = SumEmployeePayPeriods(2, 4);
    EXPECT_NEAR(middle.Amount(0), 3000.00, kCent);
    EXPECT_NEAR(middle.NetPay(), 3000.00 - 3 * (78 + 62 + 14.50), kCent);
}

TEST_F(PriorPeriodSumsTest, SummaryAddsZerosForTheUnpaidAndKeepsTheCurrentEmployee)
{
    addHourlyEmployee(QStringLiteral("Baker"), QStringLiteral("Ann"), 25);
    addHourlyEmployee(QStringLiteral("Cole"), QStringLiteral("Ben"), 30, 2);   // biweekly: unpaid in weekly runs
    addHourlyEmployee(QStringLiteral("Dunn"), QStringLiteral("Cat"), 20);
    postWeeks(1);
    postPeriod(QDate(2026, 1, 14), 2, 14);   // only the biweekly employee

    readEmployee(2);
    const PriorPeriodSums first = SumPayPeriodOfAllEmployees(1);
    EXPECT_EQ(EmployeeRec.LastName.get(), QStringLiteral("Cole"));
    EXPECT_NEAR(first.Amount(0), 1000.00 + 800.00, kCent);
    PriorPeriodSums byHand(CompanyRec.IncludeTips);
    for (int n : {1, 3}) {
        readEmployee(n);
        byHand.Add(ReadStoredPayPeriod(1));
    }
    for (int group = 0; group < kAmountGroupCount; ++group)
        EXPECT_NEAR(first.Amount(group), byHand.Amount(group), kCent) << "group " << group;

    const PriorPeriodSums second = SumPayPeriodOfAllEmployees(2);
    EXPECT_NEAR(second.Amount(0), 2400.00, kCent);
    readEmployee(2);
    EXPECT_NEAR(second.NetPay(), ReadStoredPayPeriod(2).Amount(kNetPayGroup), kCent);
}

TEST_F(PriorPeriodSumsTest, GrossAndNetPayMatchWhatWasPostedWithTipsInOrOutOfGrossPay)
{
    addHourlyEmployee(QStringLiteral("Baker"), QStringLiteral("Ann"), 25);
    for (const bool includeTips : {false, true}) {
        SCOPED_TRACE(includeTips ? "tips in gross pay" : "tips outside gross pay");
        CompanyRec.IncludeTips = includeTips;
        module->RSCompany.PostRec();
        postPeriod(QDate(2026, 1, 7).addDays(includeTips ? 7 : 0), 1, 7, [this] {
            readEmployee(1);
            EmployeeRec.Tips[kCurrentColumn] = 60;
            module->RSEmployee.PostRec();
        });
        readEmployee(1);
        const int slot = CompanyRec.PriorPeriodCount;
        const StoredPayPeriod posted = ReadStoredPayPeriod(slot);
        const PriorPeriodSums sums = SumEmployeePayPeriods(slot, slot);
        EXPECT_NEAR(sums.Amount(kTipsGroup), 60, kCent);
        EXPECT_NEAR(sums.GrossPay(), posted.Amount(kGrossWagesGroup), kCent);
        EXPECT_NEAR(sums.NetPay(), posted.Amount(kNetPayGroup), kCent);
        EXPECT_NEAR(sums.TotalDeductions(), posted.Amount(kTotalDeductGroup), kCent);
        EXPECT_NEAR(sums.TotalLiabilities(), posted.Amount(kTotalLibGroup), kCent);
        EXPECT_NEAR(sums.GrossPay(), includeTips ? 1060 : 1000, kCent);
    }
}

TEST_F(PriorPeriodSumsTest, WindowsRefuseWhenNoPeriodIsStored)
{
    ASSERT_EQ(CompanyRec.PriorPeriodCount, 0);
    messages.expect(IdOk, QStringLiteral("There are no prior payroll periods to show."));
    EXPECT_FALSE(CheckPriorPayPeriodsStored());
    CompanyRec.PriorPeriodCount = 1;
    EXPECT_TRUE(CheckPriorPayPeriodsStored());
}

TEST_F(PriorPeriodSumsTest, HeaderTextsOfTheStatement)
{
    struct Case {
        bool married, hoh;
        int allowances;
        const char* text;
    };
    for (const Case& c : {Case{true, false, 3, "Married/03"}, Case{false, true, 0, "HOH/00"},
                          Case{false, false, 12, "Single/12"}, Case{true, true, 1, "Married/01"}}) {
        EmployeeRec.Married = c.married;
        EmployeeRec.HOH = c.hoh;
        EmployeeRec.FedWithAllow = c.allowances;
        EXPECT_EQ(WithholdingStatusText(), QString::fromLatin1(c.text));
    }
    EmployeeRec.RegularRate = 1234.5;
    EXPECT_EQ(RegularRateText(), QStringLiteral("1,234.500000"));
    CompanyRec.Address = QStringLiteral("12 Main St");
    CompanyRec.SuiteNum = QStringLiteral(" ");
    EXPECT_EQ(CompanyAddressLine(), QStringLiteral("12 Main St"));
    CompanyRec.SuiteNum = QStringLiteral("200");
    EXPECT_EQ(CompanyAddressLine(), QStringLiteral("12 Main St Ste 200"));
    EXPECT_EQ(StatementAmount(1234567.891), QStringLiteral("1,234,567.89"));
    EXPECT_EQ(StatementAmount(-0.001), QStringLiteral("0.00"));
}
