#include "efw2/EFW2WageChecks.h"

#include "components/NumberRoutines.h"

namespace {

const QString kTotals = QStringLiteral("the employer's totals (RT)");

QString Money(qint64 cents)
{
    return FormatAmount(static_cast<double>(cents) / 100.0, 2, true);
}

QString Field(EFW2WageAmount amount)
{
    return EFW2WageFieldName(amount);
}

QString SocialSecurityWagesAndTips()
{
    return Field(kSSWages) + QStringLiteral(" plus ") + Field(kSSTips);
}

} // namespace

EEFW2RefusedException::EEFW2RefusedException(const QStringList& refusals)
    : EEFW2DataException(refusals.size() == 1
                             ? QStringLiteral("The SSA would refuse this wage report:~%1").arg(refusals.front())
                             : QStringLiteral("The SSA would refuse this wage report for %1 reasons; the first:~%2")
                                   .arg(refusals.size())
                                   .arg(refusals.front())),
      refusals_(refusals)
{
}

EFW2WageChecks::EFW2WageChecks(QChar employmentCode)
    : employmentCode_(employmentCode)
{
}

void EFW2WageChecks::refuse(const QString& text)
{
    QString message = text;
    message[0] = message[0].toUpper();
    refusals_.append(message);
}

void EFW2WageChecks::checkEmployee(const QString& owner, const EFW2EmployeeAmounts& amounts)
{
    const auto& wage = amounts.wage;
    const qint64 wagesAndTips = wage[kSSWages] + wage[kSSTips];
    if (wagesAndTips > kSocialSecurityWageBaseCents)
        refuse(QStringLiteral("%1 of %2 are %3, above the 2026 social security wage base of %4.")
                   .arg(SocialSecurityWagesAndTips(), owner, Money(wagesAndTips), Money(kSocialSecurityWageBaseCents)));
    if (wage[kSSTax] > kSocialSecurityTaxLimitCents)
        refuse(QStringLiteral("%1 of %2 is %3, above the 2026 limit of %4.")
                   .arg(Field(kSSTax), owner, Money(wage[kSSTax]), Money(kSocialSecurityTaxLimitCents)));
    checkRelations(owner, amounts);
}

void EFW2WageChecks::checkTotals(const EFW2EmployerTotals& totals)
{
    checkRelations(kTotals, totals.sums);
}

void EFW2WageChecks::checkRelations(const QString& owner, const EFW2EmployeeAmounts& amounts)
{
    const auto& wage = amounts.wage;
    const qint64 wagesAndTips = wage[kSSWages] + wage[kSSTips];
    // Railroad employment reports its wages under the RRTA, not in these fields.
    if (employmentCode_ != QLatin1Char('X') && wage[kMedicareWages] < wagesAndTips)
        refuse(QStringLiteral("%1 of %2 are %3, less than %4 (%5).")
                   .arg(Field(kMedicareWages), owner, Money(wage[kMedicareWages]), SocialSecurityWagesAndTips(),
                        Money(wagesAndTips)));
    if (wage[kSSTax] > 0 && wagesAndTips == 0)
        refuse(QStringLiteral("%1 of %2 is %3 without any %4.")
                   .arg(Field(kSSTax), owner, Money(wage[kSSTax]), SocialSecurityWagesAndTips()));
    if (wage[kMedicareTax] > 0 && wage[kMedicareWages] == 0)
        refuse(QStringLiteral("%1 of %2 is %3 without any %4.")
                   .arg(Field(kMedicareTax), owner, Money(wage[kMedicareTax]), Field(kMedicareWages)));
}

void EFW2WageChecks::raiseRefusals() const
{
    if (!refusals_.isEmpty())
        throw EEFW2RefusedException(refusals_);
}
