#include "payroll/PayHistory.h"

#include "client/PayRecords.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

void RequireSlot(int slot)
{
    if (slot < 1 || slot > kStoredPayPeriods)
        throw ECustomException(
            QStringLiteral("Pay history slot %1 does not exist; slots run from 1 to %2.").arg(slot).arg(kStoredPayPeriods));
}

} // namespace

bool ClaimPayHistorySlot()
{
    const int count = CompanyRec.PriorPeriodCount;
    if (count < kStoredPayPeriods) {
        CompanyRec.PriorPeriodCount = (count < 0 ? 0 : count) + 1;
        return true;
    }
    if (AppMessageBox(QStringLiteral("You have reached the maximum number of Prior Payroll Periods~that can be stored by "
                                     "the program.~~You will not be able to view the current payroll once it has been~"
                                     "posted."),
                      QCoreApplication::applicationName(), MbOkCancel | MbIconQuestion | MbDefButton2)
        != IdOk)
        return false;
    CompanyRec.PriorPeriodCount = kStoredPayPeriods;
    return true;
}

void SavePayPeriodToHistory()
{
    const int slot = CompanyRec.PriorPeriodCount;
    RequireSlot(slot);
    CompanyRec.PriorPayDateFrom[slot] = CompanyRec.PayDateFrom.get();
    CompanyRec.PriorPayDateTo[slot] = CompanyRec.PayDateTo.get();
    CompanyRec.PriorPayDate[slot] = CompanyRec.PayDate.get();
    EmployeeRec.CheckNumHistory[slot] = EmployeeRec.CheckNumber;
    for (int row = 0; row < kPayHistoryRowCount; ++row)
        EmployeeRec.PayHistory[row][slot] = AmountGroup(EmployeeRec, AmountGroupOfPayHistoryRow(row))[kCurrentColumn];
}

double StoredPayPeriod::Amount(int group) const
{
    const std::optional<int> row = PayHistoryRowOfGroup(group);
    return row ? Rows[static_cast<std::size_t>(*row)] : 0;
}

StoredPayPeriod ReadStoredPayPeriod(int slot)
{
    RequireSlot(slot);
    StoredPayPeriod period;
    period.PayDateFrom = CompanyRec.PriorPayDateFrom[slot].get();
    period.PayDateTo = CompanyRec.PriorPayDateTo[slot].get();
    period.PayDate = CompanyRec.PriorPayDate[slot].get();
    period.CheckNumber = EmployeeRec.CheckNumHistory[slot];
    for (int row = 0; row < kPayHistoryRowCount; ++row)
        period.Rows[static_cast<std::size_t>(row)] = EmployeeRec.PayHistory[row][slot];
    return period;
}

QStringList StoredPayDateLines()
{
    QStringList lines;
    const int count = std::min<int>(CompanyRec.PriorPeriodCount, kStoredPayPeriods);
    for (int slot = 1; slot <= count; ++slot)
        lines << QStringLiteral("%1 (%2)").arg(CompanyRec.PriorPayDate[slot].get()).arg(slot);
    return lines;
}
