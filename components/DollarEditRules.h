#pragma once

#include <QChar>
#include <QString>

// The rules of a money entry field: how its number is shown, read back and typed.

// What a money field's settings ask of its text.
struct MoneyFieldRules {
    int dollarDigits = 9; // characters before the point, a minus sign included
    int centDigits = 2;   // 0 to 6
    bool currency = false;
    bool minusKey = true;
    double maxValue = 0; // a limit when above 0
    double minValue = 0; // a limit when not 0
};

// The largest amount a field stores.
inline constexpr double MaxMoneyValue = 999999999999.99;

// The centDigits of the money field that last received the focus; the calculator rounds to it.
extern int CalcDecimals;

// "0", "0.0", "0.00" ... by the number of decimals.
QString MoneyZeroText(int centDigits);
// The display form: rounded to the decimals, thousands separators, "$" for 0 and 2 decimals when
// currency is set, a leading "-" before everything ("-$1,234.50"); never "-0.00".
QString FormatMoney(double value, int centDigits, bool currency);
// A number above the largest amount becomes it; a value that is not a number becomes 0.
double CapMoneyValue(double value);
// The text read as a number: stripped to the minus sign, the point and the digits. A text that
// does not read (a lone "-." or two points) counts as 0.
double MoneyTextValue(const QString& text);

// Back from the display form: the plain number text and its value rounded to the decimals.
struct PlainMoney {
    QString text;
    double value = 0;
};
PlainMoney ParseMoneyText(const QString& text, int centDigits);

// Whether text is a plain number a field could hold: an optional leading "-", digits, at most one
// point, at most dollarDigits characters before the point (the minus sign counts) and, when
// centDigits is 0 or more, at most that many after it.
bool IsPlainMoneyText(const QString& text, int dollarDigits, int centDigits);
// Whether a user's change from before to after keeps the field's text a plain number: a change
// may not add characters before or after the point beyond the limits, but may shorten a text
// that is already over them.
bool IsAcceptableMoneyChange(const QString& before, const QString& after, const MoneyFieldRules& rules);

enum class MoneyLimit { None, AboveMax, BelowMin };
// The limit a value breaks. While typing a positive number below the minimum is let through, since
// more digits can still bring it up; 0 is never below the minimum (it is the empty field).
MoneyLimit CheckMoneyLimits(double value, const MoneyFieldRules& rules, bool typing);
QString MoneyLimitMessage(MoneyLimit limit, const MoneyFieldRules& rules);

// A typed character and the field it goes into.
struct MoneyKeyInput {
    QString text;
    int cursor = 0;
    int selectionStart = 0; // with selectionLength 0, no selection
    int selectionLength = 0;
    bool firstTime = false; // nothing typed since the field received the focus
};

// What becomes of the character.
struct MoneyKeyResult {
    bool emptyFirst = false;     // the first key replaces the old value: empty the text before the key
    bool openCalculator = false; // "C": the key is swallowed and the calculator opens
    QChar key;                   // the character to insert; null when it is swallowed
    MoneyLimit limit = MoneyLimit::None; // the number would break a limit: message, text emptied
    bool typed = false;          // a digit, point, minus or backspace got in: firstTime ends
};

// The key filter of a money field. Backspace is "\b". The limits are checked on the text the key
// would leave, wherever the caret stands.
MoneyKeyResult FilterMoneyKey(QChar key, const MoneyKeyInput& input, const MoneyFieldRules& rules);

// Putting the calculator's display into the field.
struct CalculatorTransfer {
    enum Outcome { Put, TooLong, Negative } outcome = Put;
    QString text; // the field's new text (unchanged when TooLong)
};
CalculatorTransfer TransferCalculatorDisplay(const QString& display, const QString& fieldText, const MoneyFieldRules& rules);

inline const QString CalculatorTooLongMessage = QStringLiteral("The calculator display will not~fit into the data entry field!");
inline const QString NegativeRefusedMessage = QStringLiteral("This field does not accept negative amounts!");
