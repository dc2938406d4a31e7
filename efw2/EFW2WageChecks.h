#pragma once

#include "efw2/EFW2Fields.h"
#include "efw2/EFW2Records.h"

#include <QChar>
#include <QString>
#include <QStringList>

// The SSA's own checks of a wage report, made on every RW and RT before anything is written, so
// that a file the SSA would refuse never leaves the program. Each refusal names the employee (or
// the employer's totals) and the field.

// 2026: Social Security wages and tips up to the wage base, and 6.2 % of it at most withheld.
inline constexpr qint64 kSocialSecurityWageBaseCents = 18'450'000;
inline constexpr qint64 kSocialSecurityTaxLimitCents = 1'143'900;

// A wage report the SSA would refuse: its message is the first refusal and the count of all.
class EEFW2RefusedException : public EEFW2DataException {
public:
    explicit EEFW2RefusedException(const QStringList& refusals);
    const QStringList& refusals() const { return refusals_; }

private:
    QStringList refusals_;
};

class EFW2WageChecks {
public:
    // employmentCode: the RE's, which exempts railroad employment (X) from the Medicare rule.
    explicit EFW2WageChecks(QChar employmentCode);

    // owner: how the employee is named (EFW2EmployeeName).
    void checkEmployee(const QString& owner, const EFW2EmployeeAmounts& amounts);
    void checkTotals(const EFW2EmployerTotals& totals);

    const QStringList& refusals() const { return refusals_; }
    // Raises EEFW2RefusedException with every refusal found; returns when there is none.
    void raiseRefusals() const;

private:
    // The rules that hold for one W-2 and for the employer's sums alike.
    void checkRelations(const QString& owner, const EFW2EmployeeAmounts& amounts);
    void refuse(const QString& text);

    QChar employmentCode_;
    QStringList refusals_;
};
