#pragma once

#include "client/EmployeeRecord.h"

#include <QString>

#include <optional>

// The checks of the Form W-2 entries of an employee, in the order the screen makes them.

// The entry a failed check points at; index is the box 12 entry (1..12) or box 14 line (1..3).
enum class W2Entry { FedEarnings, Box12Code, Box12Amount, Box14Description, Box14Amount, Box14bCode };

struct W2EntryProblem {
    W2Entry entry;
    int index = 0;
    QString message;   // as the user reads it, line breaks included
};

// The first problem of the employee's W-2 entries, or none. Every check runs whenever an
// employee is left or printed; forPrintOne adds the first one, that the employee gets a W-2 at
// all, which only printing that employee's form needs: moving on from an employee without wages
// is always allowed.
std::optional<W2EntryProblem> CheckW2Entries(const EmployeeRecord& employee, bool forPrintOne);
