#include "forms/FormHeader.h"

#include "client/CompanyRecord.h"
#include "forms/FormParams.h"

QString FormHeader::EINBox(int k) const
{
    return k >= 1 && k <= EINDigits.size() ? EINDigits.mid(k - 1, 1) : QString();
}

FormHeader CompanyFormHeader(const CompanyRecord& company)
{
    FormHeader header;
    header.EINDigits = EINDigitsOf(company.FederalID);
    header.Name = company.Name;
    header.TradeName = company.TradeName;
    header.Address = company.Address;
    header.SuiteNum = company.SuiteNum;
    header.City = company.City;
    if (company.ForeignAdr) {
        header.ForeignCountry = company.ForeignCountry;
        header.ForeignProvCo = company.ForeignProvCo;
        header.ForeignZipCode = company.ForeignZipCode;
    } else {
        header.State = company.State;
        header.ZipCode = company.ZipCode;
    }
    return header;
}
