#include "reports/StateReport.h"

#include "client/EmployeeIndex.h"
#include "client/EmployeeLoop.h"
#include "client/PayRecords.h"
#include "components/StateTables.h"
#include "components/TextRoutines.h"
#include "platform/report/ReportCanvas.h"
#include "platform/report/TextFit.h"

namespace {

constexpr int kRowsPerPage = 34;
constexpr double kHeadsY = 4.65;
constexpr double kRowStep = 0.1666;
constexpr double kSsnCentre = 1.25;
constexpr double kNameX = 2.25;
constexpr double kWagesX = 6.5;
constexpr double kBaseWeeksX = 7.75;
constexpr double kCellGap = 0.1;
constexpr double kLabelX = 2.5;
constexpr double kAmountX = 6.5;
constexpr double kRuleLeft = 5.5;

const QString kArial = QStringLiteral("Arial");

QString DateLine(const ReportTexts& texts)
{
    if (!IsBlank(texts.period))
        return texts.period;
    return QStringLiteral("For the quarter ended ") + LongDate(texts.reportDate);
}

void PrintHeader(ReportCanvas& report, const ReportTexts& texts)
{
    report.SetFont(QStringLiteral("Arial Black"), 14);
    PrintCentredLine(report, CompanyLine(false), 0.75);
    report.SetFont(kArial, 12);
    report.SetBold(true);
    PrintCentredLine(report, StateNameOf(QString(StateTaxRec.Abbreviation)) + QLatin1Char(' ') + texts.reportName, 0.9166);
    PrintCentredLine(report, DateLine(texts), 1.0834);
    PrintCentredLine(report, PageOfPagesLine(), 1.25);
    report.SetFont(kArial, 10);
}

void PrintColumnHeads(ReportCanvas& report)
{
    report.SetFont(kArial, 12);
    report.SetBold(true);
    PrintCentredLine(report, QStringLiteral("Wage Report"), 4.47);
    report.SetFontSize(10);
    report.SetYPos(kHeadsY);
    report.PrintCenter(QStringLiteral("Social Security No."), kSsnCentre);
    report.PrintLeft(QStringLiteral("Employee Name"), kNameX);
    report.PrintCenter(QStringLiteral("Gross Wages"), 6.125);
    report.PrintCenter(QStringLiteral("Base Weeks"), 7.375);
    report.SetBold(false);
}

void PrintTotals(ReportCanvas& report, const StateReportTotals& totals)
{
    report.SetFont(kArial, 10);
    const auto line = [&](double y, const char* label, const QString& amount) {
        report.SetYPos(y);
        const double amountLeft = kAmountX - report.TextWidth(amount);
        PrintFitted(report, QString::fromLatin1(label), kLabelX, amountLeft - kCellGap - kLabelX);
        report.PrintRight(amount, kAmountX);
    };
    const auto money = [&](double y, const char* label, double amount) { line(y, label, ReportMoney(amount)); };
    const auto rule = [&](double y) { report.Line(kRuleLeft, y, kAmountX, y); };
    money(2.0, "Total of all wages paid", totals.wages);
    money(2.15, "Total taxable Employee's unemployment wages", totals.employeeUIWages);
    money(2.3, "Total taxable Employee's disability wages", totals.employeeDIWages);
    money(2.45, "Total taxable Employer's unemployment wages", totals.employerUIWages);
    money(2.6, "Total taxable Employer's disability wages", totals.employerDIWages);
    line(2.75, "Total number of employees", QString::number(totals.employees));
    money(3.05, "Employer's unemployment tax liability", totals.employerUITax);
    money(3.2, "Employees' unemployment tax liability", totals.employeeUITax);
    rule(3.22);
    money(3.35, "Total unemployment tax liability", totals.UITotal());
    rule(3.37);
    money(3.65, "Employer's disability tax liability", totals.employerDITax);
    money(3.8, "Employees' disability tax liability", totals.employeeDITax);
    rule(3.82);
    money(3.95, "Total disability tax liability", totals.DITotal());
    rule(3.97);
    money(4.1, "Grand total tax liability", totals.GrandTotal());
    rule(4.12);
    rule(4.14);
}

void PrintPage(ReportCanvas& report, const ReportTexts& texts, const StateReportTotals& totals)
{
    PrintHeader(report, texts);
    PrintColumnHeads(report);
    PrintTotals(report, totals);
}

void PrintRow(ReportCanvas& report, double y)
{
    report.SetYPos(y);
    report.PrintCenter(QString(EmployeeRec.SocSecNum), kSsnCentre);
    const QString wages = ReportMoney(StateReportWages());
    const double wagesLeft = kWagesX - report.TextWidth(wages);
    PrintFitted(report, GetEmployeeName(2, false).trimmed(), kNameX, wagesLeft - kCellGap - kNameX);
    report.PrintRight(wages, kWagesX);
    report.PrintRight(QString::number(EmployeeRec.BaseWeeks), kBaseWeeksX);
}

} // namespace

bool InStateReport(int stateIndex)
{
    return EmployeeRec.WorkStateIndex == stateIndex && EmployeeRec.GrossWages[kQuarterToDateColumn] != 0.0;
}

double StateReportWages()
{
    const EmployeeRecord& e = EmployeeRec;
    return e.GrossWages[kQuarterToDateColumn] + (CompanyRec.IncludeTips ? 0.0 : e.Tips[kQuarterToDateColumn]);
}

StateReportTotals SumStateReport(int stateIndex)
{
    StateReportTotals totals;
    ForEachEmployee([&] {
        if (!InStateReport(stateIndex))
            return;
        const EmployeeRecord& e = EmployeeRec;
        constexpr int q = kQuarterToDateColumn;
        ++totals.employees;
        totals.wages += StateReportWages();
        totals.employeeUIWages += e.UnempEarning[q];
        totals.employeeDIWages += e.DisbEarnings[q];
        totals.employerUIWages += e.UICompWages[q];
        totals.employerDIWages += e.DICompWages[q];
        totals.employerUITax += e.UnempLib[q];
        totals.employeeUITax += e.UnempTax[q];
        totals.employerDITax += e.DisbLib[q];
        totals.employeeDITax += e.DisbTax[q];
    });
    return totals;
}

void PrintStateReport(ReportCanvas& report, const ReportTexts& texts)
{
    const int state = StateTaxRec.StateIndex;
    const StateReportTotals totals = SumStateReport(state);
    SetRulePen(report);
    PrintPage(report, texts, totals);
    report.SetFont(kArial, 10);
    double y = kHeadsY;
    int rowsOnPage = 0;
    int printed = 0;
    ForEachEmployeeByName([&] {
        if (!InStateReport(state))
            return;
        y += kRowStep;
        PrintRow(report, y);
        ++printed;
        if (++rowsOnPage == kRowsPerPage && printed < totals.employees) {
            rowsOnPage = 0;
            y = kHeadsY;
            report.NewPage();
            PrintPage(report, texts, totals);
            report.SetFont(kArial, 10);
        }
    });
}
