// The cost of computing one employee's pay the way automatic processing does: a full client of
// 250 employees (the most a client holds) with mixed frequencies, filing statuses, work states and
// deductions, each computed by CalculateEmployeePay from the same starting record.

#include "BenchmarkFolders.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/TaxTableFiles.h"
#include "components/NumberRoutines.h"
#include "components/StateTables.h"
#include "payroll/PayCompute.h"
#include "platform/Exceptions.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kEmployees = 250;

EmployeeRecord MakeEmployee(int n)
{
    const char* const states[] = {"TX", "PA", "NY", "CA", "FL", "OH"};
    EmployeeRecord e = NewEmployeeRecord();
    e.FullName = QStringLiteral("Employee %1").arg(n);
    e.Frequency = static_cast<std::uint8_t>(1 + n % 4);
    e.Married = n % 3 == 0;
    e.HOH = n % 3 == 1;
    e.Single = n % 3 == 2;
    e.FW4Box2c = n % 7 == 0;
    e.FW4Box3 = n % 5 == 0 ? 2200 : 0;
    const QString state = QString::fromLatin1(states[n % 6]);
    e.WorkState = state;
    e.WorkStateIndex = StateCodeIndex(state) + 1;
    e.RegularRate = 15 + n % 40;
    e.RegularTime = 40.0 * 52 / (e.Frequency == 1 ? 52 : e.Frequency == 2 ? 26 : e.Frequency == 3 ? 24 : 12);
    e.OverTimeRate = e.RegularRate * 1.5;
    e.OverTime = n % 4;
    e.Tips[kCurrentColumn] = n % 9 == 0 ? 120 : 0;
    e.HealthIns[kCurrentColumn] = n % 2 == 0 ? 45 : 0;
    e.Plan401k[kCurrentColumn] = n % 3 == 0 ? 80 : 0;
    e.UserDeduct1[kCurrentColumn] = n % 4 == 0 ? 25 : 0;
    e.UserCafePlan[1] = n % 8 == 0;
    // Part of the staff is well into the year, past the Social Security and FUTA wage bases.
    const double paidSoFar = (n % 10) * 20000.0;
    e.FICAEarnings[kYearToDateColumn] = std::min(paidSoFar, 184500.0);
    e.FICATax[kYearToDateColumn] = e.FICAEarnings[kYearToDateColumn] * 0.062;
    e.MedEarnings[kYearToDateColumn] = paidSoFar;
    e.FUTAEarnings[kYearToDateColumn] = std::min(paidSoFar, 7000.0);
    e.FUTALib[kYearToDateColumn] = e.FUTAEarnings[kYearToDateColumn] * 0.006;
    return e;
}

std::vector<EmployeeRecord> Staff()
{
    std::vector<EmployeeRecord> staff;
    for (int n = 0; n < kEmployees; ++n)
        staff.push_back(MakeEmployee(n));
    return staff;
}

void CalculateEmployeePayOverClient(benchmark::State& state)
{
    const std::vector<EmployeeRecord> staff = Staff();
    for (auto _ : state) {
        for (const EmployeeRecord& employee : staff) {
            EmployeeRec = employee;
            CalculateEmployeePay();
            benchmark::DoNotOptimize(EmployeeRec.NetPay[kCurrentColumn]);
        }
    }
    state.counters["per_employee"] = benchmark::Counter(static_cast<double>(state.iterations()) * kEmployees,
                                                        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(CalculateEmployeePayOverClient)->Unit(benchmark::kMillisecond);

// Amounts of the kind the pay computation rounds: cents times rates, with the binary noise of sums.
std::vector<double> Amounts()
{
    std::vector<double> amounts;
    for (int n = 0; n < 1000; ++n)
        amounts.push_back((n * 1234.5678 + 0.1 + 0.2) * (n % 2 == 0 ? 0.062 : 1.45));
    return amounts;
}

void RoundAmountsToCents(benchmark::State& state)
{
    const std::vector<double> amounts = Amounts();
    for (auto _ : state) {
        for (double amount : amounts)
            benchmark::DoNotOptimize(RoundToDecimals(amount, 2));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(amounts.size()));
}
BENCHMARK(RoundAmountsToCents);

// The floor: the same amounts scaled, rounded by the hardware and scaled back.
void ScaleAmountsToCents(benchmark::State& state)
{
    const std::vector<double> amounts = Amounts();
    for (auto _ : state) {
        for (double amount : amounts)
            benchmark::DoNotOptimize(std::round(amount * 100) / 100);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(amounts.size()));
}
BENCHMARK(ScaleAmountsToCents);

} // namespace

int main(int argc, char** argv)
{
    // A client of its own in a temporary folder: the program's folder, home and settings too, so
    // that no file of the user is touched.
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
        TFrmDataModule module;
        if (!module.OpenClient(folder.filePath(QStringLiteral("BENCH.P26")))) {
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
