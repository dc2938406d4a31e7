#include "FormFixture.h"
#include "WageBases.h"

#include "client/PayRecords.h"
#include "components/ui/CheckBoxEdit.h"
#include "components/ui/DateEdit.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/FilterEdit.h"
#include "forms/Form941Print.h"
#include "forms/Form941Return.h"
#include "client/ui/Launchers.h"
#include "forms/ui/Form941.h"
#include "forms/ui/Form944.h"
#include "forms/ui/FormLaunchers.h"
#include "forms/ui/PayFormCopy.h"
#include "forms/ui/ScheduleB.h"
#include "platform/AppMessageBox.h"
#include "platform/ui/ShowModal.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTest>

using namespace F941;

namespace {

// The Form 941 screen on the posted first quarter: two employees, 4,800.00 of wages.
class Form941ScreenTest : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        GiveWageBases(*module, [this](int n) { readEmployee(n); });
    }

    void run(const std::function<void(TFrm941&)>& drive)
    {
        dialogs.onNextModal([drive](QDialog& shown) {
            auto& w = dynamic_cast<TFrm941&>(shown);
            QApplication::setActiveWindow(&w);
            drive(w);
        });
        TFrm941 screen;
        ShowModal(screen);
    }

    static void typeAmount(TDollarEdit* box, const QString& keys, QWidget* next)
    {
        box->setFocus(Qt::TabFocusReason);
        box->selectAll();
        QTest::keyClicks(box, keys);
        next->setFocus(Qt::TabFocusReason);
    }

    // Gives the first employee taxable third-party sick pay this quarter.
    void giveSickPay()
    {
        readEmployee(1);
        EmployeeRec.TPSPTaxable[kQuarterToDateColumn] = 500.00;
        EmployeeRec.TPSPFederalTax[kQuarterToDateColumn] = 50.00;
        module->RSEmployee.PostRec();
    }

    // A page of a PDF as a picture, at dpi dots per inch.
    QImage pdfPage(const QString& pdf, int page, int dpi)
    {
        const QString prefix = tempPath(QStringLiteral("page"));
        QProcess pdftoppm;
        pdftoppm.start(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi),
                                                    QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                                    QString::number(page), QStringLiteral("-singlefile"), pdf, prefix});
        EXPECT_TRUE(pdftoppm.waitForFinished(60000));
        return QImage(prefix + QStringLiteral(".png"));
    }
};

TEST_F(Form941ScreenTest, OpensOnThePostedQuarterWithItsLinesAndLine16)
{
    const double liability = CompanyRec.TaxLibQtr;
    run([&](TFrm941& w) {
        screenshot(w, QStringLiteral("Form941.png"));
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Form 941 for 2026: Employer's QUARTERLY Federal Tax Return"));
        EXPECT_EQ(w.F941NumEmps->text(), QStringLiteral("2"));
        EXPECT_DOUBLE_EQ(w.F941Amount[Wages]->value(), 4800.00);
        EXPECT_DOUBLE_EQ(w.F941Amount[IncomeTax]->value(), 480.00);
        EXPECT_DOUBLE_EQ(w.F941Amount[SocialSecurityTax]->value(), 595.20);
        EXPECT_DOUBLE_EQ(w.F941Amount[MedicareTax]->value(), 139.20);
        EXPECT_DOUBLE_EQ(w.F941Amount[TotalTaxes]->value(), 1214.40);
        EXPECT_DOUBLE_EQ(w.TaxLibQtr->value(), liability);
        EXPECT_DOUBLE_EQ(w.F941Amount[TotalTaxes]->value(), liability);
        EXPECT_TRUE(w.F941ChkMark[SmallFiler]->checked());
        EXPECT_FALSE(w.F941ChkMark[MonthlyDepositor]->checked());
        EXPECT_TRUE(w.F941CurQtr[1]->checked());
        EXPECT_FALSE(w.CbxSelectQtr->isEnabled());
        EXPECT_EQ(w.CbxSelectQtr->currentText(), QStringLiteral("1st Quarter"));
        EXPECT_EQ(w.StatusBar->text(),
                  QStringLiteral("Automatically processed form. Line 13 may require your attention (Total deposits for this quarter)."));
        EXPECT_TRUE(w.LblNotFinal->isVisible());
        EXPECT_TRUE(w.BtnPrint->isEnabled());
        EXPECT_TRUE(w.F941ChkMark[ApplyToNextReturn]->isReadOnly()) << "no overpayment";
        EXPECT_FALSE(w.F941EndDate->isEnabled());
        w.BtnCloseClick();
    });
    EXPECT_DOUBLE_EQ(CompanyRec.F941Amount[TotalTaxes], 1214.40) << "closing posts the record";
}

TEST_F(Form941ScreenTest, SickPayMakesLine8ThePayrolls)
{
    run([&](TFrm941& w) {
        EXPECT_FALSE(w.F941Amount[SickPay]->isReadOnly());
        typeAmount(w.F941Amount[SickPay], QStringLiteral("-12.00"), w.F941Amount[TipsAndLifeInsurance]);
        EXPECT_DOUBLE_EQ(CompanyRec.F941Amount[SickPay], -12.00) << "leaving the field saves it";
        EXPECT_DOUBLE_EQ(w.F941Amount[TotalTaxes]->value(), 1202.40);
        w.BtnCloseClick();
    });
    giveSickPay();
    run([&](TFrm941& w) {
        EXPECT_TRUE(w.F941Amount[SickPay]->isReadOnly());
        EXPECT_DOUBLE_EQ(w.F941Amount[SickPay]->value(), -50.00) << "the typed value gives way to the payroll's";
        w.BtnCloseClick();
    });
}

TEST_F(Form941ScreenTest, OverpaymentBoxesExcludeEachOtherAndLine17ClearsItsDate)
{
    run([&](TFrm941& w) {
        typeAmount(w.F941Amount[Deposits], QStringLiteral("1300.00"), w.F941Amount[NoticeAndDemandTax]);
        EXPECT_DOUBLE_EQ(w.F941Amount[Overpayment]->value(), 85.60);
        ASSERT_FALSE(w.F941ChkMark[ApplyToNextReturn]->isReadOnly());
        w.F941ChkMark[ApplyToNextReturn]->setChecked(true);
        w.F941ChkMark[SendRefund]->setChecked(true);
        EXPECT_FALSE(w.F941ChkMark[ApplyToNextReturn]->checked());
        typeAmount(w.F941Amount[Deposits], QStringLiteral("1214.40"), w.F941Amount[NoticeAndDemandTax]);
        EXPECT_FALSE(w.F941ChkMark[SendRefund]->checked()) << "cleared with the overpayment";
        EXPECT_TRUE(w.F941ChkMark[SendRefund]->isReadOnly());

        w.F941ChkMark[BusinessClosed]->setChecked(true);
        EXPECT_TRUE(w.F941EndDate->isEnabled());
        w.F941EndDate->setText(QStringLiteral("03/13/2026"));
        w.F941ChkMark[BusinessClosed]->setChecked(false);
        EXPECT_EQ(w.F941EndDate->text(), QStringLiteral("  /  /    "));
        EXPECT_FALSE(w.F941EndDate->isEnabled());
        w.BtnCloseClick();
    });
}

TEST_F(Form941ScreenTest, SmallFilerBoxGivesWayOnlyAbove2500)
{
    run([&](TFrm941& w) {
        w.F941ChkMark[SmallFiler]->setChecked(false);
        EXPECT_TRUE(w.F941ChkMark[SmallFiler]->checked()) << "line 12 is below 2,500";
        typeAmount(w.F941Amount[NoticeAndDemandTax], QStringLiteral("2000.00"), w.F941Amount[FractionsOfCents]);
        w.F941ChkMark[SmallFiler]->setChecked(false);
        EXPECT_TRUE(w.F941ChkMark[MonthlyDepositor]->checked());
        w.F941ChkMark[SmallFiler]->setChecked(true);
        EXPECT_FALSE(w.F941ChkMark[MonthlyDepositor]->checked());
        w.BtnCloseClick();
    });
}

TEST_F(Form941ScreenTest, TaxAdjustmentKeepsTheEntriesAndShowsScheduleBsMonths)
{
    run([&](TFrm941& w) {
        w.F941Amount[Deposits]->setFocus(Qt::TabFocusReason);
        w.F941Amount[Deposits]->selectAll();
        QTest::keyClicks(w.F941Amount[Deposits], QStringLiteral("1000.00"));
        dialogs.onNextModal([&](QDialog& shown) {
            auto& b = dynamic_cast<TFrmScheduleB&>(shown);
            screenshot(b, QStringLiteral("ScheduleBFrom941.png"));
            EXPECT_DOUBLE_EQ(CompanyRec.F941Amount[Deposits], 1000.00) << "saved before Schedule B opened";
            b.TaxLibMonth2[20]->setValue(10.00);
            b.BtnCloseClick();
        });
        w.BtnTaxAdjustmentClick();
        EXPECT_DOUBLE_EQ(w.F941Amount[Deposits]->value(), 1000.00);
        EXPECT_DOUBLE_EQ(w.TaxLibMonth[2]->value(), CompanyRec.TaxLibMonth[2][32]);
        EXPECT_DOUBLE_EQ(w.TaxLibQtr->value(), 1224.40);
        w.BtnCloseClick();
    });
}

TEST_F(Form941ScreenTest, PrintIsOffWhileAPayrollAwaitsPosting)
{
    CompanyRec.PayrollPosted = false;
    run([](TFrm941& w) {
        EXPECT_FALSE(w.BtnPrint->isEnabled());
        w.BtnCloseClick();
    });
}

TEST_F(Form941ScreenTest, ChecksStopThePrintWithTheirMessages)
{
    struct Case {
        const char* what;
        std::function<void(TFrm941&)> arrange;
        const char* message;
    };
    const Case cases[] = {
        {"line 4 with taxes", [](TFrm941& w) { w.F941ChkMark[NotSubjectToTaxes]->setChecked(true); },
         "You have checked the box on line 4, however, line 5e is greater than 0."},
        {"a dollar overpaid", [](TFrm941& w) { w.F941Amount[Deposits]->setValue(1215.40); },
         "Line 15 shows an overpayment, however, you have not checkedto have it applied to next return or refunded."},
        {"no final date", [](TFrm941& w) { w.F941ChkMark[BusinessClosed]->setChecked(true); },
         "The final date wages paid is invalid."},
    };
    for (const Case& c : cases) {
        CompanyRec.F941ChkMark[NotSubjectToTaxes] = false;
        CompanyRec.F941ChkMark[BusinessClosed] = false;
        CompanyRec.F941Amount[Deposits] = 0;
        bool asked = false;
        ReportSystem::SetOutputOptionsHandler([&asked](const ReportSystem&, OutputChoice&) { return asked = true; });
        run([&](TFrm941& w) {
            c.arrange(w);
            messages.expect(IdOk, QString::fromLatin1(c.message));
            QTest::mouseClick(w.BtnPrint, Qt::LeftButton);
            EXPECT_TRUE(messages.allAnswered()) << c.what;
            EXPECT_TRUE(messages.last().text.startsWith(QStringLiteral("Unable to print Form 941.\r"))) << c.what;
            w.BtnCloseClick();
        });
        EXPECT_FALSE(asked) << c.what << ": nothing printed";
    }
}

TEST_F(Form941ScreenTest, UnprocessedReturnNeedsAQuarter)
{
    for (int n = 1; n <= module->RSEmployee.RecordCount(); ++n) {
        readEmployee(n);
        EmployeeRec.FedEarnings[kQuarterToDateColumn] = 0;
        module->RSEmployee.PostRec();
    }
    run([&](TFrm941& w) {
        EXPECT_TRUE(w.CbxSelectQtr->isEnabled());
        EXPECT_EQ(w.CbxSelectQtr->currentText(), QStringLiteral("Select Quarter"));
        EXPECT_EQ(w.StatusBar->text(),
                  QStringLiteral("Unprocessed form. Select the applicable quarter to print a zero employees return."));
        messages.expect(IdOk, QStringLiteral("You must select the applicable quarter."));
        QTest::mouseClick(w.BtnPrint, Qt::LeftButton);
        EXPECT_TRUE(messages.allAnswered());
        w.BtnCloseClick();
    });
}

// Line 1 is the count posting kept of the employees paid for the pay period that includes
// March 12, not the employees paid in the quarter; the user may still change it.
TEST_F(Form941ScreenTest, Line1IsTheCountPostingKeptForThe12th)
{
    ASSERT_EQ(CompanyRec.EmployeesPaidForThe12th[1], 2);
    CompanyRec.EmployeesPaidForThe12th[1] = 1;
    CompanyRec.EmployeesPaidForThe12th[2] = 7;   // another quarter's
    module->RSCompany.PostRec();
    addEmployee(QStringLiteral("Hale"), QStringLiteral("Kim"));   // paid in the quarter
    EmployeeRec.FedEarnings[kQuarterToDateColumn] = 500;
    module->RSEmployee.PostRec();
    run([&](TFrm941& w) {
        EXPECT_EQ(w.F941NumEmps->text(), QStringLiteral("1"));
        EXPECT_FALSE(w.F941NumEmps->isReadOnly());
        EXPECT_FALSE(w.CbxSelectQtr->isEnabled());
        w.F941NumEmps->setText(QStringLiteral("2"));
        w.BtnCloseClick();
    });
    EXPECT_EQ(CompanyRec.F941NumEmps, 2);

    // No posting paid anyone for a period including March 12: nobody counts.
    CompanyRec.EmployeesPaidForThe12th[1] = 0;
    module->RSCompany.PostRec();
    run([&](TFrm941& w) {
        EXPECT_EQ(w.F941NumEmps->text(), QStringLiteral("0"));
        w.BtnCloseClick();
    });
}

TEST_F(Form941ScreenTest, PrintsTheReturnAndTheVoucherWithTheQuarterMarked)
{
    CompanyRec.CurrentQuarter = 3;
    const QString pdf = tempPath(QStringLiteral("Form941.pdf"));
    printTo(pdf);
    TaxFormPrintDateText = QStringLiteral("10/30/2026");
    run([&](TFrm941& w) {
        typeAmount(w.F941Amount[Deposits], QStringLiteral("1000.00"), w.F941Amount[NoticeAndDemandTax]);
        dialogs.onNextModal([](QDialog& copy) {
            EXPECT_EQ(copy.windowTitle(), QStringLiteral("Form 941"));
            copy.accept();
        });
        w.BtnPrintClick();
        w.BtnCloseClick();
    });
    const std::vector<PdfWord> words = ReadPdfWords(pdf);
    const ReportLayout form = shippedLayout(QStringLiteral("Form941"));
    const ReportLayout voucher = shippedLayout(QStringLiteral("Form941V"));
    EXPECT_TRUE(ValueInFieldBox(words, form, QStringLiteral("F941Amount19"), QStringLiteral("1214.40")));
    EXPECT_TRUE(ValueInFieldBox(words, form, QStringLiteral("F941Amount21"), QStringLiteral("214.40")));
    // No paid preparer is set up: his Date box on page 2 stays empty beside the signer's date.
    EXPECT_TRUE(ValueInFieldBox(words, form, QStringLiteral("Date"), QStringLiteral("10/30/2026")));
    const std::optional<QRectF> preparerDate = FieldBox(form, QStringLiteral("PrepPrintDate"));
    ASSERT_TRUE(preparerDate.has_value());
    for (const PdfWord& word : words)
        EXPECT_FALSE(word.page == 2 && preparerDate->intersects(word.box)) << word.text.toStdString();
    std::vector<PdfWord> voucherWords;
    for (PdfWord word : words) {
        if (word.page == 3) {
            word.page = 1;
            voucherWords.push_back(word);
        }
    }
    EXPECT_TRUE(ValueInFieldBox(voucherWords, voucher, QStringLiteral("F941VBalDue1"), QStringLiteral("214")));
    EXPECT_TRUE(ValueInFieldBox(voucherWords, voucher, QStringLiteral("F941VBalDue2"), QStringLiteral("40")));

    // The third quarter's circle is filled, the first one's is not.
    const int dpi = 100;
    const QImage page = pdfPage(pdf, 3, dpi);
    ASSERT_FALSE(page.isNull());
    const auto darkAt = [&](int quarter) {
        const QPointF centre = Form941VoucherQuarterCircle(quarter)->center() * dpi;
        return qGray(page.pixel(centre.toPoint())) < 64;
    };
    EXPECT_TRUE(darkAt(3));
    EXPECT_FALSE(darkAt(1));
    EXPECT_FALSE(darkAt(2));
    EXPECT_FALSE(darkAt(4));
    const QString folder = qEnvironmentVariable("LEDGORA_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        QFile::copy(pdf, folder + QStringLiteral("/Form941.pdf"));
}

} // namespace

namespace {

TEST_F(Form941ScreenTest, TheMenuCommandsOpenForms941And944)
{
    InstallLaunchers();
    EXPECT_TRUE(HasLauncher(Launch::TFrm941));
    EXPECT_TRUE(HasLauncher(Launch::TFrm944));
    dialogs.onNextModal([](QDialog& shown) {
        EXPECT_NE(dynamic_cast<TFrm941*>(&shown), nullptr);
        shown.reject();
    });
    OpenFormScreen<TFrm941>();
    dialogs.onNextModal([](QDialog& shown) {
        EXPECT_NE(dynamic_cast<TFrm944*>(&shown), nullptr);
        shown.reject();
    });
    OpenFormScreen<TFrm944>();
}

} // namespace

namespace {

TEST_F(Form941ScreenTest, ABlankCompanyEINStopsThePrint)
{
    CompanyRec.FederalID = QStringLiteral("  -       ");
    bool asked = false;
    ReportSystem::SetOutputOptionsHandler([&asked](const ReportSystem&, OutputChoice&) { return asked = true; });
    run([&](TFrm941& w) {
        messages.expect(IdOk, QStringLiteral("Form 941 cannot be made without the company's Employer Identification Number"));
        QTest::mouseClick(w.BtnPrint, Qt::LeftButton);
        EXPECT_TRUE(messages.allAnswered());
        EXPECT_TRUE(messages.last().text.contains(QStringLiteral("company screen (File > Company)")));
        w.BtnCloseClick();
    });
    EXPECT_FALSE(asked);
}

TEST_F(Form941ScreenTest, ADepositorWithoutDepositsIsAskedBeforeTheVoucherAsksForEverything)
{
    CompanyRec.DepositStat = true;
    printTo(tempPath(QStringLiteral("Form941.pdf")));
    run([&](TFrm941& w) {
        // No: back to line 13, nothing printed.
        messages.expect(IdNo, QStringLiteral("Line 13 (total deposits for this quarter) is 0.00"));
        QTest::mouseClick(w.BtnPrint, Qt::LeftButton);
        EXPECT_TRUE(messages.allAnswered());
        EXPECT_TRUE(messages.last().text.contains(QStringLiteral("the whole balance of 1,214.40")));
        EXPECT_EQ(messages.last().flags, MbYesNo | MbIconWarning | MbDefButton2);
        EXPECT_EQ(QApplication::focusWidget(), static_cast<QWidget*>(w.F941Amount[Deposits]));

        // Yes: the print goes on to its copy dialog.
        bool copyAsked = false;
        dialogs.onNextModal([&copyAsked](QDialog& copy) {
            copyAsked = true;
            copy.reject();
        });
        messages.expect(IdYes, QStringLiteral("Line 13 (total deposits for this quarter) is 0.00"));
        QTest::mouseClick(w.BtnPrint, Qt::LeftButton);
        EXPECT_TRUE(copyAsked);

        // With the deposits entered, nothing is asked.
        typeAmount(w.F941Amount[Deposits], QStringLiteral("1214.40"), w.F941Amount[NoticeAndDemandTax]);
        dialogs.onNextModal([](QDialog& copy) { copy.reject(); });
        QTest::mouseClick(w.BtnPrint, Qt::LeftButton);
        w.BtnCloseClick();
    });
}

TEST_F(Form941ScreenTest, SemiweeklyDepositorGetsTheScheduleBBoxAndCannotChangeIt)
{
    CompanyRec.DepositStat = true;
    run([&](TFrm941& w) {
        EXPECT_TRUE(w.F941ChkMark[SemiweeklyDepositor]->checked());
        EXPECT_FALSE(w.F941ChkMark[SmallFiler]->checked());
        EXPECT_FALSE(w.F941ChkMark[MonthlyDepositor]->checked());
        EXPECT_TRUE(w.F941ChkMark[SmallFiler]->isReadOnly());
        EXPECT_NE(w.F941ChkMark[SmallFiler]->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
        w.BtnCloseClick();
    });
}

} // namespace
