#pragma once

#include "client/EmployeeChecks.h"

#include <functional>
#include <optional>

// The checks of the new employee dialog: the employee screen's, over the entries the dialog has
// (three of the dates, no overtime rate check), with its own ZIP code and city rules.

// The entries the dialog paints as missing or invalid.
EmployeeFieldSet NewEmployeeFieldsInError(const EmployeeEntries& entries);

// The first fault that refuses the new employee; none when it may be created. socSecNumTaken is
// asked, after the number itself was found valid, whether an employee of the file has it.
std::optional<EmployeeEntryFault> FindNewEmployeeFault(const EmployeeEntries& entries,
                                                       const std::function<bool()>& socSecNumTaken);
