#include "platform/report/ReportFonts.h"

#include "platform/report/MicrGlyphs.h"
#include "platform/report/ReportFontCache.h"

#include <array>
#include <utility>

QString MapFontFamily(const QString& name)
{
    static const std::array<std::pair<const char*, const char*>, 5> map{{
        {"Arial", "Liberation Sans"},
        {"Arial Black", "Liberation Sans"},
        {"Courier New", "Liberation Mono"},
        {"Tahoma", "DejaVu Sans"},
        {"Helvetica Narrow", "Nimbus Sans Narrow"},
    }};
    const QString trimmed = name.trimmed();
    for (const auto& [from, to] : map) {
        if (trimmed.compare(QLatin1String(from), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(to);
    }
    return trimmed;
}

bool IsMicrFont(const ReportFont& font)
{
    return font.name.trimmed().compare(QLatin1String("MICR"), Qt::CaseInsensitive) == 0;
}

QFont ReportQFont(const ReportFont& font)
{
    QFont qfont(MapFontFamily(font.name));
    qfont.setPixelSize(qMax(1, qRound(font.size * ReportUnitsPerInch / 72.0)));
    // Arial Black has no installed twin; the heaviest weight of its stand-in keeps titles heavy.
    const bool black = font.name.trimmed().compare(QLatin1String("Arial Black"), Qt::CaseInsensitive) == 0;
    qfont.setWeight(black ? QFont::Black : (font.bold ? QFont::Bold : QFont::Normal));
    qfont.setItalic(font.italic);
    qfont.setUnderline(font.underline);
    qfont.setStrikeOut(font.strikeout);
    qfont.setHintingPreference(QFont::PreferNoHinting);
    qfont.setKerning(false);
    return qfont;
}

double TextWidth(const ReportFont& font, const QString& text)
{
    if (IsMicrFont(font))
        return MicrTextWidth(font.size, text);
    return MeasuredFontOf(font).Advance(text) / ReportUnitsPerInch;
}

double FontAscent(const ReportFont& font)
{
    if (IsMicrFont(font))
        return MicrCharHeight(font.size);
    return MeasuredFontOf(font).Metrics().ascent() / ReportUnitsPerInch;
}

double FontDescent(const ReportFont& font)
{
    if (IsMicrFont(font))
        return 0.0;
    return MeasuredFontOf(font).Metrics().descent() / ReportUnitsPerInch;
}

double FontLineHeight(const ReportFont& font)
{
    if (IsMicrFont(font))
        return MicrCharHeight(font.size) * 1.5;
    return MeasuredFontOf(font).Metrics().lineSpacing() / ReportUnitsPerInch;
}
