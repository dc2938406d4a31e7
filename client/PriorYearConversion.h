#pragma once

#include "client/CompanyRecord.h"
#include "client/EmployeeRecord.h"
#include "client/PriorYearRecords.h"

// The conversion of last year's records into this year's. To-date totals, pay history and the
// year's form data start from zero; identity, setup, rates, withholding data, recurring amounts
// and the check layout carry over.

// New Jersey's employer wage base for unemployment and disability insurance this year.
constexpr double kNewJerseyWageBase = 44800.0;
// This year's credit per qualifying child on the Form W-4, and last year's.
constexpr double kChildCredit = 2200.0;
constexpr double kPriorChildCredit = 2000.0;
constexpr double kOtherDependentCredit = 500.0;

// Why last year's record cannot be transferred: the first field this year's program uses as a
// number of a state or a pay frequency that holds a value outside their range, as "the work state
// (99) lies outside 0 to 54". Empty when every such field is in range. A value out of range is
// refused rather than cleared: which state or frequency was meant is for the user to say.
QString OutOfRangeField(const CompanyRecord2025& prior);
QString OutOfRangeField(const EmployeeRecord2025& prior);

// This year's company record built from last year's. The password is left out: last year's
// program scrambled it in a way this program cannot read back.
CompanyRecord ConvertCompanyRecord(const CompanyRecord2025& prior);

// Whether last year's employee is still employed: neither resigned (a valid resignation date)
// nor deceased. A record of zeros only is no employee.
bool IsValidEmployee(const EmployeeRecord2025& prior);

// This year's employee record built from last year's, numbered employeeNum.
EmployeeRecord ConvertEmployeeRecord(const EmployeeRecord2025& prior, int employeeNum);

// Federal allowances of a record from its Form W-4 step 3 amounts.
int GetNumDependents(const EmployeeRecord& record);
