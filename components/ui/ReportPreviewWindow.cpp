#include "components/ui/ReportPreviewWindow.h"

#include "components/ExportFolder.h"
#include "components/PreviewPaging.h"
#include "components/PreviewPrinting.h"
#include "components/ui/EntryFieldSupport.h"
#include "components/ui/OutputOptionsWindow.h"
#include "platform/FileDialogs.h"
#include "platform/HourglassCursor.h"
#include "platform/report/HtmlRenderer.h"
#include "platform/report/PdfRenderer.h"
#include "platform/report/ReportSnapshot.h"
#include "platform/ui/ReportPageView.h"
#include "platform/ui/ShowModal.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

using PreviewPaging::VerticalKey;

TFrmReportPreview::TFrmReportPreview(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSize(8);
    setFont(tahoma);
    resize(880, 559);

    auto* toolBar = new QToolBar(this);
    toolBar->setFixedHeight(30);
    const auto add = [&](const QString& caption, const QString& hint, void (TFrmReportPreview::*command)()) {
        QToolButton* button = addButton(caption, hint, command);
        toolBar->addWidget(button);
        return button;
    };
    BtnOpen = add(QStringLiteral("Open"), QStringLiteral("Open Saved Report (Ctrl+O)"), &TFrmReportPreview::Open);
    BtnSave = add(QStringLiteral("Save"), QStringLiteral("Save Report (Ctrl+S)"), &TFrmReportPreview::Save);
    BtnPrint = add(QStringLiteral("Print"), QStringLiteral("Print Report (Ctrl+P)"), &TFrmReportPreview::Print);
    toolBar->addSeparator();
    BtnFirst = add(QStringLiteral("First Page"), QStringLiteral("Go to First Page (Alt+F)"), &TFrmReportPreview::FirstPage);
    BtnPrior = add(QStringLiteral("Prior Page"), QStringLiteral("Go to Prior Page (Alt+P)"), &TFrmReportPreview::PriorPage);
    BtnNext = add(QStringLiteral("Next Page"), QStringLiteral("Go to Next Page (Alt+N)"), &TFrmReportPreview::NextPage);
    BtnLast = add(QStringLiteral("Last Page"), QStringLiteral("Go to Last Page (Alt+L)"), &TFrmReportPreview::LastPage);
    toolBar->addSeparator();
    BtnZoomIn = add(QStringLiteral("Zoom In"), QStringLiteral("Zoom In (+)"), &TFrmReportPreview::ZoomIn);
    BtnZoomOut = add(QStringLiteral("Zoom Out"), QStringLiteral("Zoom Out (-)"), &TFrmReportPreview::ZoomOut);
    toolBar->addSeparator();
    BtnExportPDF = add(QStringLiteral("PDF Export"), QStringLiteral("Export to PDF (Ctrl+D)"), &TFrmReportPreview::ExportPDF);
    BtnExportHTML = add(QStringLiteral("HTML Export"), QStringLiteral("Export to HTML (Ctrl+H)"), &TFrmReportPreview::ExportHTML);
    toolBar->addSeparator();
    BtnExit = add(QStringLiteral("Exit"), QStringLiteral("Exit Preview Screen (Alt+X)"), &TFrmReportPreview::Exit);

    RvRenderPreview = new ReportPageView;
    PreviewRenderSettings settings;
    settings.shadowDepth = 0;
    settings.marginPercent = 2.5;
    settings.zoomFactor = 100.0;
    settings.zoomInc = 10.0;
    RvRenderPreview->ApplySettings(settings);
    connect(RvRenderPreview, &ReportPageView::PageChange, this, [this] { updatePageText(); });

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setBackgroundRole(QPalette::Dark);
    QPalette grey = ScrollBox1->palette();
    grey.setColor(QPalette::Dark, QColor(0x80, 0x80, 0x80));
    ScrollBox1->setPalette(grey);
    ScrollBox1->setWidget(RvRenderPreview);
    ScrollBox1->setFocusPolicy(Qt::StrongFocus);
    ScrollBox1->viewport()->installEventFilter(this);
    ScrollBox1->setContextMenuPolicy(Qt::NoContextMenu);

    auto* statusBar = new QStatusBar(this);
    statusBar->setSizeGripEnabled(false);
    StatusText = new QLabel(statusBar);
    statusBar->addWidget(StatusText, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(ScrollBox1, 1);
    layout->addWidget(statusBar);

    buildPopupMenu();
    // The window sees every key before its controls do.
    new KeyPreview(this, [this](QKeyEvent* event) { return handleKey(event); });
    ScrollBox1->setFocus();
    updatePageText();
}

TFrmReportPreview::~TFrmReportPreview() = default;

QToolButton* TFrmReportPreview::addButton(const QString& caption, const QString& hint,
                                          void (TFrmReportPreview::*command)())
{
    auto* button = new QToolButton(this);
    button->setText(caption);
    button->setToolTip(hint);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setMinimumHeight(22);
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QToolButton::clicked, this, command);
    return button;
}

void TFrmReportPreview::buildPopupMenu()
{
    PopupMenu = new QMenu(this);
    struct Item {
        const char* caption;
        QToolButton* button;
        void (TFrmReportPreview::*command)();
        bool followsButton;
    };
    const std::vector<std::vector<Item>> groups = {
        {{"Open Saved Report", BtnOpen, &TFrmReportPreview::Open, true},
         {"Save Report", BtnSave, &TFrmReportPreview::Save, true},
         {"Print Report", BtnPrint, &TFrmReportPreview::Print, true}},
        {{"Go to First Page", BtnFirst, &TFrmReportPreview::FirstPage, true},
         {"Go to Prior Page", BtnPrior, &TFrmReportPreview::PriorPage, true},
         {"Go to Next Page", BtnNext, &TFrmReportPreview::NextPage, true},
         {"Go to Last Page", BtnLast, &TFrmReportPreview::LastPage, true}},
        {{"Zoom In", BtnZoomIn, &TFrmReportPreview::ZoomIn, false},
         {"Zoom Out", BtnZoomOut, &TFrmReportPreview::ZoomOut, false}},
        {{"Export to PDF", BtnExportPDF, &TFrmReportPreview::ExportPDF, true},
         {"Export to HTML", BtnExportHTML, &TFrmReportPreview::ExportHTML, true}},
        {{"Exit Preview Screen", BtnExit, &TFrmReportPreview::Exit, false}},
    };
    for (const auto& group : groups) {
        if (!PopupMenu->isEmpty())
            PopupMenu->addSeparator();
        for (const Item& item : group) {
            QAction* action = PopupMenu->addAction(QString::fromLatin1(item.caption));
            connect(action, &QAction::triggered, this, item.command);
            if (item.followsButton) {
                QToolButton* button = item.button;
                connect(PopupMenu, &QMenu::aboutToShow, action, [action, button] { action->setEnabled(button->isEnabled()); });
            }
        }
    }
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu->popup(mapToGlobal(at)); });
    RvRenderPreview->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(RvRenderPreview, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu->popup(RvRenderPreview->mapToGlobal(at)); });
}

int TFrmReportPreview::options() const
{
    return System ? System->SystemOptions : DefaultSystemOptions;
}

int TFrmReportPreview::setups() const
{
    return System ? System->SystemSetups : AllSystemSetups;
}

void TFrmReportPreview::showDocument(std::shared_ptr<const ReportDocument> document)
{
    document_ = std::move(document);
    RvRenderPreview->SetDocument(document_);
    RvRenderPreview->RenderPage(1);
    ScrollBox1->verticalScrollBar()->setValue(0);
}

void TFrmReportPreview::InitFromRPSystem()
{
    if (!InputFileName.isEmpty()) {
        showDocument(std::make_shared<const ReportDocument>(LoadSnapshot(InputFileName)));
        alternateNDRLoaded_ = true;
    } else {
        showDocument(InputStream);
    }
}

void TFrmReportPreview::OpenFile(const QString& fileName)
{
    // A damaged or foreign file is refused before anything shown is let go.
    auto opened = std::make_shared<const ReportDocument>(LoadSnapshot(fileName));
    ReleaseInputFile();
    showDocument(std::move(opened));
    alternateNDRLoaded_ = true;
    setWindowTitle(QApplication::applicationDisplayName() + QStringLiteral(" - ") + QFileInfo(fileName).fileName());
}

void TFrmReportPreview::ReleaseInputFile()
{
    if (!alternateNDRLoaded_)
        return;
    alternateNDRLoaded_ = false;
    document_.reset();
    RvRenderPreview->SetDocument(nullptr);
}

void TFrmReportPreview::DoAfterPreviewPrint()
{
    if (OnAfterPreviewPrint)
        OnAfterPreviewPrint();
}

void TFrmReportPreview::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    updatePageText();
    // The preview always opens at this zoom, whatever the report asked for.
    RvRenderPreview->SetZoomFactor(PreviewPaging::kOpeningZoom);
    EnableButtons();
}

void TFrmReportPreview::updatePageText()
{
    StatusText->setText(PreviewPaging::PageText(RvRenderPreview->CurrentPage(), RvRenderPreview->Pages()));
}

void TFrmReportPreview::EnableButtons()
{
    const int page = RvRenderPreview->CurrentPage();
    const int pages = RvRenderPreview->Pages();
    BtnFirst->setEnabled(page > 1);
    BtnPrior->setEnabled(page > 1);
    BtnNext->setEnabled(page < pages);
    BtnLast->setEnabled(page < pages);
    BtnSave->setEnabled(options() & soAllowSaveFromPreview);
    const bool print = options() & soAllowPrintFromPreview;
    BtnPrint->setEnabled(print);
    BtnExportPDF->setEnabled(print);
    BtnExportHTML->setEnabled(print);
}

void TFrmReportPreview::FirstPage()
{
    RvRenderPreview->RenderPage(1);
    EnableButtons();
}

void TFrmReportPreview::PriorPage()
{
    RvRenderPreview->RenderPage(RvRenderPreview->CurrentPage() - 1);
    EnableButtons();
}

void TFrmReportPreview::NextPage()
{
    RvRenderPreview->RenderPage(RvRenderPreview->CurrentPage() + 1);
    EnableButtons();
}

void TFrmReportPreview::LastPage()
{
    RvRenderPreview->RenderPage(RvRenderPreview->Pages());
    EnableButtons();
}

void TFrmReportPreview::ZoomIn()
{
    RvRenderPreview->SetZoomFactor(PreviewPaging::ZoomIn(RvRenderPreview->ZoomFactor(), RvRenderPreview->Settings().zoomInc));
    EnableButtons();
}

void TFrmReportPreview::ZoomOut()
{
    RvRenderPreview->SetZoomFactor(PreviewPaging::ZoomOut(RvRenderPreview->ZoomFactor(), RvRenderPreview->Settings().zoomInc));
    EnableButtons();
}

void TFrmReportPreview::Open()
{
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Open;
    request.caption = QStringLiteral("Open");
    request.startPath = ExportFolder();
    request.filter = QStringLiteral("Snapshot Files (*.ndr)");
    request.defaultSuffix = QStringLiteral("ndr");
    if (const std::optional<QString> chosen = RunFileDialog(request))
        OpenFile(*chosen);
    EnableButtons();
}

std::optional<QString> TFrmReportPreview::askSaveFile(const QString& caption, const QString& filter, const QString& suffix)
{
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Save;
    request.caption = caption;
    request.filter = filter;
    request.defaultSuffix = suffix;
    request.startPath = ExportFolder();
    const std::optional<QString> chosen = RunFileDialog(request);
    if (chosen)
        RememberExportFolder(*chosen);
    return chosen;
}

void TFrmReportPreview::Save()
{
    if (!(options() & soAllowSaveFromPreview) || !document_)
        return;
    const std::optional<QString> chosen = askSaveFile(QStringLiteral("Save to Snapshot Document"),
                                                      QStringLiteral("Snapshot Document (*.ndr)"), QStringLiteral("ndr"));
    if (chosen) {
        // The pages shown are in memory, so the file they came from may be the one replaced; it
        // is written whole beside it and renamed into place.
        HourglassCursor hourglass;
        SaveSnapshot(*document_, *chosen);
    }
    EnableButtons();
}

void TFrmReportPreview::Print()
{
    if (!(options() & soAllowPrintFromPreview) || !document_)
        return;
    PrintJobSettings job = document_->job;
    int fromPage = 1;
    int toPage = 0;
    if (setups() & ssAllowPreviewSetup) {
        OutputChoice choice;
        choice.destination = ReportDestination::Printer;
        choice.printerName = job.printerName;
        choice.copies = job.copies;
        choice.collate = job.collate;
        choice.duplex = job.duplex;
        TFrmOutputOptions dialog(System ? System->TitleSetup : QStringLiteral("Output Options"), setups(),
                                 TFrmOutputOptions::Mode::FromPreview, choice, document_->PageCount(), this);
        if (ShowModal(dialog) != QDialog::Accepted)
            return;
        choice = dialog.Choice();
        job.printerName = choice.printerName;
        job.copies = choice.copies;
        job.collate = choice.collate;
        job.duplex = choice.duplex;
        fromPage = choice.fromPage;
        toPage = choice.toPage;
    }
    const std::shared_ptr<const ReportDocument> printing = document_;
    {
        HourglassCursor hourglass;
        PrintCopies(*printing, job, fromPage, toPage);
    }
    DoAfterPreviewPrint();
    EnableButtons();
}

void TFrmReportPreview::ExportPDF()
{
    if (!(options() & soAllowPrintFromPreview) || !document_)
        return;
    const std::optional<QString> chosen = askSaveFile(QStringLiteral("Save to PDF Document"),
                                                      QStringLiteral("Adobe Portable Document (*.pdf)"), QStringLiteral("pdf"));
    if (chosen) {
        HourglassCursor hourglass;
        WritePdf(*document_, *chosen, ProgramPdfInfo());
    }
    EnableButtons();
}

void TFrmReportPreview::ExportHTML()
{
    if (!(options() & soAllowPrintFromPreview) || !document_)
        return;
    const std::optional<QString> chosen = askSaveFile(QStringLiteral("Save to HTML Document"),
                                                      QStringLiteral("Web Document (*.html)"), QStringLiteral("html"));
    if (chosen) {
        HourglassCursor hourglass;
        WriteHtml(*document_, *chosen, document_->job.title);
    }
    EnableButtons();
}

void TFrmReportPreview::Exit()
{
    close();
}

bool TFrmReportPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ScrollBox1->viewport() && event->type() == QEvent::Wheel) {
        const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
        if (delta != 0) {
            QKeyEvent key(QEvent::KeyPress, delta > 0 ? Qt::Key_Up : Qt::Key_Down, Qt::NoModifier);
            handleKey(&key);
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool TFrmReportPreview::handleKey(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const int key = event->key();

    const auto vertical = [&]() -> std::optional<VerticalKey> {
        switch (key) {
        case Qt::Key_Up: return VerticalKey::Up;
        case Qt::Key_Down: return VerticalKey::Down;
        case Qt::Key_PageUp: return VerticalKey::PageUp;
        case Qt::Key_PageDown: return VerticalKey::PageDown;
        case Qt::Key_Home: return VerticalKey::Home;
        case Qt::Key_End: return VerticalKey::End;
        default: return std::nullopt;
        }
    }();
    if (vertical && (modifiers == Qt::NoModifier || modifiers == Qt::ControlModifier)) {
        QScrollBar* bar = ScrollBox1->verticalScrollBar();
        const PreviewPaging::Scroll scroll{bar->value(), bar->maximum(), bar->singleStep(), ScrollBox1->viewport()->height()};
        const PreviewPaging::Target target =
            PreviewPaging::MoveVertically(*vertical, RvRenderPreview->CurrentPage(), RvRenderPreview->Pages(), scroll);
        if (target.page != RvRenderPreview->CurrentPage() && RvRenderPreview->Pages() > 0) {
            RvRenderPreview->RenderPage(target.page);
            EnableButtons();
        }
        switch (target.place) {
        case PreviewPaging::Target::Place::Top: bar->setValue(0); break;
        case PreviewPaging::Target::Place::Bottom: bar->setValue(bar->maximum()); break;
        case PreviewPaging::Target::Place::Value: bar->setValue(target.value); break;
        }
        return true;
    }

    if ((key == Qt::Key_Left || key == Qt::Key_Right) && (modifiers & Qt::ControlModifier) &&
        !(modifiers & (Qt::AltModifier | Qt::MetaModifier))) {
        QScrollBar* bar = ScrollBox1->horizontalScrollBar();
        const int step = (modifiers & Qt::ShiftModifier) ? ScrollBox1->viewport()->width() : bar->singleStep();
        bar->setValue(bar->value() + (key == Qt::Key_Left ? -step : step));
        return true;
    }

    const auto whenEnabled = [](QToolButton* button, auto command) {
        if (button->isEnabled())
            command();
        return true;
    };
    if (modifiers == Qt::ControlModifier) {
        switch (key) {
        case Qt::Key_O: Open(); return true;
        case Qt::Key_S: Save(); return true;
        case Qt::Key_P: return whenEnabled(BtnPrint, [this] { Print(); });
        case Qt::Key_D: return whenEnabled(BtnExportPDF, [this] { ExportPDF(); });
        case Qt::Key_H: return whenEnabled(BtnExportHTML, [this] { ExportHTML(); });
        default: break;
        }
    }
    if (modifiers == Qt::AltModifier) {
        switch (key) {
        case Qt::Key_F: return whenEnabled(BtnFirst, [this] { FirstPage(); });
        case Qt::Key_P: return whenEnabled(BtnPrior, [this] { PriorPage(); });
        case Qt::Key_N: return whenEnabled(BtnNext, [this] { NextPage(); });
        case Qt::Key_L: return whenEnabled(BtnLast, [this] { LastPage(); });
        case Qt::Key_X: Exit(); return true;
        default: break;
        }
    }
    if (key == Qt::Key_Escape && modifiers == Qt::NoModifier) {
        Exit();
        return true;
    }
    if ((key == Qt::Key_Plus || key == Qt::Key_Minus) && !(modifiers & (Qt::ControlModifier | Qt::AltModifier))) {
        key == Qt::Key_Plus ? ZoomIn() : ZoomOut();
        return true;
    }
    return false;
}

TFrmReportPreview* PreviewFile(const QString& fileName)
{
    auto* window = new TFrmReportPreview(nullptr);
    window->setAttribute(Qt::WA_DeleteOnClose);
    try {
        window->OpenFile(fileName);
    } catch (...) {
        delete window;
        throw;
    }
    window->show();
    return window;
}
