#include "components/ui/CheckBoxEdit.h"

#include <QFont>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {
const QString Mark = QStringLiteral("X");
}

TCheckBoxEdit::TCheckBoxEdit(QWidget* parent)
    : QLineEdit(parent)
{
    resize(21, 21);
    setMaxLength(1);
    setAlignment(QtAlignment(alignment_));
    QFont bold(QStringLiteral("DejaVu Sans"), 10); // stands in for Tahoma
    bold.setBold(true);
    setFont(bold);
    setCursor(Qt::PointingHandCursor);
    // Nothing gets in but the mark: no drops, no paste from a menu or the mouse.
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void TCheckBoxEdit::setTextAlignment(TAlignment alignment)
{
    alignment_ = alignment;
    setAlignment(QtAlignment(alignment));
}

bool TCheckBoxEdit::checked() const
{
    return text() == Mark;
}

void TCheckBoxEdit::setChecked(bool checked)
{
    if (checked != this->checked())
        setText(checked ? Mark : QString());
}

void TCheckBoxEdit::keyPressEvent(QKeyEvent* event)
{
    // Enter, Esc and Tab belong to the window.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        QLineEdit::keyPressEvent(event);
        return;
    default:
        break;
    }
    event->accept();
    const QChar typed = TypedChar(event);
    if (typed.isNull())
        return;
    QChar key = typed == QChar(' ') ? typed : QChar();
    emit keyPressed(key);
    if (key == QChar(' ') && !isReadOnly())
        setChecked(!checked());
}

void TCheckBoxEdit::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    pressed_ = event->button() == Qt::LeftButton;
}

void TCheckBoxEdit::mouseReleaseEvent(QMouseEvent* event)
{
    // The base class would paste the mouse selection on a middle click.
    if (event->button() != Qt::LeftButton || !pressed_) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
    pressed_ = false;
    if (!rect().contains(event->position().toPoint()))
        return;
    if (!isReadOnly())
        setChecked(!checked());
    emit clicked();
}

void TCheckBoxEdit::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second click of a double click does not toggle again.
    QLineEdit::mouseDoubleClickEvent(event);
    pressed_ = false;
}

void TCheckBoxEdit::mouseMoveEvent(QMouseEvent* event)
{
    // No drag of the mark out of the box.
    event->accept();
}
