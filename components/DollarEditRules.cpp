#include "components/DollarEditRules.h"

#include "components/NumberRoutines.h"
#include "components/TextRoutines.h"
#include "platform/Exceptions.h"

#include <algorithm>
#include <cmath>
#include <limits>

int CalcDecimals = 0;

namespace {

const CharSet& numberChars()
{
    static const CharSet set = MakeCharSet("-.0123456789");
    return set;
}

bool isDigit(QChar c)
{
    return c >= QChar('0') && c <= QChar('9');
}

// Characters before the point (a minus sign included) and after it; -1 after it when there is no point.
void countParts(const QString& text, int& before, int& after)
{
    const qsizetype point = text.indexOf(QChar('.'));
    before = static_cast<int>(point < 0 ? text.size() : point);
    after = point < 0 ? -1 : static_cast<int>(text.size() - point - 1);
}

// The text with the selection, or else the character before the caret for a backspace, replaced by key.
QString textAfterKey(QChar key, const MoneyKeyInput& input)
{
    QString text = input.text;
    int at = std::clamp(input.cursor, 0, static_cast<int>(text.size()));
    if (input.selectionLength > 0) {
        const int start = std::clamp(input.selectionStart, 0, static_cast<int>(text.size()));
        text.remove(start, input.selectionLength);
        at = start;
        if (key == QChar('\b'))
            return text;
    } else if (key == QChar('\b')) {
        if (at > 0)
            text.remove(at - 1, 1);
        return text;
    }
    if (key == QChar('\r'))
        return text;
    text.insert(at, key);
    return text;
}

} // namespace

QString MoneyZeroText(int centDigits)
{
    return FormatAmount(0, std::clamp(centDigits, 0, 6));
}

QString FormatMoney(double value, int centDigits, bool currency)
{
    centDigits = std::clamp(centDigits, 0, 6);
    QString text = FormatAmount(value, centDigits, true);
    if (currency && (centDigits == 0 || centDigits == 2))
        text.insert(text.startsWith(QChar('-')) ? 1 : 0, QChar('$'));
    return text;
}

double CapMoneyValue(double value)
{
    if (std::isnan(value))
        return 0;
    return std::min(value, MaxMoneyValue);
}

double MoneyTextValue(const QString& text)
{
    try {
        return TextToFloat(text);
    } catch (const EConvertError&) {
        return 0;
    }
}

PlainMoney ParseMoneyText(const QString& text, int centDigits)
{
    PlainMoney plain;
    plain.text = KeepChars(text, numberChars());
    if (plain.text.isEmpty() || plain.text == QStringLiteral("-") || plain.text == QStringLiteral(".")) {
        plain.text = MoneyZeroText(centDigits);
        return plain;
    }
    try {
        plain.value = RoundToDecimals(TextToFloat(plain.text), std::clamp(centDigits, 0, 6));
    } catch (const EConvertError&) {
        // Only the minus sign and a point, or two points: nothing that reads as an amount.
        plain.text = MoneyZeroText(centDigits);
        plain.value = 0;
    }
    return plain;
}

bool IsPlainMoneyText(const QString& text, int dollarDigits, int centDigits)
{
    if (text.lastIndexOf(QChar('-')) > 0 || text.count(QChar('.')) > 1)
        return false;
    for (QChar c : text)
        if (!isDigit(c) && c != QChar('-') && c != QChar('.'))
            return false;
    int before = 0;
    int after = 0;
    countParts(text, before, after);
    return before <= dollarDigits && (centDigits < 0 || after <= centDigits);
}

bool IsAcceptableMoneyChange(const QString& before, const QString& after, const MoneyFieldRules& rules)
{
    if (!IsPlainMoneyText(after, std::numeric_limits<int>::max(), -1))
        return false;
    if (!rules.minusKey && after.startsWith(QChar('-')) && !before.startsWith(QChar('-')))
        return false;
    int oldBefore = 0;
    int oldAfter = 0;
    int newBefore = 0;
    int newAfter = 0;
    countParts(before, oldBefore, oldAfter);
    countParts(after, newBefore, newAfter);
    if (newBefore > rules.dollarDigits && newBefore > oldBefore)
        return false;
    return newAfter <= rules.centDigits || newAfter <= oldAfter;
}

MoneyLimit CheckMoneyLimits(double value, const MoneyFieldRules& rules, bool typing)
{
    if (rules.maxValue > 0 && value > rules.maxValue)
        return MoneyLimit::AboveMax;
    if (rules.minValue != 0 && value != 0 && value < rules.minValue && (!typing || value < 0))
        return MoneyLimit::BelowMin;
    return MoneyLimit::None;
}

QString MoneyLimitMessage(MoneyLimit limit, const MoneyFieldRules& rules)
{
    switch (limit) {
    case MoneyLimit::AboveMax:
        return QStringLiteral("This field does not accept amounts greater than ")
            + FormatMoney(rules.maxValue, rules.centDigits, rules.currency).trimmed();
    case MoneyLimit::BelowMin:
        return QStringLiteral("This field does not accept amounts less than ")
            + FormatMoney(rules.minValue, rules.centDigits, rules.currency).trimmed();
    case MoneyLimit::None:
        break;
    }
    return QString();
}

MoneyKeyResult FilterMoneyKey(QChar key, const MoneyKeyInput& input, const MoneyFieldRules& rules)
{
    MoneyKeyResult result;
    const QChar backspace('\b');
    const bool digit = isDigit(key);
    MoneyKeyInput in = input;
    if (in.firstTime && (digit || key == QChar('.') || (key == QChar('-') && rules.minusKey))) {
        result.emptyFirst = true;
        in.text.clear();
        in.cursor = in.selectionStart = in.selectionLength = 0;
    }
    const QString& text = in.text;

    const bool known = digit || key == backspace || key == QChar('\r') || key == QChar('-') || key == QChar('.')
        || key == QChar('C') || key == QChar('c');
    if (!known)
        return result;
    if ((key == QChar('-') || key == QChar('.')) && text.contains(key))
        return result;
    if (key == QChar('-') && (!rules.minusKey || !text.isEmpty()))
        return result;
    if (key == QChar('C') || key == QChar('c')) {
        result.openCalculator = true;
        return result;
    }
    const qsizetype point = text.indexOf(QChar('.'));
    if (point < 0 && text.size() == rules.dollarDigits && key != backspace && key != QChar('.'))
        return result;
    if (point >= 0 && text.size() - point - 1 >= rules.centDigits && key != backspace)
        return result;

    const QString after = textAfterKey(key, in);
    if (!IsAcceptableMoneyChange(text, after, rules))
        return result;
    const MoneyLimit limit = CheckMoneyLimits(MoneyTextValue(after), rules, true);
    if (limit != MoneyLimit::None) {
        // A backspace that would join the cents to the dollars is simply refused.
        if (key != backspace)
            result.limit = limit;
        return result;
    }
    result.key = key;
    result.typed = key != QChar('\r');
    return result;
}

CalculatorTransfer TransferCalculatorDisplay(const QString& display, const QString& fieldText, const MoneyFieldRules& rules)
{
    CalculatorTransfer transfer;
    const int room = rules.dollarDigits + rules.centDigits + 1 + (fieldText.contains(QChar('-')) ? 1 : 0);
    QString text = display;
    while (!text.isEmpty() && text.front() == QChar(' '))
        text.remove(0, 1);
    // A result in exponent form or with more dollar places than the field has would be misread.
    if (display.size() > room || !IsPlainMoneyText(text, rules.dollarDigits, -1)) {
        transfer.outcome = CalculatorTransfer::TooLong;
        transfer.text = fieldText;
        return transfer;
    }
    transfer.text = text;
    if (!rules.minusKey && text.contains(QChar('-'))) {
        transfer.outcome = CalculatorTransfer::Negative;
        transfer.text = QStringLiteral("0.00");
    }
    return transfer;
}
