#include "client/ui/LaunchLabelWidget.h"

#include "client/LaunchPanel.h"

#include <QMouseEvent>

LaunchLabelWidget::LaunchLabelWidget(const LaunchLabel& label, QWidget* parent)
    : QLabel(QString::fromLatin1(label.caption), parent)
    , tag_(label.tag)
{
    setObjectName(QStringLiteral("Label%1").arg(label.tag));
    setTextFormat(Qt::PlainText);
    setHot(false);
}

void LaunchLabelWidget::setHot(bool hot)
{
    hot_ = hot;
    QFont look(QStringLiteral("DejaVu Sans"), 8);
    look.setBold(hot);
    look.setUnderline(hot);
    setFont(look);
    setStyleSheet(hot ? QStringLiteral("QLabel { color: yellow; background: transparent; }")
                      : QStringLiteral("QLabel { color: white; background: transparent; }"
                                       " QLabel:disabled { color: #808080; }"));
    if (hot)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
    adjustSize();
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
