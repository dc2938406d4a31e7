#include "checks/StatementCells.h"

#include "platform/report/ReportCanvas.h"
#include "platform/report/TextFit.h"

namespace {

constexpr double kEarningLabelX = 0.6;
constexpr double kEarningLabelRoom = 1.75 - kEarningLabelX;
constexpr double kDeductionLabelX = 5.1;
constexpr double kDeductionLabelRoom = 6.15 - kDeductionLabelX;

} // namespace

void PrintCell(ReportCanvas& report, const QString& text, const Cell& cell)
{
    PrintFitted(report, text, cell.end, cell.room, TextAlign::Right);
}

void PrintEarningLabel(ReportCanvas& report, const QString& label)
{
    PrintFitted(report, label, kEarningLabelX, kEarningLabelRoom);
}

void PrintDeductionLabel(ReportCanvas& report, const QString& label)
{
    PrintFitted(report, label, kDeductionLabelX, kDeductionLabelRoom);
}
