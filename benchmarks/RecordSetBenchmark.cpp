// The cost of the record-file engine against plain positioned reads and writes of the same
// bytes: one walk over the largest employee file the program allows (250 records of 46104
// bytes), reading each record and writing it back.

#include "components/RecordSet.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int RecordSize = 46104;
constexpr int RecordCount = 250;

// One employee file for every benchmark, removed at exit.
const QString& employeeFile()
{
    static QTemporaryDir folder;
    static const QString path = [] {
        const QString file = folder.filePath(QStringLiteral("BENCH.P26"));
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly)) {
            std::fprintf(stderr, "Cannot create %s\n", qPrintable(file));
            std::exit(1);
        }
        for (int k = 1; k <= RecordCount; ++k)
            if (out.write(QByteArray(RecordSize, static_cast<char>(k))) != RecordSize) {
                std::fprintf(stderr, "Cannot write %s\n", qPrintable(file));
                std::exit(1);
            }
        return file;
    }();
    return path;
}

void RecordSetWalk(benchmark::State& state)
{
    TRecordSet rs;
    rs.SetRecSize(RecordSize);
    rs.SetFileName(employeeFile());
    rs.SetFileShareMode(smShareDenyWrite);
    rs.OpenRecSet();
    if (!rs.Active() || rs.RecordCount() != RecordCount) {
        state.SkipWithError("the employee file did not open");
        return;
    }
    for (auto _ : state) {
        rs.RootRec();
        for (int i = 0; i < RecordCount; ++i) {
            rs.NextRec();
            rs.PostRec();
        }
        rs.PopRec();
        benchmark::DoNotOptimize(rs.RecordBuffer());
    }
    rs.CloseRecSet();
}

void PlainWalk(benchmark::State& state)
{
    const int fd = ::open(QFile::encodeName(employeeFile()).constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        state.SkipWithError("the employee file did not open");
        return;
    }
    std::vector<char> buffer(RecordSize);
    for (auto _ : state) {
        for (int i = 0; i < RecordCount; ++i) {
            const off_t at = static_cast<off_t>(i) * RecordSize;
            if (::pread(fd, buffer.data(), RecordSize, at) != RecordSize
                || ::pwrite(fd, buffer.data(), RecordSize, at) != RecordSize) {
                state.SkipWithError("a record did not transfer whole");
                break;
            }
        }
        benchmark::DoNotOptimize(buffer.data());
    }
    ::close(fd);
}

BENCHMARK(RecordSetWalk)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainWalk)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's mean time per walk so the ratio can be given at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            Timing& timing = timings[run.run_name.function_name];
            if (run.run_type == Run::RT_Iteration) {
                timing.sum += run.GetAdjustedRealTime();
                ++timing.runs;
            } else if (run.aggregate_name == "mean") {
                timing.mean = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // The mean time of one walk, or 0 when the benchmark gave none.
    double mean(const std::string& name) const
    {
        const auto found = timings.find(name);
        if (found == timings.end())
            return 0;
        const Timing& t = found->second;
        return t.mean > 0 ? t.mean : t.runs > 0 ? t.sum / t.runs : 0;
    }

private:
    struct Timing {
        double sum = 0;
        int runs = 0;
        double mean = 0;
    };
    std::map<std::string, Timing> timings;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const double engine = reporter.mean("RecordSetWalk");
    const double plain = reporter.mean("PlainWalk");
    if (engine <= 0 || plain <= 0)
        return 1;
    std::printf("Record set walk / plain pread-pwrite walk: %.2f\n", engine / plain);
    return 0;
}
