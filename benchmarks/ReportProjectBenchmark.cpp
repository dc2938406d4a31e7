// Every tax-form screen and printout opens the report project beside the program. Opening it is
// measured beside parsing the file once and beside reading its bytes.

#include "platform/report/ReportFiles.h"
#include "platform/report/ReportLayout.h"
#include "platform/report/ReportProject.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

QString projectFile()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/TAXFORMS.RAV");
}

void OpenReportProject(benchmark::State& state)
{
    for (auto _ : state) {
        ReportProject project;
        project.ProjectFile = projectFile();
        project.Open();
        benchmark::DoNotOptimize(project.Layout(QStringLiteral("Form941")));
    }
}
BENCHMARK(OpenReportProject)->Unit(benchmark::kMicrosecond);

void ParseProjectFile(benchmark::State& state)
{
    const QString file = projectFile();
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseReportProject(ReadWholeFile(file), file));
}
BENCHMARK(ParseProjectFile)->Unit(benchmark::kMicrosecond);

void ReadProjectFile(benchmark::State& state)
{
    const QString file = projectFile();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadWholeFile(file));
}
BENCHMARK(ReadProjectFile)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
