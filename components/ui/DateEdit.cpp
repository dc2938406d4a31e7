#include "components/ui/DateEdit.h"

#include "components/DateHotKeys.h"
#include "components/DateRoutines.h"
#include "components/ui/Calendar.h"
#include "platform/AppMessageBox.h"
#include "platform/Clock.h"
#include "platform/ui/ShowModal.h"

#include <QFocusEvent>
#include <QKeyEvent>

TDateEdit::TDateEdit(QWidget* parent)
    : QLineEdit(parent)
{
    // Each digit place may also hold a blank, the mask's empty place.
    setInputMask(QStringLiteral("00/00/0000; "));
    setAlignment(QtAlignment(alignment_));
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setText(EmptyDateText);
    resize(75, 21);
    connect(this, &QLineEdit::textEdited, this, &TDateEdit::userEdited);
}

QString TDateEdit::text() const
{
    return displayText();
}

void TDateEdit::setText(const QString& text)
{
    QLineEdit::setText(text);
    seenText_ = this->text();
    edited_ = false;
}

void TDateEdit::setTextAlignment(TAlignment alignment)
{
    alignment_ = alignment;
    setAlignment(QtAlignment(alignment));
}

void TDateEdit::userEdited()
{
    // The mask reports a refused key as an edit too.
    const QString date = text();
    if (date == seenText_)
        return;
    seenText_ = date;
    edited_ = true;
    if (date.trimmed().size() == 10 && !IsValidDateStr(date))
        ShowFieldMessage(InvalidDateMessage(date), MbOk | MbIconStop);
}

void TDateEdit::keyPressEvent(QKeyEvent* event)
{
    const QChar typed = TypedChar(event);
    if (isReadOnly() || typed.isNull() || typed.unicode() < 32) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const DateKeyResult result = DateHotKey(typed, text(), Today());
    if (result.action == DateKeyResult::NewDate) {
        setText(result.text);
        event->accept();
        return;
    }
    if (result.action == DateKeyResult::OpenCalendar) {
        event->accept();
        openCalendar();
        return;
    }
    QChar key = typed;
    emit keyPressed(key);
    // The mask would drop a selection before refusing a character it cannot take.
    if ((key < QChar('0') || key > QChar('9')) && key != QChar(' '))
        key = QChar();
    if (key.isNull()) {
        event->accept();
        return;
    }
    if (key == typed) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent changed(event->type(), event->key(), Qt::NoModifier, QString(key));
    QLineEdit::keyPressEvent(&changed);
}

void TDateEdit::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    emit doubleClicked();
    if (!isReadOnly())
        openCalendar();
}

void TDateEdit::openCalendar()
{
    TFrmCalendar calendar(window());
    calendar.PutDate(text());
    SetFieldColor(this, Qt::yellow);
    ShowModal(calendar);
    if (calendar.paste())
        setText(calendar.GetDate());
    SetFieldColor(this, defaultColor_);
}

void TDateEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (!focus_.entering(event))
        return;
    emit entered();
    defaultColor_ = FieldColor(this);
    selectAll();
}

void TDateEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    const FieldFocus::Leave leave = focus_.leaving(event, this);
    if (leave == FieldFocus::NotLeaving)
        return;
    emit exited();
    const QString date = text();
    if (leave != FieldFocus::Leaving || !edited_ || date == EmptyDateText || IsValidDateStr(date))
        return;
    ShowFieldMessage(InvalidDateMessage(date), MbOk | MbIconStop);
    if (!ReturnFocus(this))
        ShowFieldMessage(QStringLiteral("A non fatal error has occurred in the program.~Click on OK to continue."),
            MbOk | MbIconStop);
}
