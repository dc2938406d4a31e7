#include "payroll/PayDateRange.h"

#include "client/EmployeeLoop.h"
#include "client/PayRecords.h"
#include "components/DateRoutines.h"

#include <algorithm>

PayDateRange PayDateRange::AllStored()
{
    return {1, std::clamp<int>(CompanyRec.PriorPeriodCount, 1, kStoredPayPeriods)};
}

PayDateRange PayDateRange::OfListLines(int fromIndex, int toIndex)
{
    return {fromIndex + 1, toIndex + 1};
}

bool PayDatesInOrder(const QString& fromLine, const QString& toLine)
{
    return DaysBetweenDates(fromLine.left(10), toLine.left(10)) >= 0;
}

bool PayDateRangeAccepted(const PayDateRange& range)
{
    if (range.First < 1 || range.Last > kStoredPayPeriods || range.First > range.Last)
        return false;
    return PayDatesInOrder(CompanyRec.PriorPayDate[range.First].get(), CompanyRec.PriorPayDate[range.Last].get());
}

void ForEachStoredPayPeriod(const PayDateRange& range, const std::function<void(int, const StoredPayPeriod&)>& visit)
{
    for (int slot = range.First; slot <= range.Last; ++slot)
        ForEachEmployee([&] { visit(slot, ReadStoredPayPeriod(slot)); });
}

void StoredAmountSums::Add(const StoredPayPeriod& period)
{
    for (int group = 0; group < kAmountGroupCount; ++group)
        sums_[static_cast<std::size_t>(group)] += period.Amount(group);
}

double StoredAmountSums::Amount(int group) const
{
    return group >= 0 && group < kAmountGroupCount ? sums_[static_cast<std::size_t>(group)] : 0;
}

double StoredAmountSums::Amount(const char* groupName) const
{
    return Amount(AmountGroupNumber(QString::fromLatin1(groupName)));
}

StoredAmountSums SumStoredPayPeriods(const PayDateRange& range)
{
    StoredAmountSums sums;
    for (int slot = range.First; slot <= range.Last; ++slot)
        sums.Add(ReadStoredPayPeriod(slot));
    return sums;
}

StoredAmountSums SumStoredPayPeriodsOfAllEmployees(const PayDateRange& range)
{
    StoredAmountSums sums;
    ForEachStoredPayPeriod(range, [&](int, const StoredPayPeriod& period) { sums.Add(period); });
    return sums;
}
