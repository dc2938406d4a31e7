#include "client/ui/LaunchLabelWidget.h"

#include "client/LaunchPanel.h"

#include <QKeyEvent>
#include <QMouseEvent>

LaunchLabelWidget::LaunchLabelWidget(const LaunchLabel& label, QWidget* parent)
    : QLabel(QString::fromLatin1(label.caption), parent)
    , tag_(label.tag)
{
    setObjectName(QStringLiteral("Label%1").arg(label.tag));
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::StrongFocus);
    setHot(false);
}

void LaunchLabelWidget::setHot(bool hot)
{
    hot_ = hot;
    QFont look(QStringLiteral("DejaVu Sans"), 8);
    look.setBold(hot);
    look.setUnderline(hot);
    setFont(look);
    // A label whose command is off is greyed, as a disabled menu item is.
    setStyleSheet(hot ? QStringLiteral("LaunchLabelWidget { color: yellow; background: transparent; }")
                      : QStringLiteral("LaunchLabelWidget { color: white; background: transparent; }"
                                       "LaunchLabelWidget:disabled { color: #808080; }"));
    if (hot)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void LaunchLabelWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled() && hot_)
        setHot(false);
    QLabel::changeEvent(event);
}

void LaunchLabelWidget::focusInEvent(QFocusEvent* event)
{
    if (onEnter)
        onEnter(this);
    QLabel::focusInEvent(event);
}

void LaunchLabelWidget::focusOutEvent(QFocusEvent* event)
{
    if (onLeave)
        onLeave(this);
    QLabel::focusOutEvent(event);
}

void LaunchLabelWidget::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (onClick)
            onClick(this);
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void LaunchLabelWidget::enterEvent(QEnterEvent* event)
{
    if (onEnter)
        onEnter(this);
    QLabel::enterEvent(event);
}

void LaunchLabelWidget::leaveEvent(QEvent* event)
{
    if (onLeave)
        onLeave(this);
    QLabel::leaveEvent(event);
}

void LaunchLabelWidget::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick)
        onClick(this);
}
