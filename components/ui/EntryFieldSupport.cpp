#include "components/ui/EntryFieldSupport.h"

#include "platform/AppMessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

#include <algorithm>

Qt::Alignment QtAlignment(TAlignment alignment)
{
    switch (alignment) {
    case taRightJustify: return Qt::AlignRight | Qt::AlignVCenter;
    case taCenter: return Qt::AlignHCenter | Qt::AlignVCenter;
    case taLeftJustify: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

QColor FieldColor(const QWidget* field)
{
    return field->palette().color(QPalette::Base);
}

void SetFieldColor(QWidget* field, const QColor& color)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, color);
    field->setPalette(palette);
}

void SetFieldTextColor(QWidget* field, const QColor& color)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Text, color);
    field->setPalette(palette);
}

QChar TypedChar(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers();
    const int key = event->key();
    if (key == Qt::Key_Backspace)
        return QChar('\b');
    if (mods & Qt::AltModifier)
        return QChar();
    if ((mods & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
        return QChar(key - Qt::Key_A + 1);
    const QString text = event->text();
    if (text.size() != 1 || text[0].unicode() < 32 || text[0].unicode() == 127 || (mods & Qt::ControlModifier))
        return QChar();
    return text[0];
}

int ShowFieldMessage(const QString& text, int flags)
{
    return AppMessageBox(text, QCoreApplication::applicationName(), flags);
}

bool FieldFocus::entering(const QFocusEvent* event)
{
    const Qt::FocusReason reason = event->reason();
    const bool windowSwitch = reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason
        || reason == Qt::MenuBarFocusReason;
    if (windowSwitch && inside_)
        return false;
    inside_ = true;
    return true;
}

FieldFocus::Leave FieldFocus::leaving(const QFocusEvent* event, const QWidget* field)
{
    switch (event->reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
        return NotLeaving;
    default:
        break;
    }
    inside_ = false;
    if (event->reason() == Qt::OtherFocusReason || event->reason() == Qt::NoFocusReason || !field->isVisible())
        return LeavingUnchecked;
    // A click on Cancel (or any button) must reach the button; the window checks its fields itself.
    if (event->reason() == Qt::MouseFocusReason && qobject_cast<QAbstractButton*>(QApplication::focusWidget()))
        return LeavingUnchecked;
    return Leaving;
}

bool ReturnFocus(QWidget* field)
{
    if (!field->isVisible() || !field->isEnabled() || field->focusPolicy() == Qt::NoFocus)
        return false;
    field->setFocus(Qt::OtherFocusReason);
    return true;
}

void SplitChange(const QString& before, const QString& after, int& prefix, int& suffix)
{
    const int shorter = static_cast<int>(std::min(before.size(), after.size()));
    prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix])
        ++prefix;
    suffix = 0;
    while (suffix < shorter - prefix && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
}

UserEditGuard::UserEditGuard(QLineEdit* edit, Check check)
    : QValidator(edit)
    , edit_(edit)
    , check_(std::move(check))
    , last_(edit->text())
{
    QObject::connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { last_ = text; });
}

QValidator::State UserEditGuard::validate(QString& input, int& pos) const
{
    // The line edit counts a change as modified only when it came from the user: text set by
    // the program resets the flag before it is validated.
    if (!edit_->isModified() || input == last_)
        return Acceptable;
    QString after = input;
    int cursor = pos;
    if (!check_(last_, after, cursor))
        return Invalid;
    input = after;
    pos = std::clamp(cursor, 0, static_cast<int>(after.size()));
    return Acceptable;
}

KeyPreview::KeyPreview(QWidget* window, Handler handler)
    : QObject(window)
    , window_(window)
    , handler_(std::move(handler))
{
    qApp->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    // A key travels from the focused control up through its parents; the window sees it once,
    // on its way into the focused control (or into the window itself when nothing has the focus).
    const QWidget* focus = QApplication::focusWidget();
    const bool focusInWindow = focus && focus->window() == window_;
    const bool first = focusInWindow ? watched == focus : watched == window_;
    if (!first)
        return false;
    return handler_(static_cast<QKeyEvent*>(event));
}
