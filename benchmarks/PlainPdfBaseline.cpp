#include "PlainPdfBaseline.h"

#include "platform/report/PageRenderer.h"
#include "platform/report/PdfRenderer.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

std::vector<PlainPage> PreparePlainPages(const ReportDocument& document)
{
    std::vector<PlainPage> pages;
    const int count = document.PageCount();
    for (int i = 0; i < count; ++i) {
        const ReportPage& page = document.pages[static_cast<size_t>(i)];
        PlainPage plain;
        plain.size.width = page.width;
        plain.size.height = page.height;
        for (const DrawOp& op : page.ops) {
            if (op.previewOnly)
                continue;
            PlainOp drawn;
            if (op.kind == DrawOp::Kind::Text) {
                drawn.isText = true;
                drawn.font = ReportQFont(op.font);
                drawn.color = QColor::fromRgb(op.textColor);
                drawn.at = QPointF(TextLeft(op, i + 1, count) * ReportUnitsPerInch, op.y1 * ReportUnitsPerInch);
                drawn.text = ShownText(op, i + 1, count);
            } else {
                drawn.shape = op;
            }
            plain.ops.push_back(std::move(drawn));
        }
        pages.push_back(std::move(plain));
    }
    return pages;
}

QByteArray DrawPlainPdf(const std::vector<PlainPage>& pages)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(PdfDotsPerInch);
        writer.setPageLayout(PdfPageLayout(pages.front().size));
        QPainter painter(&writer);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        const double scale = PdfDotsPerInch / ReportUnitsPerInch;
        painter.scale(scale, scale);
        for (size_t i = 0; i < pages.size(); ++i) {
            const PlainPage& page = pages[i];
            if (i > 0) {
                writer.setPageLayout(PdfPageLayout(page.size));
                writer.newPage();
            }
            painter.fillRect(QRectF(0, 0, page.size.width * ReportUnitsPerInch, page.size.height * ReportUnitsPerInch), Qt::white);
            for (const PlainOp& op : page.ops) {
                if (!op.isText) {
                    DrawShapeOp(painter, op.shape, 0.0);
                    continue;
                }
                painter.setFont(op.font);
                painter.setPen(op.color);
                painter.drawText(op.at, op.text);
            }
        }
    }
    return buffer.data();
}
