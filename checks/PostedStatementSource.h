#pragma once

#include "checks/StatementSource.h"
#include "client/PayHistoryMap.h"
#include "payroll/PayDateRange.h"
#include "payroll/PayHistory.h"

// Gross wages, net pay or gross third-party sick pay was stored for the pay date: the test that
// decides who was paid on a posted pay date.
bool HasPostedPay(const StoredPayPeriod& period);

// Statements of a pay date that posting kept: each figure is read from the employee's pay history
// slot, never from the to-date columns or the employee's present rates. Rates are what the pay
// date paid per hour; gross and net pay are formed from the single earnings and the stored total
// deductions.
class PostedStatementSource : public StatementSource {
public:
    double ThisPeriod(int group) const override { return period_.Amount(group); }
    double YearToDate(int group) const override { return yearToDate_.Amount(group); }
    // Every earnings group but the cost of group-term life insurance, tips always included.
    double GrossYearToDate() const override;
    // Tips only when the company counts them in gross pay.
    double GrossThisPeriod() const override;
    double NetThisPeriod() const override;
    RateHoursCells StatementCells(RatedRow row) const override;
    RateHoursCells SlotCells(RatedRow row) const override { return StatementCells(row); }
    double TimePaid(PaidTime kind) const override;
    int CheckNumber() const override { return period_.CheckNumber; }
    QString EmployeeName() const override;
    QString PeriodFrom() const override { return period_.PayDateFrom; }
    QString PeriodTo() const override { return period_.PayDateTo; }
    QString PayDate() const override { return period_.PayDate; }
    QString StatusCaption() const override { return QStringLiteral("Marital Status:"); }
    QString SummaryCountCaption() const override { return QStringLiteral("Total employees processed"); }

protected:
    StoredPayPeriod period_;
    StoredAmountSums yearToDate_;
};

// The statements of one posted pay date for every employee paid on it; the year to date adds the
// employee's pay dates from the first stored one up to this one.
class PriorPayDateSource : public PostedStatementSource {
public:
    explicit PriorPayDateSource(int slot);

    void BeginEmployee() override;
    bool Listed() const override;
    int PaidCount() const override;

private:
    int slot_;
};

// The statements of the employee in EmployeeRec, one for each pay date of a range that lists it; the year to date runs over the pay dates listed so far. A pay date lists the employee
// when it stored pay or a fringe benefit, so that a statement of a fringe benefit alone is also
// counted when the statements are placed on the pages.
class EmployeePayDateSource : public PostedStatementSource {
public:
    explicit EmployeePayDateSource(const PayDateRange& range);

    // Reads the pay date of a slot; when it is listed, adds it to the year to date.
    void VisitSlot(int slot);
    bool Listed() const override { return listed_; }
    int PaidCount() const override;

private:
    static bool ListsEmployee(const StoredPayPeriod& period);

    PayDateRange range_;
    bool listed_ = false;
};
