#include "TestSupport.h"

#include "components/NumberRoutines.h"
#include "platform/Exceptions.h"

#include <cmath>
#include <iomanip>
#include <limits>

namespace {
struct RoundCase {
    double value;
    int decimals;
    double expected;
};
} // namespace

TEST(RoundToDecimals, RoundsHalfAwayFromZeroOnEighteenDigits)
{
    const RoundCase cases[] = {
        {0.125, 2, 0.13},     {-0.125, 2, -0.13},   {1.005, 2, 1.00},     {2.675, 2, 2.67},
        {1.255, 2, 1.25},     {1.345, 2, 1.35},     {2.345, 2, 2.35},     {1.45, 1, 1.5},
        {99.995, 2, 100.00},  {2.5, 0, 3},          {-2.5, 0, -3},        {1234.5678, 2, 1234.57},
        {0.005, 2, 0.01},     {0.0049, 2, 0},       {0.5, 0, 1},          {0.4999, 0, 0},
        {999999.995, 2, 1000000.00}, {9.5, 0, 10}, {123456789.125, 2, 123456789.13},
        {1e-7, 2, 0},         {12.3456, 3, 12.346}, {7, 2, 7},            {0.045, 2, 0.05},
        {1e20, 2, 1e20},      {-1234.5, 0, -1235},  {16.5, 0, 17},        {15.99999, 2, 16},
    };
    for (const RoundCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " to " << c.decimals);
        EXPECT_EQ(RoundToDecimals(c.value, c.decimals), c.expected);
    }
}

// Values whose binary lies just below or just above the half, amounts past a billion, negatives,
// magnitudes where the double's own noise reaches the 18th digit, and tiny values: the sign of a
// zero result counts too.
TEST(RoundToDecimals, TrickyValuesRoundOnTheirEighteenDigits)
{
    const RoundCase cases[] = {
        {1.015, 2, 1.01},           {1.025, 2, 1.02},           {0.285, 2, 0.28},
        {1.115, 2, 1.12},           {10.005, 2, 10.01},         {100.005, 2, 100.01},
        {1000.005, 2, 1000.01},     {8.345, 2, 8.35},           {-1.005, 2, -1},
        {-2.675, 2, -2.67},         {-0.005, 2, -0.01},         {0.015, 2, 0.02},
        {4.35, 1, 4.3},             {1.45, 1, 1.5},             {-1.45, 1, -1.5},
        {0.995, 2, 1},              {9.995, 2, 9.99},           {-9.995, 2, -9.99},
        {1234.565, 2, 1234.57},     {1234.575, 2, 1234.58},     {184500.005, 2, 184500.01},
        {1234567.895, 2, 1234567.9}, {99999999.995, 2, 100000000},
        {12345678901.235, 2, 12345678901.24},  {-12345678901.235, 2, -12345678901.24},
        {1000000000000000.5, 0, 1000000000000000}, {4503599627370495.5, 0, 4503599627370495},
        {10000000000000002.0, 0, 10000000000000002.0},
        {0.0000449, 4, 0},          {0.00005, 4, 0.0001},       {0.0000025, 5, 0},
        {-0.0000025, 5, -0.0},      {2.5, 0, 3},                {3.5, 0, 4},
        {-0.5, 0, -1},              {0.049999999999999996, 1, 0},
    };
    for (const RoundCase& c : cases) {
        SCOPED_TRACE(testing::Message() << std::setprecision(17) << c.value << " to " << c.decimals);
        const double rounded = RoundToDecimals(c.value, c.decimals);
        EXPECT_EQ(rounded, c.expected);
        EXPECT_EQ(std::signbit(rounded), std::signbit(c.expected));
    }
}

// The product is taken on the decimals the doubles stand for: an exact half cent goes away from
// zero even where the double (2.635 itself) lies just below it.
TEST(MoneyTimesPercent, RoundsTheDecimalProductHalfAwayFromZero)
{
    struct Case {
        double amount;
        double percent;
        double expected;
    };
    const Case cases[] = {
        {42.50, 6.2, 2.64},           {70.00, 1.45, 1.02},         {167.50, 0.6, 1.01},
        {150.00, 1.45, 2.18},         {4321.09, 10, 432.11},       {-42.50, 6.2, -2.64},
        {42.50, -6.2, -2.64},         {2.635, 100, 2.64},          {0.1 + 0.2, 50, 0.15},
        {1000, 6.2, 62},              {0.08, 6.25, 0.01},          {0.07, 6.25, 0},
        {184500, 6.2, 11439},         {123456789.01, 7.65, 9444444.36}, {0, 6.2, 0},
        {1e-300, 50, 0},              {1e14, 50, 5e13},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.amount << " x " << c.percent << "%");
        EXPECT_EQ(MoneyTimesPercent(c.amount, c.percent), c.expected);
    }
    EXPECT_EQ(MoneyTimesPercent(std::numeric_limits<double>::infinity(), 6.2), 0.0);
    EXPECT_EQ(MoneyTimesPercent(std::numeric_limits<double>::quiet_NaN(), 6.2), 0.0);
}

TEST(MoneyTimes, RoundsTheDecimalProductHalfAwayFromZero)
{
    struct Case {
        double amount;
        double factor;
        double expected;
    };
    const Case cases[] = {
        {10.10, 0.25, 2.53},   {1.01, 2.5, 2.53},      {21.10, 0.75, 15.83},  {-10.10, 0.25, -2.53},
        {25, 40, 1000},        {12.345, 1, 12.35},     {0.1 + 0.2, 1, 0.30},  {19.99, 37.5, 749.63},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.amount << " x " << c.factor);
        EXPECT_EQ(MoneyTimes(c.amount, c.factor), c.expected);
    }
}

// Halves that a double holds exactly must go away from zero at every magnitude, not only where no
// decimal scaling is needed: a withholding of 104.50 a period is 105 dollars.
TEST(RoundToDecimals, ExactHalvesGoAwayFromZeroAtEveryMagnitude)
{
    EXPECT_EQ(RoundToDecimals(20.5, 0), 21);
    EXPECT_EQ(RoundToDecimals(104.5, 0), 105);
    EXPECT_EQ(RoundToDecimals(-104.5, 0), -105);
    EXPECT_EQ(RoundToDecimals(2508.0 / 24, 0), 105);
    EXPECT_EQ(RoundToDecimals(1000.375, 2), 1000.38);
    EXPECT_EQ(RoundToDecimals(98765.625, 2), 98765.63);
    for (int n = 0; n < 200000; ++n) {
        ASSERT_EQ(RoundToDecimals(n + 0.5, 0), n + 1) << n << ".5";
        ASSERT_EQ(RoundToDecimals(n + 0.125, 2), n + 0.13) << n << ".125";
    }
}

TEST(RoundToDecimals, KeepsNegativeZeroAndMapsNonFiniteToZero)
{
    const double negativeZero = RoundToDecimals(-0.001, 2);
    EXPECT_EQ(negativeZero, 0.0);
    EXPECT_TRUE(std::signbit(negativeZero));
    EXPECT_FALSE(std::signbit(RoundToDecimals(0.001, 2)));
    EXPECT_EQ(RoundToDecimals(std::numeric_limits<double>::infinity(), 2), 0.0);
    EXPECT_EQ(RoundToDecimals(std::numeric_limits<double>::quiet_NaN(), 2), 0.0);
    EXPECT_EQ(RoundToDecimals(0.0, 2), 0.0);
}

TEST(RoundToWhole, RoundsAndRefusesWhatIsBeyondThirtyTwoBits)
{
    EXPECT_EQ(RoundToWhole(2.5), 3);
    EXPECT_EQ(RoundToWhole(-2.5), -3);
    EXPECT_EQ(RoundToWhole(2147483647.4), 2147483647);
    EXPECT_EQ(RoundToWhole(-2147483648.0), -2147483647 - 1);
    EXPECT_THROW(RoundToWhole(2147483648.0), EConvertError);
    // The general text of 1e15 is "1E15"; it must not read back as 115.
    EXPECT_THROW(RoundToWhole(1e15), EConvertError);
    EXPECT_THROW(RoundToWhole(-5e16), EConvertError);
}

TEST(FormatAmount, NeverShowsNegativeZero)
{
    EXPECT_EQ(FormatAmount(-0.001, 2), QStringLiteral("0.00"));
    EXPECT_EQ(FormatAmount(-0.0, 2), QStringLiteral("0.00"));
    EXPECT_EQ(FormatAmount(-1234567.125, 2, true), QStringLiteral("-1,234,567.13"));
    EXPECT_EQ(FormatAmount(999.995, 2, true), QStringLiteral("1,000.00"));
    EXPECT_EQ(FormatAmount(12, 0, true), QStringLiteral("12"));
}

TEST(TextConversion, KeepsSignPointAndDigits)
{
    EXPECT_EQ(TextToFloat(QString()), 0.0);
    EXPECT_EQ(TextToFloat(QStringLiteral("-")), 0.0);
    EXPECT_EQ(TextToFloat(QStringLiteral(".")), 0.0);
    EXPECT_EQ(TextToFloat(QStringLiteral("$1,234.50")), 1234.5);
    EXPECT_EQ(TextToFloat(QStringLiteral("12a3")), 123.0);
    EXPECT_EQ(TextToFloat(QStringLiteral("-7.25")), -7.25);
    EXPECT_THROW(TextToFloat(QStringLiteral("1.2.3")), EConvertError);
    EXPECT_THROW(TextToFloat(QStringLiteral("4-2")), EConvertError);
    EXPECT_EQ(TextToInt(QStringLiteral("(42)")), 42);
    EXPECT_EQ(TextToInt(QStringLiteral("")), 0);
    EXPECT_EQ(TextToInt(QStringLiteral("-")), 0);
    EXPECT_EQ(TextToInt(QStringLiteral("-17")), -17);
    EXPECT_THROW(TextToInt(QStringLiteral("4-2")), EConvertError);
    EXPECT_THROW(TextToInt(QStringLiteral("2147483648")), EConvertError);
    EXPECT_EQ(DigitsToFloat(QStringLiteral("-12.34")), 1234.0);
    try {
        TextToInt(QStringLiteral("4-2"));
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("'4-2' is not a valid integer value"));
    }
}
