#pragma once

#include "platform/report/ReportDocument.h"
#include "platform/report/ReportFonts.h"

#include <QFontMetricsF>
#include <QRectF>
#include <QStringList>

#include <vector>

// What a page puts on paper, item by item, for telling whether anything prints over anything
// else. A text counts by the ink of its glyphs (a line's ascent and descent leave room for
// accents and descenders it may not have); a line by its stroke; a framed box by its four edges,
// so that what stands inside the box does not touch it; a filled shape (a bar of a bar code, a
// part of a MICR character) by its area.
struct PrintedItem {
    enum class Kind { Text, Stroke, Fill };

    Kind kind = Kind::Text;
    QRectF box;
    QString what;
    const DrawOp* op = nullptr;
};

inline QRectF TextInk(const DrawOp& op, int pageNumber, int pageCount)
{
    const QString shown = ShownText(op, pageNumber, pageCount);
    const QRectF ink = QFontMetricsF(ReportQFont(op.font)).tightBoundingRect(shown);
    const double scale = 1.0 / ReportUnitsPerInch;
    const double left = TextLeft(op, pageNumber, pageCount);
    return QRectF(left + ink.left() * scale, op.y1 + ink.top() * scale, ink.width() * scale, ink.height() * scale);
}

inline std::vector<PrintedItem> PrintedItems(const ReportPage& page, int pageNumber = 1, int pageCount = 1)
{
    std::vector<PrintedItem> items;
    for (const DrawOp& op : page.ops) {
        if (op.previewOnly)
            continue;
        const QRectF bounds = OpBounds(op, pageNumber, pageCount);
        const QString where = QStringLiteral("(%1, %2)-(%3, %4)")
                                  .arg(bounds.left(), 0, 'f', 3)
                                  .arg(bounds.top(), 0, 'f', 3)
                                  .arg(bounds.right(), 0, 'f', 3)
                                  .arg(bounds.bottom(), 0, 'f', 3);
        switch (op.kind) {
        case DrawOp::Kind::Text: {
            const QString shown = ShownText(op, pageNumber, pageCount);
            if (!shown.trimmed().isEmpty())
                items.push_back({PrintedItem::Kind::Text, TextInk(op, pageNumber, pageCount), QLatin1Char('"') + shown + QLatin1Char('"'), &op});
            break;
        }
        case DrawOp::Kind::Line:
            items.push_back({PrintedItem::Kind::Stroke, bounds, QStringLiteral("line ") + where, &op});
            break;
        case DrawOp::Kind::Rectangle:
            if (op.pen.style == PenStyle::Clear || op.brush.style == BrushStyle::Solid) {
                items.push_back({PrintedItem::Kind::Fill, bounds, QStringLiteral("shape ") + where, &op});
                break;
            }
            {
                const double pen = op.pen.width;
                const QRectF r = bounds;
                const QString what = QStringLiteral("box edge ") + where;
                items.push_back({PrintedItem::Kind::Stroke, QRectF(r.left(), r.top(), r.width(), pen), what, &op});
                items.push_back({PrintedItem::Kind::Stroke, QRectF(r.left(), r.bottom() - pen, r.width(), pen), what, &op});
                items.push_back({PrintedItem::Kind::Stroke, QRectF(r.left(), r.top(), pen, r.height()), what, &op});
                items.push_back({PrintedItem::Kind::Stroke, QRectF(r.right() - pen, r.top(), pen, r.height()), what, &op});
            }
            break;
        default:
            items.push_back({PrintedItem::Kind::Fill, bounds, QStringLiteral("shape ") + where, &op});
            break;
        }
    }
    return items;
}

// Pairs of items that print over each other by more than one dot of a 600 dpi printer. Strokes
// meet strokes where a form's rules join, and the shapes of one bar code or MICR character touch
// each other: those pairs are the artwork's own and not compared.
inline QStringList OverlappingItems(const std::vector<PrintedItem>& items)
{
    constexpr double dot = 1.0 / 600.0;
    QStringList overlaps;
    for (size_t i = 0; i < items.size(); ++i) {
        for (size_t j = i + 1; j < items.size(); ++j) {
            const PrintedItem& a = items[i];
            const PrintedItem& b = items[j];
            if (a.kind != PrintedItem::Kind::Text && a.kind == b.kind)
                continue;
            const QRectF shared = a.box.intersected(b.box);
            if (shared.width() > dot && shared.height() > dot)
                overlaps << a.what + QStringLiteral(" | ") + b.what;
        }
    }
    return overlaps;
}
