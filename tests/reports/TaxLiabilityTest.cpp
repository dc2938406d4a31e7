// The tax liabilities window and its printout over pay dates posted by the real posting code.

#include "PostedWeeksFixture.h"

#include "client/PayHistoryMap.h"
#include "payroll/ui/PayDateRangeBox.h"
#include "reports/ReportPages.h"
#include "reports/TaxLiability.h"
#include "reports/ui/PayTaxLiability.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace {

class TaxLiabilityTest : public PostedWeeksTest {
protected:
    void screenshot(QWidget& window, const QString& name)
    {
        window.show();
        QCoreApplication::processEvents();
        const QImage picture = window.grab().toImage();
        EXPECT_TRUE(picture.save(tempPath(name)));
        const QString folder = qEnvironmentVariable("LEDGORA_SCREENSHOT_DIR");
        if (!folder.isEmpty())
            picture.save(QDir(folder).filePath(name));
    }

    // The five federal amounts as the window shows them.
    static QStringList Federal(const TFrmTaxLiability& w)
    {
        return {w.LblSocialSecurityAmount->text(), w.LblMedicareAmount->text(), w.LblTaxWithholdingAmount->text(),
                w.LblForm941LiabilityAmount->text(), w.LblForm940LiabilityAmount->text()};
    }
};

const QStringList kBothWeeks{"744.00", "174.00", "468.00", "$1,386.00", "$36.00"};
const QStringList kSecondWeek{"372.00", "87.00", "234.00", "$693.00", "$18.00"};

} // namespace

TEST_F(TaxLiabilityTest, BothWeeksThenTheSecondAloneOnTheWindowAndOnPaper)
{
    postTwoWeeksOfThree();
    CompanyRec.Name = QStringLiteral("Smith & Sons");
    TFrmTaxLiability w;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Employer Federal and State Tax Liabilities"));
    EXPECT_EQ(w.CompanyName->text(), QStringLiteral("Smith & Sons"));
    EXPECT_EQ(w.LblReportName->text(), QStringLiteral("Employer Federal and State Tax Liabilities Report"));
    EXPECT_EQ(w.PPPDateFromTo->text(), QStringLiteral("For the period 01/01/2026 to 01/14/2026"));
    EXPECT_EQ(w.CbxPayDateFrom->currentIndex(), 0);
    EXPECT_EQ(w.CbxPayDateTo->currentIndex(), 1);
    EXPECT_EQ(Federal(w), kBothWeeks);
    screenshot(w, QStringLiteral("tax-liability.png"));

    EXPECT_EQ(w.LblTotalStateTaxLiabilityAmount->text(),
              QStringLiteral("$") + ReportMoney(SumTaxLiabilities({1, 2}).StateTotal()));

    w.CbxPayDateFrom->setCurrentIndex(1);
    EXPECT_EQ(Federal(w), kSecondWeek);
    EXPECT_EQ(w.PPPDateFromTo->text(), QStringLiteral("For the period 01/08/2026 to 01/14/2026"));

    w.BtnPrint->click();
    ASSERT_TRUE(w.RptTaxLiability.Document());
    EXPECT_EQ(setupTitles, QStringList{QStringLiteral("Tax Liability Options")});
    const QString text = pdfText();
    for (const QString& amount : kSecondWeek)
        EXPECT_TRUE(text.contains(amount)) << amount.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Smith & Sons")));
    EXPECT_TRUE(text.contains(QStringLiteral("For the period 01/08/2026 to 01/14/2026")));
    EXPECT_TRUE(text.contains(QStringLiteral("Total State Tax Liability (includes all states)")));
    EXPECT_TRUE(OverlappingTexts(*w.RptTaxLiability.Document()).isEmpty());
    renderPage(1, QStringLiteral("tax-liability-page"));
}

TEST_F(TaxLiabilityTest, StateLinesAddBothSharesOfEveryStateAndFormNineFortyTheEmployersFutaOnly)
{
    // Two employees of two states with stored amounts of slot 1 set directly.
    const auto store = [](const char* group, double amount) {
        EmployeeRec.PayHistory[*PayHistoryRowOfGroup(AmountGroupNumber(QString::fromLatin1(group)))][1] = amount;
    };
    for (const char* state : {"NJ", "NY"}) {
        addNewJerseyEmployee(QString::fromLatin1(state), QStringLiteral("Pat"), QString(), state);
        store("StateTax", 30);
        store("UnempTax", 4);
        store("UnempLib", 20);
        store("DisbTax", 2);
        store("DisbLib", 1);
        store("FUTALib", 6);
        store("FUTAEarnings", 1000);
        module->RSEmployee.PostRec();
    }
    CompanyRec.PriorPeriodCount = 1;
    CompanyRec.PriorPayDate[1] = QStringLiteral("01/09/2026");
    const TaxLiabilities sums = SumTaxLiabilities({1, 1});
    EXPECT_EQ(sums.stateWithholding, 60.0);
    EXPECT_EQ(sums.stateUnemployment, 48.0);
    EXPECT_EQ(sums.stateDisability, 6.0);
    EXPECT_EQ(sums.StateTotal(), 114.0);
    EXPECT_EQ(sums.form940, 12.0);
    const std::vector<TaxLiabilityLine> lines = TaxLiabilityLines(sums);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[8].label, QStringLiteral("Total State Tax Liability (includes all states)"));
    EXPECT_EQ(lines[8].amount, QStringLiteral("$114.00"));
    EXPECT_EQ(lines[8].step, 3);
    EXPECT_EQ(lines[5].amount, QStringLiteral("60.00"));
}

TEST_F(TaxLiabilityTest, RefusedRangesLeaveListsSumsAndPrintoutOnTheShownRange)
{
    postTwoWeeksOfThree();
    TFrmTaxLiability w;
    w.CbxPayDateFrom->setCurrentIndex(1);
    ASSERT_EQ(Federal(w), kSecondWeek);

    // A To before the From: refused, both lists back on the second week.
    messages.expect(IdOk, QStringLiteral("The pay date from cannot be"));
    w.CbxPayDateTo->setCurrentIndex(0);
    EXPECT_TRUE(messages.last().flags & MbIconStop);
    EXPECT_EQ(w.CbxPayDateFrom->currentIndex(), 1);
    EXPECT_EQ(w.CbxPayDateTo->currentIndex(), 1);
    EXPECT_EQ(Federal(w), kSecondWeek);

    // The same pay date stored twice, the later as From: refused too.
    CompanyRec.PriorPayDate[1] = CompanyRec.PriorPayDate[2].get();
    w.CbxPayDateFrom->setCurrentIndex(0);
    ASSERT_EQ(Federal(w), kBothWeeks);
    w.CbxPayDateTo->setCurrentIndex(0);
    ASSERT_EQ(Federal(w), (QStringList{"372.00", "87.00", "234.00", "$693.00", "$18.00"}));
    messages.expect(IdOk, QStringLiteral("The pay date from cannot be"));
    w.CbxPayDateFrom->setCurrentIndex(1);
    EXPECT_EQ(w.CbxPayDateFrom->currentIndex(), 0);
    EXPECT_EQ(w.CbxPayDateTo->currentIndex(), 0);

    w.BtnPrint->click();
    EXPECT_TRUE(pdfText().contains(QStringLiteral("For the period 01/01/2026 to 01/07/2026")));
}
