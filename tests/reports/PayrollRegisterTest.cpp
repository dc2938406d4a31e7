// The payroll register window and its printout over pay dates posted by the real posting code.

#include "PostedWeeksFixture.h"

#include "client/PayHistoryMap.h"
#include "payroll/ui/PayDateRangeBox.h"
#include "reports/PayrollRegister.h"
#include "reports/ui/PayReconcileRpt.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include <map>

namespace {

constexpr double kNameX = 0.25;
constexpr double kDateX = 1.75;
constexpr double kCheckX = 2.25;

class PayrollRegisterTest : public PostedWeeksTest {
protected:
    // Bartholomew Fitzgerald-Smithson and Amy Young paid in two weekly periods; Young's first
    // check number stored as 0.
    void postTwoWeeksOfTwo()
    {
        addNewJerseyEmployee(QStringLiteral("Fitzgerald-Smithson"), QStringLiteral("Bartholomew"));
        addNewJerseyEmployee(QStringLiteral("Young"), QStringLiteral("Amy"));
        postWeeks(2);
        readEmployee(2);
        EmployeeRec.CheckNumHistory[1] = 0;
        module->RSEmployee.PostRec();
    }

    // The texts of a page at x, top to bottom, between the heads and the totals.
    static QStringList Column(const ReportDocument& document, int page, double x)
    {
        QStringList texts;
        for (const DrawOp& op : document.pages.at(page).ops) {
            if (op.kind == DrawOp::Kind::Text && op.x1 == x && op.y1 > 1.6 && op.font.size == 8 && !op.font.bold)
                texts << op.text;
        }
        return texts;
    }

    // Opens the window, lets `drive` work it and closes it.
    void withWindow(const std::function<void(TFrmReconcileRpt&)>& drive)
    {
        TFrmReconcileRpt window;
        drive(window);
        window.BtnCancel->click();
    }
};

double Money(const QString& text)
{
    return QString(text).remove(QLatin1Char(',')).toDouble();
}

} // namespace

TEST_F(PayrollRegisterTest, TwoEmployeesOnTwoDatesGiveFourLinesGroupedByDateAndTheirTotals)
{
    postTwoWeeksOfTwo();
    saveOrientation(0);
    withWindow([&](TFrmReconcileRpt& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Payroll Register Report"));
        EXPECT_EQ(w.GroupBox1->title(), QStringLiteral("Payroll Pay Dates"));
        EXPECT_EQ(w.CbxPayDateFrom->currentText(), QStringLiteral("01/07/2026 (1)"));
        EXPECT_EQ(w.CbxPayDateTo->currentText(), QStringLiteral("01/14/2026 (2)"));
        w.BtnOk->click();
        EXPECT_TRUE(w.isVisible() || w.result() != QDialog::Accepted) << "the window stays open";
        const auto document = w.RptReconcile.Document();
        ASSERT_TRUE(document);
        EXPECT_EQ(setupTitles, QStringList{QStringLiteral("Payroll Register Report Setup")});
        ASSERT_EQ(document->PageCount(), 1);
        EXPECT_EQ(document->pages[0].orientation(), PageOrientation::Landscape);
        EXPECT_EQ(Column(*document, 0, kNameX),
                  (QStringList{"Bartholomew Fitzgerald", "Amy Young", "Bartholomew Fitzgerald", "Amy Young"}));
        EXPECT_EQ(Column(*document, 0, kDateX), (QStringList{"01/07/2026", "01/07/2026", "01/14/2026", "01/14/2026"}));
        const QStringList checks = Column(*document, 0, kCheckX);
        ASSERT_EQ(checks.size(), 4);
        EXPECT_NE(checks[0], QStringLiteral("N/A"));
        EXPECT_EQ(checks[1], QStringLiteral("N/A"));
        EXPECT_TRUE(FindText(*document, 0, QStringLiteral("Payroll Register")));
        EXPECT_TRUE(FindText(*document, 0, QStringLiteral("For the Pay Period 01/01/2026 to 01/14/2026")));

        // Every amount column's total is the sum of its four lines.
        std::map<double, double> sums;
        std::map<double, QString> totals;
        const DrawOp* totalsLine = FindText(*document, 0, QStringLiteral("Totals"));
        ASSERT_TRUE(totalsLine);
        for (const DrawOp& op : document->pages[0].ops) {
            if (op.kind != DrawOp::Kind::Text || op.x1 < 2.7)
                continue;
            if (op.y1 == totalsLine->y1)
                totals[op.x1] = op.text;
            else if (op.y1 > 1.6)
                sums[op.x1] += Money(op.text);
        }
        ASSERT_EQ(totals.size(), 17u);
        for (const auto& [x, total] : totals)
            EXPECT_NEAR(Money(total), sums[x], 0.001) << x;
        EXPECT_EQ(totals[2.75], QStringLiteral("4,000.00"));
        EXPECT_TRUE(OverlappingTexts(*document).isEmpty()) << OverlappingTexts(*document).join('\n').toStdString();
        EXPECT_TRUE(OpsOffPage(*document).isEmpty());
        renderPage(1, QStringLiteral("payroll-register"));
        EXPECT_TRUE(pdfText().contains(QStringLiteral("Bartholomew Fitzgerald")));
    });
}

TEST_F(PayrollRegisterTest, RefusedSameDateReversedAndSingleDateRanges)
{
    postTwoWeeksOfTwo();
    // A third period stored with the pay date of the second.
    CompanyRec.PriorPeriodCount = 3;
    CompanyRec.PriorPayDateFrom[3] = CompanyRec.PriorPayDateFrom[2].get();
    CompanyRec.PriorPayDateTo[3] = CompanyRec.PriorPayDateTo[2].get();
    CompanyRec.PriorPayDate[3] = CompanyRec.PriorPayDate[2].get();
    withWindow([&](TFrmReconcileRpt& w) {
        struct Case {
            const char* what;
            int from, to;
        };
        for (const Case& c : {Case{"a later date as From", 1, 0}, Case{"the later period of one date as From", 2, 1}}) {
            w.CbxPayDateFrom->setCurrentIndex(c.from);
            w.CbxPayDateTo->setCurrentIndex(c.to);
            messages.expect(IdOk, QStringLiteral("The pay date from cannot be"));
            w.BtnOk->click();
            EXPECT_TRUE(messages.last().flags & MbIconStop) << c.what;
            EXPECT_FALSE(w.RptReconcile.Document()) << c.what;
            EXPECT_TRUE(setupTitles.isEmpty()) << c.what;
        }
        w.CbxPayDateFrom->setCurrentIndex(1);
        w.CbxPayDateTo->setCurrentIndex(1);
        w.BtnOk->click();
        const auto document = w.RptReconcile.Document();
        ASSERT_TRUE(document);
        EXPECT_EQ(Column(*document, 0, kDateX), (QStringList{"01/14/2026", "01/14/2026"}));
        EXPECT_TRUE(FindText(*document, 0, QStringLiteral("For the Pay Period 01/08/2026 to 01/14/2026")));
    });
}

TEST_F(PayrollRegisterTest, TheDescriptionIsOfferedAndKeptAndReplacesThePeriodLine)
{
    postTwoWeeksOfTwo();
    ReportPeriodText = QStringLiteral("January");
    withWindow([&](TFrmReconcileRpt& w) {
        EXPECT_EQ(w.CustPayPerRpt->text(), QStringLiteral("January"));
        w.show();
        QCoreApplication::processEvents();
        const QImage picture = w.grab().toImage();
        EXPECT_TRUE(picture.save(tempPath(QStringLiteral("payroll-register-window.png"))));
        const QString folder = qEnvironmentVariable("LEDGORA_SCREENSHOT_DIR");
        if (!folder.isEmpty())
            picture.save(QDir(folder).filePath(QStringLiteral("payroll-register-window.png")));
        EXPECT_EQ(w.GroupBox2->title(), QStringLiteral("Payroll Period Description (optional)"));
        w.CustPayPerRpt->setText(QStringLiteral("First half of January"));
        w.BtnOk->click();
        ASSERT_TRUE(w.RptReconcile.Document());
        EXPECT_TRUE(FindText(*w.RptReconcile.Document(), 0, QStringLiteral("First half of January")));
    });
    EXPECT_EQ(ReportPeriodText, QStringLiteral("First half of January"));
}

TEST_F(PayrollRegisterTest, APageIsFullOnceALineReachesEightInchesUnlessNothingFollows)
{
    const int grossRow = *PayHistoryRowOfGroup(AmountGroupNumber(QStringLiteral("GrossWages")));
    const auto addWorker = [&](double gross) {
        addEmployee(QStringLiteral("Worker%1").arg(GetEmployeeCount() + 1, 2, 10, QLatin1Char('0')), QStringLiteral("Pat"));
        EmployeeRec.PayHistory[grossRow][1] = gross;
        module->RSEmployee.PostRec();
    };
    for (int i = 0; i < 50; ++i)
        addWorker(100);
    CompanyRec.PriorPeriodCount = 1;
    CompanyRec.PriorPayDateFrom[1] = QStringLiteral("01/03/2026");
    CompanyRec.PriorPayDateTo[1] = QStringLiteral("01/09/2026");
    CompanyRec.PriorPayDate[1] = QStringLiteral("01/09/2026");

    // After each step: pages, lines on the last page.
    const struct {
        const char* step;
        std::function<void()> change;
        int pages;
        int linesOnLastPage;
    } steps[] = {
        {"fifty lines, the last on the last record", [] {}, 1, 50},
        {"an employee not paid on the date follows", [&] { addWorker(0); }, 2, 0},
        {"that employee paid too", [&] {
             EmployeeRec.PayHistory[grossRow][1] = 100;
             module->RSEmployee.PostRec();
         }, 2, 1},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.step);
        step.change();
        withWindow([&](TFrmReconcileRpt& w) {
            w.BtnOk->click();
            const auto document = w.RptReconcile.Document();
            ASSERT_TRUE(document);
            ASSERT_EQ(document->PageCount(), step.pages);
            EXPECT_EQ(Column(*document, step.pages - 1, kDateX).size(), step.linesOnLastPage);
            EXPECT_TRUE(FindText(*document, step.pages - 1, QStringLiteral("Totals")));
            EXPECT_TRUE(FindText(*document, step.pages - 1, QStringLiteral("Page %1 of %1").arg(step.pages)));
            EXPECT_TRUE(OpsOffPage(*document).isEmpty()) << OpsOffPage(*document).join('\n').toStdString();
        });
    }
}
