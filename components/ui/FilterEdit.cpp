#include "components/ui/FilterEdit.h"

#include "platform/AppMessageBox.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>

TFilterEdit::TFilterEdit(QWidget* parent)
    : QLineEdit(parent)
{
    resize(121, 21);
    setAlignment(QtAlignment(alignment_));
    setValidator(new UserEditGuard(this, [this](const QString& before, QString& after, int& cursor) {
        return checkUserEdit(before, after, cursor);
    }));
}

void TFilterEdit::setTextAlignment(TAlignment alignment)
{
    alignment_ = alignment;
    setAlignment(QtAlignment(alignment));
}

// Pasted or dropped text gets the typed characters' treatment: case forced, other characters left out.
bool TFilterEdit::checkUserEdit(const QString& before, QString& after, int& cursor) const
{
    int prefix = 0;
    int suffix = 0;
    SplitChange(before, after, prefix, suffix);
    QString inserted;
    for (QChar c : after.mid(prefix, after.size() - prefix - suffix)) {
        c = ForceCase(c, charCase_);
        if (validChars_.isEmpty() || (c != QChar('\b') && validChars_.permits(c)))
            inserted += c;
    }
    after = after.left(prefix) + inserted + after.right(suffix);
    cursor = prefix + static_cast<int>(inserted.size());
    return true;
}

void TFilterEdit::keyPressEvent(QKeyEvent* event)
{
    const bool ctrlAlone = (event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier)) == Qt::ControlModifier;
    if (ctrlAlone && (event->key() == Qt::Key_L || event->key() == Qt::Key_U)) {
        if (!isReadOnly())
            setText(event->key() == Qt::Key_L ? CapitalizeWords(LowerCaseAZ(text())) : UpperCaseAZ(text()));
        event->accept();
        return;
    }
    const QChar typed = TypedChar(event);
    if (typed.isNull()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QChar key = ForceCase(typed, charCase_);
    if (!validChars_.permits(key)) {
        if (beepOnInvalid_)
            QApplication::beep();
        key = QChar();
    }
    emit keyPressed(key);
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
    event->setAccepted(changed.isAccepted());
}

void TFilterEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (!focus_.entering(event))
        return;
    emit entered();
    selectAll();
}

void TFilterEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    const FieldFocus::Leave leave = focus_.leaving(event, this);
    if (leave == FieldFocus::NotLeaving)
        return;
    emit exited();
    if (leave != FieldFocus::Leaving || !requiredField_ || !IsBlank(text()))
        return;
    ShowFieldMessage(QStringLiteral("This field is required!"), MbOk | MbIconWarning);
    if (!ReturnFocus(this))
        ShowFieldMessage(QStringLiteral("A non-fatal error has occurred in the\r\nprogram. Click on Ok to continue."), MbOk | MbIconStop);
}
