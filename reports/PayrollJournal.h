#pragma once

#include <QString>

#include <array>

class ReportCanvas;

// The payroll journal: on landscape pages, one row per listed employee (or pay date) with the
// gross pay, the employee taxes, the deductions and the net pay, 48 rows a page, and the grand
// totals at the end. Every journal of the program draws this layout; each brings its own rows
// and its own heading texts.

inline constexpr int kJournalColumns = 17;

// The amount groups of the seventeen columns, left to right: GrossWages, FICATax, FederalTax,
// MedicareTax, StateTax, CityTax, UnempTax, DisbTax, HealthIns, PensionPlans, UserDeduct1..5,
// TotalDeduct, NetPay.
const std::array<int, kJournalColumns>& JournalAmountGroups();

struct JournalRow {
    bool listed = false;          // the row is printed
    bool counted = false;         // its amounts go into the grand totals
    QString name;                 // the name cell at x 0.25
    QString identification;       // right-aligned at the heading's identification x
    QString date;                 // right-aligned at the heading's date x, when it has one
    std::array<double, kJournalColumns> amounts{};
};

// Yields the journal's rows in order, walking whatever the journal reads.
class JournalRowSource {
public:
    virtual ~JournalRowSource() = default;
    // Fills the next row; false after the last.
    virtual bool Next(JournalRow& row) = 0;
};

// The two head lines of an amount column.
struct JournalColumnHead {
    QString line1;
    QString line2;
};

// The usual heads of the seventeen amount columns.
std::array<JournalColumnHead, kJournalColumns> StandardJournalColumnHeads();

// The texts and type of one journal's heading, rows and totals.
struct JournalHeading {
    QString title;                // y 0.82
    QString periodLine;           // y 0.98; none when empty
    QString nameHead1 = QStringLiteral("Employee name");
    QString nameHead2;
    QString idHead1;
    QString idHead2;
    double idX = 2.2;             // the identification cell and its heads end here
    QString dateHead1;
    QString dateHead2;
    double dateX = 0;             // a date cell and its heads end here; 0: no date column
    // 0: a new page after every 48th listed row (also after the last). Otherwise a new page once
    // a row has reached this y, unless no row follows: the totals then share the last page.
    double pageFullY = 0;
    double rowSize = 8.0;         // Helvetica Narrow, regular
    double totalsSize = 8.0;      // Helvetica Narrow
    bool totalsBold = true;
    double totalsOffset = 0.16;   // "Totals" below the rule's line
    std::array<JournalColumnHead, kJournalColumns> columnHeads = StandardJournalColumnHeads();
};

// Draws the journal from the first page of report: the heading, the listed rows with a new page
// and its heading as the heading's page rule says, then the rule and the totals line of every
// counted row.
void PrintJournal(ReportCanvas& report, const JournalHeading& heading, JournalRowSource& rows);
