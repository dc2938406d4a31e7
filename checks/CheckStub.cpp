#include "checks/CheckStub.h"

#include "checks/StatementCells.h"
#include "checks/TableRows.h"
#include "client/CompanyRecord.h"
#include "client/EmployeeRecord.h"
#include "components/NumberRoutines.h"
#include "components/Validators.h"
#include "platform/report/ReportCanvas.h"
#include "platform/report/TextFit.h"

#include <QColor>

namespace {

const QString kArial = QStringLiteral("Arial");
// The right edge of the stub's box.
constexpr double kStubRight = 8.0;
// Lines below the frame's top: the titles', raised a little so that the descenders of "Earnings"
// clear the rule under them at 0.1667, and the column heads'.
constexpr double kTitleLine = 0.13;
constexpr double kColumnHeadLine = 0.138 + 0.1667;

QString Money(double amount)
{
    return FormatAmount(amount, 2, true);
}

QString Quantity(double value)
{
    return FormatAmount(value, 6, true);
}

// The labels end at 1.4 and 6.65, the values begin at 1.45 and 6.7; a left value ends short of
// the right label of its row.
void HeadingRow(ReportCanvas& report, double y, const QString& leftLabel, const QString& leftValue,
                const QString& rightLabel, const QString& rightValue)
{
    report.SetYPos(y);
    report.SetBold(true);
    report.PrintRight(leftLabel, 1.4);
    const double rightLabelLeft = 6.65 - report.TextWidth(rightLabel);
    report.PrintRight(rightLabel, 6.65);
    report.SetBold(false);
    PrintFitted(report, leftValue, 1.45, rightLabelLeft - 0.05 - 1.45);
    PrintFitted(report, rightValue, 6.7, kStubRight - 6.7);
}

// One list of the stub (earnings or deductions), an entry drawn when it has an amount this
// period or this year.
class StubList {
public:
    explicit StubList(double firstRow)
        : rows_(firstRow)
    {
    }

    bool Entry(ReportCanvas& report, const TPeriodAmounts& amounts)
    {
        current_ = amounts[kCurrentColumn];
        yearToDate_ = amounts[kCurrentColumn] + amounts[kYearToDateColumn];
        return rows_.Row(report, current_ != 0.0 || yearToDate_ != 0.0);
    }

    void Amounts(ReportCanvas& report, const Cell& thisPeriod, const Cell& yearToDate) const
    {
        if (current_ != 0.0)
            PrintCell(report, Money(current_), thisPeriod);
        PrintCell(report, Money(yearToDate_), yearToDate);
    }

private:
    TableRows rows_;
    double current_ = 0.0;
    double yearToDate_ = 0.0;
};

void Earning(ReportCanvas& report, StubList& list, const QString& label, const TPeriodAmounts& amounts,
             bool showRate = false, double rate = 0.0, bool showHours = false, double hours = 0.0)
{
    if (!list.Entry(report, amounts))
        return;
    PrintEarningLabel(report, label);
    if (showRate)
        PrintCell(report, Quantity(rate), kRateCell);
    if (showHours)
        PrintCell(report, Quantity(hours), kHoursCell);
    list.Amounts(report, kEarningThisPeriod, kEarningYearToDate);
}

void Deduction(ReportCanvas& report, StubList& list, const QString& label, const TPeriodAmounts& amounts)
{
    if (!list.Entry(report, amounts))
        return;
    PrintDeductionLabel(report, label);
    list.Amounts(report, kDeductionThisPeriod, kDeductionYearToDate);
}

} // namespace

StubHeadings EmployeeStubHeadings(const CompanyRecord& company, const EmployeeRecord& employee)
{
    StubHeadings headings;
    headings.CompanyName = QString(company.Name).trimmed() + QLatin1Char(' ') + QString(company.TradeName).trimmed();
    headings.PayPeriod = QString(company.PayDateFrom) + QStringLiteral(" to ") + QString(company.PayDateTo);
    headings.EmployeeName = QString(employee.FullName).trimmed();
    headings.PayDate = company.PayDate;
    headings.SocialSecurity = MaskSSN(employee.SocSecNum);
    headings.CheckNumber = QString::number(employee.CheckNumber);
    headings.EmployeeNumber = QStringLiteral("%1").arg(employee.EmployeeNum, 3, 10, QLatin1Char('0'));
    headings.StatusLabel = QStringLiteral("Tax Withholding Status:");
    const QString status = employee.Married ? QStringLiteral("Married") : employee.HOH ? QStringLiteral("HOH") : QStringLiteral("Single");
    headings.Status = QStringLiteral("%1/Deps. = %2").arg(status).arg(employee.FedWithAllow);
    return headings;
}

void DrawStubHeadings(ReportCanvas& report, double y0, const StubHeadings& headings)
{
    report.SetFont(kArial, 8);
    HeadingRow(report, y0, QStringLiteral("Company Name:"), headings.CompanyName, QStringLiteral("Pay Period:"), headings.PayPeriod);
    HeadingRow(report, y0 + 0.12, QStringLiteral("Employee Name:"), headings.EmployeeName, QStringLiteral("Pay Date:"),
               headings.PayDate);
    HeadingRow(report, y0 + 0.24, QStringLiteral("Social Sec. #:"), headings.SocialSecurity, QStringLiteral("Check #:"),
               headings.CheckNumber);
    HeadingRow(report, y0 + 0.36, QStringLiteral("Employee #:"), headings.EmployeeNumber, headings.StatusLabel,
               headings.Status);
}

void DrawStubFrame(ReportCanvas& report, double y0)
{
    const double y1 = y0 + 0.39125;
    report.SetPen(Qt::black, PenStyle::Solid, 10);
    report.SetBrush(Qt::white, BrushStyle::Clear);
    report.Rectangle(0.5, y1, 8.0, y1 + 2.45);
    report.Rectangle(0.53, y1 + 0.03, 4.97, y1 + 2.42);
    report.Rectangle(5.03, y1 + 0.03, 7.97, y1 + 2.42);
    for (const double rule : {y1 + 0.1667, y1 + 0.3334}) {
        report.Line(0.53, rule, 4.97, rule);
        report.Line(5.03, rule, 7.97, rule);
    }
    for (const double x : {1.8, 2.5, 3.2, 4.1, 6.2, 7.1})
        report.Line(x, y1 + 0.1667, x, y1 + 2.42);
    report.Line(5.0, y1, 5.0, y1 + 2.45);
    report.Rectangle(0.5, y1 + 2.44, 8.0, y1 + 2.815);
    report.Rectangle(0.53, y1 + 2.47, 2.345, y1 + 2.785);
    report.Rectangle(2.405, y1 + 2.47, 7.97, y1 + 2.785);
    report.Line(0.53, y1 + 2.607, 2.345, y1 + 2.607);
    report.Line(2.405, y1 + 2.607, 7.97, y1 + 2.607);
    report.Line(2.375, y1 + 2.44, 2.375, y1 + 2.815);
    report.Line(4.25, y1 + 2.47, 4.25, y1 + 2.785);
    report.Line(6.125, y1 + 2.47, 6.125, y1 + 2.785);

    report.SetFont(kArial, 8.5);
    report.SetBold(true);
    report.SetYPos(y1 + kTitleLine);
    report.PrintCenter(QStringLiteral("Rates, Hours and Earnings"), 2.75);
    report.PrintCenter(QStringLiteral("Taxes and Deductions"), 6.5);

    report.SetFont(kArial, 7.5);
    report.SetYPos(y1 + kColumnHeadLine);
    const struct {
        const char* text;
        double x;
    } headings[] = {{"Description", 1.15}, {"Rate", 2.15},        {"Hours", 2.85},       {"This Period", 3.65},
                    {"Year-To-Date", 4.55}, {"Description", 5.6}, {"This Period", 6.65}, {"Year-To-Date", 7.55}};
    for (const auto& heading : headings)
        report.PrintCenter(QLatin1String(heading.text), heading.x);
}

void DrawStubAmounts(ReportCanvas& report, double y0, const CompanyRecord& company, const EmployeeRecord& e)
{
    const double y3 = y0 + 0.39125 + kColumnHeadLine;
    const double firstRow = y3 + 0.1667;
    report.SetFont(kArial, 7.5);

    const bool hourly = !e.Salaried;
    const auto paidNow = [](const TPeriodAmounts& amounts) { return amounts[kCurrentColumn] != 0.0; };
    StubList earnings(firstRow);
    Earning(report, earnings, e.Salaried ? QStringLiteral("Salary") : QStringLiteral("Regular Wages"), e.Wages, hourly,
            e.RegularRate, hourly && e.RegularTime > 0.0, e.RegularTime);
    const bool overtime = hourly && e.OverTime > 0.0;
    Earning(report, earnings, QStringLiteral("Overtime Wages"), e.OverTimePay, overtime, e.OverTimeRate, overtime, e.OverTime);
    const bool holiday = hourly && paidNow(e.HolidayPay);
    Earning(report, earnings, QStringLiteral("Holiday Pay"), e.HolidayPay, holiday, e.RegularRate, holiday, e.HolidayTime);
    const bool vacation = hourly && paidNow(e.VacationPay);
    Earning(report, earnings, QStringLiteral("Vacation Pay"), e.VacationPay, vacation, e.RegularRate, vacation, e.VacationTime);
    const bool sick = hourly && paidNow(e.SickPay);
    Earning(report, earnings, QStringLiteral("Sick Pay/PTO"), e.SickPay, sick, e.RegularRate, sick, e.SickTime);
    const bool other = e.OtherTime != 0.0;
    Earning(report, earnings, QString(e.OtherRateDesc).trimmed(), e.OtherTimePay, other, e.OtherRate, other, e.OtherTime);
    Earning(report, earnings, QStringLiteral("Bonus"), e.Bonus);
    Earning(report, earnings, QStringLiteral("Tips"), e.Tips);
    Earning(report, earnings, QStringLiteral("Dependent Care Benefit"), e.DepCareBen);
    Earning(report, earnings, QStringLiteral("Fringe Benefit"), e.FringeBen);
    const TPeriodAmounts* userPay[] = {&e.UserPay1, &e.UserPay2, &e.UserPay3, &e.UserPay4, &e.UserPay5};
    for (int i = 1; i <= 5; ++i)
        Earning(report, earnings, QString(company.UserEarnings[i]).trimmed(), *userPay[i - 1]);
    Earning(report, earnings, QStringLiteral("Third-Party Sick Pay"), e.TPSPTaxable);

    const QString state = QString(e.WorkState).trimmed();
    StubList deductions(firstRow);
    Deduction(report, deductions, QStringLiteral("F.I.C.A. Tax"), e.FICATax);
    Deduction(report, deductions, QStringLiteral("Federal Tax"), e.FederalTax);
    Deduction(report, deductions, QStringLiteral("Medicare Tax"), e.MedicareTax);
    Deduction(report, deductions, state + QStringLiteral(" State Tax"), e.StateTax);
    Deduction(report, deductions, QString(e.CityName).trimmed() + QStringLiteral(" City Tax"), e.CityTax);
    Deduction(report, deductions, state + QStringLiteral(" State U.I. Tax"), e.UnempTax);
    Deduction(report, deductions,
              state + (state == QLatin1String("NJ") ? QStringLiteral(" TDI/FLI Tax") : QStringLiteral(" State TDI Tax")),
              e.DisbTax);
    Deduction(report, deductions, QStringLiteral("Health Ins."), e.HealthIns);
    Deduction(report, deductions, QStringLiteral("Pension Plan"), e.PensionPlans);
    const TPeriodAmounts* userDeduct[] = {&e.UserDeduct1, &e.UserDeduct2, &e.UserDeduct3, &e.UserDeduct4, &e.UserDeduct5};
    for (int i = 1; i <= 5; ++i)
        Deduction(report, deductions, QString(company.UserDeduct[i]).trimmed(), *userDeduct[i - 1]);

    double grossYearToDate = e.GrossWages[kCurrentColumn] + e.GrossWages[kYearToDateColumn];
    if (!company.IncludeTips)
        grossYearToDate += e.Tips[kCurrentColumn] + e.Tips[kYearToDateColumn];
    const struct {
        double x;
        const char* title;
        double value;
    } summary[] = {{1.4375, "Gross Pay Year-to-Date", grossYearToDate},
                   {3.3125, "Gross Pay This Period", e.GrossWages[kCurrentColumn]},
                   {5.1875, "Total Deductions This Period", e.TotalDeduct[kCurrentColumn]},
                   {7.0625, "Net Pay This Period", e.NetPay[kCurrentColumn]}};
    for (const auto& item : summary) {
        report.SetFont(kArial, 7.5);
        report.SetBold(true);
        report.SetYPos(y3 + 2.273);
        report.PrintCenter(QLatin1String(item.title), item.x);
        report.SetFont(kArial, 10);
        report.SetBold(true);
        report.SetYPos(y3 + 2.273 + 0.1783);
        report.PrintCenter(Money(item.value), item.x);
    }
}
