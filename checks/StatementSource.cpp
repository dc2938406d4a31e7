#include "checks/StatementSource.h"

#include "checks/StatementGroups.h"
#include "client/EmployeeIndex.h"
#include "client/PayHistoryMap.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"

namespace G = StatementGroup;

bool CurrentPeriodSource::Listed() const
{
    return EmployeeHasPay();
}

int CurrentPeriodSource::PaidCount() const
{
    return CountEmployeesWithPay();
}

double CurrentPeriodSource::ThisPeriod(int group) const
{
    return AmountGroup(EmployeeRec, group)[kCurrentColumn];
}

double CurrentPeriodSource::YearToDate(int group) const
{
    const TPeriodAmounts& amounts = AmountGroup(EmployeeRec, group);
    return amounts[kCurrentColumn] + amounts[kYearToDateColumn];
}

double CurrentPeriodSource::GrossYearToDate() const
{
    // Tips kept out of gross wages still belong to what the employee earned this year.
    double gross = YearToDate(G::GrossWages);
    if (!CompanyRec.IncludeTips)
        gross += YearToDate(G::Tips);
    return gross;
}

double CurrentPeriodSource::GrossThisPeriod() const
{
    return ThisPeriod(G::GrossWages);
}

double CurrentPeriodSource::NetThisPeriod() const
{
    return ThisPeriod(G::NetPay);
}

RateHoursCells CurrentPeriodSource::StatementCells(RatedRow row) const
{
    const EmployeeRecord& e = EmployeeRec;
    const bool hourly = !e.Salaried;
    RateHoursCells cells;
    const auto both = [&cells](bool shown, double rate, double hours) {
        cells = {shown, rate, shown, hours};
    };
    switch (row) {
    case RatedRow::Regular:
        cells = {hourly, e.RegularRate, hourly && e.RegularTime != 0.0, e.RegularTime};
        break;
    case RatedRow::Overtime:
        // Negative overtime hours (a correction) show the hours, never a rate for them.
        cells = {hourly && e.OverTime > 0.0, e.OverTimeRate, hourly && e.OverTime != 0.0, e.OverTime};
        break;
    case RatedRow::Holiday: both(hourly && e.HolidayTime != 0.0, e.RegularRate, e.HolidayTime); break;
    case RatedRow::Vacation: both(hourly && ThisPeriod(G::VacationPay) != 0.0, e.RegularRate, e.VacationTime); break;
    case RatedRow::Sick: both(hourly && ThisPeriod(G::SickPay) != 0.0, e.RegularRate, e.SickTime); break;
    case RatedRow::Other: both(e.OtherTime != 0.0, e.OtherRate, e.OtherTime); break;
    }
    return cells;
}

RateHoursCells CurrentPeriodSource::SlotCells(RatedRow row) const
{
    const EmployeeRecord& e = EmployeeRec;
    if (e.Salaried)
        return {};
    RateHoursCells cells;
    const auto both = [&cells](bool shown, double rate, double hours) {
        cells = {shown, rate, shown, hours};
    };
    switch (row) {
    case RatedRow::Regular: cells = {true, e.RegularRate, e.RegularTime != 0.0, e.RegularTime}; break;
    case RatedRow::Overtime: both(e.OverTime != 0.0, e.OverTimeRate, e.OverTime); break;
    case RatedRow::Holiday: both(e.HolidayTime != 0.0, e.RegularRate, e.HolidayTime); break;
    case RatedRow::Vacation: both(ThisPeriod(G::VacationPay) != 0.0, e.RegularRate, e.VacationTime); break;
    case RatedRow::Sick: both(ThisPeriod(G::SickPay) != 0.0, e.RegularRate, e.SickTime); break;
    case RatedRow::Other: both(e.OtherTime != 0.0, e.OtherRate, e.OtherTime); break;
    }
    return cells;
}

double CurrentPeriodSource::TimePaid(PaidTime kind) const
{
    const EmployeeRecord& e = EmployeeRec;
    switch (kind) {
    case PaidTime::Regular: return e.RegularTime;
    case PaidTime::Overtime: return e.OverTime;
    case PaidTime::Holiday: return e.HolidayTime;
    case PaidTime::Vacation: return e.VacationTime;
    case PaidTime::Sick: return e.SickTime;
    case PaidTime::Other: return e.OtherTime;
    }
    return 0.0;
}

int CurrentPeriodSource::CheckNumber() const
{
    return EmployeeRec.CheckNumber;
}

QString CurrentPeriodSource::EmployeeName() const
{
    return GetEmployeeName(1, true);
}

QString CurrentPeriodSource::PeriodFrom() const
{
    return CompanyRec.PayDateFrom;
}

QString CurrentPeriodSource::PeriodTo() const
{
    return CompanyRec.PayDateTo;
}

QString CurrentPeriodSource::PayDate() const
{
    return CompanyRec.PayDate;
}

QString CurrentPeriodSource::StatusCaption() const
{
    return QStringLiteral("Withholding Tax Status:");
}

QString StatusText()
{
    const EmployeeRecord& e = EmployeeRec;
    const QString status = e.Married ? QStringLiteral("Married") : e.HOH ? QStringLiteral("HOH") : QStringLiteral("Single");
    return status + QLatin1Char('/') + QStringLiteral("%1").arg(e.FedWithAllow, 2, 10, QLatin1Char('0'));
}

QString EmployeeNumberText()
{
    return QStringLiteral("%1").arg(EmployeeRec.EmployeeNum, 3, 10, QLatin1Char('0'));
}

QString DepartmentPosition()
{
    return QString(EmployeeRec.Department) + QLatin1Char('/') + QString(EmployeeRec.Position);
}
