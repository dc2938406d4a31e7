#include "checks/PostedStatementSource.h"

#include "checks/StatementGroups.h"
#include "client/EmployeeLoop.h"
#include "client/PayRecords.h"

namespace G = StatementGroup;

namespace {

// The earnings groups of gross pay, tips and the cost of group-term life insurance aside.
constexpr int kGrossGroups[] = {G::Wages,      G::OverTimePay, G::HolidayPay, G::VacationPay, G::SickPay,
                                G::OtherTimePay, G::Bonus,     G::DepCareBen, G::FringeBen,   G::UserPay1,
                                G::UserPay1 + 1, G::UserPay1 + 2, G::UserPay1 + 3, G::UserPay1 + 4};

int Group(const char* name)
{
    return AmountGroupNumber(QString::fromLatin1(name));
}

} // namespace

bool HasPostedPay(const StoredPayPeriod& period)
{
    return period.Amount(G::GrossWages) != 0.0 || period.Amount(G::NetPay) != 0.0 || period.Amount(G::TPSPGross) != 0.0;
}

double PostedStatementSource::GrossYearToDate() const
{
    double gross = YearToDate(G::Tips);
    for (int group : kGrossGroups)
        gross += YearToDate(group);
    return gross;
}

double PostedStatementSource::GrossThisPeriod() const
{
    double gross = CompanyRec.IncludeTips ? ThisPeriod(G::Tips) : 0.0;
    for (int group : kGrossGroups)
        gross += ThisPeriod(group);
    return gross;
}

double PostedStatementSource::NetThisPeriod() const
{
    return GrossThisPeriod() - ThisPeriod(G::TotalDeduct);
}

RateHoursCells PostedStatementSource::StatementCells(RatedRow row) const
{
    if (EmployeeRec.Salaried)
        return {};
    static const std::pair<int, int> kRows[] = {
        {G::Wages, Group("HoursPaid")},          {G::OverTimePay, Group("OverTimePaid")},
        {G::HolidayPay, Group("HolidayPaid")},   {G::VacationPay, Group("VacationPaid")},
        {G::SickPay, Group("SickTimePaid")},     {G::OtherTimePay, Group("OtherTimePaid")},
    };
    const auto [amountGroup, hoursGroup] = kRows[static_cast<int>(row)];
    const double hours = ThisPeriod(hoursGroup);
    if (hours == 0.0)
        return {};
    return {true, ThisPeriod(amountGroup) / hours, true, hours};
}

double PostedStatementSource::TimePaid(PaidTime kind) const
{
    switch (kind) {
    case PaidTime::Regular: return ThisPeriod(EmployeeRec.Salaried ? Group("DaysPaid") : Group("HoursPaid"));
    case PaidTime::Overtime: return ThisPeriod(Group("OverTimePaid"));
    case PaidTime::Holiday: return ThisPeriod(Group("HolidayPaid"));
    case PaidTime::Vacation: return ThisPeriod(Group("VacationPaid"));
    case PaidTime::Sick: return ThisPeriod(Group("SickTimePaid"));
    case PaidTime::Other: return ThisPeriod(Group("OtherTimePaid"));
    }
    return 0.0;
}

QString PostedStatementSource::EmployeeName() const
{
    return EmployeeRec.FullName;
}

PriorPayDateSource::PriorPayDateSource(int slot)
    : slot_(slot)
{
}

void PriorPayDateSource::BeginEmployee()
{
    period_ = ReadStoredPayPeriod(slot_);
    yearToDate_ = SumStoredPayPeriods(PayDateRange{1, slot_});
}

bool PriorPayDateSource::Listed() const
{
    return HasPostedPay(period_);
}

int PriorPayDateSource::PaidCount() const
{
    int count = 0;
    EmployeeLoop employees;
    while (employees.Next())
        count += HasPostedPay(ReadStoredPayPeriod(slot_));
    employees.Finish();
    return count;
}

EmployeePayDateSource::EmployeePayDateSource(const PayDateRange& range)
    : range_(range)
{
}

bool EmployeePayDateSource::ListsEmployee(const StoredPayPeriod& period)
{
    return HasPostedPay(period) || period.Amount(G::FringeBen) != 0.0;
}

void EmployeePayDateSource::VisitSlot(int slot)
{
    period_ = ReadStoredPayPeriod(slot);
    listed_ = ListsEmployee(period_);
    if (!listed_)
        return;
    yearToDate_.Add(period_);
}

int EmployeePayDateSource::PaidCount() const
{
    int count = 0;
    for (int slot = range_.First; slot <= range_.Last; ++slot)
        count += ListsEmployee(ReadStoredPayPeriod(slot));
    return count;
}
