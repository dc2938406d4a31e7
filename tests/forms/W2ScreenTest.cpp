#include "FormFixture.h"
#include "tests/client/ValidEmployee.h"

#include "client/PayRecords.h"
#include "client/ui/Launchers.h"
#include "client/ui/PayEmployee.h"
#include "client/ui/ScreenRules.h"
#include "components/ui/CheckBoxEdit.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/RSNavigator.h"
#include "components/ui/StateEdit.h"
#include "components/ui/TabbedListBox.h"
#include "efw2/EFW2Records.h"
#include "forms/ui/FittedLabel.h"
#include "forms/ui/FormW2.h"
#include "forms/ui/IRSBox12Codes.h"
#include "forms/ui/TTOBox14bCodes.h"
#include "forms/ui/W2FormType.h"
#include "platform/AppMessageBox.h"
#include "platform/ui/ShowModal.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// The W-2 screen on the posted first quarter: Lee (record 1) and Diaz (record 2) with wages.
class W2ScreenTest : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        for (int n = 1; n <= 2; ++n) {
            readEmployee(n);
            EmployeeRec.FedEarnings[kYearToDateColumn] = n == 1 ? 3000 : 1800;
            EmployeeRec.SocSecNum = n == 1 ? QStringLiteral("231-45-6789") : QStringLiteral("231-45-6790");
            module->RSEmployee.PostRec();
        }
        readEmployee(1);
    }

    // Opens the screen and hands it to drive, which must leave it closed or let it be rejected.
    void run(const std::function<void(TFrmW2&)>& drive)
    {
        dialogs.onNextModal([drive](QDialog& shown) {
            auto& w = dynamic_cast<TFrmW2&>(shown);
            QApplication::setActiveWindow(&w);
            drive(w);
        });
        OpenW2Screen();
    }

    // Double-clicks a code field and picks the list's row with OK.
    void pickCode(QWidget* field, int row)
    {
        dialogs.onNextModal([row](QDialog& shown) {
            auto& list = dynamic_cast<TCodeListDialog&>(shown);
            list.CodesListBox->setCurrentRow(row);
            list.BtnOk->click();
        });
        QTest::mouseDClick(field, Qt::LeftButton);
        // The screen is the active window again once the list is gone.
        QApplication::setActiveWindow(field->window());
    }

    static void typeAmount(TDollarEdit* box, const QString& keys)
    {
        box->setFocus(Qt::TabFocusReason);
        box->selectAll();
        QTest::keyClicks(box, keys);
    }

    // Alt+N in the entry that has the focus, as the user moves to the next employee.
    static void next(TFrmW2& w)
    {
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused && focused->window() == &w ? focused : w.FW2CtrlNum, Qt::Key_N, Qt::AltModifier);
    }
};

TEST_F(W2ScreenTest, ShowsTheEmployeeOverTheFormAndPrintAllOnceEveryoneWasShown)
{
    run([&](TFrmW2& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Form W-2 Wage and Tax Statement 2026"));
        EXPECT_EQ(w.LblNotFinal->text(), QStringLiteral("NOT FINAL — DRAFT AS OF  12/15/2025"));
        EXPECT_EQ(w.SocSecNum->text(), QStringLiteral("231-45-6789"));
        EXPECT_EQ(w.FederalID->text(), QStringLiteral("12-3456789"));
        EXPECT_EQ(w.CompName->text(), QStringLiteral("Dover Bakery & Cafe"));
        EXPECT_FALSE(w.CompTradeName->isVisible());
        EXPECT_EQ(w.EmpLastName->text(), QStringLiteral("Lee"));
        EXPECT_EQ(w.FedEarnings->text(), QStringLiteral("3,000.00"));
        EXPECT_TRUE(w.BtnPrintOne->isEnabled());
        EXPECT_FALSE(w.BtnPrintAll->isEnabled());
        screenshot(w, QStringLiteral("FormW2.png"));
        next(w);
        EXPECT_EQ(w.EmpLastName->text(), QStringLiteral("Diaz"));
        EXPECT_TRUE(w.BtnPrintAll->isEnabled());
        w.BtnClose->click();
        EXPECT_FALSE(w.isVisible());
    });
    EXPECT_EQ(W2W3VisitCount, 1);
}

TEST_F(W2ScreenTest, TabWalksTheEntriesInTheFormsOrder)
{
    run([&](TFrmW2& w) {
        QList<QWidget*> expected = {w.FW2CtrlNum};
        for (int entry = 1; entry <= 12; ++entry)
            expected << w.FW2Box12Code[entry] << w.FW2Box12Amt[entry];
        expected << w.FW2Box13Chk1 << w.FW2Box13Chk2 << w.FW2Box13Chk3;
        for (int line = 1; line <= 3; ++line)
            expected << w.FW2Box14Desc[line] << w.FW2Box14Amt[line];
        expected << w.FW2Box14bTTOC << w.FW2Box15Text << w.FW2StateID2 << w.FW2Box16Amt << w.FW2Box17Amt << w.FW2Box18Amt
                 << w.FW2Box19Amt << w.FW2Box20Text;
        QList<QWidget*> walked;
        QWidget* at = w.FW2CtrlNum;
        do {
            if ((at->focusPolicy() & Qt::TabFocus) && at->isVisibleTo(&w) && at->isEnabled() && !walked.contains(at))
                walked << at;
            at = at->nextInFocusChain();
        } while (at != w.FW2CtrlNum);
        const auto names = [](const QList<QWidget*>& widgets) {
            QStringList list;
            for (const QWidget* widget : widgets)
                list << widget->objectName();
            return list;
        };
        EXPECT_EQ(names(walked).join(QLatin1Char(' ')).toStdString(), names(expected).join(QLatin1Char(' ')).toStdString());
        w.done(QDialog::Rejected);
    });
}

TEST_F(W2ScreenTest, CtrlHomeAndCtrlEndJumpToTheFirstAndLastEntry)
{
    run([&](TFrmW2& w) {
        w.FW2Box14Desc[2]->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w.FW2Box14Desc[2], Qt::Key_End, Qt::ControlModifier);
        EXPECT_EQ(QApplication::focusWidget(), w.FW2Box20Text);
        QTest::keyClick(w.FW2Box20Text, Qt::Key_Home, Qt::ControlModifier);
        EXPECT_EQ(QApplication::focusWidget(), w.FW2CtrlNum);
        QTest::keyClick(w.FW2CtrlNum, Qt::Key_End, Qt::ShiftModifier | Qt::ControlModifier);
        EXPECT_EQ(QApplication::focusWidget(), w.FW2CtrlNum);
        w.done(QDialog::Rejected);
    });
}

TEST_F(W2ScreenTest, ClosingBeforeEveryoneWasShownKeepsTheVisitCount)
{
    W2W3VisitCount = 1;
    run([&](TFrmW2& w) { w.BtnClose->click(); });
    EXPECT_EQ(W2W3VisitCount, 1);
    run([&](TFrmW2& w) {
        next(w);
        w.BtnClose->click();
    });
    EXPECT_EQ(W2W3VisitCount, 2);
}

TEST_F(W2ScreenTest, AnEmployeeWithoutWagesCanBeLeftButNotPrintedAlone)
{
    readEmployee(1);
    EmployeeRec.FedEarnings[kYearToDateColumn] = -50;
    module->RSEmployee.PostRec();
    run([&](TFrmW2& w) {
        messages.expect(IdOk, QStringLiteral("Box 1 on Form W-2 must have a value greater than zero"));
        w.BtnPrintOne->click();
        EXPECT_TRUE(messages.allAnswered());
        EXPECT_EQ(QApplication::focusWidget(), w.FedEarnings);
        next(w);
        EXPECT_EQ(w.EmpLastName->text(), QStringLiteral("Diaz"));
        w.BtnClose->click();
        EXPECT_FALSE(w.isVisible());
    });
}

TEST_F(W2ScreenTest, EntriesAreCheckedAndPostedWhenTheScreenMovesOn)
{
    run([&](TFrmW2& w) {
        // An amount without its code stops the move.
        typeAmount(w.FW2Box12Amt[3], QStringLiteral("25"));
        messages.expect(IdOk, QStringLiteral("Box 12c code is missing."));
        next(w);
        EXPECT_TRUE(messages.allAnswered());
        EXPECT_EQ(w.EmpLastName->text(), QStringLiteral("Lee"));
        EXPECT_EQ(QApplication::focusWidget(), w.FW2Box12Code[3]);

        // Tips need the tipped occupation code.
        pickCode(w.FW2Box12Code[3], 31);
        EXPECT_EQ(w.FW2Box12Code[3]->text(), QStringLiteral("TP"));
        messages.expect(IdOk, QStringLiteral("Box 14b requires an entry when the employee has tip income"));
        next(w);
        EXPECT_EQ(w.EmpLastName->text(), QStringLiteral("Lee"));
        EXPECT_EQ(QApplication::focusWidget(), w.FW2Box14bTTOC);

        // OK on a heading keeps the list open; a code closes it.
        dialogs.onNextModal([&](QDialog& shown) {
            auto& list = dynamic_cast<TCodeListDialog&>(shown);
            list.CodesListBox->setCurrentRow(29);
            list.BtnOk->click();
            EXPECT_TRUE(list.isVisible());
            screenshot(list, QStringLiteral("TTOBox14bCodes.png"));
            list.CodesListBox->setCurrentRow(2);
            list.BtnOk->click();
        });
        QTest::mouseDClick(w.FW2Box14bTTOC, Qt::LeftButton);
        QApplication::setActiveWindow(&w);
        EXPECT_EQ(w.FW2Box14bTTOC->text(), QStringLiteral("101"));
        QTest::keyClicks(w.FW2Box14bTTOC, QStringLiteral("9"));
        EXPECT_EQ(w.FW2Box14bTTOC->text(), QStringLiteral("101")) << "only the list fills box 14b";

        w.FW2Box15Text->setCurrentIndex(-1);
        w.FW2StateID2->setText(QStringLiteral("123-456-7890 12"));
        next(w);
        EXPECT_EQ(w.EmpLastName->text(), QStringLiteral("Diaz"));
        w.BtnClose->click();
    });
    readEmployee(1);
    EXPECT_EQ(EmployeeRec.FW2Box12Code[3].get(), QStringLiteral("TP"));
    EXPECT_DOUBLE_EQ(EmployeeRec.FW2Box12Amt[3], 25);
    EXPECT_EQ(EmployeeRec.FW2Box14bTTOC.get(), QStringLiteral("101"));
    EXPECT_EQ(EmployeeRec.FW2Box15Text.get(), QString());
    EXPECT_EQ(EmployeeRec.FW2StateID2.get(), QStringLiteral("123-456-789"));
}

// All third-party sick pay taxable: posting stores no code J at 0.00, removes the one an earlier
// posting left, and the screen moves on without asking for its amount.
TEST_F(W2ScreenTest, AllSickPayTaxableLeavesNoCodeJAndTheScreenMovesFreely)
{
    readEmployee(1);
    EmployeeRec.TPSPGross[kYearToDateColumn] = 400;
    EmployeeRec.TPSPTaxable[kYearToDateColumn] = 400;
    EmployeeRec.FW2Box12Code[1] = QStringLiteral("J");
    EmployeeRec.FW2Box12Amt[1] = 0;
    module->RSEmployee.PostRec();
    const QString date = QStringLiteral("03/20/2026");
    openPeriod(date, date, date, 1);
    PostPayroll();
    readEmployee(1);
    for (int entry = 1; entry <= 12; ++entry)
        EXPECT_TRUE(IsBlank(EmployeeRec.FW2Box12Code[entry].get())) << "entry " << entry;
    EXPECT_TRUE(EmployeeRec.FW2Box13Chk3);

    run([&](TFrmW2& w) {
        EXPECT_EQ(w.EmpLastName->text(), QStringLiteral("Lee"));
        EXPECT_TRUE(w.FW2Box12Code[1]->text().trimmed().isEmpty());
        next(w);
        EXPECT_EQ(w.EmpLastName->text(), QStringLiteral("Diaz"));
        w.BtnClose->click();
    });
}

TEST_F(W2ScreenTest, PrintOnePrintsTheShownEmployeesCopiesWithoutAskingForACopy)
{
    printTo(tempPath(QStringLiteral("one.pdf")));
    run([&](TFrmW2& w) {
        next(w);
        w.FW2CtrlNum->setText(QStringLiteral("A-17"));
        w.BtnPrintOne->click();
        w.BtnClose->click();
    });
    QStringList texts;
    int pages = 0;
    for (const PdfWord& word : ReadPdfWords(tempPath(QStringLiteral("one.pdf")))) {
        texts << word.text;
        pages = std::max(pages, word.page);
    }
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(texts.count(QStringLiteral("1,800.00")), 4) << "box 1 on Copies B, C and 2";
    EXPECT_EQ(texts.count(QStringLiteral("3,000.00")), 0);
    EXPECT_EQ(texts.count(QStringLiteral("***-**-6790")), 4) << "masked";
    EXPECT_EQ(texts.count(QStringLiteral("A-17")), 4) << "what Print One saved is printed";
    readEmployee(2);
    EXPECT_EQ(EmployeeRec.FW2CtrlNum.get(), QStringLiteral("A-17"));
}

TEST_F(W2ScreenTest, ABlankCompanyEINStopsPrintOneAndPrintAll)
{
    CompanyRec.FederalID = QString();
    module->RSCompany.PostRec();
    const QString pdf = tempPath(QStringLiteral("none.pdf"));
    printTo(pdf);
    run([&](TFrmW2& w) {
        for (QPushButton* print : {w.BtnPrintOne, w.BtnPrintAll}) {
            if (!print->isEnabled())
                next(w);
            messages.expect(IdOk, QStringLiteral("Form W-2 cannot be made without the company's Employer Identification Number"));
            print->click();
            EXPECT_TRUE(messages.allAnswered());
            EXPECT_TRUE(messages.last().text.contains(QStringLiteral("(File > Company)")));
        }
        w.BtnClose->click();
    });
    EXPECT_FALSE(QFile::exists(pdf));
}

// What the employee screen takes in goes unchanged to the W-2, in capitals accents included, and
// to the SSA's file as its name rules allow: hyphens and apostrophes kept, accents dropped.
TEST_F(W2ScreenTest, NamesKeepTheirHyphensApostrophesAndAccentsFromTheEmployeeScreenOn)
{
    readEmployee(1);
    FillValidEmployee(EmployeeRec, QStringLiteral("Lee"), QStringLiteral("231-45-6789"));
    module->RSEmployee.PostRec();
    {
        TFrmEmployee screen;
        screen.show();
        QApplication::setActiveWindow(&screen);
        // Key by key as the keyboard sends them, accented letters too.
        const auto type = [](TFilterEdit* entry, const QString& keys) {
            entry->setFocus(Qt::TabFocusReason);
            entry->selectAll();
            for (const QChar c : keys) {
                const int key = c.unicode() < 0x80 ? int(QChar(c).toUpper().unicode()) : int(Qt::Key_unknown);
                QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
                QApplication::sendEvent(entry, &press);
            }
        };
        type(screen.FirstName, QString::fromUtf8("François"));
        type(screen.MiddleName, QString::fromUtf8("Zoë"));
        type(screen.LastName, QStringLiteral("Chen-Smith O'Neil"));
        type(screen.Suffix, QStringLiteral("jr."));
        EXPECT_EQ(screen.LastName->text(), QStringLiteral("Chen-Smith O'Neil"));
        EXPECT_EQ(screen.Suffix->text(), QStringLiteral("JR."));
        screen.BtnClose->click();
        EXPECT_FALSE(screen.isVisible());
    }
    readEmployee(1);
    EXPECT_EQ(EmployeeRec.LastName.get(), QStringLiteral("Chen-Smith O'Neil"));
    EXPECT_EQ(EmployeeRec.FirstName.get(), QString::fromUtf8("François"));

    const QString pdf = tempPath(QStringLiteral("names.pdf"));
    printTo(pdf);
    run([&](TFrmW2& w) {
        w.BtnPrintOne->click();
        w.BtnClose->click();
    });
    QStringList words;
    for (const PdfWord& word : ReadPdfWords(pdf))
        words << word.text;
    EXPECT_EQ(words.count(QString::fromUtf8("FRANÇOIS")), 4) << words.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(words.count(QStringLiteral("CHEN-SMITH")), 4) << "Copies B, C and 2 twice";
    EXPECT_EQ(words.count(QStringLiteral("O'NEIL")), 4);
    EXPECT_EQ(words.count(QStringLiteral("JR.")), 4);
    if (const QString folder = qEnvironmentVariable("LEDGORA_SCREENSHOT_DIR"); !folder.isEmpty())
        QFile::copy(pdf, folder + QStringLiteral("/W2Names.pdf"));

    readEmployee(1);
    const QByteArray rw = EmployeeLine(EmployeeRec, EmployeeAmounts(EmployeeRec, false));
    EXPECT_EQ(rw.mid(11, 15), QByteArray("FRANCOIS       "));
    EXPECT_EQ(rw.mid(26, 15), QByteArray("ZOE            "));
    EXPECT_EQ(rw.mid(41, 20), QByteArray("CHEN-SMITH O'NEIL   "));
    EXPECT_EQ(rw.mid(61, 4), QByteArray("JR. "));
}

TEST_F(W2ScreenTest, PrintAllAsksForTheCopyAndCancelPrintsNothing)
{
    bool printed = false;
    ReportSystem::SetOutputOptionsHandler([&printed](const ReportSystem&, OutputChoice&) { return printed = true; });
    W2CopyType = 0;
    run([&](TFrmW2& w) {
        next(w);
        dialogs.onNextModal([&](QDialog& shown) {
            auto& dialog = dynamic_cast<TFrmFormType&>(shown);
            screenshot(dialog, QStringLiteral("FormW2Type.png"));
            dialog.RbState->setChecked(true);
            dialog.BtnCancel->click();
        });
        w.BtnPrintAll->click();
        w.BtnClose->click();
    });
    EXPECT_FALSE(printed);
    EXPECT_EQ(W2CopyType, 2);
}

TEST_F(W2ScreenTest, PrintAllPrintsTheChosenCopy)
{
    printTo(tempPath(QStringLiteral("copyd.pdf")));
    run([&](TFrmW2& w) {
        next(w);
        dialogs.onNextModal([&](QDialog& shown) {
            auto& dialog = dynamic_cast<TFrmFormType&>(shown);
            dialog.RbEmployer->setChecked(true);
            dialog.BtnOk->click();
        });
        w.BtnPrintAll->click();
        EXPECT_EQ(w.RptW2D1.TitlePreview, QStringLiteral("Employer Form W-2 Preview"));
        EXPECT_EQ(w.RptSSAW2.SystemSetups, ssAllowDestPreview | ssAllowPreviewSetup) << "Copy A is a preview only";
        EXPECT_EQ(w.EmpLastName->text(), QStringLiteral("Diaz")) << "the shown employee stays current";
        w.BtnClose->click();
    });
    const std::vector<PdfWord> words = ReadPdfWords(tempPath(QStringLiteral("copyd.pdf")));
    QStringList texts;
    for (const PdfWord& word : words)
        texts << word.text;
    EXPECT_TRUE(texts.contains(QStringLiteral("3,000.00")));
    EXPECT_TRUE(texts.contains(QStringLiteral("1,800.00")));
    EXPECT_EQ(texts.count(QStringLiteral("VOID")), 2);
}

TEST_F(W2ScreenTest, ABrowseOnlyClientNeitherChecksNorPosts)
{
    readEmployee(1);
    EmployeeRec.FW2Box12Amt[2] = 10;   // a code is missing: moving on would stop a client that saves
    module->RSEmployee.PostRec();
    module->RSEmployee.CloseRecSet();
    openClient();
    const QByteArray before = ReadTestFile(clientPath());
    TFrmDataModule second;
    FrmDataModule = &second;
    messages.expect(IdOk, QStringLiteral(" is already in use!"));
    ASSERT_TRUE(second.OpenClient(clientPath()));

    messages.expect(IdOk, TSetupScreen::kBrowseOnlyNotice);
    run([&](TFrmW2& w) {
        EXPECT_TRUE(w.FW2CtrlNum->isReadOnly());
        w.FW2CtrlNum->setText(QStringLiteral("CHANGED"));
        next(w);
        EXPECT_EQ(w.EmpLastName->text(), QStringLiteral("Diaz"));
        w.BtnClose->click();
        EXPECT_FALSE(w.isVisible());
    });
    second.RSEmployee.CloseRecSet();
    FrmDataModule = module.get();
    EXPECT_EQ(ReadTestFile(clientPath()), before);
}

} // namespace

namespace {

class W2ScreenOpeningTest : public ClientTest {};

TEST_F(W2ScreenOpeningTest, WithoutEmployeeRecordsTheScreenSaysSoAndOpensNothing)
{
    // A client whose employee file holds no record (its reading would fail on the screen).
    FileIsOpen = true;
    ASSERT_EQ(GetEmployeeCount(), 0);
    messages.expect(IdOk, QStringLiteral("There are no employee records."));
    OpenW2Screen();
    EXPECT_TRUE(messages.allAnswered());
    EXPECT_TRUE(dialogs.allUsed());
}

TEST_F(W2ScreenOpeningTest, TheTaxFormsMenuOpensTheW2Screen)
{
    InstallLaunchers();
    EXPECT_TRUE(HasLauncher(Launch::TFrmW2));
}

} // namespace
