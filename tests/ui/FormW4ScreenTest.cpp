#include "tests/client/ClientFixture.h"
#include "tests/ui/FormsFixture.h"

#include "client/CompanyRecord.h"
#include "client/EmployeeRecord.h"
#include "client/PayRecords.h"
#include "client/ui/FormW4.h"
#include "client/ui/PayEmployee.h"
#include "components/ui/CheckBoxEdit.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/LayoutPicture.h"
#include "components/ui/StateEdit.h"
#include "platform/AppMessageBox.h"
#include "platform/Registry.h"
#include "platform/report/LayoutImage.h"
#include "platform/report/ReportProject.h"
#include "platform/report/ReportSystem.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QProcess>
#include <QTest>
#include <QToolButton>

#include <cstring>

namespace {

QString PdfText(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished(30000));
    return QString::fromUtf8(process.readAllStandardOutput());
}

void TypeMoney(TDollarEdit* entry, const QString& keys, QWidget* next)
{
    entry->setFocus(Qt::TabFocusReason);
    entry->selectAll();
    QTest::keyClicks(entry, keys);
    next->setFocus(Qt::TabFocusReason);
}

void FillEmployee(EmployeeRecord& r)
{
    r.FirstName = QStringLiteral("Mary");
    r.MiddleName = QStringLiteral("Ann");
    r.LastName = QStringLiteral("Lee");
    r.Address = QStringLiteral("12 Oak Street");
    r.City = QStringLiteral("Dover");
    r.State = QStringLiteral("DE");
    r.ZipCode = QStringLiteral("19901");
    r.SocSecNum = QStringLiteral("234-56-7890");
    r.Married = true;
    r.FW4Box3b = 500;
    r.FW4Box3 = 500;
    r.FedWithAllow = 1;
}

// The Form W-4 screen opened on the current employee of an open client.
class FormW4ScreenTest : public ClientTest {
protected:
    void SetUp() override
    {
        ClientTest::SetUp();
        AppRegistry = std::make_unique<Registry>();
        RegistryRoot = QStringLiteral("Software\\Ledgora\\2026\\");
        CopyShippedForms(programDir());
        openClient();
        module->RSEmployee.NewRec();
        FillEmployee(EmployeeRec);
        module->RSEmployee.PostRec();
        CompanyRec.Name = QStringLiteral("Dover Bakery");
        CompanyRec.Address = QStringLiteral("5 Loockerman St");
        CompanyRec.SuiteNum = QStringLiteral("4b");
        CompanyRec.CityStateZip = QStringLiteral("Dover DE 19901");
        CompanyRec.FederalID = QStringLiteral("12-3456789");
    }

    void TearDown() override
    {
        ReportSystem::SetOutputOptionsHandler(nullptr);
        ClientTest::TearDown();
    }

    // Opens the screen on the employee's entries and hands it to drive; true when it processed.
    bool runScreen(W4Entries& entries, std::function<void(TFrmW4&)> drive, bool readOnly = false)
    {
        dialogs.onNextModal([drive](QDialog& shown) {
            auto& w = dynamic_cast<TFrmW4&>(shown);
            QApplication::setActiveWindow(&w);
            drive(w);
        });
        const bool processed = ShowFormW4(entries, readOnly, nullptr);
        EXPECT_TRUE(dialogs.allUsed());
        return processed;
    }

    void screenshot(QWidget& window, const QString& name)
    {
        const QImage picture = window.grab().toImage();
        EXPECT_TRUE(picture.save(tempPath(name)));
        const QString folder = qEnvironmentVariable("LEDGORA_SCREENSHOT_DIR");
        if (!folder.isEmpty())
            picture.save(QDir(folder).filePath(name));
    }

    ReportLayout shippedLayout()
    {
        ReportProject project;
        project.ProjectFile = ReportProjectFileName();
        project.Open();
        const ReportLayout* layout = project.Layout(QStringLiteral("FormW4"));
        EXPECT_NE(layout, nullptr);
        return layout ? *layout : ReportLayout{};
    }
};

} // namespace

TEST_F(FormW4ScreenTest, EntriesStandOnTheBoxesWhereThePagePrintsThem)
{
    const ReportLayout layout = shippedLayout();
    W4Entries entries = W4EntriesFromEmployee(EmployeeRec);
    runScreen(entries, [&](TFrmW4& w) {
        screenshot(w, QStringLiteral("FormW4.png"));
        struct Spot {
            QWidget* entry;
            const char* field;
        };
        for (const Spot& spot : {Spot{w.FirstName, "FirstName"}, Spot{w.SocSecNum, "SocSecNum"},
                                 Spot{w.Address, "Address"}, Spot{w.Single, "Single"}, Spot{w.FW4Box3a, "FW4Box3a"},
                                 Spot{w.FW4Box3, "FW4Box3"}, Spot{w.FedAddTax, "FW4Box4c"},
                                 Spot{w.FedWithExempt, "FedWithExempt"}}) {
            auto* picture = qobject_cast<TLayoutPicture*>(spot.entry->parentWidget());
            ASSERT_NE(picture, nullptr) << spot.field;
            const LayoutElement* field = layout.Field(QLatin1String(spot.field));
            ASSERT_NE(field, nullptr) << spot.field;
            const QRect box = spot.entry->geometry();
            const double x = field->align == TextAlign::Right ? box.right() + 1
                             : field->align == TextAlign::Center ? box.center().x()
                                                                   : box.left();
            const QRectF region = picture->objectName() == QLatin1String("FormW4_Step_1") ? QRectF(0.4, 0.45, 7.7, 2.5)
                                                                                          : QRectF(0.4, 2.95, 7.7, 4.2);
            EXPECT_NEAR(x / picture->scale() + region.left(), field->x1, 0.03) << spot.field;
            EXPECT_LE(box.top() / picture->scale() + region.top(), field->y1) << spot.field;
            EXPECT_GE(box.bottom() / picture->scale() + region.top(), field->y1 - 0.02) << spot.field;
        }
        EXPECT_EQ(w.LastName->text(), QStringLiteral("Lee"));
        EXPECT_EQ(w.State->currentText(), QStringLiteral("DE"));
        EXPECT_TRUE(w.Married->checked());
        EXPECT_EQ(w.FW4Box3b->value(), 500);
        w.done(QDialog::Rejected);
    });
}

TEST_F(FormW4ScreenTest, StepThreeAmountsGiveTheTotalAndTheAllowances)
{
    W4Entries entries = W4EntriesFromEmployee(EmployeeRec);
    const bool processed = runScreen(entries, [](TFrmW4& w) {
        TypeMoney(w.FW4Box3a, QStringLiteral("4400"), w.FW4Box3b);
        EXPECT_EQ(w.FW4Box3->value(), 4900);
        TypeMoney(w.FW4Box3b, QStringLiteral("1000"), w.FW4Box4a);
        EXPECT_EQ(w.FW4Box3->value(), 5400);
        EXPECT_EQ(w.GetNumDependents(), 4);
        QTest::mouseClick(w.Married, Qt::LeftButton);
        EXPECT_TRUE(w.Married->checked()) << "the checked box stays checked";
        QTest::mouseClick(w.HOH, Qt::LeftButton);
        EXPECT_TRUE(w.HOH->checked());
        EXPECT_FALSE(w.Married->checked());
        w.BtnProcess->click();
    });
    ASSERT_TRUE(processed);
    EXPECT_TRUE(W4Processed);
    EXPECT_EQ(entries.FW4Box3, 5400);
    EXPECT_TRUE(entries.HOH);
    StoreW4Entries(entries, EmployeeRec);
    EXPECT_EQ(EmployeeRec.FedWithAllow, 4);
}

TEST_F(FormW4ScreenTest, ProcessRefusesEntriesThatCannotBeWithheldOn)
{
    struct Case {
        const char* what;
        std::function<void(TFrmW4&)> spoil;
        const char* message;
    };
    const Case cases[] = {
        {"2,500 for children", [](TFrmW4& w) { w.FW4Box3a->setValue(2500); },
         "Qualifying children under age 17 must be a multiple of 2,200"},
        {"750 for other dependents", [](TFrmW4& w) { w.FW4Box3b->setValue(750); }, "Other dependents must be a multiple of 500"},
        {"a negative amount for children", [](TFrmW4& w) { w.FW4Box3a->setValue(-2200); },
         "Qualifying children under age 17 must be a multiple of 2,200"},
        {"no filing status",
         [](TFrmW4& w) {
             // As an employee stored without one shows it.
             const QSignalBlocker quiet(w.Married);
             w.Married->setChecked(false);
         },
         "You must check one of the boxes under Step 1(c)"},
    };
    for (const Case& c : cases) {
        W4Entries entries = W4EntriesFromEmployee(EmployeeRec);
        const bool processed = runScreen(entries, [&](TFrmW4& w) {
            c.spoil(w);
            w.CheckFieldStatus();
            messages.expect(IdOk, QString::fromUtf8(c.message));
            w.BtnProcess->click();
            EXPECT_TRUE(w.isVisible()) << c.what;
            EXPECT_TRUE(messages.allAnswered()) << c.what;
            messages.expect(IdYes, QStringLiteral("Any changes made will not be recorded"));
            w.BtnCancel->click();
        });
        EXPECT_FALSE(processed) << c.what;
        EXPECT_FALSE(W4Processed) << c.what;
    }
}

TEST_F(FormW4ScreenTest, TheMinusKeyDoesNotReachTheStepThreeAmounts)
{
    W4Entries entries = W4EntriesFromEmployee(EmployeeRec);
    runScreen(entries, [](TFrmW4& w) {
        TypeMoney(w.FW4Box3a, QStringLiteral("-2200"), w.FW4Box3b);
        EXPECT_EQ(w.FW4Box3a->value(), 2200);
        w.done(QDialog::Rejected);
    });
}

TEST_F(FormW4ScreenTest, CancelAsksAndEscapeAndTheCloseBoxAskToo)
{
    W4Entries entries = W4EntriesFromEmployee(EmployeeRec);
    const bool processed = runScreen(entries, [&](TFrmW4& w) {
        w.FW4Box3a->setValue(2200);
        messages.expect(IdNo, QStringLiteral("Any changes made will not be recorded, are you sure you want to cancel?"));
        w.BtnCancel->click();
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(w.FW4Box3a->value(), 2200);
        messages.expect(IdNo, QStringLiteral("are you sure you want to cancel?"));
        QTest::keyClick(w.FirstName, Qt::Key_Escape);
        EXPECT_TRUE(w.isVisible());
        messages.expect(IdNo, QStringLiteral("are you sure you want to cancel?"));
        w.close();
        EXPECT_TRUE(w.isVisible());
        messages.expect(IdYes, QStringLiteral("are you sure you want to cancel?"));
        w.BtnCancel->click();
        EXPECT_FALSE(w.isVisible());
    });
    EXPECT_FALSE(processed);
    EXPECT_EQ(messages.last().flags & 0xFFF, MbYesNo | MbIconWarning | MbDefButton2);
    EXPECT_EQ(entries.FW4Box3a, 0);
}

TEST_F(FormW4ScreenTest, EmployeeScreenButtonStoresProcessedEntriesAndCancelKeepsTheRecord)
{
    TFrmEmployee screen;
    screen.show();
    QApplication::setActiveWindow(&screen);
    EmployeeRecord before;
    std::memcpy(&before, &EmployeeRec, sizeof before);

    dialogs.onNextModal([&](QDialog& shown) {
        auto& w = dynamic_cast<TFrmW4&>(shown);
        w.FW4Box3a->setValue(4400);
        w.LastName->setText(QStringLiteral("Lee Smith"));
        messages.expect(IdYes, QStringLiteral("are you sure you want to cancel?"));
        w.BtnCancel->click();
    });
    screen.BtnFormW4->click();
    EXPECT_EQ(EmployeeRec.FW4Box3a, 0);
    EXPECT_EQ(EmployeeRec.LastName.get(), QStringLiteral("Lee"));
    EXPECT_EQ(EmployeeRec.FedWithAllow, before.FedWithAllow);

    dialogs.onNextModal([&](QDialog& shown) {
        auto& w = dynamic_cast<TFrmW4&>(shown);
        w.FW4Box3a->setValue(4400);
        w.FW4Box4a->setValue(12000);
        w.FedAddTax->setValue(15);
        w.BtnProcess->click();
    });
    screen.BtnFormW4->click();
    EXPECT_EQ(EmployeeRec.FW4Box3a, 4400);
    EXPECT_EQ(EmployeeRec.FW4Box3, 4900);
    EXPECT_EQ(EmployeeRec.FW4Box4a, 12000);
    EXPECT_EQ(EmployeeRec.FedWithAllow, 3);
    EXPECT_EQ(screen.FedWithAllow->text(), QStringLiteral("3"));
    EXPECT_EQ(screen.FedAddTax->value(), 15);
    EXPECT_TRUE(dialogs.allUsed());
}

TEST_F(FormW4ScreenTest, PrintsTheFilledFormAndNothingForEmptyEntries)
{
    const QString pdf = tempPath(QStringLiteral("w4.pdf"));
    ReportSystem::SetOutputOptionsHandler([pdf](const ReportSystem& system, OutputChoice& choice) {
        EXPECT_EQ(system.SystemPrinter.Title, QStringLiteral("Form W-4"));
        choice.destination = ReportDestination::File;
        choice.fileName = pdf;
        return true;
    });
    W4Entries entries = W4EntriesFromEmployee(EmployeeRec);
    runScreen(entries, [](TFrmW4& w) {
        w.FW4Box3a->setValue(2200);
        w.FW4Box3b->setValue(0);
        w.FedAddTax->setValue(1234.5);
        w.BtnPrint->click();
        EXPECT_TRUE(w.isVisible()) << "printing does not close the screen";
        w.done(QDialog::Rejected);
    });
    const QString folder = qEnvironmentVariable("LEDGORA_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        QFile::copy(pdf, QDir(folder).filePath(QStringLiteral("FormW4.pdf")));
    const QString text = PdfText(pdf);
    for (const char* shown : {"MARY", "ANN", "LEE", "234-56-7890", "12 OAK STREET", "DOVER DE 19901", "2,200", "1,234.50",
                              "DOVER BAKERY", "5 LOOCKERMAN ST STE 4b", "12-3456789"})
        EXPECT_TRUE(text.contains(QLatin1String(shown))) << shown << "\n" << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Mary"))) << "names print in capitals";
    EXPECT_EQ(text.count(QLatin1Char('X')), 1) << "only the married box is checked\n" << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("0.00"))) << "zero amounts print nothing";
}

TEST_F(FormW4ScreenTest, PrintRefusesWhatProcessRefuses)
{
    bool asked = false;
    ReportSystem::SetOutputOptionsHandler([&asked](const ReportSystem&, OutputChoice&) {
        asked = true;
        return false;
    });
    W4Entries entries = W4EntriesFromEmployee(EmployeeRec);
    runScreen(entries, [&](TFrmW4& w) {
        w.FW4Box3b->setValue(750);
        messages.expect(IdOk, QStringLiteral("Other dependents must be a multiple of 500"));
        w.BtnPrint->click();
        EXPECT_EQ(QApplication::focusWidget(), w.FW4Box3b);
        w.done(QDialog::Rejected);
    });
    EXPECT_FALSE(asked);
}

TEST_F(FormW4ScreenTest, ThePrintedPageStaysOnThePaper)
{
    const QImage page = RenderLayoutImage(shippedLayout(), 1, 50);
    ASSERT_EQ(page.size(), QSize(425, 550));
    const auto blank = [&page](int left, int top, int right, int bottom) {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (qGray(page.pixel(x, y)) < 200)
                    return false;
        return true;
    };
    EXPECT_TRUE(blank(0, 0, 425, 20)) << "top margin";
    EXPECT_TRUE(blank(0, 530, 425, 550)) << "bottom margin";
    EXPECT_TRUE(blank(0, 0, 20, 550)) << "left margin";
    EXPECT_TRUE(blank(405, 0, 425, 550)) << "right margin";
}

TEST_F(FormW4ScreenTest, BrowseOnlyShowsTheEntriesReadOnlyAndStillPrints)
{
    const QString pdf = tempPath(QStringLiteral("browse.pdf"));
    ReportSystem::SetOutputOptionsHandler([pdf](const ReportSystem&, OutputChoice& choice) {
        choice.destination = ReportDestination::File;
        choice.fileName = pdf;
        return true;
    });
    W4Entries entries = W4EntriesFromEmployee(EmployeeRec);
    const bool processed = runScreen(
        entries,
        [](TFrmW4& w) {
            EXPECT_TRUE(w.LastName->isReadOnly());
            EXPECT_TRUE(w.FW4Box3a->isReadOnly());
            EXPECT_FALSE(w.BtnProcess->isEnabled());
            w.BtnPrint->click();
            w.BtnCancel->click();
            EXPECT_FALSE(w.isVisible());
        },
        true);
    EXPECT_FALSE(processed);
    EXPECT_TRUE(PdfText(pdf).contains(QStringLiteral("LEE")));
}

TEST_F(FormW4ScreenTest, AMissingReportProjectIsReportedAndTheScreenStaysShut)
{
    ASSERT_TRUE(QFile::remove(ReportProjectFileName()));
    W4Entries entries = W4EntriesFromEmployee(EmployeeRec);
    messages.expect(IdOk, QStringLiteral("The report project cannot be opened."));
    EXPECT_FALSE(ShowFormW4(entries, false, nullptr));
    EXPECT_TRUE(messages.allAnswered());
}
