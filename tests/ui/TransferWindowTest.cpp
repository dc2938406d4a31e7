#include "PriorYearFiles.h"
#include "TestSupport.h"

#include "client/PayRecords.h"
#include "client/PriorYearTransfer.h"
#include "client/ui/PayTransfer.h"
#include "platform/AppMessageBox.h"
#include "platform/Folders.h"
#include "platform/Registry.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest/QTest>

using namespace prior_year_bytes;

namespace {

class TransferWindowTest : public LedgoraTest {
protected:
    void SetUp() override
    {
        LedgoraTest::SetUp();
        ResetClientState();
        AppRegistry = std::make_unique<Registry>();
        priorDir = tempPath(QStringLiteral("Prior2025/"));
        QDir().mkpath(priorDir);
        QDir().mkpath(DataDir);
        // Last year's settings were copied before; these tests are about the clients.
        markSettingsTransferred();
    }

    void TearDown() override
    {
        ResetClientState();
        LedgoraTest::TearDown();
    }

    void markSettingsTransferred()
    {
        ASSERT_TRUE(AppRegistry->OpenKey(QStringLiteral("\\") + RegistryRoot + QStringLiteral("Transfer"), true));
        AppRegistry->WriteBool(QStringLiteral("Transferred"), true);
        AppRegistry->CloseKey();
    }

    void writeClient(const QString& name, const QByteArray& companyBytes, const QByteArray& employees)
    {
        WriteTestFile(priorDir + name + QStringLiteral(".C25"), companyBytes);
        WriteTestFile(priorDir + name + QStringLiteral(".P25"), employees);
    }

    void listFolder(TFrmTransfer& w)
    {
        w.Path->setText(priorDir);
        QTest::mouseClick(w.BtnOk, Qt::LeftButton);
    }

    QStringList listed(const TFrmTransfer& w) const
    {
        QStringList items;
        for (int row = 0; row < w.FileListBox->count(); ++row)
            items << w.FileListBox->item(row)->text();
        return items;
    }

    void clickItem(TFrmTransfer& w, int row)
    {
        const QRect area = w.FileListBox->visualItemRect(w.FileListBox->item(row));
        QTest::mouseClick(w.FileListBox->viewport(), Qt::LeftButton, {}, area.center());
    }

    QString priorDir;
};

} // namespace

TEST_F(TransferWindowTest, StartsWithLastYearsDefaultFolderAndRemembersTheOneUsed)
{
    {
        TFrmTransfer w;
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Ledgora Transfer Utility"));
        EXPECT_EQ(w.Path->text(), DocumentsDir() + QStringLiteral("Ledgora/2025/Data"));
        EXPECT_FALSE(w.FileListBox->isEnabled());
        EXPECT_TRUE(w.ChkNoOverwrite->isChecked());
        EXPECT_FALSE(w.LblAlreadyTransferred->isVisible());
        EXPECT_FALSE(w.BtnTransfer->isEnabled());
        w.Path->setText(priorDir);
        w.reject();
    }
    TFrmTransfer again;
    EXPECT_EQ(again.Path->text(), priorDir);
}

TEST_F(TransferWindowTest, OkRefusesABlankFolderAndAFolderWithoutClients)
{
    TFrmTransfer w;
    w.Path->setText(QStringLiteral("   "));
    messages.expect(IdOk, kPriorYearPathMissing);
    QTest::mouseClick(w.BtnOk, Qt::LeftButton);
    messages.expect(IdOk, kPriorYearFilesNotFound);
    listFolder(w);
    EXPECT_TRUE(messages.allAnswered());
    EXPECT_TRUE(w.BtnOk->isEnabled());
    EXPECT_TRUE(w.Path->isEnabled());
    EXPECT_FALSE(w.FileListBox->isEnabled());
}

TEST_F(TransferWindowTest, SelectingClientsCountsThemAndEnablesTheButtons)
{
    writeClient(QStringLiteral("Bravo"), company("Bravo"), employee(1, "B"));
    writeClient(QStringLiteral("Alpha"), company("Alpha"), employee(1, "A"));
    TFrmTransfer w;
    w.show();
    listFolder(w);
    EXPECT_EQ(listed(w), (QStringList{"Alpha.C25", "Bravo.C25"}));
    EXPECT_FALSE(w.Path->isEnabled());
    EXPECT_FALSE(w.BtnOk->isEnabled());
    EXPECT_TRUE(w.LblAlreadyTransferred->isVisible());

    clickItem(w, 1);
    EXPECT_EQ(w.StatusBar->currentMessage(), QStringLiteral(" 1 file selected"));
    EXPECT_TRUE(w.BtnTransfer->isEnabled());
    EXPECT_TRUE(w.BtnSelectAll->isEnabled());
    QTest::mouseClick(w.BtnSelectAll, Qt::LeftButton);
    EXPECT_EQ(w.StatusBar->currentMessage(), QStringLiteral(" 2 files selected"));
    EXPECT_FALSE(w.BtnSelectAll->isEnabled());
    clickItem(w, 0);
    EXPECT_EQ(w.StatusBar->currentMessage(), QStringLiteral(" 1 file selected"));
    QTest::mouseClick(w.BtnDeselectAll, Qt::LeftButton);
    EXPECT_EQ(w.StatusBar->currentMessage(), QStringLiteral(" 0 files selected"));
    EXPECT_FALSE(w.BtnTransfer->isEnabled());
    EXPECT_FALSE(w.BtnDeselectAll->isEnabled());
}

TEST_F(TransferWindowTest, ClearingDoNotOverwriteAsksFirst)
{
    TFrmTransfer w;
    w.show();
    messages.expect(IdNo, QStringLiteral("This may result in LOSS OF DATA, are you sure?"));
    QTest::mouseClick(w.ChkNoOverwrite, Qt::LeftButton);
    EXPECT_TRUE(w.ChkNoOverwrite->isChecked());
    messages.expect(IdYes, QStringLiteral("WARNING!"));
    QTest::mouseClick(w.ChkNoOverwrite, Qt::LeftButton);
    EXPECT_FALSE(w.ChkNoOverwrite->isChecked());
    EXPECT_EQ(messages.last().flags, MbYesNo | MbIconWarning | MbDefButton2);
    QTest::mouseClick(w.ChkNoOverwrite, Qt::LeftButton); // checking again asks nothing
    EXPECT_TRUE(w.ChkNoOverwrite->isChecked());
    EXPECT_TRUE(messages.allAnswered());
}

TEST_F(TransferWindowTest, TransferReportsEachFailureCountsOnlyWholeClientsAndEndsWithExit)
{
    writeClient(QStringLiteral("Alpha"), company("Alpha", 5, "pw"), employee(1, "A"));
    QByteArray cut = employee(1, "B") + employee(2, "C");
    cut.chop(10);
    writeClient(QStringLiteral("Bravo"), company("Bravo"), cut);
    QByteArray gone = employee(1, "D");
    resign(gone);
    writeClient(QStringLiteral("Charlie"), company("Charlie"), gone);
    writeClient(QStringLiteral("Delta"), company("Delta"), employee(1, "E"));
    WriteTestFile(DataDir + QStringLiteral("Delta.C26"), "older");

    TFrmTransfer w;
    w.show();
    listFolder(w);
    EXPECT_EQ(listed(w), (QStringList{"Alpha.C25", "Bravo.C25", "Charlie.C25", "*Delta.C25"}));
    QTest::mouseClick(w.BtnSelectAll, Qt::LeftButton);
    messages.expect(IdOk, QStringLiteral("Bravo.P25: Read beyond end of file."));
    messages.expect(IdOk, kPasswordsNotTransferred);
    QTest::mouseClick(w.BtnTransfer, Qt::LeftButton);
    EXPECT_TRUE(messages.allAnswered());
    EXPECT_TRUE(messages.shown().at(0).text.startsWith(QStringLiteral("The following error occurred during the transfer of file")));
    EXPECT_EQ(messages.shown().at(0).flags, MbIconStop);

    EXPECT_EQ(w.StatusBar->currentMessage(), QStringLiteral(" 4 files selected - 1 file transferred"));
    EXPECT_TRUE(QFile::exists(DataDir + QStringLiteral("Alpha.P26")));
    EXPECT_FALSE(QFile::exists(DataDir + QStringLiteral("Bravo.C26")));
    EXPECT_FALSE(QFile::exists(DataDir + QStringLiteral("Charlie.C26")));
    EXPECT_EQ(ReadTestFile(DataDir + QStringLiteral("Delta.C26")), QByteArray("older"));
    EXPECT_EQ(w.BtnCancel->text(), QStringLiteral("E&xit"));
    EXPECT_TRUE(w.BtnCancel->isEnabled());
    for (QWidget* off : std::initializer_list<QWidget*>{w.FileListBox, w.ChkNoOverwrite, w.BtnSelectAll,
                                                        w.BtnDeselectAll, w.BtnTransfer, w.BtnOk})
        EXPECT_FALSE(off->isEnabled()) << off->objectName().toStdString();
    EXPECT_TRUE(w.FileListBox->selectedItems().isEmpty());
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(TransferWindowTest, RendersWithoutCuttingText)
{
    writeClient(QStringLiteral("Harbor Bakery"), company("Harbor"), employee(1, "A"));
    writeClient(QStringLiteral("Dover Deli"), company("Dover"), employee(1, "A"));
    TFrmTransfer w;
    w.show();
    listFolder(w);
    clickItem(w, 0);
    EXPECT_GE(w.width(), 404);
    for (QLabel* label : w.findChildren<QLabel*>()) {
        if (!label->wordWrap()) {
            EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
        }
    }
    for (QPushButton* button : w.findChildren<QPushButton*>())
        EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
    const QString png = qEnvironmentVariable("LEDGORA_SCREENSHOT_DIR");
    if (!png.isEmpty())
        w.grab().save(png + QStringLiteral("/TransferWindow.png"));
}
