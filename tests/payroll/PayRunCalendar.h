#pragma once

#include <QDate>
#include <QString>

#include <algorithm>
#include <vector>

// The pay runs of a simulated 2026: each run's pay date, the frequency it pays and its period.
struct PayRun {
    QDate payDate;
    int frequency;
    QDate from;
    QDate to;
};

// Weekly runs on the Fridays from January 2 and biweekly ones from January 9, each period ending on
// its pay date: 52 + 26 runs.
inline void AddWeeklyAndBiweeklyRuns(std::vector<PayRun>& runs)
{
    for (QDate d(2026, 1, 2); d.year() == 2026; d = d.addDays(7))
        runs.push_back({d, 1, d.addDays(-6), d});
    for (QDate d(2026, 1, 9); d.year() == 2026; d = d.addDays(14))
        runs.push_back({d, 2, d.addDays(-13), d});
}

// In the order of their pay dates; runs of one date keep the order they were added in.
inline void SortByPayDate(std::vector<PayRun>& runs)
{
    std::stable_sort(runs.begin(), runs.end(), [](const PayRun& a, const PayRun& b) { return a.payDate < b.payDate; });
}

// A date as the pay period entries take it.
inline QString PayRunDateText(const QDate& date)
{
    return date.toString(QStringLiteral("MM/dd/yyyy"));
}
