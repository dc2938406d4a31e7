#include "TestSupport.h"

#include "client/ClientPassword.h"
#include "client/PasswordPrompt.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/ui/Backup.h"
#include "client/ui/Launchers.h"
#include "client/ui/NewFileDlg.h"
#include "client/ui/Password.h"
#include "client/ui/PayMain.h"
#include "client/ui/Startup.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/MsgWin.h"
#include "platform/AppMessageBox.h"
#include "platform/Registry.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QtTest/QTest>

namespace {

using enum MenuItem;

// The client-file commands as the user reaches them: through the main window's menus, toolbar and
// launch panel, with the program's own dialogs.
class ClientFileMenuTest : public LedgoraTest {
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
        // The setup screens New shows belong to other windows; here they only record their turn.
        for (Launch screen : {Launch::TFrmCompany, Launch::TFrmState, Launch::TFrmCity, Launch::TFrmEmployee})
            SetLauncher(screen, [this, screen](TFrmMain&, MenuItem) { screens.push_back(screen); });
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

    // File > New with the name typed into the new-client dialog.
    void newClient(const QString& name)
    {
        dialogs.onNextModal([name](QDialog& shown) {
            auto& dlg = dynamic_cast<TFrmNewFileDlg&>(shown);
            QTest::keyClicks(dlg.NewFileName, name);
            dlg.BtnOk->click();
        });
        main->item(MnuNew)->trigger();
    }

    QAction* recent(int k) const { return main->item(static_cast<MenuItem>(static_cast<int>(MnuMRU0) + k)); }

    std::unique_ptr<LedgoraSession> session;
    TFrmMain* main = nullptr;
    std::vector<Launch> screens;

private:
    QString savedFolder_;
};

} // namespace

TEST_F(ClientFileMenuTest, NewThenCloseFillsRecentClients)
{
    EXPECT_FALSE(main->item(MnuRecentClients)->isEnabled());
    newClient(QStringLiteral("Smith & Sons"));
    EXPECT_EQ(screens, (std::vector<Launch>{Launch::TFrmCompany, Launch::TFrmState, Launch::TFrmCity,
                                            Launch::TFrmEmployee}));
    EXPECT_TRUE(FileIsOpen);
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Ledgora Version 2026.00 - Smith & Sons"));
    EXPECT_TRUE(main->item(MnuClose)->isEnabled());
    EXPECT_TRUE(main->item(MnuRecentClients)->isEnabled());
    EXPECT_EQ(recent(0)->text(), QStringLiteral("&0 ") + TemplateFileName);
    EXPECT_TRUE(recent(0)->isVisible());
    EXPECT_FALSE(recent(1)->isVisible());

    main->item(MnuClose)->trigger();
    EXPECT_FALSE(FileIsOpen);
    EXPECT_FALSE(main->item(MnuClose)->isEnabled());
    EXPECT_EQ(main->CurFilePanel()->text(), QStringLiteral("No Client File Open"));
    EXPECT_EQ(recent(0)->text(), QStringLiteral("&0 ") + DataDir + QStringLiteral("Smith && Sons.P26"));
    EXPECT_EQ(recent(1)->text(), QStringLiteral("&1 ") + TemplateFileName);

    // The second entry opens the template again.
    recent(1)->trigger();
    EXPECT_TRUE(FileIsOpen);
    EXPECT_EQ(CurFileName, TemplateFileName);
    EXPECT_FALSE(main->item(MnuPosting)->isEnabled());
}

TEST_F(ClientFileMenuTest, BackupFromTheToolbarWithItsWindow)
{
    newClient(QStringLiteral("ACME"));
    const QString stick = tempPath(QStringLiteral("usb"));
    ASSERT_TRUE(QDir().mkpath(stick));
    dialogs.onNextModal([stick](QDialog& shown) {
        auto& dlg = dynamic_cast<TFrmBackup&>(shown);
        EXPECT_EQ(dlg.LblFileName->text(), QStringLiteral("ACME.P26"));
        dlg.Path->setText(stick);
        dlg.BtnOk->click();
    });
    messages.expect(IdOk, QStringLiteral("Backup completed successfully"));
    main->button(BtnBackup)->click();
    EXPECT_TRUE(BackupCompleted);
    EXPECT_TRUE(QFileInfo::exists(stick + QStringLiteral("/ACME.P26")));
    EXPECT_TRUE(QFileInfo::exists(stick + QStringLiteral("/ACME.C26")));
    EXPECT_TRUE(FrmMsgWin.isNull());
    EXPECT_TRUE(FileIsOpen);
}

TEST_F(ClientFileMenuTest, BackupWithoutADestinationSaysWhatIsMissing)
{
    newClient(QStringLiteral("ACME"));
    dialogs.onNextModal([this](QDialog& shown) {
        auto& dlg = dynamic_cast<TFrmBackup&>(shown);
        dlg.Path->setText(QStringLiteral("   "));
        messages.expect(IdOk, QStringLiteral("Enter the folder to back up the client to"));
        dlg.BtnOk->click();
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(messages.last().caption, QStringLiteral("Ledgora Client Backup"));
        dlg.BtnCancel->click();
    });
    main->button(BtnBackup)->click();
    EXPECT_FALSE(BackupCompleted);
    EXPECT_TRUE(FileIsOpen);
}

TEST_F(ClientFileMenuTest, SaveAsFromTheLaunchPanel)
{
    newClient(QStringLiteral("ACME"));
    const QString target = DataDir + QStringLiteral("Copy.2026.old");
    dialogs.onNextFileDialog(target);
    messages.expect(IdOk, QStringLiteral("File save completed successfully"));
    main->LabelClick(101);
    EXPECT_EQ(CurFileName, DataDir + QStringLiteral("Copy.P26"));
    EXPECT_EQ(main->CurFilePanel()->text(), QStringLiteral("Current File: ") + DataDir + QStringLiteral("Copy.P26"));
    EXPECT_EQ(recent(0)->text(), QStringLiteral("&0 ") + DataDir + QStringLiteral("ACME.P26"));
}

TEST_F(ClientFileMenuTest, PasswordWindowFromTheToolsMenu)
{
    newClient(QStringLiteral("ACME"));
    dialogs.onNextModal([](QDialog& shown) {
        auto& dlg = dynamic_cast<TFrmPassword&>(shown);
        QTest::keyClicks(dlg.PW1, QStringLiteral("Pay2026"));
        QTest::keyClicks(dlg.PW2, QStringLiteral("Pay2026"));
        dlg.BtnOk->click();
    });
    main->item(MnuPassword)->trigger();
    EXPECT_EQ(CurrentClientPassword(), QStringLiteral("Pay2026"));
}
