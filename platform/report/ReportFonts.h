#pragma once

#include <QFont>
#include <QString>

// A font as a printout names it: the family the program asks for ("Arial"), its size in points
// and its style. The family is kept as asked so a saved report shows what was meant; it is mapped
// to an installed family only when text is measured or drawn.
struct ReportFont {
    QString name = QStringLiteral("Arial");
    double size = 10.0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;

    bool operator==(const ReportFont&) const = default;
};

// Drawing and measuring share one scale: 7200 units to the inch (a hundredth of a point), so font
// sizes keep their fractions and every renderer measures text exactly as the canvas did.
inline constexpr double ReportUnitsPerInch = 7200.0;

// The installed family that stands in for a family the program names: Arial -> Liberation Sans,
// Courier New -> Liberation Mono, Tahoma -> DejaVu Sans, Helvetica Narrow -> Nimbus Sans Narrow.
// Other names pass unchanged.
QString MapFontFamily(const QString& name);

// "MICR" is not a font here: its E-13B characters are drawn as shapes (MicrGlyphs.h).
bool IsMicrFont(const ReportFont& font);

// The Qt font for drawing in report units (pixel size = points x 100).
QFont ReportQFont(const ReportFont& font);

// Measurements in inches.
double TextWidth(const ReportFont& font, const QString& text);
double FontAscent(const ReportFont& font);
double FontDescent(const ReportFont& font);
// The distance from one line to the next, as a line feed moves the cursor.
double FontLineHeight(const ReportFont& font);
