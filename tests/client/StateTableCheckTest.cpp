#include "client/StateTableCheck.h"
#include "client/TaxTableFiles.h"
#include "components/StateTables.h"

#include "TestSupport.h"

namespace {

// A state's table as a new state table file holds it: no withholding row.
WorkStateTable Empty(const char* code)
{
    return {QString::fromLatin1(code), NewStateTaxRecord(StateCodeIndex(QString::fromLatin1(code)) + 1)};
}

// A flat-rate table: one row from 0 without an upper limit.
WorkStateTable Filled(const char* code, bool married)
{
    WorkStateTable state = Empty(code);
    if (married) {
        state.table.M_ButNotOver[1] = 999999999999.0;
        state.table.M_TaxRate[1] = 1.4;
    } else {
        state.table.S_ButNotOver[1] = 999999999999.0;
        state.table.S_TaxRate[1] = 1.4;
    }
    return state;
}

} // namespace

TEST(StateTableCheckTest, OnlyTaxingStatesWithoutAnyRowAreReportedEachOnce)
{
    const struct {
        const char* why;
        std::vector<WorkStateTable> states;
        QStringList reported;
        QStringList expected;
    } cases[] = {
        {"New Jersey without its table", {Empty("NJ")}, {}, {"NJ"}},
        {"New Jersey filled", {Filled("NJ", false)}, {}, {}},
        {"only the married table filled", {Filled("NJ", true)}, {}, {}},
        {"Texas taxes no wages", {Empty("TX")}, {}, {}},
        {"every state without a wage income tax",
         {Empty("AK"), Empty("FL"), Empty("NV"), Empty("NH"), Empty("SD"), Empty("TN"), Empty("TX"), Empty("WA"),
          Empty("WY")},
         {},
         {}},
        {"each state once, in the order met", {Empty("NY"), Empty("NJ"), Empty("NY"), Filled("PA", false)}, {}, {"NY", "NJ"}},
        {"already reported in this pay run", {Empty("NJ"), Empty("NY")}, {"NJ"}, {"NY"}},
        {"no employees", {}, {}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StatesLackingTables(c.states, c.reported), c.expected) << c.why;
}

TEST(StateTableCheckTest, TheMessageNamesTheStatesAndWhereTheirTableIsEntered)
{
    const QString one = StatesLackingTablesMessage({QStringLiteral("NJ")});
    EXPECT_TRUE(one.contains(QStringLiteral("for New Jersey (NJ), so no state income tax"))) << one.toStdString();
    EXPECT_TRUE(one.contains(QStringLiteral("File > State"))) << one.toStdString();
    const QString three = StatesLackingTablesMessage({QStringLiteral("NJ"), QStringLiteral("NY"), QStringLiteral("PA")});
    EXPECT_TRUE(three.contains(QStringLiteral("New Jersey (NJ), New York (NY) and Pennsylvania (PA)"))) << three.toStdString();
}
