#include "components/ui/DollarEdit.h"

#include "components/ColourContrast.h"

#include "components/ui/Calculator.h"
#include "platform/AppMessageBox.h"
#include "platform/ui/ShowModal.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include <algorithm>

TDollarEdit::TDollarEdit(QWidget* parent)
    : QLineEdit(parent)
    , fontColor_(palette().color(QPalette::Text))
{
    resize(121, 21);
    setAlignment(QtAlignment(alignment_));
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setValidator(new UserEditGuard(this, [this](const QString& before, QString& after, int& cursor) {
        // Pasted or dropped text: what is not part of a number is left out, the rest must fit.
        int prefix = 0;
        int suffix = 0;
        SplitChange(before, after, prefix, suffix);
        QString inserted;
        for (QChar c : after.mid(prefix, after.size() - prefix - suffix))
            if (c.isDigit() || c == QChar('-') || c == QChar('.'))
                inserted += c;
        after = after.left(prefix) + inserted + after.right(suffix);
        cursor = prefix + static_cast<int>(inserted.size());
        return IsAcceptableMoneyChange(before, after, rules_)
            && CheckMoneyLimits(MoneyTextValue(after), rules_, true) == MoneyLimit::None;
    }));
    formatValue();
}

double TDollarEdit::value() const
{
    return MoneyTextValue(text());
}

void TDollarEdit::setValue(double value)
{
    fieldValue_ = CapMoneyValue(value);
    formatValue();
}

void TDollarEdit::setTextAlignment(TAlignment alignment)
{
    alignment_ = alignment;
    setAlignment(QtAlignment(alignment));
}

void TDollarEdit::setCentDigits(int digits)
{
    rules_.centDigits = std::clamp(digits, 0, 6);
    formatValue();
}

void TDollarEdit::setDollarDigits(int digits)
{
    rules_.dollarDigits = std::clamp(digits, 0, 12);
    formatValue();
}

void TDollarEdit::setCurrency(bool currency)
{
    rules_.currency = currency;
    formatValue();
}

void TDollarEdit::formatValue()
{
    setText(FormatMoney(fieldValue_, rules_.centDigits, rules_.currency));
    // The program's colour (red below zero), made lighter or darker where the visual style's field,
    // or the window a read-only entry stands on, would swallow it.
    const QColor wanted = text().startsWith(QChar('-')) ? QColor(Qt::red) : fontColor_;
    SetFieldTextColor(this, ReadableInk(wanted, palette().color(QPalette::Base), window()->palette().color(QPalette::Window)));
}

void TDollarEdit::parseText()
{
    const PlainMoney plain = ParseMoneyText(text(), rules_.centDigits);
    setText(plain.text);
    fieldValue_ = plain.value;
}

void TDollarEdit::refuseLimit(MoneyLimit limit)
{
    ShowFieldMessage(MoneyLimitMessage(limit, rules_), MbOk | MbIconStop);
    setText(QString());
}

QChar TDollarEdit::filterKey(QChar key)
{
    MoneyKeyInput input;
    input.text = text();
    input.cursor = cursorPosition();
    input.selectionStart = hasSelectedText() ? selectionStart() : cursorPosition();
    input.selectionLength = static_cast<int>(selectedText().size());
    input.firstTime = firstTime_;
    const MoneyKeyResult result = FilterMoneyKey(key, input, rules_);
    if (result.emptyFirst)
        setText(QString());
    if (result.openCalculator) {
        openCalculator();
        const MoneyLimit limit = CheckMoneyLimits(MoneyTextValue(text()), rules_, true);
        if (limit != MoneyLimit::None)
            refuseLimit(limit);
    }
    if (result.limit != MoneyLimit::None)
        refuseLimit(result.limit);
    if (result.typed)
        firstTime_ = false;
    return result.key;
}

void TDollarEdit::openCalculator()
{
    TCalculator calculator(text(), CalcDecimals, window());
    SetFieldColor(this, Qt::yellow);
    ShowModal(calculator);
    if (calculator.putKey()) {
        const CalculatorTransfer transfer = TransferCalculatorDisplay(calculator.display(), text(), rules_);
        if (transfer.outcome == CalculatorTransfer::TooLong) {
            ShowFieldMessage(CalculatorTooLongMessage, MbOk | MbIconStop);
        } else {
            setText(transfer.text);
            if (transfer.outcome == CalculatorTransfer::Negative)
                ShowFieldMessage(NegativeRefusedMessage, MbOk | MbIconStop);
        }
    }
    SetFieldColor(this, defaultColor_);
}

void TDollarEdit::keyPressEvent(QKeyEvent* event)
{
    const QChar typed = TypedChar(event);
    if (isReadOnly() || typed.isNull()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QChar key = filterKey(typed);
    emit keyPressed(key);
    if (key.isNull()) {
        event->accept();
        return;
    }
    if (key == typed) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent changed(event->type(), key == QChar('\b') ? Qt::Key_Backspace : event->key(), Qt::NoModifier, QString(key));
    QLineEdit::keyPressEvent(&changed);
}

void TDollarEdit::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    emit doubleClicked();
    if (!isReadOnly())
        filterKey(QChar('C'));
}

void TDollarEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (!focus_.entering(event))
        return;
    parseText();
    CalcDecimals = rules_.centDigits;
    defaultColor_ = FieldColor(this);
    firstTime_ = true;
    selectAll();
    emit entered();
}

void TDollarEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    const FieldFocus::Leave leave = focus_.leaving(event, this);
    if (leave == FieldFocus::NotLeaving)
        return;
    parseText();
    bool refused = false;
    if (leave == FieldFocus::Leaving) {
        // The limits hold also for a value the field was given rather than typed.
        const MoneyLimit limit = CheckMoneyLimits(fieldValue_, rules_, false);
        if (limit != MoneyLimit::None) {
            refuseLimit(limit);
            parseText();
            refused = true;
        } else if (requiredField_ && fieldValue_ == 0) {
            ShowFieldMessage(QStringLiteral("This field is required!"), MbOk | MbIconWarning);
            refused = true;
        }
    }
    if (!refused)
        formatValue();
    emit exited();
    if (refused && !ReturnFocus(this))
        ShowFieldMessage(QStringLiteral("A non fatal error has occurred in the program.~Click on OK to continue."),
            MbOk | MbIconStop);
}
