#include "TestSupport.h"

#include "components/StateChoice.h"
#include "components/StateTables.h"

namespace {
int at(const char* code)
{
    return StateCodeIndex(QLatin1String(code));
}
QString codeAt(int index)
{
    return index < 0 ? QString() : QLatin1String(StateCodes[index]);
}
} // namespace

TEST(StateChoice, LettersStepThroughTheirCodesAndWrap)
{
    const struct {
        char letter;
        const char* steps;
    } cases[] = {
        {'A', "AK AL AR AZ AK"},
        {'M', "MA MD ME MI MN MO MS MT MA"},
        {'N', "NC ND NE NH NJ NM NV NY NC"},
        {'W', "WA WI WV WY WA"},
        {'v', "VA VI VT VA"},
        {'D', "DC DE DC"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.letter);
        int index = -1;
        QStringList seen;
        for (int i = 0; i < QString::fromLatin1(c.steps).split(QChar(' ')).size(); ++i) {
            index = StepStateByLetter(index, QChar(c.letter));
            seen << codeAt(index);
        }
        EXPECT_EQ(seen.join(QChar(' ')), QLatin1String(c.steps));
    }
}

TEST(StateChoice, ALetterFromAnotherStateStartsAtItsFirstCode)
{
    EXPECT_EQ(codeAt(StepStateByLetter(at("AZ"), QChar('A'))), QStringLiteral("AK"));
    EXPECT_EQ(codeAt(StepStateByLetter(at("TX"), QChar('A'))), QStringLiteral("AK"));
    EXPECT_EQ(codeAt(StepStateByLetter(at("TX"), QChar('a'))), QStringLiteral("AK"));
    for (char letter : {'B', 'E', 'J', 'Q', 'X', 'Y', 'Z'}) {
        SCOPED_TRACE(letter);
        EXPECT_EQ(StepStateByLetter(at("TX"), QChar(letter)), at("TX"));
        EXPECT_EQ(StepStateByLetter(-1, QChar(letter)), -1);
    }
}

TEST(StateChoice, TypedLettersChooseTheFirstCodeBeginningWithThem)
{
    const struct {
        const char* from;
        const char* typed;
        const char* chosen;
    } cases[] = {
        {"", "TX", "TX"}, {"", "tx", "TX"}, {"TN", "TX", "TX"}, {"", "NJ", "NJ"}, {"", "WV", "WV"},
        {"", "W", "WA"}, {"WA", "WW", "WI"}, {"", "M", "MA"}, {"", "XX", ""}, {"", "TXN", ""}, {"", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const int from = *c.from ? at(c.from) : -1;
        EXPECT_EQ(codeAt(FindStateByTyping(from, QLatin1String(c.typed))), QLatin1String(c.chosen));
    }
}
