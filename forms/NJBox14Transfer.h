#pragma once

#include <QString>

// The share of the year's DI wages that is the worker's family leave insurance, percent.
inline constexpr double NJFLIWagePercent = 0.23;

// Writes the year-to-date UI/WF/SWF, disability and family leave amounts of every employee who
// works in New Jersey into box 14 of the employee's Form W-2 and posts the record. With a private
// DI plan or none (plan code "P" or "N") the DI withheld is all family leave insurance. An
// amount that is 0, or an employee exempt from it, leaves the entries as they were. Returns the
// number of employees whose entries were written.
int TransferNJBox14(const QString& planCode);

// The command: refused in browse mode, asks first (No is the default), then transfers and says
// how many employees it updated. Returns that number, or -1 when the user said No.
int RunNJBox14Transfer(const QString& planCode);
