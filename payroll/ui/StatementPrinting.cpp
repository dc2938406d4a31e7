#include "payroll/ui/StatementPrinting.h"

#include "components/ui/PrintoutSetup.h"
#include "platform/AppMessageBox.h"
#include "platform/report/ReportSystem.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QFrame>
#include <QLabel>

#include <algorithm>

namespace {

constexpr double kMargin = 0.5; // inches on every side

// Draws one label, its font scaled from screen pixels to the page.
void PrintLabel(ReportCanvas& report, const QLabel& label, const QRectF& box, double inchesPerPixel)
{
    const QFont font = label.font();
    const double pixelSize = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * label.logicalDpiY() / 72.0;
    report.SetFont(font.family(), pixelSize * inchesPerPixel * 72.0);
    report.SetBold(font.bold());
    report.SetItalic(font.italic());
    report.SetUnderline(font.underline());

    const QFontMetricsF metrics(font, &label);
    const int margin = label.margin();
    const QRectF text = QRectF(label.contentsRect().adjusted(margin, margin, -margin, -margin)).translated(box.topLeft());
    const Qt::Alignment align = label.alignment();
    double baseline = text.top() + (text.height() - metrics.height()) / 2.0 + metrics.ascent();
    if (align & Qt::AlignTop)
        baseline = text.top() + metrics.ascent();
    else if (align & Qt::AlignBottom)
        baseline = text.bottom() - metrics.descent();

    report.SetYPos(kMargin + baseline * inchesPerPixel);
    const QString shown = label.text();
    if (align & Qt::AlignRight)
        report.PrintRight(shown, kMargin + text.right() * inchesPerPixel);
    else if (align & Qt::AlignHCenter)
        report.PrintCenter(shown, kMargin + text.center().x() * inchesPerPixel);
    else
        report.PrintLeft(shown, kMargin + text.left() * inchesPerPixel);
}

void PrintArea(ReportCanvas& report, const QWidget& area)
{
    const double width = report.PageWidth() - 2 * kMargin;
    const double height = report.PageHeight() - 2 * kMargin;
    const double inchesPerPixel = std::min(width / std::max(1, area.width()), height / std::max(1, area.height()));
    report.SetPen(Qt::black, PenStyle::Solid, 0);
    for (const QWidget* child : area.findChildren<QWidget*>()) {
        if (!child->isVisibleTo(&area))
            continue;
        const QRectF box(child->mapTo(&area, QPoint(0, 0)), child->size());
        if (const auto* label = qobject_cast<const QLabel*>(child)) {
            if (!label->text().isEmpty())
                PrintLabel(report, *label, box, inchesPerPixel);
        } else if (const auto* frame = qobject_cast<const QFrame*>(child); frame && frame->frameShape() == QFrame::HLine) {
            const double y = kMargin + box.center().y() * inchesPerPixel;
            report.Line(kMargin + box.left() * inchesPerPixel, y, kMargin + box.right() * inchesPerPixel, y);
        }
    }
}

} // namespace

bool ConfirmPrinterReady()
{
    return AppMessageBox(QStringLiteral("Make sure your printer is on line and loaded with paper."),
                         QCoreApplication::applicationName(), MbOkCancel)
           == IdOk;
}

void PrintStatementArea(QWidget* owner, const QWidget& area, const QString& title)
{
    ReportSystem system;
    SetUpPrintout(system, owner, QStringLiteral("TFrmPriorPayPeriods"), QStringLiteral("RptStatement"));
    system.SystemPrinter.Title = title;
    system.OnPrint = [&area](ReportCanvas& report) { PrintArea(report, area); };
    system.Execute();
}
