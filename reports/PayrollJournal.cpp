#include "reports/PayrollJournal.h"

#include "client/PayHistoryMap.h"
#include "client/PayRecords.h"
#include "platform/report/ReportCanvas.h"
#include "platform/report/TextFit.h"
#include "reports/ReportPages.h"

#include <utility>

namespace {

constexpr double kLeft = 0.25;
constexpr double kRight = 10.75;
constexpr double kFirstColumnX = 2.75;
constexpr double kColumnPitch = 0.5;
// An amount keeps this much of its column's pitch free, so neighbours never touch.
constexpr double kAmountRoom = kColumnPitch - 0.04;
constexpr double kCellGap = 0.08;
constexpr double kLegendX = 8.0;
constexpr double kHeadY1 = 1.46;
constexpr double kHeadY2 = 1.59;
constexpr double kRowStep = 0.13;
constexpr double kRuleDrop = 0.03;
constexpr int kRowsPerPage = 48;
const QString kNarrow = QStringLiteral("Helvetica Narrow");

double ColumnX(int column)
{
    return kFirstColumnX + column * kColumnPitch;
}

void PrintHeading(ReportCanvas& report, const JournalHeading& heading)
{
    report.SetFont(QStringLiteral("Arial"), 10);
    report.SetBold(true);
    const double headingRoom = kLegendX - kCellGap - kLeft;
    const auto line = [&](double y, const QString& text) {
        report.SetYPos(y);
        PrintFitted(report, text, kLeft, headingRoom);
    };
    line(0.66, CompanyLine(false));
    line(0.82, heading.title);
    if (!heading.periodLine.isEmpty())
        line(0.98, heading.periodLine);
    line(1.14, PageOfPagesLine());

    report.SetFont(QStringLiteral("Arial"), 8);
    for (int item = 1; item <= 5; ++item) {
        report.SetYPos(0.66 + (item - 1) * 0.12);
        PrintFitted(report, QStringLiteral("Other (%1) = ").arg(item) + QString(CompanyRec.UserDeduct[item]), kLegendX,
                    kRight - kLegendX);
    }

    report.SetFont(kNarrow, 8);
    report.SetBold(true);
    const auto heads = [&](double y, const QString& name, const QString& identification, bool first) {
        report.SetYPos(y);
        report.PrintLeft(name, kLeft);
        if (heading.dateX > 0)
            report.PrintRight(first ? heading.dateHead1 : heading.dateHead2, heading.dateX);
        report.PrintRight(identification, heading.idX);
        for (int column = 0; column < kJournalColumns; ++column)
            report.PrintRight(first ? heading.columnHeads[column].line1 : heading.columnHeads[column].line2, ColumnX(column));
    };
    heads(kHeadY1, heading.nameHead1, heading.idHead1, true);
    heads(kHeadY2, heading.nameHead2, heading.idHead2, false);
    report.SetBold(false);
}

void PrintAmounts(ReportCanvas& report, const std::array<double, kJournalColumns>& amounts)
{
    for (int column = 0; column < kJournalColumns; ++column)
        PrintFitted(report, ReportMoney(amounts[column]), ColumnX(column), kAmountRoom, TextAlign::Right);
}

} // namespace

std::array<JournalColumnHead, kJournalColumns> StandardJournalColumnHeads()
{
    static const char* const kHeads[kJournalColumns][2] = {
        {"Gross", "pay"}, {"F.I.C.A.", "tax"}, {"Federal", "tax"}, {"Medicare", "tax"}, {"State", "tax"},
        {"City", "tax"}, {"State un-", "emp. tax"}, {"State", "disb. tax"}, {"Health", "ins."}, {"Pension", "plan"},
        {"Other", "(1)"}, {"Other", "(2)"}, {"Other", "(3)"}, {"Other", "(4)"}, {"Other", "(5)"},
        {"Total", "deducted"}, {"Net", "pay"},
    };
    std::array<JournalColumnHead, kJournalColumns> heads;
    for (int column = 0; column < kJournalColumns; ++column)
        heads[column] = {QString::fromLatin1(kHeads[column][0]), QString::fromLatin1(kHeads[column][1])};
    return heads;
}

const std::array<int, kJournalColumns>& JournalAmountGroups()
{
    static const std::array<int, kJournalColumns> groups = [] {
        std::array<int, kJournalColumns> numbers{};
        const char* names[kJournalColumns] = {"GrossWages",  "FICATax",     "FederalTax",  "MedicareTax", "StateTax",
                                              "CityTax",     "UnempTax",    "DisbTax",     "HealthIns",   "PensionPlans",
                                              "UserDeduct1", "UserDeduct2", "UserDeduct3", "UserDeduct4", "UserDeduct5",
                                              "TotalDeduct", "NetPay"};
        for (int column = 0; column < kJournalColumns; ++column)
            numbers[column] = AmountGroupNumber(QString::fromLatin1(names[column]));
        return numbers;
    }();
    return groups;
}

void PrintJournal(ReportCanvas& report, const JournalHeading& heading, JournalRowSource& rows)
{
    SetRulePen(report);
    PrintHeading(report, heading);
    report.SetFont(kNarrow, heading.rowSize);
    double y = kHeadY2;
    int rowsOnPage = 0;
    std::array<double, kJournalColumns> totals{};
    const auto newPage = [&] {
        rowsOnPage = 0;
        report.NewPage();
        PrintHeading(report, heading);
        report.SetFont(kNarrow, heading.rowSize);
        y = kHeadY2;
    };
    // One row is read ahead, so the page rule knows whether another row follows.
    JournalRow row;
    JournalRow next;
    bool more = rows.Next(row);
    while (more) {
        more = rows.Next(next);
        if (row.counted) {
            for (int column = 0; column < kJournalColumns; ++column)
                totals[column] += row.amounts[column];
        }
        if (row.listed) {
            y += kRowStep;
            report.SetYPos(y);
            const double idLeft = heading.idX - report.TextWidth(row.identification);
            double nameEnd = idLeft;
            if (heading.dateX > 0) {
                nameEnd = heading.dateX - report.TextWidth(row.date);
                report.PrintRight(row.date, heading.dateX);
            }
            PrintFitted(report, row.name, kLeft, nameEnd - kCellGap - kLeft);
            report.PrintRight(row.identification, heading.idX);
            PrintAmounts(report, row.amounts);
            ++rowsOnPage;
        }
        if (heading.pageFullY > 0 ? y >= heading.pageFullY && more : row.listed && rowsOnPage == kRowsPerPage)
            newPage();
        std::swap(row, next);
    }

    report.Line(kLeft, y + kRuleDrop, kRight, y + kRuleDrop);
    y += heading.totalsOffset;
    report.SetFont(kNarrow, heading.totalsSize);
    report.SetBold(heading.totalsBold);
    report.SetYPos(y);
    report.PrintLeft(QStringLiteral("Totals"), kLeft);
    PrintAmounts(report, totals);
    report.SetBold(false);
}
