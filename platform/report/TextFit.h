#pragma once

#include "platform/report/ReportCanvas.h"

#include <QString>

// The smallest font size a fitted text shrinks to; below it print stops being readable.
inline constexpr double kMinimumFitSize = 5.0;

// The largest size, at most the canvas's current font size and never below kMinimumFitSize,
// at which the text in the current font is no wider than room (inches).
double FittedFontSize(const ReportCanvas& report, const QString& text, double room);

// Prints the whole text on the cursor's line, shrunk to FittedFontSize, anchored at x as the
// alignment says; the canvas's font is left as it was. A text too long even at the smallest size
// is still printed whole: a cut amount or name on a check or report would be worse than an
// overlong one. Returns the size used.
double PrintFitted(ReportCanvas& report, const QString& text, double x, double room, TextAlign align = TextAlign::Left);
