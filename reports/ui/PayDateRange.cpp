#include "reports/ui/PayDateRange.h"

#include "components/DateRoutines.h"
#include "components/TextRoutines.h"
#include "payroll/PayHistory.h"
#include "platform/Exceptions.h"

#include <QComboBox>
#include <QSignalBlocker>

void FillPayDateLists(QComboBox* from, QComboBox* to, int firstSlot, int lastSlot)
{
    const QStringList lines = StoredPayDateLines();
    for (QComboBox* list : {from, to}) {
        const QSignalBlocker blocker(list);
        list->clear();
        list->addItems(lines);
    }
    from->setCurrentIndex(firstSlot - 1);
    to->setCurrentIndex(lastSlot - 1);
}

PayDateRange CheckedPayDateRange(const QComboBox* from, const QComboBox* to)
{
    const PayDateRange range{from->currentIndex() + 1, to->currentIndex() + 1};
    if (range.firstSlot > range.lastSlot
        || DaysBetweenDates(LeftChars(from->currentText(), 10), LeftChars(to->currentText(), 10)) < 0)
        throw EFieldException(TildeToLineBreak(QStringLiteral("The pay date from cannot be~greater than the pay date to.")));
    return range;
}
