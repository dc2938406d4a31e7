#pragma once

#include "client/CompanyRecord.h"
#include "client/EmployeeRecord.h"

// The 15 user-defined fields of an employee: 1..5 the user earnings UserPay1..5, 6..10 the user
// deductions UserDeduct1..5, 11..15 the user employer liabilities UserLib1..5.
constexpr int kUserFieldCount = 15;
constexpr int kFirstUserDeduction = 6;
constexpr int kFirstUserLiability = 11;

// The amounts of user field 1..15; any other number throws std::out_of_range.
TPeriodAmounts& UserFieldAmounts(EmployeeRecord& employee, int field);

bool IsUserEarning(int field);
bool IsUserDeduction(int field);

// The recurring amount of user field 1..15: RUserPay1..5, RUserDeduct1..5, RUserLib1..5; any
// other number throws std::out_of_range.
double& RecurringUserAmount(EmployeeRecord& employee, int field);

// The company's name of user field 1..15: UserEarnings, UserDeduct and UserLib as one list; any
// other number throws std::out_of_range.
RecordText<20>& UserFieldNameOf(CompanyRecord& company, int field);
