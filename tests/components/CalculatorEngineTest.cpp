#include "TestSupport.h"

#include "components/CalculatorEngine.h"
#include "platform/AppMessageBox.h"

namespace {

// Presses keys: digits, ".", the operators + - * / = %, C (clear entry), A (all clear),
// _ (+/-), B (backspace), R (round), S (store), M (sum), L (recall), G (get).
void press(CalculatorEngine& engine, const char* keys)
{
    for (const char* k = keys; *k; ++k) {
        const QChar key(*k);
        switch (*k) {
        case '.': engine.point(); break;
        case '+': case '-': case '*': case '/': case '=': case '%': engine.operate(key); break;
        case 'C': engine.clearEntry(); break;
        case 'A': engine.allClear(); break;
        case '_': engine.plusMinus(); break;
        case 'B': engine.backspace(); break;
        case 'R': engine.round(); break;
        case 'S': engine.store(); break;
        case 'M': engine.sum(); break;
        case 'L': engine.recall(); break;
        case 'G': engine.get(); break;
        default: engine.digit(key); break;
        }
    }
}

class CalculatorEngineTest : public LedgoraTest {};

} // namespace

TEST_F(CalculatorEngineTest, KeySequences)
{
    const struct {
        const char* keys;
        int decimals;
        const char* display;
    } cases[] = {
        {"", 2, "0"},
        {"5+C3=", 2, "8"},
        {"+", 2, "0"},
        {"+5=", 2, "5"},
        {"200+10%", 2, "220"},
        {"200-10%", 2, "180"},
        {"200*10%", 2, "20"},
        {"200/10%", 2, "2000"},
        {"1/3=", 2, "0.33"},
        {"1/3=", 0, "0"},
        {"2/3=", 4, "0.6667"},
        {"5+3==", 2, "8"},
        {"5+3=+2=", 2, "10"},
        {"5+3+2*4=", 2, "40"},
        {"05", 2, "05"},
        {"1.2.3", 2, "1.23"},
        {".5", 2, "0.5"},
        {".5+.25=", 2, "0.75"},
        {"123456789012345678", 2, "12345678901234567"},
        {"12B", 2, "1"},
        {"1B", 2, "0"},
        {"1.B", 2, "1"},
        {"5_", 2, "-5"},
        {"5__", 2, "5"},
        {"5_B", 2, "0"},
        {"2.5R", 2, "3"},
        {"2.5_R", 2, "-3"},
        {"9.99+0.01=", 2, "10"},
        {"0.1+0.2=", 2, "0.3"},
        {"10000000000000000*10=", 2, "1E17"},
        {"5S0L", 2, "5"},
        {"3SC4ML", 2, "7"},
        {"3S4ML", 2, "37"},
        {"5SL+1=", 2, "6"},
        {"G", 2, "12.50"},
        {"G+1=", 2, "13.5"},
        {"7+AC", 2, "0"},
        {"7+A2=", 2, "2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        CalculatorEngine engine(c.decimals, QStringLiteral("12.50"));
        press(engine, c.keys);
        EXPECT_EQ(engine.display(), QLatin1String(c.display));
    }
}

TEST_F(CalculatorEngineTest, PointAfterAnOperatorStartsANewNumber)
{
    CalculatorEngine engine(2, QString());
    press(engine, "5+.");
    EXPECT_EQ(engine.display(), QStringLiteral("0."));
    press(engine, "5=");
    EXPECT_EQ(engine.display(), QStringLiteral("5.5"));
}

TEST_F(CalculatorEngineTest, DivisionByZeroKeepsTheResult)
{
    messages.expect(IdOk, QStringLiteral("You cannot divide by zero"));
    CalculatorEngine engine(2, QString());
    press(engine, "12/0=");
    EXPECT_EQ(engine.display(), QStringLiteral("12"));
    EXPECT_EQ(messages.last().flags, MbIconStop);
    EXPECT_EQ(messages.last().caption, QStringLiteral("Ledgora 2026"));
    press(engine, "+3=");
    EXPECT_EQ(engine.display(), QStringLiteral("15"));
}

TEST_F(CalculatorEngineTest, AResultTooLongForTheDisplayClearsTheCalculation)
{
    messages.expect(IdOk, QStringLiteral("The calculated result will not fit\rinto the calculator display!"));
    CalculatorEngine engine(2, QString());
    press(engine, "7SC12345678901234567*10=");
    EXPECT_EQ(engine.display(), QStringLiteral("0"));
    EXPECT_EQ(engine.stored(), 7); // the memory survives
    press(engine, "4+1=");
    EXPECT_EQ(engine.display(), QStringLiteral("5"));
}

TEST_F(CalculatorEngineTest, RecallIsEnabledOnlyWithAMemory)
{
    CalculatorEngine engine(2, QString());
    EXPECT_FALSE(engine.recallEnabled());
    press(engine, "5S");
    EXPECT_TRUE(engine.recallEnabled());
    press(engine, "C5_M");
    EXPECT_FALSE(engine.recallEnabled());
    press(engine, "C2M");
    EXPECT_TRUE(engine.recallEnabled());
    EXPECT_EQ(engine.stored(), 2);
}

TEST(GeneralFloatText, FifteenDigitsThenExponentForm)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0, "0"},          {-0.0, "0"},       {8, "8"},           {0.33, "0.33"},           {-2.5, "-2.5"},
        {1e15, "1E15"},    {999999999999999, "999999999999999"}, {123456789012345.6, "123456789012346"},
        {1e-5, "0.00001"}, {1e-6, "1E-6"},    {1.5e20, "1.5E20"}, {0.1 + 0.2, "0.3"},       {12345.678, "12345.678"},
        {-1234567.125, "-1234567.125"},       {100, "100"},       {1.23456789012345e16, "1.23456789012345E16"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(GeneralFloatText(c.value), QLatin1String(c.text));
    }
}
