#include "PayDateHistoryFixture.h"

#include "components/ui/ReportPreviewWindow.h"
#include "reports/ui/EmployeeYearToDatePreview.h"
#include "reports/ui/PayCustomRpt.h"
#include "reports/ui/PayIndEmpPayRpt.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

using PayDateReportWindowsTest = PayDateHistoryTest;

const QString kReversed = QStringLiteral("greater than the pay date to.");

QStringList Entries(const QComboBox* list)
{
    QStringList entries;
    for (int index = 0; index < list->count(); ++index)
        entries << list->itemText(index);
    return entries;
}

} // namespace

TEST_F(PayDateReportWindowsTest, CustomWindowOffersTheWholeRangeAndRefusesAReversedOne)
{
    postThreeWeeks();
    TFrmCustomPayRpt window;
    const QStringList lines{QStringLiteral("01/09/2026 (1)"), QStringLiteral("01/16/2026 (2)"),
                            QStringLiteral("01/23/2026 (3)")};
    EXPECT_EQ(Entries(window.CbxPayDateFrom), lines);
    EXPECT_EQ(Entries(window.CbxPayDateTo), lines);
    EXPECT_EQ(window.CbxPayDateFrom->currentIndex(), 0);
    EXPECT_EQ(window.CbxPayDateTo->currentIndex(), 2);
    EXPECT_TRUE(window.ChkStandard->isChecked());

    window.CbxPayDateFrom->setCurrentIndex(2);
    window.CbxPayDateTo->setCurrentIndex(1);
    messages.expect(IdOk, kReversed);
    window.BtnOk->click();
    EXPECT_TRUE(setupTitles.isEmpty()) << "nothing printed";
    EXPECT_EQ(window.CustomFromIndex, 1);
    EXPECT_EQ(window.CustomToIndex, 3);

    // Two pay dates stored on the same day still go in slot order.
    CompanyRec.PriorPayDate[2] = QStringLiteral("01/23/2026");
    window.CbxPayDateFrom->setItemText(2, QStringLiteral("01/23/2026 (3)"));
    window.CbxPayDateTo->setItemText(1, QStringLiteral("01/23/2026 (2)"));
    messages.expect(IdOk, kReversed);
    window.BtnOk->click();
    EXPECT_TRUE(setupTitles.isEmpty());
    EXPECT_TRUE(messages.allAnswered());
}

TEST_F(PayDateReportWindowsTest, CustomWindowPrintsEitherReportAndKeepsItsTexts)
{
    postThreeWeeks();
    {
        TFrmCustomPayRpt window;
        window.CbxPayDateFrom->setCurrentIndex(1);
        window.CbxPayDateTo->setCurrentIndex(1);
        window.CustPayPerRptName->setText(QStringLiteral("Week Two"));
        window.BtnOk->click();
        ASSERT_TRUE(window.RptCustomPay.Document());
        EXPECT_EQ(window.RptCustomPay.Document()->PageCount(), 3);
        EXPECT_TRUE(flatText().contains(QStringLiteral("Week Two Summary")));

        window.ChkJournal->setChecked(true);
        window.BtnOk->click();
        ASSERT_TRUE(window.RptCustomPayJ.Document());
        EXPECT_EQ(window.RptCustomPayJ.Document()->pages.at(0).orientation(), PageOrientation::Landscape);
        EXPECT_EQ(setupTitles, (QStringList{QStringLiteral("Custom Period Payroll Report Setup"),
                                            QStringLiteral("Custom Period Payroll Report Journal Setup")}));
        window.CustPayPerRpt->setText(QStringLiteral("January"));
        window.BtnCancel->click();
    }
    EXPECT_EQ(CustomReportName, QStringLiteral("Week Two"));
    EXPECT_EQ(ReportPeriodText, QStringLiteral("January"));
    TFrmCustomPayRpt again;
    EXPECT_EQ(again.CustPayPerRptName->text(), QStringLiteral("Week Two"));
    EXPECT_EQ(again.CustPayPerRpt->text(), QStringLiteral("January"));
    EXPECT_TRUE(again.ChkStandard->isChecked());
}

TEST_F(PayDateReportWindowsTest, IndividualWindowPrintsTheChosenEmployee)
{
    postThreeWeeks();
    TFrmIndEmpPayRpt window;
    EXPECT_EQ(Entries(window.CbxEmployeeName),
              (QStringList{QStringLiteral("Able Ann "), QStringLiteral("Baker Bob "), QStringLiteral("Carter Cy ")}));
    EXPECT_TRUE(window.ChkEarnings->isChecked());
    EXPECT_FALSE(window.CbxPayDateFrom->isEnabled());
    EXPECT_EQ(window.CbxPayDateTo->currentIndex(), 2);

    window.CbxEmployeeName->setCurrentIndex(2);
    window.BtnOk->click();
    ASSERT_TRUE(window.RptEarnings.Document());
    EXPECT_EQ(CountText(*window.RptEarnings.Document(), 0, QStringLiteral("CY CARTER")), 2);
    EXPECT_EQ(EmployeeRec.LastName.get(), QStringLiteral("Carter")) << "the chosen employee stays current";

    window.ChkJournal->setChecked(true);
    EXPECT_TRUE(window.CbxPayDateFrom->isEnabled());
    window.CbxPayDateFrom->setCurrentIndex(2);
    window.CbxPayDateTo->setCurrentIndex(0);
    messages.expect(IdOk, kReversed);
    window.BtnOk->click();
    EXPECT_FALSE(window.RptJournal.Document());

    window.CbxPayDateFrom->setCurrentIndex(1);
    window.CbxPayDateTo->setCurrentIndex(1);
    messages.expect(IdOk, QStringLiteral("There is no payroll data available for the period selected."));
    window.BtnOk->click();
    EXPECT_FALSE(window.RptJournal.Document());

    window.CbxPayDateTo->setCurrentIndex(2);
    window.BtnOk->click();
    ASSERT_TRUE(window.RptJournal.Document());
    EXPECT_TRUE(PageTexts(*window.RptJournal.Document(), 0).contains(QStringLiteral("01/17/2026  to  01/23/2026")));
    EXPECT_TRUE(messages.allAnswered());

    window.ChkEarnings->setChecked(true);
    EXPECT_EQ(window.CbxPayDateFrom->currentIndex(), 0);
}

TEST_F(PayDateReportWindowsTest, YearToDateGoesStraightToItsPreview)
{
    postThreeWeeks();
    readEmployee(1);
    CompanyRec.PayDateFrom = QStringLiteral("01/24/2026");
    QString title;
    QSize size;
    std::shared_ptr<const ReportDocument> shown;
    dialogs.onNextModal([&](QDialog& dialog) {
        title = dialog.windowTitle();
        size = dialog.size();
        shown = dynamic_cast<TFrmReportPreview&>(dialog).InputStream;
        dialog.reject();
    });
    ShowEmployeeYearToDate(nullptr);
    EXPECT_TRUE(setupTitles.isEmpty()) << "no output options";
    EXPECT_EQ(title, QStringLiteral("Year-to-Date Report Preview"));
    EXPECT_EQ(size, QSize(894, 800));
    ASSERT_TRUE(shown);
    EXPECT_TRUE(FindText(*shown, 0, QStringLiteral("As of January 23, 2026")));
    EXPECT_EQ(AmountBeside(*shown, 0, QStringLiteral("Total earnings")), QStringLiteral("3,000.00"));
}

TEST_F(PayDateReportWindowsTest, IndividualWindowOfASingleEmployeeListsThatEmployee)
{
    addHourlyEmployee(QStringLiteral("Able"), QStringLiteral("Ann"), 25.0);
    EmployeeRec.MiddleName = QStringLiteral("Beth");
    EmployeeRec.MiddleInitial = QStringLiteral("B");
    module->RSEmployee.PostRec();
    postPeriod(QDate(2026, 1, 9));
    TFrmIndEmpPayRpt window;
    EXPECT_EQ(Entries(window.CbxEmployeeName), QStringList{QStringLiteral("Able  Ann B")});
    window.BtnOk->click();
    ASSERT_TRUE(window.RptEarnings.Document());
    EXPECT_EQ(PageTexts(*window.RptEarnings.Document(), 0).filter(QStringLiteral("ABLE")).size(), 1);
}
