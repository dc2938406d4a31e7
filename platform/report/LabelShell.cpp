#include "platform/report/LabelShell.h"

#include "platform/report/ReportCanvas.h"

#include <QColor>

void LabelShell::drawExtents(ReportCanvas& report) const
{
    report.SetPreviewOnly(true);
    report.SetPen(Qt::black, PenStyle::Solid, 1);
    report.SetBrush(Qt::white, BrushStyle::Clear);
    for (int row = 0; row < Down; ++row) {
        for (int column = 0; column < Across; ++column) {
            const double x = SpacingLeft + column * SpacingWidth;
            const double y = SpacingTop + row * SpacingHeight;
            report.RoundRect(x, y, x + LabelWidth, y + LabelHeight, ExtentRadius);
        }
    }
    report.SetPreviewOnly(false);
}

void LabelShell::Execute(ReportCanvas& report, const std::function<bool(ReportCanvas& report)>& printLabel) const
{
    const ReportCanvas::State saved = report.SaveState();
    const int perPage = PerPage();
    bool more = true;
    for (int cell = 0; more; ++cell) {
        const int onPage = cell % perPage;
        if (onPage == 0) {
            report.SetOrigin(0.0, 0.0);
            if (cell > 0)
                report.NewPage();
            if (DrawExtents) {
                const ReportCanvas::State page = report.SaveState();
                drawExtents(report);
                report.RestoreState(page);
            }
        }
        report.SetOrigin(SpacingLeft + (onPage % Across) * SpacingWidth, SpacingTop + (onPage / Across) * SpacingHeight);
        report.SetMarginLeft(Border);
        report.GotoXY(Border, Border);
        more = printLabel(report);
    }
    report.RestoreState(saved);
}

LabelShell Avery5160()
{
    return LabelShell{};
}
