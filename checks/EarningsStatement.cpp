#include "checks/EarningsStatement.h"

#include "checks/PayrollSummary.h"
#include "checks/StatementCells.h"
#include "checks/StatementGroups.h"
#include "checks/StatementSource.h"
#include "checks/TableRows.h"
#include "client/CompanyAddress.h"
#include "client/CompanyRecord.h"
#include "client/EmployeeLoop.h"
#include "client/PayRecords.h"
#include "components/NumberRoutines.h"
#include "components/TextRoutines.h"
#include "components/Validators.h"
#include "platform/report/ReportCanvas.h"
#include "platform/report/TextFit.h"

#include <QColor>

namespace G = StatementGroup;

namespace {

const QString kArial = QStringLiteral("Arial");

// Heading columns: the left labels and company block, the values of the employee lines, the
// period labels and the employee's own block, the period values.
constexpr double kLeftX = 0.5;
constexpr double kValueX = 2.25;
constexpr double kLabelX = 5.25;
constexpr double kPeriodX = 6.25;
constexpr double kPageRight = 8.0;
// The values at 2.25 end short of the employee's block at 5.25.
constexpr double kValueRoom = kLabelX - 0.1 - kValueX;

QString Money(double amount)
{
    return FormatAmount(amount, 2, true);
}

QString Quantity(double value)
{
    return FormatAmount(value, 6, true);
}

void Amounts(ReportCanvas& report, double thisPeriod, double yearToDate, const Cell& thisPeriodCell,
             const Cell& yearToDateCell)
{
    if (thisPeriod != 0.0)
        PrintCell(report, Money(thisPeriod), thisPeriodCell);
    PrintCell(report, Money(yearToDate), yearToDateCell);
}

void EarningsRow(ReportCanvas& report, TableRows& table, const StatementSource& source, const QString& label,
                 int group, const RateHoursCells& cells = {})
{
    const double thisPeriod = source.ThisPeriod(group);
    const double yearToDate = source.YearToDate(group);
    if (!table.Row(report, thisPeriod != 0.0 || yearToDate != 0.0))
        return;
    PrintEarningLabel(report, label.trimmed());
    if (cells.showRate)
        PrintCell(report, Quantity(cells.rate), kRateCell);
    if (cells.showHours)
        PrintCell(report, Quantity(cells.hours), kHoursCell);
    Amounts(report, thisPeriod, yearToDate, kEarningThisPeriod, kEarningYearToDate);
}

void DeductionRow(ReportCanvas& report, TableRows& table, const StatementSource& source, const QString& label, int group)
{
    const double thisPeriod = source.ThisPeriod(group);
    const double yearToDate = source.YearToDate(group);
    if (!table.Row(report, thisPeriod != 0.0 || yearToDate != 0.0))
        return;
    PrintDeductionLabel(report, label.trimmed());
    Amounts(report, thisPeriod, yearToDate, kDeductionThisPeriod, kDeductionYearToDate);
}

// The heading block; returns c, the line of the company's city.
double DrawHeading(ReportCanvas& report, double top, const StatementSource& source, const StatementStyle& style)
{
    const CompanyRecord& company = CompanyRec;
    const EmployeeRecord& e = EmployeeRec;
    if (style.boldArialTitle) {
        report.SetFont(kArial, 14);
        report.SetBold(true);
    } else {
        report.SetFont(QStringLiteral("Arial Black"), 14);
    }
    report.SetYPos(top - 0.125);
    report.PrintCenter(QStringLiteral("Earnings Statement"), 4.25);
    report.SetFont(kArial, 10);

    const bool tradeName = !IsBlank(company.TradeName);
    const double y1 = top + 0.2;
    const double y2 = y1 + 0.15;
    const double y3 = y2 + 0.15;
    const double c = tradeName ? y3 + 0.15 : y3;
    report.PrintXY(kLeftX, y1, QString(company.Name).trimmed().toUpper());
    report.PrintLeft(QStringLiteral("Pay Period:"), kLabelX);
    report.PrintLeft(source.PeriodFrom() + QStringLiteral(" to ") + source.PeriodTo(), kPeriodX);
    report.SetYPos(y2);
    if (tradeName)
        report.PrintLeft(QString(company.TradeName).trimmed().toUpper(), kLeftX);
    report.PrintLeft(QStringLiteral("Pay Date:"), kLabelX);
    report.PrintLeft(source.PayDate(), kPeriodX);
    report.PrintXY(kLeftX, tradeName ? y3 : y2, StreetWithSuite(QString(company.Address).toUpper(), company.SuiteNum, QStringLiteral("STE")));
    if (source.CheckNumber() > 0) {
        report.PrintXY(kLabelX, y3, QStringLiteral("Check #:"));
        report.PrintLeft(QString::number(source.CheckNumber()), kPeriodX);
    }
    report.PrintXY(kLeftX, c, CompanyCityStateZip.toUpper());

    const struct {
        QString label;
        QString value;
        QString right;
    } lines[] = {
        {QStringLiteral("Employee Number:"), EmployeeNumberText(), source.EmployeeName().toUpper()},
        {QStringLiteral("Department/Position:"), DepartmentPosition(), QString(e.Address).toUpper()},
        {QStringLiteral("Social Security Number:"), MaskSSN(e.SocSecNum), QString(e.CityStateZip).toUpper()},
        {source.StatusCaption(), StatusText(), QString()},
    };
    double y = c + 0.3;
    for (const auto& line : lines) {
        report.PrintXY(kLeftX, y, line.label);
        // Long names and departments shrink to their room rather than run into the next column
        // or off the paper.
        PrintFitted(report, line.value, kValueX, kValueRoom);
        if (!line.right.isEmpty())
            PrintFitted(report, line.right, kLabelX, kPageRight - kLabelX);
        y += 0.15;
    }
    return c;
}

void DrawFrame(ReportCanvas& report, double v)
{
    report.SetPen(Qt::black, PenStyle::Solid, 8);
    report.SetBrush(Qt::white, BrushStyle::Clear);
    report.Rectangle(0.5, v, 8.0, v + 2.45);
    report.Rectangle(0.53, v + 0.03, 4.97, v + 2.42);
    report.Rectangle(5.03, v + 0.03, 7.97, v + 2.42);
    for (const double rule : {v + 0.1667, v + 0.3334}) {
        report.Line(0.53, rule, 4.97, rule);
        report.Line(5.03, rule, 7.97, rule);
    }
    for (const double x : {1.8, 2.5, 3.2, 4.1, 6.2, 7.1})
        report.Line(x, v + 0.1667, x, v + 2.42);
    report.Line(5.0, v, 5.0, v + 2.45);
    report.Rectangle(0.5, v + 2.5, 8.0, v + 2.875);
    report.Rectangle(0.53, v + 2.53, 2.345, v + 2.845);
    report.Rectangle(2.405, v + 2.53, 7.97, v + 2.845);
    report.Line(0.53, v + 2.6667, 2.345, v + 2.6667);
    report.Line(2.405, v + 2.6667, 7.97, v + 2.6667);
    report.Line(2.375, v + 2.5, 2.375, v + 2.875);
    report.Line(4.25, v + 2.53, 4.25, v + 2.845);
    report.Line(6.125, v + 2.53, 6.125, v + 2.845);

    report.SetFont(kArial, 8.5);
    report.SetBold(true);
    // The descenders of "Earnings" clear the rule under the titles at v + 0.1667.
    report.SetYPos(v + 0.13);
    report.PrintCenter(QStringLiteral("Rates, Hours and Earnings"), 2.75);
    report.PrintCenter(QStringLiteral("Taxes and Deductions"), 6.5);
    report.SetFont(kArial, 7.5);
    report.SetYPos(v + 0.3047);
    const struct {
        const char* text;
        double x;
    } heads[] = {{"Description", 1.15}, {"Rate", 2.15},        {"Hours", 2.85},       {"This Period", 3.65},
                 {"Year-To-Date", 4.55}, {"Description", 5.6}, {"This Period", 6.65}, {"Year-To-Date", 7.55}};
    for (const auto& head : heads)
        report.PrintCenter(QLatin1String(head.text), head.x);
}

void DrawRows(ReportCanvas& report, double h, const StatementSource& source)
{
    const CompanyRecord& company = CompanyRec;
    const EmployeeRecord& e = EmployeeRec;
    report.SetFont(kArial, 7.5);

    TableRows earnings(h + 0.1667);
    EarningsRow(report, earnings, source, e.Salaried ? QStringLiteral("Salary") : QStringLiteral("Regular Wages"), G::Wages,
                source.StatementCells(RatedRow::Regular));
    EarningsRow(report, earnings, source, QStringLiteral("Overtime Wages"), G::OverTimePay,
                source.StatementCells(RatedRow::Overtime));
    EarningsRow(report, earnings, source, QStringLiteral("Holiday Pay"), G::HolidayPay, source.StatementCells(RatedRow::Holiday));
    EarningsRow(report, earnings, source, QStringLiteral("Vacation Pay"), G::VacationPay,
                source.StatementCells(RatedRow::Vacation));
    EarningsRow(report, earnings, source, QStringLiteral("Sick Pay/PTO"), G::SickPay, source.StatementCells(RatedRow::Sick));
    EarningsRow(report, earnings, source, QString(e.OtherRateDesc), G::OtherTimePay, source.StatementCells(RatedRow::Other));
    EarningsRow(report, earnings, source, QStringLiteral("Bonus"), G::Bonus);
    EarningsRow(report, earnings, source, QStringLiteral("Tips"), G::Tips);
    EarningsRow(report, earnings, source, QStringLiteral("Dependent Care Benefit"), G::DepCareBen);
    EarningsRow(report, earnings, source, QStringLiteral("Fringe Benefit"), G::FringeBen);
    for (int j = 1; j <= 5; ++j)
        EarningsRow(report, earnings, source, QString(company.UserEarnings[j]), G::UserPay1 + j - 1);
    EarningsRow(report, earnings, source, QStringLiteral("Third-Party Sick Pay"), G::TPSPTaxable);

    const QString state = e.WorkState;
    TableRows deductions(h + 0.1667);
    DeductionRow(report, deductions, source, QStringLiteral("F.I.C.A. Tax"), G::FICATax);
    DeductionRow(report, deductions, source, QStringLiteral("Federal Tax"), G::FederalTax);
    DeductionRow(report, deductions, source, QStringLiteral("Medicare Tax"), G::MedicareTax);
    DeductionRow(report, deductions, source, state + QStringLiteral(" State Tax"), G::StateTax);
    DeductionRow(report, deductions, source, QString(e.CityName) + QStringLiteral(" City Tax"), G::CityTax);
    DeductionRow(report, deductions, source, state + QStringLiteral(" State U.I. Tax"), G::UnempTax);
    DeductionRow(report, deductions, source,
                 state + (state == QLatin1String("NJ") ? QStringLiteral(" TDI/FLI Tax") : QStringLiteral(" State TDI Tax")),
                 G::DisbTax);
    DeductionRow(report, deductions, source, QStringLiteral("Health Insurance"), G::HealthIns);
    DeductionRow(report, deductions, source, QStringLiteral("Pension Plan"), G::PensionPlans);
    for (int j = 1; j <= 5; ++j)
        DeductionRow(report, deductions, source, QString(company.UserDeduct[j]), G::UserDeduct1 + j - 1);
}

void DrawTotals(ReportCanvas& report, double h, const StatementSource& source)
{
    const struct {
        const char* caption;
        double value;
        double x;
    } totals[] = {{"Gross Pay Year-to-Date", source.GrossYearToDate(), 1.4375},
                  {"Gross Pay This Period", source.GrossThisPeriod(), 3.3125},
                  {"Total Deductions This Period", source.ThisPeriod(G::TotalDeduct), 5.1875},
                  {"Net Pay This Period", source.NetThisPeriod(), 7.0625}};
    report.SetFont(kArial, 7.5);
    report.SetBold(true);
    report.SetYPos(h + 2.3333);
    for (const auto& total : totals)
        report.PrintCenter(QLatin1String(total.caption), total.x);
    report.SetFont(kArial, 10);
    report.SetBold(true);
    report.SetYPos(h + 2.5116);
    for (const auto& total : totals)
        report.PrintCenter(Money(total.value), total.x);
}

} // namespace

void DrawEarningsStatement(ReportCanvas& report, double top, const StatementSource& source, const StatementStyle& style)
{
    const double c = DrawHeading(report, top, source, style);
    const double v = c + style.frameOffset;
    DrawFrame(report, v);
    const double h = v + 0.3047;
    DrawRows(report, h, source);
    DrawTotals(report, h, source);
}

StatementPages::StatementPages(ReportCanvas& report, int paidCount, const StatementStyle& style)
    : report_(report)
    , paidCount_(paidCount)
    , style_(style)
{
}

double StatementPages::Begin()
{
    ++begun_;
    top_ = begun_ % 2 == 1 && !style_.startLower ? kUpperStatementTop : kLowerStatementTop;
    return top_;
}

void StatementPages::End()
{
    if (begun_ % 2 == 0 && begun_ < paidCount_) {
        report_.NewPage();
    } else if (top_ == kUpperStatementTop) {
        report_.PushFont();
        report_.SetFont(QStringLiteral("Courier New"), 12);
        report_.PrintXY(0.5, kCutLineY, QString(75, QLatin1Char('-')));
        report_.PopFont();
    }
}

void PrintEarningsStatements(ReportCanvas& report, StatementSource& source, const StatementStyle& style)
{
    const int paid = source.PaidCount();
    StatementPages pages(report, paid, style);
    EmployeeLoop employees;
    while (employees.Next()) {
        source.BeginEmployee();
        if (!source.Listed())
            continue;
        DrawEarningsStatement(report, pages.Begin(), source, style);
        pages.End();
    }
    employees.Finish();
    PrintPayrollSummary(report, source, paid);
}
