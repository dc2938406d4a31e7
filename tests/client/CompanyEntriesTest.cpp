#include "ClientFixture.h"

#include "client/CompanyEntries.h"
#include "client/PayUtil.h"
#include "components/StateTables.h"

#include <functional>

namespace {

// Entries the screen accepts: a domestic company with every required field filled.
CompanyEntries ValidEntries()
{
    CompanyEntries e;
    e.Name = QStringLiteral("Acme Tools");
    e.Address = QStringLiteral("12 Main St");
    e.City = QStringLiteral("Springfield");
    e.State = StateCodeIndex(QStringLiteral("IL"));
    e.ZipCode = QStringLiteral("62701");
    e.PhoneNumber = QStringLiteral("217-555-0100");
    e.FaxNumber = QStringLiteral("   -   -    ");
    e.FederalID = QStringLiteral("36-1234567");
    e.FourCharID = QStringLiteral("ACME");
    return e;
}

struct ProblemCase {
    const char* name;
    std::function<void(CompanyEntries&)> change;
    const char* message; // nullptr: accepted
    CompanyField field = CompanyField::Name;
};

const std::vector<ProblemCase>& ProblemCases()
{
    using enum CompanyField;
    static const std::vector<ProblemCase> cases = {
        {"valid", [](CompanyEntries&) {}, nullptr},
        {"blank name", [](CompanyEntries& e) { e.Name = QStringLiteral("  "); }, "Company name is missing", Name},
        {"no state", [](CompanyEntries& e) { e.State = -1; }, "State name is missing", State},
        {"short zip", [](CompanyEntries& e) { e.ZipCode = QStringLiteral("6270"); }, "Zip code is invalid", ZipCode},
        {"foreign without state and zip",
         [](CompanyEntries& e) {
             e.ForeignAdr = true;
             e.State = -1;
             e.ZipCode.clear();
             e.ForeignCountry = QStringLiteral("CA");
             e.ForeignProvCo = QStringLiteral("Ontario");
             e.ForeignZipCode = QStringLiteral("K1A 0B1");
         },
         nullptr},
        {"foreign without country",
         [](CompanyEntries& e) {
             e.ForeignAdr = true;
             e.ForeignProvCo = QStringLiteral("Ontario");
             e.ForeignZipCode = QStringLiteral("K1A 0B1");
         },
         "Foreign Country code is missing", ForeignCountry},
        {"blank phone", [](CompanyEntries& e) { e.PhoneNumber = QStringLiteral("   -   -    "); },
         "Telephone number is invalid", PhoneNumber},
        {"EIN prefix never issued", [](CompanyEntries& e) { e.FederalID = QStringLiteral("00-1234567"); },
         "Federal I.D. number is invalid", FederalID},
        {"empty e-mail", [](CompanyEntries& e) { e.EmailAddress.clear(); }, nullptr},
        {"valid e-mail", [](CompanyEntries& e) { e.EmailAddress = QStringLiteral("pay@acme.com"); }, nullptr},
        {"not an e-mail", [](CompanyEntries& e) { e.EmailAddress = QStringLiteral("pay at acme"); },
         "E-mail address is invalid", EmailAddress},
        {"no 4 character ID", [](CompanyEntries& e) { e.FourCharID.clear(); },
         "Four character I.D. is missing~Press F1 for help on this field", FourCharID},
        {"direct deposit without account", [](CompanyEntries& e) { e.DirDeposit = true; },
         "Company Account I.D. is missing", AccountID},
        {"EFT with a bad routing number",
         [](CompanyEntries& e) {
             e.PayTaxBal = true;
             e.PayRTN = QStringLiteral("011000016");
             e.PayAcctNum = QStringLiteral("1234");
             e.PayAcctType = QStringLiteral("Checking");
         },
         "Routing Transit Number is invalid.", PayRTN},
        {"refund account with a bad routing number, no EFT",
         [](CompanyEntries& e) { e.PayRTN = QStringLiteral("011000016"); },
         "Routing Transit Number is invalid.", PayRTN},
        {"routing number the IRS does not take", [](CompanyEntries& e) { e.PayRTN = QStringLiteral("400000008"); },
         "Routing Transit Number is invalid.", PayRTN},
        {"refund account without EFT", [](CompanyEntries& e) {
             e.PayRTN = QStringLiteral("011000015");
             e.PayAcctNum = QStringLiteral("1234");
             e.PayAcctType = QStringLiteral("Savings");
         },
         nullptr},
        {"EFT without account type",
         [](CompanyEntries& e) {
             e.PayTaxBal = true;
             e.PayRTN = QStringLiteral("011000015");
             e.PayAcctNum = QStringLiteral("1234");
         },
         "Account type is missing.", PayAcctType},
        {"designee PIN of four digits",
         [](CompanyEntries& e) {
             e.Designee = true;
             e.DesigneeName = QStringLiteral("Ann Lee");
             e.DesigneePhone = QStringLiteral("217-555-0101");
             e.DesigneePIN = QStringLiteral("1234");
         },
         "Designee PIN is invalid", DesigneePIN},
        {"designee PIN of five digits",
         [](CompanyEntries& e) {
             e.Designee = true;
             e.DesigneeName = QStringLiteral("Ann Lee");
             e.DesigneePhone = QStringLiteral("217-555-0101");
             e.DesigneePIN = QStringLiteral("12345");
         },
         nullptr},
        {"signer without title", [](CompanyEntries& e) { e.SignerName = QStringLiteral("Bo Chan"); },
         "Signer title is missing", SignerTitle},
        {"signing without signer", [](CompanyEntries& e) { e.SignForm = true; }, "Signer name is missing.",
         SignerName},
        {"rate without state I.D.", [](CompanyEntries& e) { e.DisbTaxRate = 0.5; }, "State I.D. number is missing",
         StateID},
        {"wage base without state I.D.", [](CompanyEntries& e) { e.UnempMaxWage = 7000; },
         "State I.D. number is missing", StateID},
        {"rate with state I.D.",
         [](CompanyEntries& e) {
             e.UnempTaxRate = 2.7;
             e.StateID = QStringLiteral("1234-5678");
         },
         nullptr},
    };
    return cases;
}

class CompanyEntriesTest : public ClientTest {
protected:
    void readEmployee(int n)
    {
        module->RSEmployee.SetCurrentRecord(n);
        module->RSEmployee.GetRec();
    }
};

} // namespace

TEST(CompanyProblemsTest, FirstProblemRefusesWithItsMessage)
{
    for (const ProblemCase& c : ProblemCases()) {
        SCOPED_TRACE(c.name);
        CompanyEntries e = ValidEntries();
        c.change(e);
        const std::vector<CompanyProblem> problems = CompanyProblems(e);
        if (!c.message) {
            EXPECT_TRUE(problems.empty()) << problems.front().message.toStdString();
            continue;
        }
        ASSERT_FALSE(problems.empty());
        EXPECT_EQ(problems.front().message, QLatin1String(c.message));
        EXPECT_EQ(problems.front().field, c.field);
    }
}

TEST(CompanyProblemsTest, EveryMissingFieldIsReportedInOrder)
{
    CompanyEntries e;
    e.Designee = true;
    e.UnempTaxRate = 1;
    std::vector<CompanyField> fields;
    for (const CompanyProblem& p : CompanyProblems(e))
        fields.push_back(p.field);
    using enum CompanyField;
    EXPECT_EQ(fields, (std::vector<CompanyField>{Name, Address, City, State, ZipCode, PhoneNumber, FederalID,
                                                 FourCharID, DesigneeName, DesigneePhone, DesigneePIN, StateID}));
}

TEST_F(CompanyEntriesTest, AddressLineOfDomesticAndForeignCompanies)
{
    CompanyRec = NewCompanyRecord();
    CompanyEntries e = ValidEntries();
    StoreCompanyEntries(e, true);
    EXPECT_EQ(CompanyRec.CityStateZip.get(), QStringLiteral("Springfield IL 62701"));
    EXPECT_EQ(CompanyCityStateZip, QStringLiteral("Springfield IL 62701"));

    e.ForeignAdr = true;
    e.State = -1;
    e.ZipCode.clear();
    e.City = QStringLiteral("Ottawa");
    e.ForeignCountry = QStringLiteral("CA");
    e.ForeignProvCo = QStringLiteral("Ontario");
    e.ForeignZipCode = QStringLiteral("K1A 0B1");
    StoreCompanyEntries(e, true);
    EXPECT_EQ(CompanyRec.State.get(), QString());
    EXPECT_EQ(CompanyRec.CityStateZip.get(), QStringLiteral("CA Ontario K1A 0B1"));
    EXPECT_EQ(CompanyCityStateZip, QStringLiteral("Ottawa CA Ontario K1A 0B1"));
}

TEST_F(CompanyEntriesTest, StateBlockGoesToTheStateOnScreenOnly)
{
    CompanyRec = NewCompanyRecord();
    CompanyRec.CurrentState = 3;
    CompanyRec.Name = QStringLiteral("Kept");
    CompanyEntries e;
    e.StateID = QStringLiteral("12345678901234567890");
    e.UnempTaxRate = 3.4;
    e.UnempMaxWage = 9000;
    StoreCompanyEntries(e, false);
    EXPECT_EQ(CompanyRec.Name.get(), QStringLiteral("Kept"));
    EXPECT_EQ(CompanyRec.StateID[3].get(), QStringLiteral("1234567890123456"));
    EXPECT_EQ(CompanyRec.UnempTaxRate[3], 3.4);
    EXPECT_EQ(CompanyRec.UnempMaxWage[3], 9000);
    EXPECT_EQ(CompanyRec.UnempTaxRate[2], 0);

    CompanyEntries loaded;
    loaded.Name = QStringLiteral("untouched");
    LoadCompanyEntries(loaded, false);
    EXPECT_EQ(loaded.Name, QStringLiteral("untouched"));
    EXPECT_EQ(loaded.StateID, QStringLiteral("1234567890123456"));
    EXPECT_EQ(loaded.UnempMaxWage, 9000);
}

TEST_F(CompanyEntriesTest, TipsOptionReachesEveryColumnOfEveryEmployee)
{
    openClient();
    addEmployee(QStringLiteral("Doe"), QStringLiteral("Jane"));
    addEmployee(QStringLiteral("Roe"), QStringLiteral("Rick"));
    for (int n = 1; n <= 2; ++n) {
        readEmployee(n);
        for (int column = 1; column <= 4; ++column) {
            EmployeeRec.Wages[column] = 1000.00;
            EmployeeRec.Tips[column] = 50.00;
        }
        CompanyRec.IncludeTips = true;
        UpdateTotalColumns(1);
        module->RSEmployee.PostRec();
    }
    readEmployee(1);

    const auto expectTotals = [this](double gross) {
        for (int n = 1; n <= 2; ++n) {
            readEmployee(n);
            for (int column = 1; column <= 4; ++column) {
                EXPECT_EQ(EmployeeRec.GrossWages[column], gross) << n << "/" << column;
                EXPECT_EQ(EmployeeRec.NetPay[column], gross) << n << "/" << column;
            }
        }
    };
    CompanyRec.IncludeTips = false;
    RecomputeEmployeeTotals();
    EXPECT_EQ(EmployeeRec.LastName.get(), QStringLiteral("Doe")); // the current employee stays current
    expectTotals(1000.00);

    CompanyRec.IncludeTips = true;
    RecomputeEmployeeTotals();
    expectTotals(1050.00);
}
