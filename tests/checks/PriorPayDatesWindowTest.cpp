#include "tests/reports/PayDateHistoryFixture.h"

#include "checks/ui/PayPriorPayDates.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

namespace {

using PriorPayDatesWindowTest = PayDateHistoryTest;

} // namespace

TEST_F(PriorPayDatesWindowTest, PrintsEachOutputOfTheChosenPayDate)
{
    postThreeWeeks();
    ReportSystem* engineBefore = module->RaveProject.Engine;
    {
        TFrmPriorPayDatesRpt window;
        ASSERT_EQ(window.CbxPayDate->count(), 3);
        EXPECT_EQ(window.CbxPayDate->itemText(1), QStringLiteral("01/16/2026 (2)"));
        EXPECT_EQ(window.CbxPayDate->currentIndex(), 2) << "the last pay date";
        EXPECT_TRUE(window.ChkEarnings->isChecked());
        EXPECT_EQ(module->RaveProject.Engine, &window.RptPriorPayDatesCond);

        window.CbxPayDate->setCurrentIndex(1);
        window.BtnOk->click();
        ASSERT_TRUE(window.RptPriorPayDates.Document());
        EXPECT_EQ(window.PriorToIndex, 2);
        EXPECT_EQ(window.RptPriorPayDates.Document()->PageCount(), 2);
        const QString statements = flatText();
        EXPECT_EQ(statements.count(QStringLiteral("Gross Pay Year-to-Date")), 2);
        EXPECT_TRUE(statements.contains(QStringLiteral("Total employees processed 2")));

        window.ChkEarningsCond->setChecked(true);
        window.BtnOk->click();
        ASSERT_TRUE(window.RptPriorPayDatesCond.Document());
        EXPECT_TRUE(flatText().contains(QStringLiteral("Total employees processed 2")));

        window.ChkJournal->setChecked(true);
        window.BtnOk->click();
        ASSERT_TRUE(window.RptPriorDatesJ.Document());
        EXPECT_EQ(window.RptPriorDatesJ.Document()->pages.at(0).orientation(), PageOrientation::Landscape);
        EXPECT_TRUE(flatText().contains(QStringLiteral("Pay Date: 01/16/2026")));
        EXPECT_EQ(setupTitles, (QStringList{QStringLiteral("Prior Earnings Statement Setup"),
                                            QStringLiteral("Prior Earnings Statement Setup"),
                                            QStringLiteral("Employee Payroll Journal Setup")}));
    }
    EXPECT_EQ(module->RaveProject.Engine, engineBefore) << "no engine left pointing at a closed window";
}
