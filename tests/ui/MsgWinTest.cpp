#include "TestSupport.h"
#include "TextRoom.h"

#include "components/ui/MsgWin.h"
#include "platform/Exceptions.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

int openMessageWindows()
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<TFrmMsgWin*>(widget))
            ++count;
    return count;
}

class MsgWinTest : public LedgoraTest {
protected:
    void TearDown() override
    {
        CloseMsgWin();
        LedgoraTest::TearDown();
    }
};

} // namespace

TEST_F(MsgWinTest, ShowsTheTextBeforeTheWorkStarts)
{
    ShowMsgWin(QStringLiteral("Backup"), QStringLiteral("Copying client files. Please wait..."));
    ASSERT_TRUE(FrmMsgWin);
    EXPECT_TRUE(FrmMsgWin->isVisible());
    EXPECT_FALSE(FrmMsgWin->isModal());
    EXPECT_EQ(FrmMsgWin->windowTitle(), QStringLiteral("Backup"));
    EXPECT_EQ(FrmMsgWin->LblMsg->text(), QStringLiteral("Copying client files. Please wait..."));
    EXPECT_TRUE(FrmMsgWin->LblMsg->font().bold());
    EXPECT_TRUE(FrmMsgWin->LblMsg->wordWrap());
    EXPECT_EQ(FrmMsgWin->size(), QSize(320, 83));
    EXPECT_FALSE(FrmMsgWin->windowFlags() & Qt::WindowCloseButtonHint);

    CloseMsgWin();
    EXPECT_FALSE(FrmMsgWin);
    EXPECT_EQ(openMessageWindows(), 0);
}

TEST_F(MsgWinTest, CloseWithoutAWindowDoesNothing)
{
    CloseMsgWin();
    ShowMsgWin(QStringLiteral("Update"), QStringLiteral("Downloading..."));
    CloseMsgWin();
    CloseMsgWin();
    EXPECT_FALSE(FrmMsgWin);
    EXPECT_EQ(openMessageWindows(), 0);
}

TEST_F(MsgWinTest, ASecondWindowReplacesTheFirst)
{
    ShowMsgWin(QStringLiteral("Transfer"), QStringLiteral("Reading last year's files..."));
    QPointer<TFrmMsgWin> first = FrmMsgWin;
    ShowMsgWin(QStringLiteral("Transfer"), QStringLiteral("Writing this year's files..."));
    EXPECT_FALSE(first);
    EXPECT_EQ(openMessageWindows(), 1);
    EXPECT_EQ(FrmMsgWin->LblMsg->text(), QStringLiteral("Writing this year's files..."));
    CloseMsgWin();
    EXPECT_EQ(openMessageWindows(), 0);
}

TEST_F(MsgWinTest, TheScopeClosesTheWindowWhenTheWorkFails)
{
    const auto work = [] {
        const MsgWinScope wait(QStringLiteral("Backup"), QStringLiteral("Copying client files. Please wait..."));
        EXPECT_TRUE(FrmMsgWin);
        throw ECopyFileException(QStringLiteral("Unable to copy file"));
    };
    EXPECT_THROW(work(), ECopyFileException);
    EXPECT_FALSE(FrmMsgWin);
    EXPECT_EQ(openMessageWindows(), 0);

    {
        const MsgWinScope wait(QStringLiteral("Backup"), QStringLiteral("Copying..."));
    }
    EXPECT_EQ(openMessageWindows(), 0);
}

TEST_F(MsgWinTest, CancelAsksTheWorkToStopAndTheWindowWaitsForIt)
{
    int cancels = 0;
    ShowMsgWin(QStringLiteral("Ledgora 2026"), QStringLiteral("Downloading Update... Please Wait"), [&] { ++cancels; });
    ASSERT_TRUE(FrmMsgWin);
    ASSERT_TRUE(FrmMsgWin->BtnCancel);
    EXPECT_TRUE(FrmMsgWin->isModal());
    EXPECT_TRUE(CutTexts(*FrmMsgWin).isEmpty()) << CutTexts(*FrmMsgWin).join(QChar('\n')).toStdString();

    QTest::mouseClick(FrmMsgWin->BtnCancel, Qt::LeftButton);
    QTest::keyClick(FrmMsgWin, Qt::Key_Escape);
    FrmMsgWin->close();
    EXPECT_EQ(cancels, 3);
    // The work that was asked to stop closes the window when it has.
    EXPECT_TRUE(FrmMsgWin && FrmMsgWin->isVisible());
    CloseMsgWin();
    EXPECT_EQ(openMessageWindows(), 0);
}
