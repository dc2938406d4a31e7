#pragma once

#include "TestSupport.h"

#include "client/CompanyRecord.h"
#include "forms/FormParams.h"

#include <optional>

// What the parameter tests of the forms expect of a list of parameters, and the employers they
// print for.
inline std::optional<QString> valueOf(const FormParams& params, const QString& name)
{
    if (!params.Has(name))
        return std::nullopt;
    return params.Get(name);
}

// Set with this value; an unset parameter prints empty like the empty text, so the two are told apart.
inline void expectParam(const FormParams& params, const char* name, const char* value)
{
    const auto found = valueOf(params, QString::fromUtf8(name));
    ASSERT_TRUE(found.has_value()) << name << " is not set";
    EXPECT_EQ(*found, QString::fromUtf8(value)) << name;
}

inline void expectUnset(const FormParams& params, const char* name)
{
    EXPECT_FALSE(valueOf(params, QString::fromUtf8(name)).has_value()) << name << " is set";
}

inline CompanyRecord domesticCompany()
{
    CompanyRecord c{};
    c.Name = QStringLiteral("Lakeside Bakery Inc");
    c.FederalID = QStringLiteral("12-3456789");
    c.Address = QStringLiteral("12 Mill Road");
    c.SuiteNum = QStringLiteral("4B");
    c.City = QStringLiteral("Trenton");
    c.State = QStringLiteral("NJ");
    c.ZipCode = QStringLiteral("08608");
    c.PhoneNumber = QStringLiteral("609-555-0100");
    c.FW3Contact = QStringLiteral("Dana Price");
    return c;
}

inline CompanyRecord foreignCompany()
{
    CompanyRecord c = domesticCompany();
    c.SuiteNum = QString();
    c.ForeignAdr = true;
    c.ForeignCountry = QStringLiteral("CA");
    c.ForeignProvCo = QStringLiteral("Ontario");
    c.ForeignZipCode = QStringLiteral("K1A 0B1");
    return c;
}
