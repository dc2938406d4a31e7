#include "PrintoutBenchmark.h"

#include "BenchmarkFolders.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "platform/Exceptions.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace {

QString gFolder;

void BuildClient(const std::function<void()>& fillCompany, const std::function<EmployeeRecord(int n)>& makeEmployee)
{
    TFrmDataModule& module = DataModule();
    if (!module.OpenClient(BenchmarkFile(QStringLiteral("BENCH.P26"))))
        Stop("The benchmark client did not open");
    fillCompany();
    module.RSCompany.PostRec();
    for (int n = 0; n < kBenchmarkEmployees; ++n) {
        if (n > 0)
            module.RSEmployee.NewRec();
        EmployeeRec = makeEmployee(n);
        module.RSEmployee.PostRec();
    }
}

} // namespace

void Stop(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::exit(1);
}

QString BenchmarkFile(const QString& name)
{
    return gFolder + QLatin1Char('/') + name;
}

int RunPrintoutBenchmarks(int argc, char** argv, const std::function<void()>& fillCompany,
                          const std::function<EmployeeRecord(int n)>& makeEmployee)
{
    QTemporaryDir folder;
    if (!folder.isValid())
        Stop("Cannot create a temporary folder");
    gFolder = folder.path();
    UseTemporaryFolders(folder);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    try {
        ResetClientState();
        TFrmDataModule module;
        BuildClient(fillCompany, makeEmployee);
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    } catch (const Exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
