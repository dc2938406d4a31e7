#pragma once

#include <QString>

class ReportCanvas;
class ReportProject;
class StatementSource;

// The layout of the report project that holds a full page of condensed statements.
inline const QString kCondensedLayout = QStringLiteral("EarnStmt");
inline constexpr int kSlotsPerPage = 5;

// The layout of a page with that many statements (1 to kSlotsPerPage): the slots below the last
// one are left blank, without captions or rules.
QString CondensedLayoutName(int statements);
// Slot k (1 to 5) of a page begins at kFirstSlotTop + (k - 1) * kSlotPitch and spans x 0.5 to 8.0.
inline constexpr double kFirstSlotTop = 1.6;
inline constexpr double kSlotPitch = 1.78;

// Statement pages for a number of listed employees: five a page, rounded up.
int CondensedPageCount(int paidCount);

// Sets the page parameters of statement page `page` of `pageCount`.
void SetCondensedPageParams(ReportProject& project, const StatementSource& source, int page, int pageCount);
// Sets the parameters of slot k from the employee in EmployeeRec.
void SetCondensedSlotParams(ReportProject& project, const StatementSource& source, int slot);

// Condensed statements of every listed employee in file order, five a page on the project's
// layout, a grey closing mark where the last page's empty slots would be, then the Payroll Summary.
// The project's engine must be drawing on report. The project is closed and the employee who was
// current is current again on every way out.
void PrintCondensedStatements(ReportCanvas& report, ReportProject& project, StatementSource& source);
