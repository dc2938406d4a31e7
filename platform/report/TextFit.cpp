#include "platform/report/TextFit.h"

#include "platform/report/ReportFonts.h"

#include <algorithm>
#include <cmath>

double FittedFontSize(const ReportCanvas& report, const QString& text, double room)
{
    const double size = report.FontSize();
    const double width = report.TextWidth(text);
    if (width <= room || size <= kMinimumFitSize)
        return size;
    // Widths grow almost in step with the size; tenths of a point keep the result stable, and
    // the check below catches what hinting adds.
    ReportFont font = report.Font();
    double fitted = std::max(kMinimumFitSize, std::floor(size * room / width * 10.0) / 10.0);
    font.size = fitted;
    while (fitted > kMinimumFitSize && ::TextWidth(font, text) > room) {
        fitted = std::max(kMinimumFitSize, fitted - 0.1);
        font.size = fitted;
    }
    return fitted;
}

double PrintFitted(ReportCanvas& report, const QString& text, double x, double room, TextAlign align)
{
    const double size = FittedFontSize(report, text, room);
    report.PushFont();
    report.SetFontSize(size);
    switch (align) {
    case TextAlign::Left: report.PrintLeft(text, x); break;
    case TextAlign::Center: report.PrintCenter(text, x); break;
    case TextAlign::Right: report.PrintRight(text, x); break;
    }
    report.PopFont();
    return size;
}
