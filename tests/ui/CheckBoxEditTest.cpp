#include "FieldWindow.h"

#include "components/ui/CheckBoxEdit.h"

namespace {
class CheckBoxEditTest : public FieldWindowTest {};
}

TEST_F(CheckBoxEditTest, ClickAndSpaceToggleOtherKeysDoNothing)
{
    auto* box = add<TCheckBoxEdit>();
    EXPECT_FALSE(box->checked());
    EXPECT_EQ(box->textAlignment(), taCenter);
    EXPECT_EQ(box->maxLength(), 1);
    int clicks = 0;
    QObject::connect(box, &TCheckBoxEdit::clicked, box, [&] { ++clicks; });
    show();
    click(box);
    EXPECT_TRUE(box->checked());
    EXPECT_EQ(box->text(), QStringLiteral("X"));
    EXPECT_EQ(clicks, 1);
    type(QStringLiteral(" "));
    EXPECT_FALSE(box->checked());
    EXPECT_EQ(box->text(), QString());
    for (Qt::Key other : {Qt::Key_X, Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Left, Qt::Key_A})
        key(other);
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), QString());
    type(QStringLiteral(" "));
    for (Qt::Key other : {Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Z})
        key(other);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box->text(), QStringLiteral("X"));
}

TEST_F(CheckBoxEditTest, DoubleClickTogglesOnce)
{
    auto* box = add<TCheckBoxEdit>();
    show();
    // A double click arrives as a click, then a double click in place of the second press, then a release.
    click(box);
    QTest::mouseDClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
    QTest::mouseRelease(box, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
    EXPECT_TRUE(box->checked());
}

TEST_F(CheckBoxEditTest, ReadOnlyBoxStaysButStillReportsTheClick)
{
    auto* box = add<TCheckBoxEdit>();
    box->setReadOnly(true);
    int clicks = 0;
    QObject::connect(box, &TCheckBoxEdit::clicked, box, [&] { ++clicks; });
    show();
    click(box);
    type(QStringLiteral(" "));
    EXPECT_FALSE(box->checked());
    EXPECT_EQ(clicks, 1);
}

TEST_F(CheckBoxEditTest, TheTextIsTheOneRecordOfTheState)
{
    auto* box = add<TCheckBoxEdit>();
    box->setChecked(true);
    box->setText(QString());
    EXPECT_FALSE(box->checked());
    // Checking again must show the mark, whatever was set before.
    box->setChecked(true);
    EXPECT_EQ(box->text(), QStringLiteral("X"));
    box->setText(QStringLiteral("X"));
    box->setChecked(false);
    EXPECT_EQ(box->text(), QString());
}

TEST_F(CheckBoxEditTest, EscapeStillReachesTheWindow)
{
    add<TCheckBoxEdit>();
    show();
    key(Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}
