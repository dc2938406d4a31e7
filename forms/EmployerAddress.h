#pragma once

#include <QString>

struct CompanyRecord;

// The employer's address as Forms 1094-C and 1095-C print it. A foreign employer puts its
// province or county in the state box and its country code, a blank and its postal code in the
// box "Country and ZIP or foreign postal code".
QString EmployerStreet(const CompanyRecord& company, const QString& suiteSeparator);
QString EmployerStateOrProvince(const CompanyRecord& company);
QString EmployerCountryAndPostalCode(const CompanyRecord& company);
