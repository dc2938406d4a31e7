#include "TestSupport.h"

#include "components/DollarEditRules.h"

#include <vector>

namespace {

// A money field's text and caret, typed into through the key filter as the field does.
struct TypedField {
    QString text;
    int cursor = 0;
    bool firstTime = false;
    std::vector<MoneyLimit> limits;
    int calculatorOpened = 0;

    void type(const QString& keys, const MoneyFieldRules& rules)
    {
        for (QChar key : keys) {
            MoneyKeyInput input;
            input.text = text;
            input.cursor = cursor;
            input.selectionStart = cursor;
            input.firstTime = firstTime;
            const MoneyKeyResult result = FilterMoneyKey(key, input, rules);
            if (result.emptyFirst) {
                text.clear();
                cursor = 0;
            }
            calculatorOpened += result.openCalculator ? 1 : 0;
            if (result.limit != MoneyLimit::None) {
                limits.push_back(result.limit);
                text.clear();
                cursor = 0;
            }
            if (result.typed)
                firstTime = false;
            if (result.key == QChar('\b')) {
                if (cursor > 0)
                    text.remove(--cursor, 1);
            } else if (!result.key.isNull()) {
                text.insert(cursor++, result.key);
            }
        }
    }
};

MoneyFieldRules rulesWith(int dollarDigits, int centDigits, double maxValue = 0, double minValue = 0, bool minusKey = true)
{
    MoneyFieldRules rules;
    rules.dollarDigits = dollarDigits;
    rules.centDigits = centDigits;
    rules.maxValue = maxValue;
    rules.minValue = minValue;
    rules.minusKey = minusKey;
    return rules;
}

} // namespace

TEST(DollarEditRules, FormatsByDecimalsAndCurrency)
{
    const struct {
        double value;
        int centDigits;
        bool currency;
        const char* text;
    } cases[] = {
        {1234.5, 2, true, "$1,234.50"},      {1234.5, 2, false, "1,234.50"},     {-1234.5, 2, true, "-$1,234.50"},
        {0, 2, false, "0.00"},               {-0.001, 2, false, "0.00"},         {-0.004, 2, true, "$0.00"},
        {1234.5, 0, true, "$1,235"},         {0.5, 0, false, "1"},               {-1234567.5, 0, false, "-1,234,568"},
        {2.25, 1, true, "2.3"},              {1234.5678, 3, true, "1,234.568"},  {9999.999999, 6, false, "9,999.999999"},
        {1234567.1234567, 6, false, "1,234,567.123457"}, {0.125, 2, false, "0.13"}, {999.995, 2, false, "1,000.00"},
        {MaxMoneyValue, 2, false, "999,999,999,999.99"}, {100, 4, false, "100.0000"}, {7, 5, false, "7.00000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " / " << c.centDigits << " / " << c.currency);
        EXPECT_EQ(FormatMoney(c.value, c.centDigits, c.currency), QLatin1String(c.text));
    }
    const char* zeros[] = {"0", "0.0", "0.00", "0.000", "0.0000", "0.00000", "0.000000"};
    for (int digits = 0; digits <= 6; ++digits)
        EXPECT_EQ(MoneyZeroText(digits), QLatin1String(zeros[digits]));
}

TEST(DollarEditRules, CapsLargeValuesOnly)
{
    EXPECT_EQ(CapMoneyValue(1e15), MaxMoneyValue);
    EXPECT_EQ(CapMoneyValue(-1e15), -1e15);
    EXPECT_EQ(CapMoneyValue(123.45), 123.45);
    EXPECT_EQ(CapMoneyValue(std::nan("")), 0);
}

TEST(DollarEditRules, ParsesTheDisplayBackToAPlainNumber)
{
    const struct {
        const char* text;
        int centDigits;
        const char* plain;
        double value;
    } cases[] = {
        {"$1,234.50", 2, "1234.50", 1234.5}, {"-$1,234.56", 2, "-1234.56", -1234.56}, {"", 2, "0.00", 0},
        {"-", 2, "0.00", 0},                 {".", 0, "0", 0},                       {"-.", 2, "0.00", 0},
        {"1.2.3", 2, "0.00", 0},             {"1234.", 0, "1234.", 1234},            {"0.125", 2, "0.125", 0.13},
        {"2.675", 2, "2.675", 2.67},         {"12.3456", 3, "12.3456", 12.346},      {"1,234", 0, "1234", 1234},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const PlainMoney plain = ParseMoneyText(QLatin1String(c.text), c.centDigits);
        EXPECT_EQ(plain.text, QLatin1String(c.plain));
        EXPECT_EQ(plain.value, c.value);
    }
    EXPECT_EQ(MoneyTextValue(QStringLiteral("$1,234.50")), 1234.5);
    EXPECT_EQ(MoneyTextValue(QStringLiteral("-.")), 0);
}

TEST(DollarEditRules, KeyFilterFollowsDigitCentAndSignRules)
{
    const struct {
        const char* start;
        bool firstTime;
        const char* keys;
        MoneyFieldRules rules;
        const char* text;
    } cases[] = {
        // The first digit, point or minus after entry replaces the old value.
        {"1234.50", true, "7", rulesWith(9, 2), "7"},
        {"1234.50", true, ".5", rulesWith(9, 2), ".5"},
        {"1234.50", true, "-3", rulesWith(9, 2), "-3"},
        {"1234.50", true, "\b", rulesWith(9, 2), "1234.5"},
        // Nine dollar digits take only a point; two cents take nothing more.
        {"", false, "1234567890", rulesWith(9, 2), "123456789"},
        {"", false, "1234567890.556", rulesWith(9, 2), "123456789.55"},
        {"", false, "-123456789", rulesWith(9, 2), "-12345678"},
        // A minus sign only first, once, and only when allowed.
        {"", false, "5-", rulesWith(9, 2), "5"},
        {"", false, "--5", rulesWith(9, 2), "-5"},
        {"", false, "-5", rulesWith(9, 2, 0, 0, false), "5"},
        {"12", true, "-5", rulesWith(9, 2, 0, 0, false), "5"},
        {"", false, "1..2", rulesWith(9, 2), "1.2"},
        // Zero decimals: a point may be typed, no digit after it.
        {"", false, "1234.5", rulesWith(9, 0), "1234."},
        // Letters, blanks and control characters (Ctrl+V is 22) are swallowed.
        {"", false, "1a \x16" "2", rulesWith(9, 2), "12"},
        {"12.5", false, "\b\b\b\b\b", rulesWith(9, 2), ""},
        // A positive number below the minimum may still grow into range.
        {"", false, "12", rulesWith(9, 2, 0, 5), "12"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.start << " + " << c.keys);
        TypedField field;
        field.text = QLatin1String(c.start);
        field.cursor = static_cast<int>(field.text.size());
        field.firstTime = c.firstTime;
        field.type(QLatin1String(c.keys), c.rules);
        EXPECT_EQ(field.text, QLatin1String(c.text));
        EXPECT_TRUE(field.limits.empty());
    }
}

TEST(DollarEditRules, FullCentsRefuseEveryKeyButBackspaceWhereverTheCaretIs)
{
    TypedField field;
    field.text = QStringLiteral("123.45");
    field.cursor = 0;
    field.type(QStringLiteral("6.-"), rulesWith(9, 2));
    EXPECT_EQ(field.text, QStringLiteral("123.45"));
    field.cursor = 6;
    field.type(QStringLiteral("\b"), rulesWith(9, 2));
    EXPECT_EQ(field.text, QStringLiteral("123.4"));
}

TEST(DollarEditRules, LimitsHoldAtAnyCaretPosition)
{
    const MoneyFieldRules rules = rulesWith(9, 2);
    // Eight dollar digits and a point: the rule on nine digits without a point does not apply,
    // yet a ninth and tenth digit typed at the front must not make ten.
    TypedField field;
    field.text = QStringLiteral("12345678.5");
    field.cursor = 0;
    field.type(QStringLiteral("99"), rules);
    EXPECT_EQ(field.text, QStringLiteral("912345678.5"));

    // A point typed inside a number may not leave more decimals than the field has.
    field.text = QStringLiteral("12345");
    field.cursor = 1;
    field.type(QStringLiteral("."), rules);
    EXPECT_EQ(field.text, QStringLiteral("12345"));
    field.cursor = 3;
    field.type(QStringLiteral("."), rules);
    EXPECT_EQ(field.text, QStringLiteral("123.45"));

    // A backspace that would join the cents to eight dollar digits is refused.
    field.text = QStringLiteral("12345678.55");
    field.cursor = 9;
    field.type(QStringLiteral("\b"), rules);
    EXPECT_EQ(field.text, QStringLiteral("12345678.55"));
}

TEST(DollarEditRules, MaximumIsCheckedOnTheResultingText)
{
    // Typing 1, 0, 1 under a maximum of 100: the third key is refused and the field emptied.
    TypedField field;
    field.type(QStringLiteral("101"), rulesWith(9, 2, 100));
    EXPECT_EQ(field.text, QString());
    ASSERT_EQ(field.limits.size(), 1u);
    EXPECT_EQ(field.limits[0], MoneyLimit::AboveMax);

    // 9 typed before 5 makes 95, above 60, although 59 would not be.
    field = TypedField();
    field.text = QStringLiteral("5");
    field.cursor = 1;
    field.type(QStringLiteral("9"), rulesWith(9, 2, 60));
    EXPECT_EQ(field.text, QStringLiteral("59"));
    field = TypedField();
    field.text = QStringLiteral("5");
    field.cursor = 0;
    field.type(QStringLiteral("9"), rulesWith(9, 2, 60));
    EXPECT_EQ(field.text, QString());
    EXPECT_EQ(field.limits.size(), 1u);

    // Exactly the maximum is accepted.
    field = TypedField();
    field.type(QStringLiteral("8.25"), rulesWith(9, 2, 8.25));
    EXPECT_EQ(field.text, QStringLiteral("8.25"));
    EXPECT_TRUE(field.limits.empty());

    // A negative minimum stops the number as it passes it.
    field = TypedField();
    field.type(QStringLiteral("-150"), rulesWith(9, 2, 0, -100));
    EXPECT_EQ(field.text, QString());
    ASSERT_EQ(field.limits.size(), 1u);
    EXPECT_EQ(field.limits[0], MoneyLimit::BelowMin);
}

TEST(DollarEditRules, LimitMessagesShowTheFormattedLimit)
{
    MoneyFieldRules rules = rulesWith(9, 2, 99999999999.99, -5);
    rules.currency = true;
    EXPECT_EQ(MoneyLimitMessage(MoneyLimit::AboveMax, rules),
        QStringLiteral("This field does not accept amounts greater than $99,999,999,999.99"));
    EXPECT_EQ(MoneyLimitMessage(MoneyLimit::BelowMin, rules),
        QStringLiteral("This field does not accept amounts less than -$5.00"));
    EXPECT_EQ(MoneyLimitMessage(MoneyLimit::AboveMax, rulesWith(4, 6, 9999.999999)),
        QStringLiteral("This field does not accept amounts greater than 9,999.999999"));
}

TEST(DollarEditRules, CheckLimits)
{
    const struct {
        double value;
        double maxValue;
        double minValue;
        bool typing;
        MoneyLimit limit;
    } cases[] = {
        {100, 100, 0, false, MoneyLimit::None},     {100.01, 100, 0, false, MoneyLimit::AboveMax},
        {1e12, 0, 0, false, MoneyLimit::None},      {-1e12, 100, 0, false, MoneyLimit::None},
        {3, 0, 5, true, MoneyLimit::None},          {3, 0, 5, false, MoneyLimit::BelowMin},
        {0, 0, 5, false, MoneyLimit::None},         {-1, 0, 5, true, MoneyLimit::BelowMin},
        {-50, 0, -100, true, MoneyLimit::None},     {-101, 0, -100, false, MoneyLimit::BelowMin},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " in " << c.minValue << ".." << c.maxValue);
        EXPECT_EQ(CheckMoneyLimits(c.value, rulesWith(12, 2, c.maxValue, c.minValue), c.typing), c.limit);
    }
}

TEST(DollarEditRules, PasteMustFitTheField)
{
    const MoneyFieldRules rules = rulesWith(9, 2, 0, 0, false);
    EXPECT_TRUE(IsAcceptableMoneyChange(QString(), QStringLiteral("1234.50"), rules));
    EXPECT_FALSE(IsAcceptableMoneyChange(QString(), QStringLiteral("1234.505"), rules));
    EXPECT_FALSE(IsAcceptableMoneyChange(QString(), QStringLiteral("1234567890"), rules));
    EXPECT_FALSE(IsAcceptableMoneyChange(QString(), QStringLiteral("-5"), rules));
    EXPECT_FALSE(IsAcceptableMoneyChange(QString(), QStringLiteral("5-5"), rules));
    EXPECT_FALSE(IsAcceptableMoneyChange(QString(), QStringLiteral("1.2.3"), rules));
    // A text already over the limits may still be shortened.
    EXPECT_TRUE(IsAcceptableMoneyChange(QStringLiteral("1.2345"), QStringLiteral("1.234"), rules));
}

TEST(DollarEditRules, CalculatorResultGoesIntoTheFieldWhenItFits)
{
    const struct {
        const char* display;
        const char* field;
        MoneyFieldRules rules;
        CalculatorTransfer::Outcome outcome;
        const char* text;
    } cases[] = {
        {"8", "5", rulesWith(9, 2), CalculatorTransfer::Put, "8"},
        {"0.33", "", rulesWith(9, 2), CalculatorTransfer::Put, "0.33"},
        {"1234567890123", "5", rulesWith(9, 2), CalculatorTransfer::TooLong, "5"},
        // Room for one more character when the field held a minus sign.
        {"-12345678.123", "5", rulesWith(9, 2), CalculatorTransfer::TooLong, "5"},
        {"-12345678.123", "-5", rulesWith(9, 2), CalculatorTransfer::Put, "-12345678.123"},
        // Within the room but more dollar places than the field has, or in exponent form.
        {"1234567890", "5", rulesWith(9, 2), CalculatorTransfer::TooLong, "5"},
        {"1E16", "5", rulesWith(9, 2), CalculatorTransfer::TooLong, "5"},
        {"-20", "5", rulesWith(9, 2, 0, 0, false), CalculatorTransfer::Negative, "0.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.display);
        const CalculatorTransfer transfer =
            TransferCalculatorDisplay(QLatin1String(c.display), QLatin1String(c.field), c.rules);
        EXPECT_EQ(transfer.outcome, c.outcome);
        EXPECT_EQ(transfer.text, QLatin1String(c.text));
    }
}
