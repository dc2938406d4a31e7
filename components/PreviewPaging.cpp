#include "components/PreviewPaging.h"

#include <algorithm>

namespace PreviewPaging {

double ClampZoom(double percent)
{
    return std::clamp(percent, kMinZoom, kMaxZoom);
}

double ZoomIn(double percent, double step)
{
    return ClampZoom(percent + step);
}

double ZoomOut(double percent, double step)
{
    return percent > step ? ClampZoom(percent - step) : ClampZoom(percent);
}

QString PageText(int page, int pageCount)
{
    return QStringLiteral(" Page %1 of %2").arg(page).arg(pageCount);
}

Target MoveVertically(VerticalKey key, int page, int pageCount, const Scroll& scroll)
{
    const auto at = [page](int value) { return Target{page, Target::Place::Value, value}; };
    const bool atTop = scroll.value <= 0;
    const bool atBottom = scroll.value >= scroll.maximum;
    const bool hasPrior = page > 1;
    const bool hasNext = page < pageCount;

    switch (key) {
    case VerticalKey::Up:
    case VerticalKey::PageUp:
        if (atTop && hasPrior)
            return Target{page - 1, Target::Place::Bottom, 0};
        return at(std::max(0, scroll.value - (key == VerticalKey::Up ? scroll.step : scroll.height)));
    case VerticalKey::Down:
    case VerticalKey::PageDown:
        if (atBottom && hasNext)
            return Target{page + 1, Target::Place::Top, 0};
        return at(std::min(scroll.maximum, scroll.value + (key == VerticalKey::Down ? scroll.step : scroll.height)));
    case VerticalKey::Home:
        return at(0);
    case VerticalKey::End:
        return at(scroll.maximum);
    }
    return at(scroll.value);
}

} // namespace PreviewPaging
