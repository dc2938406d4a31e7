#pragma once

#include <QChar>
#include <QRectF>
#include <QString>

#include <vector>

// The E-13B characters of a check's MICR line, drawn as filled shapes since no MICR font is
// installed. Characters follow the usual MICR font keys: the digits, "t" transit, "o" on-us,
// "a" amount and "d" dash; a blank or any other character leaves an empty place. At size 10 the
// characters have E-13B's dimensions: 0.125 inch from one character to the next, 0.117 inch high.

double MicrCharPitch(double size);
double MicrCharHeight(double size);
double MicrTextWidth(double size, const QString& text);

// The shapes of one character in inches, relative to its left edge on the baseline (the
// character stands above the baseline, so the rectangles have negative y).
std::vector<QRectF> MicrGlyphRects(QChar c, double size);
