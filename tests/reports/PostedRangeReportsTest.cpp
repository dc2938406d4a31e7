#include "PayDateHistoryFixture.h"

#include "reports/CustomPeriodReport.h"
#include "reports/EmployeeYearToDateReport.h"
#include "reports/IndividualEmployeeReport.h"

namespace {

using CustomPeriodReportTest = PayDateHistoryTest;
using IndividualEmployeeReportTest = PayDateHistoryTest;
using EmployeeYearToDateTest = PayDateHistoryTest;

constexpr double kGrossX = 2.75;
constexpr double kTotalDeductedX = 10.25;

// The amount a journal prints in a column on the line of a text.
QString JournalCell(const ReportDocument& document, int page, const QString& lineText, double columnX)
{
    const DrawOp* line = FindText(document, page, lineText);
    if (!line)
        return QStringLiteral("(no line)");
    for (const DrawOp& op : document.pages[page].ops) {
        if (op.kind == DrawOp::Kind::Text && op.y1 == line->y1 && op.x1 == columnX)
            return op.text;
    }
    return QStringLiteral("(no amount)");
}

double Amount(QString text)
{
    return text.remove(QLatin1Char(',')).toDouble();
}

} // namespace

TEST_F(CustomPeriodReportTest, DetailedReportOfTheWholeRangeAddsItsPayDates)
{
    postThreeWeeks();
    const auto document = print([](ReportCanvas& report) { PrintCustomPeriodReport(report, CustomPeriod{{1, 3}, {}, {}}); });
    ASSERT_TRUE(document);
    ASSERT_EQ(document->PageCount(), 4);
    EXPECT_EQ(AmountBeside(*document, 0, QStringLiteral("Total earnings")), QStringLiteral("3,000.00"));
    EXPECT_EQ(AmountBeside(*document, 0, QStringLiteral("Total deductions")), QStringLiteral("463.50"));
    EXPECT_EQ(AmountBeside(*document, 0, QStringLiteral("Net amount paid")), QStringLiteral("2,536.50"));
    EXPECT_EQ(AmountBeside(*document, 2, QStringLiteral("Total earnings")), QStringLiteral("2,000.00"));
    EXPECT_TRUE(FindText(*document, 0, QStringLiteral("Custom Period Payroll Report")));
    EXPECT_TRUE(FindText(*document, 0, QStringLiteral("For the period 01/03/2026 to 01/23/2026")));

    EXPECT_TRUE(FindText(*document, 3, QStringLiteral("Custom Period Payroll Report Summary")));
    EXPECT_EQ(AmountBeside(*document, 3, QStringLiteral("Total Employees Printed")), QStringLiteral("3"));
    EXPECT_EQ(AmountBeside(*document, 3, QStringLiteral("Regular wages and salaries")), QStringLiteral("8,000.00"));
    EXPECT_EQ(AmountBeside(*document, 3, QStringLiteral("Total earnings")), QStringLiteral("8,000.00"));
    EXPECT_EQ(AmountBeside(*document, 3, QStringLiteral("F.I.C.A. tax")), QStringLiteral("496.00"));
    const DrawOp* earnings = FindText(*document, 3, QStringLiteral("Earnings:"));
    ASSERT_TRUE(earnings);
    EXPECT_DOUBLE_EQ(earnings->y1, FindText(*document, 0, QStringLiteral("Earnings:"))->y1);
    EXPECT_TRUE(OpsOffPage(*document).isEmpty());

    const QString text = flatText();
    renderPage(1, QStringLiteral("custom-detailed"));
    EXPECT_TRUE(text.contains(QStringLiteral("Total earnings 3,000.00")));
    EXPECT_TRUE(text.contains(QStringLiteral("Net amount paid 2,536.50")));
    EXPECT_TRUE(text.contains(QStringLiteral("Total Employees Printed 3")));
}

TEST_F(CustomPeriodReportTest, NameAndPeriodTextsReplaceTheHeadingLines)
{
    postThreeWeeks();
    const CustomPeriod period{{2, 2}, QStringLiteral("Second Week"), QStringLiteral("Week of January 16")};
    const auto detailed = print([&](ReportCanvas& report) { PrintCustomPeriodReport(report, period); });
    ASSERT_EQ(detailed->PageCount(), 3) << "Carter unpaid on 01/16";
    EXPECT_TRUE(FindText(*detailed, 0, QStringLiteral("Second Week")));
    EXPECT_TRUE(FindText(*detailed, 0, QStringLiteral("Week of January 16")));
    EXPECT_TRUE(FindText(*detailed, 2, QStringLiteral("Second Week Summary")));
    const auto journal =
        print([&](ReportCanvas& report) { PrintCustomPeriodJournal(report, period); }, PageOrientation::Landscape);
    EXPECT_TRUE(FindText(*journal, 0, QStringLiteral("Second Week")));
    EXPECT_TRUE(FindText(*journal, 0, QStringLiteral("Week of January 16")));
}

TEST_F(CustomPeriodReportTest, JournalTotalsAreTheSumsOfItsRows)
{
    postThreeWeeks();
    // Third-party sick pay alone gets a row; a deduction without any pay gets none and stays out
    // of the totals.
    addEmployee(QStringLiteral("Dunn"), QStringLiteral("Dee"));
    module->RSEmployee.PostRec();
    writeSlot(4, 2, {{QStringLiteral("TPSPGross"), 300.0}});
    addEmployee(QStringLiteral("Evans"), QStringLiteral("Eve"));
    module->RSEmployee.PostRec();
    writeSlot(5, 1, {{QStringLiteral("HealthIns"), 10.0}, {QStringLiteral("TotalDeduct"), 10.0}});

    const auto document = print([](ReportCanvas& report) { PrintCustomPeriodJournal(report, CustomPeriod{{1, 3}, {}, {}}); },
                                PageOrientation::Landscape);
    ASSERT_TRUE(document);
    const QStringList texts = PageTexts(*document, 0);
    EXPECT_TRUE(texts.contains(QStringLiteral("Dee Dunn")));
    EXPECT_FALSE(texts.contains(QStringLiteral("Eve Evans")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Custom Period Payroll Journal")));
    EXPECT_TRUE(texts.contains(QStringLiteral("For the Pay Period 01/03/2026 to 01/23/2026")));
    EXPECT_TRUE(texts.contains(QStringLiteral("***6789")));

    double rowsDeducted = 0.0;
    for (const char* name : {"Ann Able", "Bob Baker", "Cy Carter", "Dee Dunn"})
        rowsDeducted += Amount(JournalCell(*document, 0, QString::fromLatin1(name), kTotalDeductedX));
    EXPECT_DOUBLE_EQ(rowsDeducted, 463.5 * 2 + 309.0);
    EXPECT_DOUBLE_EQ(Amount(JournalCell(*document, 0, QStringLiteral("Totals"), kTotalDeductedX)), rowsDeducted);
    EXPECT_EQ(JournalCell(*document, 0, QStringLiteral("Totals"), kGrossX), QStringLiteral("8,000.00"));
    EXPECT_TRUE(OpsOffPage(*document).isEmpty());
}

TEST_F(IndividualEmployeeReportTest, StatementsOfAnEmployeeRunTheYearToDateOverItsPayDates)
{
    postThreeWeeks();
    readEmployee(3);
    const auto document = print([](ReportCanvas& report) { PrintEmployeeStatements(report, {1, 3}); });
    ASSERT_TRUE(document);
    ASSERT_EQ(document->PageCount(), 1);
    EXPECT_EQ(CountText(*document, 0, QStringLiteral("CY CARTER")), 2);
    EXPECT_EQ(CountText(*document, 0, QString(75, QLatin1Char('-'))), 1) << "the cut line";
    const DrawOp* title = FindText(*document, 0, QStringLiteral("Earnings Statement"));
    ASSERT_TRUE(title);
    EXPECT_EQ(title->font.name, QStringLiteral("Arial"));
    EXPECT_TRUE(title->font.bold);

    const QString text = flatText();
    renderPage(1, QStringLiteral("individual-statements"));
    EXPECT_TRUE(text.contains(QStringLiteral("Pay Date: 01/09/2026")) || text.contains(QStringLiteral("01/09/2026")));
    // The lower statement's year to date adds the two pay dates Carter was paid.
    const QStringList totals = text.split(QLatin1Char('\n')).filter(QStringLiteral("2,000.00"));
    EXPECT_FALSE(totals.isEmpty()) << text.toStdString();
    EXPECT_TRUE(OverlappingTexts(*document).isEmpty());
}

TEST_F(IndividualEmployeeReportTest, AFringeBenefitAloneGetsAStatementOnAPageOfItsOwnRoom)
{
    postThreeWeeks();
    writeSlot(3, 2, {{QStringLiteral("FringeBen"), 50.0}});
    readEmployee(3);
    const auto document = print([](ReportCanvas& report) { PrintEmployeeStatements(report, {1, 3}); });
    ASSERT_TRUE(document);
    ASSERT_EQ(document->PageCount(), 2) << "three statements, two a page";
    EXPECT_EQ(CountText(*document, 0, QStringLiteral("CY CARTER")), 2);
    EXPECT_EQ(CountText(*document, 1, QStringLiteral("CY CARTER")), 1);
    EXPECT_TRUE(OverlappingTexts(*document).isEmpty()) << OverlappingTexts(*document).join('\n').toStdString();
}

TEST_F(IndividualEmployeeReportTest, JournalHasARowForEachPaidPayDate)
{
    postThreeWeeks();
    readEmployee(3);
    EXPECT_EQ(PayDatesWithNetPay({1, 3}), 2);
    EXPECT_EQ(PayDatesWithNetPay({2, 2}), 0);
    const auto document = print([](ReportCanvas& report) { PrintEmployeeJournal(report, {1, 3}); }, PageOrientation::Landscape);
    ASSERT_TRUE(document);
    const QStringList texts = PageTexts(*document, 0);
    EXPECT_TRUE(texts.contains(QStringLiteral("01/03/2026  to  01/09/2026")));
    EXPECT_FALSE(texts.contains(QStringLiteral("01/10/2026  to  01/16/2026")));
    EXPECT_TRUE(texts.contains(QStringLiteral("01/23/2026")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Employee: Cy Carter")));
    EXPECT_EQ(JournalCell(*document, 0, QStringLiteral("Totals"), kGrossX), QStringLiteral("2,000.00"));
    EXPECT_TRUE(OpsOffPage(*document).isEmpty());
}

TEST_F(EmployeeYearToDateTest, PageShowsThePostedYearToDateAsOfTheDayBeforeTheOpenPeriod)
{
    addHourlyEmployee(QStringLiteral("Able"), QStringLiteral("Ann"), 25.0);
    postPeriod(QDate(2026, 1, 9));
    postPeriod(QDate(2026, 1, 16));
    readEmployee(1);
    EmployeeRec.OtherRateDesc = QStringLiteral("Piecework");
    EmployeeRec.OtherTimePaid[kYearToDateColumn] = 3.0;
    // What is entered for the open period is not posted yet.
    EmployeeRec.Wages[kCurrentColumn] = 500.0;
    // A stale total is printed recomputed, and stays in the record the manual entry window shows.
    EmployeeRec.GrossWages[kYearToDateColumn] = 1234.0;
    // Payroll date, line printed.
    for (const auto& [from, asOf] : {std::pair{"01/10/2026", "As of January 9, 2026"},
                                     std::pair{"01/01/2026", "As of December 31, 2025"}}) {
        CompanyRec.PayDateFrom = QString::fromLatin1(from);
        const auto document = print([](ReportCanvas& report) { PrintEmployeeYearToDate(report); });
        ASSERT_TRUE(document);
        ASSERT_EQ(document->PageCount(), 1);
        EXPECT_TRUE(FindText(*document, 0, QString::fromLatin1(asOf))) << asOf;
        EXPECT_TRUE(FindText(*document, 0, QStringLiteral("Year-to-Date Payroll Report")));
        EXPECT_TRUE(FindText(*document, 0, QStringLiteral("Of Employee Ann Able")));
        EXPECT_EQ(AmountBeside(*document, 0, QStringLiteral("Total earnings")), QStringLiteral("2,000.00"));
        EXPECT_EQ(AmountBeside(*document, 0, QStringLiteral("Piecework paid")), QStringLiteral("3.000000"));
        EXPECT_EQ(FindText(*document, 0, QStringLiteral("Earnings:"))->y1, 1.51);
        EXPECT_FALSE(PageTexts(*document, 0).filter(QStringLiteral("Employee name:")).size());
        EXPECT_TRUE(OpsOffPage(*document).isEmpty());
        EXPECT_DOUBLE_EQ(EmployeeRec.GrossWages[kYearToDateColumn], 1234.0);
        EXPECT_DOUBLE_EQ(EmployeeRec.Wages[kCurrentColumn], 500.0);
    }
    renderPage(1, QStringLiteral("employee-year-to-date"));
    EXPECT_TRUE(flatText().contains(QStringLiteral("Total earnings 2,000.00")));
}
