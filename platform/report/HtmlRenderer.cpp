#include "platform/report/HtmlRenderer.h"

#include "platform/report/ReportFiles.h"

#include <QBuffer>

#include <algorithm>
#include <cmath>

namespace {

QString inches(double value)
{
    return QString::number(value, 'f', 4) + QStringLiteral("in");
}

QString number(double value)
{
    return QString::number(value, 'f', 4);
}

QString color(QRgb rgb)
{
    return QColor::fromRgb(rgb).name(QColor::HexRgb);
}

QString fontFamilies(const ReportFont& font)
{
    const QString mapped = MapFontFamily(font.name);
    QString families = QStringLiteral("'%1'").arg(font.name.trimmed().toHtmlEscaped());
    if (mapped != font.name.trimmed())
        families += QStringLiteral(", '%1'").arg(mapped.toHtmlEscaped());
    return families + QStringLiteral(", sans-serif");
}

QString strokeOf(const ReportPen& pen)
{
    if (pen.style == PenStyle::Clear)
        return QStringLiteral("stroke=\"none\"");
    QString stroke = QStringLiteral("stroke=\"%1\" stroke-width=\"%2\"").arg(color(pen.color), number(pen.width));
    const double w = pen.width;
    switch (pen.style) {
    case PenStyle::Dash: stroke += QStringLiteral(" stroke-dasharray=\"%1 %2\"").arg(number(4 * w), number(2 * w)); break;
    case PenStyle::Dot: stroke += QStringLiteral(" stroke-dasharray=\"%1 %1\"").arg(number(w)); break;
    case PenStyle::DashDot:
        stroke += QStringLiteral(" stroke-dasharray=\"%1 %2 %3 %2\"").arg(number(4 * w), number(2 * w), number(w));
        break;
    default: break;
    }
    return stroke;
}

QString fillOf(const ReportBrush& brush)
{
    return brush.style == BrushStyle::Clear ? QStringLiteral("fill=\"none\"")
                                            : QStringLiteral("fill=\"%1\"").arg(color(brush.color));
}

QString svgShape(const DrawOp& op)
{
    const double left = std::min(op.x1, op.x2), top = std::min(op.y1, op.y2);
    const double width = std::abs(op.x2 - op.x1), height = std::abs(op.y2 - op.y1);
    switch (op.kind) {
    case DrawOp::Kind::Line:
        return QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" %5/>")
            .arg(number(op.x1), number(op.y1), number(op.x2), number(op.y2), strokeOf(op.pen));
    case DrawOp::Kind::Rectangle:
    case DrawOp::Kind::RoundRect: {
        const QString corner = op.kind == DrawOp::Kind::RoundRect
            ? QStringLiteral(" rx=\"%1\" ry=\"%1\"").arg(number(op.radius))
            : QString();
        return QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\"%5 %6 %7/>")
            .arg(number(left), number(top), number(width), number(height), corner, fillOf(op.brush), strokeOf(op.pen));
    }
    case DrawOp::Kind::Ellipse:
        return QStringLiteral("<ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\" %5 %6/>")
            .arg(number(left + width / 2), number(top + height / 2), number(width / 2), number(height / 2), fillOf(op.brush),
                 strokeOf(op.pen));
    case DrawOp::Kind::Image: {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        op.image.save(&buffer, "PNG");
        return QStringLiteral("<image x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" preserveAspectRatio=\"none\" href=\"data:image/png;base64,%5\"/>")
            .arg(number(left), number(top), number(width), number(height), QString::fromLatin1(png.toBase64()));
    }
    case DrawOp::Kind::Text: break;
    }
    return QString();
}

// The text sits in a box one font-height tall whose top is the ascent above the baseline, so the
// browser puts the baseline where the canvas did.
QString textSpan(const DrawOp& op, int pageNumber, int pageCount)
{
    const double ascent = FontAscent(op.font);
    const double height = ascent + FontDescent(op.font);
    QString style = QStringLiteral("left:%1;top:%2;line-height:%3;font-family:%4;font-size:%5pt;color:%6")
                        .arg(inches(TextLeft(op, pageNumber, pageCount)), inches(op.y1 - ascent), inches(height),
                             fontFamilies(op.font), number(op.font.size), color(op.textColor));
    if (op.font.bold || op.font.name.trimmed().compare(QLatin1String("Arial Black"), Qt::CaseInsensitive) == 0)
        style += QStringLiteral(";font-weight:bold");
    if (op.font.italic)
        style += QStringLiteral(";font-style:italic");
    if (op.font.underline || op.font.strikeout) {
        style += QStringLiteral(";text-decoration:%1%2")
                     .arg(op.font.underline ? QStringLiteral("underline ") : QString(),
                          op.font.strikeout ? QStringLiteral("line-through") : QString());
    }
    return QStringLiteral("<span style=\"%1\">%2</span>\n").arg(style, ShownText(op, pageNumber, pageCount).toHtmlEscaped());
}

} // namespace

QByteArray HtmlBytes(const ReportDocument& document, const QString& title)
{
    QString html = QStringLiteral(
        "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>%1</title>\n<style>\n"
        "body { background: #808080; margin: 0; }\n"
        ".page { position: relative; overflow: hidden; background: #ffffff; margin: 0.25in auto; page-break-after: always; }\n"
        ".page svg { position: absolute; left: 0; top: 0; }\n"
        ".page span { position: absolute; white-space: pre; font-kerning: none; }\n"
        "@media print { body { background: none; } .page { margin: 0; } }\n"
        "</style>\n</head>\n<body>\n")
                       .arg(title.toHtmlEscaped());
    const int pageCount = document.PageCount();
    for (int i = 0; i < pageCount; ++i) {
        const ReportPage& page = document.pages[static_cast<size_t>(i)];
        html += QStringLiteral("<div class=\"page\" id=\"page%1\" style=\"width:%2;height:%3\">\n")
                    .arg(i + 1)
                    .arg(inches(page.width), inches(page.height));
        html += QStringLiteral("<svg width=\"%1\" height=\"%2\" viewBox=\"0 0 %3 %4\">\n")
                    .arg(inches(page.width), inches(page.height), number(page.width), number(page.height));
        for (const DrawOp& op : page.ops) {
            if (!op.previewOnly && op.kind != DrawOp::Kind::Text)
                html += svgShape(op) + QLatin1Char('\n');
        }
        html += QStringLiteral("</svg>\n");
        for (const DrawOp& op : page.ops) {
            if (!op.previewOnly && op.kind == DrawOp::Kind::Text)
                html += textSpan(op, i + 1, pageCount);
        }
        html += QStringLiteral("</div>\n");
    }
    html += QStringLiteral("</body>\n</html>\n");
    return html.toUtf8();
}

void WriteHtml(const ReportDocument& document, const QString& fileName, const QString& title)
{
    WriteWholeFile(fileName, HtmlBytes(document, title));
}
