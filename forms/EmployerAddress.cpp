#include "forms/EmployerAddress.h"

#include "client/CompanyRecord.h"
#include "components/TextRoutines.h"

QString EmployerStreet(const CompanyRecord& company, const QString& suiteSeparator)
{
    const QString suite = company.SuiteNum;
    return IsBlank(suite) ? company.Address.get() : company.Address.get() + suiteSeparator + suite;
}

QString EmployerStateOrProvince(const CompanyRecord& company)
{
    return company.ForeignAdr ? company.ForeignProvCo.get() : company.State.get();
}

QString EmployerCountryAndPostalCode(const CompanyRecord& company)
{
    if (!company.ForeignAdr)
        return company.ZipCode;
    const QString country = company.ForeignCountry.get().trimmed();
    const QString postalCode = company.ForeignZipCode.get().trimmed();
    if (country.isEmpty() || postalCode.isEmpty())
        return country + postalCode;
    return country + QLatin1Char(' ') + postalCode;
}
