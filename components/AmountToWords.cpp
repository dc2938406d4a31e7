#include "components/AmountToWords.h"

#include "components/NumberRoutines.h"
#include "components/TextRoutines.h"

#include <cmath>

namespace {

const char* const Ones[10] = {"", "One ", "Two ", "Three ", "Four ", "Five ", "Six ", "Seven ", "Eight ", "Nine "};
const char* const Teens[10] = {"Ten ", "Eleven ", "Twelve ", "Thirteen ", "Fourteen ", "Fifteen ", "Sixteen ",
                               "Seventeen ", "Eighteen ", "Nineteen "};
const char* const Tens[10] = {"", "", "Twenty ", "Thirty ", "Forty ", "Fifty ", "Sixty ", "Seventy ", "Eighty ",
                              "Ninety "};
const char* const Scales[5] = {"Trillion ", "Billion ", "Million ", "Thousand ", ""};

} // namespace

QString HundredsToWords(int n, const QString& scale)
{
    if (n <= 0 || n > 999)
        return QString();
    QString words;
    if (n >= 100)
        words += QLatin1String(Ones[n / 100]) + QLatin1String("Hundred ");
    const int tens = n / 10 % 10;
    const int units = n % 10;
    if (tens == 1) {
        words += QLatin1String(Teens[units]);
    } else {
        words += QLatin1String(Tens[tens]);
        words += QLatin1String(Ones[units]);
    }
    return words + scale;
}

QString AmountToWords(double amount)
{
    if (!std::isfinite(amount))
        return QStringLiteral("(Overflow)");
    QString text = FormatAmount(std::fabs(amount), 2);
    if (text.size() >= 19)
        return QStringLiteral("(Overflow)");
    text = ZeroPadTo(text, 18);
    QString words;
    if (text.left(15).toLongLong() == 0) {
        words = QStringLiteral("Zero ");
    } else {
        for (int group = 0; group < 5; ++group)
            words += HundredsToWords(text.mid(group * 3, 3).toInt(), QLatin1String(Scales[group]));
    }
    return words + QStringLiteral("and ") + text.mid(16, 2) + QStringLiteral("/100");
}
