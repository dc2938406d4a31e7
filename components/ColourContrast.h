#pragma once

#include <QColor>

// Legibility of text colours, by the contrast ratio of the web's accessibility guidelines: the
// relative luminance of the lighter colour plus 0.05 over that of the darker plus 0.05.

// Small text needs this ratio to its background.
inline constexpr double kLegibleContrast = 4.5;

// 1 for the same colour, 21 for black on white.
double ContrastRatio(QRgb a, QRgb b);

// The wanted colour when it reads on the background, else the nearest colour towards white or
// black (whichever the background sets off better) that does.
QColor ReadableInk(const QColor& wanted, const QColor& background);
// The same for text that stands on either of two backgrounds of one lightness (an entry's field
// and, read-only, the window's); when they differ too much for one colour, the first counts.
QColor ReadableInk(const QColor& wanted, const QColor& background, const QColor& otherBackground);
