#include "tests/forms/NJFormsFixture.h"
#include "tests/forms/FormChecks.h"
#include "tests/ui/FormsFixture.h"

#include "client/EFW2SettingsFiles.h"
#include "client/PayRecords.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/FilterEdit.h"
#include "efw2/ui/PayNJEFW2.h"
#include "forms/NJW3Reconciliation.h"
#include "forms/ui/PayFormCopy.h"
#include "forms/ui/PayNJW3.h"
#include "platform/AppMessageBox.h"
#include "platform/Registry.h"
#include "platform/ui/ShowModal.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

// A New Jersey client: Able and Baker work in New Jersey, Baker without state wages this year;
// Cole works in Pennsylvania.
class NJW3Test : public NJFormsTest {
protected:
    void SetUp() override
    {
        NJFormsTest::SetUp();
        AppRegistry = std::make_unique<Registry>();
        RegistryRoot = QStringLiteral("Software\\Ledgora\\2026\\");
        CopyShippedForms(programDir());
        module->RaveProject.ProjectFile = programDir() + QStringLiteral("/TAXFORMS.RAV");
        CompanyRec.StateID[StateNumber("NJ")] = QStringLiteral("123-456-789/000");
        CompanyRec.Address = QStringLiteral("12 Canal St");
        CompanyRec.SuiteNum = QStringLiteral("4b");
        CompanyRec.City = QStringLiteral("Trenton");
        CompanyRec.ZipCode = QStringLiteral("08608");
        module->RSCompany.PostRec();
        addPaidEmployee(QStringLiteral("Able"), {10000.00, 9500.00, 10000.00, 10000.00, 10000.00});
        EmployeeRec.StateTax[kYearToDateColumn] = 312.45;
        module->RSEmployee.PostRec();
        addPaidEmployee(QStringLiteral("Baker"), {5000.00, 0, 5000.00, 0, 0}, "NJ", QStringLiteral("212-55-4321"));
        EmployeeRec.StateTax[kYearToDateColumn] = 99;
        module->RSEmployee.PostRec();
        addPaidEmployee(QStringLiteral("Cole"), {7000.00, 7000.00, 0, 0, 0}, "PA", QStringLiteral("212-55-9876"));
        EmployeeRec.StateTax[kYearToDateColumn] = 200;
        module->RSEmployee.PostRec();
    }

    void TearDown() override
    {
        ReportSystem::SetOutputOptionsHandler(nullptr);
        NJFormsTest::TearDown();
    }

    void run(const std::function<void(TFrmNJW3&)>& drive)
    {
        dialogs.onNextModal([drive](QDialog& shown) {
            auto& w = dynamic_cast<TFrmNJW3&>(shown);
            QApplication::setActiveWindow(&w);
            drive(w);
            if (w.isVisible())
                w.BtnCloseClick();
        });
        TFrmNJW3 screen;
        ShowModal(screen);
    }

    void screenshot(QWidget& window, const QString& name)
    {
        QApplication::processEvents();
        const QImage picture = window.grab().toImage();
        EXPECT_TRUE(picture.save(tempPath(name)));
        const QString folder = qEnvironmentVariable("LEDGORA_SCREENSHOT_DIR");
        if (!folder.isEmpty())
            picture.save(QDir(folder).filePath(name));
    }

    static EFW2SubmitterRecord CompleteSubmitter()
    {
        EFW2SubmitterRecord s {};
        s.EIN = QStringLiteral("98-7654321");
        s.UserID = QStringLiteral("ABCD1234");
        s.ResubInd = QStringLiteral("0");
        s.StateCode = QStringLiteral("NJ");
        s.ZipCode = QStringLiteral("08608");
        s.SubmitName = QStringLiteral("Books & Co");
        s.SubmitAddr2 = QStringLiteral("5 Oak Ave");
        s.SubmitCity = QStringLiteral("Trenton");
        s.ContactName = QStringLiteral("Pat Jones");
        s.ContactPhone = QStringLiteral("609-555-0199");
        s.ContactEmail = QStringLiteral("Pat@Books.com");
        s.PreparerCode = QStringLiteral("A");
        return s;
    }
};

TEST_F(NJW3Test, CountsNewJerseyEmployeesWithStateWages)
{
    const NJW3Reconciliation form = GatherNJW3(CompanyRec);
    EXPECT_EQ(form.employees, 1);
    EXPECT_DOUBLE_EQ(form.wages, 9500.00);
    EXPECT_DOUBLE_EQ(form.withheld, 312.45);
    EXPECT_EQ(form.address, QStringLiteral("12 CANAL ST STE 4B"));
    EXPECT_EQ(form.name, QStringLiteral("GARDEN STATE TOOLS & DIES"));
    EXPECT_EQ(form.stateId, QStringLiteral("123-456-789/000"));

    const FormParams filing = NJW3Params(form, true);
    EXPECT_FALSE(filing.Has(kFormCopyParam));
    EXPECT_EQ(filing.Get(QStringLiteral("TotalIncome")), QStringLiteral("9,500.00"));
    EXPECT_EQ(filing.Get(QStringLiteral("TotalEmployees")), QStringLiteral("1"));
    EXPECT_EQ(NJW3Params(NJW3Reconciliation {}, false).Get(QStringLiteral("AmountWithheld")), QStringLiteral("0.00"));
    EXPECT_EQ(NJW3Params(form, false).Get(kFormCopyParam), kFileCopyText);
}

TEST_F(NJW3Test, ScreenShowsTheTotalsReadOnlyAndPrintsLineTwoInItsBox)
{
    const QString pdf = tempPath(QStringLiteral("njw3.pdf"));
    ReportSystem::SetOutputOptionsHandler([pdf](const ReportSystem&, OutputChoice& choice) {
        choice.destination = ReportDestination::File;
        choice.fileName = pdf;
        return true;
    });
    run([&](TFrmNJW3& w) {
        screenshot(w, QStringLiteral("NJW3.png"));
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Form NJ-W-3  State of New Jersey — Annual Reconciliation of Tax "
                                                  "Withheld from Salaries and Wages"));
        EXPECT_EQ(w.TotalEmployees->text(), QStringLiteral("1"));
        EXPECT_DOUBLE_EQ(w.TotalIncome->value(), 9500.00);
        EXPECT_DOUBLE_EQ(w.AmountWithheld->value(), 312.45);
        EXPECT_EQ(w.CompAddress->text(), QStringLiteral("12 CANAL ST STE 4B"));
        EXPECT_EQ(w.LblTaxableYear->text(), QStringLiteral("2026"));
        EXPECT_EQ(w.LblFilingYear->text(), QStringLiteral("2027"));
        for (QLineEdit* box : std::initializer_list<QLineEdit*> {w.StateID, w.CompName, w.TotalEmployees, w.TotalIncome, w.AmountWithheld}) {
            EXPECT_TRUE(box->isReadOnly()) << box->objectName().toStdString();
            EXPECT_FALSE(box->focusPolicy() & Qt::TabFocus) << box->objectName().toStdString();
        }
        EXPECT_TRUE(w.BtnPrint->isEnabled());
        EXPECT_TRUE(w.BtnNJEFW2->isEnabled());
        dialogs.onNextModal([](QDialog& shown) {
            auto& copy = dynamic_cast<TFrmFormCopy&>(shown);
            EXPECT_EQ(copy.windowTitle(), QStringLiteral("Form NJ-W-3"));
            EXPECT_EQ(copy.RbFilingCopy->text(), QStringLiteral("Filing Copy for E-File"));
            copy.RbFileCopy->setChecked(true);
            copy.BtnOk->click();
        });
        w.BtnPrintClick();
    });
    ASSERT_TRUE(QFile::exists(pdf));
    keepForLooking(QStringLiteral("njw3.pdf"));
    const std::vector<PdfWord> words = ReadPdfWords(pdf);
    const ReportLayout layout = ReadLayout(module->RaveProject.ProjectFile, QStringLiteral("FormNJW3"));
    EXPECT_TRUE(ValueInFieldBox(words, layout, QStringLiteral("TotalIncome"), QStringLiteral("9,500.00")));
    EXPECT_TRUE(ValueInFieldBox(words, layout, QStringLiteral("AmountWithheld"), QStringLiteral("312.45")));
    const QString text = pdfText(QStringLiteral("njw3.pdf"));
    EXPECT_TRUE(text.contains(QStringLiteral("FILE COPY"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("12 CANAL ST STE 4B")));
    EXPECT_TRUE(text.contains(QStringLiteral("123-456-789/000")));
}

TEST_F(NJW3Test, NJEFW2ButtonOpensTheNewJerseyScreenOnlyWithACompleteSubmitter)
{
    run([&](TFrmNJW3& w) {
        QFile::remove(W2SubmitterFileName);
        messages.expect(IdOk, QStringLiteral("SSA EFW2 Submitter file not found."));
        w.BtnNJEFW2Click();

        EFW2SubmitterRecord shortId = CompleteSubmitter();
        shortId.UserID = QStringLiteral("ABCD123");
        SaveSubmitterFile(W2SubmitterFileName, shortId);
        messages.expect(IdOk, QStringLiteral("SSA EFW2 Submitter data is incomplete."));
        w.BtnNJEFW2Click();
        EXPECT_TRUE(messages.allAnswered());

        SaveSubmitterFile(W2SubmitterFileName, CompleteSubmitter());
        bool opened = false;
        dialogs.onNextModal([&](QDialog& shown) {
            auto& nj = dynamic_cast<TFrmNJEFW2&>(shown);
            opened = true;
            screenshot(nj, QStringLiteral("NJEFW2.png"));
            EXPECT_EQ(nj.windowTitle(), QStringLiteral("New Jersey State EFW2 — File Creation Version 2026.00"));
            nj.BtnClose->click();
        });
        w.BtnNJEFW2Click();
        EXPECT_TRUE(opened);
    });
}

} // namespace
