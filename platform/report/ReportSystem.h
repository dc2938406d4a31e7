#pragma once

#include "platform/report/ReportCanvas.h"
#include "platform/report/ReportDocument.h"

#include <QString>

#include <functional>
#include <memory>

class QObject;
class QPrinter;

enum class ReportDestination { Preview, Printer, File };

// What the report system allows the user (SystemOptions) and what its output options offer
// (SystemSetups), as sets of these bits.
enum SystemOption : int {
    soShowStatus = 0x01,
    soAllowPrintFromPreview = 0x02,
    soAllowSaveFromPreview = 0x04,
    soPreviewModal = 0x08,
};
inline constexpr int DefaultSystemOptions = soShowStatus | soAllowPrintFromPreview | soAllowSaveFromPreview | soPreviewModal;

enum SystemSetup : int {
    ssAllowSetup = 0x001,         // the output options are shown before the report runs
    ssAllowCopies = 0x002,
    ssAllowCollate = 0x004,
    ssAllowDuplex = 0x008,
    ssAllowDestPreview = 0x010,
    ssAllowDestPrinter = 0x020,
    ssAllowDestFile = 0x040,
    ssAllowPrinterSetup = 0x080,
    ssAllowPreviewSetup = 0x100,
};
inline constexpr int AllSystemSetups = 0x1FF;

// The four calls of the preview handler, in this order, for one report run.
enum class OverrideMode { omCreate, omShow, omWait, omFree };

enum class PreviewFormState { Normal, Maximized };
enum class FilerStreamMode { smMemory, smFile };

// How the preview draws pages; the preview window's page renderer holds one.
struct PreviewRenderSettings {
    double zoomFactor = 100.0;  // percent
    double zoomInc = 10.0;
    double marginPercent = 0.0;
    int shadowDepth = 0;
};

struct SystemPreviewSettings {
    PreviewFormState FormState = PreviewFormState::Normal;
    int FormWidth = 880;
    int FormHeight = 559;
    double ZoomFactor = 100.0;
    double ZoomInc = 10.0;
    double MarginPercent = 0.0;
    int ShadowDepth = 0;

    // Gives a page renderer these settings.
    void InitPreview(PreviewRenderSettings& renderer) const;
};

struct SystemPrinterSettings {
    QString Title;
    PageOrientation Orientation = PageOrientation::Portrait;
    QString StatusFormat = QStringLiteral("Printing page %p");
    double ScaleX = 100.0;
    double ScaleY = 100.0;
    double UnitsFactor = 1.0;   // inches
    int Copies = 1;
    bool Collate = false;
    uint8_t Duplex = 0;
};

struct SystemFilerSettings {
    QString StatusFormat = QStringLiteral("Generating page %p");
    FilerStreamMode StreamMode = FilerStreamMode::smMemory;
    QString FileName;   // with smFile, the snapshot is also written there
};

// The output options as the user (or a test) leaves them.
struct OutputChoice {
    ReportDestination destination = ReportDestination::Preview;
    QString fileName;   // for File: ".pdf", ".html" or ".htm", anything else a snapshot
    QString printerName;
    int copies = 1;
    bool collate = false;
    uint8_t duplex = 0;
    int fromPage = 1;
    int toPage = 0;     // 0: to the last page
};

class ReportSystem;

// Shows the output options; false when the user cancels. The program installs the dialog,
// tests a script that picks the destination.
using OutputOptionsHandler = std::function<bool(const ReportSystem& system, OutputChoice& choice)>;
// Makes the printer for a job sent to paper; tests make one that writes a PDF file.
using PrinterFactory = std::function<std::unique_ptr<QPrinter>(const PrintJobSettings& job)>;

// One printout: its titles and settings, the handlers that draw it, and Execute, which offers the
// output options, runs the handlers into a new document and sends the pages where the user chose.
class ReportSystem {
public:
    ReportSystem();
    ~ReportSystem();
    ReportSystem(const ReportSystem&) = delete;
    ReportSystem& operator=(const ReportSystem&) = delete;

    QString TitleSetup = QStringLiteral("Output Options");
    QString TitleStatus = QStringLiteral("Report Status");
    QString TitlePreview = QStringLiteral("Report Preview");
    SystemPrinterSettings SystemPrinter;
    SystemPreviewSettings SystemPreview;
    SystemFilerSettings SystemFiler;
    int SystemOptions = DefaultSystemOptions;
    int SystemSetups = AllSystemSetups;
    ReportDestination DefaultDest = ReportDestination::Preview;

    // Before the pages: the saved printer settings are applied to the report (the canvas). An
    // orientation this handler gives SystemPrinter wins over the one applied to the canvas.
    std::function<void(ReportCanvas& report)> OnBeforePrint;
    // Draws every page; the first page exists when it starts.
    std::function<void(ReportCanvas& report)> OnPrint;
    // After the pages, also when drawing them failed.
    std::function<void()> OnAfterPrint;
    // Shows the pages: called with omCreate, omShow, omWait and omFree in turn, the preview
    // window passed along in form. Without it a preview destination only keeps the document.
    std::function<void(ReportSystem& system, OverrideMode mode, QObject*& form)> OverridePreview;
    std::function<void(PreviewRenderSettings& renderer)> OnPreviewSetup;

    // Runs the printout. False when the output options were cancelled: then no handler runs.
    bool Execute();

    // The report being drawn, while OnBeforePrint and OnPrint run; null otherwise.
    ReportCanvas* Canvas() const { return canvas_; }
    // The pages of the last run (the snapshot the preview shows); null before the first run.
    std::shared_ptr<const ReportDocument> Document() const { return document_; }
    // Where the last run went.
    const OutputChoice& LastChoice() const { return choice_; }

    static OutputOptionsHandler SetOutputOptionsHandler(OutputOptionsHandler handler);
    static PrinterFactory SetPrinterFactory(PrinterFactory factory);
    // A printer for a job, from the factory in use (the preview prints through it too).
    static std::unique_ptr<QPrinter> MakePrinter(const PrintJobSettings& job);

private:
    std::shared_ptr<ReportDocument> generate();
    void preview();
    void print(const ReportDocument& document) const;
    void writeFile(const ReportDocument& document) const;

    ReportCanvas* canvas_ = nullptr;
    std::shared_ptr<const ReportDocument> document_;
    OutputChoice choice_;
};

// Writes the document to a file by its extension: ".pdf" a PDF with the program's document
// information, ".html" or ".htm" HTML, anything else a report snapshot.
void WriteReportFile(const ReportDocument& document, const QString& fileName);
