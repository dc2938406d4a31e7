#include "FormFixture.h"

#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/ui/ScreenRules.h"
#include "components/PrinterSetup.h"
#include "components/ui/CheckBoxEdit.h"
#include "components/ui/FilterEdit.h"
#include "forms/ui/Form1094C.h"
#include "forms/ui/PayFormCopy.h"
#include "platform/AppMessageBox.h"
#include "platform/ShellOpen.h"
#include "platform/Exceptions.h"
#include "platform/report/ReportSystem.h"
#include "platform/ui/ShowModal.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTest>

namespace {

// The posted client with two employees and a Form 1094-C never opened before.
class Form1094CScreenTest : public FormTest {
protected:
    void run(const std::function<void(TFrm1094C&)>& drive)
    {
        dialogs.onNextModal([drive](QDialog& shown) {
            auto& w = dynamic_cast<TFrm1094C&>(shown);
            QApplication::setActiveWindow(&w);
            drive(w);
        });
        TFrm1094C screen;
        ShowModal(screen);
    }

    // An authoritative transmittal that passes every check: coverage offered all year.
    static void complete(TFrm1094C& w)
    {
        w.CompFW3Contact->setText(QStringLiteral("Dana Price"));
        w.F1094CBox20->setText(QStringLiteral("2"));
        QTest::mouseClick(w.F1094CBox21N, Qt::LeftButton);
        QTest::mouseClick(w.F1094CBoxaY[0], Qt::LeftButton);
        w.F1094CBoxb[0]->setText(QStringLiteral("52"));
        w.F1094CBoxc[0]->setText(QStringLiteral("60"));
    }

    // The message of the check Print stops at, or the empty text when the checks pass.
    static QString printFailure(TFrm1094C& w)
    {
        try {
            w.ValidateFields();
        } catch (const EFieldException& failure) {
            return failure.message();
        }
        return QString();
    }

    // Prints through the copy dialog (OK, or Cancel) and returns the pages the preview was given.
    std::shared_ptr<const ReportDocument> print(TFrm1094C& w, bool ok = true)
    {
        dialogs.onNextModal([ok](QDialog& copy) {
            EXPECT_EQ(copy.windowTitle(), QStringLiteral("Form 1094C"));
            if (ok)
                dynamic_cast<TFrmFormCopy&>(copy).BtnOk->click();
            else
                copy.reject();
        });
        if (ok)
            dialogs.onNextModal([](QDialog& preview) { preview.reject(); });
        w.BtnPrintClick();
        return w.Rpt1094C.Document();
    }

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

    CompanyRecord storedCompany() const
    {
        CompanyRecord c;
        const QByteArray bytes = ReadTestFile(companyFile());
        std::memcpy(&c, bytes.constData(), sizeof c);
        return c;
    }
};

TEST_F(Form1094CScreenTest, TheFirstOpeningIsAnAuthoritativeTransmittalOfEveryEmployee)
{
    CompanyRec.F1094CBox18 = 9;   // whatever was stored before
    run([&](TFrm1094C& w) {
        screenshot(w, QStringLiteral("Form1094C.png"));
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Form 1094-C Transmittal of Employer-Provided Health Insurance Offer "
                                                  "and Coverage Information Returns 2026"));
        EXPECT_TRUE(w.F1094CBox19->checked());
        EXPECT_EQ(w.F1094CBox18->text(), QStringLiteral("2")) << "one form per employee record";
        for (QWidget* on : {static_cast<QWidget*>(w.F1094CBox21Y), static_cast<QWidget*>(w.F1094CBox21N),
                            static_cast<QWidget*>(w.F1094CBox22[1]), static_cast<QWidget*>(w.F1094CBox22[4]),
                            static_cast<QWidget*>(w.F1094CBoxaY[5]), static_cast<QWidget*>(w.F1094CBoxb[12]),
                            static_cast<QWidget*>(w.F1094CBoxd[0]), static_cast<QWidget*>(w.F1094CPIVName[1]),
                            static_cast<QWidget*>(w.F1094CPIVEIN[30])})
            EXPECT_TRUE(on->isEnabled()) << on->objectName().toStdString();
        for (QWidget* off : {static_cast<QWidget*>(w.F1094CBox17), static_cast<QWidget*>(w.F1094CBox22[2]),
                             static_cast<QWidget*>(w.F1094CBox22[3]), static_cast<QWidget*>(w.F1094CBoxe[0])})
            EXPECT_FALSE(off->isEnabled()) << off->objectName().toStdString();
        EXPECT_FALSE(w.BtnPrint->isEnabled()) << "not approved for filing";
        for (QLabel* label : w.LblNotApproved)
            EXPECT_EQ(label->text(), QStringLiteral("NOT APPROVED BY I.R.S. — DO NOT FILE"));
        EXPECT_EQ(w.Rpt1094C.SystemSetups, ssAllowDestPreview | ssAllowPreviewSetup);
        w.ScrollBox->ensureWidgetVisible(w.F1094CBoxd[12]);
        screenshot(w, QStringLiteral("Form1094CPartIII.png"));
        w.ScrollBox->ensureWidgetVisible(w.F1094CPIVEIN[30]);
        screenshot(w, QStringLiteral("Form1094CPartIV.png"));
        w.BtnClose->click();
    });
    EXPECT_EQ(storedCompany().F1094CBox18, 2) << "closing stores the count";
    EXPECT_TRUE(storedCompany().F1094CBox19);
}

TEST_F(Form1094CScreenTest, LineNineteenAndTheAllYearRowSwitchTheOtherParts)
{
    run([](TFrm1094C& w) {
        w.F1094CBoxb[4]->setText(QStringLiteral("7"));
        QTest::mouseClick(w.F1094CBox19, Qt::LeftButton);
        EXPECT_FALSE(w.F1094CBox19->checked());
        EXPECT_FALSE(w.F1094CBox21Y->isEnabled());
        EXPECT_FALSE(w.F1094CBoxb[4]->isEnabled());
        EXPECT_FALSE(w.F1094CPIVName[3]->isEnabled());
        EXPECT_EQ(w.F1094CBoxb[4]->text(), QStringLiteral("7")) << "values stay";
        QTest::mouseClick(w.F1094CBox19, Qt::LeftButton);
        EXPECT_TRUE(w.F1094CBoxb[4]->isEnabled());

        QTest::mouseClick(w.F1094CBoxaN[0], Qt::LeftButton);
        for (int r = 1; r <= 12; ++r) {
            EXPECT_FALSE(w.F1094CBoxaY[r]->isEnabled()) << r;
            EXPECT_FALSE(w.F1094CBoxc[r]->isEnabled()) << r;
        }
        EXPECT_TRUE(w.F1094CBoxb[4]->text().isEmpty()) << "the month rows are emptied";
        QTest::mouseClick(w.F1094CBoxaY[0], Qt::LeftButton);
        EXPECT_TRUE(w.F1094CBoxaY[0]->checked());
        EXPECT_FALSE(w.F1094CBoxaN[0]->checked()) << "one answer a row";
        QTest::mouseClick(w.F1094CBoxaY[0], Qt::LeftButton);
        EXPECT_TRUE(w.F1094CBoxaY[4]->isEnabled());

        QTest::mouseClick(w.F1094CBox21Y, Qt::LeftButton);
        QTest::mouseClick(w.F1094CBox21N, Qt::LeftButton);
        EXPECT_FALSE(w.F1094CBox21Y->checked());
        EXPECT_FALSE(w.F1094CPIVName[1]->isEnabled()) << "no group, no Part IV";
        w.BtnClose->click();
    });
}

TEST_F(Form1094CScreenTest, PrintStopsAtTheFirstFaultWithItsFieldFocused)
{
    run([](TFrm1094C& w) {
        complete(w);
        EXPECT_EQ(printFailure(w), QString());

        QTest::mouseClick(w.F1094CBoxaY[0], Qt::LeftButton);
        QTest::mouseClick(w.F1094CBoxaN[4], Qt::LeftButton);
        w.F1094CBoxb[4]->setText(QStringLiteral("50"));
        w.F1094CBoxc[4]->setText(QStringLiteral("40"));
        EXPECT_EQ(printFailure(w), QStringLiteral("line b cannot be greater than line c."));
        EXPECT_EQ(QApplication::focusWidget(), w.F1094CBoxb[4]);
        w.F1094CBoxc[4]->setText(QStringLiteral("50"));
        EXPECT_EQ(printFailure(w), QString()) << "equal counts pass";

        QTest::mouseClick(w.F1094CBox21Y, Qt::LeftButton);
        EXPECT_EQ(printFailure(w), QStringLiteral("Box d must be checked when Box 21 \"Yes\" has been checked."));
        EXPECT_EQ(QApplication::focusWidget(), w.F1094CBoxd[4]);
        QTest::mouseClick(w.F1094CBoxd[4], Qt::LeftButton);
        EXPECT_EQ(printFailure(w), QStringLiteral("Part IV must be completed when Box 21 \"Yes\" has been checked."));
        EXPECT_EQ(QApplication::focusWidget(), w.F1094CPIVName[1]);
        const QRect shown = w.ScrollBox->viewport()->rect();
        const QRect name(w.F1094CPIVName[1]->mapTo(w.ScrollBox->viewport(), QPoint(0, 0)), w.F1094CPIVName[1]->size());
        EXPECT_TRUE(shown.contains(name)) << "Part IV is brought into view";

        w.F1094CPIVName[2]->setText(QStringLiteral("Harbor Supply"));
        w.F1094CPIVEIN[2]->setText(QStringLiteral("07-1234567"));
        EXPECT_EQ(printFailure(w), QStringLiteral("Other ALE Member EIN is not valid."));
        EXPECT_EQ(QApplication::focusWidget(), w.F1094CPIVEIN[2]);
        w.F1094CPIVEIN[2]->setText(QStringLiteral("23-4567890"));
        w.F1094CPIVEIN[3]->setText(QStringLiteral("34-5678901"));
        EXPECT_EQ(printFailure(w), QStringLiteral("Other ALE Member Name is missing."));
        EXPECT_EQ(QApplication::focusWidget(), w.F1094CPIVName[3]);
        w.BtnClose->click();
    });
}

TEST_F(Form1094CScreenTest, PrintsTwoPagesAndPartIVForAGroupMember)
{
    // A saved printer choice in landscape gives its printer, never its orientation.
    PrinterSetupRec.Name = QStringLiteral("Office Laser");
    PrinterSetupRec.Paper = QStringLiteral("Letter");
    PrinterSetupRec.Orientation = 1;
    PrinterSetupRec.Copies = 1;
    PrinterSetup::SaveToRegistry(*AppRegistry, RegistryRoot);
    TaxFormPrintDateText = QStringLiteral("01/20/2027");
    run([&](TFrm1094C& w) {
        complete(w);
        auto document = print(w);
        ASSERT_TRUE(document);
        EXPECT_EQ(document->pages.size(), 2u);
        EXPECT_EQ(document->job.printerName, QStringLiteral("Office Laser"));
        for (const ReportPage& page : document->pages)
            EXPECT_EQ(page.orientation(), PageOrientation::Portrait);
        EXPECT_TRUE(storedCompany().F1094CBox21N) << "saved and posted before the run";
        EXPECT_FALSE(DataModule().RaveProject.Active());

        QTest::mouseClick(w.F1094CBox21Y, Qt::LeftButton);
        QTest::mouseClick(w.F1094CBoxd[0], Qt::LeftButton);
        w.F1094CPIVName[1]->setText(QStringLiteral("Harbor Supply"));
        w.F1094CPIVEIN[1]->setText(QStringLiteral("23-4567890"));
        document = print(w);
        ASSERT_TRUE(document);
        ASSERT_EQ(document->pages.size(), 3u);
        EXPECT_TRUE(pageTexts(document->pages[2]).contains(QStringLiteral("HARBOR SUPPLY")));
        EXPECT_TRUE(pageTexts(document->pages[1]).contains(QStringLiteral("X"))) << "box d";

        // The same screen printing again prints the box unchecked in between empty.
        QTest::mouseClick(w.F1094CBox22[4], Qt::LeftButton);
        document = print(w);
        const QString pdf = tempPath(QStringLiteral("Form1094C.pdf"));
        WriteReportFile(*document, pdf);
        keepPdf(pdf);
        const ReportLayout layout = shippedLayout(QStringLiteral("Form1094C"));
        std::vector<PdfWord> words = ReadPdfWords(pdf);
        EXPECT_TRUE(ValueInFieldBox(words, layout, QStringLiteral("Box18"), QStringLiteral("2")));
        EXPECT_TRUE(ValueInFieldBox(words, layout, QStringLiteral("Box1"), QStringLiteral("DOVER BAKERY & CAFE")));
        EXPECT_TRUE(ValueInFieldBox(words, layout, QStringLiteral("Box22_4"), QStringLiteral("X")));
        QTest::mouseClick(w.F1094CBox22[4], Qt::LeftButton);
        document = print(w);
        WriteReportFile(*document, pdf);
        words = ReadPdfWords(pdf);
        EXPECT_FALSE(ValueInFieldBox(words, layout, QStringLiteral("Box22_4"), QStringLiteral("X")));
        w.BtnClose->click();
    });
}

TEST_F(Form1094CScreenTest, CancellingTheCopyDialogSavesAndPrintsNothing)
{
    const CompanyRecord before = storedCompany();
    run([&](TFrm1094C& w) {
        complete(w);
        print(w, false);
        EXPECT_EQ(w.Rpt1094C.Document(), nullptr) << "nothing printed";
        const CompanyRecord after = storedCompany();
        EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0) << "nothing posted";
        w.done(QDialog::Rejected);
    });
}

TEST_F(Form1094CScreenTest, AFailingRunClosesTheProjectAndLeavesTheScreenWorking)
{
    run([&](TFrm1094C& w) {
        complete(w);
        ASSERT_TRUE(QFile::remove(ReportProjectFileName()));
        dialogs.onNextModal([](QDialog& copy) { dynamic_cast<TFrmFormCopy&>(copy).BtnOk->click(); });
        messages.expect(IdOk, QStringLiteral("The report project cannot be opened."));
        w.BtnPrintClick();
        EXPECT_TRUE(messages.allAnswered());
        EXPECT_FALSE(DataModule().RaveProject.Active());
        EXPECT_EQ(DataModule().RaveProject.Engine, nullptr);
        EXPECT_TRUE(w.isVisible());
        w.BtnClose->click();
    });
}

TEST_F(Form1094CScreenTest, ClosingStoresTheFormUnchecked)
{
    run([](TFrm1094C& w) {
        w.F1094CBox20->setText(QStringLiteral("0"));   // would stop Print
        QTest::mouseClick(w.F1094CBoxaN[3], Qt::LeftButton);
        w.F1094CBoxb[3]->setText(QStringLiteral("12"));
        w.F1094CPIVName[5]->setText(QStringLiteral("Quay Foods"));
        QTest::keyClick(w.F1094CPIVName[5], Qt::Key_Escape);
        EXPECT_FALSE(w.isVisible());
    });
    const CompanyRecord stored = storedCompany();
    EXPECT_TRUE(stored.F1094CBoxaN[3]);
    EXPECT_EQ(stored.F1094CBoxb[3], 12);
    EXPECT_EQ(stored.F1094CPIVName[5].get(), QStringLiteral("Quay Foods"));
    EXPECT_EQ(stored.F1094CBoxe[3], u' ') << "an empty relief indicator is stored as a blank";
}

TEST_F(Form1094CScreenTest, HelpOpensTheIRSInstructionsBesideTheProgram)
{
    QList<QUrl> opened;
    const ShellOpenHook previous = SetShellOpenHook([&opened](const QUrl& target) {
        opened << target;
        return true;
    });
    run([&](TFrm1094C& w) {
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

TEST_F(Form1094CScreenTest, ABrowseOnlyClientPrintsButStoresNothing)
{
    CompanyRec.FW3Contact = QStringLiteral("Dana Price");
    CompanyRec.F1094CBox20 = 2;
    CompanyRec.F1094CBox21N = true;
    CompanyRec.F1094CBoxaY[0] = true;
    CompanyRec.F1094CBoxb[0] = 52;
    CompanyRec.F1094CBoxc[0] = 60;
    module->RSCompany.PostRec();
    module->RSEmployee.CloseRecSet();
    openClient();
    const QByteArray before = ReadTestFile(companyFile());
    TFrmDataModule second;
    FrmDataModule = &second;
    messages.expect(IdOk, QStringLiteral(" is already in use!"));
    ASSERT_TRUE(second.OpenClient(clientPath()));

    messages.expect(IdOk, TSetupScreen::kBrowseOnlyNotice);
    run([&](TFrm1094C& w) {
        EXPECT_TRUE(w.CompFW3Contact->isReadOnly());
        const auto document = print(w);
        ASSERT_TRUE(document);
        EXPECT_EQ(document->pages.size(), 2u);
        w.BtnClose->click();
        EXPECT_FALSE(w.isVisible());
    });
    second.RSEmployee.CloseRecSet();
    FrmDataModule = module.get();
    EXPECT_EQ(ReadTestFile(companyFile()), before);
}

} // namespace
