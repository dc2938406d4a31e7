#include "tests/forms/NJFormsFixture.h"
#include "tests/ui/FormsFixture.h"

#include "components/ui/CheckBoxEdit.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/FilterEdit.h"
#include "forms/ui/PayNJUDI.h"
#include "forms/ui/PayNJUIDIRateAdjt.h"
#include "platform/AppMessageBox.h"
#include "platform/Clock.h"
#include "platform/Registry.h"
#include "platform/ui/ShowModal.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

namespace {

// The New Jersey screens on the hand-worked quarter: employee A pays every contribution, B is
// exempt from disability.
class NJScreensTest : public NJFormsTest {
protected:
    void SetUp() override
    {
        NJFormsTest::SetUp();
        AppRegistry = std::make_unique<Registry>();
        RegistryRoot = QStringLiteral("Software\\Ledgora\\2026\\");
        CopyShippedForms(programDir());
        module->RaveProject.ProjectFile = programDir() + QStringLiteral("/TAXFORMS.RAV");
        addPaidEmployee(QStringLiteral("Able"), {10000.00, 9500.00, 10000.00, 10000.00, 10000.00});
        addPaidEmployee(QStringLiteral("Baker"), {5000.00, 5000.00, 5000.00, 0, 0}, "NJ", QStringLiteral("212-55-4321"));
        EmployeeRec.DisbExempt = true;
        EmployeeRec.BaseWeeks = 9;
        module->RSEmployee.PostRec();
    }

    void TearDown() override
    {
        ReportSystem::SetOutputOptionsHandler(nullptr);
        NJFormsTest::TearDown();
    }

    void run(const std::function<void(TFrmNJUDI&)>& drive)
    {
        dialogs.onNextModal([drive](QDialog& shown) {
            auto& w = dynamic_cast<TFrmNJUDI&>(shown);
            QApplication::setActiveWindow(&w);
            drive(w);
            if (w.isVisible())
                w.BtnCloseClick();
        });
        TFrmNJUDI screen;
        ShowModal(screen);
    }

    void printTo(const QString& fileName)
    {
        const QString path = tempPath(fileName);
        ReportSystem::SetOutputOptionsHandler([path](const ReportSystem&, OutputChoice& choice) {
            choice.destination = ReportDestination::File;
            choice.fileName = path;
            return true;
        });
    }

    // Saves a picture of the window in the test's folder, and in LEDGORA_SCREENSHOT_DIR when set.
    void screenshot(QWidget& window, const QString& name)
    {
        QApplication::processEvents();   // the scroll areas lay out their bars
        const QImage picture = window.grab().toImage();
        EXPECT_TRUE(picture.save(tempPath(name)));
        const QString folder = qEnvironmentVariable("LEDGORA_SCREENSHOT_DIR");
        if (!folder.isEmpty())
            picture.save(QDir(folder).filePath(name));
    }

    // Types into an entry and moves on to the next, as the user does.
    static void type(QLineEdit* entry, const QString& keys, QWidget* next)
    {
        entry->setFocus(Qt::TabFocusReason);
        entry->selectAll();
        QTest::keyClicks(entry, keys);
        next->setFocus(Qt::TabFocusReason);
    }

    QByteArray storedCompany() const { return ReadTestFile(tempPath(QStringLiteral("ACME.C26"))); }
};

TEST_F(NJScreensTest, ShowsTheQuarterAndItsWageList)
{
    run([&](TFrmNJUDI& w) {
        screenshot(w, QStringLiteral("NJUDI.png"));
        EXPECT_EQ(w.windowTitle(), QStringLiteral("New Jersey State Employer's Quarterly Reports Forms NJ-927 and WR-30 Worksheets "));
        EXPECT_EQ(w.LblStateID->text(), QStringLiteral("123-456-789/000"));
        EXPECT_EQ(w.LblCompName->text(), QStringLiteral("GARDEN STATE TOOLS & DIES"));
        EXPECT_EQ(w.LblQtrYear->text(), QStringLiteral("1/2026"));
        EXPECT_EQ(w.LblReportDue->text(), QStringLiteral("04/30/2026"));
        EXPECT_EQ(w.LblMaxTaxableWorkerWages->text(), QStringLiteral("$171,100.00"));
        EXPECT_EQ(w.GITWages->text(), QStringLiteral("14,500.00"));
        EXPECT_EQ(w.GrossWages->text(), QStringLiteral("15,000.00"));
        EXPECT_EQ(w.ExcessWorkerWages->text(), QStringLiteral("5,000.00"));
        EXPECT_EQ(w.UIRate->text(), QStringLiteral("0.030000"));
        EXPECT_EQ(w.BalanceDue->text(), QStringLiteral("542.00"));
        EXPECT_EQ(w.DIPlanEmployer->text(), QStringLiteral("S"));
        ASSERT_EQ(w.WagesPaid.size(), 2u);
        EXPECT_EQ(w.EmpName[0]->text(), QStringLiteral(" ABLE PAT"));
        EXPECT_EQ(w.SSN[1]->text(), QStringLiteral("212-55-4321"));
        EXPECT_EQ(w.WagesPaid[1]->text(), QStringLiteral("5,000.00"));
        EXPECT_EQ(w.BaseWeeks[1]->text(), QStringLiteral("09"));
        EXPECT_TRUE(w.BtnPrint->isEnabled());
        EXPECT_TRUE(w.Refund->isReadOnly());
    });
}

TEST_F(NJScreensTest, LeavingAnEntryRecalculates)
{
    run([&](TFrmNJUDI& w) {
        type(w.DIPlanEmployer, QStringLiteral("p"), w.Payments);
        EXPECT_EQ(w.DIPlanEmployer->text(), QStringLiteral("P"));
        EXPECT_EQ(w.TaxableWagesDIWorker->text(), QStringLiteral("0.00"));
        EXPECT_EQ(w.BalanceDue->text(), QStringLiteral("473.00"));
        EXPECT_EQ(w.Payment->text(), QStringLiteral("473.00"));
        EXPECT_EQ(w.DIPlanWorker->text(), QStringLiteral("P"));
        type(w.WagesPaid[1], QStringLiteral("6000"), w.Payments);
        EXPECT_EQ(w.GrossWages->text(), QStringLiteral("16,000.00"));
        type(w.GITPaid, QStringLiteral("5"), w.Payments);
        EXPECT_EQ(w.GITOverPaid->text(), QStringLiteral("5.00"));
        EXPECT_FALSE(w.Refund->isReadOnly());
    });
}

TEST_F(NJScreensTest, RefundAndCreditExcludeEachOther)
{
    run([&](TFrmNJUDI& w) {
        type(w.GITPaid, QStringLiteral("5"), w.Payments);
        QTest::mouseClick(w.Refund, Qt::LeftButton);
        EXPECT_TRUE(w.Refund->checked());
        QTest::mouseClick(w.Credit, Qt::LeftButton);
        EXPECT_TRUE(w.Credit->checked());
        EXPECT_FALSE(w.Refund->checked());
        QTest::mouseClick(w.Credit, Qt::LeftButton);
        EXPECT_FALSE(w.Credit->checked());
        EXPECT_FALSE(w.Refund->checked());
    });
}

TEST_F(NJScreensTest, BaseWeeksStopAtFourteen)
{
    run([&](TFrmNJUDI& w) {
        messages.expect(IdOk, QStringLiteral("Base Weeks cannot exceed 14"));
        type(w.BaseWeeks[0], QStringLiteral("15"), w.Payments);
        EXPECT_EQ(w.BaseWeeks[0]->text(), QStringLiteral("14"));
        EXPECT_EQ(messages.last().flags, MbOk | MbIconStop);
    });
}

TEST_F(NJScreensTest, PrintChecksTheWorksheetThenPrintsBothForms)
{
    printTo(QStringLiteral("screen.pdf"));
    run([&](TFrmNJUDI& w) {
        type(w.DIPlanEmployer, QStringLiteral("p"), w.Payments);
        messages.expect(IdOk, QStringLiteral("Line 22 must be completed."));
        w.BtnPrintClick();
        EXPECT_EQ(QApplication::focusWidget(), w.PrivatePlanDI);
        EXPECT_EQ(w.ScrollBox1->verticalScrollBar()->value(), w.ScrollBox1->verticalScrollBar()->maximum());
        EXPECT_FALSE(QFile::exists(tempPath(QStringLiteral("screen.pdf"))));

        type(w.DIPlanEmployer, QStringLiteral("s"), w.Payments);
        w.ChkMaskSSN->setChecked(true);
        w.BtnPrintClick();
    });
    keepForLooking(QStringLiteral("screen.pdf"));
    const QString text = pdfText(QStringLiteral("screen.pdf"));
    EXPECT_TRUE(text.contains(QStringLiteral("542.00")));
    EXPECT_TRUE(text.contains(QStringLiteral("***-**-4321")));
    EXPECT_FALSE(text.contains(QStringLiteral("212-55-4321")));
    EXPECT_TRUE(MaskSSNOnCopies);
}

TEST_F(NJScreensTest, ClosingKeepsOnlyTheMaskChoice)
{
    const QByteArray before = storedCompany();
    MaskSSNOnCopies = true;
    run([&](TFrmNJUDI& w) {
        EXPECT_TRUE(w.ChkMaskSSN->isChecked());
        type(w.GITPaid, QStringLiteral("12"), w.Payments);
        w.ChkMaskSSN->setChecked(false);
    });
    EXPECT_FALSE(MaskSSNOnCopies);
    EXPECT_EQ(storedCompany(), before);
}

TEST_F(NJScreensTest, PopUpItemAsksThenWritesBoxFourteen)
{
    run([&](TFrmNJUDI& w) {
        EXPECT_EQ(w.PopMenuItem->text(), QStringLiteral("Transfer UI/WF/SWF,  DI && FLI Data to Form W-2"));
        messages.expect(IdNo, QStringLiteral("Replace box 14"));
        w.PopMenuItem->trigger();
        messages.expect(IdYes, QStringLiteral("Replace box 14"));
        messages.expect(IdOk, QStringLiteral("Box 14 of 0 New Jersey employees' Forms W-2 was updated."));
        w.PopMenuItem->trigger();
    });
}

TEST_F(NJScreensTest, ListKeysMoveOnlyALongList)
{
    run([&](TFrmNJUDI& w) {
        w.WagesPaid[0]->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(w.ActiveScrollBox(), w.ScrollBox2);
        const int page = w.ScrollBox1->verticalScrollBar()->value();
        QTest::keyClick(w.WagesPaid[0], Qt::Key_PageDown);
        EXPECT_EQ(w.ScrollBox1->verticalScrollBar()->value(), page);
        w.GITPaid->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(w.ActiveScrollBox(), w.ScrollBox1);
        ASSERT_GT(w.ScrollBox1->verticalScrollBar()->maximum(), 0) << "the page is taller than its area";
        QTest::keyClick(w.GITPaid, Qt::Key_End, Qt::ControlModifier);
        EXPECT_EQ(QApplication::focusWidget(), w.PrivatePlanFLI);
        EXPECT_EQ(w.ScrollBox1->verticalScrollBar()->value(), w.ScrollBox1->verticalScrollBar()->maximum());
    });
}

TEST_F(NJScreensTest, ALongListScrollsWithTheKeysWhileItIsActive)
{
    for (int i = 1; i <= 8; ++i)
        addPaidEmployee(QStringLiteral("Row%1").arg(i), {100.00 * i, 100.00 * i, 100.00 * i, 0, 0});
    run([&](TFrmNJUDI& w) {
        QScrollBar* list = w.ScrollBox2->verticalScrollBar();
        ASSERT_GT(list->maximum(), 0);
        w.WagesPaid[0]->setFocus(Qt::TabFocusReason);
        const int page = w.ScrollBox1->verticalScrollBar()->value();
        QTest::keyClick(w.WagesPaid[0], Qt::Key_Down);
        EXPECT_EQ(list->value(), list->singleStep());
        QTest::keyClick(w.WagesPaid[0], Qt::Key_End, Qt::ControlModifier);
        EXPECT_EQ(QApplication::focusWidget(), w.BaseWeeks.back());
        EXPECT_EQ(list->value(), list->maximum());
        QTest::keyClick(w.BaseWeeks.back(), Qt::Key_Home, Qt::ControlModifier);
        EXPECT_EQ(QApplication::focusWidget(), w.WagesPaid.front());
        EXPECT_EQ(list->value(), 0);
        EXPECT_EQ(w.ScrollBox1->verticalScrollBar()->value(), page);
    });
}

TEST_F(NJScreensTest, RateUtilityPrintsTheNewJerseyReport)
{
    SetClockForTests(QDateTime(QDate(2026, 3, 5), QTime(9, 0)));
    CompanyRec.UnempTaxRate[StateNumber("NJ")] = 3.0;
    module->RSCompany.PostRec();
    printTo(QStringLiteral("rates.pdf"));
    dialogs.onNextModal([&](QDialog& shown) {
        auto& w = dynamic_cast<TFrmNJUIDIRA&>(shown);
        screenshot(w, QStringLiteral("NJUIDIRA.png"));
        w.BtnOk->click();
    });
    ShowNJUIDIRateAdjustment();
    SetClockForTests(QDateTime());
    const QString text = pdfText(QStringLiteral("rates.pdf"));
    EXPECT_TRUE(text.contains(QStringLiteral("New Jersey UI/TDI Rate Change Adjustment Report")));
    EXPECT_TRUE(text.contains(QStringLiteral("Pat Able")));
    EXPECT_TRUE(text.contains(QStringLiteral("300.00")));   // 3 % of 10,000.00 with nothing charged yet
    EXPECT_TRUE(text.contains(QStringLiteral("Totals")));
}

TEST_F(NJScreensTest, RateUtilityWithoutNewJerseyEmployeesSaysSo)
{
    for (int n = 1; n <= 2; ++n) {
        readEmployee(n);
        EmployeeRec.WorkState = QStringLiteral("PA");
        EmployeeRec.WorkStateIndex = StateNumber("PA");
        module->RSEmployee.PostRec();
    }
    printTo(QStringLiteral("none.pdf"));
    dialogs.onNextModal([&](QDialog& shown) {
        messages.expect(IdOk, QStringLiteral("works in New Jersey"));
        dynamic_cast<TFrmNJUIDIRA&>(shown).BtnOk->click();
    });
    ShowNJUIDIRateAdjustment();
    EXPECT_FALSE(QFile::exists(tempPath(QStringLiteral("none.pdf"))));
}

} // namespace
