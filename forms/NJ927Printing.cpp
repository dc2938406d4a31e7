#include "forms/NJ927Printing.h"

#include "client/PayRecords.h"
#include "components/DollarEditRules.h"
#include "components/NumberRoutines.h"
#include "components/Validators.h"
#include "forms/FormParams.h"
#include "platform/report/ReportCanvas.h"
#include "platform/report/ReportProject.h"
#include "platform/report/ReportSystem.h"

#include <optional>
#include <stdexcept>

namespace {

const QString kNJ927Layout = QStringLiteral("FormNJ927");
const QString kWR30Layout = QStringLiteral("FormWR30");

// The report project open for one printout, closed again however the printout ends.
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

QString Amount(double value)
{
    return FormatAmount(value, 2, true);
}

QString DollarAmount(double value)
{
    const QString text = Amount(value);
    return text.startsWith(QLatin1Char('-')) ? QStringLiteral("-$") + text.mid(1) : QLatin1Char('$') + text;
}

QString Mark(bool set)
{
    return set ? QStringLiteral("X") : QString();
}

bool IsStatePlan(const QString& code)
{
    return code.compare(QStringLiteral("S"), Qt::CaseInsensitive) == 0;
}

ReportCanvas& RunningReport(ReportProject& project)
{
    ReportCanvas* canvas = project.Engine ? project.Engine->Canvas() : nullptr;
    if (!canvas)
        throw std::logic_error("The New Jersey worksheets print only while their report runs.");
    return *canvas;
}

// The WR-30 pages in progress: page header parameters, rows, and the one page in progress.
class WR30Pages {
public:
    WR30Pages(ReportProject& project, const NJ927Worksheet& sheet)
        : project_(project)
        , sheet_(sheet)
        , pages_(WR30PageCount(sheet.WR30EmployeeCount))
    {
    }

    void StartPage()
    {
        RunningReport(project_).NewPage();
        row_ = 0;
        ++page_;
        project_.SetParam(QStringLiteral("PageCount"), QStringLiteral("Page %1 of %2").arg(page_).arg(pages_));
        project_.SetParam(QStringLiteral("EFIN"), sheet_.Header.StateID);
        project_.SetParam(QStringLiteral("QtrYear"), sheet_.Header.QtrYear);
        project_.SetParam(QStringLiteral("CompName"), FormUpperCase(CompanyRec.Name.get()));
        project_.SetParam(QStringLiteral("TotalWages"), DollarAmount(sheet_.Lines.GrossWages));
        project_.SetParam(QStringLiteral("TotalEmps"), QString::number(sheet_.WR30EmployeeCount));
    }

    void AddRow(const WR30Row& row, bool maskSSN)
    {
        const int d = ++row_;
        project_.SetParam(QStringLiteral("SSN%1").arg(d), maskSSN ? MaskSSN(row.SocSecNum) : row.SocSecNum);
        project_.SetParam(QStringLiteral("Name%1").arg(d), row.Name);
        project_.SetParam(QStringLiteral("WagesPaid%1").arg(d), Amount(row.WagesPaid));
        project_.SetParam(QStringLiteral("BaseWeeks%1").arg(d), row.BaseWeeks);
    }

    void FinishPage()
    {
        project_.Execute();
        project_.ClearParams();
    }

    int Row() const { return row_; }

private:
    ReportProject& project_;
    const NJ927Worksheet& sheet_;
    int pages_;
    int page_ = 0;
    int row_ = 0;
};

} // namespace

ReportParams NJ927PrintParameters(const NJ927Worksheet& sheet)
{
    const NJ927Lines& l = sheet.Lines;
    ReportParams params = {
        {QStringLiteral("StateID"), sheet.Header.StateID},
        {QStringLiteral("QtrYear"), sheet.Header.QtrYear},
        {QStringLiteral("QuarterEnding"), sheet.Header.QuarterEnding},
        {QStringLiteral("ReportDue"), sheet.Header.ReportDue},
        {QStringLiteral("CompName"), FormUpperCase(CompanyRec.Name.get())},
    };
    for (int m = 0; m < 3; ++m) {
        params.emplace_back(QStringLiteral("GITMonth%1").arg(m + 1), FormatMoney(l.GITMonth[static_cast<std::size_t>(m)], 2, false));
        params.emplace_back(QStringLiteral("Month%1").arg(m + 1), l.Month[static_cast<std::size_t>(m)]);
    }
    const std::pair<const char*, double> amounts[] = {
        {"GITWages", l.GITWages},
        {"TotalGIT", l.TotalGIT},
        {"GITPaid", l.GITPaid},
        {"GITBalDue", l.GITBalDue},
        {"GITOverPaid", l.GITOverPaid},
        {"GITPayment", l.GITPayment},
        {"GrossWages", l.GrossWages},
        {"ExcessEmployerWages", l.ExcessEmployerWages},
        {"ExcessWorkerWages", l.ExcessWorkerWages},
        {"TaxableWagesUIWF", l.TaxableWagesUIWF},
        {"TaxableWagesDIEmployer", l.TaxableWagesDIEmployer},
        {"TaxableWagesDIWorker", l.TaxableWagesDIWorker},
        {"TaxableWagesFLI", l.TaxableWagesFLI},
        {"UITax", l.UITax},
        {"DIEmployerTax", l.DIEmployerTax},
        {"DIWorkerTax", l.DIWorkerTax},
        {"FLITax", l.FLITax},
        {"Payments", l.Payments},
        {"BalanceDue", l.BalanceDue},
        {"Payment", l.Payment},
        {"GrandTotal1", l.GrandTotal1},
        {"AmountToPay1", l.AmountToPay1},
        {"AmountToPay2", l.AmountToPay2},
        {"GrandTotal2", l.GrandTotal2},
        {"BalanceDue1", l.GITBalDue},
        {"BalanceDue2", l.BalanceDue},
    };
    for (const auto& [name, value] : amounts)
        params.emplace_back(QString::fromLatin1(name), Amount(value));
    const std::pair<const char*, double> rates[] = {
        {"UIRate", l.UIRate}, {"DIEmployerRate", l.DIEmployerRate}, {"DIWorkerRate", l.DIWorkerRate}, {"FLIRate", l.FLIRate}};
    for (const auto& [name, value] : rates)
        params.emplace_back(QString::fromLatin1(name), FormatAmount(value, 6));
    params.emplace_back(QStringLiteral("Refund"), Mark(l.Refund));
    params.emplace_back(QStringLiteral("Credit"), Mark(l.Credit));
    params.emplace_back(QStringLiteral("DIPlan"), l.DIPlanEmployer);
    params.emplace_back(QStringLiteral("DIPlanWorker"), l.DIPlanWorker);
    params.emplace_back(QStringLiteral("FLIPlan"), l.FLIPlan);
    params.emplace_back(QStringLiteral("PrivatePlanDI"), IsStatePlan(l.DIPlanEmployer) ? QStringLiteral("N/A") : l.PrivatePlanDI);
    params.emplace_back(QStringLiteral("PrivatePlanFLI"), IsStatePlan(l.FLIPlan) ? QStringLiteral("N/A") : l.PrivatePlanFLI);
    params.emplace_back(QStringLiteral("MaxTaxableEmployerWages"), NJEmployerWageBaseText);
    params.emplace_back(QStringLiteral("MaxTaxableWorkerWages"), NJWorkerWageBaseText);
    return params;
}

void PrintNJ927Worksheets(ReportProject& project, const NJ927Worksheet& sheet, bool maskSSN)
{
    OpenedProject opened(project);
    project.SelectReport(kNJ927Layout, false);
    for (const auto& [name, value] : NJ927PrintParameters(sheet))
        project.SetParam(name, value);
    project.Execute();
    project.ClearParams();

    project.SelectReport(kWR30Layout, false);
    WR30Pages pages(project, sheet);
    pages.StartPage();
    int listed = 0;
    for (const std::optional<WR30Row>& row : sheet.Rows) {
        if (!row || RoundToDecimals(row->WagesPaid, 2) == 0)
            continue;
        ++listed;
        pages.AddRow(*row, maskSSN);
        if (listed == sheet.WR30EmployeeCount)
            break;
        if (pages.Row() == WR30RowsPerPage) {
            pages.FinishPage();
            pages.StartPage();
        }
    }
    pages.FinishPage();
}
