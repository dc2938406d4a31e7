#pragma once

#include "client/EmployeeRecord.h"

#include <QString>

#include <functional>

// What the printout benchmarks share: a client of their own, with a full staff, in a temporary
// folder, and the GUI application that measuring and drawing text needs.

// The most employees a client holds.
inline constexpr int kBenchmarkEmployees = 250;

// Stops a benchmark that cannot set itself up.
[[noreturn]] void Stop(const char* what);

// A file of that name in the benchmark's temporary folder.
QString BenchmarkFile(const QString& name);

// Runs the benchmarks asked for on the command line, after a new client got the company that
// fillCompany fills in and the employees makeEmployee(0), makeEmployee(1) ... Returns the exit code.
int RunPrintoutBenchmarks(int argc, char** argv, const std::function<void()>& fillCompany,
                          const std::function<EmployeeRecord(int n)>& makeEmployee);
