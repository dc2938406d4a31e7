#pragma once

#include <QDate>

// The automatic check for a newer program version runs at most every few days: every 5 days
// around the turn of the year, when new tax tables come out, else every 15 days.
int UpdateCheckInterval(const QDate& today);

// Whether the automatic update check is due today, by the day of the last one kept in the
// registry value "LastChecked" under RegistryRoot + "Update". A due check is recorded before it
// runs, so a failed or declined check waits for the next interval. On a machine that never
// recorded a check, today is recorded and no check is due. A recorded day that is missing or not
// a date makes the check due.
bool TakeDueUpdateCheck();
