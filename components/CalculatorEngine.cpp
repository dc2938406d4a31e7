#include "components/CalculatorEngine.h"

#include "components/NumberRoutines.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"

#include <QCoreApplication>

#include <cmath>

namespace {

void showError(const QString& text)
{
    AppMessageBox(text, QCoreApplication::applicationName(), MbOk | MbIconStop);
}

} // namespace

QString GeneralFloatText(double value)
{
    if (value == 0 || !std::isfinite(value))
        return QStringLiteral("0");
    // d.dddddddddddddde±x: the 15 significant digits and the exponent.
    const QString scientific = QString::number(value, 'e', 14);
    const bool negative = scientific.startsWith(QChar('-'));
    const qsizetype e = scientific.indexOf(QChar('e'));
    QString digits = scientific.mid(negative ? 1 : 0, e - (negative ? 1 : 0)).remove(QChar('.'));
    const int exponent = scientific.mid(e + 1).toInt();
    while (digits.size() > 1 && digits.endsWith(QChar('0')))
        digits.chop(1);

    QString text;
    if (exponent >= 15 || exponent < -5) {
        text = digits.left(1);
        if (digits.size() > 1)
            text += QChar('.') + digits.mid(1);
        text += QChar('E') + QString::number(exponent);
    } else if (exponent < 0) {
        text = QStringLiteral("0.") + QString(-exponent - 1, QChar('0')) + digits;
    } else {
        if (digits.size() <= exponent)
            digits += QString(exponent + 1 - digits.size(), QChar('0'));
        text = digits.left(exponent + 1);
        if (digits.size() > exponent + 1)
            text += QChar('.') + digits.mid(exponent + 1);
    }
    return negative ? QChar('-') + text : text;
}

CalculatorEngine::CalculatorEngine(int decimals, const QString& fieldText)
    : decimals_(decimals)
    , fieldText_(fieldText)
{
}

double CalculatorEngine::displayValue() const
{
    bool ok = false;
    const double value = display_.trimmed().toDouble(&ok);
    if (ok)
        return value;
    // A fetched field text such as "1,234.50" or an empty one.
    try {
        return TextToFloat(display_);
    } catch (const EConvertError&) {
        return 0;
    }
}

void CalculatorEngine::digit(QChar digit)
{
    if (lastInput_ != Digit) {
        display_.clear();
        decFlag_ = false;
    }
    if (display_.size() >= MaxChars)
        return;
    display_ += digit;
    lastInput_ = Digit;
}

void CalculatorEngine::point()
{
    if (lastInput_ != Digit)
        display_ = QStringLiteral("0.");
    else if (!decFlag_ && display_.size() < MaxChars)
        display_ += QChar('.');
    decFlag_ = true;
    lastInput_ = Digit;
}

void CalculatorEngine::operate(QChar op)
{
    if (lastInput_ == Digit || lastInput_ == GetRecall)
        ++numOper_;
    if (numOper_ == 1) {
        oper1_ = displayValue();
    } else if (numOper_ == 2) {
        oper2_ = displayValue();
        if (op == QChar('%')) {
            if (operFlag_ == QChar('*') || operFlag_ == QChar('/'))
                oper2_ = oper2_ / 100;
            else if (operFlag_ == QChar('+') || operFlag_ == QChar('-'))
                oper2_ = oper2_ * oper1_ / 100;
            op = QChar('=');
        }
        switch (operFlag_.unicode()) {
        case '+': oper1_ = oper1_ + oper2_; break;
        case '-': oper1_ = oper1_ - oper2_; break;
        case '*': oper1_ = oper1_ * oper2_; break;
        case '/':
            if (oper2_ == 0)
                showError(QStringLiteral("You cannot divide by zero"));
            else
                oper1_ = oper1_ / oper2_;
            break;
        case '=': oper1_ = oper2_; break;
        default: break;
        }
        showResult(oper1_);
    }
    lastInput_ = Operator;
    operFlag_ = op;
}

void CalculatorEngine::showResult(double value)
{
    oper1_ = RoundToDecimals(value, decimals_);
    display_ = GeneralFloatText(oper1_);
    numOper_ = 1;
    if (display_.size() > MaxChars) {
        showError(QStringLiteral("The calculated result will not fit~into the calculator display!"));
        allClear();
    }
}

void CalculatorEngine::clearEntry()
{
    display_ = QStringLiteral("0");
    lastInput_ = Clear;
    decFlag_ = false;
}

void CalculatorEngine::allClear()
{
    display_ = QStringLiteral("0");
    oper1_ = oper2_ = 0;
    numOper_ = 0;
    lastInput_ = None;
    operFlag_ = QChar(' ');
    decFlag_ = false;
}

void CalculatorEngine::plusMinus()
{
    if (display_.startsWith(QChar('-')))
        display_.remove(0, 1);
    else
        display_.prepend(QChar('-'));
}

void CalculatorEngine::backspace()
{
    if (display_.size() <= 1) {
        clearEntry();
        return;
    }
    display_.chop(1);
    lastInput_ = Digit;
    if (!display_.contains(QChar('.')))
        decFlag_ = false;
    if (display_ == QStringLiteral("-"))
        clearEntry();
}

void CalculatorEngine::round()
{
    display_ = GeneralFloatText(RoundToDecimals(displayValue(), 0));
    decFlag_ = false;
}

void CalculatorEngine::store()
{
    stored_ = displayValue();
}

void CalculatorEngine::sum()
{
    stored_ += displayValue();
}

void CalculatorEngine::recall()
{
    display_ = GeneralFloatText(stored_);
    lastInput_ = GetRecall;
}

void CalculatorEngine::get()
{
    display_ = fieldText_;
    lastInput_ = GetRecall;
    decFlag_ = display_.contains(QChar('.'));
}
