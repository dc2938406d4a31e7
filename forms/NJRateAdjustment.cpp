#include "forms/NJRateAdjustment.h"

#include "client/EmployeeLoop.h"
#include "client/PayRecords.h"
#include "components/DateRoutines.h"
#include "components/NumberRoutines.h"
#include "forms/NJ927Worksheet.h"
#include "platform/Clock.h"
#include "platform/report/ReportCanvas.h"
#include "platform/report/ReportProject.h"
#include "platform/report/ReportSystem.h"

#include <QLocale>

#include <stdexcept>

namespace {

const QString kLayoutName = QStringLiteral("NJUIDIRA");
constexpr int kTotalsRow = NJRateAdjustmentRowsPerPage + 1;
constexpr int kNameLength = 57;

class OpenedProject {
public:
    explicit OpenedProject(ReportProject& project)
        : project_(project)
    {
        project_.Open();
    }
    ~OpenedProject() { project_.Close(); }
    OpenedProject(const OpenedProject&) = delete;
    OpenedProject& operator=(const OpenedProject&) = delete;

private:
    ReportProject& project_;
};

double Adjustment(double wages, double ratePercent, double accumulated)
{
    if (wages <= 0)
        return 0;
    return RoundToDecimals(MoneyTimesPercent(wages, ratePercent) - accumulated, 2);
}

QString Amount(double value)
{
    return FormatAmount(value, 2, true);
}

void SetPageParams(ReportProject& project, int page, int pages)
{
    project.SetParam(QStringLiteral("PageCount"), QStringLiteral("Page %1 of %2").arg(page).arg(pages));
    project.SetParam(QStringLiteral("CompanyName"), CompanyRec.Name.get());
    project.SetParam(QStringLiteral("ReportName"), QStringLiteral("New Jersey UI/TDI Rate Change Adjustment Report"));
    project.SetParam(QStringLiteral("ReportDate"),
                     QStringLiteral("As of ") + QLocale::c().toString(Today(), QStringLiteral("MMMM d, yyyy")));
}

} // namespace

NJRateAdjustment CalcNJRateAdjustment(const EmployeeRecord& employee, double uiRatePercent, double diRatePercent)
{
    constexpr int q = kQuarterToDateColumn;
    return {Adjustment(employee.UICompWages[q], uiRatePercent, employee.UnempLib[q]),
            Adjustment(employee.DICompWages[q], diRatePercent, employee.DisbLib[q])};
}

QString NJRateAdjustmentName(const EmployeeRecord& employee)
{
    const QString name = employee.FullName;
    const QString resigned = employee.DateResigned;
    if (!IsValidDateStr(resigned) && !employee.Deceased)
        return name;
    return (QStringLiteral("*") + name + QStringLiteral(" (") + resigned + QLatin1Char(')')).left(kNameLength);
}

int NJRateAdjustmentPageCount(int employees)
{
    if (employees <= NJRateAdjustmentRowsPerPage)
        return 1;
    return employees / NJRateAdjustmentRowsPerPage + (employees % NJRateAdjustmentRowsPerPage ? 1 : 0);
}

int CountNJEmployees()
{
    const int nj = NewJerseyStateNumber();
    int count = 0;
    ForEachEmployee([&] {
        if (EmployeeRec.WorkStateIndex == nj)
            ++count;
    });
    return count;
}

int PrintNJRateAdjustmentReport(ReportProject& project)
{
    const int listed = CountNJEmployees();
    if (listed == 0)
        return 0;
    ReportCanvas* report = project.Engine ? project.Engine->Canvas() : nullptr;
    if (!report)
        throw std::logic_error("The rate adjustment report prints only while its report runs.");

    const int nj = NewJerseyStateNumber();
    const double uiRate = CompanyRec.UnempTaxRate[nj];
    const double diRate = CompanyRec.DisbTaxRate[nj];
    const int pages = NJRateAdjustmentPageCount(listed);
    double uiTotal = 0;
    double diTotal = 0;
    int page = 1;
    int row = 0;
    int done = 0;

    OpenedProject opened(project);
    project.SelectReport(kLayoutName, false);
    SetPageParams(project, page, pages);
    EmployeeLoop employees;
    while (employees.Next()) {
        if (EmployeeRec.WorkStateIndex != nj)
            continue;
        ++row;
        ++done;
        const NJRateAdjustment adjustment = CalcNJRateAdjustment(EmployeeRec, uiRate, diRate);
        uiTotal = RoundToDecimals(uiTotal + adjustment.UI, 2);
        diTotal = RoundToDecimals(diTotal + adjustment.DI, 2);
        project.SetParam(QStringLiteral("EmployeeName%1").arg(row), NJRateAdjustmentName(EmployeeRec));
        project.SetParam(QStringLiteral("UIAdjt%1").arg(row), Amount(adjustment.UI));
        project.SetParam(QStringLiteral("DIAdjt%1").arg(row), Amount(adjustment.DI));

        if (done == listed) {
            project.SetParam(QStringLiteral("Totals"), QStringLiteral("Totals"));
            project.SetParam(QStringLiteral("UIAdjt%1").arg(kTotalsRow), Amount(uiTotal));
            project.SetParam(QStringLiteral("DIAdjt%1").arg(kTotalsRow), Amount(diTotal));
            project.Execute();
            project.ClearParams();
            break;
        }
        if (row == NJRateAdjustmentRowsPerPage) {
            project.SetParam(QStringLiteral("Totals"), QStringLiteral("See page %1 for totals").arg(pages));
            project.Execute();
            project.ClearParams();
            report->NewPage();
            row = 0;
            SetPageParams(project, ++page, pages);
        }
    }
    employees.Finish();
    return listed;
}
