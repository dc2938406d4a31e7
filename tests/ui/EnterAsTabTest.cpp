#include "FieldWindow.h"

#include "components/ui/EnterAsTab.h"
#include "components/ui/FilterEdit.h"

namespace {

class EnterAsTabTest : public LedgoraTest {
protected:
    void SetUp() override
    {
        LedgoraTest::SetUp();
        form = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(form.get());
        for (auto*& field : fields) {
            field = new TFilterEdit(form.get());
            layout->addWidget(field);
        }
        button = new QPushButton(QStringLiteral("OK"), form.get());
        layout->addWidget(button);
        enterAsTab = new TEnterAsTab(form.get());
        enterAsTab->setParentForm(form.get());
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    void TearDown() override
    {
        form.reset();
        LedgoraTest::TearDown();
    }

    std::unique_ptr<QWidget> form;
    TFilterEdit* fields[3] = {};
    QPushButton* button = nullptr;
    TEnterAsTab* enterAsTab = nullptr;
};

void press(Qt::Key key)
{
    QTest::keyClick(QApplication::focusWidget(), key);
}

} // namespace

TEST_F(EnterAsTabTest, StartsAsTheScreensExpect)
{
    TEnterAsTab fresh;
    EXPECT_TRUE(fresh.enterAsTabKey());
    EXPECT_FALSE(fresh.escapeAsClose());
    EXPECT_EQ(fresh.parentForm(), nullptr);
    EXPECT_EQ(enterAsTab->parentForm(), form.get());
}

TEST_F(EnterAsTabTest, EnterMovesThroughTheTabOrderAndWraps)
{
    fields[0]->setFocus();
    press(Qt::Key_Return);
    EXPECT_TRUE(fields[1]->hasFocus());
    press(Qt::Key_Enter);
    EXPECT_TRUE(fields[2]->hasFocus());
    // The button takes Enter as a click; from the last field the focus wraps to the first.
    int clicked = 0;
    QObject::connect(button, &QPushButton::clicked, button, [&] { ++clicked; });
    press(Qt::Key_Return);
    EXPECT_TRUE(button->hasFocus());
    press(Qt::Key_Return);
    EXPECT_EQ(clicked, 1);
    fields[2]->setFocus();
    QWidget::setTabOrder(fields[2], fields[0]);
    button->setFocusPolicy(Qt::NoFocus);
    press(Qt::Key_Return);
    EXPECT_TRUE(fields[0]->hasFocus());
}

TEST_F(EnterAsTabTest, EnterIsLeftAloneWhenSwitchedOff)
{
    enterAsTab->setEnterAsTabKey(false);
    fields[0]->setFocus();
    press(Qt::Key_Return);
    EXPECT_TRUE(fields[0]->hasFocus());
}

TEST_F(EnterAsTabTest, EscapeClosesOnlyWhenAsked)
{
    fields[0]->setFocus();
    press(Qt::Key_Escape);
    EXPECT_TRUE(form->isVisible());
    enterAsTab->setEscapeAsClose(true);
    press(Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
}
