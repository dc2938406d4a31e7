#include "TestSupport.h"
#include "RecordBytes.h"

#include "client/PayHistoryMap.h"

#include <set>
#include <stdexcept>

TEST(PayHistoryMap, GroupsAndRowsPairUpAsStored)
{
    struct Case {
        int group;
        std::optional<int> row;
    };
    const Case cases[] = {
        {0, 0},              // Wages
        {16, 16},            // GrossWages
        {37, 37},            // NetPay
        {73, 73},            // DisbEarnings
        {74, std::nullopt},  // UICompWages
        {75, std::nullopt},  // DICompWages
        {76, 74},            // QualifiedOT
    };
    for (const Case& c : cases)
        EXPECT_EQ(PayHistoryRowOfGroup(c.group), c.row) << c.group;

    EXPECT_EQ(AmountGroupOfPayHistoryRow(0), 0);
    EXPECT_EQ(AmountGroupOfPayHistoryRow(73), 73);
    EXPECT_EQ(AmountGroupOfPayHistoryRow(74), 76);
}

TEST(PayHistoryMap, EveryRowBelongsToExactlyOneGroup)
{
    std::set<int> rows;
    for (int group = 0; group < kAmountGroupCount; ++group) {
        const std::optional<int> row = PayHistoryRowOfGroup(group);
        if (!row)
            continue;
        EXPECT_TRUE(rows.insert(*row).second) << "row " << *row << " twice";
        EXPECT_EQ(AmountGroupOfPayHistoryRow(*row), group);
    }
    EXPECT_EQ(rows.size(), size_t(kPayHistoryRowCount));
    EXPECT_EQ(*rows.begin(), 0);
    EXPECT_EQ(*rows.rbegin(), kPayHistoryRowCount - 1);
}

TEST(PayHistoryMap, GroupsAreReachedByNumber)
{
    EmployeeRecord record = NewEmployeeRecord();
    for (int group = 0; group < kAmountGroupCount; ++group)
        EXPECT_EQ(ByteOffset(record, AmountGroup(record, group)), 984 + 32 * group) << group;
    EXPECT_EQ(&AmountGroup(record, 0), &record.Wages);
    EXPECT_EQ(&AmountGroup(record, 74), &record.UICompWages);
    EXPECT_EQ(&AmountGroup(record, 76), &record.QualifiedOT);

    record.QualifiedOT[kYearToDateColumn] = 412.5;
    const EmployeeRecord& stored = record;
    EXPECT_EQ(AmountGroup(stored, 76)[4], 412.5);
}

TEST(PayHistoryMap, NumbersOutsideTheTablesAreRefused)
{
    EmployeeRecord record = NewEmployeeRecord();
    EXPECT_THROW(AmountGroup(record, -1), std::out_of_range);
    EXPECT_THROW(AmountGroup(record, 77), std::out_of_range);
    EXPECT_THROW(PayHistoryRowOfGroup(77), std::out_of_range);
    EXPECT_THROW(AmountGroupOfPayHistoryRow(75), std::out_of_range);
    EXPECT_THROW(AmountGroupOfPayHistoryRow(-1), std::out_of_range);
}
