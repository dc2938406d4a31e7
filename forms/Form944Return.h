#pragma once

#include "client/CompanyRecord.h"
#include "client/RecordFields.h"
#include "forms/EmployeeTaxTotals.h"

#include <QString>
#include <optional>

// Form 944 as its screen shows it. Most of the return is gathered anew from the employees at every
// opening; the company record keeps only lines 6, 8 and 10, line 12's choice and the closing of the
// business (LoadForm944Block, SaveForm944Block). Every amount is to the cent, as its entry holds it.
namespace F944 {
enum Amount {
    Wages = 1,                 // line 1
    IncomeTax = 2,             // line 2
    SocialSecurityWages = 3,   // line 4a, columns 1 and 2
    SocialSecurityTax = 4,
    SocialSecurityTips = 5,    // line 4b
    SocialSecurityTipsTax = 6,
    MedicareWages = 7,         // line 4c
    MedicareTax = 8,
    AdditionalMedicareWages = 9, // line 4d
    AdditionalMedicareTax = 10,
    SocialSecurityMedicareTotal = 11, // line 4e
    TaxesBeforeAdjustments = 12, // line 5
    Adjustments = 13,          // line 6
    TaxesAfterAdjustments = 14, // line 7
    Credit = 15,               // line 8
    TotalTaxes = 16,           // line 9
    Deposits = 17,             // line 10
    BalanceDue = 18,           // line 11
    Overpayment = 19,          // line 12
    LastAmount = 19
};
enum Mark {
    NotSubjectToTaxes = 1,     // line 3
    ApplyToNextReturn = 2,     // line 12
    SendRefund = 3,
    SmallFiler = 4,            // line 13: line 9 less than 2,500
    MonthlyLiabilities = 5,    // line 13: 2,500 or more, months 13a-13m filled in
    BusinessClosed = 6,
};
} // namespace F944

struct Form944Return {
    RecordArray<double, 1, F944::LastAmount> amount{};
    RecordArray<double, 1, 12> monthLiability{};   // lines 13a-13l, January to December
    double totalLiability = 0;                     // line 13m
    RecordArray<bool, 1, 6> mark{};
    QString finalDate;                             // "mm/dd/yyyy", or blank
};

// Lines 1-4e from the year's employee totals. Line 6, kept in the company record, starts as the
// fractions of cents less the taxes withheld on third-party sick pay.
void ApplyForm944Totals(Form944Return& form, CompanyRecord& company, const EmployeeTaxTotals& year);
// Lines 13a-13l: the liabilities posting added into the month of each pay date.
void ApplyForm944MonthLiabilities(Form944Return& form, const CompanyRecord& company);
// Both of the above for the open client (every employee's year-to-date), then line 13m.
void GatherForm944Totals(Form944Return& form, CompanyRecord& company);

void LoadForm944Block(Form944Return& form, const CompanyRecord& company);
void SaveForm944Block(const Form944Return& form, CompanyRecord& company);

// Lines 5, 7, 9, 11, 12, line 13's boxes and line 13m; without an overpayment neither of line 12's
// boxes stays checked.
void CalcForm944Lines(Form944Return& form);

enum class Form944Check { Line3, Overpayment, RefundAccount, Line13m, FinalDate };
struct Form944Problem {
    Form944Check check;
    QString message;   // "~" marks the line breaks
};
// company: the bank account a refund goes to.
std::optional<Form944Problem> CheckForm944(const Form944Return& form, const CompanyRecord& company);
