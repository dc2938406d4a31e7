#pragma once

#include "platform/report/ReportCanvas.h"

#include <QString>

// A small two-page report that uses every kind of drawing a printout uses: headings in the
// program's fonts, page macros, aligned amounts, tabs, rules and boxes, a filled ellipse, a MICR
// line and a label outline shown in the preview only.
inline void DrawSampleReport(ReportCanvas& canvas)
{
    canvas.SetPen(Qt::black, PenStyle::Solid, 5);
    for (int page = 1; page <= 2; ++page) {
        if (page > 1)
            canvas.NewPage();
        canvas.SetFont(QStringLiteral("Arial Black"), 14);
        canvas.GotoXY(0.5, 0.75);
        canvas.PrintCenter(QStringLiteral("Sample Company"), 4.25);
        canvas.SetFont(QStringLiteral("Arial"), 12);
        canvas.SetBold(true);
        canvas.SetYPos(0.92);
        canvas.PrintCenter(QStringLiteral("Payroll Journal"), 4.25);
        canvas.SetYPos(1.09);
        canvas.PrintCenter(QStringLiteral("Page ") + ReportCanvas::Macro(ReportMacro::CurrentPage) + QStringLiteral(" of ")
                               + ReportCanvas::Macro(ReportMacro::TotalPages),
                           4.25);
        canvas.SetBold(false);
        canvas.SetFont(QStringLiteral("Courier New"), 10);
        canvas.PrintXY(0.5, 1.5, QStringLiteral("Employee%1").arg(page));
        canvas.SetFont(QStringLiteral("Tahoma"), 10);
        canvas.PrintRight(QStringLiteral("1,234.5%1").arg(page), 6.5);
        canvas.SetFont(QStringLiteral("Helvetica Narrow"), 9);
        canvas.ClearTabs();
        canvas.SetTab(0.5, TextAlign::Left, 2.0);
        canvas.SetTab(3.0, TextAlign::Right, 1.5);
        canvas.GotoXY(0.5, 2.0);
        canvas.PrintTab(QStringLiteral("Gross"));
        canvas.PrintTab(QStringLiteral("987.65"));
        canvas.Line(0.5, 2.1, 8.0, 2.1);
        canvas.Rectangle(0.5, 2.5, 8.0, 4.0);
        canvas.SetBrush(WindowsColor(0xD9D9D9), BrushStyle::Solid);
        canvas.Ellipse(1.0, 4.5, 1.5, 5.0);
        canvas.SetBrush(Qt::white, BrushStyle::Clear);
        canvas.SetFont(QStringLiteral("MICR"), 10);
        canvas.GotoXY(2.8, 6.0);
        canvas.Print(QStringLiteral("t123456789t 1234o"));
        canvas.SetPreviewOnly(true);
        canvas.RoundRect(0.188, 8.5, 2.813, 9.5, 0.2);
        canvas.SetPreviewOnly(false);
    }
}
