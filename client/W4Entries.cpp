#include "client/W4Entries.h"

#include "client/CompanyAddress.h"
#include "client/CompanyRecord.h"
#include "client/EmployeeRecord.h"
#include "components/NumberRoutines.h"
#include "components/TextRoutines.h"
#include "components/Validators.h"

bool W4AmountOffMultiple(double amount, int credit)
{
    const int whole = RoundToWhole(amount);
    return whole < 0 || whole % credit != 0;
}

int W4Allowances(double box3a, double box3b)
{
    const int children = box3a > 0 ? RoundToWhole(box3a) / kChildCredit : 0;
    const int dependents = box3b > 0 ? RoundToWhole(box3b) / kDependentCredit : 0;
    return children + dependents;
}

double W4Box3Total(double box3a, double box3b)
{
    return box3a + box3b;
}

std::optional<W4Fault> CheckW4Entries(const W4Entries& e)
{
    if (IsBlank(e.FirstName))
        return W4Fault{W4Field::FirstName, QStringLiteral("Employee's first name is missing")};
    if (IsBlank(e.LastName))
        return W4Fault{W4Field::LastName, QStringLiteral("Employee's last name is missing")};
    if (!IsValidSSN(e.SocSecNum))
        return W4Fault{W4Field::SocSecNum, QStringLiteral("Employee's social security number is invalid")};
    if (IsBlank(e.Address))
        return W4Fault{W4Field::Address, QStringLiteral("Employee's street address is missing")};
    if (IsBlank(e.City))
        return W4Fault{W4Field::City, QStringLiteral("Employee's City name is missing")};
    if (e.State.isEmpty())
        return W4Fault{W4Field::State, QStringLiteral("Employee's state name is missing")};
    if (!IsValidZip(e.ZipCode))
        return W4Fault{W4Field::ZipCode, QStringLiteral("Employee's Zip Code is invalid")};
    if (!e.Single && !e.Married && !e.HOH)
        return W4Fault{W4Field::Single, QStringLiteral("You must check one of the boxes under Step 1(c)")};
    if (W4AmountOffMultiple(e.FW4Box3a, kChildCredit))
        return W4Fault{W4Field::FW4Box3a, QStringLiteral("Qualifying children under age 17 must be a multiple of 2,200")};
    if (W4AmountOffMultiple(e.FW4Box3b, kDependentCredit))
        return W4Fault{W4Field::FW4Box3b, QStringLiteral("Other dependents must be a multiple of 500")};
    return std::nullopt;
}

W4Entries W4EntriesFromEmployee(const EmployeeRecord& r)
{
    W4Entries e;
    e.FirstName = r.FirstName;
    e.MiddleName = r.MiddleName;
    e.LastName = r.LastName;
    e.SocSecNum = r.SocSecNum;
    e.Address = r.Address;
    e.City = r.City;
    e.State = r.State;
    e.ZipCode = r.ZipCode;
    e.Single = r.Single;
    e.Married = r.Married;
    e.HOH = r.HOH;
    e.FW4Box2c = r.FW4Box2c;
    e.FW4Box3a = r.FW4Box3a;
    e.FW4Box3b = r.FW4Box3b;
    e.FW4Box3 = r.FW4Box3;
    e.FW4Box4a = r.FW4Box4a;
    e.FW4Box4b = r.FW4Box4b;
    e.FedAddTax = r.FedAddTax;
    e.FedWithExempt = r.FedWithExempt;
    return e;
}

void StoreW4Entries(const W4Entries& e, EmployeeRecord& r)
{
    r.FW4Box2c = e.FW4Box2c;
    r.FW4Box3a = e.FW4Box3a;
    r.FW4Box3b = e.FW4Box3b;
    r.FW4Box3 = e.FW4Box3;
    r.FW4Box4a = e.FW4Box4a;
    r.FW4Box4b = e.FW4Box4b;
    r.FirstName = e.FirstName;
    r.MiddleName = e.MiddleName;
    r.LastName = e.LastName;
    r.SocSecNum = e.SocSecNum;
    r.Address = e.Address;
    r.City = e.City;
    r.State = e.State;
    r.ZipCode = e.ZipCode;
    r.Single = e.Single;
    r.Married = e.Married;
    r.HOH = e.HOH;
    r.FedAddTax = e.FedAddTax;
    r.FedWithExempt = e.FedWithExempt;
    r.FedWithAllow = W4Allowances(e.FW4Box3a, e.FW4Box3b);
}

std::vector<std::pair<QString, QString>> W4PrintParameters(const W4Entries& e, const CompanyRecord& company)
{
    std::vector<std::pair<QString, QString>> params;
    const auto set = [&params](const char* name, const QString& value) { params.emplace_back(QLatin1String(name), value); };
    const auto mark = [&set](const char* name, bool checked) {
        if (checked)
            set(name, QStringLiteral("X"));
    };
    const auto dollars = [&set](const char* name, double amount) {
        if (amount > 0)
            set(name, FormatAmount(amount, 0, true));
    };

    set("FirstName", e.FirstName.toUpper());
    set("MiddleName", e.MiddleName.toUpper());
    set("LastName", e.LastName.toUpper());
    set("SocSecNum", e.SocSecNum);
    set("Address", e.Address.toUpper());
    set("CityStateZip", e.City.toUpper() + QLatin1Char(' ') + e.State + QLatin1Char(' ') + e.ZipCode);
    mark("Single", e.Single);
    mark("Married", e.Married);
    mark("HOH", e.HOH);
    mark("FW4Box2c", e.FW4Box2c);
    dollars("FW4Box3a", e.FW4Box3a);
    dollars("FW4Box3b", e.FW4Box3b);
    dollars("FW4Box3", e.FW4Box3);
    dollars("FW4Box4a", e.FW4Box4a);
    dollars("FW4Box4b", e.FW4Box4b);
    if (e.FedAddTax > 0)
        set("FW4Box4c", FormatAmount(e.FedAddTax, 2, true));
    mark("FedWithExempt", e.FedWithExempt);

    set("EmployerName", company.Name.get().toUpper());
    set("EmployerAddress1", StreetWithSuite(company.Address.get().toUpper(), company.SuiteNum.get(), QStringLiteral("STE")));
    set("EmployerAddress2", company.CityStateZip.get().toUpper());
    set("EmployerEIN", company.FederalID);
    return params;
}
