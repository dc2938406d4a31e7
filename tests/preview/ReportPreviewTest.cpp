#include "PreviewFixture.h"

#include "components/ui/OutputOptionsWindow.h"
#include "components/ui/ReportPreviewHandler.h"
#include "components/ui/ReportPreviewWindow.h"
#include "platform/report/PrinterRenderer.h"
#include "platform/report/ReportErrors.h"
#include "platform/report/ReportSnapshot.h"
#include "platform/ui/ReportPageView.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

namespace {

class ReportPreviewTest : public PreviewTest {
protected:
    void SetUp() override
    {
        PreviewTest::SetUp();
        system.TitlePreview = QStringLiteral("Employee Earnings Statement Preview");
        system.SystemPrinter.Title = QStringLiteral("Employee Earnings Statement");
        system.SystemPreview.MarginPercent = 2.5;
        system.SystemPreview.ShadowDepth = 5;
        system.OverridePreview = ReportPreviewHandler(nullptr);
    }

    // Runs the report into a modal preview that `drive` works with before it leaves.
    void runPreview(int pages, const std::function<void(TFrmReportPreview&)>& drive)
    {
        DrawPages(system, pages);
        dialogs.onNextModal([&](QDialog& shown) {
            auto* preview = qobject_cast<TFrmReportPreview*>(&shown);
            ASSERT_NE(preview, nullptr);
            drive(*preview);
            if (preview->isVisible())
                preview->Exit();
        });
        ASSERT_TRUE(system.Execute());
    }

    static QList<bool> pagingEnabled(const TFrmReportPreview& preview)
    {
        return {preview.BtnFirst->isEnabled(), preview.BtnPrior->isEnabled(), preview.BtnNext->isEnabled(),
                preview.BtnLast->isEnabled()};
    }

    ReportSystem system;
};

} // namespace

TEST_F(ReportPreviewTest, AOnePageReportShowsPageOneOfOneWithPagingOff)
{
    runPreview(1, [](TFrmReportPreview& preview) {
        EXPECT_EQ(preview.windowTitle(), QStringLiteral("Employee Earnings Statement Preview"));
        EXPECT_EQ(preview.StatusText->text(), QStringLiteral(" Page 1 of 1"));
        EXPECT_EQ(pagingEnabled(preview), (QList<bool>{false, false, false, false}));
        for (QToolButton* always : {preview.BtnOpen, preview.BtnZoomIn, preview.BtnZoomOut, preview.BtnExit})
            EXPECT_TRUE(always->isEnabled()) << always->text().toStdString();
        EXPECT_EQ(preview.BtnSave->toolTip(), QStringLiteral("Save Report (Ctrl+S)"));
        // As wide as its caption, so that every button stays on the bar.
        EXPECT_GE(preview.BtnPrint->height(), 22);
        EXPECT_GE(preview.BtnPrint->width(), preview.BtnPrint->sizeHint().width());
    });
}

TEST_F(ReportPreviewTest, OpensAtEightyFivePercentWhateverTheReportAsks)
{
    for (double asked : {100.0, 120.0, 30.0}) {
        system.SystemPreview.ZoomFactor = asked;
        runPreview(2, [](TFrmReportPreview& preview) {
            EXPECT_EQ(preview.RvRenderPreview->ZoomFactor(), 85.0);
            EXPECT_EQ(preview.RvRenderPreview->Settings().marginPercent, 2.5);
            EXPECT_EQ(preview.RvRenderPreview->Settings().shadowDepth, 5);
            press(&preview, Qt::Key_Plus);
            EXPECT_EQ(preview.RvRenderPreview->ZoomFactor(), 95.0);
            for (int i = 0; i < 20; ++i)
                preview.ZoomIn();
            EXPECT_EQ(preview.RvRenderPreview->ZoomFactor(), 200.0);
            for (int i = 0; i < 30; ++i)
                press(&preview, Qt::Key_Minus);
            EXPECT_EQ(preview.RvRenderPreview->ZoomFactor(), 10.0);
        });
    }
}

TEST_F(ReportPreviewTest, ArrowsAndWheelTurnPagesAtThePageEdges)
{
    runPreview(3, [&](TFrmReportPreview& preview) {
        QScrollBar* bar = preview.ScrollBox1->verticalScrollBar();
        ASSERT_GT(bar->maximum(), 0) << "the page must be taller than the window for this test";
        const auto at = [&] { return std::make_pair(preview.RvRenderPreview->CurrentPage(), bar->value()); };

        press(&preview, Qt::Key_Up);
        EXPECT_EQ(at(), std::make_pair(1, 0)) << "on page 1 Up stops at the top";
        press(&preview, Qt::Key_N, Qt::AltModifier);
        press(&preview, Qt::Key_End);
        EXPECT_EQ(at(), std::make_pair(2, bar->maximum()));
        press(&preview, Qt::Key_Down);
        EXPECT_EQ(at(), std::make_pair(3, 0)) << "Down at the bottom of page 2 of 3 goes to the top of page 3";
        EXPECT_EQ(preview.StatusText->text(), QStringLiteral(" Page 3 of 3"));
        EXPECT_EQ(pagingEnabled(preview), (QList<bool>{true, true, false, false}));
        press(&preview, Qt::Key_Up);
        EXPECT_EQ(at(), std::make_pair(2, bar->maximum())) << "Up at the top of page 3 goes to the bottom of page 2";
        press(&preview, Qt::Key_Down, Qt::ControlModifier);
        EXPECT_EQ(at(), std::make_pair(3, 0)) << "Ctrl alone keeps the arrows";

        press(&preview, Qt::Key_PageDown);
        EXPECT_GT(bar->value(), 0);
        press(&preview, Qt::Key_End);
        press(&preview, Qt::Key_PageDown);
        EXPECT_EQ(at(), std::make_pair(3, bar->maximum())) << "the last page stays at its bottom";
        press(&preview, Qt::Key_Home);
        press(&preview, Qt::Key_PageUp);
        EXPECT_EQ(at(), std::make_pair(2, bar->maximum()));
        press(&preview, Qt::Key_Down, Qt::ShiftModifier);
        EXPECT_EQ(at(), std::make_pair(2, bar->maximum())) << "Shift+Down is not a paging key";

        const auto wheel = [&](int delta) {
            QWheelEvent event(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(preview.ScrollBox1->viewport(), &event);
        };
        wheel(-120);
        EXPECT_EQ(at(), std::make_pair(3, 0)) << "the wheel down acts as Down";
        wheel(120);
        EXPECT_EQ(at(), std::make_pair(2, bar->maximum())) << "the wheel up acts as Up";

        press(&preview, Qt::Key_F, Qt::AltModifier);
        EXPECT_EQ(preview.StatusText->text(), QStringLiteral(" Page 1 of 3"));
        press(&preview, Qt::Key_P, Qt::AltModifier);
        EXPECT_EQ(preview.RvRenderPreview->CurrentPage(), 1) << "Alt+P does nothing on the first page";
        press(&preview, Qt::Key_L, Qt::AltModifier);
        EXPECT_EQ(preview.RvRenderPreview->CurrentPage(), 3);
        press(&preview, Qt::Key_X, Qt::AltModifier);
        EXPECT_FALSE(preview.isVisible());
    });
}

TEST_F(ReportPreviewTest, PrintSaveAndExportsFollowTheReportSystemsOptions)
{
    system.SystemOptions = soShowStatus | soPreviewModal;
    runPreview(2, [](TFrmReportPreview& preview) {
        for (QToolButton* off : {preview.BtnSave, preview.BtnPrint, preview.BtnExportPDF, preview.BtnExportHTML})
            EXPECT_FALSE(off->isEnabled()) << off->text().toStdString();
        // None of these may ask for a file or show the output options.
        for (Qt::Key key : {Qt::Key_P, Qt::Key_S, Qt::Key_D, Qt::Key_H})
            press(&preview, key, Qt::ControlModifier);
        preview.Print();
        preview.Save();
        emit preview.PopupMenu->aboutToShow();
        const QList<QAction*> items = preview.PopupMenu->actions();
        QStringList enabled;
        for (QAction* item : items)
            if (!item->isSeparator() && item->isEnabled())
                enabled << item->text();
        EXPECT_EQ(enabled, (QStringList{"Open Saved Report", "Go to Next Page", "Go to Last Page", "Zoom In",
                                        "Zoom Out", "Exit Preview Screen"}));
    });
    EXPECT_TRUE(sent.empty());

    system.SystemOptions = DefaultSystemOptions;
    const QString saved = tempPath(QStringLiteral("statement.ndr"));
    runPreview(2, [&](TFrmReportPreview& preview) {
        dialogs.onNextFileDialog(saved);
        press(&preview, Qt::Key_S, Qt::ControlModifier);
        ASSERT_EQ(dialogs.fileRequests().size(), 1u);
        EXPECT_EQ(dialogs.fileRequests().back().caption, QStringLiteral("Save to Snapshot Document"));
        EXPECT_EQ(dialogs.fileRequests().back().filter, QStringLiteral("Snapshot Document (*.ndr)"));
        EXPECT_EQ(LoadSnapshot(saved), *preview.Document());

        dialogs.onNextModal([](QDialog& options) { options.accept(); });
        press(&preview, Qt::Key_P, Qt::ControlModifier);
        EXPECT_EQ(sent.size(), 1u);
    });
}

TEST_F(ReportPreviewTest, CopiesPrintOneByOneWhenThePrinterCannotMakeThem)
{
    struct Case {
        const char* printer;
        int copies;
        std::vector<int> expectedJobs;   // the copy count of each job sent
    };
    const Case cases[] = {
        {"Check Printer", 3, {1, 1, 1}},
        {"Office Laser", 3, {3}},
        {"Check Printer", 1, {1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.printer + std::to_string(c.copies));
        sent.clear();
        int afterPrint = 0;
        runPreview(2, [&](TFrmReportPreview& preview) {
            preview.OnAfterPreviewPrint = [&] { ++afterPrint; };
            dialogs.onNextModal([&](QDialog& shown) {
                auto& options = dynamic_cast<TFrmOutputOptions&>(shown);
                EXPECT_FALSE(options.DestPrinter->isVisibleTo(&options)) << "from the preview the destination is fixed";
                options.PrinterName->setCurrentText(QString::fromLatin1(c.printer));
                options.Copies->setValue(c.copies);
                options.BtnOk->click();
            });
            preview.BtnPrint->click();
        });
        std::vector<int> jobs;
        for (const SentJob& job : sent) {
            EXPECT_EQ(job.printerName, QString::fromLatin1(c.printer));
            jobs.push_back(job.copies);
        }
        EXPECT_EQ(jobs, c.expectedJobs);
        EXPECT_EQ(afterPrint, 1);
    }
}

TEST_F(ReportPreviewTest, CancellingTheOutputOptionsPrintsNothing)
{
    runPreview(1, [&](TFrmReportPreview& preview) {
        dialogs.onNextModal([](QDialog& options) { options.reject(); });
        preview.Print();
    });
    EXPECT_TRUE(sent.empty());

    // Without the preview setup the pages go straight to the report's printer.
    system.SystemSetups = AllSystemSetups & ~ssAllowPreviewSetup;
    runPreview(1, [&](TFrmReportPreview& preview) { preview.Print(); });
    EXPECT_EQ(sent.size(), 1u);
}

TEST_F(ReportPreviewTest, PrintingWithoutAnyPrinterSaysSoAndPrintsNothing)
{
    printers->printers.clear();
    system.SystemSetups = AllSystemSetups & ~ssAllowPreviewSetup;
    runPreview(1, [&](TFrmReportPreview& preview) {
        try {
            preview.Print();
            ADD_FAILURE() << "printing went on without a printer";
        } catch (const EReportException& error) {
            EXPECT_EQ(error.message(), QLatin1String(kNoPrinterMessage));
        }
    });
    EXPECT_TRUE(sent.empty());
}

TEST_F(ReportPreviewTest, SavingOntoTheSnapshotShownKeepsItWhole)
{
    const QString snapshot = tempPath(QStringLiteral("run.ndr"));
    system.SystemFiler.StreamMode = FilerStreamMode::smFile;
    system.SystemFiler.FileName = snapshot;
    runPreview(3, [&](TFrmReportPreview& preview) {
        EXPECT_TRUE(preview.AlternateNDRLoaded());
        const ReportDocument shown = *preview.Document();
        dialogs.onNextFileDialog(snapshot);
        preview.Save();
        EXPECT_EQ(LoadSnapshot(snapshot), shown);
        EXPECT_EQ(preview.Document()->PageCount(), 3);
        preview.LastPage();
        EXPECT_EQ(preview.StatusText->text(), QStringLiteral(" Page 3 of 3"));
    });
    EXPECT_EQ(LoadSnapshot(snapshot).PageCount(), 3);
}

TEST_F(ReportPreviewTest, OpeningASnapshotShowsItUnderTheFilesName)
{
    ReportSystem other;
    DrawPages(other, 4);
    ASSERT_TRUE(other.Execute());
    const QString saved = tempPath(QStringLiteral("Quarter Report.ndr"));
    SaveSnapshot(*other.Document(), saved);
    const QString damaged = tempPath(QStringLiteral("damaged.ndr"));
    WriteTestFile(damaged, QByteArray("not a snapshot at all"));

    runPreview(1, [&](TFrmReportPreview& preview) {
        dialogs.onNextFileDialog(saved);
        press(&preview, Qt::Key_O, Qt::ControlModifier);
        EXPECT_EQ(dialogs.fileRequests().back().filter, QStringLiteral("Snapshot Files (*.ndr)"));
        EXPECT_EQ(preview.windowTitle(), QStringLiteral("Ledgora 2026 - Quarter Report.ndr"));
        EXPECT_EQ(preview.StatusText->text(), QStringLiteral(" Page 1 of 4"));
        EXPECT_TRUE(preview.BtnNext->isEnabled());

        // A damaged file is refused and the pages shown stay.
        EXPECT_THROW(preview.OpenFile(damaged), EReportException);
        EXPECT_EQ(preview.Document()->PageCount(), 4);
        EXPECT_EQ(preview.windowTitle(), QStringLiteral("Ledgora 2026 - Quarter Report.ndr"));
    });
}

TEST_F(ReportPreviewTest, ExportsWritePdfAndHtmlOfTheShownPages)
{
    ASSERT_TRUE(QDir().mkpath(tempPath(QStringLiteral("exports"))));
    const QString pdf = tempPath(QStringLiteral("exports/statement.pdf"));
    const QString html = tempPath(QStringLiteral("statement.html"));
    runPreview(2, [&](TFrmReportPreview& preview) {
        dialogs.onNextFileDialog(pdf);
        press(&preview, Qt::Key_D, Qt::ControlModifier);
        dialogs.onNextFileDialog(html);
        press(&preview, Qt::Key_H, Qt::ControlModifier);
        dialogs.onNextFileDialog(std::nullopt);
        preview.ExportPDF();
        ASSERT_EQ(dialogs.fileRequests().size(), 3u);
        EXPECT_EQ(dialogs.fileRequests()[0].caption, QStringLiteral("Save to PDF Document"));
        EXPECT_EQ(dialogs.fileRequests()[0].filter, QStringLiteral("Adobe Portable Document (*.pdf)"));
        EXPECT_EQ(dialogs.fileRequests()[1].caption, QStringLiteral("Save to HTML Document"));
        EXPECT_EQ(dialogs.fileRequests()[1].filter, QStringLiteral("Web Document (*.html)"));
        // The first dialog opens in the program's folder under Documents, each next one in the
        // folder last saved into; never in the program's own folder.
        EXPECT_EQ(dialogs.fileRequests()[0].startPath, homeDir() + QStringLiteral("/Documents/Ledgora/2026/"));
        EXPECT_EQ(dialogs.fileRequests()[1].startPath, tempPath(QStringLiteral("exports/")));
        EXPECT_EQ(dialogs.fileRequests()[2].startPath, QFileInfo(html).absolutePath() + QStringLiteral("/"));
    });
    EXPECT_TRUE(ReadTestFile(pdf).startsWith("%PDF"));
    const QByteArray page = ReadTestFile(html);
    EXPECT_TRUE(page.contains("Sample page 1") && page.contains("Sample page 2"));
}

// Without the modal option the run still waits for the preview, and meanwhile no other window
// takes a click, so no command can start inside the run.
TEST_F(ReportPreviewTest, AModelessPreviewHoldsTheRunAndBlocksOtherWindows)
{
    system.SystemOptions = DefaultSystemOptions & ~soPreviewModal;
    DrawPages(system, 2);
    QPushButton mainCommand(QStringLiteral("Close Client"));
    int commands = 0;
    QObject::connect(&mainCommand, &QPushButton::clicked, [&] { ++commands; });
    mainCommand.show();

    // Through the window system, where a window that another blocks takes no input.
    const auto clickMainCommand = [&] {
        QTest::mouseClick(mainCommand.windowHandle(), Qt::LeftButton, Qt::NoModifier, mainCommand.rect().center());
    };
    QPointer<TFrmReportPreview> seen;
    std::vector<OverrideMode> modes;
    const PreviewOverride handler = ReportPreviewHandler(nullptr);
    system.OverridePreview = [&](ReportSystem& s, OverrideMode mode, QObject*& form) {
        modes.push_back(mode);
        if (mode == OverrideMode::omWait) {
            seen = qobject_cast<TFrmReportPreview*>(form);
            QTimer::singleShot(0, [&] {
                ASSERT_TRUE(seen && seen->isVisible());
                EXPECT_EQ(QApplication::activeModalWidget(), seen.data());
                clickMainCommand();
                EXPECT_EQ(commands, 0);
                press(seen, Qt::Key_Escape);
            });
        }
        handler(s, mode, form);
    };
    ASSERT_TRUE(system.Execute());
    EXPECT_EQ(modes, (std::vector<OverrideMode>{OverrideMode::omCreate, OverrideMode::omShow, OverrideMode::omWait,
                                                OverrideMode::omFree}));
    EXPECT_TRUE(seen.isNull()) << "the preview is freed when the run ends";
    clickMainCommand();
    EXPECT_EQ(commands, 1);
}

TEST_F(ReportPreviewTest, EveryRunMakesAndFreesItsOwnWindow)
{
    QWidget owner;
    system.OverridePreview = ReportPreviewHandler(&owner);
    system.SystemPreview.FormState = PreviewFormState::Maximized;
    QPointer<TFrmReportPreview> first;
    runPreview(1, [&](TFrmReportPreview& preview) {
        first = &preview;
        EXPECT_EQ(preview.parentWidget(), &owner);
        EXPECT_TRUE(preview.windowState() & Qt::WindowMaximized);
    });
    EXPECT_TRUE(first.isNull());
    runPreview(1, [&](TFrmReportPreview& preview) { EXPECT_NE(&preview, first.data()); });
}

TEST_F(ReportPreviewTest, PreviewFileShowsASavedReportWithoutWaiting)
{
    DrawPages(system, 2);
    system.OverridePreview = nullptr;
    ASSERT_TRUE(system.Execute());
    const QString saved = tempPath(QStringLiteral("saved.ndr"));
    SaveSnapshot(*system.Document(), saved);

    QPointer<TFrmReportPreview> window = PreviewFile(saved);
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Ledgora 2026 - saved.ndr"));
    EXPECT_EQ(window->StatusText->text(), QStringLiteral(" Page 1 of 2"));
    EXPECT_TRUE(window->BtnPrint->isEnabled());
    window->Exit();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}
