#pragma once

#include "client/CompanyRecord.h"
#include "client/EmployeeRecord.h"
#include "client/PreparerRecord.h"
#include "forms/FormParams.h"

#include <QDate>
#include <QString>

#include <optional>

// Form 940, the employer's annual federal unemployment (FUTA) tax return, with its Schedule A.
// The whole return lives in the 940 block of the company record: lines 3 to 8 are gathered from
// the employees' year-to-date amounts, the other lines computed from what the user completes.

inline const QString kForm940Layout = QStringLiteral("Form940");
inline const QString kForm940VLayout = QStringLiteral("Form940V");
inline const QString kScheduleALayout = QStringLiteral("ScheduleA");

// Entries of CompanyRecord.F940Amount by the return's line.
namespace F940 {
enum Amount {
    TotalPayments = 1,     // line 3
    ExemptPayments = 2,    // line 4
    OverBase = 3,          // line 5, payments above the FUTA wage base
    Subtotal = 4,          // line 6
    TaxableWages = 5,      // line 7
    TaxBeforeAdjustments = 6, // line 8
    AllWagesExcluded = 7,  // line 9
    SomeWagesExcluded = 8, // line 10, typed
    CreditReduction = 9,   // line 11, from Schedule A
    TotalTax = 10,         // line 12
    Deposits = 11,         // line 13, typed
    BalanceDue = 12,       // line 14
    Overpayment = 13,      // line 15
    Quarter1 = 14,         // lines 16a to 16d
    Quarter4 = 17,
    YearLiability = 18,    // line 17
};
// Entries of CompanyRecord.F940Exempt, lines 4a to 4e.
enum Exempt { FringeBenefits = 1, GroupTermLife = 2, Retirement = 3, DependentCare = 4, Other = 5 };
} // namespace F940

inline constexpr double kFUTAWageBase = 7000;
inline constexpr double kFUTANetRate = 0.006;        // 6.0 % less the full 5.4 % state credit
inline constexpr double kStateCreditRate = 0.054;    // line 9: the credit lost on excluded wages
inline constexpr double kQuarterlyLiabilityFloor = 500;   // Part 5 is filled only above it

// The Schedule A rows in the schedule's order: 1 to 27 in its first column, 28 to 53 in its second.
inline constexpr int kScheduleARows = 53;
QString ScheduleAStateCode(int row);

// One employee's share of lines 3 to 5, year to date.
struct Form940Employee {
    double payments = 0;   // line 3
    double exempt = 0;     // line 4
    double overBase = 0;   // line 5
};
// Payments are the wages of box 1 with the elective deferrals, the tax-deferred user deductions,
// dependent care and cafeteria plan benefits put back: FUTA taxes all of those but the exempt
// payments, which are fringe benefits, group-term life, dependent care and cafeteria plans, or
// everything for an employee exempt from FUTA. What is left above the wage base is line 5.
Form940Employee Form940EmployeeShare(const EmployeeRecord& employee);

// Lines 3 to 8 and the exempt kinds of line 4 from every employee of the open client; Schedule A's
// rates are cleared. Leaves the current employee current.
void GatherForm940Totals(CompanyRecord& company);

// Lines 9, 12, 14, 15 and 17 from the record; without an overpayment neither choice stays checked.
void CalcForm940Lines(CompanyRecord& company);

enum class Form940Check {
    StateAndMultiState, StateOrMultiState, TooFewStates, TooManyStates, Line9And10, CreditReductionWages,
    NoCreditReduction, CheckedStateWithoutWages, WagesWithoutCheckedState, StateWagesAboveLine7, Overpayment,
    RefundAccount, Line12Line17
};
struct Form940Problem {
    Form940Check check;
    QString message;   // "~" marks the line breaks
    int row = 0;       // the Schedule A row, for StateWagesAboveLine7
};
std::optional<Form940Problem> CheckForm940(const CompanyRecord& company);

// Which layouts a print run fills besides "Form940".
bool PrintsForm940V(const CompanyRecord& company);
bool PrintsScheduleA(const CompanyRecord& company);

struct Form940PrintChoice {
    bool filingCopy = true;
    QString printDateText;        // the copy dialog's date
    bool noPrintPrepInfo = false;
    QDate today;
};
FormParams Form940Params(const CompanyRecord& company, const PreparerRecord& preparer, const Form940PrintChoice& choice);
FormParams Form940VParams(const CompanyRecord& company, bool filingCopy);
FormParams ScheduleAParams(const CompanyRecord& company, bool filingCopy);
