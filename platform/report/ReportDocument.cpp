#include "platform/report/ReportDocument.h"

#include <algorithm>

namespace {

const QChar PageMacroChar(0xF8F0);
const QChar TotalPagesMacroChar(0xF8F1);

QString describe(const DrawOp& op)
{
    switch (op.kind) {
    case DrawOp::Kind::Text: return QStringLiteral("text \"%1\"").arg(op.text);
    case DrawOp::Kind::Line: return QStringLiteral("line");
    case DrawOp::Kind::Rectangle: return QStringLiteral("rectangle");
    case DrawOp::Kind::Ellipse: return QStringLiteral("ellipse");
    case DrawOp::Kind::RoundRect: return QStringLiteral("rounded rectangle");
    case DrawOp::Kind::Image: return QStringLiteral("image");
    }
    return QString();
}

} // namespace

bool DrawOp::operator==(const DrawOp& other) const
{
    return kind == other.kind && previewOnly == other.previewOnly && x1 == other.x1 && y1 == other.y1
        && x2 == other.x2 && y2 == other.y2 && radius == other.radius && align == other.align
        && font == other.font && textColor == other.textColor && text == other.text && pen == other.pen
        && brush == other.brush && image == other.image;
}

ReportPage LetterPage(PageOrientation orientation)
{
    ReportPage page;
    if (orientation == PageOrientation::Landscape) {
        page.width = 11.0;
        page.height = 8.5;
    }
    return page;
}

QString MacroText(ReportMacro macro)
{
    return QString(macro == ReportMacro::CurrentPage ? PageMacroChar : TotalPagesMacroChar);
}

QString ResolveMacros(const QString& text, int pageNumber, int pageCount)
{
    if (!text.contains(PageMacroChar) && !text.contains(TotalPagesMacroChar))
        return text;
    QString shown = text;
    shown.replace(PageMacroChar, QString::number(pageNumber));
    shown.replace(TotalPagesMacroChar, QString::number(pageCount));
    return shown;
}

QString ShownText(const DrawOp& op, int pageNumber, int pageCount)
{
    return ResolveMacros(op.text, pageNumber, pageCount);
}

double TextLeft(const DrawOp& op, int pageNumber, int pageCount)
{
    const double width = TextWidth(op.font, ShownText(op, pageNumber, pageCount));
    switch (op.align) {
    case TextAlign::Left: return op.x1;
    case TextAlign::Center: return op.x1 - width / 2.0;
    case TextAlign::Right: return op.x1 - width;
    }
    return op.x1;
}

QRectF OpBounds(const DrawOp& op, int pageNumber, int pageCount)
{
    if (op.kind == DrawOp::Kind::Text) {
        const QString shown = ShownText(op, pageNumber, pageCount);
        const double left = TextLeft(op, pageNumber, pageCount);
        const double ascent = FontAscent(op.font);
        return QRectF(left, op.y1 - ascent, TextWidth(op.font, shown), ascent + FontDescent(op.font));
    }
    const double halfPen = (op.kind == DrawOp::Kind::Image || op.pen.style == PenStyle::Clear) ? 0.0 : op.pen.width / 2.0;
    const double left = std::min(op.x1, op.x2) - halfPen;
    const double top = std::min(op.y1, op.y2) - halfPen;
    const double right = std::max(op.x1, op.x2) + halfPen;
    const double bottom = std::max(op.y1, op.y2) + halfPen;
    return QRectF(left, top, right - left, bottom - top);
}

QStringList OpsOffPage(const ReportDocument& document)
{
    // A hair of tolerance: a rule drawn exactly along the paper's edge is on the page.
    constexpr double tolerance = 1e-6;
    QStringList off;
    const int pageCount = document.PageCount();
    for (int i = 0; i < pageCount; ++i) {
        const ReportPage& page = document.pages[static_cast<size_t>(i)];
        for (const DrawOp& op : page.ops) {
            const QRectF bounds = OpBounds(op, i + 1, pageCount);
            if (bounds.left() < -tolerance || bounds.top() < -tolerance || bounds.right() > page.width + tolerance
                || bounds.bottom() > page.height + tolerance) {
                off << QStringLiteral("page %1: %2 at (%3, %4)-(%5, %6)")
                           .arg(i + 1)
                           .arg(describe(op))
                           .arg(bounds.left(), 0, 'f', 3)
                           .arg(bounds.top(), 0, 'f', 3)
                           .arg(bounds.right(), 0, 'f', 3)
                           .arg(bounds.bottom(), 0, 'f', 3);
            }
        }
    }
    return off;
}
