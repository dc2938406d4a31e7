#include "FormFixture.h"

#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "client/ui/PayEmployee.h"
#include "client/ui/ScreenRules.h"
#include "components/PrinterSetup.h"
#include "components/ui/CheckBoxEdit.h"
#include "components/ui/DateEdit.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/RSNavigator.h"
#include "forms/ui/Form1095C.h"
#include "forms/ui/FormLaunchers.h"
#include "platform/AppMessageBox.h"
#include "platform/ShellOpen.h"
#include "platform/report/ReportSystem.h"
#include "platform/ui/ShowModal.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QToolButton>

namespace {

// The posted client with a third employee, every one of them with a complete Form 1095-C: age,
// plan start month and an offer of coverage for all 12 months.
class Form1095CScreenTest : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        addEmployee(QStringLiteral("Young"), QStringLiteral("Kim"), QStringLiteral("Ann"), QStringLiteral("JR"));
        const char* ssns[] = {"123-45-6781", "123-45-6782", "123-45-6783"};
        for (int n = 1; n <= 3; ++n) {
            readEmployee(n);
            EmployeeRecord& e = EmployeeRec;
            e.SocSecNum = QString::fromLatin1(ssns[n - 1]);
            e.EmployeeAge = 30 + n;
            e.F1095CPSM = QStringLiteral("01");
            e.F1095CBox14[0] = QStringLiteral("1E");
            e.F1095CBox15[0] = 95.5;
            e.F1095CBox16[0] = QStringLiteral("2C");
            module->RSEmployee.PostRec();
        }
        readEmployee(1);
    }

    // Opens the screen on the current employee and hands it to drive, which must close it.
    void run(const std::function<void(TFrm1095C&)>& drive)
    {
        dialogs.onNextModal([drive](QDialog& shown) {
            auto& w = dynamic_cast<TFrm1095C&>(shown);
            QApplication::setActiveWindow(&w);
            drive(w);
        });
        TFrm1095C screen;
        ShowModal(screen);
    }

    // Clicks a navigator button, as the user moves to another employee.
    static void move(TFrm1095C& w, TNavigationButtons button) { w.RSNavigator->Button(button)->click(); }

    // Runs a print button's work and keeps the pages the preview was given.
    std::shared_ptr<const ReportDocument> printed(const std::function<void()>& print, ReportSystem& report)
    {
        bool previewed = false;
        dialogs.onNextModal([&previewed](QDialog& preview) {
            previewed = true;
            preview.reject();
        });
        print();
        EXPECT_TRUE(previewed) << "the form goes to the preview";
        return report.Document();
    }

    // The texts of a page.
    // Keeps a copy of a printed PDF in LEDGORA_SCREENSHOT_DIR when set, to be looked at.
    static void keepPdf(const QString& pdf)
    {
        const QString folder = qEnvironmentVariable("LEDGORA_SCREENSHOT_DIR");
        if (!folder.isEmpty()) {
            QFile::remove(QDir(folder).filePath(QFileInfo(pdf).fileName()));
            QFile::copy(pdf, QDir(folder).filePath(QFileInfo(pdf).fileName()));
        }
    }

    static QStringList pageTexts(const ReportPage& page)
    {
        QStringList texts;
        for (const DrawOp& op : page.ops)
            if (op.kind == DrawOp::Kind::Text)
                texts << op.text;
        return texts;
    }

    EmployeeRecord storedEmployee(int n)
    {
        EmployeeRecord e;
        const QByteArray bytes = ReadTestFile(clientPath());
        std::memcpy(&e, bytes.constData() + (n - 1) * static_cast<qsizetype>(sizeof e), sizeof e);
        return e;
    }
};

TEST_F(Form1095CScreenTest, OpensOnTheCurrentEmployeeUnapproved)
{
    CompanyRec.SuiteNum = QStringLiteral("2");
    module->RSCompany.PostRec();
    readEmployee(3);
    run([&](TFrm1095C& w) {
        screenshot(w, QStringLiteral("Form1095C.png"));
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Form 1095-C Employer-Provided Health Insurance Offer and Coverage 2026"));
        EXPECT_EQ(w.EmpFirstName->text(), QStringLiteral("Kim"));
        EXPECT_EQ(w.EmpLastName->text(), QStringLiteral("Young JR"));
        EXPECT_EQ(w.F1095CBoxaLN[1]->text(), QStringLiteral("Young JR")) << "row 1 is the employee";
        EXPECT_EQ(w.EmployeeAge->text(), QStringLiteral("33"));
        EXPECT_EQ(w.CompName->text(), QStringLiteral("Dover Bakery & Cafe"));
        EXPECT_EQ(w.CompAddress->text(), QStringLiteral("5 Loockerman St suite 2"));
        EXPECT_EQ(w.F1095CBox14[0]->text(), QStringLiteral("1E"));
        EXPECT_FALSE(w.F1095CBox14[1]->isEnabled()) << "an all-year code switches the months off";
        EXPECT_TRUE(w.LblNotApproved->isVisible());
        EXPECT_EQ(w.LblNotApproved->text(), QStringLiteral("NOT APPROVED BY I.R.S. — DO NOT FILE"));
        EXPECT_TRUE(w.StaticText1->isVisible());
        EXPECT_FALSE(w.BtnPrintOne->isEnabled());
        EXPECT_FALSE(w.BtnPrintInst->isEnabled());
        EXPECT_FALSE(w.BtnPrintAll->isEnabled());
        EXPECT_TRUE(w.ChkMaskSSN->isChecked());
        EXPECT_EQ(QApplication::focusWidget(), w.F1095CPSM);
        EXPECT_TRUE(w.StaticText2->isVisible()) << "the plan start month's hint shows while it has the focus";
        w.F1095CBox14[0]->setFocus(Qt::TabFocusReason);
        EXPECT_FALSE(w.StaticText2->isVisible());
        EXPECT_EQ(w.Rpt1095C.SystemSetups, ssAllowDestPreview | ssAllowPreviewSetup);
        w.BtnClose->click();
    });
}

TEST_F(Form1095CScreenTest, AClientWithoutEmployeesSaysSoAndOpensNothing)
{
    // A client whose employee file holds no record.
    module->RSEmployee.CloseRecSet();
    FileIsOpen = true;
    ASSERT_EQ(GetEmployeeCount(), 0);
    // A screen that opened would be an unexpected modal window.
    messages.expect(IdOk, QStringLiteral("There are no employee records."));
    Open1095CScreen();
    EXPECT_TRUE(messages.allAnswered());
    EXPECT_EQ(messages.last().flags & MbIconInformation, MbIconInformation);
}

TEST_F(Form1095CScreenTest, TheAllYearCodeSwitchesTheMonthColumns)
{
    readEmployee(2);
    EmployeeRec.F1095CBox14[0] = QString();
    EmployeeRec.F1095CBox15[0] = 0;
    EmployeeRec.F1095CBox14[3] = QStringLiteral("1H");
    module->RSEmployee.PostRec();
    run([](TFrm1095C& w) {
        EXPECT_TRUE(w.F1095CBox14[3]->isEnabled());
        w.F1095CBox14[0]->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(w.F1095CBox14[0], QStringLiteral("1"));
        EXPECT_TRUE(w.F1095CBox14[3]->isEnabled()) << "one character is no code yet";
        QTest::keyClicks(w.F1095CBox14[0], QStringLiteral("h"));
        EXPECT_EQ(w.F1095CBox14[0]->text(), QStringLiteral("1H"));
        for (int c = 1; c <= 12; ++c) {
            EXPECT_FALSE(w.F1095CBox14[c]->isEnabled()) << c;
            EXPECT_FALSE(w.F1095CBox15[c]->isEnabled()) << c;
            EXPECT_FALSE(w.F1095CBox16[c]->isEnabled()) << c;
            EXPECT_FALSE(w.F1095CBox17[c]->isEnabled()) << c;
        }
        EXPECT_TRUE(w.F1095CBox14[3]->text().isEmpty()) << "the month's code went with its column";
        QTest::keyClick(w.F1095CBox14[0], Qt::Key_Backspace);
        EXPECT_TRUE(w.F1095CBox14[3]->isEnabled());
        EXPECT_TRUE(w.F1095CBox14[3]->text().isEmpty());
        w.BtnClose->click();
    });
}

TEST_F(Form1095CScreenTest, TheTwelfthMonthBecomesTheAllYearBox)
{
    run([](TFrm1095C& w) {
        for (int m = 1; m <= 11; ++m)
            QTest::mouseClick(w.F1095CBoxe[2][m], Qt::LeftButton);
        EXPECT_FALSE(w.F1095CBoxd[2]->checked());
        QTest::mouseClick(w.F1095CBoxe[2][12], Qt::LeftButton);
        EXPECT_TRUE(w.F1095CBoxd[2]->checked());
        for (int m = 1; m <= 12; ++m) {
            EXPECT_FALSE(w.F1095CBoxe[2][m]->checked()) << m;
            EXPECT_FALSE(w.F1095CBoxe[2][m]->isEnabled()) << m;
        }
        EXPECT_EQ(QApplication::focusWidget(), w.F1095CBoxd[2]);
        QTest::mouseClick(w.F1095CBoxd[2], Qt::LeftButton);
        for (int m = 1; m <= 12; ++m) {
            EXPECT_TRUE(w.F1095CBoxe[2][m]->isEnabled()) << m;
            EXPECT_FALSE(w.F1095CBoxe[2][m]->checked()) << m;
        }
        w.BtnClose->click();
    });
}

// What moving to the next employee does with what the first one's form holds.
TEST_F(Form1095CScreenTest, LeavingAnEmployeeDropsChecksAndPosts)
{
    struct Case {
        const char* what;
        const char* code;
        double amount;
        const char* zip;
        const char* psm;
        const char* message;   // empty: the move succeeds
        const char* focus = "";   // the entry the failure focuses
    };
    const Case cases[] = {
        {"1A drops its amount", "1A", 120.0, "", "01", ""},
        {"1B needs an amount", "1B", 0, "", "01", "Line 15 requires an amount if Code on Line 14 is 1B", "F1095CBox15_0"},
        {"1L with a short ZIP", "1L", 80.0, "1234", "01", "Zip Code is invalid", "F1095CBox17_0"},
        {"1E drops a ZIP", "1E", 80.0, "1234", "01", ""},
        {"plan start month 00", "1E", 80.0, "", "00", ""},
        {"plan start month 13", "1E", 80.0, "", "13", "Plan Start Month must be a 2-digit number between 00 and 12",
         "F1095CPSM"},
        {"plan start month 5", "1E", 80.0, "", "5", "Plan Start Month must be a 2-digit number", "F1095CPSM"},
    };
    for (const Case& c : cases) {
        readEmployee(1);
        run([&](TFrm1095C& w) {
            w.F1095CPSM->setText(QString::fromLatin1(c.psm));
            w.F1095CBox14[0]->setText(QString::fromLatin1(c.code));
            w.F1095CBox15[0]->setValue(c.amount);
            w.F1095CBox17[0]->setText(QString::fromLatin1(c.zip));
            const bool fails = std::strlen(c.message) > 0;
            if (fails)
                messages.expect(IdOk, QString::fromLatin1(c.message));
            move(w, nbNext);
            EXPECT_TRUE(messages.allAnswered()) << c.what;
            if (fails) {
                EXPECT_EQ(module->RSEmployee.CurrentRecord(), 1) << c.what << ": the form stays shown";
                ASSERT_NE(QApplication::focusWidget(), nullptr) << c.what;
                EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromLatin1(c.focus)) << c.what;
                EXPECT_EQ(w.F1095CBox17[0]->text(), QString::fromLatin1(c.zip)) << c.what << ": kept as typed";
            } else {
                EXPECT_EQ(module->RSEmployee.CurrentRecord(), 2) << c.what;
                const EmployeeRecord stored = storedEmployee(1);
                EXPECT_EQ(stored.F1095CPSM.get(), QString::fromLatin1(c.psm)) << c.what << ": posted";
                EXPECT_EQ(stored.F1095CBox15[0], std::strcmp(c.code, "1A") == 0 ? 0.0 : c.amount) << c.what;
                EXPECT_TRUE(stored.F1095CBox17[0].get().isEmpty()) << c.what;
            }
            w.BtnClose->click();
        });
    }
}

TEST_F(Form1095CScreenTest, AFailureInRowFiveBringsTheRowIntoView)
{
    readEmployee(1);
    EmployeeRec.F1095CCovInd = true;
    EmployeeRec.F1095CBoxaFN[5] = QStringLiteral("Ana");
    module->RSEmployee.PostRec();
    run([&](TFrm1095C& w) {
        w.ScrollTo(0);
        messages.expect(IdOk, QStringLiteral("Last name of covered individual is missing"));
        move(w, nbNext);
        EXPECT_TRUE(messages.allAnswered());
        EXPECT_EQ(QApplication::focusWidget(), w.F1095CBoxaLN[5]);
        const QRect shown = w.ScrollBox->viewport()->rect();
        const QRect row(w.F1095CBoxaLN[5]->mapTo(w.ScrollBox->viewport(), QPoint(0, 0)), w.F1095CBoxaLN[5]->size());
        EXPECT_TRUE(shown.contains(row)) << "the row is in view";
        w.BtnClose->click();
    });
    EXPECT_EQ(storedEmployee(1).F1095CBoxaFN[5].get(), QStringLiteral("Ana")) << "closing stores the form unchecked";
}

TEST_F(Form1095CScreenTest, PrintAllOnlyOnceEveryEmployeeWasShown)
{
    run([&](TFrm1095C& w) {
        // The print buttons of an approved form: the rule is the same.
        w.BtnPrintOne->setEnabled(true);
        w.UpdatePrintAll();
        EXPECT_FALSE(w.BtnPrintAll->isEnabled());
        move(w, nbNext);
        EXPECT_FALSE(w.BtnPrintAll->isEnabled());
        QTest::keyClick(w.F1095CPSM, Qt::Key_L, Qt::AltModifier);
        EXPECT_EQ(module->RSEmployee.CurrentRecord(), 3) << "Alt+L is the navigator's Last";
        EXPECT_TRUE(w.BtnPrintAll->isEnabled());
        EXPECT_EQ(w.F1095CChecked(), std::vector<bool>({true, true, true}));
        w.BtnPrintOne->setEnabled(false);
        w.UpdatePrintAll();
        EXPECT_FALSE(w.BtnPrintAll->isEnabled()) << "never without Print One";
        w.BtnClose->click();
    });
}

TEST_F(Form1095CScreenTest, PrintAllGivesALandscapePagePerEmployee)
{
    readEmployee(1);
    EmployeeRec.F1095CCovInd = true;
    EmployeeRec.F1095CBoxaFN[2] = QStringLiteral("Leo");
    EmployeeRec.F1095CBoxaLN[2] = QStringLiteral("Lee");
    EmployeeRec.F1095CBoxc[2] = QStringLiteral("03/14/2015");
    EmployeeRec.F1095CBoxd[2] = true;
    module->RSEmployee.PostRec();
    readEmployee(2);
    run([&](TFrm1095C& w) {
        const auto document = printed([&] { w.BtnPrintAllClick(); }, w.Rpt1095C);
        ASSERT_TRUE(document);
        ASSERT_EQ(document->pages.size(), 3u);
        EXPECT_EQ(static_cast<int>(document->pages.size()), GetEmployeeCount())
            << "one form per employee record, the number Form 1094-C line 18 reports";
        for (const ReportPage& page : document->pages)
            EXPECT_EQ(page.orientation(), PageOrientation::Landscape);
        const QStringList first = pageTexts(document->pages[0]);
        EXPECT_TRUE(first.contains(QStringLiteral("LEO")));
        EXPECT_TRUE(first.contains(QStringLiteral("**/**/2015"))) << "dates of birth are masked";
        EXPECT_TRUE(first.contains(QStringLiteral("***-**-6781"))) << "numbers are masked";
        for (int p : {1, 2}) {
            const QStringList texts = pageTexts(document->pages[static_cast<std::size_t>(p)]);
            EXPECT_FALSE(texts.contains(QStringLiteral("LEO"))) << "page " << p + 1;
            EXPECT_FALSE(texts.contains(QStringLiteral("**/**/2015"))) << "page " << p + 1;
        }
        EXPECT_EQ(module->RSEmployee.CurrentRecord(), 2) << "the employee shown stays current";
        EXPECT_EQ(EmployeeRec.LastName.get(), QStringLiteral("Diaz"));
        EXPECT_FALSE(DataModule().RaveProject.Active());
        w.BtnClose->click();
    });
}

TEST_F(Form1095CScreenTest, TheFilledFormOnPaper)
{
    EmployeeRec.F1095CCovInd = true;
    EmployeeRec.F1095CBoxaFN[2] = QStringLiteral("Leo");
    EmployeeRec.F1095CBoxaMI[2] = QStringLiteral("B");
    EmployeeRec.F1095CBoxaLN[2] = QStringLiteral("Lee");
    EmployeeRec.F1095CBoxc[2] = QStringLiteral("03/14/2015");
    for (int m = 1; m <= 6; ++m)
        EmployeeRec.F1095CBoxe[2][m] = true;
    EmployeeRec.F1095CBoxd[1] = true;
    module->RSEmployee.PostRec();
    run([&](TFrm1095C& w) {
        w.ChkMaskSSN->setChecked(false);
        const auto document = printed([&] { w.BtnPrintOneClick(); }, w.Rpt1095C);
        ASSERT_TRUE(document);
        ASSERT_EQ(document->pages.size(), 1u);
        const QString pdf = tempPath(QStringLiteral("Form1095C.pdf"));
        WriteReportFile(*document, pdf);
        keepPdf(pdf);
        const std::vector<PdfWord> words = ReadPdfWords(pdf);
        const ReportLayout layout = shippedLayout(QStringLiteral("Form1095C"));
        EXPECT_TRUE(ValueInFieldBox(words, layout, QStringLiteral("Box1a"), QStringLiteral("PAT")));
        EXPECT_TRUE(ValueInFieldBox(words, layout, QStringLiteral("Box1c"), QStringLiteral("LEE")));
        EXPECT_TRUE(ValueInFieldBox(words, layout, QStringLiteral("Box2"), QStringLiteral("123-45-6781")));
        EXPECT_TRUE(ValueInFieldBox(words, layout, QStringLiteral("Box14_0"), QStringLiteral("1E")));
        EXPECT_TRUE(ValueInFieldBox(words, layout, QStringLiteral("Box15_0"), QStringLiteral("95.50")));
        EXPECT_TRUE(ValueInFieldBox(words, layout, QStringLiteral("Box7"), QStringLiteral("DOVER BAKERY & CAFE")));
        EXPECT_TRUE(ValueInFieldBox(words, layout, QStringLiteral("BoxaFN2"), QStringLiteral("LEO")));
        w.BtnClose->click();
    });
}

TEST_F(Form1095CScreenTest, TheRecipientInstructionsPrintOnALandscapePage)
{
    // A saved printer choice in portrait gives its printer, never its orientation.
    PrinterSetupRec.Name = QStringLiteral("Office Laser");
    PrinterSetupRec.Paper = QStringLiteral("Letter");
    PrinterSetupRec.Orientation = 0;
    PrinterSetupRec.Copies = 1;
    PrinterSetup::SaveToRegistry(*AppRegistry, RegistryRoot);
    run([&](TFrm1095C& w) {
        const auto document = printed([&] { w.BtnPrintInstClick(); }, w.Rpt1095CInst);
        ASSERT_TRUE(document);
        ASSERT_EQ(document->pages.size(), 1u);
        EXPECT_EQ(document->pages[0].orientation(), PageOrientation::Landscape);
        EXPECT_TRUE(pageTexts(document->pages[0]).contains(QStringLiteral("Instructions for Recipient")));
        EXPECT_EQ(document->job.printerName, QStringLiteral("Office Laser"));
        const auto form = printed([&] { w.BtnPrintOneClick(); }, w.Rpt1095C);
        EXPECT_EQ(form->pages.at(0).orientation(), PageOrientation::Landscape);
        w.BtnClose->click();
    });
}

TEST_F(Form1095CScreenTest, EmployeesOpensTheEmployeeScreenOnThisEmployeeAndReloads)
{
    readEmployee(2);
    run([&](TFrm1095C& w) {
        w.F1095CPSM->setText(QStringLiteral("03"));
        dialogs.onNextModal([](QDialog& shown) {
            auto& employee = dynamic_cast<TFrmEmployee&>(shown);
            EXPECT_FALSE(employee.RSNavigator->AutoPerform()) << "the employee screen stays on this employee";
            EXPECT_EQ(EmployeeRec.LastName.get(), QStringLiteral("Diaz"));
            EmployeeRec.EmployeeAge = 47;   // as its Calculate finds it
            employee.done(QDialog::Rejected);
        });
        w.BtnEmployees->click();
        EXPECT_EQ(storedEmployee(2).F1095CPSM.get(), QStringLiteral("03")) << "saved and posted first";
        EXPECT_EQ(w.F1095CPSM->text(), QStringLiteral("03"));
        w.BtnClose->click();
    });
}

TEST_F(Form1095CScreenTest, ABrowseOnlyClientNeitherChecksNorPosts)
{
    module->RSEmployee.CloseRecSet();
    openClient();
    readEmployee(1);
    EmployeeRec.F1095CPSM = QStringLiteral("99");   // would fail the checks
    module->RSEmployee.PostRec();
    const QByteArray before = ReadTestFile(clientPath());
    TFrmDataModule second;
    FrmDataModule = &second;
    messages.expect(IdOk, QStringLiteral(" is already in use!"));
    ASSERT_TRUE(second.OpenClient(clientPath()));
    second.RSEmployee.SetCurrentRecord(1);

    messages.expect(IdOk, TSetupScreen::kBrowseOnlyNotice);
    run([&](TFrm1095C& w) {
        EXPECT_TRUE(w.F1095CPSM->isReadOnly());
        move(w, nbNext);
        EXPECT_EQ(second.RSEmployee.CurrentRecord(), 2) << "moving needs no check";
        w.BtnClose->click();
        EXPECT_FALSE(w.isVisible());
    });
    EXPECT_TRUE(messages.allAnswered());
    second.RSEmployee.CloseRecSet();
    FrmDataModule = module.get();
    EXPECT_EQ(ReadTestFile(clientPath()), before);
}

TEST_F(Form1095CScreenTest, HelpOpensTheIRSInstructionsBesideTheProgram)
{
    QList<QUrl> opened;
    const ShellOpenHook previous = SetShellOpenHook([&opened](const QUrl& target) {
        opened << target;
        return true;
    });
    run([&](TFrm1095C& w) {
        messages.expect(IdOk, QStringLiteral("The IRS Instructions cannot be found"));
        w.BtnHelp->click();
        EXPECT_TRUE(messages.allAnswered());
        EXPECT_EQ(messages.last().flags & MbIconStop, MbIconStop);
        EXPECT_TRUE(opened.isEmpty());
        WriteTestFile(programDir() + QStringLiteral("/Inst 1094-95-C.pdf"), QByteArray("%PDF-1.4"));
        w.BtnHelp->click();
        ASSERT_EQ(opened.size(), 1);
        EXPECT_EQ(opened[0].toLocalFile(), QDir(programDir()).filePath(QStringLiteral("Inst 1094-95-C.pdf")));
        w.BtnClose->click();
    });
    SetShellOpenHook(previous);
}

} // namespace
