#include "FormFixture.h"
#include "WageBases.h"

#include "client/PayRecords.h"
#include "components/ui/CheckBoxEdit.h"
#include "components/ui/DateEdit.h"
#include "components/ui/DollarEdit.h"
#include "forms/Form944Return.h"
#include "components/ui/ReportPreviewWindow.h"
#include "forms/ui/Form944.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/ui/ShowModal.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace F944;

namespace {

// The Form 944 screen on the posted first quarter: three pay dates of 404.80 each.
class Form944ScreenTest : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        GiveWageBases(*module, [this](int n) { readEmployee(n); });
    }

    void run(const std::function<void(TFrm944&)>& drive)
    {
        dialogs.onNextModal([drive](QDialog& shown) {
            auto& w = dynamic_cast<TFrm944&>(shown);
            QApplication::setActiveWindow(&w);
            drive(w);
        });
        TFrm944 screen;
        ShowModal(screen);
    }

    static void typeAmount(TDollarEdit* box, const QString& keys, QWidget* next)
    {
        box->setFocus(Qt::TabFocusReason);
        box->selectAll();
        QTest::keyClicks(box, keys);
        next->setFocus(Qt::TabFocusReason);
    }
};

TEST_F(Form944ScreenTest, OpensWithTheYearsLinesAndEachMonthsLiability)
{
    run([&](TFrm944& w) {
        screenshot(w, QStringLiteral("Form944.png"));
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Form 944 for 2026: Employer's ANNUAL Federal Tax Return"));
        EXPECT_DOUBLE_EQ(w.F944Amount[Wages]->value(), 4800.00);
        EXPECT_DOUBLE_EQ(w.F944Amount[SocialSecurityMedicareTotal]->value(), 734.40);
        EXPECT_DOUBLE_EQ(w.F944Amount[TotalTaxes]->value(), 1214.40);
        for (int m = 1; m <= 3; ++m)
            EXPECT_DOUBLE_EQ(w.F944TaxLib[m]->value(), 404.80) << m;
        EXPECT_DOUBLE_EQ(w.F944TaxLib[4]->value(), 0.00);
        EXPECT_DOUBLE_EQ(w.F944TotalLib->value(), 1214.40);
        EXPECT_TRUE(w.F944ChkMark[SmallFiler]->checked());
        EXPECT_FALSE(w.BtnPrint->isEnabled()) << "not approved for filing";
        EXPECT_TRUE(w.LblNotApproved->isVisible());
        EXPECT_EQ(w.LblNotApproved->text(), QStringLiteral("NOT APPROVED BY I.R.S. — DO NOT FILE"));
        w.BtnCloseClick();
    });
}

TEST_F(Form944ScreenTest, Line6IsGatheredAgainAtEveryOpeningAndTheRestStays)
{
    run([&](TFrm944& w) {
        typeAmount(w.F944Amount[Adjustments], QStringLiteral("20.00"), w.F944Amount[Credit]);
        typeAmount(w.F944Amount[Deposits], QStringLiteral("1000.00"), w.F944Amount[Adjustments]);
        EXPECT_DOUBLE_EQ(w.F944Amount[TotalTaxes]->value(), 1234.40);
        EXPECT_DOUBLE_EQ(w.F944Amount[BalanceDue]->value(), 234.40);
        w.F944ChkMark[BusinessClosed]->setChecked(true);
        w.F944EndDate->setText(QStringLiteral("03/13/2026"));
        w.BtnCloseClick();
    });
    EXPECT_DOUBLE_EQ(CompanyRec.F944Amount13, 20.00);
    run([&](TFrm944& w) {
        EXPECT_DOUBLE_EQ(w.F944Amount[Adjustments]->value(), 0.00) << "back to its gathered value";
        EXPECT_DOUBLE_EQ(w.F944Amount[Deposits]->value(), 1000.00);
        EXPECT_TRUE(w.F944ChkMark[BusinessClosed]->checked());
        EXPECT_EQ(w.F944EndDate->text(), QStringLiteral("03/13/2026"));
        w.F944ChkMark[BusinessClosed]->setChecked(false);
        EXPECT_EQ(w.F944EndDate->text(), QStringLiteral("  /  /    "));
        w.BtnCloseClick();
    });
}

TEST_F(Form944ScreenTest, TypedMonthsMustAddUpToALargeFilersLine9)
{
    run([&](TFrm944& w) {
        typeAmount(w.F944Amount[Adjustments], QStringLiteral("1300.00"), w.F944Amount[Credit]);
        EXPECT_TRUE(w.F944ChkMark[MonthlyLiabilities]->checked());
        try {
            w.BtnPrintClick();
            ADD_FAILURE() << "line 13m of 1,214.40 printed beside line 9 of 2,514.40";
        } catch (const EFieldException& error) {
            EXPECT_EQ(error.message(), QStringLiteral("Unable to print Form 944.\rLine 9 does not equal line 13m (Total liability for year)."));
        }
        typeAmount(w.F944TaxLib[12], QStringLiteral("1300.00"), w.F944TaxLib[1]);
        EXPECT_DOUBLE_EQ(w.F944TotalLib->value(), 2514.40);
        dialogs.onNextModal([](QDialog& copy) { copy.reject(); });
        w.BtnPrintClick();   // passes the checks and reaches the copy dialog
        w.BtnCloseClick();
    });
}

TEST_F(Form944ScreenTest, PrintPathGivesTheReturnAndTheVoucherToThePreviewOnly)
{
    const QString pdf = tempPath(QStringLiteral("Form944.pdf"));
    printTo(pdf);   // refused: the form goes to the preview only
    run([&](TFrm944& w) {
        typeAmount(w.F944Amount[Deposits], QStringLiteral("1000.00"), w.F944Amount[Adjustments]);
        dialogs.onNextModal([&](QDialog& copy) {
            EXPECT_EQ(copy.windowTitle(), QStringLiteral("Form 944"));
            dialogs.onNextModal([&](QDialog& shown) {
                auto& preview = dynamic_cast<TFrmReportPreview&>(shown);
                EXPECT_EQ(preview.windowTitle(), QStringLiteral("Form 944 Preview"));
                ASSERT_TRUE(preview.Document());
                WriteReportFile(*preview.Document(), pdf);
                preview.reject();
            });
            copy.accept();
        });
        w.BtnPrintClick();
        EXPECT_EQ(w.Rpt944.SystemOptions, soShowStatus | soPreviewModal);
        w.BtnCloseClick();
    });
    const std::vector<PdfWord> words = ReadPdfWords(pdf);
    const ReportLayout form = shippedLayout(QStringLiteral("Form944"));
    EXPECT_TRUE(ValueInFieldBox(words, form, QStringLiteral("F944Amount16"), QStringLiteral("1214.40")));
    EXPECT_TRUE(ValueInFieldBox(words, form, QStringLiteral("F944Amount18"), QStringLiteral("214.40")));
    int voucherPage = 0;
    for (const PdfWord& word : words) {
        if (word.text == QStringLiteral("944-V"))
            voucherPage = word.page;
    }
    EXPECT_EQ(voucherPage, 3) << "the voucher follows the two pages of the return";
    const QString folder = qEnvironmentVariable("LEDGORA_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        QFile::copy(pdf, folder + QStringLiteral("/Form944.pdf"));
}

} // namespace
