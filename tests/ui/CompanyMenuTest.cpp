#include "TestSupport.h"

#include "client/PasswordPrompt.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/ui/Launchers.h"
#include "client/ui/NewFileDlg.h"
#include "client/ui/PayCompany.h"
#include "client/ui/PayMain.h"
#include "client/ui/PayState.h"
#include "client/ui/Startup.h"
#include "components/StateTables.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/RSNavigator.h"
#include "components/ui/StateEdit.h"
#include "platform/AppMessageBox.h"
#include "platform/Registry.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QToolButton>
#include <QtTest/QTest>

namespace {

using enum MenuItem;

// The company screen as the main window's commands open it.
class CompanyMenuTest : public LedgoraTest {
protected:
    void SetUp() override
    {
        LedgoraTest::SetUp();
        savedFolder_ = QDir::currentPath();
        ResetClientState();
        ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/LEDGORA.FTT"),
                                programDir() + QStringLiteral("/LEDGORA.FTT")));
        {
            Registry registry;
            ASSERT_TRUE(registry.OpenKey(QStringLiteral("Software\\Ledgora\\2026\\Splash"), true));
            registry.WriteBool(QStringLiteral("Display"), false);
            registry.CloseKey();
        }
        SetPasswordPromptHandler([](const QString&, const QString&, const QString&) {
            ADD_FAILURE() << "Unexpected password prompt";
            return PasswordAnswer::Cancelled;
        });
        MainWindowOptions options;
        options.splashMilliseconds = 0;
        session = StartLedgora(QSize(1280, 1024), options);
        ASSERT_TRUE(session);
        main = session->mainWindow.get();
        // New goes on to the state, city and employee screens, which are not these tests' business.
        for (Launch other : {Launch::TFrmState, Launch::TFrmCity, Launch::TFrmEmployee})
            SetLauncher(other, [](TFrmMain&, MenuItem) {});
    }

    void TearDown() override
    {
        session.reset();
        InstallLaunchers();
        SetPasswordPromptHandler(nullptr);
        ResetClientState();
        QDir::setCurrent(savedFolder_);
        LedgoraTest::TearDown();
    }

    // The next company screen is handed to drive.
    void onCompanyScreen(std::function<void(TFrmCompany&)> drive)
    {
        dialogs.onNextModal([drive](QDialog& shown) { drive(dynamic_cast<TFrmCompany&>(shown)); });
    }

    void openClient(const QString& path)
    {
        dialogs.onNextFileDialog(path);
        main->item(MnuOpen)->trigger();
    }

    std::unique_ptr<LedgoraSession> session;
    TFrmMain* main = nullptr;

private:
    QString savedFolder_;
};

void FillScreen(TFrmCompany& s)
{
    s.Address->setText(QStringLiteral("12 Main St"));
    s.City->setText(QStringLiteral("Springfield"));
    s.State->setCurrentIndex(StateCodeIndex(QStringLiteral("IL")));
    s.ZipCode->setText(QStringLiteral("62701"));
    s.PhoneNumber->setText(QStringLiteral("217-555-0100"));
    s.FederalID->setText(QStringLiteral("36-1234567"));
    s.FourCharID->setText(QStringLiteral("ACME"));
}

} // namespace

TEST_F(CompanyMenuTest, IncompleteSetupOpensTheScreenUntilItIsFilled)
{
    // New shows the screen with the name typed; leaving it unfilled is allowed after the question.
    dialogs.onNextModal([](QDialog& shown) {
        auto& dlg = dynamic_cast<TFrmNewFileDlg&>(shown);
        QTest::keyClicks(dlg.NewFileName, QStringLiteral("ACME"));
        dlg.BtnOk->click();
    });
    onCompanyScreen([this](TFrmCompany& s) {
        EXPECT_EQ(s.Name->text(), QStringLiteral("ACME"));
        messages.expect(IdOk, QStringLiteral("Address is missing"));
        messages.expect(IdYes, TSetupScreen::kCloseWithoutSaving);
        s.reject();
    });
    main->item(MnuNew)->trigger();
    ASSERT_TRUE(FileIsOpen);
    const QString client = CurFileName;
    main->item(MnuClose)->trigger();

    // Open finds the setup incomplete: the screen comes, is filled and closed.
    onCompanyScreen([](TFrmCompany& s) {
        FillScreen(s);
        s.StateID->setText(QStringLiteral("1234-5678"));
        s.UnempMaxWage->setValue(13916);
        s.BtnClose->click();
    });
    openClient(client);
    EXPECT_TRUE(dialogs.allUsed());
    main->item(MnuClose)->trigger();

    // Complete now: Open shows no screen; the Company item shows the values kept.
    openClient(client);
    ASSERT_TRUE(FileIsOpen);
    onCompanyScreen([](TFrmCompany& s) {
        EXPECT_EQ(s.Address->text(), QStringLiteral("12 Main St"));
        EXPECT_EQ(s.FederalID->displayText(), QStringLiteral("36-1234567"));
        EXPECT_EQ(s.CurrentState->text(), QLatin1String(StateCodes[0]));
        EXPECT_EQ(s.UnempMaxWage->value(), 13916);
        EXPECT_FALSE(PaintedColor(s.URL_EFTPS).isValid());
        s.BtnClose->click();
    });
    main->item(MnuCompany)->trigger();
    EXPECT_EQ(CompanyCityStateZip, QStringLiteral("Springfield IL 62701"));

    // Electronic Tax Payments > Setup: the two addresses yellow, the focus in Federal.
    onCompanyScreen([](TFrmCompany& s) {
        EXPECT_EQ(PaintedColor(s.URL_EFTPS), QColor(Qt::yellow));
        EXPECT_EQ(PaintedColor(s.URL_State), QColor(Qt::yellow));
        EXPECT_EQ(s.focusWidget(), s.URL_EFTPS);
        s.URL_EFTPS->setText(QStringLiteral("https://www.eftps.gov"));
        s.BtnClose->click();
    });
    main->item(MnuURLSetup)->trigger();
    EXPECT_EQ(FederalTaxPaymentURL, QStringLiteral("https://www.eftps.gov"));
}

TEST_F(CompanyMenuTest, StateScreenMovesTheCompanyToTheStateShownLast)
{
    dialogs.onNextModal([](QDialog& shown) {
        auto& dlg = dynamic_cast<TFrmNewFileDlg&>(shown);
        QTest::keyClicks(dlg.NewFileName, QStringLiteral("ACME"));
        dlg.BtnOk->click();
    });
    onCompanyScreen([](TFrmCompany& s) {
        FillScreen(s);
        s.BtnClose->click();
    });
    main->item(MnuNew)->trigger();
    ASSERT_TRUE(FileIsOpen);
    CompanyRec.CurrentState = StateCodeIndex(QStringLiteral("NJ")) + 1;

    InstallLaunchers();
    dialogs.onNextModal([](QDialog& shown) {
        auto& s = dynamic_cast<TFrmState&>(shown);
        EXPECT_EQ(s.windowTitle(), QStringLiteral("State Tax Rates Tables for New Jersey (NJ)"));
        s.RSNavigator->Button(nbFirst)->click();
        s.BtnClose->click();
    });
    main->item(MnuState)->trigger();

    onCompanyScreen([](TFrmCompany& s) {
        EXPECT_EQ(s.CurrentState->text(), QStringLiteral("AK"));
        s.BtnClose->click();
    });
    main->item(MnuCompany)->trigger();
}
