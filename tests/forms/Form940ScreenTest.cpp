#include "FormFixture.h"

#include "client/PayRecords.h"
#include "components/ui/CheckBoxEdit.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/StateEdit.h"
#include "forms/Form940Return.h"
#include "forms/ui/Form940.h"
#include "forms/ui/PayFormCopy.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/ui/ShowModal.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTest>

namespace {

// The Form 940 screen on the posted first quarter: Lee with 30,000.00 of box 1 (500.00 of it
// fringe benefits) and 2,000.00 in a 401(k); Diaz with 4,000.00 and 1,000.00.
class Form940ScreenTest : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        const int y = kYearToDateColumn;
        const double wages[] = {30000, 4000};
        const double deferred[] = {2000, 1000};
        for (int n = 1; n <= 2; ++n) {
            readEmployee(n);
            EmployeeRecord& e = EmployeeRec;
            e.FedEarnings[y] = wages[n - 1];
            e.Plan401k[y] = deferred[n - 1];
            e.FringeBen[y] = n == 1 ? 500 : 0;
            e.GTLIAmount[y] = e.DepCareBen[y] = e.CafePlan[y] = 0;
            module->RSEmployee.PostRec();
        }
        for (int q = F940::Quarter1; q <= F940::YearLiability; ++q)
            CompanyRec.F940Amount[q] = 0;
        module->RSCompany.PostRec();
    }

    // Renders the PDF's pages to PNGs in LEDGORA_SCREENSHOT_DIR, when set, to be looked at.
    static void renderPages(const QString& pdf, const QString& image)
    {
        const QString folder = qEnvironmentVariable("LEDGORA_SCREENSHOT_DIR");
        if (!folder.isEmpty())
            QProcess::execute(QStringLiteral("pdftoppm"),
                              {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100"), pdf, QDir(folder).filePath(image)});
    }

    void run(const std::function<void(TFrm940&)>& drive)
    {
        dialogs.onNextModal([drive](QDialog& shown) {
            auto& w = dynamic_cast<TFrm940&>(shown);
            QApplication::setActiveWindow(&w);
            drive(w);
        });
        TFrm940 screen;
        ShowModal(screen);
    }
};

TEST_F(Form940ScreenTest, GathersTheLinesAndStaysUnapproved)
{
    run([&](TFrm940& w) {
        w.F940Type[1]->setFocus(Qt::TabFocusReason);
        screenshot(w, QStringLiteral("Form940.png"));
        EXPECT_TRUE(w.windowTitle().startsWith(QStringLiteral("Form 940 for 2026: Employer's Annual Federal Unemployment")));
        EXPECT_EQ(w.LblNotApproved1->text(), TFrm940::kNotApproved);
        EXPECT_EQ(w.EIN1[9]->text(), QStringLiteral("9"));
        EXPECT_EQ(w.EIN2[1]->text(), QStringLiteral("1"));
        EXPECT_EQ(w.CompName2->text(), QStringLiteral("Dover Bakery & Cafe"));
        EXPECT_DOUBLE_EQ(w.F940Amount[F940::TotalPayments]->value(), 37000.00);
        EXPECT_DOUBLE_EQ(w.F940Amount[F940::ExemptPayments]->value(), 500.00);
        EXPECT_DOUBLE_EQ(w.F940Amount[F940::OverBase]->value(), 24500.00);
        EXPECT_DOUBLE_EQ(w.F940Amount[F940::TaxableWages]->value(), 12000.00);
        EXPECT_DOUBLE_EQ(w.F940Amount[F940::TaxBeforeAdjustments]->value(), 72.00);
        EXPECT_TRUE(w.F940Exempt[F940::FringeBenefits]->checked());
        EXPECT_FALSE(w.F940Exempt[F940::Retirement]->checked());
        EXPECT_FALSE(w.BtnPrint->isEnabled());
        EXPECT_FALSE(w.F940SchAChk2->isEnabled());
        EXPECT_FALSE(w.F940CRWages[5]->isEnabled());
        EXPECT_TRUE(w.F940OverPay1->isReadOnly()) << "no overpayment to choose for";

        QTest::mouseClick(w.F940NoWages, Qt::LeftButton);
        EXPECT_DOUBLE_EQ(w.F940Amount[F940::AllWagesExcluded]->value(), 648.00);
        QTest::mouseClick(w.F940NoWages, Qt::LeftButton);
        EXPECT_DOUBLE_EQ(w.F940Amount[F940::AllWagesExcluded]->value(), 0);

        w.F940Amount[F940::Deposits]->setValue(80);
        w.BtnCalculate->click();
        EXPECT_DOUBLE_EQ(w.F940Amount[F940::Overpayment]->value(), 8.00);
        EXPECT_FALSE(w.F940OverPay1->isReadOnly());
        QTest::mouseClick(w.F940OverPay1, Qt::LeftButton);
        QTest::mouseClick(w.F940OverPay2, Qt::LeftButton);
        EXPECT_FALSE(w.F940OverPay1->checked()) << "one choice only";
        EXPECT_TRUE(w.F940OverPay2->checked());
        w.BtnClose->click();
    });
    EXPECT_DOUBLE_EQ(CompanyRec.F940Amount[F940::Deposits], 80);
    EXPECT_TRUE(CompanyRec.F940OverPay2);
}

TEST_F(Form940ScreenTest, PrintStopsOnAFailingCheck)
{
    run([&](TFrm940& w) {
        // Print is off while the return is unapproved: its handler is driven directly.
        try {
            w.BtnPrintClick();
            ADD_FAILURE() << "printed without line 1a or 1b";
        } catch (const EFieldException& error) {
            EXPECT_EQ(QString::fromUtf8(error.what()), QStringLiteral("Box 1a or 1b must be completed."));
        }
        EXPECT_EQ(QApplication::focusWidget(), w.F940StateCode);
        w.F940SchAChk1->setChecked(true);
        try {
            w.BtnPrintClick();
            ADD_FAILURE() << "printed a multi-state return without its states";
        } catch (const EFieldException& error) {
            EXPECT_EQ(QString::fromUtf8(error.what()),
                      QStringLiteral("When the multi-state employer box has been checked,\ryou must also check atleast 2 "
                                     "states on Schedule A."));
        }
        EXPECT_EQ(QApplication::focusWidget(), w.F940States[1]);
        EXPECT_GT(w.ScrollPosition(), 0) << "Schedule A scrolled into view";
        w.done(QDialog::Rejected);
    });
}

TEST_F(Form940ScreenTest, PrintsTheReturnTheVoucherAndScheduleA)
{
    CompanyRec.F940SchAChk1 = true;
    CompanyRec.F940States[5] = CompanyRec.F940States[39] = true;
    module->RSCompany.PostRec();
    printTo(tempPath(QStringLiteral("Asked.pdf")));
    FilingCopyDefault = true;
    int pages = 0;
    run([&](TFrm940& w) {
        EXPECT_TRUE(w.F940States[39]->checked());
        dialogs.onNextModal([&](QDialog& shown) {
            auto& copy = dynamic_cast<TFrmFormCopy&>(shown);
            EXPECT_EQ(copy.windowTitle(), QStringLiteral("Form 940"));
            copy.BtnOk->click();
        });
        // The unapproved return goes to the preview whatever the user asks for.
        dialogs.onNextModal([&](QDialog& preview) {
            EXPECT_EQ(preview.windowTitle(), QStringLiteral("Form 940 Preview"));
            preview.reject();
        });
        w.BtnPrintClick();
        EXPECT_EQ(w.Rpt940.SystemOptions & soAllowPrintFromPreview, 0) << "preview only";
        ASSERT_TRUE(w.Rpt940.Document());
        pages = w.Rpt940.Document()->PageCount();
        w.done(QDialog::Rejected);
    });
    EXPECT_EQ(pages, 4) << "two pages of the return, the voucher and Schedule A";

    // The return as it prints, on paper.
    const QString pdf = tempPath(QStringLiteral("Form940.pdf"));
    const ReportLayout form = shippedLayout(kForm940Layout);
    WriteFilledLayoutPdf(ReportProjectFileName(), kForm940Layout, Form940Params(CompanyRec, PreparerRec, {}), pdf);
    const std::vector<PdfWord> words = ReadPdfWords(pdf);
    EXPECT_TRUE(ValueInFieldBox(words, form, QStringLiteral("F940Amount5"), QStringLiteral("12000.00")));
    EXPECT_TRUE(ValueInFieldBox(words, form, QStringLiteral("F940Amount12"), QStringLiteral("72.00")));
    EXPECT_TRUE(ValueInFieldBox(words, form, QStringLiteral("CompName"), QStringLiteral("DOVER BAKERY & CAFE")));
    const QString schedule = tempPath(QStringLiteral("ScheduleA.pdf"));
    WriteFilledLayoutPdf(ReportProjectFileName(), kScheduleALayout, ScheduleAParams(CompanyRec, false), schedule);
    EXPECT_TRUE(ValueInFieldBox(ReadPdfWords(schedule), shippedLayout(kScheduleALayout), QStringLiteral("F940States39"),
                                QStringLiteral("X")));
    const QString voucher = tempPath(QStringLiteral("Form940V.pdf"));
    WriteFilledLayoutPdf(ReportProjectFileName(), kForm940VLayout, Form940VParams(CompanyRec, true), voucher);
    EXPECT_TRUE(ValueInFieldBox(ReadPdfWords(voucher), shippedLayout(kForm940VLayout), QStringLiteral("F940VBalDue1"),
                                QStringLiteral("72")));
    renderPages(pdf, QStringLiteral("Form940Printed"));
    renderPages(schedule, QStringLiteral("ScheduleAPrinted"));
    renderPages(voucher, QStringLiteral("Form940VPrinted"));
    EXPECT_TRUE(ParamsNameFields(form, Form940Params(CompanyRec, PreparerRec, {})));
    EXPECT_TRUE(ParamsNameFields(shippedLayout(kForm940VLayout), Form940VParams(CompanyRec, false)));
    EXPECT_TRUE(ParamsNameFields(shippedLayout(kScheduleALayout), ScheduleAParams(CompanyRec, false)));
}

} // namespace
