#pragma once

#include "client/CompanyRecord.h"
#include "forms/EmployeeTaxTotals.h"

#include <QString>
#include <optional>

// The amounts of Form 941 as the company record keeps them: F941Amount[entry].
namespace F941 {
enum Entry {
    Wages = 1,                 // line 2
    IncomeTax = 2,             // line 3
    SocialSecurityWages = 3,   // line 5a, columns 1 and 2
    SocialSecurityTax = 4,
    SocialSecurityTips = 5,    // line 5b
    SocialSecurityTipsTax = 6,
    MedicareWages = 7,         // line 5c
    MedicareTax = 8,
    AdditionalMedicareWages = 9, // line 5d
    AdditionalMedicareTax = 10,
    SocialSecurityMedicareTotal = 11, // line 5e
    NoticeAndDemandTax = 12,   // line 5f
    TaxesBeforeAdjustments = 13, // line 6
    FractionsOfCents = 14,     // line 7
    SickPay = 15,              // line 8
    TipsAndLifeInsurance = 16, // line 9
    TaxesAfterAdjustments = 17, // line 10
    SmallBusinessCredit = 18,  // line 11
    TotalTaxes = 19,           // line 12
    Deposits = 20,             // line 13
    BalanceDue = 21,           // line 14
    Overpayment = 22,          // line 15
    LastEntry = 22
};
// F941ChkMark[mark]
enum Mark {
    NotSubjectToTaxes = 1,     // line 4
    ApplyToNextReturn = 2,     // line 15
    SendRefund = 3,
    SmallFiler = 4,            // line 16: line 12 below 2,500
    MonthlyDepositor = 5,
    SemiweeklyDepositor = 6,
    BusinessClosed = 7,        // line 17
    SeasonalEmployer = 8,      // line 18
};
} // namespace F941

// Below this a return's tax needs no deposit record: line 16's first box (941), line 13's (944).
inline constexpr double kSmallFilerLimit = 2500.00;
// A balance or an overpayment under a dollar need not be paid, applied or refunded.
inline constexpr double kSmallestPayment = 0.99;

// Puts the quarter's employee totals into the gathered lines: 1 (the employees paid), 2, 3, 5a-5e,
// 7 (the fractions of cents) and 8 (the taxes on third-party sick pay). The lines the user enters
// stay as they are.
void ApplyForm941Totals(CompanyRecord& company, const EmployeeTaxTotals& quarter);
// The open client's quarter-to-date totals applied, with line 1 the employees posting counted as
// paid for a pay period including the 12th of the current quarter's last month.
struct Form941Gathered {
    bool thirdPartySickPay = false;  // line 8 is then not the user's to change
    bool employeesPaid = false;      // some employee has wages this quarter: the payroll's own return
};
Form941Gathered GatherForm941Totals(CompanyRecord& company);

// Lines 6, 10, 12, 14 and 15 from the others, each to the cent; without an overpayment neither of
// line 15's boxes stays checked.
void CalcForm941Lines(CompanyRecord& company);

// Line 16's boxes as the screen sets them when it opens.
void SetForm941DepositBoxes(CompanyRecord& company);
// The user changed line 16's first box: it can give way only to the monthly box, and only when
// line 12 is 2,500 or more.
void Form941SmallFilerBoxChanged(CompanyRecord& company, bool checkedNow);

enum class Form941Check { Quarter, Line4, Overpayment, RefundAccount, Line16, FinalDate };
struct Form941Problem {
    Form941Check check;
    QString message;   // "~" marks the line breaks
};

// What stops the return from printing, the first fault in the order the user should mend them.
// quarterMissing: the user must choose a quarter (no employee was paid) and has not.
std::optional<Form941Problem> CheckForm941(const CompanyRecord& company, bool quarterMissing);

// The question before printing the return of a monthly or semiweekly schedule depositor whose line
// 13 (deposits) is 0.00 with a balance due: such a depositor has deposited during the quarter, and
// the return and its voucher would ask for the whole balance. None otherwise; "~" marks the line
// breaks.
std::optional<QString> Form941DepositsWarning(const CompanyRecord& company);
