#include "client/ui/ExtrudedLabel.h"

#include <QFontMetrics>
#include <QPainter>

ExtrudedLabel::ExtrudedLabel(const QString& text, QWidget* parent)
    : QWidget(parent), text_(text)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void ExtrudedLabel::setText(const QString& text)
{
    text_ = text;
    updateGeometry();
    update();
}

void ExtrudedLabel::setDepth(int depth)
{
    depth_ = depth;
    updateGeometry();
    update();
}

void ExtrudedLabel::setColors(const QColor& face, const QColor& shadow)
{
    face_ = face;
    shadow_ = shadow;
    update();
}

QSize ExtrudedLabel::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text_) + depth_ + 2, metrics.height() + depth_ + 2};
}

void ExtrudedLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font());
    const int baseline = QFontMetrics(font()).ascent() + 1;
    painter.setPen(shadow_);
    for (int step = depth_; step >= 1; --step)
        painter.drawText(1 + step, baseline + step, text_);
    painter.setPen(face_);
    painter.drawText(1, baseline, text_);
}
