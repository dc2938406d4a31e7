#pragma once

#include "forms/FormParams.h"

#include <QString>

#include <optional>

struct CompanyRecord;

// Schedule B (Form 941), the daily federal tax liability of a semiweekly schedule depositor:
// CompanyRec.TaxLibMonth[m][d] holds day d (1..31) of month m (1..3) of the quarter, [m][32]
// the month's total, and TaxLibQtr the quarter's.

inline const QString kScheduleBLayout = QStringLiteral("ScheduleB");
// The calendar year printed in the four year boxes.
inline const QString kScheduleBYear = QStringLiteral("2026");

// Month totals from the 31 day boxes of each month (days a month lacks count like any other),
// and the quarter total from the month totals.
void CalcTotals(CompanyRecord& company);

// Why the schedule cannot be printed, the lines parted by "~": no quarter chosen, or a quarter
// total that differs at cents from Form 941 line 12 as last stored. Nothing when it can.
std::optional<QString> ScheduleBPrintFault(const CompanyRecord& company);

// The parameters of the layout "ScheduleB": the file-copy banner unless filingCopy, the EIN
// digits, the name in capitals, the year, the quarter's check mark, and every day, month and
// quarter amount that is not 0 at cents.
FormParams ScheduleBParams(const CompanyRecord& company, bool filingCopy);
