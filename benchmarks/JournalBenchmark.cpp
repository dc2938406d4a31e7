// The cost of the year-to-date payroll journal of a full client (250 employees, the most a client
// holds) written to a PDF file: the walk over the employees with their totals recomputed, the
// drawing of six landscape pages, and the PDF writer. The same pages drawn without the file show
// how much of the time the writer takes, and Qt's PDF writer painting the same pages with every
// text already placed the least the file can cost.

#include "PlainPdfBaseline.h"
#include "PrintoutBenchmark.h"
#include "client/PayHistoryMap.h"
#include "client/PayRecords.h"
#include "platform/report/ReportCanvas.h"
#include "platform/report/ReportSystem.h"
#include "reports/ReportPages.h"
#include "reports/ToDateJournal.h"

#include <benchmark/benchmark.h>

namespace {

// Half a year of weekly pay, a little different for everyone.
EmployeeRecord MakeEmployee(int n)
{
    EmployeeRecord e = NewEmployeeRecord();
    e.FullName = QStringLiteral("Employee Number %1").arg(n);
    e.LastName = QStringLiteral("Employee%1").arg(n);
    e.SocSecNum = QStringLiteral("123-45-%1").arg(1000 + n);
    const double wages = 26 * (600.0 + n * 7.25);
    e.Wages[kYearToDateColumn] = wages;
    e.FICATax[kYearToDateColumn] = wages * 0.062;
    e.MedicareTax[kYearToDateColumn] = wages * 0.0145;
    e.FederalTax[kYearToDateColumn] = wages * 0.11;
    e.StateTax[kYearToDateColumn] = wages * 0.03;
    e.HealthIns[kYearToDateColumn] = n % 2 == 0 ? 26 * 45.0 : 0.0;
    e.UserDeduct1[kYearToDateColumn] = n % 5 == 0 ? 26 * 10.0 : 0.0;
    return e;
}

void FillCompany()
{
    CompanyRec.Name = QStringLiteral("Benchmark Manufacturing");
    CompanyRec.UserDeduct[1] = QStringLiteral("Union dues");
}

const ReportTexts kTexts{QStringLiteral("Year-to-Date Payroll Journal"), QString(), QStringLiteral("06/30/2026")};

ReportDocument DrawJournal()
{
    ReportDocument document;
    ReportCanvas canvas(document, PageOrientation::Landscape);
    PrintToDateJournal(canvas, kYearToDateColumn, kTexts);
    return document;
}

void YearToDateJournalToPdf(benchmark::State& state)
{
    const QString file = BenchmarkFile(QStringLiteral("journal.pdf"));
    for (auto _ : state)
        WriteReportFile(DrawJournal(), file);
}
BENCHMARK(YearToDateJournalToPdf)->Unit(benchmark::kMillisecond);

void YearToDateJournalDrawnOnly(benchmark::State& state)
{
    for (auto _ : state) {
        const ReportDocument document = DrawJournal();
        benchmark::DoNotOptimize(document.pages.size());
    }
}
BENCHMARK(YearToDateJournalDrawnOnly)->Unit(benchmark::kMillisecond);

void YearToDateJournalByQPdfWriterAlone(benchmark::State& state)
{
    const std::vector<PlainPage> pages = PreparePlainPages(DrawJournal());
    for (auto _ : state)
        benchmark::DoNotOptimize(DrawPlainPdf(pages).size());
}
BENCHMARK(YearToDateJournalByQPdfWriterAlone)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunPrintoutBenchmarks(argc, argv, FillCompany, MakeEmployee);
}
