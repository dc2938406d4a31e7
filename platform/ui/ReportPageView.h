#pragma once

#include "platform/report/ReportDocument.h"
#include "platform/report/ReportSystem.h"

#include <QWidget>

#include <memory>

// The preview's page renderer: one page of a report on grey, at a zoom between 10 and 200 percent,
// with a margin around the paper and a shadow under it. Items marked for the preview only show.
// It sizes itself to the page so a scroll area can hold it.
class ReportPageView : public QWidget {
    Q_OBJECT

public:
    explicit ReportPageView(QWidget* parent = nullptr);

    void SetDocument(std::shared_ptr<const ReportDocument> document);
    std::shared_ptr<const ReportDocument> Document() const { return document_; }

    const PreviewRenderSettings& Settings() const { return settings_; }
    void ApplySettings(const PreviewRenderSettings& settings);

    int CurrentPage() const { return page_; }   // 1-based; 0 without pages
    int Pages() const;
    // Shows page (clamped to the document).
    void RenderPage(int page);
    void NextPage();
    void PrevPage();

    double ZoomFactor() const { return settings_.zoomFactor; }
    void SetZoomFactor(double percent);
    void ZoomIn();
    void ZoomOut();

    // Device pixels per inch of paper at the present zoom.
    double DotsPerInch() const;
    // Where the paper lies in the widget.
    QRect PageRect() const;

signals:
    void PageChange();
    void ZoomChange();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void updateSize();

    std::shared_ptr<const ReportDocument> document_;
    PreviewRenderSettings settings_;
    int page_ = 0;
};
