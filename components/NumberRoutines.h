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

// Fixed-point text of an amount, optionally with thousands separators. Rounds as RoundToDecimals
// does and never shows a negative zero.
QString FormatAmount(double value, int decimals, bool thousands = false);
