#include "forms/ui/FittedLabel.h"

#include <QEvent>
#include <QFontMetrics>

#include <algorithm>

TFittedLabel::TFittedLabel(QWidget* parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

void TFittedLabel::ShowText(const QString& text)
{
    setText(text);
    fit();
}

void TFittedLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    fit();
}

void TFittedLabel::changeEvent(QEvent* event)
{
    // A font set from outside is the label's own size from then on.
    if (event->type() == QEvent::FontChange && !fitting_)
        basePixelSize_ = 0;
    QLabel::changeEvent(event);
}

void TFittedLabel::fit()
{
    QFont shown = font();
    if (basePixelSize_ == 0)
        basePixelSize_ = shown.pixelSize() > 0 ? shown.pixelSize() : QFontMetrics(shown).height();
    const int room = contentsRect().width() - 2 * margin() - 2;
    int size = basePixelSize_;
    const int smallest = std::max(6, basePixelSize_ / 2);
    shown.setPixelSize(size);
    while (size > smallest && room > 0 && QFontMetrics(shown).horizontalAdvance(text()) > room)
        shown.setPixelSize(--size);
    if (shown.pixelSize() == font().pixelSize())
        return;
    fitting_ = true;
    setFont(shown);
    fitting_ = false;
}
