#include "client/CompanyAddress.h"

#include "client/CompanyRecord.h"

#include <QRegularExpression>

QString SuiteText(const QString& suite, const QString& word)
{
    const QString typed = suite.trimmed();
    if (typed.isEmpty())
        return {};
    // The words of the postal service's secondary unit designators a bookkeeper types, and "#".
    static const QRegularExpression designated(
        QStringLiteral("^(#|(STE|SUITE|RM|ROOM|APT|UNIT|FL|FLOOR|BLDG|DEPT|SPC|LOT|PMB|OFC|OFFICE)(?![A-Za-z]))"),
        QRegularExpression::CaseInsensitiveOption);
    return designated.match(typed).hasMatch() ? typed : word + QChar(' ') + typed;
}

QString StreetWithSuite(const QString& street, const QString& suite, const QString& word)
{
    const QString printed = SuiteText(suite, word);
    return printed.isEmpty() ? street : street + QChar(' ') + printed;
}

QString CompanyStreetLine(const CompanyRecord& company, const QString& word)
{
    return StreetWithSuite(company.Address.get(), company.SuiteNum.get(), word);
}
