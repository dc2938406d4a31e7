#pragma once

#include "client/EmployeeRecord.h"

// The employee's work state, 1..54, from its code; the employer unemployment and disability
// contributions index the company's per-state rates by it. Raises ECustomException naming the
// employee when the code is not a state code or disagrees with the stored work state number, so
// that no employee is charged by another state's rates.
int EmployeeWorkState(const EmployeeRecord& employee);
