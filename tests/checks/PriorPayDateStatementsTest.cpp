#include "tests/reports/PayDateHistoryFixture.h"

#include "checks/CondensedStatement.h"
#include "checks/EarningsStatement.h"
#include "checks/PostedStatementSource.h"
#include "reports/PriorPayDateJournal.h"

namespace {

using PriorPayDateStatementsTest = PayDateHistoryTest;

// The names of the statements on a page, upper case as the statements print them.
QStringList StatementNames(const ReportDocument& document, int page)
{
    QStringList names;
    for (const QString& name : {QStringLiteral("ANN ABLE"), QStringLiteral("BOB BAKER"), QStringLiteral("CY CARTER")}) {
        if (PageTexts(document, page).contains(name))
            names << name;
    }
    return names;
}

} // namespace

TEST_F(PriorPayDateStatementsTest, StandardStatementsOfTheSecondPayDateAddUpItsFirstTwoPayDates)
{
    postThreeWeeks();
    // Today's rate is not the rate the pay date paid.
    readEmployee(1);
    EmployeeRec.RegularRate = 31.0;
    module->RSEmployee.PostRec();

    const auto document = print([](ReportCanvas& report) {
        PriorPayDateSource source(2);
        PrintEarningsStatements(report, source, StatementStyle{});
    });
    ASSERT_TRUE(document);
    ASSERT_EQ(document->PageCount(), 2) << "one page of statements, then the Payroll Summary";
    EXPECT_EQ(StatementNames(*document, 0), (QStringList{QStringLiteral("ANN ABLE"), QStringLiteral("BOB BAKER")}));
    EXPECT_EQ(CountText(*document, 0, QStringLiteral("Marital Status:")), 2);
    EXPECT_EQ(CountText(*document, 0, QStringLiteral("25.000000")), 2);
    EXPECT_EQ(CountText(*document, 0, QStringLiteral("31.000000")), 0);

    const QString text = flatText();
    renderPage(1, QStringLiteral("prior-statements"));
    EXPECT_EQ(text.count(QStringLiteral("Gross Pay Year-to-Date")), 2);
    EXPECT_TRUE(text.contains(QStringLiteral("For the Payroll Period 01/10/2026 to 01/16/2026")));
    EXPECT_TRUE(text.contains(QStringLiteral("Pay Date 01/16/2026")));
    EXPECT_TRUE(text.contains(QStringLiteral("Total employees processed 2"))) << text.toStdString();
    EXPECT_TRUE(OpsOffPage(*document).isEmpty());
}

TEST_F(PriorPayDateStatementsTest, StatementTotalsReadTheHistorySlots)
{
    postThreeWeeks();
    PriorPayDateSource source(2);
    readEmployee(1);
    source.BeginEmployee();
    EXPECT_TRUE(source.Listed());
    EXPECT_DOUBLE_EQ(source.GrossThisPeriod(), 1000.0);
    EXPECT_DOUBLE_EQ(source.GrossYearToDate(), 2000.0);
    EXPECT_DOUBLE_EQ(source.NetThisPeriod(), 1000.0 - 154.5);
    EXPECT_EQ(source.PayDate(), QStringLiteral("01/16/2026"));
    readEmployee(3);
    source.BeginEmployee();
    EXPECT_FALSE(source.Listed()) << "Carter was not paid on 01/16";
    EXPECT_DOUBLE_EQ(source.GrossYearToDate(), 1000.0);
    EXPECT_EQ(source.PaidCount(), 2);
}

TEST_F(PriorPayDateStatementsTest, CondensedSlotTakesTheRateAndHoursThePayDatePaid)
{
    postThreeWeeks();
    readEmployee(1);
    EmployeeRec.RegularRate = 31.0;
    EmployeeRec.CheckNumHistory[2] = 0;
    module->RSEmployee.PostRec();

    PriorPayDateSource source(2);
    source.BeginEmployee();
    ReportProject project;
    SetCondensedSlotParams(project, source, 1);
    EXPECT_EQ(project.GetParam(QStringLiteral("RegRate1")).trimmed(), QStringLiteral("25.000000"));
    EXPECT_EQ(project.GetParam(QStringLiteral("RegHrs1")).trimmed(), QStringLiteral("40.000000"));
    EXPECT_EQ(project.GetParam(QStringLiteral("ChkNum1")), QStringLiteral("N/A"));

    const auto document = print([this](ReportCanvas& report) {
        PriorPayDateSource prior(2);
        PrintCondensedStatements(report, module->RaveProject, prior);
    });
    ASSERT_TRUE(document);
    EXPECT_EQ(document->PageCount(), 2);
    EXPECT_TRUE(flatText().contains(QStringLiteral("Total employees processed 2")));
}

TEST_F(PriorPayDateStatementsTest, JournalOfAPayDateListsItsPaidEmployeesWithTheirCheckNumbers)
{
    postThreeWeeks();
    readEmployee(2);
    const int bakerCheck = EmployeeRec.CheckNumHistory[2];
    EmployeeRec.CheckNumHistory[2] = 0;
    module->RSEmployee.PostRec();
    readEmployee(1);
    const int ableCheck = EmployeeRec.CheckNumHistory[2];
    ASSERT_GE(ableCheck, 1);
    ASSERT_GE(bakerCheck, 1);

    const auto document = print([](ReportCanvas& report) { PrintPriorPayDateJournal(report, 2); }, PageOrientation::Landscape);
    ASSERT_TRUE(document);
    ASSERT_EQ(document->PageCount(), 1);
    const QStringList texts = PageTexts(*document, 0);
    EXPECT_TRUE(texts.contains(QString::number(ableCheck)));
    EXPECT_TRUE(texts.contains(QStringLiteral("N/A")));
    EXPECT_FALSE(texts.contains(QStringLiteral("Cy Carter")));
    for (const char* head : {"Employee Name", "Check", "State disb.", "deductions", "Employee Payroll Journal",
                             "For the Pay Period: 01/10/2026 to 01/16/2026, Pay Date: 01/16/2026"})
        EXPECT_TRUE(texts.contains(QString::fromLatin1(head))) << head;
    const DrawOp* totals = FindText(*document, 0, QStringLiteral("Totals"));
    ASSERT_TRUE(totals);
    EXPECT_FALSE(totals->font.bold);
    EXPECT_TRUE(FindText(*document, 0, QStringLiteral("2,000.00"))) << "gross pay of the two rows";
    EXPECT_TRUE(OpsOffPage(*document).isEmpty());
}

// Every statement page of a posted pay date says which one it is, the first page included: seven
// employees fill two pages of condensed statements and four of standard ones.
TEST_F(PriorPayDateStatementsTest, EveryStatementPageOfAPostedPayDateShowsItsPeriodAndPayDate)
{
    module->RaveProject.ProjectFile = QCoreApplication::applicationDirPath() + QStringLiteral("/TAXFORMS.RAV");
    for (const char* last : {"Able", "Baker", "Carter", "Dunn", "Evans", "Ford", "Grant"})
        addHourlyEmployee(QString::fromLatin1(last), QStringLiteral("Pat"), 25.0);
    postPeriod(QDate(2026, 1, 9));
    postPeriod(QDate(2026, 1, 16));

    const struct {
        const char* kind;
        std::function<void(ReportCanvas&)> draw;
        int statementPages;
    } printouts[] = {
        {"condensed",
         [this](ReportCanvas& report) {
             PriorPayDateSource source(1);
             PrintCondensedStatements(report, module->RaveProject, source);
         },
         2},
        {"standard",
         [](ReportCanvas& report) {
             PriorPayDateSource source(1);
             PrintEarningsStatements(report, source, StatementStyle{});
         },
         4},
    };
    for (const auto& printout : printouts) {
        const auto document = print(printout.draw);
        ASSERT_TRUE(document);
        ASSERT_EQ(document->PageCount(), printout.statementPages + 1) << printout.kind << ": statements and the summary";
        const QStringList pages = flatText().split(QLatin1Char('\f'));
        for (int page = 0; page < printout.statementPages; ++page) {
            EXPECT_TRUE(pages[page].contains(QStringLiteral("Pay Period: 01/03/2026 to 01/09/2026")))
                << printout.kind << " page " << page + 1 << ":\n" << pages[page].toStdString();
            EXPECT_TRUE(pages[page].contains(QStringLiteral("Pay Date: 01/09/2026"))) << printout.kind << " page " << page + 1;
            EXPECT_FALSE(pages[page].contains(QStringLiteral("01/16/2026"))) << printout.kind << " page " << page + 1;
        }
        if (QString::fromLatin1(printout.kind) == QLatin1String("condensed"))
            renderPage(1, QStringLiteral("prior-condensed-page1"));
    }
}
