#include "platform/report/LayoutImage.h"

#include "platform/report/JpegImage.h"
#include "platform/report/PageRenderer.h"
#include "platform/report/ReportCanvas.h"
#include "platform/report/ReportErrors.h"
#include "platform/report/ReportFiles.h"
#include "platform/report/ReportLayout.h"

#include <QFileInfo>
#include <QPainter>

namespace {

// Page images are photographs of line art: the highest quality keeps the lines crisp.
constexpr int PageImageQuality = 95;

} // namespace

QImage RenderLayoutImage(const ReportLayout& layout, int pageNumber, int dotsPerInch)
{
    if (pageNumber < 1 || pageNumber > layout.pageCount)
        throw EReportException(QStringLiteral("The layout \"%1\" has no page %2.").arg(layout.name).arg(pageNumber));
    ReportDocument document;
    ReportCanvas canvas(document, layout.orientation);
    DrawLayoutPage(layout, pageNumber - 1, canvas, LayoutParams{});
    const ReportPage& page = document.pages.front();
    QImage image(qRound(page.width * dotsPerInch), qRound(page.height * dotsPerInch), QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(qRound(dotsPerInch / 0.0254));
    image.setDotsPerMeterY(qRound(dotsPerInch / 0.0254));
    QPainter painter(&image);
    RenderPage(painter, document, 0, dotsPerInch);
    painter.end();
    return image;
}

void WriteLayoutJpeg(const QString& projectFile, const QString& layoutName, int pageNumber, int dotsPerInch,
                     const QString& jpegFile)
{
    const ReportProjectContent project = ParseReportProject(ReadWholeFile(projectFile), projectFile);
    const ReportLayout* layout = project.Find(layoutName);
    if (!layout)
        throw EReportException(
            QStringLiteral("The report project \"%1\" has no layout \"%2\".").arg(QFileInfo(projectFile).fileName(), layoutName));
    WriteJpegFile(RenderLayoutImage(*layout, pageNumber, dotsPerInch), jpegFile, PageImageQuality);
}
