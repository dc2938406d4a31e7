#pragma once

#include "client/EmployeeRecord.h"

#include <QString>

// The fields of an employee that are not typed but follow from the typed ones. Every screen that
// saves an employee (the employee screen, the new employee dialog, manual entry) rebuilds them the
// same way after storing what the user typed.

// The year the stored age counts to: the age is the one on January 1 of the tax year.
constexpr int kEmployeeAgeYear = 2025;

// The first character of the middle name; a blank middle name keeps the initial already stored,
// so clearing the middle name does not lose it.
QString MiddleInitialOf(const QString& middleName, const QString& storedInitial);

// The last address line: the trimmed city, the state and the ZIP code joined by single blanks.
QString CityStateZipOf(const QString& city, const QString& state, const QString& zipCode);

// kEmployeeAgeYear minus the year of birth; 0 when the date of birth is empty or not a date.
int EmployeeAgeOf(const QString& dateOfBirth);

// The Form W-2 control number: the first two to four letters of the trimmed last name, a hyphen
// and the last four characters of the Social Security number. A last name shorter than two
// letters keeps the control number already stored.
QString FW2ControlNumberOf(const QString& lastName, const QString& socSecNum, const QString& storedNumber);

// Rebuilds MiddleInitial, FullName, CityStateZip, EmployeeAge and FW2CtrlNum of the record from
// its stored names, address, date of birth and Social Security number.
void DeriveEmployeeFields(EmployeeRecord& record);
