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
    kCodeD, kCodeE, kCodeF, kCodeG, kCodeH, kNonqual457, kCodeW, kCodeQ, kCodeC, kCodeV, kCodeY,
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

// How an employee is named in messages.
QString EFW2EmployeeName(const EmployeeRecord& employee);
// First name (15), middle name (15), last name (20) and suffix (4) in a row, as the RW and RS
// lines hold them; owner names the employee in a refusal.
QByteArray EFW2NameFields(const EmployeeRecord& employee, const QString& owner);

EFW2EmployeeAmounts EmployeeAmounts(const EmployeeRecord& employee);

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
