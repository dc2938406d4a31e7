#include "TestSupport.h"

#include "client/PayRecords.h"
#include "components/ui/TabbedListBox.h"
#include "forms/W2CodeLists.h"
#include "forms/ui/IRSBox12Codes.h"
#include "forms/ui/TTOBox14bCodes.h"
#include "forms/ui/W2FormType.h"
#include "platform/ui/ShowModal.h"

#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

class W2CodeListsTest : public LedgoraTest {
protected:
    void TearDown() override
    {
        ResetClientState();
        LedgoraTest::TearDown();
    }

    // Saves a picture of the window into LEDGORA_SCREENSHOT_DIR, when set, to be looked at.
    static void shoot(QWidget& window, const QString& name)
    {
        const QString folder = qEnvironmentVariable("LEDGORA_SCREENSHOT_DIR");
        if (!folder.isEmpty())
            window.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
    }

    // Picks the line at row with OK (or a double click) and returns the code the list gives back.
    QString pick(TCodeListDialog& list, int row, bool doubleClick = false)
    {
        dialogs.onNextModal([&, row, doubleClick](QDialog&) {
            list.CodesListBox->setCurrentRow(row);
            if (doubleClick)
                emit list.CodesListBox->itemDoubleClicked(list.CodesListBox->item(row));
            else
                list.BtnOk->click();
        });
        return PickCode(list);
    }
};

TEST_F(W2CodeListsTest, Box12ListHasThe2026CodesInOrder)
{
    const QStringList items = Box12CodeItems();
    ASSERT_EQ(items.size(), 33);
    QStringList codes;
    for (const QString& item : items)
        codes << CodeOfItem(item);
    EXPECT_EQ(codes.mid(20, 3), QStringList({QStringLiteral("Y"), QStringLiteral("Z"), QStringLiteral("AA")}));
    EXPECT_EQ(codes.mid(29), QStringList({QStringLiteral("II"), QStringLiteral("TA"), QStringLiteral("TP"), QStringLiteral("TT")}));
    EXPECT_FALSE(codes.contains(QStringLiteral("TS")));
    for (const QString& item : items)
        EXPECT_FALSE(IsCodeListHeading(item)) << item.toStdString();

    TFrmIRSBox12Codes list;
    EXPECT_EQ(list.windowTitle(), QStringLiteral("IRS Box 12 Codes "));
    EXPECT_EQ(pick(list, 21), QStringLiteral("Z"));
    EXPECT_EQ(pick(list, 22), QStringLiteral("AA"));
    EXPECT_EQ(pick(list, 32, true), QStringLiteral("TT"));
    dialogs.onNextModal([&](QDialog&) {
        shoot(list, QStringLiteral("IRSBox12Codes"));
        list.BtnCancel->click();
    });
    EXPECT_EQ(PickCode(list), QString());
    EXPECT_EQ(list.Selected, -1);
}

TEST_F(W2CodeListsTest, Box14bHeadingsCannotBePicked)
{
    const QStringList items = TippedOccupationCodeItems();
    ASSERT_EQ(items.size(), 77);
    QList<int> headings;
    for (int row = 0; row < items.size(); ++row) {
        if (IsCodeListHeading(items[row]))
            headings << row;
    }
    EXPECT_EQ(headings, QList<int>({1, 12, 24, 29, 39, 48, 60, 67}));
    EXPECT_EQ(items[29], QStringLiteral("HOME SERVICES:"));

    TFrmTTOBox14bCodes list;
    EXPECT_EQ(list.windowTitle(), QStringLiteral("Treasury Tipped Occupation Box 14b Codes "));
    EXPECT_EQ(pick(list, 0), QStringLiteral("000"));
    EXPECT_EQ(pick(list, 76), QStringLiteral("809"));

    // OK and a double click on a heading keep the list open.
    dialogs.onNextModal([&](QDialog&) {
        list.CodesListBox->setCurrentRow(29);
        list.BtnOk->click();
        EXPECT_TRUE(list.isVisible());
        EXPECT_EQ(list.Selected, 29);
        emit list.CodesListBox->itemDoubleClicked(list.CodesListBox->item(29));
        EXPECT_TRUE(list.isVisible());
        list.CodesListBox->setCurrentRow(31);
        shoot(list, QStringLiteral("TTOBox14bCodes"));
        list.BtnOk->click();
    });
    EXPECT_EQ(PickCode(list), QStringLiteral("402"));
}

TEST_F(W2CodeListsTest, FormTypeKeepsTheCopyChosenEvenOnCancel)
{
    W2CopyType = 2;
    MaskSSNOnCopies = false;
    TFrmFormType dialog;
    dialogs.onNextModal([&](QDialog&) {
        EXPECT_TRUE(dialog.RbState->isChecked());
        EXPECT_TRUE(dialog.ChkMaskSSN->isChecked());
        EXPECT_TRUE(MaskSSNOnCopies);
        shoot(dialog, QStringLiteral("FormType"));
        dialog.RbSSA->setChecked(true);
        dialog.ChkMaskSSN->setChecked(false);
        EXPECT_FALSE(MaskSSNOnCopies);
        dialog.BtnCancel->click();
    });
    EXPECT_EQ(ShowModal(dialog), QDialog::Rejected);
    EXPECT_EQ(W2CopyType, 3);
    EXPECT_FALSE(MaskSSNOnCopies);

    // Opened again, the mask is on; the copy is the last one chosen.
    dialogs.onNextModal([&](QDialog&) {
        EXPECT_TRUE(dialog.RbSSA->isChecked());
        EXPECT_TRUE(MaskSSNOnCopies);
        dialog.RbEmployer->setChecked(true);
        dialog.BtnOk->click();
    });
    EXPECT_EQ(ShowModal(dialog), QDialog::Accepted);
    EXPECT_EQ(W2CopyType, 1);
    EXPECT_TRUE(MaskSSNOnCopies);
}

} // namespace
