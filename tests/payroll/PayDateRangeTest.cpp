// Ranges of stored pay periods: which From/To choices stand, and what is added up over a range of
// pay periods posted by the real posting code.

#include "PriorPeriodFixture.h"

#include "client/EmployeeIndex.h"
#include "client/PayRecords.h"
#include "payroll/PayDateRange.h"

#include <vector>

namespace {

constexpr double kCent = 0.005;

// Ann Baker at 1,000.00 and Dan Ford at 800.00 a week, paid in three weekly periods.
class PayDateRangeTest : public PriorPeriodTest {
protected:
    void postThreeWeeks()
    {
        addHourlyEmployee(QStringLiteral("Baker"), QStringLiteral("Ann"), 25);
        addHourlyEmployee(QStringLiteral("Ford"), QStringLiteral("Dan"), 20);
        postWeeks(3);
    }
};

} // namespace

TEST(PayDateRangeOrder, PayDatesInOrderComparesTheDatesNotTheText)
{
    EXPECT_TRUE(PayDatesInOrder(QStringLiteral("01/09/2026 (2)"), QStringLiteral("01/09/2026 (3)")));
    EXPECT_TRUE(PayDatesInOrder(QStringLiteral("09/30/2026 (40)"), QStringLiteral("10/02/2026 (41)")));
    EXPECT_FALSE(PayDatesInOrder(QStringLiteral("02/06/2026 (6)"), QStringLiteral("01/30/2026 (5)")));
    EXPECT_FALSE(PayDatesInOrder(QStringLiteral("12/31/2026 (9)"), QStringLiteral("01/02/2026 (1)")));
}

TEST_F(PayDateRangeTest, ListLinesStandForTheSlotAfterThem)
{
    postThreeWeeks();
    EXPECT_EQ(PayDateRange::AllStored(), (PayDateRange{1, 3}));
    EXPECT_EQ(PayDateRange::OfListLines(0, 2), (PayDateRange{1, 3}));
    EXPECT_EQ(StoredPayDateLines(),
              (QStringList{QStringLiteral("01/07/2026 (1)"), QStringLiteral("01/14/2026 (2)"), QStringLiteral("01/21/2026 (3)")}));
}

TEST_F(PayDateRangeTest, ReversedRangesAreRefusedAlsoBetweenTwoPeriodsOfOnePayDate)
{
    postThreeWeeks();
    // A second run on the pay date of slot 2 (a bonus run, say) is stored in slot 3 with that date.
    CompanyRec.PriorPayDate[3] = CompanyRec.PriorPayDate[2].get();
    struct Case {
        PayDateRange range;
        bool accepted;
    };
    const Case cases[] = {
        {{1, 3}, true}, {{2, 2}, true},  {{2, 3}, true},  {{1, 1}, true},
        {{3, 1}, false}, {{3, 2}, false}, {{2, 1}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PayDateRangeAccepted(c.range), c.accepted) << c.range.First << " to " << c.range.Last;
}

TEST_F(PayDateRangeTest, SlotsInOrderWhosePayDatesAreNotAreRefused)
{
    postThreeWeeks();
    CompanyRec.PriorPayDate[1] = QStringLiteral("02/27/2026");
    EXPECT_FALSE(PayDateRangeAccepted({1, 3}));
    EXPECT_TRUE(PayDateRangeAccepted({2, 3}));
}

TEST_F(PayDateRangeTest, SumsAddTheSlotsOfTheRangeOnly)
{
    postThreeWeeks();
    readEmployee(2);
    const StoredAmountSums dan = SumStoredPayPeriods({2, 3});
    EXPECT_NEAR(dan.Amount("Wages"), 1600.00, kCent);
    EXPECT_NEAR(dan.Amount("FICATax"), 99.20, kCent);
    EXPECT_EQ(dan.Amount("UICompWages"), 0);

    const StoredAmountSums everyone = SumStoredPayPeriodsOfAllEmployees({2, 3});
    EXPECT_NEAR(everyone.Amount("Wages"), 3600.00, kCent);
    EXPECT_NEAR(everyone.Amount("FICATax") + everyone.Amount("FICALib"), 446.40, kCent);
    EXPECT_NEAR(everyone.Amount("MedicareTax") + everyone.Amount("MedicareLib"), 104.40, kCent);
    EXPECT_EQ(GetEmployeeName(1, false).trimmed(), QStringLiteral("Dan Ford"));

    const StoredAmountSums single = SumStoredPayPeriodsOfAllEmployees({3, 3});
    EXPECT_NEAR(single.Amount("Wages"), 1800.00, kCent);
}

TEST_F(PayDateRangeTest, PeriodsAreVisitedBySlotThenInFileOrder)
{
    postThreeWeeks();
    readEmployee(1);
    std::vector<std::pair<int, QString>> visits;
    ForEachStoredPayPeriod({2, 3}, [&](int slot, const StoredPayPeriod& period) {
        visits.emplace_back(slot, EmployeeRec.LastName.get());
        EXPECT_EQ(period.PayDate, CompanyRec.PriorPayDate[slot].get());
    });
    const std::vector<std::pair<int, QString>> expected{
        {2, QStringLiteral("Baker")}, {2, QStringLiteral("Ford")}, {3, QStringLiteral("Baker")}, {3, QStringLiteral("Ford")}};
    EXPECT_EQ(visits, expected);
    EXPECT_EQ(EmployeeRec.LastName.get(), QStringLiteral("Baker"));
}
