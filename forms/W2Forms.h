#pragma once

#include "client/EmployeeRecord.h"
#include "payroll/W2Recipients.h"

#include <QString>

#include <vector>

// How many Forms W-2 each employee who gets one (payroll/W2Recipients.h) needs.

// Box 12 entries a form holds; an employee with more gets a further form.
inline constexpr int kBox12EntriesPerForm = 4;

// The box 12 entries that print: code not blank and amount not 0 at cents, in entry order.
std::vector<Box12Amount> FilledBox12Entries(const EmployeeRecord& employee);

// The forms an employee who gets a W-2 needs: one for every four filled box 12 entries, at least one.
int W2FormsOfEmployee(const EmployeeRecord& employee);

// The number of Forms W-2 of the open client: the forms of every employee who gets one. Visits
// every employee and leaves the current employee current.
int GetNumToPrint();
