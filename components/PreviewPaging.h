#pragma once

#include <QString>

// The preview window's paging, scrolling and zoom rules, kept apart from the window so they can
// be tested on plain numbers.
namespace PreviewPaging {

inline constexpr double kMinZoom = 10.0;
inline constexpr double kMaxZoom = 200.0;
// The zoom the preview always opens at, whatever the report asked for.
inline constexpr double kOpeningZoom = 85.0;

double ClampZoom(double percent);
double ZoomIn(double percent, double step);
// Steps down only while the zoom is above one step.
double ZoomOut(double percent, double step);

// " Page 2 of 3".
QString PageText(int page, int pageCount);

// The vertical scroll bar of the page being shown.
struct Scroll {
    int value = 0;
    int maximum = 0;
    int step = 0;     // one line
    int height = 0;   // the visible height
};

enum class VerticalKey { Up, Down, PageUp, PageDown, Home, End };

// Where a vertical key leads: a page and a place on it. A page just turned to has its own scroll
// range, so its top and bottom are named rather than given in pixels.
struct Target {
    enum class Place { Value, Top, Bottom };
    int page = 1;
    Place place = Place::Value;
    int value = 0;

    bool operator==(const Target&) const = default;
};

// Up and Down move one step and turn to the neighbouring page once the page cannot scroll any
// further that way; Page Up and Page Down do the same by the visible height. Home and End go to
// the top and bottom of the page.
Target MoveVertically(VerticalKey key, int page, int pageCount, const Scroll& scroll);

} // namespace PreviewPaging
