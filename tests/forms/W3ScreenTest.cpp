#include "FormFixture.h"

#include "client/PayRecords.h"
#include "components/StateTables.h"
#include "components/ui/CheckBoxEdit.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/FilterEdit.h"
#include "forms/W3Totals.h"
#include "forms/ui/FittedLabel.h"
#include "forms/ui/FormW3.h"
#include "forms/ui/PayFormCopy.h"
#include "platform/AppMessageBox.h"
#include "platform/ui/ShowModal.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>

namespace {

// The W-3 screen on the posted first quarter: Lee with 30,000.00 of box 1, Diaz with 1,200.00,
// both working in Pennsylvania.
class W3ScreenTest : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        const int y = kYearToDateColumn;
        const double wages[] = {30000, 1200};
        for (int n = 1; n <= 2; ++n) {
            readEmployee(n);
            EmployeeRecord& e = EmployeeRec;
            e.FedEarnings[y] = e.FICAEarnings[y] = e.MedEarnings[y] = wages[n - 1];
            e.FICATax[y] = Cents(wages[n - 1] * 0.062);
            e.MedicareTax[y] = Cents(wages[n - 1] * 0.0145);
            module->RSEmployee.PostRec();
        }
        CompanyRec.StateID[StateCodeIndex(QStringLiteral("PA")) + 1] = QStringLiteral("8765-432");
        CompanyRec.SignerName = QStringLiteral("Pat Doe");
        CompanyRec.PhoneNumber = QStringLiteral("302-555-0100");
        module->RSCompany.PostRec();
    }

    void run(const std::function<void(TFrmW3&)>& drive)
    {
        dialogs.onNextModal([drive](QDialog& shown) {
            auto& w = dynamic_cast<TFrmW3&>(shown);
            QApplication::setActiveWindow(&w);
            drive(w);
        });
        TFrmW3 screen;
        ShowModal(screen);
    }

    static void completeMarks(TFrmW3& w)
    {
        QTest::mouseClick(w.FW3ChkMark[1], Qt::LeftButton);
        QTest::mouseClick(w.FW3ChkMark[8], Qt::LeftButton);
    }

    CompanyRecord storedCompany() const
    {
        CompanyRecord stored;
        const QByteArray bytes = ReadTestFile(companyFile());
        std::memcpy(&stored, bytes.constData(), sizeof stored);
        return stored;
    }
};

TEST_F(W3ScreenTest, ShowsTheTotalsOfTheW2s)
{
    run([&](TFrmW3& w) {
        w.FW3CtrlNum->setFocus(Qt::TabFocusReason);
        screenshot(w, QStringLiteral("FormW3.png"));
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Form W-3 Transmittal of Wage and Tax Statements 2026"));
        EXPECT_EQ(w.LblNotApproved->text(), TFrmW3::kNotApproved);
        EXPECT_TRUE(w.LblNotApproved->isVisible());
        EXPECT_EQ(w.TotalFormsW2->text(), QStringLiteral("2"));
        EXPECT_DOUBLE_EQ(w.FW3Amount[1]->value(), 31200.00);
        EXPECT_DOUBLE_EQ(w.FW3Amount[4]->value(), 1934.40);
        EXPECT_EQ(w.StateName->text(), QStringLiteral("PA"));
        EXPECT_EQ(w.StateID->text(), QStringLiteral("8765-432"));
        EXPECT_EQ(w.FW3Contact->text(), QStringLiteral("Pat Doe")) << "the signer stands in for a blank contact";
        EXPECT_TRUE(w.FW3Amount[1]->isReadOnly());
        EXPECT_TRUE(w.BtnPrint->isEnabled());
        w.done(QDialog::Rejected);
    });
}

TEST_F(W3ScreenTest, MarkGroupsAndTheSickPayRecap)
{
    run([&](TFrmW3& w) {
        QTest::mouseClick(w.FW3ChkMark[1], Qt::LeftButton);
        QTest::mouseClick(w.FW3ChkMark[1], Qt::LeftButton);
        EXPECT_TRUE(w.FW3ChkMark[1]->checked()) << "clicking the checked mark leaves it checked";
        QTest::mouseClick(w.FW3ChkMark[4], Qt::LeftButton);
        EXPECT_TRUE(w.FW3ChkMark[4]->checked());
        EXPECT_FALSE(w.FW3ChkMark[1]->checked()) << "the check moved to 944";
        QTest::mouseClick(w.FW3ChkMark[9], Qt::LeftButton);
        QTest::mouseClick(w.FW3ChkMark[12], Qt::LeftButton);
        EXPECT_FALSE(w.FW3ChkMark[9]->checked());
        EXPECT_TRUE(w.FW3ChkMark[12]->checked());
        EXPECT_TRUE(w.FW3ChkMark[4]->checked()) << "the groups are apart";
        QTest::mouseClick(w.FW3ChkMark[13], Qt::LeftButton);
        QTest::mouseClick(w.FW3ChkMark[13], Qt::LeftButton);
        EXPECT_FALSE(w.FW3ChkMark[13]->checked()) << "the sick pay mark toggles";

        w.FW3Box13->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w.FW3Box13, Qt::Key_T);
        EXPECT_EQ(w.FW3Box13->text(), QStringLiteral("Third-Party Sick Pay Recap"));
        w.FW3Box13->setText(QStringLiteral("A"));
        w.FW3Box13->end(false);
        QTest::keyClick(w.FW3Box13, Qt::Key_T);
        EXPECT_EQ(w.FW3Box13->text(), QStringLiteral("At"));
        w.done(QDialog::Rejected);
    });
}

TEST_F(W3ScreenTest, ClosingSavesAlwaysAndCountsTheVisitOnlyWhenComplete)
{
    W2W3VisitCount = 0;
    run([&](TFrmW3& w) {
        w.FW3CtrlNum->setText(QStringLiteral("AB-12"));
        messages.expect(IdOk, QStringLiteral("The Kind of Payer box has not been checked."));
        w.BtnClose->click();
        EXPECT_TRUE(messages.allAnswered());
        EXPECT_EQ(messages.shown().size(), 1u) << "shown once";
        EXPECT_FALSE(w.isVisible()) << "the W-3 can always be closed";
    });
    EXPECT_EQ(W2W3VisitCount, 0);
    EXPECT_EQ(QString(storedCompany().FW3CtrlNum), QStringLiteral("AB-12"));
    EXPECT_DOUBLE_EQ(storedCompany().FW3Amount[1], 31200.00);

    run([&](TFrmW3& w) {
        EXPECT_EQ(w.FW3CtrlNum->text(), QStringLiteral("AB-12"));
        completeMarks(w);
        w.BtnClose->click();
    });
    EXPECT_EQ(W2W3VisitCount, 1);
    EXPECT_EQ(QString(storedCompany().FW3Contact), QStringLiteral("Pat Doe"));
    run([&](TFrmW3& w) { QTest::keyClick(w.FW3CtrlNum, Qt::Key_Escape); });
    EXPECT_EQ(W2W3VisitCount, 2);
}

TEST_F(W3ScreenTest, PrintStopsOnAFailingCheck)
{
    bool asked = false;
    ReportSystem::SetOutputOptionsHandler([&asked](const ReportSystem&, OutputChoice&) { return asked = true; });
    run([&](TFrmW3& w) {
        QTest::mouseClick(w.FW3ChkMark[1], Qt::LeftButton);
        messages.expect(IdOk, QStringLiteral("The Kind of Employer box has not been checked."));
        QTest::mouseClick(w.BtnPrint, Qt::LeftButton);
        EXPECT_TRUE(messages.allAnswered());
        EXPECT_EQ(QApplication::focusWidget(), w.FW3ChkMark[8]);
        w.done(QDialog::Rejected);
    });
    EXPECT_FALSE(asked);
}

TEST_F(W3ScreenTest, PrintsTheFormWithItsNotice)
{
    const QString pdf = tempPath(QStringLiteral("FormW3.pdf"));
    printTo(pdf);
    FilingCopyDefault = true;
    TaxFormPrintDateText = QStringLiteral("01/29/2027");
    run([&](TFrmW3& w) {
        completeMarks(w);
        dialogs.onNextModal([&](QDialog& shown) {
            auto& copy = dynamic_cast<TFrmFormCopy&>(shown);
            EXPECT_EQ(copy.windowTitle(), QStringLiteral("Form W-3"));
            EXPECT_EQ(copy.RbFilingCopy->text(), QStringLiteral("Filing Copy for SSA"));
            copy.BtnOk->click();
        });
        QTest::mouseClick(w.BtnPrint, Qt::LeftButton);
        w.done(QDialog::Rejected);
    });
    const std::vector<PdfWord> words = ReadPdfWords(pdf);
    const ReportLayout layout = shippedLayout(kFormW3Layout);
    EXPECT_TRUE(ValueInFieldBox(words, layout, QStringLiteral("Box1"), QStringLiteral("31200.00")));
    EXPECT_TRUE(ValueInFieldBox(words, layout, QStringLiteral("Boxc"), QStringLiteral("2")));
    EXPECT_TRUE(ValueInFieldBox(words, layout, QStringLiteral("Box15"), QStringLiteral("PA")));
    EXPECT_TRUE(ValueInFieldBox(words, layout, QStringLiteral("ContactPerson"), QStringLiteral("PAT DOE")));
    const auto notice = std::find_if(words.begin(), words.end(), [](const PdfWord& w) { return w.text == QStringLiteral("S.S.A."); });
    ASSERT_NE(notice, words.end()) << "the printout says it is not to be filed";
    EXPECT_LT(notice->box.top(), 0.5) << "in the top margin";
    const QString folder = qEnvironmentVariable("LEDGORA_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100"), pdf,
                                                       QDir(folder).filePath(QStringLiteral("FormW3Printed"))});
    EXPECT_TRUE(ParamsNameFields(layout, W3Params(CompanyRec, 2, CalcW3Totals(CompanyRec), true, TaxFormPrintDateText)));
}

} // namespace
