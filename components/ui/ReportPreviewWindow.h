#pragma once

#include "platform/report/ReportDocument.h"
#include "platform/report/ReportSystem.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <memory>

class QLabel;
class QMenu;
class QScrollArea;
class QToolButton;
class QAction;
class ReportPageView;

// The window every printout is shown in before it goes to paper or to a file: pages through the
// report, zooms, and, as the report system allows, prints it, saves it as a snapshot or exports
// it as PDF or HTML. A saved snapshot opens into it again.
class TFrmReportPreview : public QDialog {
    Q_OBJECT
public:
    explicit TFrmReportPreview(QWidget* owner = nullptr);
    ~TFrmReportPreview() override;

    // Handed over by the report system: the snapshot file written for this run (when there is
    // one), else the pages in memory.
    QString InputFileName;
    std::shared_ptr<const ReportDocument> InputStream;
    // The report system whose output is shown; its options decide which commands work. Null for
    // a saved report opened on its own, which may be printed and saved.
    ReportSystem* System = nullptr;
    // Fired after the window printed the pages.
    std::function<void()> OnAfterPreviewPrint;

    // Shows the pages handed over.
    void InitFromRPSystem();
    // Shows a saved snapshot in place of the current pages; the caption names the file.
    void OpenFile(const QString& fileName);
    // Lets go of a snapshot the window read from a file itself.
    void ReleaseInputFile();
    virtual void DoAfterPreviewPrint();

    // The page renderer; the report system's preview settings go to it before the window shows.
    ReportPageView* RvRenderPreview = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    QLabel* StatusText = nullptr;
    QMenu* PopupMenu = nullptr;

    QToolButton* BtnOpen = nullptr;
    QToolButton* BtnSave = nullptr;
    QToolButton* BtnPrint = nullptr;
    QToolButton* BtnFirst = nullptr;
    QToolButton* BtnPrior = nullptr;
    QToolButton* BtnNext = nullptr;
    QToolButton* BtnLast = nullptr;
    QToolButton* BtnZoomIn = nullptr;
    QToolButton* BtnZoomOut = nullptr;
    QToolButton* BtnExportPDF = nullptr;
    QToolButton* BtnExportHTML = nullptr;
    QToolButton* BtnExit = nullptr;

    // The commands of the buttons, the popup menu and the keys.
    void FirstPage();
    void PriorPage();
    void NextPage();
    void LastPage();
    void ZoomIn();
    void ZoomOut();
    void Open();
    void Save();
    void Print();
    void ExportPDF();
    void ExportHTML();
    void Exit();
    void EnableButtons();

    bool AlternateNDRLoaded() const { return alternateNDRLoaded_; }
    std::shared_ptr<const ReportDocument> Document() const { return document_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* addButton(const QString& caption, const QString& hint, void (TFrmReportPreview::*command)());
    void buildPopupMenu();
    bool handleKey(QKeyEvent* event);
    int options() const;
    int setups() const;
    void showDocument(std::shared_ptr<const ReportDocument> document);
    void updatePageText();
    std::optional<QString> askSaveFile(const QString& caption, const QString& filter, const QString& suffix);

    std::shared_ptr<const ReportDocument> document_;
    bool alternateNDRLoaded_ = false;
    bool shown_ = false;
};

// Opens a saved snapshot in a preview window of its own, shown without waiting; the window
// frees itself when closed.
TFrmReportPreview* PreviewFile(const QString& fileName);
