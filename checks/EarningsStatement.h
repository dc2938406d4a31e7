#pragma once

#include <QString>

class ReportCanvas;
class StatementSource;

// How a family of detailed statements differs in its drawing.
struct StatementStyle {
    bool startLower = false;        // every statement stands in the lower half (one statement begun mid-page)
    bool boldArialTitle = false;    // the title in "Arial" 14 bold instead of "Arial Black" 14
    double frameOffset = 0.9;       // from the company's city line down to the top of the frame
};

// Tops of the two statements of a page, in inches.
inline constexpr double kUpperStatementTop = 0.625;
inline constexpr double kLowerStatementTop = 6.0;
// Where the cut line under an upper statement stands.
inline constexpr double kCutLineY = 5.578125;

// One detailed earnings statement of the employee in EmployeeRec, its title at top - 0.125 in.
void DrawEarningsStatement(ReportCanvas& report, double top, const StatementSource& source, const StatementStyle& style);

// Places statements two a page: upper, cut line, lower, and a new page only while statements
// follow, so no empty page ends the run.
class StatementPages {
public:
    StatementPages(ReportCanvas& report, int paidCount, const StatementStyle& style);

    // The top of the next statement.
    double Begin();
    // After the statement: a new page when the page is full and statements follow, else the cut
    // line under an upper statement.
    void End();
    int Count() const { return begun_; }

private:
    ReportCanvas& report_;
    int paidCount_;
    StatementStyle style_;
    int begun_ = 0;
    double top_ = kUpperStatementTop;
};

// The detailed statements of every listed employee in file order, then, when a summary is
// wanted, the Payroll Summary on a page of its own. The employee who was current is current
// again afterwards.
void PrintEarningsStatements(ReportCanvas& report, StatementSource& source, const StatementStyle& style);
