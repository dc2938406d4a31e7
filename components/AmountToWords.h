#pragma once

#include <QString>

// The words of n (0 to 999) followed by scale, each word followed by one blank; empty when n is 0.
QString HundredsToWords(int n, const QString& scale);

// A check amount written out: "One Thousand Two Hundred Thirty Four and 56/100". The sign is
// ignored; an amount of 10^15 or more, which no check line can hold, gives "(Overflow)".
QString AmountToWords(double amount);
