#pragma once

#include "payroll/PayHistory.h"

#include <QString>

#include <array>
#include <functional>

// A range of stored pay periods, picked from two lists of the stored pay dates (From and To, each
// filled with StoredPayDateLines, line k - 1 standing for slot k), and what the windows that
// print or show such a range add up over it.

// Slots First..Last of the pay history, both counted from 1.
struct PayDateRange {
    int First = 1;
    int Last = 1;

    // Every slot in use: 1..CompanyRec.PriorPeriodCount (at most 65); 1..1 while none is.
    static PayDateRange AllStored();
    // The range that list lines fromIndex and toIndex (counted from 0) stand for.
    static PayDateRange OfListLines(int fromIndex, int toIndex);

    bool operator==(const PayDateRange&) const = default;
};

// What a window says, through an EFieldException, when it refuses a range.
inline constexpr const char* kPayDateRangeRefused = "The pay date from cannot be~greater than the pay date to.";

// Whether the pay date of a To line ("mm/dd/yyyy (n)") is not before that of a From line.
bool PayDatesInOrder(const QString& fromLine, const QString& toLine);

// Whether a range may be chosen: its From pay date is not after its To pay date, and its From slot
// not after its To slot. Two periods posted with one pay date keep their slot order, so choosing
// the later as From and the earlier as To is refused too rather than giving an empty range.
bool PayDateRangeAccepted(const PayDateRange& range);

// Each slot of the range in slot order, and within a slot every employee in file order, read into
// EmployeeRec, with that employee's stored period. The employee that was current is read again
// afterwards, also when visit raises.
void ForEachStoredPayPeriod(const PayDateRange& range, const std::function<void(int slot, const StoredPayPeriod&)>& visit);

// Stored amounts added up per amount group, as posted: nothing filtered or rounded.
class StoredAmountSums {
public:
    void Add(const StoredPayPeriod& period);
    // The sum of a group 0..76; 0 for any other number and for the groups the history does not keep.
    double Amount(int group) const;
    double Amount(const char* groupName) const;

private:
    std::array<double, kAmountGroupCount> sums_{};
};

// The current employee's stored periods of the range.
StoredAmountSums SumStoredPayPeriods(const PayDateRange& range);
// Every employee's stored periods of the range; the employee that was current stays current.
StoredAmountSums SumStoredPayPeriodsOfAllEmployees(const PayDateRange& range);
