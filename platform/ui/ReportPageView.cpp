#include "platform/ui/ReportPageView.h"

#include "platform/report/PageRenderer.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr double MinZoom = 10.0;
constexpr double MaxZoom = 200.0;

} // namespace

ReportPageView::ReportPageView(QWidget* parent)
    : QWidget(parent)
{
    setAutoFillBackground(false);
    updateSize();
}

void ReportPageView::SetDocument(std::shared_ptr<const ReportDocument> document)
{
    document_ = std::move(document);
    page_ = Pages() > 0 ? 1 : 0;
    updateSize();
    update();
    emit PageChange();
}

int ReportPageView::Pages() const
{
    return document_ ? document_->PageCount() : 0;
}

void ReportPageView::ApplySettings(const PreviewRenderSettings& settings)
{
    settings_ = settings;
    settings_.zoomFactor = std::clamp(settings_.zoomFactor, MinZoom, MaxZoom);
    updateSize();
    update();
    emit ZoomChange();
}

void ReportPageView::RenderPage(int page)
{
    if (Pages() == 0)
        return;
    page_ = std::clamp(page, 1, Pages());
    updateSize();
    update();
    emit PageChange();
}

void ReportPageView::NextPage()
{
    RenderPage(page_ + 1);
}

void ReportPageView::PrevPage()
{
    RenderPage(page_ - 1);
}

void ReportPageView::SetZoomFactor(double percent)
{
    settings_.zoomFactor = std::clamp(percent, MinZoom, MaxZoom);
    updateSize();
    update();
    emit ZoomChange();
}

void ReportPageView::ZoomIn()
{
    SetZoomFactor(settings_.zoomFactor + settings_.zoomInc);
}

void ReportPageView::ZoomOut()
{
    if (settings_.zoomFactor > settings_.zoomInc)
        SetZoomFactor(settings_.zoomFactor - settings_.zoomInc);
}

double ReportPageView::DotsPerInch() const
{
    return logicalDpiX() * settings_.zoomFactor / 100.0;
}

QRect ReportPageView::PageRect() const
{
    const ReportPage paper = page_ > 0 ? document_->pages[static_cast<size_t>(page_ - 1)] : LetterPage(PageOrientation::Portrait);
    const int width = qRound(paper.width * DotsPerInch());
    const int height = qRound(paper.height * DotsPerInch());
    const int margin = qRound(width * settings_.marginPercent / 100.0);
    return QRect(margin, margin, width, height);
}

void ReportPageView::updateSize()
{
    const QRect paper = PageRect();
    setFixedSize(paper.right() + 1 + paper.left() + settings_.shadowDepth, paper.bottom() + 1 + paper.top() + settings_.shadowDepth);
}

void ReportPageView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x80, 0x80, 0x80));
    if (page_ == 0)
        return;
    const QRect paper = PageRect();
    if (settings_.shadowDepth > 0)
        painter.fillRect(paper.translated(settings_.shadowDepth, settings_.shadowDepth), Qt::black);
    // The paper is whole pixels; the page itself may end inside the last one.
    painter.fillRect(paper, Qt::white);
    painter.translate(paper.topLeft());
    painter.setClipRect(QRect(QPoint(0, 0), paper.size()));
    ::RenderPage(painter, *document_, page_ - 1, DotsPerInch(), PageRenderOptions{true, 1.0, true});
}
