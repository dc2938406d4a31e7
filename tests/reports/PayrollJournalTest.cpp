#include "ReportFixture.h"

#include "tests/checks/CheckFixture.h"

#include "client/PayHistoryMap.h"
#include "client/PayUtil.h"
#include "platform/report/ReportFonts.h"

#include <QDate>

namespace {

class PayrollJournalTest : public ReportTestBase<CheckTest> {
protected:
    // `count` employees paid 1,000.00 each this period, with check numbers from 1001.
    void addEmployees(int count)
    {
        for (int i = 1; i <= count; ++i)
            addCheckEmployee(QStringLiteral("Worker%1").arg(i, 2, 10, QLatin1Char('0')), false, QStringLiteral("17000"),
                             false, 1000 + i);
    }

    static int PageOf(const ReportDocument& document, const QString& text)
    {
        for (int page = 0; page < document.PageCount(); ++page) {
            if (FindText(document, page, text))
                return page + 1;
        }
        return 0;
    }

    static int RowsOn(const ReportDocument& document, int page)
    {
        int rows = 0;
        for (const QString& text : PageTexts(document, page))
            rows += text.startsWith(QStringLiteral("Pat Worker")) ? 1 : 0;
        return rows;
    }
};

} // namespace

TEST_F(PayrollJournalTest, CurrentJournalPrintsLandscapeRowsAndTotalsUnderASavedPortraitChoice)
{
    saveOrientation(0);
    addEmployees(3);
    const auto document = runReport(1);
    ASSERT_TRUE(document);
    ASSERT_EQ(document->PageCount(), 1);
    EXPECT_EQ(document->pages[0].orientation(), PageOrientation::Landscape);
    EXPECT_EQ(setupTitles, QStringList{QStringLiteral("Employee Payroll Journal Setup")});

    const QString text = pdfText();
    renderPage(1, QStringLiteral("journal-current"));
    EXPECT_TRUE(text.contains(QStringLiteral("Employee Payroll Journal")));
    EXPECT_TRUE(text.contains(QStringLiteral("For the Pay Period: 01/01/2026 to 01/07/2026, Pay Date: 01/09/2026")));
    EXPECT_TRUE(text.contains(QStringLiteral("Page 1 of 1")));
    EXPECT_EQ(text.count(QStringLiteral("845.50")), 3);
    EXPECT_EQ(text.count(QStringLiteral("1001")), 1);
    const QStringList totalsLine = text.split(QLatin1Char('\n')).filter(QStringLiteral("Totals"));
    ASSERT_EQ(totalsLine.size(), 1);
    const QStringList totals = totalsLine[0].split(QLatin1Char(' '), Qt::SkipEmptyParts);
    EXPECT_EQ(totals,
              (QStringList{"Totals", "3,000.00", "186.00", "234.00", "43.50", "0.00", "0.00", "0.00", "0.00", "0.00",
                           "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "463.50", "2,536.50"}));
    EXPECT_TRUE(OpsOffPage(*document).isEmpty());
}

TEST_F(PayrollJournalTest, FortyEightRowsFillAPageAndTheTotalsFollowTheLastRow)
{
    // Listed employees, pages, rows on the last page, the page that holds the totals.
    const struct {
        int employees;
        int pages;
        int rowsOnLastPage;
        int totalsPage;
    } cases[] = {{47, 1, 47, 1}, {48, 2, 0, 2}, {49, 2, 1, 2}};
    int added = 0;
    for (const auto& c : cases) {
        addEmployees(c.employees - added);
        added = c.employees;
        const auto document = runReport(1);
        ASSERT_TRUE(document);
        ASSERT_EQ(document->PageCount(), c.pages) << c.employees;
        EXPECT_EQ(RowsOn(*document, c.pages - 1), c.rowsOnLastPage) << c.employees;
        EXPECT_EQ(PageOf(*document, QStringLiteral("Totals")), c.totalsPage) << c.employees;
        const DrawOp* totals = FindText(*document, c.totalsPage - 1, QStringLiteral("Totals"));
        ASSERT_TRUE(totals);
        // 0.13 in a row from the heads at 1.59, then 0.16 to the totals.
        EXPECT_NEAR(totals->y1, 1.59 + 0.13 * c.rowsOnLastPage + 0.16, 1e-9) << c.employees;
        EXPECT_TRUE(OpsOffPage(*document).isEmpty());
        if (c.pages == 2) {
            EXPECT_TRUE(FindText(*document, 1, QStringLiteral("Page 2 of 2"))) << c.employees;
            EXPECT_TRUE(pdfText().contains(QStringLiteral("Page 2 of 2")));
        }
    }
}

TEST_F(PayrollJournalTest, RowsListWhoWasPaidInTheColumnAndNameThemByCheckOrSocialSecurityNumber)
{
    addEmployees(2);
    readEmployee(1);
    EmployeeRec.SocSecNum = QStringLiteral("123-45-6789");
    EmployeeRec.CheckNumber = 0;
    module->RSEmployee.PostRec();
    // Only sick pay paid by a third party this period: listed, with nothing to add to the gross.
    addEmployee(QStringLiteral("Sickpay"), QStringLiteral("Sam"));
    EmployeeRec.TPSPGross[kCurrentColumn] = 300.0;
    EmployeeRec.Wages[kYearToDateColumn] = 500.0;
    module->RSEmployee.PostRec();
    // Nothing paid: no row.
    addEmployee(QStringLiteral("Idle"), QStringLiteral("Ivy"));
    module->RSEmployee.PostRec();
    readEmployee(2);

    const auto current = runReport(1);
    QStringList rows = PageTexts(*current, 0);
    EXPECT_TRUE(rows.contains(QStringLiteral("N/A")));
    EXPECT_TRUE(rows.contains(QStringLiteral("1002")));
    EXPECT_TRUE(rows.contains(QStringLiteral("Sam Sickpay")));
    EXPECT_FALSE(rows.contains(QStringLiteral("Ivy Idle")));
    EXPECT_TRUE(rows.contains(QStringLiteral("Check")));
    EXPECT_EQ(QString(EmployeeRec.LastName), QStringLiteral("Worker02")) << "the employee current before is current again";

    // The year-to-date column holds only the third employee's wages until posting; recomputed
    // totals list it without a check number, by the last four digits of its number.
    const auto toDate = runReport(7, [](TFrmReports& window) { window.ReportPeriod->setText(QStringLiteral("Year 2026")); });
    rows = PageTexts(*toDate, 0);
    EXPECT_TRUE(rows.contains(QStringLiteral("Sam Sickpay")));
    EXPECT_FALSE(rows.contains(QStringLiteral("Pat Worker01")));
    EXPECT_TRUE(rows.contains(QStringLiteral("Soc. Sec.")));
    EXPECT_TRUE(rows.contains(QStringLiteral("Year 2026")));
    EXPECT_TRUE(rows.contains(QStringLiteral("500.00")));
}

TEST_F(PayrollJournalTest, LargeTotalsAndLongNamesStayInTheirCells)
{
    addEmployees(1);
    readEmployee(1);
    EmployeeRec.FirstName = QStringLiteral("Maximiliana");
    EmployeeRec.LastName = QStringLiteral("Featherstonehaugh-Worthington");
    EmployeeRec.FullName = QStringLiteral("Maximiliana Alexandra Featherstonehaugh-Worthington");
    EmployeeRec.SocSecNum = QStringLiteral("123-45-6789");
    for (int group : {AmountGroupNumber(QStringLiteral("Wages")), AmountGroupNumber(QStringLiteral("HealthIns")),
                      AmountGroupNumber(QStringLiteral("UserDeduct1"))})
        AmountGroup(EmployeeRec, group)[kYearToDateColumn] = 12345678.90;
    CompanyRec.UserDeduct[1] = QStringLiteral("Uniform and cleaning");
    module->RSCompany.PostRec();
    module->RSEmployee.PostRec();

    const auto document = runReport(7);
    ASSERT_TRUE(document);
    EXPECT_EQ(OverlappingTexts(*document), QStringList());
    // In the row and, bold, in the totals line: within the 0.5-in pitch with room to spare.
    int large = 0;
    for (const DrawOp& op : document->pages[0].ops) {
        if (op.text == QStringLiteral("12,345,678.90")) {
            ++large;
            EXPECT_LT(OpBounds(op, 1, 1).width(), 0.48) << op.font.bold;
        }
    }
    EXPECT_EQ(large, 6);
    EXPECT_TRUE(FindText(*document, 0, QStringLiteral("Other (1) = Uniform and cleaning")));
}
