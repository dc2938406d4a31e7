#include "client/WindowPlacement.h"

#include <algorithm>

QRect FitIntoScreen(const QRect& frame, const QRect& available)
{
    if (available.isEmpty())
        return frame;
    const QSize size = frame.size().boundedTo(available.size());
    const int left = std::clamp(frame.left(), available.left(), available.left() + available.width() - size.width());
    const int top = std::clamp(frame.top(), available.top(), available.top() + available.height() - size.height());
    return {QPoint(left, top), size};
}
