#include "../client/ClientFixture.h"

#include "client/ClientPassword.h"
#include "client/PasswordScramble.h"
#include "client/ui/Backup.h"
#include "client/ui/ClientFolderAsk.h"
#include "client/ui/NewFileDlg.h"
#include "client/ui/Password.h"
#include "client/ui/Restore.h"
#include "components/ui/FilterEdit.h"
#include "platform/AppMessageBox.h"
#include "platform/ui/ShowModal.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>

using ClientFileDialogsTest = LedgoraTest;

TEST_F(ClientFileDialogsTest, NewFileDialogTakesOnlyFileNameCharacters)
{
    dialogs.onNextModal([](QDialog& shown) {
        auto& dlg = dynamic_cast<TFrmNewFileDlg&>(shown);
        EXPECT_EQ(dlg.windowTitle(), QStringLiteral("New Company/Employer Payroll File"));
        EXPECT_EQ(dlg.Label1->text(), QStringLiteral("Enter the name of the Company/Employer file to be created"));
        EXPECT_TRUE(dlg.NewFileName->text().isEmpty());
        QTest::keyClicks(dlg.NewFileName, QStringLiteral("Smith & Sons, Inc./2026 {x}"));
        EXPECT_EQ(dlg.NewFileName->text(), QStringLiteral("Smith & Sons, Inc2026 {x}"));
        QTest::keyClick(dlg.NewFileName, Qt::Key_Return);
    });
    EXPECT_EQ(AskNewFileName(), QStringLiteral("Smith & Sons, Inc2026 {x}"));
}

TEST_F(ClientFileDialogsTest, NewFileDialogWithABlankNameIsCancelled)
{
    dialogs.onNextModal([](QDialog& shown) {
        auto& dlg = dynamic_cast<TFrmNewFileDlg&>(shown);
        QTest::keyClicks(dlg.NewFileName, QStringLiteral("   "));
        dlg.BtnOk->click();
    });
    EXPECT_EQ(AskNewFileName(), std::nullopt);

    dialogs.onNextModal([](QDialog& shown) {
        auto& dlg = dynamic_cast<TFrmNewFileDlg&>(shown);
        QTest::keyClicks(dlg.NewFileName, QStringLiteral("ACME"));
        QTest::keyClick(dlg.NewFileName, Qt::Key_Escape);
    });
    EXPECT_EQ(AskNewFileName(), std::nullopt);

    dialogs.onNextModal([](QDialog& shown) {
        auto& dlg = dynamic_cast<TFrmNewFileDlg&>(shown);
        dlg.NewFileName->setText(QString(60, QChar('x')));
        EXPECT_EQ(dlg.NewFileName->text().size(), 50);
        dlg.BtnOk->click();
    });
    EXPECT_EQ(AskNewFileName(), QString(50, QChar('x')));
}

TEST_F(ClientFileDialogsTest, BackupWindowShowsTheClientAndBrowsesForAFolder)
{
    const QString picked = tempPath(QStringLiteral("usb"));
    dialogs.onNextFileDialog(picked);
    dialogs.onNextModal([&](QDialog& shown) {
        auto& dlg = dynamic_cast<TFrmBackup&>(shown);
        EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Ledgora Client Backup"));
        EXPECT_EQ(dlg.GrpCurrent->title(), QStringLiteral(" Current Client: "));
        EXPECT_EQ(dlg.GrpFolder->title(), QStringLiteral(" Backup Current Client To: "));
        EXPECT_TRUE(dlg.LblExplanation->text().startsWith(QStringLiteral("You are about to make a backup")));
        EXPECT_EQ(dlg.LblFileName->text(), QStringLiteral("Smith & Sons.P26"));
        EXPECT_EQ(dlg.LblLocation->text(), QStringLiteral("/data/"));
        EXPECT_EQ(dlg.Path->text(), QStringLiteral("/old"));
        dlg.BtnBrowse->click();
        EXPECT_EQ(dlg.Path->text(), picked);
        dlg.BtnOk->click();
    });
    EXPECT_EQ(AskClientFolder(ClientFileHost::FolderDialog::Backup, QStringLiteral("Smith & Sons.P26"),
                              QStringLiteral("/data/"), QStringLiteral("/old")),
              picked);
    ASSERT_EQ(dialogs.fileRequests().size(), 1u);
    EXPECT_EQ(dialogs.fileRequests()[0].kind, FileDialogRequest::Kind::Folder);
    EXPECT_EQ(dialogs.fileRequests()[0].caption, QStringLiteral("Select the backup to folder"));
}

TEST_F(ClientFileDialogsTest, RestoreWindowCancelledGivesNothing)
{
    dialogs.onNextFileDialog(std::nullopt);
    dialogs.onNextModal([](QDialog& shown) {
        auto& dlg = dynamic_cast<TFrmRestore&>(shown);
        EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Ledgora Restore Client Backup"));
        EXPECT_EQ(dlg.GrpFolder->title(), QStringLiteral(" Restore Current Client Backup From: "));
        dlg.BtnBrowse->click();  // the picker cancelled keeps the folder typed
        EXPECT_EQ(dlg.Path->text(), QStringLiteral("/backups"));
        dlg.BtnCancel->click();
    });
    EXPECT_EQ(AskClientFolder(ClientFileHost::FolderDialog::Restore, QStringLiteral("ACME.P26"),
                              QStringLiteral("/data/"), QStringLiteral("/backups")),
              std::nullopt);
    EXPECT_EQ(dialogs.fileRequests()[0].caption, QStringLiteral("Select the folder to restore from"));
}

using PasswordWindowTest = ClientTest;

TEST_F(PasswordWindowTest, ShowsThePasswordInForceAndRefusesAShortOne)
{
    openClient();
    ASSERT_TRUE(SaveClientPassword(QStringLiteral("Old12"), QStringLiteral("Old12")));
    messages.expect(IdOk, QStringLiteral("The Password cannot be less than 5 characters"));
    dialogs.onNextModal([](QDialog& shown) {
        auto& dlg = dynamic_cast<TFrmPassword&>(shown);
        EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Set/Change Password"));
        EXPECT_EQ(dlg.PW1->text(), QStringLiteral("Old12"));
        EXPECT_EQ(dlg.PW1->displayText(), QStringLiteral("*****"));
        EXPECT_TRUE(dlg.PW2->text().isEmpty());
        EXPECT_EQ(dlg.BtnHelp->toolTip(), QStringLiteral("Form Help"));

        dlg.PW1->clear();
        QTest::keyClicks(dlg.PW1, QStringLiteral("ab-c d"));
        EXPECT_EQ(dlg.PW1->text(), QStringLiteral("abcd"));
        QTest::keyClick(dlg.PW1, Qt::Key_Return);  // Enter moves on
        EXPECT_EQ(dlg.focusWidget(), dlg.PW2);
        QTest::keyClicks(dlg.PW2, QStringLiteral("abcd"));
        dlg.BtnOk->click();
        EXPECT_TRUE(dlg.isVisible());

        QTest::keyClicks(dlg.PW1, QStringLiteral("$"));
        QTest::keyClicks(dlg.PW2, QStringLiteral("$"));
        dlg.BtnOk->click();
        EXPECT_FALSE(dlg.isVisible());
    });
    TFrmPassword window;
    EXPECT_EQ(ShowModal(window), QDialog::Accepted);
    EXPECT_EQ(CurrentClientPassword(), QStringLiteral("abcd$"));
}

TEST_F(PasswordWindowTest, CancelKeepsThePasswordAndHelpShowsItsTopic)
{
    openClient();
    int helpShown = 0;
    dialogs.onNextModal([&](QDialog& shown) {
        auto& dlg = dynamic_cast<TFrmPassword&>(shown);
        dlg.OnHelp = [&](int context) { helpShown = context; };
        QTest::keyClicks(dlg.PW1, QStringLiteral("Secret1"));
        dlg.BtnHelp->click();
        dlg.BtnCancel->click();
    });
    TFrmPassword window;
    EXPECT_EQ(ShowModal(window), QDialog::Rejected);
    EXPECT_EQ(helpShown, 44);
    EXPECT_TRUE(CompanyRec.FilePassword.get().isEmpty());
}
