#include "PlainPdfBaseline.h"

#include "platform/report/PageRenderer.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr int kDotsPerInch = 1200;

QPageLayout LayoutOf(const ReportPage& page)
{
    const bool landscape = page.orientation() == PageOrientation::Landscape;
    const QSizeF portrait = landscape ? QSizeF(page.height, page.width) : QSizeF(page.width, page.height);
    return QPageLayout(QPageSize(portrait, QPageSize::Inch), landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Inch);
}

} // namespace

PlainPdfPages PreparePlainPages(const ReportDocument& document)
{
    PlainPdfPages plain;
    const int count = document.PageCount();
    for (int i = 0; i < count; ++i) {
        const ReportPage& page = document.pages[static_cast<size_t>(i)];
        ReportPage shapes = page;
        shapes.ops.clear();
        std::vector<PlainText> texts;
        for (const DrawOp& op : page.ops) {
            if (op.previewOnly)
                continue;
            if (op.kind != DrawOp::Kind::Text) {
                shapes.ops.push_back(op);
                continue;
            }
            texts.push_back(PlainText{ReportQFont(op.font), QColor::fromRgb(op.textColor),
                                      QPointF(TextLeft(op, i + 1, count) * ReportUnitsPerInch, op.y1 * ReportUnitsPerInch),
                                      ShownText(op, i + 1, count)});
        }
        plain.shapes.pages.push_back(std::move(shapes));
        plain.texts.push_back(std::move(texts));
    }
    return plain;
}

QByteArray DrawPlainPdf(const PlainPdfPages& pages)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kDotsPerInch);
        writer.setPageLayout(LayoutOf(pages.shapes.pages.front()));
        QPainter painter(&writer);
        for (int i = 0; i < pages.shapes.PageCount(); ++i) {
            if (i > 0) {
                writer.setPageLayout(LayoutOf(pages.shapes.pages[static_cast<size_t>(i)]));
                writer.newPage();
            }
            RenderPage(painter, pages.shapes, i, kDotsPerInch);
            painter.save();
            painter.setRenderHint(QPainter::TextAntialiasing, true);
            const double scale = kDotsPerInch / ReportUnitsPerInch;
            painter.scale(scale, scale);
            for (const PlainText& text : pages.texts[static_cast<size_t>(i)]) {
                painter.setFont(text.font);
                painter.setPen(text.color);
                painter.drawText(text.at, text.text);
            }
            painter.restore();
        }
    }
    return buffer.data();
}
