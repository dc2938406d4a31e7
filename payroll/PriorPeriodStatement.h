#pragma once

#include "payroll/PayHistory.h"

#include <QString>

#include <array>
#include <vector>

// The earnings statement that the prior payroll period windows lay out: four columns of lines,
// each line an amount group with its caption. The last lines of three columns are totals.

enum class StatementColumn { Earnings, TaxesAndDeductions, EmployerLiabilities, OtherPayrollData };
inline constexpr int kStatementColumnCount = 4;

// Amount groups the statement treats apart from the rest.
inline constexpr int kOtherTimePayGroup = 5;
inline constexpr int kTipsGroup = 7;
inline constexpr int kGTLIAmountGroup = 10;
inline constexpr int kGrossWagesGroup = 16;
inline constexpr int kTotalDeductGroup = 36;
inline constexpr int kNetPayGroup = 37;
inline constexpr int kTotalLibGroup = 48;

struct StatementLine {
    int group;              // amount group 0..76
    const char* name;       // the amount label is "PPP" + name
    const char* caption;    // empty for a user item: its caption is the company's name for it
    int userItem = 0;       // 1..5 for user earning, deduction or liability k of its column
    bool total = false;
};

QString StatementColumnHeading(StatementColumn column);
// The lines of a column, top to bottom.
const std::vector<StatementLine>& StatementLines(StatementColumn column);
// The company's name for user item 1..5 of a column, as stored.
QString UserItemName(StatementColumn column, int userItem);

// An amount as the statement shows it: thousands separators and cents ("1,234.50").
QString StatementAmount(double amount);

// Parts of the statement's header, from the current records.
QString CompanyAddressLine();          // the address, with " Ste " and the suite when there is one
QString WithholdingStatusText();       // "Married", "HOH" or "Single", "/" and the allowances in two digits
QString RegularRateText();             // the rate with six decimals

// The sums of the prior period views: every amount line summed over the periods added, and the
// four totals formed from those sums rather than read from the stored totals. Gross pay leaves
// the tips out when the company leaves them out of gross pay, as every stored total does, so the
// views' net pay is what the employees were paid.
class PriorPeriodSums {
public:
    explicit PriorPeriodSums(bool tipsInGrossPay);

    void Add(const StoredPayPeriod& period);

    // A line's amount: its sum, or for GrossWages, TotalDeduct, NetPay and TotalLib the total.
    double Amount(int group) const;
    double GrossPay() const;
    double TotalDeductions() const;
    double NetPay() const { return GrossPay() - TotalDeductions(); }
    double TotalLiabilities() const;

private:
    double sumOf(StatementColumn column) const;

    bool tipsInGrossPay_;
    std::array<double, kAmountGroupCount> sums_{};
};

// The current employee's periods in slots first..last.
PriorPeriodSums SumEmployeePayPeriods(int firstSlot, int lastSlot);
// Every employee's period in one slot; the employee that was current stays current.
PriorPeriodSums SumPayPeriodOfAllEmployees(int slot);

// The name of the other-periods report over slots first..last of periodCount stored periods.
QString EarningsReportName(int firstSlot, int lastSlot, int periodCount);

// The windows that show stored periods need one: without any, says "There are no prior payroll
// periods to show." and returns false.
bool CheckPriorPayPeriodsStored();
