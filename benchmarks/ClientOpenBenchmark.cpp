// Opening a client of 250 employees (the most a client holds) as the main window does, without
// the window: the two files opened and the menu state counted from one walk of the employees.
// Beside it, the floor: reading both files once with plain reads.

#include "BenchmarkFolders.h"
#include "client/ClientMenuState.h"
#include "client/ClientFileCopy.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/TaxTableFiles.h"
#include "platform/Exceptions.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int kEmployees = 250;

QString clientFile;

void OpenClientWithMenuState(benchmark::State& state)
{
    TFrmDataModule module;
    for (auto _ : state) {
        if (!module.OpenClient(clientFile)) {
            state.SkipWithError("the benchmark client did not open");
            return;
        }
        benchmark::DoNotOptimize(ComputeMenuStates(CurrentClientMenuState()));
        module.RSEmployee.CloseRecSet();
    }
}
BENCHMARK(OpenClientWithMenuState)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void ReadBothFiles(benchmark::State& state)
{
    const ClientFilePair files = ClientFilesOf(clientFile);
    for (auto _ : state) {
        for (const QString& path : {files.employee, files.company}) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) {
                state.SkipWithError("a client file did not open");
                return;
            }
            benchmark::DoNotOptimize(file.readAll());
        }
    }
}
BENCHMARK(ReadBothFiles)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// A client whose employees all have a rate and amounts in every column, so every count walks
// to the end and finds something.
bool MakeClient()
{
    TFrmDataModule module;
    if (!module.OpenClient(clientFile))
        return false;
    for (int n = 0; n < kEmployees; ++n) {
        if (n > 0)
            module.RSEmployee.NewRec();
        EmployeeRec.FullName = QStringLiteral("Employee %1").arg(n);
        EmployeeRec.RegularRate = 15 + n % 40;
        for (int column = kCurrentColumn; column <= kYearToDateColumn; ++column)
            EmployeeRec.GrossWages[column] = 100.0 * (n + 1) * column;
        module.RSEmployee.PostRec();
    }
    module.RSEmployee.CloseRecSet();
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir folder;
    if (!folder.isValid()) {
        std::fprintf(stderr, "Cannot create a temporary folder\n");
        return 1;
    }
    UseTemporaryFolders(folder);
    QCoreApplication application(argc, argv);
    try {
        ResetClientState();
        LoadFederalTable(QCoreApplication::applicationDirPath() + QStringLiteral("/LEDGORA.FTT"), FederalTaxRec);
        clientFile = folder.filePath(QStringLiteral("BENCH.P26"));
        if (!MakeClient()) {
            std::fprintf(stderr, "The benchmark client did not open\n");
            return 1;
        }
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    } catch (const Exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
