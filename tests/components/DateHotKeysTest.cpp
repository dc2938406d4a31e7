#include "TestSupport.h"

#include "components/DateHotKeys.h"

namespace {
const QDate Today2026(2026, 3, 18); // a Wednesday
}

TEST(DateHotKeys, MoveTheDateAtMonthAndYearEnds)
{
    const struct {
        char key;
        const char* from;
        const char* to;
    } cases[] = {
        {'+', "12/31/2026", "01/01/2027"}, {'-', "01/01/2026", "12/31/2025"}, {'+', "02/28/2028", "02/29/2028"},
        {'-', "03/01/2026", "02/28/2026"},
        {'M', "03/18/2026", "03/01/2026"}, {'M', "01/01/2026", "12/01/2025"}, {'M', "03/01/2026", "02/01/2026"},
        {'H', "01/31/2026", "02/28/2026"}, {'H', "02/28/2026", "03/31/2026"}, {'H', "02/15/2028", "02/29/2028"},
        {'H', "12/31/2026", "01/31/2027"}, {'H', "01/30/2028", "01/31/2028"}, {'H', "01/31/2028", "02/29/2028"},
        {'Y', "06/15/2026", "01/01/2026"}, {'Y', "01/01/2026", "01/01/2025"},
        {'R', "06/15/2026", "12/31/2026"}, {'R', "12/31/2026", "12/31/2027"},
        {'W', "03/18/2026", "03/15/2026"}, {'W', "03/15/2026", "03/08/2026"}, {'W', "01/01/2026", "12/28/2025"},
        {'W', "03/21/2026", "03/15/2026"},
        {'K', "03/18/2026", "03/21/2026"}, {'K', "03/21/2026", "03/28/2026"}, {'K', "12/31/2026", "01/02/2027"},
        {'K', "03/15/2026", "03/21/2026"},
        {'h', "01/31/2026", "02/28/2026"}, {'t', "07/04/1999", "03/18/2026"}, {'T', "13/45/2026", "03/18/2026"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.key << " on " << c.from);
        const DateKeyResult result = DateHotKey(QChar(c.key), QLatin1String(c.from), Today2026);
        EXPECT_EQ(result.action, DateKeyResult::NewDate);
        EXPECT_EQ(result.text, QLatin1String(c.to));
    }
}

TEST(DateHotKeys, AnEmptyFieldStartsFromToday)
{
    const struct {
        char key;
        const char* to;
    } cases[] = {{'+', "03/19/2026"}, {'-', "03/17/2026"}, {'T', "03/18/2026"}, {'M', "03/01/2026"},
        {'H', "03/31/2026"}, {'Y', "01/01/2026"}, {'R', "12/31/2026"}, {'W', "03/15/2026"}, {'K', "03/21/2026"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        const DateKeyResult result = DateHotKey(QChar(c.key), EmptyDateText, Today2026);
        EXPECT_EQ(result.action, DateKeyResult::NewDate);
        EXPECT_EQ(result.text, QLatin1String(c.to));
    }
}

TEST(DateHotKeys, OtherKeysAndInvalidDatesPassOn)
{
    for (const char* text : {"13/45/2026", "02/14/20  ", "02/30/2026", "02/1 /2026"})
        for (char key : {'+', '-', 'H', 'K', 'M', 'R', 'W', 'Y'}) {
            SCOPED_TRACE(testing::Message() << key << " on " << text);
            EXPECT_EQ(DateHotKey(QChar(key), QLatin1String(text), Today2026).action, DateKeyResult::PassOn);
        }
    for (char key : {'5', 'Q', ' ', '/'})
        EXPECT_EQ(DateHotKey(QChar(key), QStringLiteral("03/18/2026"), Today2026).action, DateKeyResult::PassOn);
    EXPECT_EQ(DateHotKey(QChar('c'), QStringLiteral("13/45/2026"), Today2026).action, DateKeyResult::OpenCalendar);
    EXPECT_EQ(DateHotKey(QChar('C'), EmptyDateText, Today2026).action, DateKeyResult::OpenCalendar);
    // The field has four places for the year.
    EXPECT_EQ(DateHotKey(QChar('+'), QStringLiteral("12/31/9999"), Today2026).action, DateKeyResult::PassOn);
}

TEST(DateHotKeys, InvalidDateMessageKeepsTheWholeText)
{
    EXPECT_EQ(InvalidDateMessage(QStringLiteral("02/30/2026")), QStringLiteral("02/30/2026 is not a valid date."));
    EXPECT_EQ(InvalidDateMessage(QStringLiteral("02/1 /2026")), QStringLiteral("02/1 /2026 is not a valid date."));
}
