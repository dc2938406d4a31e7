#include "PayRunFixture.h"

#include "components/DateRoutines.h"
#include "payroll/PayHistory.h"
#include "platform/Exceptions.h"

namespace {

constexpr int Now = kCurrentColumn;
constexpr int kUICompWagesGroup = 74;
constexpr int kDICompWagesGroup = 75;
constexpr int kQualifiedOTGroup = 76;

// The pay run of period p (from 1): five days from 01/01/2026, paid on the last day.
void OpenPeriod(int p)
{
    const QString from = AddDaysToDateStr(QStringLiteral("01/01/2026"), 5 * (p - 1));
    CompanyRec.PayDateFrom = from;
    CompanyRec.PayDateTo = AddDaysToDateStr(from, 4);
    CompanyRec.PayDate = AddDaysToDateStr(from, 4);
    EmployeeRec.CheckNumber = 1000 + p;
    FillColumn(Now, p * 1000);
}

} // namespace

using PayHistoryTest = PayRunTest;

TEST_F(PayHistoryTest, SavedPeriodReadsBack)
{
    addPaidEmployee(QStringLiteral("Ann"), QStringLiteral("Smith"));
    OpenPeriod(1);
    ASSERT_TRUE(ClaimPayHistorySlot());
    EXPECT_EQ(CompanyRec.PriorPeriodCount, 1);
    SavePayPeriodToHistory();

    const StoredPayPeriod period = ReadStoredPayPeriod(1);
    EXPECT_EQ(period.PayDateFrom, QStringLiteral("01/01/2026"));
    EXPECT_EQ(period.PayDateTo, QStringLiteral("01/05/2026"));
    EXPECT_EQ(period.PayDate, QStringLiteral("01/05/2026"));
    EXPECT_EQ(period.CheckNumber, 1001);
    for (int group = 0; group < kAmountGroupCount; ++group) {
        const bool kept = group != kUICompWagesGroup && group != kDICompWagesGroup;
        EXPECT_EQ(period.Amount(group), kept ? 1000.0 + group : 0.0) << "group " << group;
    }
    EXPECT_EQ(period.Rows[74], 1000.0 + kQualifiedOTGroup);
    EXPECT_EQ(StoredPayDateLines(), QStringList({"01/05/2026 (1)"}));
}

TEST_F(PayHistoryTest, SixtyFifthPeriodIsStoredAndTheSixtySixthReplacesIt)
{
    addPaidEmployee(QStringLiteral("Ann"), QStringLiteral("Smith"));
    for (int p = 1; p <= 65; ++p) {
        OpenPeriod(p);
        ASSERT_TRUE(ClaimPayHistorySlot()) << p;  // no question up to 65
        SavePayPeriodToHistory();
    }
    EXPECT_EQ(CompanyRec.PriorPeriodCount, 65);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(ReadStoredPayPeriod(65).CheckNumber, 1065);

    // The 66th: declining keeps everything.
    OpenPeriod(66);
    messages.expect(IdCancel, QStringLiteral("You have reached the maximum number of Prior Payroll Periods"));
    EXPECT_FALSE(ClaimPayHistorySlot());
    EXPECT_EQ(messages.last().text,
              QStringLiteral("You have reached the maximum number of Prior Payroll Periods\rthat can be stored by the "
                             "program.\r\rYou will not be able to view the current payroll once it has been\rposted."));
    EXPECT_EQ(messages.last().flags, MbOkCancel | MbIconQuestion | MbDefButton2);
    EXPECT_EQ(CompanyRec.PriorPeriodCount, 65);
    EXPECT_EQ(ReadStoredPayPeriod(65).PayDate, QStringLiteral("11/21/2026"));

    // Going on replaces slot 65 and leaves slot 64.
    messages.expect(IdOk, QStringLiteral("You have reached the maximum number of Prior Payroll Periods"));
    ASSERT_TRUE(ClaimPayHistorySlot());
    EXPECT_EQ(CompanyRec.PriorPeriodCount, 65);
    SavePayPeriodToHistory();
    const StoredPayPeriod last = ReadStoredPayPeriod(65);
    EXPECT_EQ(last.PayDateFrom, QStringLiteral("11/22/2026"));
    EXPECT_EQ(last.PayDate, QStringLiteral("11/26/2026"));
    EXPECT_EQ(last.CheckNumber, 1066);
    EXPECT_EQ(last.Amount(0), 66000.0);
    EXPECT_EQ(ReadStoredPayPeriod(64).CheckNumber, 1064);
    EXPECT_EQ(ReadStoredPayPeriod(64).Amount(0), 64000.0);

    const QStringList lines = StoredPayDateLines();
    ASSERT_EQ(lines.size(), 65);
    EXPECT_EQ(lines.first(), QStringLiteral("01/05/2026 (1)"));
    EXPECT_EQ(lines.last(), QStringLiteral("11/26/2026 (65)"));
}

TEST_F(PayHistoryTest, SlotOutsideTheHistoryIsRefused)
{
    EXPECT_THROW(SavePayPeriodToHistory(), ECustomException);  // nothing claimed
    EXPECT_THROW(ReadStoredPayPeriod(0), ECustomException);
    EXPECT_THROW(ReadStoredPayPeriod(66), ECustomException);

    // A damaged count above 65 is treated as a full history.
    CompanyRec.PriorPeriodCount = 80;
    messages.expect(IdOk, QStringLiteral("maximum number of Prior Payroll Periods"));
    EXPECT_TRUE(ClaimPayHistorySlot());
    EXPECT_EQ(CompanyRec.PriorPeriodCount, 65);
    EXPECT_EQ(StoredPayDateLines().size(), 65);
}
