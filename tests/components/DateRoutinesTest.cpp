#include "TestSupport.h"

#include "components/DateRoutines.h"
#include "platform/Exceptions.h"

TEST(DateRoutines, ValidityNeedsTenDateCharactersAndARealDate)
{
    const std::pair<const char*, bool> cases[] = {
        {"12/31/2026", true}, {"02/29/2028", true}, {"1/31/2026", false}, {"13/01/2026", false},
        {"", false},          {"02/30/2026", false}, {"02/29/2026", false}, {"  /  /    ", false},
        {"ab/cd/efgh", false}, {"12/31/20261", false},
    };
    for (const auto& [text, valid] : cases)
        EXPECT_EQ(IsValidDateStr(QString::fromLatin1(text)), valid) << text;
}

TEST(DateRoutines, SplitJoinAndArithmetic)
{
    int m = -1, d = -1, y = -1;
    SplitDateStr(QStringLiteral("02/30/2026"), m, d, y);
    EXPECT_EQ((std::array{m, d, y}), (std::array{0, 0, 0}));
    SplitDateStr(QStringLiteral("11/05/2026"), m, d, y);
    EXPECT_EQ((std::array{m, d, y}), (std::array{11, 5, 2026}));
    EXPECT_EQ(JoinDateStr(3, 7, 2026), QStringLiteral("03/07/2026"));
    EXPECT_EQ(DaysBetweenDates(QStringLiteral("01/01/2026"), QStringLiteral("12/31/2026")), 364);
    EXPECT_EQ(DaysBetweenDates(QStringLiteral("01/08/2026"), QStringLiteral("01/01/2026")), -7);
    EXPECT_EQ(AddDaysToDateStr(QStringLiteral("12/25/2026"), 14), QStringLiteral("01/08/2027"));
    EXPECT_EQ(AddMonthsToDateStr(QStringLiteral("03/31/2026"), 1), QStringLiteral("04/30/2026"));
    EXPECT_EQ(AddMonthsToDateStr(QStringLiteral("01/31/2026"), 1), QStringLiteral("02/28/2026"));
    EXPECT_EQ(AddMonthsToDateStr(QStringLiteral("bad"), 1), QString());
    EXPECT_TRUE(IsDateInRange(QStringLiteral("01/01/2026"), QStringLiteral("01/01/2026"), QStringLiteral("03/31/2026")));
    EXPECT_TRUE(IsDateInRange(QStringLiteral("03/31/2026"), QStringLiteral("01/01/2026"), QStringLiteral("03/31/2026")));
    EXPECT_FALSE(IsDateInRange(QStringLiteral("04/01/2026"), QStringLiteral("01/01/2026"), QStringLiteral("03/31/2026")));
    EXPECT_THROW(DaysBetweenDates(QStringLiteral("xx"), QStringLiteral("01/01/2026")), EConvertError);
    EXPECT_THROW(AddDaysToDateStr(QStringLiteral("  /  /    "), 1), EConvertError);
    EXPECT_THROW(IsDateInRange(QStringLiteral("01/01/2026"), QStringLiteral("13/01/2026"), QStringLiteral("")), EConvertError);
    EXPECT_TRUE(LeapYear(2000));
    EXPECT_TRUE(LeapYear(2028));
    EXPECT_FALSE(LeapYear(1900));
    EXPECT_FALSE(LeapYear(2026));
}
