#include "client/CompanyAddress.h"
#include "client/CompanyRecord.h"

#include "TestSupport.h"

TEST(CompanyAddressTest, ASuiteTypedWithItsOwnWordGetsNoSecondOne)
{
    const struct {
        const char* suite;
        const char* word;
        const char* expected;
    } cases[] = {
        {"5", "STE", "1 Main St STE 5"},
        {"Ste 5", "STE", "1 Main St Ste 5"},
        {"STE 5", "Ste", "1 Main St STE 5"},
        {"ste. 5", "STE", "1 Main St ste. 5"},
        {"Suite 200", "STE", "1 Main St Suite 200"},
        {"Room 12", "STE", "1 Main St Room 12"},
        {"#5", "STE", "1 Main St #5"},
        {"Ste5", "STE", "1 Main St Ste5"},
        {"4b", "STE", "1 Main St STE 4b"},
        {"Stewart", "STE", "1 Main St STE Stewart"},
        {"  ", "STE", "1 Main St"},
        {"200", "SUITE ", "1 Main St SUITE  200"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StreetWithSuite(QStringLiteral("1 Main St"), QString::fromLatin1(c.suite), QString::fromLatin1(c.word)),
                  QString::fromLatin1(c.expected))
            << c.suite;

    CompanyRecord company = NewCompanyRecord();
    company.Address = QStringLiteral("1 Main St");
    company.SuiteNum = QStringLiteral("Ste 5");
    EXPECT_EQ(CompanyStreetLine(company, QStringLiteral("Ste")), QStringLiteral("1 Main St Ste 5"));
}
