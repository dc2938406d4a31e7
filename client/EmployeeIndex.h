#pragma once

#include "client/EmployeeRecord.h"

#include <QString>
#include <QStringList>
#include <functional>

// The display name of the current employee (EmployeeRec). Order 1: first, middle, last name and
// suffix; when Shorten is set and that is longer than 43 characters, the middle initial stands in
// for the middle name. Order 2: last name and suffix, first and middle name. Any other order
// gives an empty text. The result is not trimmed.
QString GetEmployeeName(int order, bool shorten);
// The same for any employee record.
QString EmployeeName(const EmployeeRecord& record, int order, bool shorten);

// Rebuilds RecIndex from every employee when RebuildRecIndex is set; does nothing otherwise.
// The employee that was current is read again afterwards.
void BuildRecIndex();

// Sorts RecIndex by name without regard to letter case and independently of the user's locale.
// Equal names keep their file order, and every entry keeps its own record.
void SortRecIndex();

// Reads employee record `number` (counted from 1) into EmployeeRec. A number the file does not
// hold raises ERecordSetException: reading on would leave another employee's record in its place.
void ReadEmployeeRecord(int number);

// The employee list window: receives the index names and returns the position chosen in the list,
// or -1 when the user cancelled. The windowed program installs the real window; tests script it.
using EmployeePicker = std::function<int(const QStringList& names)>;
EmployeePicker SetEmployeePicker(EmployeePicker picker);

// Shows the employee list and makes the chosen employee current (RecListChosen is then set).
// With at most one employee the list is refused with a message.
void ShowRecList();
