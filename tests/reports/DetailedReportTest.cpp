#include "ReportFixture.h"

#include "tests/payroll/PriorPeriodFixture.h"

#include "client/PayHistoryMap.h"
#include "reports/DetailedReport.h"
#include "reports/ReportPages.h"

namespace {

class DetailedReportTest : public ReportTestBase<PriorPeriodTest> {
protected:
    // Three hourly employees at 25.00 for 40 hours, two weekly periods posted.
    void postTwoWeeks()
    {
        addHourlyEmployee(QStringLiteral("Able"), QStringLiteral("Ann"), 25.0);
        EmployeeRec.SocSecNum = QStringLiteral("212-55-6789");
        module->RSEmployee.PostRec();
        addHourlyEmployee(QStringLiteral("Baker"), QStringLiteral("Bob"), 25.0);
        addHourlyEmployee(QStringLiteral("Carter"), QStringLiteral("Cy"), 25.0);
        postWeeks(2);
    }

    static double Amount(const QString& text)
    {
        QString digits = text;
        return digits.remove(QLatin1Char(',')).toDouble();
    }

    // The pages (from 1) holding a text.
    static QList<int> PagesWith(const ReportDocument& document, const QString& text)
    {
        QList<int> pages;
        for (int page = 0; page < document.PageCount(); ++page) {
            if (FindText(document, page, text))
                pages << page + 1;
        }
        return pages;
    }

    // The amount printed on the line of a label of a page.
    static QString AmountBeside(const ReportDocument& document, int page, const QString& label)
    {
        const DrawOp* op = FindText(document, page, label);
        if (!op)
            return QStringLiteral("(no line)");
        for (const DrawOp& other : document.pages[page].ops) {
            if (other.kind == DrawOp::Kind::Text && other.align == TextAlign::Right && other.y1 == op->y1 && other.x1 == 6.5)
                return other.text;
        }
        return QStringLiteral("(no amount)");
    }
};

} // namespace

TEST_F(DetailedReportTest, YearToDateReportPrintsAPageForEachPaidEmployeeThenTheSummary)
{
    postTwoWeeks();
    const auto document = runReport(6);
    ASSERT_TRUE(document);
    ASSERT_EQ(document->PageCount(), 4);
    EXPECT_EQ(setupTitles, QStringList{QStringLiteral("Year-to-Date Detailed Report Setup")});
    for (int page = 0; page < 3; ++page) {
        EXPECT_TRUE(FindText(*document, page, QStringLiteral("Page %1 of 3").arg(page + 1))) << page;
        EXPECT_TRUE(FindText(*document, page, QStringLiteral("Year-to-Date Detailed Payroll Report"))) << page;
        EXPECT_EQ(AmountBeside(*document, page, QStringLiteral("Total earnings")), QStringLiteral("2,000.00"));
        EXPECT_EQ(AmountBeside(*document, page, QStringLiteral("Total deductions")), QStringLiteral("309.00"));
        EXPECT_EQ(AmountBeside(*document, page, QStringLiteral("Net amount paid")), QStringLiteral("1,691.00"));
        EXPECT_EQ(AmountBeside(*document, page, QStringLiteral("Regular wages")), QStringLiteral("2,000.00"));
        EXPECT_EQ(AmountBeside(*document, page, QStringLiteral("Hours paid")), QStringLiteral("80.000000"));
        EXPECT_EQ(AmountBeside(*document, page, QStringLiteral("Overtime pay")), QStringLiteral("(no line)"));
    }
    EXPECT_TRUE(FindText(*document, 0, QStringLiteral("Social security number: ***-**-6789")))
        << PageTexts(*document, 0).join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(FindText(*document, 0, QStringLiteral("Employee name: Ann Able")));

    EXPECT_TRUE(FindText(*document, 3, QStringLiteral("Year-to-Date Detailed Payroll Report Summary")));
    EXPECT_EQ(AmountBeside(*document, 3, QStringLiteral("Total employees printed")), QStringLiteral("3"));
    EXPECT_EQ(AmountBeside(*document, 3, QStringLiteral("Regular Wages and Salaries")), QStringLiteral("6,000.00"));
    EXPECT_EQ(AmountBeside(*document, 3, QStringLiteral("Net amount paid")), QStringLiteral("5,073.00"));
    for (const QString& line : PageTexts(*document, 3))
        EXPECT_FALSE(line.startsWith(QStringLiteral("Page "))) << "the Summary has no page line";
    EXPECT_TRUE(OpsOffPage(*document).isEmpty());

    const QString text = pdfText();
    renderPage(1, QStringLiteral("detailed-employee"));
    renderPage(4, QStringLiteral("detailed-summary"));
    EXPECT_TRUE(text.contains(QStringLiteral("Page 3 of 3")));
    EXPECT_TRUE(text.contains(QStringLiteral("Total employees printed")));
    EXPECT_TRUE(text.contains(QStringLiteral("As of ") + LongDate(ReportDateText)));
}

TEST_F(DetailedReportTest, CreditReductionLineOnlyOnTheYearToDateSummary)
{
    postTwoWeeks();
    CompanyRec.F940TCRAmount = 12.34;
    module->RSCompany.PostRec();
    const QString label = QStringLiteral("Federal unemployment credit reduction tax");
    // Kind, whether the line shows.
    for (const auto& [kind, shown] : {std::pair{2, false}, std::pair{4, false}, std::pair{6, true}}) {
        const auto document = runReport(kind);
        ASSERT_TRUE(document);
        const int summary = document->PageCount() - 1;
        EXPECT_EQ(PagesWith(*document, label), shown ? QList<int>{summary + 1} : QList<int>{}) << kind;
        double employees = 0.0;
        for (int page = 0; page < summary; ++page)
            employees += Amount(AmountBeside(*document, page, QStringLiteral("Total employer liabilities")));
        EXPECT_NEAR(Amount(AmountBeside(*document, summary, QStringLiteral("Total employer liabilities"))),
                    employees + (shown ? 12.34 : 0.0), 1e-6)
            << kind;
        if (shown) {
            EXPECT_EQ(AmountBeside(*document, summary, label), QStringLiteral("12.34"));
        }
    }
    CompanyRec.F940TCRAmount = 0.0;
    module->RSCompany.PostRec();
    EXPECT_TRUE(PagesWith(*runReport(6), label).isEmpty());
}

TEST_F(DetailedReportTest, PagesCountTheEmployeesTheRecomputedTotalsPrint)
{
    postTwoWeeks();
    // Wages stored without their recomputed totals: the printing pass recomputes and prints the
    // employee, so the count behind "of n" must too.
    addEmployee(QStringLiteral("Dunn"), QStringLiteral("Dee"));
    EmployeeRec.Wages[kYearToDateColumn] = 700.0;
    module->RSEmployee.PostRec();
    const auto document = runReport(6);
    ASSERT_TRUE(document);
    ASSERT_EQ(document->PageCount(), 5);
    EXPECT_TRUE(FindText(*document, 3, QStringLiteral("Page 4 of 4")));
    EXPECT_EQ(AmountBeside(*document, 3, QStringLiteral("Total earnings")), QStringLiteral("700.00"));
    EXPECT_EQ(AmountBeside(*document, 4, QStringLiteral("Total employees printed")), QStringLiteral("4"));
}

TEST_F(DetailedReportTest, AFullEmployeePageContinuesWithoutHeadingAndNothingLeavesThePaper)
{
    postTwoWeeks();
    readEmployee(1);
    EmployeeRec.WorkState = QStringLiteral("NJ");
    EmployeeRec.CityName = QStringLiteral("NEWARK");
    for (int group = 0; group < kAmountGroupCount; ++group)
        AmountGroup(EmployeeRec, group)[kYearToDateColumn] = 1000.0 + group;
    module->RSEmployee.PostRec();
    const auto document = runReport(6);
    ASSERT_TRUE(document);
    renderPage(2, QStringLiteral("detailed-continued"));
    // Ann's page runs onto a second sheet; the other two and the Summary (also too long for one)
    // follow.
    EXPECT_TRUE(FindText(*document, 0, QStringLiteral("Page 1 of 3")));
    EXPECT_TRUE(FindText(*document, 0, QStringLiteral("NJ state income tax")));
    EXPECT_TRUE(FindText(*document, 0, QStringLiteral("NEWARK city income tax")));
    for (const QString& text : PageTexts(*document, 1)) {
        EXPECT_FALSE(text.startsWith(QStringLiteral("Page "))) << "a continuation has no heading";
        EXPECT_NE(text, QStringLiteral("Acme Tools "));
    }
    EXPECT_TRUE(FindText(*document, 2, QStringLiteral("Page 2 of 3")));
    EXPECT_TRUE(FindText(*document, 3, QStringLiteral("Page 3 of 3")));
    EXPECT_EQ(PagesWith(*document, QStringLiteral("Year-to-Date Detailed Payroll Report Summary")), QList<int>{5});
    EXPECT_EQ(PagesWith(*document, QStringLiteral("Total employees printed")), QList<int>{document->PageCount()});
    EXPECT_TRUE(FindText(*document, 4, QStringLiteral("State income tax")));

    // The first line of a continuation stands at 0.67; nothing falls off any page.
    double top = 11.0;
    for (const DrawOp& op : document->pages[1].ops) {
        if (op.kind == DrawOp::Kind::Text)
            top = std::min(top, op.y1);
    }
    EXPECT_NEAR(top, 0.67, 1e-9);
    EXPECT_TRUE(OpsOffPage(*document).isEmpty()) << OpsOffPage(*document).join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(OverlappingTexts(*document), QStringList());
}
