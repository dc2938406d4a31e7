#include "CheckFixture.h"

#include "checks/ui/PayCheckGen.h"
#include "checks/ui/PayCheckSetup.h"
#include "checks/ui/PayChecks.h"
#include "components/PrinterSetup.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/FilterEdit.h"
#include "platform/AppMessageBox.h"
#include "platform/Registry.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

namespace {

class CheckWindowsTest : public CheckTest {
protected:
    void SetUp() override
    {
        CheckTest::SetUp();
        RegistryRoot = QStringLiteral("Software\\Ledgora\\2026\\");
        AppRegistry = std::make_unique<Registry>();
        PrinterSetup::ClearRecord();
        previous_ = ReportSystem::SetOutputOptionsHandler([this](const ReportSystem&, OutputChoice& choice) {
            choice.destination = ReportDestination::File;
            choice.fileName = tempPath(QStringLiteral("printed-%1.pdf").arg(++printed));
            return true;
        });
    }

    void TearDown() override
    {
        ReportSystem::SetOutputOptionsHandler(previous_);
        CheckTest::TearDown();
    }

    void screenshot(QWidget& window, const QString& name)
    {
        window.show();
        QCoreApplication::processEvents();
        const QImage picture = window.grab().toImage();
        EXPECT_TRUE(picture.save(tempPath(name)));
        const QString folder = qEnvironmentVariable("LEDGORA_SCREENSHOTS");
        if (!folder.isEmpty())
            picture.save(QDir(folder).filePath(name));
    }

    static CompanyRecord storedCompany()
    {
        TRecordSet& set = DataModule().RSCompany;
        const CompanyRecord inMemory = CompanyRec;
        set.GetRec();
        const CompanyRecord stored = CompanyRec;
        CompanyRec = inMemory;
        return stored;
    }

    // Opens the client again browse-only: another opener holds its employee file.
    std::unique_ptr<TRecordSet> reopenBrowseOnly()
    {
        module->RSEmployee.CloseRecSet();
        auto holder = std::make_unique<TRecordSet>();
        holder->SetRecSize(sizeof(EmployeeRecord));
        holder->SetFileName(clientPath());
        holder->SetFileShareMode(smShareDenyWrite);
        holder->OpenRecSet();
        EXPECT_TRUE(holder->Active());
        messages.expect(IdOk, QStringLiteral("browse"));
        openClient();
        EXPECT_TRUE(module->RSEmployee.BrowseOnly());
        return holder;
    }

    int printed = 0;

private:
    OutputOptionsHandler previous_;
};

void SetPosition(TDollarEdit* left, TDollarEdit* right, double x, double y)
{
    left->setValue(x);
    right->setValue(y);
}

} // namespace

TEST_F(CheckWindowsTest, SetupRefusesMissingPositionsAndTestPrintsTheSavedOnes)
{
    TFrmCheckSetup window;
    screenshot(window, QStringLiteral("check-setup.png"));
    EXPECT_FALSE(window.BtnTest->isEnabled()) << "a new company has no positions";

    messages.expect(IdOk, QStringLiteral("required data entry fields is incomplete."));
    window.BtnProcess->click();
    EXPECT_FALSE(window.BtnTest->isEnabled());
    EXPECT_EQ(storedCompany().vpFullName, 0.0);

    SetPosition(window.vpFullName, window.hpFullName, 1.0, 1.5);
    SetPosition(window.vpCheckDate, window.hpCheckDate, 6.1, 0.75);
    SetPosition(window.vpAmount, window.hpAmount, 6.3, 1.4);
    SetPosition(window.vpAmountText, window.hpAmountText, 0.3, 1.83);
    window.PrintStub->setChecked(true);
    messages.expect(IdOk, QStringLiteral("required data entry fields"));
    window.BtnProcess->click();
    window.PrintStub->setChecked(false);
    window.BtnProcess->click();
    EXPECT_TRUE(window.BtnTest->isEnabled());
    EXPECT_EQ(window.BtnCancel->text(), QStringLiteral("&Done"));
    EXPECT_EQ(storedCompany().hpAmountText, 1.83);

    // An edit after Process: the test check still prints what was saved.
    window.vpFullName->setValue(2.0);
    window.BtnTest->click();
    bool atSaved = false;
    for (const DrawOp& op : window.RptCheckTest.Document()->pages[0].ops)
        atSaved |= op.kind == DrawOp::Kind::Text && op.text == QLatin1String("JOHN SMITH") && op.x1 == 1.0;
    EXPECT_TRUE(atSaved);

    messages.expect(IdOk, QStringLiteral("This procedure will print a grid on your blank check"));
    window.BtnGrid->click();
    EXPECT_EQ(window.RptPrinterGrid.Document()->PageCount(), 1);
}

TEST_F(CheckWindowsTest, GeneratorRefusesEachMissingEntryInOrder)
{
    CompanyRec.BankName = QString();
    CompanyRec.BankAddress1 = QString();
    CompanyRec.BankAddress2 = QString();
    CompanyRec.BankFraction = QString();
    CompanyRec.BankRtn = QString();
    CompanyRec.AccountNum = QString();
    CompanyRec.StartChkNum = 0;
    module->RSCompany.PostRec();
    TFrmPayCheckGen window;
    EXPECT_FALSE(window.BtnProcess->isEnabled());
    EXPECT_FALSE(window.BankName->isEnabled());
    window.GenerateChk->click();
    EXPECT_TRUE(window.BtnProcess->isEnabled());
    EXPECT_FALSE(window.BtnTest->isEnabled());

    const struct {
        const char* message;
        std::function<void()> mend;
    } steps[] = {
        {"The Bank's name is missing", [&] { window.BankName->setText(QStringLiteral("First Test Bank")); }},
        {"The Bank's address is missing", [&] { window.BankAddress1->setText(QStringLiteral("2 Bank St")); }},
        {"The Bank's city, state and Zip Code are missing",
         [&] { window.BankAddress2->setText(QStringLiteral("Springfield, PA 17000")); }},
        {"The Bank's fraction number is missing", [&] { window.BankFraction->setText(QStringLiteral("60-123/313")); }},
        {"The Bank's Routing Transit Number is invalid", [&] { window.BankRtn->setText(QStringLiteral("031300012")); }},
        {"The Bank account number is missing", [&] { window.AccountNum->setText(QStringLiteral("12345678901")); }},
        {"The starting check number is invalid", [&] {
             window.StartChkNum->setText(QStringLiteral("1001"));
             window.ChkNumPos2->setChecked(true);
         }},
        {"The account number is too long to print the check number after it.",
         [&] { window.AccountNum->setText(QStringLiteral("1234567890")); }},
    };
    for (const auto& step : steps) {
        messages.expect(IdOk, QLatin1String(step.message));
        window.BtnProcess->click();
        EXPECT_FALSE(storedCompany().GenerateChk) << step.message;
        step.mend();
    }
    window.BtnProcess->click();
    EXPECT_TRUE(window.BtnTest->isEnabled());
    EXPECT_EQ(window.BtnCancel->text(), QStringLiteral("&Done"));
    const CompanyRecord stored = storedCompany();
    EXPECT_TRUE(stored.GenerateChk);
    EXPECT_EQ(stored.AccountNum.get(), QStringLiteral("1234567890"));
    EXPECT_EQ(stored.StartChkNum, 1001);
    EXPECT_EQ(stored.ChkNumPos, 2);

    window.BtnTest->click();
    EXPECT_EQ(window.RptCheckTest.Document()->PageCount(), 1);
    QTest::keyClicks(window.BankName, QStringLiteral("x"));
    EXPECT_FALSE(window.BtnTest->isEnabled()) << "any change disables Test";
    EXPECT_EQ(window.BtnCancel->text(), QStringLiteral("&Cancel"));
    screenshot(window, QStringLiteral("check-generator.png"));
}

TEST_F(CheckWindowsTest, UncheckingTheGeneratorAndClosingSwitchesItOffKeepingTheBankData)
{
    CompanyRec.GenerateChk = true;
    module->RSCompany.PostRec();
    TFrmPayCheckGen window;
    window.show();
    window.GenerateChk->click();
    EXPECT_FALSE(window.BtnProcess->isEnabled());
    window.reject();
    const CompanyRecord stored = storedCompany();
    EXPECT_FALSE(stored.GenerateChk);
    EXPECT_EQ(stored.BankRtn.get(), QStringLiteral("031300012"));
}

TEST_F(CheckWindowsTest, BrowseOnlyClientIsRefusedBeforeAnythingChanges)
{
    CompanyRec.GenerateChk = true;
    module->RSCompany.PostRec();
    const auto holder = reopenBrowseOnly();
    {
        TFrmPayCheckGen window;
        window.StartChkNum->setText(QStringLiteral("777"));
        messages.expect(IdOk, QStringLiteral("Function is not executable in browse mode."));
        window.BtnProcess->click();
        EXPECT_NE(CompanyRec.StartChkNum, 777) << "memory is left as it was";
        window.GenerateChk->click();
        messages.expect(IdOk, QStringLiteral("Function is not executable in browse mode."));
        window.reject();
        EXPECT_TRUE(CompanyRec.GenerateChk);
    }
    TFrmCheckSetup setup;
    SetPosition(setup.vpFullName, setup.hpFullName, 1.0, 1.5);
    SetPosition(setup.vpCheckDate, setup.hpCheckDate, 6.1, 0.75);
    SetPosition(setup.vpAmount, setup.hpAmount, 6.3, 1.4);
    SetPosition(setup.vpAmountText, setup.hpAmountText, 0.3, 1.83);
    messages.expect(IdOk, QStringLiteral("Function is not executable in browse mode."));
    setup.BtnProcess->click();
    EXPECT_EQ(CompanyRec.vpFullName, 0.0);
}

TEST_F(CheckWindowsTest, CheckWindowPrintsTheRunAndChecksFollowTheSavedOrientation)
{
    addCheckEmployee(QStringLiteral("Adams"), false, QStringLiteral("17001"), false, 101);
    addCheckEmployee(QStringLiteral("Baker"), true, QStringLiteral("17002"), true, 102);
    CompanyRec.GenerateChk = true;
    CompanyRec.DirDeposit = true;
    CompanyRec.StartChkNum = 101;
    module->RSCompany.PostRec();
    PrinterSetupRec.Name = QStringLiteral("Office Laser");
    PrinterSetupRec.Orientation = 1;
    PrinterSetupRec.Copies = 1;
    PrinterSetup::SaveToRegistry(*AppRegistry, RegistryRoot);

    TFrmCheck window;
    screenshot(window, QStringLiteral("check-printing.png"));
    EXPECT_EQ(window.LblTotalChecks->text(), QStringLiteral("Total Checks: 2"));
    EXPECT_EQ(window.LblFromTo->text(), QStringLiteral("Check #:  101  to  102"));
    EXPECT_TRUE(window.ChkDirDeposit->isVisibleTo(&window));
    EXPECT_TRUE(window.ChkDirDeposit->isChecked());
    EXPECT_FALSE(window.BtnSetup->isEnabled());
    EXPECT_TRUE(window.BtnPrintOne->isEnabled());
    window.BtnPrintAll->click();
    const auto document = window.RptPrintChecks.Document();
    ASSERT_EQ(document->PageCount(), 2);
    EXPECT_EQ(document->pages[0].orientation(), PageOrientation::Landscape);
    const QString text = pdfText(QStringLiteral("printed-1.pdf"));
    EXPECT_TRUE(text.contains(QStringLiteral("FOR DIRECT DEPOSIT ADVICE ONLY")));
    EXPECT_TRUE(text.contains(QStringLiteral("***845.50***")));
}

TEST_F(CheckWindowsTest, WhilePrintingIsOffTheWindowSaysWhyAndTheWayOut)
{
    addCheckEmployee(QStringLiteral("Adams"), false, QStringLiteral("17001"), false, 101);
    addCheckEmployee(QStringLiteral("Baker"), true, QStringLiteral("17002"), true, 102);
    const struct {
        const char* why;
        bool generator;
        bool positions;
        bool printingOff;
    } cases[] = {
        {"first use: no generator, no positions", false, false, true},
        {"blank stock", true, false, false},
        {"pre-printed stock with its positions", false, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        CompanyRec.GenerateChk = c.generator;
        CompanyRec.PrintStub = false;
        for (double* position : {&CompanyRec.vpFullName, &CompanyRec.hpFullName, &CompanyRec.vpCheckDate,
                                 &CompanyRec.hpCheckDate, &CompanyRec.vpAmount, &CompanyRec.hpAmount,
                                 &CompanyRec.vpAmountText, &CompanyRec.hpAmountText})
            *position = c.positions ? 1.5 : 0;
        TFrmCheck window;
        if (c.printingOff)
            screenshot(window, QStringLiteral("check-printing-off.png"));
        else
            window.show();
        EXPECT_EQ(window.BtnPrintAll->isEnabled(), !c.printingOff);
        EXPECT_EQ(window.LblPrintingOff->isVisible(), c.printingOff);
        EXPECT_TRUE(window.LblPrintingOff->text().contains(QStringLiteral("Tools > Check Generator")));
        EXPECT_TRUE(window.LblPrintingOff->text().contains(QStringLiteral("positions with Setup")));
        window.close();
    }
}
