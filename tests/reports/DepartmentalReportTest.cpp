// The reports by department of the report window: the departments, their pages and the lines of
// their blocks.

#include "PostedWeeksFixture.h"

#include "tests/payroll/PayRunFixture.h"

#include "reports/DepartmentalReport.h"

namespace {

class DepartmentalReportTest : public PostedWeeksTest {
protected:
    // Appends an employee of a department with amounts set directly in a column.
    void addInDepartment(const QString& last, const QString& department, int column, double gross)
    {
        addEmployee(last, QStringLiteral("Pat"));
        EmployeeRec.Department = department;
        EmployeeRec.Wages[column] = gross;
        EmployeeRec.GrossWages[column] = gross;
        EmployeeRec.NetPay[column] = gross;
        module->RSEmployee.PostRec();
    }

    // The department names of the report's pages, page by page ("" for a page without one).
    static QStringList DepartmentPages(const ReportDocument& document)
    {
        QStringList names;
        for (int page = 0; page < document.PageCount(); ++page) {
            QString name;
            for (const QString& text : PageTexts(document, page)) {
                if (text.startsWith(QStringLiteral("Department name: ")))
                    name = text;
            }
            names << name;
        }
        return names;
    }

    // The amount printed on the line of a label of a page.
    static QString AmountOf(const ReportDocument& document, int page, const QString& label)
    {
        const DrawOp* line = FindText(document, page, label);
        if (!line)
            return QStringLiteral("(no line)");
        for (const DrawOp& op : document.pages.at(page).ops) {
            if (op.kind == DrawOp::Kind::Text && op.y1 == line->y1 && op.x1 == 6.5)
                return op.text;
        }
        return QStringLiteral("(no amount)");
    }
};

} // namespace

TEST_F(DepartmentalReportTest, DepartmentsDifferingInCaseAndTheBlankOneGetPagesInFirstAppearanceOrder)
{
    addInDepartment(QStringLiteral("One"), QStringLiteral("Sales"), kQuarterToDateColumn, 1000);
    addInDepartment(QStringLiteral("Two"), QStringLiteral("sales"), kQuarterToDateColumn, 200);
    addInDepartment(QStringLiteral("Three"), QStringLiteral("Idle"), kQuarterToDateColumn, 0);
    addInDepartment(QStringLiteral("Four"), QString(), kQuarterToDateColumn, 30);
    addInDepartment(QStringLiteral("Five"), QStringLiteral("Sales"), kQuarterToDateColumn, 4000);
    const auto document = runReport(11);
    ASSERT_TRUE(document);
    EXPECT_EQ(setupTitles, QStringList{QStringLiteral("Quarter-to-Date Report by Department Setup")});
    EXPECT_EQ(DepartmentPages(*document),
              (QStringList{QStringLiteral("Department name: Sales"), QStringLiteral("Department name: sales"),
                           QStringLiteral("Department name: ")}));
    EXPECT_EQ(AmountOf(*document, 0, QStringLiteral("Total earnings")), QStringLiteral("5,000.00"));
    EXPECT_EQ(AmountOf(*document, 1, QStringLiteral("Total earnings")), QStringLiteral("200.00"));
    EXPECT_EQ(AmountOf(*document, 2, QStringLiteral("Total earnings")), QStringLiteral("30.00"));
    EXPECT_TRUE(FindText(*document, 2, QStringLiteral("Page 3 of 3")));
    EXPECT_TRUE(FindText(*document, 0, QStringLiteral("Quarter-to-Date Payroll Report by Department")));

    // Zero lines are left out; titles and totals always print.
    EXPECT_FALSE(FindText(*document, 0, QStringLiteral("Bonuses")));
    for (const char* always : {"Earnings:", "Deductions:", "Employer tax liabilities:", "Other:", "Total deductions",
                               "Net amount paid", "Total employer liabilities"})
        EXPECT_TRUE(FindText(*document, 1, QString::fromLatin1(always))) << always;
    EXPECT_EQ(AmountOf(*document, 1, QStringLiteral("Total deductions")), QStringLiteral("0.00"));

    // The sums behind the pages: one department each, in order of first appearance.
    const std::vector<DepartmentTotals> departments = SumDepartments(kQuarterToDateColumn);
    ASSERT_EQ(departments.size(), 4u);
    EXPECT_EQ(departments[2].name, QStringLiteral("Idle"));
    EXPECT_EQ(departments[2].Amount("GrossWages"), 0.0);
}

TEST_F(DepartmentalReportTest, NoDepartmentWithGrossWagesGivesNoPage)
{
    addInDepartment(QStringLiteral("One"), QStringLiteral("Sales"), kYearToDateColumn, 0);
    const auto document = runReport(12);
    ASSERT_TRUE(document);
    EXPECT_TRUE(PageTexts(*document, 0).isEmpty());
}

TEST_F(DepartmentalReportTest, TheCurrentReportShowsTheTimeEnteredBeforePosting)
{
    addInDepartment(QStringLiteral("Hourly"), QStringLiteral("Shop"), kCurrentColumn, 1000);
    EmployeeRec.RegularTime = 40;
    EmployeeRec.OverTime = 5;
    EmployeeRec.HolidayTime = 8;
    EmployeeRec.VacationTime = 16;
    EmployeeRec.SickTime = 4;
    EmployeeRec.OtherTime = 2;
    module->RSEmployee.PostRec();
    addInDepartment(QStringLiteral("Salaried"), QStringLiteral("Shop"), kCurrentColumn, 2000);
    EmployeeRec.Salaried = true;
    EmployeeRec.RegularTime = 5;
    module->RSEmployee.PostRec();

    const auto document = runReport(9);
    ASSERT_TRUE(document);
    EXPECT_EQ(setupTitles, QStringList{QStringLiteral("Current Report by Department Setup")});
    const struct {
        const char* label;
        const char* amount;
    } lines[] = {{"Hours paid", "40.000000"},         {"Days paid", "5.000000"},        {"Overtime paid", "5.000000"},
                 {"Holiday time paid", "8.000000"},   {"Vacation time paid", "16.000000"}, {"Sick time paid", "4.000000"},
                 {"Other time paid", "2.000000"},     {"Total earnings", "3,000.00"}};
    for (const auto& line : lines)
        EXPECT_EQ(AmountOf(*document, 0, QString::fromLatin1(line.label)), QString::fromLatin1(line.amount)) << line.label;
    EXPECT_TRUE(FindText(*document, 0, QStringLiteral("As of January 9, 2026")));
}

TEST_F(DepartmentalReportTest, ALongBlockGoesOnToAPageWithoutHeadingThatThePageCountIncludes)
{
    addInDepartment(QStringLiteral("Busy"), QStringLiteral("Shop"), kYearToDateColumn, 0);
    FillColumn(kYearToDateColumn, 100);
    for (int item = 1; item <= 5; ++item) {
        CompanyRec.UserEarnings[item] = QStringLiteral("Earning %1").arg(item);
        CompanyRec.UserDeduct[item] = QStringLiteral("Deduction %1").arg(item);
        CompanyRec.UserLib[item] = QStringLiteral("Liability %1").arg(item);
    }
    module->RSCompany.PostRec();
    module->RSEmployee.PostRec();
    addInDepartment(QStringLiteral("Other"), QStringLiteral("Office"), kYearToDateColumn, 500);

    const auto document = runReport(12);
    ASSERT_TRUE(document);
    ASSERT_EQ(document->PageCount(), 3);
    EXPECT_TRUE(FindText(*document, 0, QStringLiteral("Page 1 of 3")));
    EXPECT_TRUE(FindText(*document, 0, QStringLiteral("Earning 1")));
    EXPECT_TRUE(FindText(*document, 0, QStringLiteral("Liability 5")));
    EXPECT_FALSE(FindText(*document, 1, QStringLiteral("Page 2 of 3"))) << "a continuation page has no heading";
    EXPECT_TRUE(FindText(*document, 1, QStringLiteral("Qualified overtime compensation")));
    EXPECT_EQ(DepartmentPages(*document),
              (QStringList{QStringLiteral("Department name: Shop"), QString(), QStringLiteral("Department name: Office")}));
    EXPECT_TRUE(OverlappingTexts(*document).isEmpty()) << OverlappingTexts(*document).join('\n').toStdString();
    EXPECT_TRUE(OpsOffPage(*document).isEmpty());
    EXPECT_TRUE(pdfText().contains(QStringLiteral("Department name: Office")));
    renderPage(1, QStringLiteral("departmental"));
}
