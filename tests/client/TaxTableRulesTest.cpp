#include "client/TaxTableRules.h"
#include "client/TaxTableFiles.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

void ThreeRows(StateTaxRecord& r)
{
    r.S_Over[1] = 0;
    r.S_ButNotOver[1] = 10000;
    r.S_TaxRate[1] = 1;
    r.S_Over[2] = 10000;
    r.S_ButNotOver[2] = 20000;
    r.S_TaxRate[2] = 2;
    r.S_Over[3] = 20000;
    r.S_ButNotOver[3] = kNoUpperLimit;
    r.S_TaxRate[3] = 3;
}

} // namespace

TEST(TaxTableRulesTest, CalculateBuildsEachAmountOnTheRowBefore)
{
    StateTaxRecord r = NewStateTaxRecord(1);
    ThreeRows(r);
    r.S_TaxAmount[4] = 7; // after the no-limit row: left alone
    CalculateTaxAmounts(r);
    EXPECT_EQ(r.S_TaxAmount[1], 0);
    EXPECT_EQ(r.S_TaxAmount[2], 100);
    EXPECT_EQ(r.S_TaxAmount[3], 300);
    EXPECT_EQ(r.S_TaxAmount[4], 7);
}

TEST(TaxTableRulesTest, ATableEndingBelowTheNoLimitValueStaysValid)
{
    CityTaxRecord r{};
    r.CityName = QStringLiteral("PHILA");
    r.M_ButNotOver[1] = 25000;
    r.M_TaxRate[1] = 1;
    r.M_Over[2] = 25000;
    r.M_ButNotOver[2] = 50000;
    r.M_TaxRate[2] = 2;
    CalculateTaxAmounts(r);
    EXPECT_EQ(r.M_TaxAmount[2], 250);
    EXPECT_EQ(r.M_TaxAmount[3], 0);
    EXPECT_TRUE(CityTablesValid(r));
}

TEST(TaxTableRulesTest, RuleCases)
{
    struct Case {
        const char* name;
        std::function<void(StateTaxRecord&)> change;
        bool valid;
    };
    const Case cases[] = {
        {"zeroed record", [](StateTaxRecord&) {}, true},
        {"row 1 bound without rate", [](StateTaxRecord& r) { r.S_ButNotOver[1] = 10000; }, false},
        {"row 1 rate without bound", [](StateTaxRecord& r) { r.M_TaxRate[1] = 2; }, false},
        {"row 1 bound and rate",
         [](StateTaxRecord& r) {
             r.S_ButNotOver[1] = 10000;
             r.S_TaxRate[1] = 2;
         },
         true},
        {"row 1 amount without wages over",
         [](StateTaxRecord& r) {
             r.S_ButNotOver[1] = 10000;
             r.S_TaxRate[1] = 2;
             r.S_TaxAmount[1] = 5;
         },
         false},
        {"row 3 without its amount",
         [](StateTaxRecord& r) {
             ThreeRows(r);
             r.S_TaxAmount[2] = 100;
         },
         false},
        {"row 3 after calculate",
         [](StateTaxRecord& r) {
             ThreeRows(r);
             CalculateTaxAmounts(r);
         },
         true},
        {"unemployment rate without wage base", [](StateTaxRecord& r) { r.UnempTaxRate = 0.5; }, false},
        {"unemployment rate with wage base",
         [](StateTaxRecord& r) {
             r.UnempTaxRate = 0.5;
             r.UnempMaxWage = 40000;
         },
         true},
        {"disability rate without wage base", [](StateTaxRecord& r) { r.DisbTaxRate = 1.1; }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StateTaxRecord r = NewStateTaxRecord(5);
        c.change(r);
        EXPECT_EQ(StateTablesValid(r), c.valid);
    }
}

TEST(TaxTableRulesTest, ACityNeedsItsName)
{
    CityTaxRecord r{};
    EXPECT_FALSE(CityTablesValid(r));
    r.CityName = QStringLiteral("NONE");
    EXPECT_TRUE(CityTablesValid(r));
}
