#include "TestSupport.h"

#include "client/FederalTableText.h"
#include "platform/Exceptions.h"

#include <QStringList>

namespace {

// A complete table text; each case below spoils one line of it.
QStringList completeText()
{
    return {
        QStringLiteral("# comment line"),
        QStringLiteral("SWagesOver      = 1 2 3 4 5 6 7   # rows 1 to 7"),
        QStringLiteral("SWagesNotOver   = 2 3 4 5 6 7 999999999999"),
        QStringLiteral("STaxAmount      = 0 0.1 0.2 0.3 0.4 0.5 192979.25"),
        QStringLiteral("STaxRate        = 10 12 22 24 32 35 37"),
        QStringLiteral("MWagesOver      = 1 2 3 4 5 6 7"),
        QStringLiteral("MWagesNotOver   = 1 2 3 4 5 6 7"),
        QStringLiteral("MTaxAmount      = 1 2 3 4 5 6 7"),
        QStringLiteral("MTaxRate        = 1 2 3 4 5 6 7"),
        QStringLiteral("HOHWagesOver    = 1 2 3 4 5 6 7"),
        QStringLiteral("HOHWagesNotOver = 1 2 3 4 5 6 7"),
        QStringLiteral("HOHTaxAmount    = 1 2 3 4 5 6 7"),
        QStringLiteral("HOHTaxRate\t=\t1\t2 3 4 5 6 70"),
        QString(),
        QStringLiteral("ExemptionVal = 0"),
        QStringLiteral("FICARate = 6.2"),
        QStringLiteral("MaxFICAWages = 184500"),
        QStringLiteral("MaxFICATax = 11439.00"),
        QStringLiteral("MedicareRate = 1.45"),
        QStringLiteral("MaxMedicareWages = 999999999999"),
        QStringLiteral("FUTARate = 0.6"),
        QStringLiteral("MaxFUTAWages = 7000"),
        QStringLiteral("MaxFUTATax = 42"),
        QStringLiteral("MedSurcharge = 0.9"),
        QStringLiteral("MedExclWages = 200000"),
    };
}

} // namespace

TEST(FederalTableTextTest, EveryFieldIsReadByItsName)
{
    const FederalTaxRecord table = ParseFederalTableText(completeText().join(QChar('\n')));
    EXPECT_EQ(table.SWagesOver[1], 1.0);
    EXPECT_EQ(table.SWagesNotOver[7], 999999999999.0);
    EXPECT_EQ(table.STaxAmount[7], 192979.25);
    EXPECT_EQ(table.HOHTaxRate[1], 1.0);
    EXPECT_EQ(table.HOHTaxRate[7], 70.0);
    EXPECT_EQ(table.ExemptionVal, 0.0);
    EXPECT_EQ(table.FICARate, 6.2);
    EXPECT_EQ(table.MaxFICATax, 11439.0);
    EXPECT_EQ(table.MedicareRate, 1.45);
    EXPECT_EQ(table.MaxFUTATax, 42.0);
    EXPECT_EQ(table.MedSurcharge, 0.9);
    EXPECT_EQ(table.MedExclWages, 200000.0);
}

TEST(FederalTableTextTest, FaultsAreRefusedWithTheirLine)
{
    struct Case {
        int line;                 // 1-based line to replace, 0 to remove the field MedExclWages
        QString replacement;
        QString message;
    };
    const Case cases[] = {
        {5, QStringLiteral("STaxRates = 10 12 22 24 32 35 37"), QStringLiteral("Line 5: unknown field \"STaxRates\".")},
        {6, QStringLiteral("STaxRate = 10 12 22 24 32 35 37"), QStringLiteral("Line 6: STaxRate is given twice.")},
        {2, QStringLiteral("SWagesOver = 1 2 3 4 5 6"), QStringLiteral("Line 2: SWagesOver needs 7 value(s), found 6.")},
        {16, QStringLiteral("FICARate = 6.2 1.45"), QStringLiteral("Line 16: FICARate needs 1 value(s), found 2.")},
        {16, QStringLiteral("FICARate ="), QStringLiteral("Line 16: FICARate needs 1 value(s), found 0.")},
        {17, QStringLiteral("MaxFICAWages = 184,500"), QStringLiteral("Line 17: \"184,500\" is not a plain decimal number.")},
        {17, QStringLiteral("MaxFICAWages = -1"), QStringLiteral("Line 17: \"-1\" is not a plain decimal number.")},
        {17, QStringLiteral("MaxFICAWages = nan"), QStringLiteral("Line 17: \"nan\" is not a plain decimal number.")},
        {17, QStringLiteral("MaxFICAWages = 1e5"), QStringLiteral("Line 17: \"1e5\" is not a plain decimal number.")},
        {18, QStringLiteral("MaxFICATax 11439"), QStringLiteral("Line 18: expected \"Name = values\".")},
        {0, QString(), QStringLiteral("MedExclWages is missing.")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        QStringList lines = completeText();
        if (c.line == 0)
            lines.removeLast();
        else
            lines[c.line - 1] = c.replacement;
        try {
            ParseFederalTableText(lines.join(QChar('\n')));
            ADD_FAILURE() << "accepted";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.message(), c.message);
        }
    }
}
