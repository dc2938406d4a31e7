// The cost of a pay run at the end of the pipeline: automatic processing and posting of a full
// client of 250 employees (the most a client holds), against two baselines: reading and writing
// the same bytes plainly, each record of both client files read once and written back once; and
// the durable work posting cannot do without, done plainly: both files copied and the copies
// synced, every record read and written back once, and both files synced.
//
// Every measured run starts from the same client, put back on disk while the clock is stopped.

#include "BenchmarkFolders.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/TaxTableFiles.h"
#include "components/StateTables.h"
#include "payroll/AutoProcessing.h"
#include "payroll/Posting.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kEmployees = 250;

QString gEmployeeFile;
QString gCompanyFile;
QByteArray gOpenCompany;     // the client with its pay period open, nothing computed
QByteArray gOpenEmployees;
QByteArray gComputedCompany; // the same after automatic processing
QByteArray gComputedEmployees;

[[noreturn]] void Stop(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::exit(1);
}

EmployeeRecord MakeEmployee(int n)
{
    const char* const states[] = {"TX", "PA", "NY", "CA", "FL", "OH"};
    EmployeeRecord e = NewEmployeeRecord();
    e.FullName = QStringLiteral("Employee %1").arg(n);
    e.LastName = QStringLiteral("Employee%1").arg(n);
    e.Frequency = 1;
    e.Married = n % 3 == 0;
    e.HOH = n % 3 == 1;
    e.Single = n % 3 == 2;
    const QString state = QString::fromLatin1(states[n % 6]);
    e.WorkState = state;
    e.WorkStateIndex = StateCodeIndex(state) + 1;
    e.RegularRate = 15 + n % 40;
    e.StdRegTime = 40;
    e.StdOverTime = n % 4;
    e.OverTimeRate = e.RegularRate * 1.5;
    e.RHealthIns = n % 2 == 0 ? 45 : 0;
    e.Plan401kPct = n % 3 == 0 ? 5 : 0;
    e.Tips[kCurrentColumn] = n % 9 == 0 ? 120 : 0;
    // Part of the staff is well into the year, past the Social Security and FUTA wage bases.
    const double paidSoFar = (n % 10) * 20000.0;
    e.FICAEarnings[kYearToDateColumn] = std::min(paidSoFar, 184500.0);
    e.FICATax[kYearToDateColumn] = e.FICAEarnings[kYearToDateColumn] * 0.062;
    e.MedEarnings[kYearToDateColumn] = paidSoFar;
    e.FUTAEarnings[kYearToDateColumn] = std::min(paidSoFar, 7000.0);
    e.FUTALib[kYearToDateColumn] = e.FUTAEarnings[kYearToDateColumn] * 0.006;
    return e;
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Stop("Cannot read the benchmark client");
    return file.readAll();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        Stop("Cannot write the benchmark client");
}

// Closes the client, lays the given files down and opens it again.
void PutClientBack(const QByteArray& company, const QByteArray& employees)
{
    TFrmDataModule& module = DataModule();
    module.RSEmployee.CloseRecSet();
    WriteAll(gCompanyFile, company);
    WriteAll(gEmployeeFile, employees);
    if (!module.OpenClient(gEmployeeFile))
        Stop("The benchmark client did not open");
}

void BuildClient(const QString& folder)
{
    gEmployeeFile = folder + QStringLiteral("/BENCH.P26");
    gCompanyFile = folder + QStringLiteral("/BENCH.C26");
    TFrmDataModule& module = DataModule();
    if (!module.OpenClient(gEmployeeFile))
        Stop("The benchmark client did not open");
    CompanyRec.IncludeTips = true;
    CompanyRec.PayDateFrom = QStringLiteral("01/03/2026");
    CompanyRec.PayDateTo = QStringLiteral("01/09/2026");
    CompanyRec.PayDate = QStringLiteral("01/09/2026");
    CompanyRec.ProcessFrequency = 1;
    CompanyRec.StartChkNum = 1001;
    module.RSCompany.PostRec();
    for (int n = 0; n < kEmployees; ++n) {
        if (n > 0)
            module.RSEmployee.NewRec();
        EmployeeRec = MakeEmployee(n);
        module.RSEmployee.PostRec();
    }
    // A new file stays in its creator's sole hands until it is closed.
    module.RSEmployee.CloseRecSet();
    gOpenCompany = ReadAll(gCompanyFile);
    gOpenEmployees = ReadAll(gEmployeeFile);

    PutClientBack(gOpenCompany, gOpenEmployees);
    AutomaticProcessing();
    module.RSEmployee.CloseRecSet();
    gComputedCompany = ReadAll(gCompanyFile);
    gComputedEmployees = ReadAll(gEmployeeFile);
    PutClientBack(gOpenCompany, gOpenEmployees);
}

void AutomaticProcessingAndPosting(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        PutClientBack(gOpenCompany, gOpenEmployees);
        state.ResumeTiming();
        AutomaticProcessing();
        PostPayroll();
    }
}
BENCHMARK(AutomaticProcessingAndPosting)->Unit(benchmark::kMillisecond);

void AutomaticProcessingAlone(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        PutClientBack(gOpenCompany, gOpenEmployees);
        state.ResumeTiming();
        AutomaticProcessing();
    }
}
BENCHMARK(AutomaticProcessingAlone)->Unit(benchmark::kMillisecond);

void PostingAlone(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        PutClientBack(gComputedCompany, gComputedEmployees);
        state.ResumeTiming();
        PostPayroll();
    }
}
BENCHMARK(PostingAlone)->Unit(benchmark::kMillisecond);

// Both client files, opened plainly while the client is closed for the baselines.
class PlainClientFiles {
public:
    PlainClientFiles()
    {
        DataModule().RSEmployee.CloseRecSet();
        for (File& file : files_) {
            file.fd = ::open(QFile::encodeName(file.path).constData(), O_RDWR);
            if (file.fd < 0)
                Stop("Cannot open the benchmark client");
        }
    }
    ~PlainClientFiles()
    {
        for (const File& file : files_)
            ::close(file.fd);
        if (!DataModule().OpenClient(gEmployeeFile))
            Stop("The benchmark client did not open");
    }

    // Every record read once and written back once.
    void ReadAndWriteEveryRecord()
    {
        for (const File& file : files_) {
            const off_t records = ::lseek(file.fd, 0, SEEK_END) / file.recordSize;
            for (off_t n = 0; n < records; ++n) {
                const off_t at = n * file.recordSize;
                if (::pread(file.fd, buffer_.data(), file.recordSize, at) != file.recordSize
                    || ::pwrite(file.fd, buffer_.data(), file.recordSize, at) != file.recordSize)
                    Stop("Plain read or write failed");
            }
        }
    }

    // Each file copied whole into the folder and the copy synced.
    void CopyInto(const QString& folder)
    {
        for (const File& file : files_) {
            const QString target = folder + QStringLiteral("/") + QFileInfo(file.path).fileName();
            const int copy = ::open(QFile::encodeName(target).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (copy < 0)
                Stop("Cannot create a copy of the benchmark client");
            off_t at = 0;
            for (;;) {
                const ssize_t got = ::pread(file.fd, copyBuffer_.data(), copyBuffer_.size(), at);
                if (got < 0)
                    Stop("Cannot read the benchmark client");
                if (got == 0)
                    break;
                if (::write(copy, copyBuffer_.data(), static_cast<std::size_t>(got)) != got)
                    Stop("Cannot write a copy of the benchmark client");
                at += got;
            }
            if (::fsync(copy) != 0 || ::close(copy) != 0)
                Stop("Cannot sync a copy of the benchmark client");
        }
    }

    void SyncEveryFile()
    {
        for (const File& file : files_) {
            if (::fsync(file.fd) != 0)
                Stop("Cannot sync the benchmark client");
        }
    }

private:
    struct File {
        QString path;
        int recordSize;
        int fd = -1;
    };
    File files_[2] = {{gCompanyFile, static_cast<int>(sizeof(CompanyRecord))},
                      {gEmployeeFile, static_cast<int>(sizeof(EmployeeRecord))}};
    std::vector<char> buffer_ = std::vector<char>(sizeof(EmployeeRecord));
    std::vector<char> copyBuffer_ = std::vector<char>(1 << 16);
};

// The floor: every record of both files read once and written back once, with no computation,
// no copies and nothing flushed to the disk.
void PlainReadAndWrite(benchmark::State& state)
{
    PlainClientFiles files;
    for (auto _ : state) {
        files.ReadAndWriteEveryRecord();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(PlainReadAndWrite)->Unit(benchmark::kMillisecond);

// The durable floor of a posting, done plainly: both files copied aside and the copies synced,
// every record read once and written back once, both files synced.
void DurableReadAndWrite(benchmark::State& state)
{
    const QString folder = QFileInfo(gEmployeeFile).path() + QStringLiteral("/Baseline");
    if (!QDir().mkpath(folder))
        Stop("Cannot create the baseline's copy folder");
    PlainClientFiles files;
    for (auto _ : state) {
        files.CopyInto(folder);
        files.ReadAndWriteEveryRecord();
        files.SyncEveryFile();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(DurableReadAndWrite)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // A client of its own in a temporary folder: the program's folder, home and settings too, so
    // that no file of the user is touched.
    QTemporaryDir folder;
    if (!folder.isValid())
        Stop("Cannot create a temporary folder");
    UseTemporaryFolders(folder);
    QCoreApplication application(argc, argv);

    try {
        ResetClientState();
        LoadFederalTable(QCoreApplication::applicationDirPath() + QStringLiteral("/LEDGORA.FTT"), FederalTaxRec);
        SetMessageBoxHandler([](const QString&, const QString&, int) { return static_cast<int>(IdOk); });
        PostingConfirmation = [] { return true; };
        TFrmDataModule module;
        BuildClient(folder.path());
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    } catch (const Exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
