#pragma once

#include "client/EmployeeRecord.h"

#include <QString>
#include <optional>

// The 77 amount groups of an employee, numbered 0..76 in the order of the record (0 Wages ..
// 76 QualifiedOT), and the 75 pay history rows that keep what posting stored of them. Row r holds
// group r for r = 0..73; groups 74 and 75 (UICompWages, DICompWages) have no row; row 74 holds
// group 76 (QualifiedOT).
constexpr int kAmountGroupCount = 77;
constexpr int kPayHistoryRowCount = 75;

// Group 0..76 of the record; any other number throws std::out_of_range.
TPeriodAmounts& AmountGroup(EmployeeRecord& record, int group);
const TPeriodAmounts& AmountGroup(const EmployeeRecord& record, int group);

// The member name of group 0..76 ("Wages" .. "QualifiedOT"), and the group of a member name; an
// unknown name throws std::out_of_range.
QString AmountGroupName(int group);
int AmountGroupNumber(const QString& name);

// The pay history row of a group, or none for the two groups that have no row.
std::optional<int> PayHistoryRowOfGroup(int group);
// The group whose amounts pay history row 0..74 holds.
int AmountGroupOfPayHistoryRow(int row);

static_assert(decltype(EmployeeRecord::PayHistory)::count == kPayHistoryRowCount);
