#pragma once

#include <QString>

// The earnings rows that carry a rate and hours cell, in the order the statements print them.
enum class RatedRow { Regular, Overtime, Holiday, Vacation, Sick, Other };

// The kinds of time the Payroll Summary adds up.
enum class PaidTime { Regular, Overtime, Holiday, Vacation, Sick, Other };

// A rate and an hours cell of an earnings row; an unset cell stays empty.
struct RateHoursCells {
    bool showRate = false;
    double rate = 0.0;
    bool showHours = false;
    double hours = 0.0;
};

// Where the figures of an earnings statement come from, for the employee in EmployeeRec: the
// current pay period, or what posting kept of an earlier pay date. The statements, their
// condensed form and the Payroll Summary read nothing else of the amounts, so the one drawing
// serves every pay date. Amount groups are numbered as in PayHistoryMap.h.
class StatementSource {
public:
    virtual ~StatementSource() = default;

    // Called for each employee before anything else is asked of it.
    virtual void BeginEmployee() {}
    // The employee gets a statement.
    virtual bool Listed() const = 0;
    // The number of employees that get a statement, counted once before the first.
    virtual int PaidCount() const = 0;

    virtual double ThisPeriod(int group) const = 0;
    virtual double YearToDate(int group) const = 0;
    virtual double GrossYearToDate() const = 0;
    virtual double GrossThisPeriod() const = 0;
    virtual double NetThisPeriod() const = 0;

    // Rate and hours of a row as the detailed statement prints them, and as a condensed slot
    // sets them.
    virtual RateHoursCells StatementCells(RatedRow row) const = 0;
    virtual RateHoursCells SlotCells(RatedRow row) const = 0;
    // The time of the pay date the Payroll Summary adds up; Regular counts as hours paid for an
    // hourly employee and as days paid for a salaried one.
    virtual double TimePaid(PaidTime kind) const = 0;

    virtual int CheckNumber() const = 0;
    virtual QString EmployeeName() const = 0;
    virtual QString PeriodFrom() const = 0;
    virtual QString PeriodTo() const = 0;
    virtual QString PayDate() const = 0;
    // Caption of the fourth employee line of a detailed statement.
    virtual QString StatusCaption() const = 0;
    // Caption of the Payroll Summary's last line.
    virtual QString SummaryCountCaption() const { return QStringLiteral("Total Employees Processed"); }
};

// The statements of the current pay period: the current column of each amount, the current
// column plus the year-to-date column (which receives the period only at posting) for the year,
// the rates and the hours entered or computed for the period.
class CurrentPeriodSource : public StatementSource {
public:
    bool Listed() const override;
    int PaidCount() const override;
    double ThisPeriod(int group) const override;
    double YearToDate(int group) const override;
    double GrossYearToDate() const override;
    double GrossThisPeriod() const override;
    double NetThisPeriod() const override;
    RateHoursCells StatementCells(RatedRow row) const override;
    RateHoursCells SlotCells(RatedRow row) const override;
    double TimePaid(PaidTime kind) const override;
    int CheckNumber() const override;
    QString EmployeeName() const override;
    QString PeriodFrom() const override;
    QString PeriodTo() const override;
    QString PayDate() const override;
    QString StatusCaption() const override;
};

// Texts every statement derives from the employee's present record.
QString StatusText();          // "Married", "HOH" or "Single", then "/" and two or more allowance digits
QString EmployeeNumberText();  // zero-filled to three digits at least
QString DepartmentPosition();
