#include "components/PreviewPrinting.h"

#include "components/PrinterCatalog.h"
#include "platform/report/PrinterRenderer.h"
#include "platform/report/ReportErrors.h"
#include "platform/report/ReportSystem.h"

#include <QPrinter>

#include <algorithm>

namespace {

void printOnce(const ReportDocument& document, const PrintJobSettings& job, int fromPage, int toPage, int copies)
{
    const std::unique_ptr<QPrinter> printer = ReportSystem::MakePrinter(job);
    ApplyJobSettings(job, *printer);
    PrintDocument(document, *printer, PrintRange{fromPage, toPage, copies});
}

} // namespace

int PrintCopies(const ReportDocument& document, const PrintJobSettings& job, int fromPage, int toPage)
{
    if (SystemPrinters().PrinterNames().isEmpty())
        throw EReportException(QLatin1String(kNoPrinterMessage));
    const int copies = std::max(1, job.copies);
    if (copies == 1 || SystemPrinters().MaxCopies(job.printerName) > 1) {
        printOnce(document, job, fromPage, toPage, copies);
        return 1;
    }
    for (int copy = 0; copy < copies; ++copy)
        printOnce(document, job, fromPage, toPage, 1);
    return copies;
}
