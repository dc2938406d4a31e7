#include "components/NumberRoutines.h"

#include "components/TextRoutines.h"
#include "platform/Exceptions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

EConvertError notValid(const QString& text, const char* what)
{
    return EConvertError(QStringLiteral("'%1' is not a valid %2").arg(text, QLatin1String(what)));
}

// Strict decimal syntax: an optional leading minus, digits, at most one point.
bool isDecimalSyntax(const QString& text, bool allowPoint)
{
    qsizetype i = 0;
    if (i < text.size() && text[i] == QChar('-'))
        ++i;
    bool digit = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isDigit()) {
            digit = true;
        } else if (c == QChar('.') && allowPoint && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

// m times 10^-k, kept in quad precision.
__float128 scaleByPowerOfTen(__float128 m, int k)
{
    __float128 power = 1;
    for (int i = 0; i < std::abs(k); ++i)
        power *= 10;
    return k > 0 ? m / power : m * power;
}

// The 18 significant digits of a positive magnitude and the decimal exponent of the first one.
// The scaled magnitude is not rounded to a double before its digits are taken: 104.5 / 10 as a
// double is 10.4499999999999993, whose digits would round an exact half down (104.5 to 104,
// 20.5 to 20). Only the product with 10^17 is rounded to a double, as for a magnitude that needs
// no scaling.
void significantDigits(double magnitude, std::string& digits, int& exponent)
{
    exponent = 0;
    __float128 m = magnitude;
    for (;;) {
        int e = 0;
        std::frexp(static_cast<double>(m), &e);
        const int k = ((e - 1) * 19728) >> 16;
        if (k == 0)
            break;
        m = scaleByPowerOfTen(m, k);
        exponent += k;
    }
    const __float128 product = m * 100000000000000000;
    const double d = std::nearbyint(static_cast<double>(product));
    auto value = static_cast<std::uint64_t>(d);
    if (d >= 1e18) {
        exponent += 1;
        // A double of 19 digits is 256 wide: its last digits are noise that would decide a half
        // (123456789.125 to 123456789.12). The 18 digits come from the product itself.
        value = static_cast<std::uint64_t>(std::nearbyint(static_cast<double>(product / 10)));
        if (value >= 1000000000000000000ULL) {
            value /= 10;
            exponent += 1;
        }
    }
    digits = std::to_string(value);
    digits.insert(0, 18 - digits.size(), '0');
}

// A positive magnitude as the decimal number it stands for: mantissa x 10^exponent with a mantissa
// of 15 significant digits. Fifteen digits are what a double holds for certain, so the binary
// noise of sums of cents (3888.9799999999996 for 3888.98) falls away.
struct Decimal15 {
    std::uint64_t mantissa = 0;
    int exponent = 0;
};

Decimal15 decimal15(double magnitude)
{
    // d.dddddddddddddde+XX, free of the locale's decimal point
    char text[32];
    const char* end = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, 14).ptr;
    Decimal15 decimal;
    const char* at = text;
    for (; at != end && *at != 'e'; ++at) {
        if (*at != '.')
            decimal.mantissa = decimal.mantissa * 10 + static_cast<std::uint64_t>(*at - '0');
    }
    decimal.exponent = std::atoi(std::string(at + 1, end).c_str()) - 14;
    return decimal;
}

// Beyond ten trillion dollars a double no longer holds every cent exactly.
constexpr double kLargestExactMoney = 1e13;

} // namespace

double TextToFloat(const QString& text)
{
    QString kept = KeepChars(text, MakeCharSet("-.0123456789"));
    if (IsBlank(kept))
        kept = QStringLiteral("0");
    else if (kept == QStringLiteral("-"))
        kept = QStringLiteral("-0");
    else if (kept == QStringLiteral("."))
        kept = QStringLiteral("0.");
    if (!isDecimalSyntax(kept, true))
        throw notValid(text, "floating point value");
    return std::strtod(kept.toLatin1().constData(), nullptr);
}

int TextToInt(const QString& text)
{
    QString kept = KeepChars(text, MakeCharSet("-0123456789"));
    if (IsBlank(kept))
        kept = QStringLiteral("0");
    else if (kept == QStringLiteral("-"))
        kept = QStringLiteral("-0");
    if (!isDecimalSyntax(kept, false))
        throw notValid(text, "integer value");
    bool ok = false;
    const int value = kept.toInt(&ok);
    if (!ok)
        throw notValid(text, "integer value");
    return value;
}

double DigitsToFloat(const QString& text)
{
    return TextToFloat(KeepChars(text, MakeCharSet("0123456789")));
}

namespace {

// The rounding on the value's 18 significant digits taken as text, for every value the integer
// path below does not take.
double roundThroughDigits(double value, int decimals)
{
    const bool negative = std::signbit(value);
    std::string digits(18, '0');
    int exponent = 0;
    if (value != 0)
        significantDigits(std::fabs(value), digits, exponent);

    // Leading zeros make room for a carry and for values below the last kept place, so the
    // integer part always has at least one digit.
    const int pad = std::max(0, -exponent) + 1;
    std::string all = std::string(pad, '0') + digits;
    const int integerDigits = exponent + 1 + pad;
    const int keep = integerDigits + decimals;
    if (keep > static_cast<int>(all.size()))
        all.append(keep - all.size(), '0');
    const bool roundUp = keep < static_cast<int>(all.size()) && all[keep] >= '5';
    all.resize(keep);
    if (roundUp) {
        int i = keep - 1;
        while (all[i] == '9')
            all[i--] = '0';
        ++all[i];
    }

    std::string whole = all.substr(0, integerDigits);
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
    std::string text = (negative ? "-" : "") + whole;
    if (decimals > 0)
        text += "." + all.substr(integerDigits);
    return std::strtod(text.c_str(), nullptr);
}

// 10^0 .. 10^22, each exact as a double, so a product or quotient with one is rounded once.
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kLargestExactPower = 22;

// Below 2^53 every integer is a double.
constexpr std::uint64_t kLargestExactInteger = std::uint64_t{1} << 53;

std::uint64_t powerOfTen(int n)
{
    std::uint64_t power = 1;
    while (n-- > 0)
        power *= 10;
    return power;
}

// The 18 significant digits of a positive magnitude from 1e-5 up to 1e17, exactly as
// significantDigits makes them, with integers and doubles only: those digits are the magnitude
// times the power of ten that brings it to 18 digits, rounded once to a double, and a double
// product with an exact power of ten is that rounding. The quad-precision scaling there strays
// from the exact product by a few parts in 2^113, which only matters for a product lying exactly
// half-way between two doubles; such a magnitude is left to the digits (false).
bool eighteenDigits(double magnitude, std::uint64_t& digits, int& exponent)
{
    if (!(magnitude >= 1e-5 && magnitude < 1e17))
        return false;
    exponent = static_cast<int>(std::floor(std::log10(magnitude)));
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int scale = 17 - exponent;
        if (scale < 0 || scale > kLargestExactPower)
            return false;
        const double power = kExactPowersOfTen[scale];
        const double product = magnitude * power;
        int binaryExponent = 0;
        std::frexp(product, &binaryExponent);
        const double halfStep = std::ldexp(1.0, binaryExponent - 54);
        if (std::fabs(std::fma(magnitude, power, -product)) == halfStep)
            return false;
        if (product >= 1e18) {
            ++exponent;
            continue;
        }
        if (product < 1e17) {
            --exponent;
            continue;
        }
        digits = static_cast<std::uint64_t>(product);
        return true;
    }
    return false;
}

// The integer path of RoundToDecimals: half away from zero on the 18 digits, and the kept digits
// divided by an exact power of ten, which is the double that their text reads back as.
bool roundThroughIntegers(double value, int decimals, double& rounded)
{
    if (decimals > kLargestExactPower)
        return false;
    const double magnitude = std::fabs(value);
    double result = 0;
    if (magnitude != 0) {
        std::uint64_t digits = 0;
        int exponent = 0;
        if (!eighteenDigits(magnitude, digits, exponent))
            return false;
        const int kept = exponent + 1 + decimals;
        if (kept >= 18) {
            // Nothing to drop: the digits themselves, scaled.
            result = static_cast<double>(digits) / kExactPowersOfTen[17 - exponent];
        } else {
            std::uint64_t whole = 0;
            if (kept >= 0) {
                const std::uint64_t unit = powerOfTen(18 - kept);
                whole = digits / unit + (digits % unit >= unit / 2 ? 1 : 0);
            }
            if (whole >= kLargestExactInteger)
                return false;
            result = static_cast<double>(whole) / kExactPowersOfTen[decimals];
        }
    }
    rounded = std::signbit(value) ? -result : result;
    return true;
}

} // namespace

double RoundToDecimals(double value, int decimals)
{
    if (!std::isfinite(value))
        return 0;
    if (decimals < 0)
        decimals = 0;
    double rounded = 0;
    if (roundThroughIntegers(value, decimals, rounded))
        return rounded;
    return roundThroughDigits(value, decimals);
}

namespace {

// amount x factor x 10^scale to the cent, on the decimals the doubles stand for.
double DecimalProductToTheCent(double amount, double factor, int scale)
{
    const double product = amount * factor * std::pow(10.0, scale);
    if (!std::isfinite(product))
        return 0;
    if (std::fabs(product) >= kLargestExactMoney)
        return RoundToDecimals(product, 2);
    const Decimal15 a = decimal15(std::fabs(amount));
    const Decimal15 f = decimal15(std::fabs(factor));
    // The exact product in cents is digits x 10^-dropped. Two mantissas of 15 digits make at most
    // 30, which fit; below ten trillion dollars at least 13 digits are dropped, and past 30
    // nothing reaches half a cent.
    const unsigned __int128 digits = static_cast<unsigned __int128>(a.mantissa) * f.mantissa;
    const int dropped = -(a.exponent + f.exponent + scale + 2);
    unsigned __int128 cents = 0;
    if (dropped <= 30) {
        unsigned __int128 unit = 1;
        for (int i = 0; i < dropped; ++i)
            unit *= 10;
        cents = digits / unit;
        if (digits % unit * 2 >= unit)
            ++cents;
    }
    const double magnitude = static_cast<double>(cents) / 100;
    return std::signbit(amount) != std::signbit(factor) ? -magnitude : magnitude;
}

} // namespace

double MoneyTimes(double amount, double factor)
{
    return DecimalProductToTheCent(amount, factor, 0);
}

double MoneyTimesPercent(double amount, double percent)
{
    return DecimalProductToTheCent(amount, percent, -2);
}

int RoundToWhole(double value)
{
    const double rounded = RoundToDecimals(value, 0);
    // Past the 32-bit range the general text of the value no longer reads back as an integer.
    if (std::fabs(rounded) >= 2147483648.0 && rounded != -2147483648.0)
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(QString::number(rounded, 'g', 15)));
    return TextToInt(QString::number(rounded, 'f', 0));
}

QString FormatAmount(double value, int decimals, bool thousands)
{
    double rounded = RoundToDecimals(value, decimals);
    if (rounded == 0)
        rounded = 0; // drops the sign of a negative zero
    QString text = QString::number(rounded, 'f', decimals);
    if (!thousands)
        return text;
    const bool negative = text.startsWith(QChar('-'));
    if (negative)
        text.remove(0, 1);
    qsizetype point = text.indexOf(QChar('.'));
    if (point < 0)
        point = text.size();
    for (qsizetype at = point - 3; at > 0; at -= 3)
        text.insert(at, QChar(','));
    return negative ? QStringLiteral("-") + text : text;
}
