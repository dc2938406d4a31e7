#include "TestSupport.h"

#include "client/TaxTableFiles.h"
#include "components/NumberRoutines.h"
#include "platform/Folders.h"

#include <QCoreApplication>
#include <QFile>

namespace {

// The table the build made, beside the test programs as it lies beside the program.
QString shippedTable()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/LEDGORA.FTT");
}

using Column = RecordArray<double, 1, kFederalTableRows> FederalTaxRecord::*;

struct Table {
    const char* status;
    Column over, notOver, amount, rate;
};

const Table kTables[] = {
    {"single", &FederalTaxRecord::SWagesOver, &FederalTaxRecord::SWagesNotOver, &FederalTaxRecord::STaxAmount,
     &FederalTaxRecord::STaxRate},
    {"married filing jointly", &FederalTaxRecord::MWagesOver, &FederalTaxRecord::MWagesNotOver,
     &FederalTaxRecord::MTaxAmount, &FederalTaxRecord::MTaxRate},
    {"head of household", &FederalTaxRecord::HOHWagesOver, &FederalTaxRecord::HOHWagesNotOver,
     &FederalTaxRecord::HOHTaxAmount, &FederalTaxRecord::HOHTaxRate},
};

constexpr double kNoLimit = 999999999999.0;

} // namespace

class ShippedFederalTableTest : public LedgoraTest {
protected:
    void SetUp() override
    {
        LedgoraTest::SetUp();
        ASSERT_TRUE(QFile::exists(shippedTable())) << "the build makes " << shippedTable().toStdString();
        ASSERT_TRUE(QFile::copy(shippedTable(), ProgramDir() + QStringLiteral("LEDGORA.FTT")));
        // Loading a table with figures shows no message; an unexpected one fails the test.
        LoadFederalTable(ProgramDir() + QStringLiteral("LEDGORA.FTT"), table);
    }

    FederalTaxRecord table {};
};

TEST_F(ShippedFederalTableTest, IsExactlyOneRecord)
{
    EXPECT_EQ(QFile(shippedTable()).size(), 760);
}

TEST_F(ShippedFederalTableTest, WithholdingRowsAreThoseOfTheYear)
{
    struct Row {
        double over, notOver, amount, rate;
    };
    const Row expected[3][kFederalTableRows] = {
        {{7500, 19900, 0, 10}, {19900, 57900, 1240, 12}, {57900, 113200, 5800, 22}, {113200, 209275, 17966, 24},
         {209275, 263725, 41024, 32}, {263725, 648100, 58448, 35}, {648100, kNoLimit, 192979.25, 37}},
        {{19300, 44100, 0, 10}, {44100, 120100, 2480, 12}, {120100, 230700, 11600, 22}, {230700, 422850, 35932, 24},
         {422850, 531750, 82048, 32}, {531750, 788000, 116896, 35}, {788000, kNoLimit, 206583.50, 37}},
        {{15550, 33250, 0, 10}, {33250, 83000, 1770, 12}, {83000, 121250, 7740, 22}, {121250, 217300, 16155, 24},
         {217300, 271750, 39207, 32}, {271750, 656150, 56631, 35}, {656150, kNoLimit, 191171, 37}},
    };
    for (int t = 0; t < 3; ++t) {
        const Table& columns = kTables[t];
        for (int n = 1; n <= kFederalTableRows; ++n) {
            SCOPED_TRACE(testing::Message() << columns.status << " row " << n);
            const Row& row = expected[t][n - 1];
            EXPECT_EQ((table.*columns.over)[n], row.over);
            EXPECT_EQ((table.*columns.notOver)[n], row.notOver);
            EXPECT_EQ((table.*columns.amount)[n], row.amount);
            EXPECT_EQ((table.*columns.rate)[n], row.rate);
        }
    }
}

TEST_F(ShippedFederalTableTest, RowsAreContiguousAndEachBaseIsTheTaxOfTheRowsBelow)
{
    for (const Table& columns : kTables) {
        SCOPED_TRACE(columns.status);
        const auto& over = table.*columns.over;
        const auto& notOver = table.*columns.notOver;
        const auto& amount = table.*columns.amount;
        const auto& rate = table.*columns.rate;
        EXPECT_EQ(amount[1], 0.0);
        EXPECT_EQ(notOver[kFederalTableRows], kNoLimit);
        double runningTax = 0;
        for (int n = 1; n <= kFederalTableRows; ++n) {
            SCOPED_TRACE(testing::Message() << "row " << n);
            EXPECT_LT(over[n], notOver[n]);
            if (n > 1) {
                EXPECT_EQ(over[n], notOver[n - 1]);
                EXPECT_GT(rate[n], rate[n - 1]);
                runningTax = RoundToDecimals(runningTax + (over[n] - over[n - 1]) * rate[n - 1] / 100, 2);
            }
            EXPECT_EQ(amount[n], runningTax);
        }
    }
}

TEST_F(ShippedFederalTableTest, RatesWageBasesAndMaximaAreThoseOfTheYear)
{
    EXPECT_EQ(table.FICARate, 6.2);
    EXPECT_EQ(table.MaxFICAWages, 184500.0);
    EXPECT_EQ(table.MaxFICATax, 11439.00);
    EXPECT_EQ(table.MedicareRate, 1.45);
    EXPECT_EQ(table.MedSurcharge, 0.9);
    EXPECT_EQ(table.MedExclWages, 200000.0);
    EXPECT_EQ(table.FUTARate, 0.6);
    EXPECT_EQ(table.MaxFUTAWages, 7000.0);
    EXPECT_EQ(table.MaxFUTATax, 42.00);

    // The maxima are what the federal screen would compute from rate and wage base.
    EXPECT_EQ(table.MaxFICATax, RoundToDecimals(table.MaxFICAWages * table.FICARate / 100, 2));
    EXPECT_EQ(table.MaxFUTATax, RoundToDecimals(table.MaxFUTAWages * table.FUTARate / 100, 2));
}
