#pragma once

#include "client/EmployeeRecord.h"

#include <optional>

// The tax year this program computes pay for.
constexpr int kPayrollYear = 2026;

// The age the employee reaches in the payroll year (the payroll year less the birth year), or
// none without a valid date of birth.
std::optional<int> AgeInPayrollYear(const EmployeeRecord& employee);
