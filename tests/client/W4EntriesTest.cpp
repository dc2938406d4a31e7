#include "TestSupport.h"

#include "client/CompanyRecord.h"
#include "client/EmployeeRecord.h"
#include "client/W4Entries.h"

#include <cstring>
#include <map>

namespace {

W4Entries ValidEntries()
{
    W4Entries e;
    e.FirstName = QStringLiteral("Ann");
    e.LastName = QStringLiteral("Lee");
    e.SocSecNum = QStringLiteral("234-56-7890");
    e.Address = QStringLiteral("12 Oak Street");
    e.City = QStringLiteral("Dover");
    e.State = QStringLiteral("DE");
    e.ZipCode = QStringLiteral("19901");
    e.Single = true;
    return e;
}

std::map<QString, QString> ParamsOf(const W4Entries& e, const CompanyRecord& company)
{
    std::map<QString, QString> params;
    for (const auto& [name, value] : W4PrintParameters(e, company))
        params[name] = value;
    return params;
}

} // namespace

TEST(W4EntriesTest, AllowancesCountFullCreditsOfPositiveAmounts)
{
    struct Case {
        double children, others;
        int allowances;
    };
    for (const Case c : {Case{4400, 1000, 4}, Case{0, 0, 0}, Case{2200, 0, 1}, Case{2500, 750, 2},
                         Case{-2200, 500, 1}, Case{6600, -1000, 3}, Case{2199.5, 499.5, 2}}) {
        EXPECT_EQ(W4Allowances(c.children, c.others), c.allowances) << c.children << " " << c.others;
    }
    EXPECT_EQ(W4Box3Total(4400, 1000), 5400);
}

TEST(W4EntriesTest, ChecksRefuseTheFirstFaultInScreenOrder)
{
    struct Case {
        const char* what;
        void (*spoil)(W4Entries&);
        W4Field field;
        const char* message;
    };
    const Case cases[] = {
        {"no first name", [](W4Entries& e) { e.FirstName = QStringLiteral("  "); }, W4Field::FirstName,
         "Employee's first name is missing"},
        {"no last name", [](W4Entries& e) { e.LastName.clear(); }, W4Field::LastName, "Employee's last name is missing"},
        {"half a number", [](W4Entries& e) { e.SocSecNum = QStringLiteral("234-56-    "); }, W4Field::SocSecNum,
         "Employee's social security number is invalid"},
        {"no address", [](W4Entries& e) { e.Address.clear(); }, W4Field::Address, "Employee's street address is missing"},
        {"no city", [](W4Entries& e) { e.City.clear(); }, W4Field::City, "Employee's City name is missing"},
        {"no state", [](W4Entries& e) { e.State.clear(); }, W4Field::State, "Employee's state name is missing"},
        {"bad zip", [](W4Entries& e) { e.ZipCode = QStringLiteral("1234-"); }, W4Field::ZipCode,
         "Employee's Zip Code is invalid"},
        {"no filing status", [](W4Entries& e) { e.Single = false; }, W4Field::Single,
         "You must check one of the boxes under Step 1(c)"},
        {"2,500 for children", [](W4Entries& e) { e.FW4Box3a = 2500; }, W4Field::FW4Box3a,
         "Qualifying children under age 17 must be a multiple of 2,200"},
        {"negative children", [](W4Entries& e) { e.FW4Box3a = -2200; }, W4Field::FW4Box3a,
         "Qualifying children under age 17 must be a multiple of 2,200"},
        {"750 for others", [](W4Entries& e) { e.FW4Box3b = 750; }, W4Field::FW4Box3b,
         "Other dependents must be a multiple of 500"},
        {"negative others", [](W4Entries& e) { e.FW4Box3b = -500; }, W4Field::FW4Box3b,
         "Other dependents must be a multiple of 500"},
    };
    EXPECT_FALSE(CheckW4Entries(ValidEntries()).has_value());
    for (const Case& c : cases) {
        W4Entries e = ValidEntries();
        c.spoil(e);
        const std::optional<W4Fault> fault = CheckW4Entries(e);
        ASSERT_TRUE(fault.has_value()) << c.what;
        EXPECT_EQ(fault->field, c.field) << c.what;
        EXPECT_EQ(fault->message, QString::fromUtf8(c.message)) << c.what;
    }
    W4Entries both = ValidEntries();
    both.FW4Box3a = 2500;
    both.LastName.clear();
    EXPECT_EQ(CheckW4Entries(both)->field, W4Field::LastName);
}

TEST(W4EntriesTest, StoringKeepsTheStoredWidthsAndSetsTheAllowances)
{
    EmployeeRecord r;
    std::memset(&r, 0, sizeof r);
    W4Entries e = ValidEntries();
    e.LastName = QStringLiteral("Vanderbiltington Smy");     // 20
    e.Address = QStringLiteral("1234 North Meridian Rd");    // 22
    e.City = QStringLiteral("South San Francisco Ca");       // 22
    e.FW4Box3a = 4400;
    e.FW4Box3b = 1000;
    e.FW4Box3 = 5400;
    e.FW4Box4a = 12000;
    e.FW4Box4b = 3000;
    e.FedAddTax = 25.5;
    e.FW4Box2c = true;
    StoreW4Entries(e, r);
    EXPECT_EQ(r.LastName.get(), e.LastName);
    EXPECT_EQ(r.Address.get(), e.Address);
    EXPECT_EQ(r.City.get(), e.City);
    EXPECT_EQ(r.FedWithAllow, 4);
    EXPECT_EQ(r.FW4Box3, 5400);
    EXPECT_EQ(r.FW4Box4a, 12000);
    EXPECT_EQ(r.FedAddTax, 25.5);
    EXPECT_TRUE(r.FW4Box2c);

    const W4Entries back = W4EntriesFromEmployee(r);
    EXPECT_EQ(back.LastName, e.LastName);
    EXPECT_EQ(back.City, e.City);
    EXPECT_EQ(back.State, QStringLiteral("DE"));
    EXPECT_EQ(back.FW4Box3b, 1000);
}

TEST(W4EntriesTest, PrintParametersFollowTheScreen)
{
    CompanyRecord company;
    std::memset(&company, 0, sizeof company);
    company.Name = QStringLiteral("Dover Bakery");
    company.Address = QStringLiteral("5 Loockerman St");
    company.SuiteNum = QStringLiteral("4b");
    company.CityStateZip = QStringLiteral("Dover DE 19901");
    company.FederalID = QStringLiteral("12-3456789");

    W4Entries e = ValidEntries();
    e.MiddleName = QStringLiteral("Marie");
    e.FW4Box3a = 2200;
    e.FW4Box3 = 2200;
    e.FedAddTax = 1234.5;
    std::map<QString, QString> p = ParamsOf(e, company);
    EXPECT_EQ(p[QStringLiteral("FirstName")], QStringLiteral("ANN"));
    EXPECT_EQ(p[QStringLiteral("MiddleName")], QStringLiteral("MARIE"));
    EXPECT_EQ(p[QStringLiteral("Address")], QStringLiteral("12 OAK STREET"));
    EXPECT_EQ(p[QStringLiteral("CityStateZip")], QStringLiteral("DOVER DE 19901"));
    EXPECT_EQ(p[QStringLiteral("SocSecNum")], QStringLiteral("234-56-7890"));
    EXPECT_EQ(p[QStringLiteral("Single")], QStringLiteral("X"));
    EXPECT_EQ(p[QStringLiteral("FW4Box3a")], QStringLiteral("2,200"));
    EXPECT_EQ(p[QStringLiteral("FW4Box3")], QStringLiteral("2,200"));
    EXPECT_EQ(p[QStringLiteral("FW4Box4c")], QStringLiteral("1,234.50"));
    EXPECT_EQ(p[QStringLiteral("EmployerName")], QStringLiteral("DOVER BAKERY"));
    EXPECT_EQ(p[QStringLiteral("EmployerAddress1")], QStringLiteral("5 LOOCKERMAN ST STE 4b"));
    EXPECT_EQ(p[QStringLiteral("EmployerAddress2")], QStringLiteral("DOVER DE 19901"));
    EXPECT_EQ(p[QStringLiteral("EmployerEIN")], QStringLiteral("12-3456789"));
    for (const char* empty : {"Married", "HOH", "FW4Box2c", "FW4Box3b", "FW4Box4a", "FW4Box4b", "FedWithExempt"})
        EXPECT_FALSE(p.count(QLatin1String(empty))) << empty;

    company.SuiteNum = QStringLiteral("  ");
    e.FedAddTax = -5;
    p = ParamsOf(e, company);
    EXPECT_EQ(p[QStringLiteral("EmployerAddress1")], QStringLiteral("5 LOOCKERMAN ST"));
    EXPECT_FALSE(p.count(QStringLiteral("FW4Box4c")));
}
