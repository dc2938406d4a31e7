#include "platform/report/PageRenderer.h"

#include "platform/report/ReportFontCache.h"

#include <QPainter>
#include <QPen>

namespace {

constexpr double U = ReportUnitsPerInch;

QPen qtPen(const ReportPen& pen, double minWidthUnits)
{
    if (pen.style == PenStyle::Clear)
        return QPen(Qt::NoPen);
    QPen qpen(QColor::fromRgb(pen.color));
    qpen.setWidthF(std::max(pen.width * U, minWidthUnits));
    switch (pen.style) {
    case PenStyle::Solid: qpen.setStyle(Qt::SolidLine); break;
    case PenStyle::Dash: qpen.setStyle(Qt::DashLine); break;
    case PenStyle::Dot: qpen.setStyle(Qt::DotLine); break;
    case PenStyle::DashDot: qpen.setStyle(Qt::DashDotLine); break;
    case PenStyle::Clear: break;
    }
    qpen.setCapStyle(Qt::FlatCap);
    qpen.setJoinStyle(Qt::MiterJoin);
    return qpen;
}

QBrush qtBrush(const ReportBrush& brush)
{
    if (brush.style == BrushStyle::Clear)
        return Qt::NoBrush;
    return QBrush(QColor::fromRgb(brush.color));
}

QRectF unitsRect(const DrawOp& op)
{
    return QRectF(QPointF(op.x1 * U, op.y1 * U), QPointF(op.x2 * U, op.y2 * U)).normalized();
}

} // namespace

void DrawShapeOp(QPainter& painter, const DrawOp& op, double minPenUnits)
{
    switch (op.kind) {
    case DrawOp::Kind::Text:
        break;
    case DrawOp::Kind::Line:
        painter.setPen(qtPen(op.pen, minPenUnits));
        painter.drawLine(QPointF(op.x1 * U, op.y1 * U), QPointF(op.x2 * U, op.y2 * U));
        break;
    case DrawOp::Kind::Rectangle:
        painter.setPen(qtPen(op.pen, minPenUnits));
        painter.setBrush(qtBrush(op.brush));
        painter.drawRect(unitsRect(op));
        break;
    case DrawOp::Kind::Ellipse:
        painter.setPen(qtPen(op.pen, minPenUnits));
        painter.setBrush(qtBrush(op.brush));
        painter.drawEllipse(unitsRect(op));
        break;
    case DrawOp::Kind::RoundRect:
        painter.setPen(qtPen(op.pen, minPenUnits));
        painter.setBrush(qtBrush(op.brush));
        painter.drawRoundedRect(unitsRect(op), op.radius * U, op.radius * U);
        break;
    case DrawOp::Kind::Image:
        painter.drawImage(unitsRect(op), op.image);
        break;
    }
}

void RenderPage(QPainter& painter, const ReportDocument& document, int pageIndex, double dotsPerInch,
                const PageRenderOptions& options)
{
    if (pageIndex < 0 || pageIndex >= document.PageCount())
        return;
    const ReportPage& page = document.pages[static_cast<size_t>(pageIndex)];
    const int pageNumber = pageIndex + 1;
    const int pageCount = document.PageCount();

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const double scale = dotsPerInch / U;
    painter.scale(scale, scale);
    const double minPen = options.minPenPixels > 0 ? options.minPenPixels / scale : 0.0;

    if (options.paintPaper)
        painter.fillRect(QRectF(0, 0, page.width * U, page.height * U), Qt::white);

    for (const DrawOp& op : page.ops) {
        if (op.previewOnly && !options.preview)
            continue;
        if (op.kind != DrawOp::Kind::Text) {
            DrawShapeOp(painter, op, minPen);
            continue;
        }
        painter.setFont(MeasuredFontOf(op.font).Font());
        painter.setPen(QColor::fromRgb(op.textColor));
        painter.drawText(QPointF(TextLeft(op, pageNumber, pageCount) * U, op.y1 * U), ShownText(op, pageNumber, pageCount));
    }
    painter.restore();
}
