#pragma once

#include <QString>

// Conversions of entered text; a text that still does not convert raises EConvertError.
double TextToFloat(const QString& text);
int TextToInt(const QString& text);
double DigitsToFloat(const QString& text);

// The program's one rounding: half away from zero on the value's 18 significant decimal digits.
// A negative value that rounds to zero gives negative zero.
double RoundToDecimals(double value, int decimals);
int RoundToWhole(double value);

// amount x percent / 100 to the cent, half away from zero, taken on the decimal numbers the two
// doubles stand for (15 significant digits each) rather than on their binary product: 6.2 % of
// 42.50 is exactly 2.635 and gives 2.64, where the double product lies just below the half. Every
// tax or deduction that is a percentage of an amount of money is computed by this one routine.
double MoneyTimesPercent(double amount, double percent);

// Fixed-point text of an amount, optionally with thousands separators. Rounds as RoundToDecimals
// does and never shows a negative zero.
QString FormatAmount(double value, int decimals, bool thousands = false);
