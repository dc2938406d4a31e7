#pragma once

#include "client/PayHistoryMap.h"

#include <QString>
#include <QStringList>
#include <array>

// The pay history keeps up to 65 posted pay periods. Slot n holds the n-th posted period: its dates
// in the company record, and per employee the check number and the current column of 75 amount
// groups (every group but UICompWages and DICompWages). Once 65 slots are in use, each further
// posting replaces slot 65.

// Takes the slot for the pay period about to be posted, as CompanyRec.PriorPeriodCount: the next
// one while fewer than 65 are in use. With all 65 in use, asks whether to post anyway, which
// replaces slot 65; false when the user declines, with nothing changed.
bool ClaimPayHistorySlot();

// Stores the open pay period into slot CompanyRec.PriorPeriodCount: its dates into the company
// record and the current employee's check number and current amounts into the employee record,
// replacing what the slot held. Posting calls it for every employee after ClaimPayHistorySlot; a
// count outside 1..65 raises ECustomException.
void SavePayPeriodToHistory();

// One stored pay period of the current employee.
struct StoredPayPeriod {
    QString PayDateFrom;
    QString PayDateTo;
    QString PayDate;
    int CheckNumber = 0;
    std::array<double, kPayHistoryRowCount> Rows{};  // pay history rows 0..74

    // The amount of an amount group (0..76) as posted; 0 for a group the history does not keep.
    double Amount(int group) const;
};

// Slot 1..65 of the pay history; any other slot raises ECustomException.
StoredPayPeriod ReadStoredPayPeriod(int slot);

// One line per slot in use, in slot order: the pay date and the slot number, as "03/13/2026 (6)".
QStringList StoredPayDateLines();
