#include "platform/report/ReportSystem.h"

#include "platform/WriterLeftovers.h"

#include "platform/report/HtmlRenderer.h"
#include "platform/report/PdfRenderer.h"
#include "platform/report/PrinterRenderer.h"
#include "platform/report/ReportErrors.h"
#include "platform/report/ReportSnapshot.h"

#include <QFileInfo>
#include <QPrinter>

namespace {

OutputOptionsHandler& outputOptionsHandler()
{
    static OutputOptionsHandler handler;
    return handler;
}

std::unique_ptr<QPrinter> systemPrinter(const PrintJobSettings& job)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!job.printerName.isEmpty())
        printer->setPrinterName(job.printerName);
    return printer;
}

PrinterFactory& printerFactory()
{
    static PrinterFactory factory = systemPrinter;
    return factory;
}

// Runs a cleanup step while an exception is already on its way: a second failure must not
// replace the first.
template <typename F> void quietly(F&& step)
{
    try {
        step();
    } catch (...) {
    }
}

} // namespace

void SystemPreviewSettings::InitPreview(PreviewRenderSettings& renderer) const
{
    renderer.zoomFactor = ZoomFactor;
    renderer.zoomInc = ZoomInc;
    renderer.marginPercent = MarginPercent;
    renderer.shadowDepth = ShadowDepth;
}

void WriteReportFile(const ReportDocument& document, const QString& fileName)
{
    // An export that a stop cut short left its hidden temporary file in the folder; the next
    // export there clears it. One that cannot be removed stands in nobody's way.
    RemoveLeftoverPartFiles(QFileInfo(fileName).absolutePath(), QDateTime::currentDateTime().addSecs(-60));
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("pdf"))
        WritePdf(document, fileName, ProgramPdfInfo());
    else if (suffix == QLatin1String("html") || suffix == QLatin1String("htm"))
        WriteHtml(document, fileName, document.job.title);
    else
        SaveSnapshot(document, fileName);
}

ReportSystem::ReportSystem() = default;
ReportSystem::~ReportSystem() = default;

OutputOptionsHandler ReportSystem::SetOutputOptionsHandler(OutputOptionsHandler handler)
{
    return std::exchange(outputOptionsHandler(), std::move(handler));
}

PrinterFactory ReportSystem::SetPrinterFactory(PrinterFactory factory)
{
    return std::exchange(printerFactory(), factory ? std::move(factory) : PrinterFactory(systemPrinter));
}

std::unique_ptr<QPrinter> ReportSystem::MakePrinter(const PrintJobSettings& job)
{
    return printerFactory()(job);
}

bool ReportSystem::Execute()
{
    OutputChoice choice;
    choice.destination = DefaultDest;
    choice.copies = SystemPrinter.Copies;
    choice.collate = SystemPrinter.Collate;
    choice.duplex = SystemPrinter.Duplex;
    if ((SystemSetups & ssAllowSetup) && outputOptionsHandler()) {
        if (!outputOptionsHandler()(*this, choice))
            return false;
    }
    choice_ = choice;

    const std::shared_ptr<ReportDocument> document = generate();
    document_ = document;
    if (SystemFiler.StreamMode == FilerStreamMode::smFile && !SystemFiler.FileName.isEmpty())
        SaveSnapshot(*document, SystemFiler.FileName);

    switch (choice_.destination) {
    case ReportDestination::Preview: preview(); break;
    case ReportDestination::Printer: print(*document); break;
    case ReportDestination::File: writeFile(*document); break;
    }
    return true;
}

std::shared_ptr<ReportDocument> ReportSystem::generate()
{
    auto document = std::make_shared<ReportDocument>();
    document->job.title = SystemPrinter.Title;
    document->job.printerName = choice_.printerName;
    document->job.copies = choice_.copies;
    document->job.collate = choice_.collate;
    document->job.duplex = choice_.duplex;

    ReportCanvas canvas(*document, SystemPrinter.Orientation);
    canvas_ = &canvas;
    try {
        const PageOrientation before = SystemPrinter.Orientation;
        if (OnBeforePrint)
            OnBeforePrint(canvas);
        if (SystemPrinter.Orientation != before)
            canvas.SetOrientation(SystemPrinter.Orientation);
        if (OnPrint)
            OnPrint(canvas);
    } catch (...) {
        canvas_ = nullptr;
        if (OnAfterPrint)
            quietly(OnAfterPrint);
        throw;
    }
    canvas_ = nullptr;
    if (OnAfterPrint)
        OnAfterPrint();
    return document;
}

void ReportSystem::preview()
{
    if (!OverridePreview)
        return;
    QObject* form = nullptr;
    OverridePreview(*this, OverrideMode::omCreate, form);
    try {
        OverridePreview(*this, OverrideMode::omShow, form);
        OverridePreview(*this, OverrideMode::omWait, form);
    } catch (...) {
        quietly([&] { OverridePreview(*this, OverrideMode::omFree, form); });
        throw;
    }
    OverridePreview(*this, OverrideMode::omFree, form);
}

void ReportSystem::print(const ReportDocument& document) const
{
    const std::unique_ptr<QPrinter> printer = printerFactory()(document.job);
    ApplyJobSettings(document.job, *printer);
    PrintDocument(document, *printer, PrintRange{choice_.fromPage, choice_.toPage, document.job.copies});
}

void ReportSystem::writeFile(const ReportDocument& document) const
{
    if (choice_.fileName.trimmed().isEmpty())
        throw EReportException(QStringLiteral("No file was chosen for the report."));
    WriteReportFile(document, choice_.fileName);
}
