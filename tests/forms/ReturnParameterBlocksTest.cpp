#include "TestSupport.h"

#include "client/CompanyRecord.h"
#include "forms/FormParams.h"
#include "forms/ReturnParameterBlocks.h"

#include <QMap>
#include <memory>

namespace {

QMap<QString, QString> AsMap(const FormParams& params)
{
    QMap<QString, QString> map;
    for (const auto& [name, value] : params.Values()) {
        EXPECT_FALSE(map.contains(name)) << name.toStdString();
        map.insert(name, value);
    }
    return map;
}

class ParameterBlocks : public ::testing::Test {
protected:
    void SetUp() override
    {
        company->PayTaxBal = true;
        company->PayRTN = QStringLiteral("021000021");
        company->PayAcctNum = QStringLiteral("12345");
        company->PayAcctType = QStringLiteral("checking");
        company->SignerName = QStringLiteral("Ann Lee");
        company->SignerTitle = QStringLiteral("Owner");
        company->PhoneNumber = QStringLiteral("555-123-4567");
        preparer.PrepName = QStringLiteral("Jo Park");
        preparer.FirmName = QStringLiteral("Park & Co");
        preparer.Address = QStringLiteral("1 Main St");
        preparer.City = QStringLiteral("Trenton");
        preparer.State = QStringLiteral("NJ");
        preparer.ZipCode = QStringLiteral("08601");
        preparer.PTIN = QStringLiteral("P12345678");
        preparer.EIN = QStringLiteral("12-3456789");
        preparer.Phone = QStringLiteral("555-987-6543");
    }

    std::unique_ptr<CompanyRecord> company = std::make_unique<CompanyRecord>(NewCompanyRecord());
    PreparerRecord preparer{};
    FormParams params;
};

struct RefundCase {
    bool payElectronically;
    bool sendRefund;
    double overpayment;
    bool printed;
};

class RefundAccount : public ParameterBlocks, public ::testing::WithParamInterface<RefundCase> {};

// The refund lines are for a refund by direct deposit only: never the account of a company that
// merely pays its balances electronically.
TEST_P(RefundAccount, PrintOnlyForAnOverpaymentToBeRefunded)
{
    const RefundCase c = GetParam();
    company->PayTaxBal = c.payElectronically;
    AddRefundAccountParams(params, *company, c.sendRefund, c.overpayment);
    const auto map = AsMap(params);
    EXPECT_EQ(!map.isEmpty(), c.printed);
    if (c.printed) {
        EXPECT_EQ(map.value("RTN1"), "0");
        EXPECT_EQ(map.value("RTN9"), "1");
        EXPECT_EQ(map.value("AcctNum5"), "5");
        EXPECT_FALSE(map.contains("AcctNum6"));
        EXPECT_EQ(map.value("Checking"), "X");
        EXPECT_FALSE(map.contains("Savings"));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, RefundAccount,
                         ::testing::Values(RefundCase{true, false, 0, false}, RefundCase{true, false, 500.00, false},
                                           RefundCase{false, true, 500.00, true}, RefundCase{true, true, 0.01, true},
                                           RefundCase{false, true, 0.004, false}));

TEST_F(ParameterBlocks, SavingsAccountMarksSavings)
{
    company->PayAcctType = QStringLiteral("Savings");
    AddRefundAccountParams(params, *company, true, 10.00);
    const auto map = AsMap(params);
    EXPECT_EQ(map.value("Savings"), "X");
    EXPECT_FALSE(map.contains("Checking"));
}

TEST_F(ParameterBlocks, ARefundNeedsAValidRoutingNumberAnAccountAndItsType)
{
    const RefundLines lines{QStringLiteral("Line 15c"), QStringLiteral("Line 15d"), QStringLiteral("Line 15e")};
    const struct {
        const char* routing;
        const char* account;
        const char* type;
        bool sendRefund;
        const char* says;   // empty: nothing stops the return
    } cases[] = {
        {"021000021", "12345", "Checking", true, ""},
        {"021000022", "12345", "Checking", true, "Line 15c: the routing number is missing or not valid."},
        {"02100002", "12345", "Checking", true, "Line 15c: the routing number is missing or not valid."},
        {"", "12345", "Checking", true, "Line 15c"},
        {"021000021", "", "Checking", true, "Line 15e: the account number is missing."},
        {"021000021", "12345", "", true, "Line 15d: the type of account is missing."},
        {"", "", "", false, ""},
    };
    company->PayTaxBal = false;
    for (const auto& c : cases) {
        company->PayRTN = QString::fromLatin1(c.routing);
        company->PayAcctNum = QString::fromLatin1(c.account);
        company->PayAcctType = QString::fromLatin1(c.type);
        const QString problem = RefundAccountProblem(*company, c.sendRefund, 250.00, lines);
        if (*c.says == 0) {
            EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
            continue;
        }
        EXPECT_TRUE(problem.startsWith(QLatin1String(c.says))) << problem.toStdString();
        EXPECT_TRUE(problem.contains(QStringLiteral("company setup"))) << problem.toStdString();
    }
}

TEST_F(ParameterBlocks, DesigneeOrTheNoBox)
{
    AddDesigneeParams(params, *company);
    EXPECT_EQ(AsMap(params), (QMap<QString, QString>{{"DesigneeNo", "X"}}));

    params = FormParams();
    company->Designee = true;
    company->DesigneeName = QStringLiteral("Sam o'Neil");
    company->DesigneePhone = QStringLiteral("555-000-1111");
    company->DesigneePIN = QStringLiteral("12345");
    AddDesigneeParams(params, *company);
    const auto map = AsMap(params);
    EXPECT_EQ(map.value("DesigneeYes"), "X");
    EXPECT_EQ(map.value("DesigneeName"), "SAM O'NEIL");
    EXPECT_EQ(map.value("DesigneePhone"), "555-000-1111");
    EXPECT_EQ(map.value("DesigneePin1"), "1");
    EXPECT_EQ(map.value("DesigneePin5"), "5");
    EXPECT_FALSE(map.contains("DesigneeNo"));
}

TEST_F(ParameterBlocks, SignerOnTheFilingCopyOnly)
{
    company->SignForm = true;
    AddSignerParams(params, *company, true, QStringLiteral("01/31/2027"));
    EXPECT_EQ(AsMap(params), (QMap<QString, QString>{{"Signature", "Ann Lee"},
                                                     {"SignerName", "ANN LEE"},
                                                     {"SignerTitle", "OWNER"},
                                                     {"Date", "01/31/2027"},
                                                     {"PhoneNumber", "555-123-4567"}}));
    params = FormParams();
    AddSignerParams(params, *company, false, QStringLiteral("  /  /    "));
    EXPECT_TRUE(params.Values().empty());
}

TEST_F(ParameterBlocks, PreparerOnTheFilingCopyWithAFirmUnlessLeftOff)
{
    preparer.SelfEmployed = true;
    preparer.SignForm = true;
    AddPreparerParams(params, preparer, false, true, QStringLiteral("01/31/2027"), QDate(2027, 2, 1));
    auto map = AsMap(params);
    EXPECT_EQ(map.value("PrepSelfEmp"), "X");
    EXPECT_EQ(map.value("PrepName"), "JO PARK");
    EXPECT_EQ(map.value("PrepSignature"), "JO PARK");
    EXPECT_EQ(map.value("PrepFirmName"), "PARK & CO");
    EXPECT_EQ(map.value("PrepAddress"), "1 MAIN ST");
    EXPECT_EQ(map.value("PrepCity"), "TRENTON");
    EXPECT_EQ(map.value("PrepState"), "NJ");
    EXPECT_EQ(map.value("PrepZipCode"), "08601");
    EXPECT_EQ(map.value("PrepPTIN"), "P12345678");
    EXPECT_EQ(map.value("PrepEIN"), "12-3456789");
    EXPECT_EQ(map.value("PrepPhoneNum"), "555-987-6543");
    EXPECT_EQ(map.value("PrepPrintDate"), "01/31/2027");

    for (const auto& [noPrint, firm, filing] : {std::tuple{true, "Park & Co", true}, std::tuple{false, " ", true},
                                                std::tuple{false, "Park & Co", false}}) {
        params = FormParams();
        preparer.FirmName = QString::fromLatin1(firm);
        preparer.PrintDate = true;
        AddPreparerParams(params, preparer, noPrint, filing, QStringLiteral("01/31/2027"), QDate(2027, 2, 1));
        // The date is the preparer's own: without him his Date box stays empty.
        EXPECT_TRUE(AsMap(params).isEmpty());
    }
}

TEST_F(ParameterBlocks, CompanyPrintsItsDomesticOrItsForeignAddress)
{
    company->Name = QStringLiteral("Dover Bakery");
    company->FederalID = QStringLiteral("12-345");
    company->State = QStringLiteral("de");
    company->ZipCode = QStringLiteral("19901");
    company->ForeignCountry = QStringLiteral("ca");
    AddCompanyParams(params, *company);
    auto map = AsMap(params);
    EXPECT_EQ(map.value("CompName"), "DOVER BAKERY");
    EXPECT_EQ(map.value("EIN5"), "5");
    EXPECT_FALSE(map.contains("EIN6"));
    EXPECT_EQ(map.value("State"), "DE");
    EXPECT_EQ(map.value("ZipCode"), "19901");
    EXPECT_FALSE(map.contains("ForeignCountry"));

    params = FormParams();
    company->ForeignAdr = true;
    AddCompanyParams(params, *company);
    map = AsMap(params);
    EXPECT_EQ(map.value("ForeignCountry"), "CA");
    EXPECT_FALSE(map.contains("State"));
    EXPECT_FALSE(map.contains("ZipCode"));
}

} // namespace
