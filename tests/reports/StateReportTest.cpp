// The state unemployment and disability report over quarters posted by the real posting code,
// run from the report window with the state picker scripted.

#include "PostedWeeksFixture.h"

#include "client/PayUtil.h"
#include "components/ui/StateList.h"
#include "reports/StateReport.h"

#include <QListWidget>

namespace {

constexpr double kNameX = 2.25;

class StateReportTest : public PostedWeeksTest {
protected:
    // Runs kind 8 with the state picked in the picker, or the picker cancelled for null.
    std::shared_ptr<const ReportDocument> runStateReport(const char* state)
    {
        dialogs.onNextModal([state](QDialog& dialog) {
            auto& picker = dynamic_cast<TFrmStateList&>(dialog);
            EXPECT_EQ(picker.Label1->text(), QStringLiteral("Select state to which"));
            EXPECT_EQ(picker.Label2->text(), QStringLiteral("this report applies"));
            if (!state) {
                picker.BtnCancel->click();
                return;
            }
            picker.StateListBox->setCurrentRow(PickerRow(state));
            picker.BtnOk->click();
        });
        return runReport(8);
    }

    // The employee names of a page's wage report, top to bottom.
    static QStringList RowNames(const ReportDocument& document, int page)
    {
        QStringList names;
        for (const DrawOp& op : document.pages.at(page).ops) {
            if (op.kind == DrawOp::Kind::Text && op.x1 == kNameX && op.y1 > 4.7)
                names << op.text;
        }
        return names;
    }

    // The amount printed on the line of a totals label of a page.
    static QString TotalOf(const ReportDocument& document, int page, const QString& label)
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

    // Appends an employee with quarter-to-date gross wages (and tips) set directly.
    void addQuarterPaid(const QString& last, double gross, const char* state = "NJ", double tips = 0)
    {
        addEmployee(last, QStringLiteral("Pat"));
        EmployeeRec.WorkState = QString::fromLatin1(state);
        EmployeeRec.WorkStateIndex = StateNumber(state);
        EmployeeRec.GrossWages[kQuarterToDateColumn] = gross;
        EmployeeRec.Tips[kQuarterToDateColumn] = tips;
        EmployeeRec.UnempTax[kQuarterToDateColumn] = 10;
        module->RSEmployee.PostRec();
    }
};

} // namespace

TEST_F(StateReportTest, TwoPostedWeeksInNewJerseyGiveTheWagesTheCountAndRowsInNameOrder)
{
    postTwoWeeksOfThree();
    addNewJerseyEmployee(QStringLiteral("Baker"), QStringLiteral("Dan"), QString(), "PA");
    readEmployee(2);
    const auto document = runStateReport("NJ");
    ASSERT_TRUE(document);
    ASSERT_EQ(document->PageCount(), 1);
    EXPECT_EQ(setupTitles, QStringList{QStringLiteral("State Report Setup")});
    const QStringList texts = PageTexts(*document, 0);
    EXPECT_TRUE(texts.contains(QStringLiteral("New Jersey State Unemployment and Disability Tax Report")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Page 1 of 1")));
    EXPECT_EQ(TotalOf(*document, 0, QStringLiteral("Total of all wages paid")), QStringLiteral("6,000.00"));
    EXPECT_EQ(TotalOf(*document, 0, QStringLiteral("Total number of employees")), QStringLiteral("3"));
    EXPECT_EQ(RowNames(*document, 0),
              (QStringList{QStringLiteral("Adams Bob"), QStringLiteral("Miller Cara"), QStringLiteral("Young Amy")}));
    EXPECT_EQ(EmployeeRec.LastName.get(), QStringLiteral("Adams")) << "the current employee stays current";

    // The sums the totals block prints, employee and employer shares apart.
    const StateReportTotals totals = SumStateReport(StateNumber("NJ"));
    EXPECT_EQ(totals.employees, 3);
    EXPECT_NEAR(totals.GrandTotal(), totals.UITotal() + totals.DITotal(), 0.001);
    EXPECT_NEAR(totals.UITotal(), totals.employerUITax + totals.employeeUITax, 0.001);
    EXPECT_TRUE(OverlappingTexts(*document).isEmpty()) << OverlappingTexts(*document).join('\n').toStdString();

    const QString text = pdfText();
    renderPage(1, QStringLiteral("state-report"));
    EXPECT_TRUE(text.contains(QStringLiteral("Wage Report")));
    EXPECT_TRUE(text.contains(QStringLiteral("Grand total tax liability")));
}

TEST_F(StateReportTest, ThirtyFiveEmployeesTakeASecondPageWithHeadingTotalsAndHeads)
{
    for (int count : {34, 35}) {
        SCOPED_TRACE(count);
        while (GetEmployeeCount() < count)
            addQuarterPaid(QStringLiteral("Worker%1").arg(GetEmployeeCount() + 1, 2, 10, QLatin1Char('0')), 1000);
        const auto document = runStateReport("NJ");
        ASSERT_TRUE(document);
        ASSERT_EQ(document->PageCount(), count == 34 ? 1 : 2);
        EXPECT_EQ(RowNames(*document, 0).size(), 34);
        for (int page = 0; page < document->PageCount(); ++page) {
            EXPECT_TRUE(FindText(*document, page, QStringLiteral("Wage Report")));
            EXPECT_TRUE(FindText(*document, page, QStringLiteral("Social Security No.")));
            EXPECT_EQ(TotalOf(*document, page, QStringLiteral("Total number of employees")), QString::number(count));
        }
        if (count == 35) {
            EXPECT_EQ(RowNames(*document, 1), QStringList{QStringLiteral("Worker35 Pat")});
            EXPECT_TRUE(FindText(*document, 1, QStringLiteral("Page 2 of 2")));
        }
    }
}

TEST_F(StateReportTest, SelectionTipsAndTheNoEmployeePage)
{
    CompanyRec.IncludeTips = false;
    module->RSCompany.PostRec();
    addQuarterPaid(QStringLiteral("Tipped"), 1000, "NJ", 50);
    addQuarterPaid(QStringLiteral("Elsewhere"), 700, "NY");
    addQuarterPaid(QStringLiteral("Unpaid"), 0, "NJ");
    auto document = runStateReport("NJ");
    ASSERT_TRUE(document);
    EXPECT_EQ(TotalOf(*document, 0, QStringLiteral("Total of all wages paid")), QStringLiteral("1,050.00"));
    EXPECT_EQ(TotalOf(*document, 0, QStringLiteral("Total number of employees")), QStringLiteral("1"));
    EXPECT_EQ(TotalOf(*document, 0, QStringLiteral("Employees' unemployment tax liability")), QStringLiteral("10.00"))
        << "the unpaid employee's tax is not counted";
    EXPECT_TRUE(FindText(*document, 0, QStringLiteral("1,050.00")));

    CompanyRec.IncludeTips = true;
    module->RSCompany.PostRec();
    document = runStateReport("NJ");
    EXPECT_EQ(TotalOf(*document, 0, QStringLiteral("Total of all wages paid")), QStringLiteral("1,000.00"));

    document = runStateReport("CT");
    ASSERT_TRUE(document);
    EXPECT_EQ(document->PageCount(), 1);
    EXPECT_EQ(TotalOf(*document, 0, QStringLiteral("Total of all wages paid")), QStringLiteral("0.00"));
    EXPECT_EQ(TotalOf(*document, 0, QStringLiteral("Total number of employees")), QStringLiteral("0"));
    EXPECT_TRUE(FindText(*document, 0, QStringLiteral("Employee Name")));
    EXPECT_TRUE(RowNames(*document, 0).isEmpty());
}

TEST_F(StateReportTest, ADescriptionReplacesTheQuarterLineAndACancelledPickerPrintsNothing)
{
    addQuarterPaid(QStringLiteral("Able"), 1000);
    EmployeeRec.SocSecNum = QStringLiteral("123-45-6789");
    module->RSEmployee.PostRec();
    ReportKind = 8;
    const auto run = [&](const QString& description, const char* state) {
        dialogs.onNextModal([state](QDialog& dialog) {
            auto& picker = dynamic_cast<TFrmStateList&>(dialog);
            if (state)
                picker.StateListBox->setCurrentRow(PickerRow(state));
            (state ? picker.BtnOk : picker.BtnCancel)->click();
        });
        TFrmReports window;
        window.ReportDate->setText(QStringLiteral("03/31/2026"));
        window.ReportPeriod->setText(description);
        window.BtnOk->click();
        EXPECT_EQ(window.result(), QDialog::Accepted);
        return window.RptState.Document();
    };
    auto document = run(QString(), "NJ");
    ASSERT_TRUE(document);
    EXPECT_TRUE(FindText(*document, 0, QStringLiteral("For the quarter ended March 31, 2026")));
    document = run(QStringLiteral("First quarter 2026"), "NJ");
    ASSERT_TRUE(document);
    EXPECT_TRUE(FindText(*document, 0, QStringLiteral("First quarter 2026")));
    EXPECT_TRUE(FindText(*document, 0, QStringLiteral("123-45-6789"))) << "the number is printed in full";

    setupTitles.clear();
    EXPECT_FALSE(run(QString(), nullptr));
    EXPECT_TRUE(setupTitles.isEmpty());
}
