#include "FormChecks.h"
#include "TestSupport.h"

#include "client/CompanyRecord.h"
#include "client/PayRecords.h"
#include "forms/ScheduleB.h"
#include "platform/report/LayoutImage.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>

#include <cstring>

namespace {

CompanyRecord EmptyCompany()
{
    CompanyRecord company;
    std::memset(&company, 0, sizeof company);
    return company;
}

QString ShippedProject()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/TAXFORMS.RAV");
}

TEST(ScheduleBTest, MonthTotalsAddTheirDaysAndTheQuarterTheMonths)
{
    CompanyRecord company = EmptyCompany();
    company.TaxLibMonth[2][1] = 100.00;
    company.TaxLibMonth[2][31] = 50.25;
    company.TaxLibMonth[1][15] = 10;
    company.TaxLibMonth[3][31] = 1;   // a day June lacks still counts
    company.TaxLibMonth[1][32] = 999; // stale totals are replaced
    company.TaxLibQtr = 999;
    CalcTotals(company);
    EXPECT_DOUBLE_EQ(company.TaxLibMonth[1][32], 10);
    EXPECT_DOUBLE_EQ(company.TaxLibMonth[2][32], 150.25);
    EXPECT_DOUBLE_EQ(company.TaxLibMonth[3][32], 1);
    EXPECT_DOUBLE_EQ(company.TaxLibQtr, 161.25);
}

TEST(ScheduleBTest, PrintingNeedsTheQuarterAndLine12AtCents)
{
    const QString noQuarter = QStringLiteral(
        "Unable to print Schedule B.~None of the \"Report for this Quarter\" boxes have been checked.");
    const QString line12 =
        QStringLiteral("Unable to print Schedule B.~Total liability for the quarter does~not equal line 12 on Form 941.");
    const QString open941 = QStringLiteral(
        "Unable to print Schedule B.~Form 941 has not been opened for this quarter yet. Open Form 941 first (Tax Forms > "
        "Form 941): its line 12 must equal the total liability for the quarter.");
    const struct {
        const char* what;
        int quarter;
        double total;
        double line12;
        const QString* fault;
    } cases[] = {
        {"equal at cents", 2, 12345.67, 12345.674, nullptr},
        {"a cent apart", 2, 12345.68, 12345.674, &line12},
        {"Form 941 not opened since the close", 2, 50, 0, &open941},
        {"a line 12 of a cent", 2, 50, 0.01, &line12},
        {"nothing owed", 4, 0, 0, nullptr},
        {"no quarter though the totals agree", 0, 12345.67, 12345.67, &noQuarter},
    };
    for (const auto& c : cases) {
        CompanyRecord company = EmptyCompany();
        company.CurrentQuarter = c.quarter;
        company.TaxLibQtr = c.total;
        company.F941Amount[19] = c.line12;
        const std::optional<QString> fault = ScheduleBPrintFault(company);
        if (c.fault) {
            EXPECT_EQ(fault.value_or(QString()), *c.fault) << c.what;
        } else {
            EXPECT_FALSE(fault.has_value()) << c.what;
        }
    }
}

TEST(ScheduleBTest, ParametersFillTheLayoutsFields)
{
    CompanyRecord company = EmptyCompany();
    company.Name = QStringLiteral("Dover Bakery");
    company.FederalID = QStringLiteral("12-3456789");
    company.CurrentQuarter = 3;
    company.TaxLibMonth[1][9] = 379.5;
    company.TaxLibMonth[2][31] = 50.25;
    company.TaxLibMonth[3][2] = 0.004;
    CalcTotals(company);

    const FormParams params = ScheduleBParams(company, false);
    EXPECT_EQ(params.Get(QStringLiteral("CompName")), QStringLiteral("DOVER BAKERY"));
    EXPECT_EQ(params.Get(QStringLiteral("EIN3")), QStringLiteral("3"));
    EXPECT_EQ(params.Get(QStringLiteral("CalYear3")), QStringLiteral("2"));
    EXPECT_EQ(params.Get(QStringLiteral("F941CurQtr3")), QStringLiteral("X"));
    EXPECT_FALSE(params.Has(QStringLiteral("F941CurQtr1")));
    EXPECT_EQ(params.Get(QStringLiteral("TaxLibMonth1_9")), QStringLiteral("379.50"));
    EXPECT_EQ(params.Get(QStringLiteral("TaxLibMonth2_32")), QStringLiteral("50.25"));
    EXPECT_FALSE(params.Has(QStringLiteral("TaxLibMonth3_2"))) << "0.004 is 0 at cents";
    EXPECT_FALSE(params.Has(QStringLiteral("TaxLibMonth1_1")));
    EXPECT_EQ(params.Get(QStringLiteral("TaxLibQtr")), QStringLiteral("429.75"));
    EXPECT_EQ(params.Get(QStringLiteral("FormCopy")), kFileCopyText);

    // Every box filled at once, so that no name the handler can set is missing from the layout.
    for (int m = 1; m <= 3; ++m)
        for (int d = 1; d <= 31; ++d)
            company.TaxLibMonth[m][d] = d;
    CalcTotals(company);
    for (int quarter = 1; quarter <= 4; ++quarter) {
        company.CurrentQuarter = quarter;
        EXPECT_TRUE(ParamsNameFields(ReadLayout(ShippedProject(), kScheduleBLayout), ScheduleBParams(company, false)));
    }
}

class ScheduleBPaperTest : public LedgoraTest {};

TEST_F(ScheduleBPaperTest, ValuesPrintInsideTheirBoxes)
{
    CompanyRecord company = EmptyCompany();
    company.Name = QStringLiteral("Consolidated Amalgamated Bakeries of Kent Co.");
    company.FederalID = QStringLiteral("12-3456789");
    company.CurrentQuarter = 2;
    company.TaxLibMonth[2][1] = 100;
    company.TaxLibMonth[2][31] = 50.25;
    company.TaxLibMonth[1][8] = 123456789.12;
    company.TaxLibMonth[3][25] = 12345.67;
    CalcTotals(company);
    const QString pdf = tempPath(QStringLiteral("ScheduleB.pdf"));
    WriteFilledLayoutPdf(ShippedProject(), kScheduleBLayout, ScheduleBParams(company, false), pdf);
    const QString folder = qEnvironmentVariable("LEDGORA_SCREENSHOT_DIR");
    const ReportLayout layout = ReadLayout(ShippedProject(), kScheduleBLayout);
    if (!folder.isEmpty()) {
        QFile::copy(pdf, folder + QStringLiteral("/ScheduleB.pdf"));
        RenderLayoutImage(layout, 1, 100).save(folder + QStringLiteral("/ScheduleBLayout.png"));
    }

    const std::vector<PdfWord> words = ReadPdfWords(pdf);
    EXPECT_TRUE(ValueInFieldBox(words, layout, QStringLiteral("TaxLibMonth2_31"), QStringLiteral("50.25")));
    EXPECT_TRUE(ValueInFieldBox(words, layout, QStringLiteral("TaxLibMonth2_1"), QStringLiteral("100.00")));
    EXPECT_TRUE(ValueInFieldBox(words, layout, QStringLiteral("TaxLibMonth2_32"), QStringLiteral("150.25")));
    EXPECT_TRUE(ValueInFieldBox(words, layout, QStringLiteral("TaxLibMonth1_8"), QStringLiteral("123456789.12")));
    EXPECT_TRUE(ValueInFieldBox(words, layout, QStringLiteral("TaxLibMonth3_25"), QStringLiteral("12345.67")));
    EXPECT_TRUE(ValueInFieldBox(words, layout, QStringLiteral("TaxLibQtr"), QStringLiteral("123469285.04")));
    EXPECT_TRUE(ValueInFieldBox(words, layout, QStringLiteral("EIN9"), QStringLiteral("9")));
    EXPECT_TRUE(ValueInFieldBox(words, layout, QStringLiteral("F941CurQtr2"), QStringLiteral("X")));
    EXPECT_TRUE(ValueInFieldBox(words, layout, QStringLiteral("CompName"),
                                QStringLiteral("CONSOLIDATED AMALGAMATED BAKERIES OF KENT CO.")));
}

} // namespace
