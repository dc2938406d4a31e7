#include "FormFixture.h"

#include "client/PayRecords.h"
#include "client/ui/HelpWindow.h"
#include "client/ui/Launchers.h"
#include "client/ui/ScreenRules.h"
#include "components/ui/CheckBoxEdit.h"
#include "components/ui/DateEdit.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/LayoutPicture.h"
#include "forms/ScheduleB.h"
#include "forms/ui/FormLaunchers.h"
#include "forms/ui/PayFormCopy.h"
#include "forms/ui/ScheduleB.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/ShellOpen.h"
#include "platform/ui/ShowModal.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <cstring>

namespace {

// The Schedule B screen on the posted first quarter.
class ScheduleBScreenTest : public FormTest {
protected:
    // Opens the screen and hands it to drive, which must leave it closed or let it be rejected.
    void run(const std::function<void(TFrmScheduleB&)>& drive)
    {
        dialogs.onNextModal([drive](QDialog& shown) {
            auto& w = dynamic_cast<TFrmScheduleB&>(shown);
            QApplication::setActiveWindow(&w);
            drive(w);
        });
        TFrmScheduleB screen;
        ShowModal(screen);
    }

    // Types an amount into a day box and moves on to the next box, as the user does.
    static void typeAmount(TDollarEdit* box, const QString& keys, QWidget* next)
    {
        box->setFocus(Qt::TabFocusReason);
        box->selectAll();
        QTest::keyClicks(box, keys);
        next->setFocus(Qt::TabFocusReason);
    }

    // The company record as the company file holds it.
    QByteArray storedCompany() const { return ReadTestFile(companyFile()); }
    static QByteArray bytesOf(const CompanyRecord& company)
    {
        return QByteArray(reinterpret_cast<const char*>(&company), sizeof company);
    }

    // Only day 5 of month 1 owes something.
    static void owe(double day5, double line12)
    {
        for (int m = 1; m <= 3; ++m)
            for (int d = 1; d <= 32; ++d)
                CompanyRec.TaxLibMonth[m][d] = 0;
        CompanyRec.TaxLibMonth[1][5] = day5;
        CompanyRec.TaxLibMonth[1][32] = day5;
        CompanyRec.TaxLibQtr = day5;
        CompanyRec.F941Amount[19] = line12;
    }
};

TEST_F(ScheduleBScreenTest, ShowsTheHeaderAndTheStoredTotalsWithoutRecomputing)
{
    const double january = CompanyRec.TaxLibMonth[1][9];
    ASSERT_GT(january, 0) << "the posting of 01/09 owes";
    CompanyRec.TaxLibMonth[1][32] = 1.23;   // as stored, however stale
    run([&](TFrmScheduleB& w) {
        w.TaxLibMonth1[10]->setFocus(Qt::TabFocusReason);
        screenshot(w, QStringLiteral("ScheduleB.png"));
        EXPECT_EQ(w.windowTitle(),
                  QStringLiteral("Schedule B (Form 941): Report of Tax Liability for Semiweekly Schedule Depositors"));
        for (int k = 1; k <= 9; ++k)
            EXPECT_EQ(w.EIN[k]->text(), QString::number(k)) << k;
        EXPECT_EQ(w.CompanyName->text(), QStringLiteral("Dover Bakery & Cafe"));
        EXPECT_EQ(w.CalYear[1]->text() + w.CalYear[2]->text() + w.CalYear[3]->text() + w.CalYear[4]->text(),
                  QStringLiteral("2026"));
        EXPECT_TRUE(w.F941CurQtr[1]->checked());
        EXPECT_FALSE(w.F941CurQtr[2]->checked() || w.F941CurQtr[3]->checked() || w.F941CurQtr[4]->checked());
        EXPECT_DOUBLE_EQ(w.TaxLibMonth1[9]->value(), january);
        EXPECT_DOUBLE_EQ(w.TaxLibMonth1[32]->value(), 1.23);
        EXPECT_TRUE(w.BtnPrint->isEnabled());
        EXPECT_TRUE(w.TaxLibMonth1[32]->isReadOnly());
        EXPECT_TRUE(w.TaxLibQtr->isReadOnly());
        EXPECT_TRUE(w.EIN[1]->isReadOnly());
        w.BtnCalculate->click();
        EXPECT_DOUBLE_EQ(w.TaxLibMonth1[32]->value(), january);
        w.done(QDialog::Rejected);
    });
}

TEST_F(ScheduleBScreenTest, LeavingADayBoxRecomputesTheMonthAndTheQuarter)
{
    const double quarter = CompanyRec.TaxLibQtr;
    ASSERT_EQ(CompanyRec.TaxLibMonth[2][1], 0);
    ASSERT_EQ(CompanyRec.TaxLibMonth[2][31], 0);
    const double february = CompanyRec.TaxLibMonth[2][32];
    run([&](TFrmScheduleB& w) {
        typeAmount(w.TaxLibMonth2[1], QStringLiteral("100.00"), w.TaxLibMonth2[2]);
        typeAmount(w.TaxLibMonth2[31], QStringLiteral("50.25"), w.TaxLibMonth3[1]);
        EXPECT_NEAR(w.TaxLibMonth2[32]->value(), february + 150.25, 1e-9);
        EXPECT_NEAR(w.TaxLibQtr->value(), quarter + 150.25, 1e-9);
        EXPECT_NEAR(CompanyRec.TaxLibQtr, quarter + 150.25, 1e-9) << "saved into the company record";
        w.done(QDialog::Rejected);
    });
}

TEST_F(ScheduleBScreenTest, ClosingWithoutEditsStillPostsTheCompanyRecord)
{
    for (const char* way : {"Close", "Escape"}) {
        CompanyRec.TaxLibMonth[3][30] += 7;   // not yet in the file
        CalcTotals(CompanyRec);
        ASSERT_NE(storedCompany(), bytesOf(CompanyRec)) << way;
        run([&](TFrmScheduleB& w) {
            if (std::strcmp(way, "Close") == 0)
                w.BtnClose->click();
            else
                QTest::keyClick(w.TaxLibMonth1[1], Qt::Key_Escape);
            EXPECT_FALSE(w.isVisible()) << way;
        });
        EXPECT_EQ(storedCompany(), bytesOf(CompanyRec)) << way;
    }
}

TEST_F(ScheduleBScreenTest, PrintsWhenTheQuarterTotalEqualsLine12AtCents)
{
    owe(12345.67, 12345.674);
    const QString pdf = tempPath(QStringLiteral("ScheduleB.pdf"));
    printTo(pdf);
    FilingCopyDefault = false;
    TaxFormPrintDateText = QStringLiteral("04/30/2026");
    run([&](TFrmScheduleB& w) {
        dialogs.onNextModal([&](QDialog& shown) {
            auto& copy = dynamic_cast<TFrmFormCopy&>(shown);
            screenshot(copy, QStringLiteral("ScheduleBCopy.png"));
            EXPECT_EQ(copy.windowTitle(), QStringLiteral("Schedule B (Form 941)"));
            EXPECT_FALSE(copy.TaxFormPrintDate->isVisible()) << "Schedule B prints no date";
            EXPECT_FALSE(copy.LblFormPrintDate->isVisible());
            EXPECT_TRUE(copy.RbFileCopy->isChecked());
            copy.BtnOk->click();
        });
        w.BtnPrint->click();
        EXPECT_EQ(w.RptScheduleB.SystemOptions, soShowStatus | soAllowPrintFromPreview | soPreviewModal);
        w.done(QDialog::Rejected);
    });
    EXPECT_EQ(TaxFormPrintDateText, QStringLiteral("04/30/2026")) << "the hidden date is left alone";
    const std::vector<PdfWord> words = ReadPdfWords(pdf);
    const ReportLayout layout = shippedLayout(kScheduleBLayout);
    EXPECT_TRUE(ValueInFieldBox(words, layout, QStringLiteral("TaxLibQtr"), QStringLiteral("12345.67")));
    EXPECT_TRUE(ValueInFieldBox(words, layout, QStringLiteral("TaxLibMonth1_5"), QStringLiteral("12345.67")));
    EXPECT_TRUE(ValueInFieldBox(words, layout, QStringLiteral("CompName"), QStringLiteral("DOVER BAKERY & CAFE")));
    EXPECT_TRUE(std::any_of(words.begin(), words.end(), [](const PdfWord& w) { return w.text == QStringLiteral("RECORDS"); }))
        << "the file copy carries its banner";
    EXPECT_FALSE(DataModule().RaveProject.Active()) << "the project is closed after the run";
}

TEST_F(ScheduleBScreenTest, PrintStopsOnAQuarterTotalOffLine12OrNoQuarter)
{
    struct Case {
        const char* what;
        int quarter;
        double line12;
        const char* message;
    };
    for (const Case& c : {Case{"a cent off line 12", 1, 12345.68, "Total liability for the quarter does\rnot equal line 12"},
                          Case{"no quarter", 0, 12345.67, "None of the \"Report for this Quarter\" boxes"}}) {
        owe(12345.67, c.line12);
        CompanyRec.CurrentQuarter = c.quarter;
        bool asked = false;
        ReportSystem::SetOutputOptionsHandler([&asked](const ReportSystem&, OutputChoice&) { return asked = true; });
        run([&](TFrmScheduleB& w) {
            if (c.quarter == 0) {
                for (int q = 1; q <= 4; ++q)
                    EXPECT_FALSE(w.F941CurQtr[q]->checked()) << q;
            }
            messages.expect(IdOk, QString::fromLatin1(c.message));
            QTest::mouseClick(w.BtnPrint, Qt::LeftButton);
            EXPECT_TRUE(messages.allAnswered()) << c.what;
            EXPECT_TRUE(messages.last().text.startsWith(QStringLiteral("Unable to print Schedule B.\r"))) << c.what;
            EXPECT_TRUE(w.isVisible());
            w.done(QDialog::Rejected);
        });
        EXPECT_FALSE(asked) << c.what << ": nothing printed";
    }
}

TEST_F(ScheduleBScreenTest, PrintIsOffWhileAPayrollAwaitsPostingOrNobodyHasQuarterWages)
{
    CompanyRec.PayrollPosted = false;
    run([](TFrmScheduleB& w) {
        EXPECT_FALSE(w.BtnPrint->isEnabled());
        w.done(QDialog::Rejected);
    });
    CompanyRec.PayrollPosted = true;
    for (int n = 1; n <= 2; ++n) {
        readEmployee(n);
        EmployeeRec.GrossWages[kQuarterToDateColumn] = 0;
        module->RSEmployee.PostRec();
    }
    run([](TFrmScheduleB& w) {
        EXPECT_FALSE(w.BtnPrint->isEnabled());
        w.done(QDialog::Rejected);
    });
}

TEST_F(ScheduleBScreenTest, ScrollingKeysAndJumps)
{
    run([](TFrmScheduleB& w) {
        ASSERT_GT(w.ScrollRange(), 0) << "the page is taller than the window";
        QWidget* box = w.TaxLibMonth1[2];
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClick(box, Qt::Key_PageDown, Qt::ShiftModifier);
        EXPECT_EQ(w.ScrollPosition(), 0) << "Shift+Page Down does nothing";
        QTest::keyClick(box, Qt::Key_Down, Qt::AltModifier);
        EXPECT_EQ(w.ScrollPosition(), 0) << "Alt+Down does nothing";
        QTest::keyClick(box, Qt::Key_Down);
        EXPECT_EQ(w.ScrollPosition(), w.ScrollBox->verticalScrollBar()->singleStep());
        QTest::keyClick(box, Qt::Key_PageDown, Qt::ControlModifier);
        EXPECT_EQ(w.ScrollPosition(), w.ScrollRange()) << "Page Down goes to the bottom";
        QTest::keyClick(box, Qt::Key_PageUp);
        EXPECT_EQ(w.ScrollPosition(), 0) << "Page Up goes to the top";
        QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(w.ScrollPosition(), 0) << "Shift+Ctrl+End does nothing";
        EXPECT_EQ(QApplication::focusWidget(), box);
        QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
        EXPECT_EQ(w.ScrollPosition(), w.ScrollRange());
        EXPECT_EQ(QApplication::focusWidget(), w.TaxLibMonth3[31]);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home, Qt::ControlModifier);
        EXPECT_EQ(w.ScrollPosition(), 0);
        EXPECT_EQ(QApplication::focusWidget(), w.TaxLibMonth1[1]);

        // Entering the first day of month 3 shows the bottom, the first of month 1 the top.
        w.TaxLibMonth3[1]->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(w.ScrollPosition(), w.ScrollRange());
        w.TaxLibMonth1[1]->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(w.ScrollPosition(), 0);

        QWheelEvent down(QPointF(50, 50), w.ScrollBox->viewport()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -120),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w.ScrollBox->viewport(), &down);
        EXPECT_EQ(w.ScrollPosition(), w.ScrollBox->verticalScrollBar()->singleStep()) << "a notch scrolls one step";
        w.done(QDialog::Rejected);
    });
}

TEST_F(ScheduleBScreenTest, TheFocusFrameFollowsOnlyItsOwnScreen)
{
    owe(100, 100);
    run([&](TFrmScheduleB& w) {
        w.TaxLibMonth1[3]->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(w.FocusFrame()->framed(), w.TaxLibMonth1[3]);
        QTest::mouseClick(w.CompanyName, Qt::LeftButton);
        EXPECT_EQ(w.FocusFrame()->framed(), w.CompanyName) << "header boxes are framed when clicked";

        // A second screen over this one (as Form 941 opens it) frames its own entries only.
        dialogs.onNextModal([&](QDialog& shown) {
            auto& child = dynamic_cast<TFrmScheduleB&>(shown);
            QApplication::setActiveWindow(&child);
            child.TaxLibMonth2[4]->setFocus(Qt::TabFocusReason);
            EXPECT_EQ(child.FocusFrame()->framed(), child.TaxLibMonth2[4]);
            EXPECT_EQ(w.FocusFrame()->framed(), w.CompanyName);
            child.done(QDialog::Rejected);
        });
        {
            TFrmScheduleB child(&w);
            ShowModal(child);
        }
        QApplication::setActiveWindow(&w);
        w.TaxLibMonth2[7]->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(w.FocusFrame()->framed(), w.TaxLibMonth2[7]) << "the frame follows again";

        // And after a cancelled copy dialog.
        dialogs.onNextModal([](QDialog& copy) { copy.reject(); });
        w.BtnPrint->click();
        QApplication::setActiveWindow(&w);
        w.TaxLibMonth3[8]->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(w.FocusFrame()->framed(), w.TaxLibMonth3[8]);
        w.done(QDialog::Rejected);
    });
}

TEST_F(ScheduleBScreenTest, AFailingPrintRunIsShownAndLeavesTheScreenWorking)
{
    owe(100, 100);
    readEmployee(2);
    const QString employee = EmployeeRec.LastName;
    printTo(tempPath(QStringLiteral("never.pdf")));
    run([&](TFrmScheduleB& w) {
        // The project goes missing while the screen is open.
        ASSERT_TRUE(QFile::remove(ReportProjectFileName()));
        dialogs.onNextModal([](QDialog& copy) { copy.accept(); });
        messages.expect(IdOk, QStringLiteral("The report project cannot be opened."));
        w.BtnPrint->click();
        EXPECT_EQ(messages.last().flags & MbIconStop, MbIconStop);
        EXPECT_FALSE(DataModule().RaveProject.Active());
        EXPECT_EQ(DataModule().RaveProject.Engine, nullptr);
        EXPECT_TRUE(w.isVisible());
        QApplication::setActiveWindow(&w);
        w.TaxLibMonth2[2]->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(w.FocusFrame()->framed(), w.TaxLibMonth2[2]);
        w.done(QDialog::Rejected);
    });
    EXPECT_EQ(EmployeeRec.LastName.get(), employee) << "the current employee stays current";
    EXPECT_FALSE(QFile::exists(tempPath(QStringLiteral("never.pdf"))));
}

TEST_F(ScheduleBScreenTest, HelpShowsTopic33)
{
    QDir().mkpath(programDir() + QStringLiteral("/help"));
    ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/help/33.html"),
                            programDir() + QStringLiteral("/help/33.html")));
    run([&](TFrmScheduleB& w) {
        int shown = 0;
        dialogs.onNextModal([&](QDialog& help) {
            shown = dynamic_cast<TFrmHelp&>(help).CurrentTopic();
            help.reject();
        });
        w.BtnHelp->click();
        EXPECT_EQ(shown, 33);
        EXPECT_EQ(HelpContextOf(&w), 33) << "F1 shows it too";
        w.done(QDialog::Rejected);
    });
}

TEST_F(ScheduleBScreenTest, ABrowseOnlyClientIsShownReadOnlyAndItsCompanyFileStaysAsItWas)
{
    module->RSEmployee.CloseRecSet();
    openClient();
    const QByteArray before = storedCompany();
    TFrmDataModule second;
    FrmDataModule = &second;
    messages.expect(IdOk, QStringLiteral(" is already in use!"));
    ASSERT_TRUE(second.OpenClient(clientPath()));

    messages.expect(IdOk, TSetupScreen::kBrowseOnlyNotice);
    run([&](TFrmScheduleB& w) {
        EXPECT_TRUE(w.TaxLibMonth1[1]->isReadOnly());
        w.TaxLibMonth1[1]->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(w.TaxLibMonth1[1], QStringLiteral("55"));
        w.TaxLibMonth1[2]->setFocus(Qt::TabFocusReason);
        w.BtnCalculate->click();
        EXPECT_TRUE(w.TaxLibMonth1[1]->isReadOnly()) << "Calculate keeps the entries read-only";
        EXPECT_TRUE(w.BtnPrint->isEnabled()) << "printing works";
        w.BtnClose->click();
        EXPECT_FALSE(w.isVisible());
    });
    second.RSEmployee.CloseRecSet();
    FrmDataModule = module.get();
    EXPECT_EQ(storedCompany(), before);
}

} // namespace

namespace {

TEST_F(ScheduleBScreenTest, ShrinksWithTheScalingSetting)
{
    int fullWidth = 0;
    run([&](TFrmScheduleB& w) {
        fullWidth = w.findChild<TLayoutPicture*>(QStringLiteral("ImgScheduleB"))->sizeHint().width();
        w.done(QDialog::Rejected);
    });
    ScalingPercent = 85;
    run([&](TFrmScheduleB& w) {
        const int scaledWidth = w.findChild<TLayoutPicture*>(QStringLiteral("ImgScheduleB"))->sizeHint().width();
        EXPECT_NEAR(scaledWidth, fullWidth * 0.85, 2);
        w.done(QDialog::Rejected);
    });
    ScalingPercent = 100;
}

TEST_F(ScheduleBScreenTest, TheMenuCommandOpensTheScreenOrSaysWhyItCannot)
{
    InstallLaunchers();
    EXPECT_TRUE(HasLauncher(Launch::TFrmScheduleB));
    dialogs.onNextModal([](QDialog& shown) {
        EXPECT_NE(dynamic_cast<TFrmScheduleB*>(&shown), nullptr);
        shown.reject();
    });
    OpenFormScreen<TFrmScheduleB>();

    ASSERT_TRUE(QFile::remove(TTaxFormScreen::PictureFile(kScheduleBLayout, 1)));
    messages.expect(IdOk, QStringLiteral("ScheduleBPg1.jpg"));
    OpenFormScreen<TFrmScheduleB>();
    EXPECT_EQ(messages.last().flags & MbIconStop, MbIconStop);
}

} // namespace

namespace {

TEST_F(ScheduleBScreenTest, TabAndEnterWalkTheDaysInOrderPastTheTotals)
{
    run([](TFrmScheduleB& w) {
        w.TaxLibMonth1[30]->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), w.TaxLibMonth1[31]);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), w.TaxLibMonth2[1]) << "the month total takes no stop";
        w.done(QDialog::Rejected);
    });
}

} // namespace

namespace {

// The frame's instruction documents, as the 941, 944, W-2 and 1095-C screens open them.
class InstructionsScreen : public TFrmScheduleB {
public:
    using TTaxFormScreen::ShowInstructions;
};

TEST_F(ScheduleBScreenTest, InstructionDocumentsOpenThroughTheShellOrAreReportedMissing)
{
    std::vector<QUrl> opened;
    const ShellOpenHook previous = SetShellOpenHook([&opened](const QUrl& target) {
        opened.push_back(target);
        return true;
    });
    InstructionsScreen screen;
    const QString document = programDir() + QStringLiteral("/Inst 941.pdf");

    messages.expect(IdOk, QStringLiteral("The IRS Instructions cannot no be found"));
    screen.ShowInstructions(document, QStringLiteral("The IRS Instructions cannot no be found"));
    EXPECT_EQ(messages.last().flags, MbOk | MbIconStop);
    EXPECT_EQ(messages.last().caption, QStringLiteral("Ledgora 2026"));
    EXPECT_TRUE(opened.empty());

    WriteTestFile(document, QByteArray("%PDF-1.4"));
    screen.ShowInstructions(document, QStringLiteral("The IRS Instructions cannot no be found"));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(document));
    SetShellOpenHook(previous);
}

} // namespace
