#include "TestSupport.h"

#include "platform/report/ReportFonts.h"

#include <QFontMetricsF>

namespace {

// What a font measures when its Qt font is built afresh for the one question.
struct FreshMeasure {
    double width, ascent, descent, lineHeight;
};

FreshMeasure Fresh(const ReportFont& font, const QString& text)
{
    const QFontMetricsF metrics(ReportQFont(font));
    return FreshMeasure{metrics.horizontalAdvance(text) / ReportUnitsPerInch, metrics.ascent() / ReportUnitsPerInch,
                        metrics.descent() / ReportUnitsPerInch, metrics.lineSpacing() / ReportUnitsPerInch};
}

ReportFont Font(const char* name, double size, bool bold = false, bool italic = false)
{
    ReportFont font;
    font.name = QString::fromLatin1(name);
    font.size = size;
    font.bold = bold;
    font.italic = italic;
    return font;
}

} // namespace

// Printouts measure the same fonts and texts over and over; however often and in whatever order a
// font is asked, it answers exactly what a freshly built font would, to the last bit, so the pages
// come out the same as when every text was measured on its own.
TEST(FontMeasureTest, RepeatedMeasuresEqualAFreshMeasureExactly)
{
    const ReportFont fonts[] = {Font("Arial", 10),           Font("Arial", 9.999),  Font("Arial", 10, true),
                                Font("Courier New", 8.5, false, true), Font("Tahoma", 7), Font("Helvetica Narrow", 11.3),
                                Font("Arial Black", 14),     Font(" arial ", 10)};
    const QString texts[] = {QString(), QStringLiteral("1,234.56"), QStringLiteral("Office fixtures"),
                             QStringLiteral("***EIGHT HUNDRED FORTY FIVE AND 50/100 DOLLARS***"),
                             QStringLiteral("Jos\u00e9 M\u00fcller-\u00c5berg")};
    for (int round = 0; round < 3; ++round) {
        for (const ReportFont& font : fonts) {
            for (const QString& text : texts) {
                const FreshMeasure fresh = Fresh(font, text);
                EXPECT_EQ(TextWidth(font, text), fresh.width) << font.name.toStdString() << " " << font.size << " " << text.toStdString();
                EXPECT_EQ(FontAscent(font), fresh.ascent) << font.name.toStdString();
                EXPECT_EQ(FontDescent(font), fresh.descent) << font.name.toStdString();
                EXPECT_EQ(FontLineHeight(font), fresh.lineHeight) << font.name.toStdString();
            }
        }
    }
}
