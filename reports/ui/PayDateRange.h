#pragma once

class QComboBox;

// A range of posted pay dates chosen in a From and a To list, as pay history slots.
struct PayDateRange {
    int firstSlot = 1;
    int lastSlot = 1;
};

// Fills both lists with the stored pay dates, one entry per slot in slot order, and selects the
// entries of the two slots.
void FillPayDateLists(QComboBox* from, QComboBox* to, int firstSlot, int lastSlot);

// The slots chosen in the two lists. A From pay date later than the To pay date, or a From entry
// after the To entry (pay dates stored on the same day), raises EFieldException with "The pay
// date from cannot be" and "greater than the pay date to." on two lines.
PayDateRange CheckedPayDateRange(const QComboBox* from, const QComboBox* to);
