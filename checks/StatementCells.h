#pragma once

#include <QString>

class ReportCanvas;

// The cells of a row in the earnings and deductions tables that a check stub and a detailed
// earnings statement share (the same frame with rules at 1.8, 2.5, 3.2, 4.1, 6.2 and 7.1). Every
// label and amount shrinks to its cell's room, so that a long name or a wide figure never runs
// into its neighbour or across a rule.

// A cell right-aligned at its end, shrunk to the room left of it in its column.
struct Cell {
    double end;
    double room;
};

inline constexpr Cell kRateCell{2.45, 2.45 - 1.85};
inline constexpr Cell kHoursCell{3.15, 3.15 - 2.55};
inline constexpr Cell kEarningThisPeriod{4.05, 4.05 - 3.25};
inline constexpr Cell kEarningYearToDate{4.9, 4.9 - 4.15};
inline constexpr Cell kDeductionThisPeriod{7.05, 7.05 - 6.25};
inline constexpr Cell kDeductionYearToDate{7.9, 7.9 - 7.15};

// Prints text on the cursor's line in the cell.
void PrintCell(ReportCanvas& report, const QString& text, const Cell& cell);

// The row labels begin at 0.6 and 5.1 and end short of their column's first rule (1.8 and 6.2).
void PrintEarningLabel(ReportCanvas& report, const QString& label);
void PrintDeductionLabel(ReportCanvas& report, const QString& label);
