#include "platform/report/PrinterRenderer.h"

#include "platform/report/PageRenderer.h"
#include "platform/report/ReportErrors.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace {

QPageLayout layoutOf(const ReportPage& page, const QPageSize& paper)
{
    const bool landscape = page.orientation() == PageOrientation::Landscape;
    const QSizeF portraitSize = landscape ? QSizeF(page.height, page.width) : QSizeF(page.width, page.height);
    const QPageSize size = paper.isValid() && paper.size(QPageSize::Inch) == portraitSize ? paper
                                                                                         : QPageSize(portraitSize, QPageSize::Inch);
    return QPageLayout(size, landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Inch);
}

} // namespace

void ApplyJobSettings(const PrintJobSettings& job, QPrinter& printer)
{
    if (!job.title.isEmpty())
        printer.setDocName(job.title);
    if (!job.paper.isEmpty()) {
        for (const QPageSize& size : QPrinterInfo(printer).supportedPageSizes()) {
            if (size.name().compare(job.paper, Qt::CaseInsensitive) == 0) {
                printer.setPageSize(size);
                break;
            }
        }
    }
    printer.setCollateCopies(job.collate);
    switch (job.duplex) {
    case 1: printer.setDuplex(QPrinter::DuplexLongSide); break;
    case 2: printer.setDuplex(QPrinter::DuplexShortSide); break;
    default: printer.setDuplex(QPrinter::DuplexNone); break;
    }
}

void PrintDocument(const ReportDocument& document, QPrinter& printer, const PrintRange& range)
{
    const int last = range.toPage <= 0 ? document.PageCount() : std::min(range.toPage, document.PageCount());
    const int first = std::max(1, range.fromPage);
    if (first > last)
        return;
    printer.setFullPage(true);
    printer.setCopyCount(std::max(1, range.copies));
    const QPageSize paper = printer.pageLayout().pageSize();
    printer.setPageLayout(layoutOf(document.pages[static_cast<size_t>(first - 1)], paper));

    QPainter painter;
    if (!painter.begin(&printer)) {
        if (QPrinterInfo::availablePrinterNames().isEmpty())
            throw EReportException(QLatin1String(kNoPrinterMessage));
        const QString name = printer.printerName().isEmpty() ? QStringLiteral("the default printer") : printer.printerName();
        throw EReportException(QStringLiteral("The report cannot be printed: %1 does not start.").arg(name));
    }
    for (int number = first; number <= last; ++number) {
        if (number > first) {
            printer.setPageLayout(layoutOf(document.pages[static_cast<size_t>(number - 1)], paper));
            if (!printer.newPage()) {
                painter.end();
                throw EReportException(QStringLiteral("The report cannot be printed: the printer refused page %1.").arg(number));
            }
        }
        RenderPage(painter, document, number - 1, printer.resolution(), PageRenderOptions{false, 0.0, false});
    }
    if (!painter.end())
        throw EReportException(QStringLiteral("The report cannot be printed: the printer did not finish the job."));
}
