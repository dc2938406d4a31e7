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

// amount x factor, and amount x percent / 100, to the cent, half away from zero, taken on the
// decimal numbers the two doubles stand for (15 significant digits each) rather than on their
// binary product: 6.2 % of 42.50 is exactly 2.635 and gives 2.64, and a quarter hour at 10.10 is
// exactly 2.525 and gives 2.53, where the double products lie just below the half. Every amount
// of money that is a rate times hours, or a percentage of another amount, is computed by these.
double MoneyTimes(double amount, double factor);
double MoneyTimesPercent(double amount, double percent);

// Fixed-point text of an amount, optionally with thousands separators. Rounds as RoundToDecimals
// does and never shows a negative zero.
QString FormatAmount(double value, int decimals, bool thousands = false);
