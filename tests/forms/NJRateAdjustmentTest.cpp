#include "tests/forms/NJFormsFixture.h"

#include "forms/NJRateAdjustment.h"
#include "platform/Clock.h"

namespace {

class NJRateAdjustmentTest : public NJFormsTest {
protected:
    void SetUp() override
    {
        NJFormsTest::SetUp();
        SetClockForTests(QDateTime(QDate(2026, 3, 5), QTime(9, 0)));
        // The new rates, typed on the company screen's New Jersey page; another state shown.
        CompanyRec.UnempTaxRate[StateNumber("NJ")] = 3.0;
        CompanyRec.DisbTaxRate[StateNumber("NJ")] = 0.6;
        CompanyRec.CurrentState = StateNumber("PA");
        CompanyRec.UnempTaxRate[StateNumber("PA")] = 9.9;
        CompanyRec.DisbTaxRate[StateNumber("PA")] = 9.9;
        module->RSCompany.PostRec();
    }

    void TearDown() override
    {
        SetClockForTests(QDateTime());
        NJFormsTest::TearDown();
    }

    // An employee whose quarter's UI and DI contributions were charged at 2.575 and 0.5 percent.
    void addChargedEmployee(const QString& last, const char* state = "NJ")
    {
        addPaidEmployee(last, {10000.00, 10000.00, 10000.00, 10000.00, 10000.00}, state);
        EmployeeRec.UnempLib[kQuarterToDateColumn] = 257.50;
        EmployeeRec.DisbLib[kQuarterToDateColumn] = 50.00;
        module->RSEmployee.PostRec();
    }

    std::shared_ptr<const ReportDocument> printReport(int expectedListed, const QString& fileName = QString())
    {
        return print([&](ReportProject& project) { EXPECT_EQ(PrintNJRateAdjustmentReport(project), expectedListed); },
                     fileName);
    }
};

TEST_F(NJRateAdjustmentTest, AdjustmentIsTheQuarterAtTheNewRatesLessWhatWasCharged)
{
    addChargedEmployee(QStringLiteral("Able"));
    const NJRateAdjustment raised = CalcNJRateAdjustment(EmployeeRec, 3.0, 0.6);
    EXPECT_DOUBLE_EQ(raised.UI, 42.50);
    EXPECT_DOUBLE_EQ(raised.DI, 10.00);
    const NJRateAdjustment same = CalcNJRateAdjustment(EmployeeRec, 2.575, 0.5);
    EXPECT_DOUBLE_EQ(same.UI, 0.00);
    EXPECT_DOUBLE_EQ(same.DI, 0.00);
    const NJRateAdjustment lowered = CalcNJRateAdjustment(EmployeeRec, 2.0, 0.4);
    EXPECT_DOUBLE_EQ(lowered.UI, -57.50);
    EXPECT_DOUBLE_EQ(lowered.DI, -10.00);

    EmployeeRec.UICompWages[kQuarterToDateColumn] = 0;
    EmployeeRec.DICompWages[kQuarterToDateColumn] = 0;
    const NJRateAdjustment noWages = CalcNJRateAdjustment(EmployeeRec, 3.0, 0.6);
    EXPECT_DOUBLE_EQ(noWages.UI, 0.00);
    EXPECT_DOUBLE_EQ(noWages.DI, 0.00);
}

TEST_F(NJRateAdjustmentTest, ListsNewJerseyEmployeesAtNewJerseysRates)
{
    addChargedEmployee(QStringLiteral("Able"));
    addChargedEmployee(QStringLiteral("Penn"), "PA");
    addChargedEmployee(QStringLiteral("Baker"));
    const auto document = printReport(2);
    ASSERT_EQ(document->PageCount(), 1);
    const QStringList texts = PageTexts(document->pages[0]);
    EXPECT_TRUE(texts.contains(QStringLiteral("Pat Able")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Pat Baker")));
    EXPECT_FALSE(texts.contains(QStringLiteral("Pat Penn")));
    EXPECT_EQ(texts.count(QStringLiteral("42.50")), 2);
    EXPECT_EQ(texts.count(QStringLiteral("10.00")), 2);
    EXPECT_TRUE(texts.contains(QStringLiteral("85.00")));
    EXPECT_TRUE(texts.contains(QStringLiteral("20.00")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Totals")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Page 1 of 1")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Garden State Tools & Dies")));
    EXPECT_TRUE(texts.contains(QStringLiteral("New Jersey UI/TDI Rate Change Adjustment Report")));
    EXPECT_TRUE(texts.contains(QStringLiteral("As of March 5, 2026")));
    EXPECT_TRUE(OpsOffPage(*document).isEmpty()) << OpsOffPage(*document).join(QLatin1Char('\n')).toStdString();
}

TEST_F(NJRateAdjustmentTest, ResignedOrDeceasedEmployeesAreMarked)
{
    addChargedEmployee(QStringLiteral("Able"));
    EmployeeRec.DateResigned = QStringLiteral("02/27/2026");
    module->RSEmployee.PostRec();
    EXPECT_EQ(NJRateAdjustmentName(EmployeeRec), QStringLiteral("*Pat Able (02/27/2026)"));
    EmployeeRec.DateResigned = QString();
    EmployeeRec.Deceased = true;
    EXPECT_EQ(NJRateAdjustmentName(EmployeeRec), QStringLiteral("*Pat Able ()"));
    EmployeeRec.Deceased = false;
    EXPECT_EQ(NJRateAdjustmentName(EmployeeRec), QStringLiteral("Pat Able"));
    EmployeeRec.FullName = QString(43, QLatin1Char('N'));
    EmployeeRec.DateResigned = QStringLiteral("02/27/2026");
    EXPECT_EQ(NJRateAdjustmentName(EmployeeRec).size(), 57);
}

TEST_F(NJRateAdjustmentTest, OnePageHoldsOneHundredSevenEmployees)
{
    for (int i = 1; i <= 107; ++i)
        addChargedEmployee(QStringLiteral("E%1").arg(i, 3, 10, QLatin1Char('0')));
    addChargedEmployee(QStringLiteral("Penn"), "PA");
    const auto document = printReport(107);
    ASSERT_EQ(document->PageCount(), 1);
    const QStringList texts = PageTexts(document->pages[0]);
    EXPECT_TRUE(texts.contains(QStringLiteral("Totals")));
    EXPECT_TRUE(texts.contains(QStringLiteral("4,547.50")));
    EXPECT_TRUE(texts.contains(QStringLiteral("1,070.00")));
    EXPECT_TRUE(OpsOffPage(*document).isEmpty());
}

TEST_F(NJRateAdjustmentTest, TheHundredEighthEmployeeStartsAPageWithTheTotals)
{
    for (int i = 1; i <= 108; ++i)
        addChargedEmployee(QStringLiteral("E%1").arg(i, 3, 10, QLatin1Char('0')));
    readEmployee(108);
    EmployeeRec.DateResigned = QStringLiteral("02/27/2026");
    module->RSEmployee.PostRec();
    const auto document = printReport(108, QStringLiteral("njuidira.pdf"));
    keepForLooking(QStringLiteral("njuidira.pdf"));
    ASSERT_EQ(document->PageCount(), 2);
    const QStringList first = PageTexts(document->pages[0]);
    EXPECT_TRUE(first.contains(QStringLiteral("See page 2 for totals")));
    EXPECT_TRUE(first.contains(QStringLiteral("Page 1 of 2")));
    EXPECT_FALSE(first.contains(QStringLiteral("*Pat E108 (02/27/2026)")));
    const QStringList second = PageTexts(document->pages[1]);
    EXPECT_TRUE(second.contains(QStringLiteral("Page 2 of 2")));
    EXPECT_TRUE(second.contains(QStringLiteral("*Pat E108 (02/27/2026)")));
    EXPECT_TRUE(second.contains(QStringLiteral("Totals")));
    EXPECT_TRUE(second.contains(QStringLiteral("4,590.00")));
    EXPECT_TRUE(second.contains(QStringLiteral("1,080.00")));
    // Row 1 of the second page stands where row 1 of the first did.
    EXPECT_DOUBLE_EQ(FindText(document->pages[1], QStringLiteral("*Pat E108 (02/27/2026)"))->y1,
                     FindText(document->pages[0], QStringLiteral("Pat E001"))->y1);
}

TEST_F(NJRateAdjustmentTest, NoNewJerseyEmployeeNoPage)
{
    addChargedEmployee(QStringLiteral("Penn"), "PA");
    const auto document = printReport(0);
    ASSERT_LE(document->PageCount(), 1);
    if (document->PageCount() == 1) {
        EXPECT_TRUE(document->pages[0].ops.empty());
    }
}

} // namespace
