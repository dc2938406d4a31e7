#pragma once

#include "client/CompanyRecord.h"
#include "client/EFW2SubmitterRecord.h"
#include "client/EmployeeRecord.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>

// The records of the EFW2 wage report, each built as its 512-character line: RA (submitter), RE
// (employer), RW and RO (employee), RT and RU (totals of one employer), RF (final). Every builder
// refuses what cannot be filed with EEFW2DataException.

// Amounts of an employee's RW record, in cents, in line order; the third-party payer's income tax
// is carried only to the total record.
enum EFW2WageAmount {
    kWages, kFederalTax, kSSWages, kSSTax, kMedicareWages, kMedicareTax, kSSTips, kDepCare,
    kCodeD, kCodeE, kCodeF, kCodeG, kCodeH, kNonqual457, kCodeW, kNonqualNot457, kCodeQ, kCodeC, kCodeV, kCodeY,
    kCodeAA, kCodeBB, kCodeDD, kCodeFF, kThirdPartyTax, kWageAmountCount
};

// Amounts of an employee's RO record, in cents, in line order.
enum EFW2OptionalAmount {
    kAllocatedTips, kCodeAB, kCodeR, kCodeS, kCodeT, kCodeM, kCodeN, kCodeZ, kCodeEE, kCodeGG, kCodeHH,
    kOptionalAmountCount
};

struct EFW2EmployeeAmounts {
    std::array<qint64, kWageAmountCount> wage {};
    std::array<qint64, kOptionalAmountCount> optional {};
    bool hasOptional() const;
};

// What the total records of one employer add up: the RW and RO records written.
struct EFW2EmployerTotals {
    int wageRecords = 0;
    int optionalRecords = 0;
    EFW2EmployeeAmounts sums;
    void add(const EFW2EmployeeAmounts& amounts);
};

// The sum of the employee's box 12 entries with the code, without regard to letter case.
double Box12Sum(const EmployeeRecord& employee, const QString& code);

// The names of the RW amounts, as the refusals name them.
QString EFW2WageFieldName(EFW2WageAmount amount);

// How an employee is named in messages.
QString EFW2EmployeeName(const EmployeeRecord& employee);
// First name (15), middle name (15), last name (20) and suffix (4) in a row, as the RW and RS
// lines hold them; owner names the employee in a refusal.
QByteArray EFW2NameFields(const EmployeeRecord& employee, const QString& owner);

// The kind of employer of the RE (N, T, S, Y or F, from the W-3 marks) and its employment code
// (R, M, A, F, X, H or Q, the W-3's kind of payer); a null character when none is marked.
QChar EFW2KindOfEmployer(const CompanyRecord& company);
QChar EFW2EmploymentCode(const CompanyRecord& company);
// Only state and local governments (S, Y) and tax-exempt organisations (T) have section 457
// plans: their box 11 is a section 457 amount, everyone else's is not.
bool HasSection457Plans(const CompanyRecord& company);

// box11Section457: where box 11 goes, see HasSection457Plans.
EFW2EmployeeAmounts EmployeeAmounts(const EmployeeRecord& employee, bool box11Section457);

// The submitter's stored texts (as entered on the EFW2 screen) as the RA line.
QByteArray SubmitterLine(const EFW2SubmitterRecord& submitter);
QByteArray EmployerLine(const CompanyRecord& company);
QByteArray EmployeeLine(const EmployeeRecord& employee, const EFW2EmployeeAmounts& amounts);
QByteArray OptionalEmployeeLine(const EFW2EmployeeAmounts& amounts);
QByteArray TotalLine(const EFW2EmployerTotals& totals);
QByteArray OptionalTotalLine(const EFW2EmployerTotals& totals);
QByteArray FinalLine(int wageRecords);

// A check of the submitter's data that failed: the screen field to focus and the message.
struct EFW2SubmitterProblem {
    QString field;
    QString message;
};

// The submitter checks in the screen's order; an empty field when all pass.
EFW2SubmitterProblem CheckSubmitter(const EFW2SubmitterRecord& submitter);
