// The cost of Print All of Form W-2 for a full client (250 employees, one page of the employee's
// copies each) written to a PDF file: the run through the report system with the layouts filled
// in, then the PDF writer. Beside it the same pages written only, and Qt's PDF writer painting the
// same pages with every text already placed, the least the file can cost.

#include "PlainPdfBaseline.h"
#include "PrintoutBenchmark.h"
#include "client/CompanyAddress.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "components/StateTables.h"
#include "forms/W2Printing.h"
#include "platform/report/PdfRenderer.h"
#include "platform/report/ReportProject.h"
#include "platform/report/ReportSystem.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

int PennsylvaniaNumber()
{
    return StateCodeIndex(QStringLiteral("PA")) + 1;
}

// A year of wages in boxes 1, 3, 5 and 16 with the taxes on them, a little different for everyone.
EmployeeRecord MakeEmployee(int n)
{
    EmployeeRecord e = NewEmployeeRecord();
    e.LastName = QStringLiteral("Employee%1").arg(n);
    e.FirstName = QStringLiteral("Pat");
    e.MiddleInitial = QStringLiteral("Q");
    e.FullName = QStringLiteral("Pat Employee%1").arg(n);
    e.SocSecNum = QStringLiteral("231-45-%1").arg(1000 + n);
    e.Address = QStringLiteral("%1 Elm St").arg(10 + n);
    e.CityStateZip = QStringLiteral("Springfield, PA 17001");
    e.WorkState = QStringLiteral("PA");
    e.WorkStateIndex = PennsylvaniaNumber();
    e.CityIndex = 1;
    e.CityName = QStringLiteral("NONE");
    const double wages = 52 * (600.0 + n * 7.25);
    const int y = kYearToDateColumn;
    e.FedEarnings[y] = e.FICAEarnings[y] = e.MedEarnings[y] = e.StateEarning[y] = wages;
    e.FederalTax[y] = wages * 0.11;
    e.FICATax[y] = wages * 0.062;
    e.MedicareTax[y] = wages * 0.0145;
    e.StateTax[y] = wages * 0.0307;
    return e;
}

void FillCompany()
{
    CompanyRec.Name = QStringLiteral("Benchmark Manufacturing");
    CompanyRec.Address = QStringLiteral("1 Main St");
    CompanyRec.City = QStringLiteral("Springfield");
    CompanyRec.State = QStringLiteral("PA");
    CompanyRec.ZipCode = QStringLiteral("17000");
    CompanyRec.FederalID = QStringLiteral("12-3456789");
    CompanyRec.StateID[PennsylvaniaNumber()] = QStringLiteral("8765-432");
    CompanyCityStateZip = BuildCompanyCityStateZip();
    DataModule().RaveProject.ProjectFile = QCoreApplication::applicationDirPath() + QStringLiteral("/TAXFORMS.RAV");
}

// Print All of the employee's copies through the report system, into fileName or (empty) kept
// as the document only.
std::shared_ptr<const ReportDocument> PrintAll(const QString& fileName)
{
    TFrmDataModule& module = DataModule();
    ReportSystem system;
    module.RaveProject.Engine = &system;
    system.OnPrint = [&](ReportCanvas& report) {
        PrintW2EmployeeCopies(report, module.RaveProject, module.RSEmployee.FirstRecord(), module.RSEmployee.LastRecord(), true);
    };
    ReportSystem::SetOutputOptionsHandler([&](const ReportSystem&, OutputChoice& choice) {
        choice.destination = fileName.isEmpty() ? ReportDestination::Preview : ReportDestination::File;
        choice.fileName = fileName;
        return true;
    });
    const bool ran = system.Execute();
    module.RaveProject.Engine = nullptr;
    if (!ran)
        Stop("Print All did not run");
    return system.Document();
}

void W2PrintAllToPdf(benchmark::State& state)
{
    const QString file = BenchmarkFile(QStringLiteral("w2.pdf"));
    for (auto _ : state)
        PrintAll(file);
}
BENCHMARK(W2PrintAllToPdf)->Unit(benchmark::kMillisecond);

void W2PagesWrittenOnly(benchmark::State& state)
{
    const auto document = PrintAll(QString());
    for (auto _ : state)
        benchmark::DoNotOptimize(PdfBytes(*document, ProgramPdfInfo()).size());
}
BENCHMARK(W2PagesWrittenOnly)->Unit(benchmark::kMillisecond);

void W2PagesByQPdfWriterAlone(benchmark::State& state)
{
    const std::vector<PlainPage> pages = PreparePlainPages(*PrintAll(QString()));
    for (auto _ : state)
        benchmark::DoNotOptimize(DrawPlainPdf(pages).size());
}
BENCHMARK(W2PagesByQPdfWriterAlone)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunPrintoutBenchmarks(argc, argv, FillCompany, MakeEmployee);
}
