#include "FieldWindow.h"

#include "components/StateTables.h"
#include "components/ui/StateEdit.h"

namespace {
class StateEditTest : public FieldWindowTest {};
}

TEST_F(StateEditTest, OffersTheFiftyFourCodesAndNoState)
{
    auto* state = add<TStateEdit>();
    EXPECT_EQ(state->count(), StateCount);
    EXPECT_EQ(state->itemText(0), QStringLiteral("AK"));
    EXPECT_EQ(state->itemText(53), QStringLiteral("WY"));
    EXPECT_EQ(state->currentIndex(), -1);
    EXPECT_EQ(state->currentText(), QString());
    EXPECT_TRUE(state->okToDel());
    EXPECT_FALSE(state->isEditable());
}

TEST_F(StateEditTest, AStoredListIsReplacedByTheCodes)
{
    auto* state = add<TStateEdit>();
    state->clear();
    state->addItems({QStringLiteral("XX"), QStringLiteral("AL")});
    state->setCurrentIndex(1);
    show();
    EXPECT_EQ(state->count(), StateCount);
    EXPECT_EQ(state->currentText(), QStringLiteral("AL"));
}

TEST_F(StateEditTest, LettersChooseAndNothingIsTyped)
{
    auto* state = add<TStateEdit>();
    show();
    state->setCurrentIndex(StateCodeIndex(QStringLiteral("AZ")));
    type(QStringLiteral("A"));
    EXPECT_EQ(state->currentText(), QStringLiteral("AK"));
    state->setCurrentIndex(StateCodeIndex(QStringLiteral("TX")));
    type(QStringLiteral("a"));
    EXPECT_EQ(state->currentText(), QStringLiteral("AK"));
    type(QStringLiteral("B3 "));
    EXPECT_EQ(state->currentText(), QStringLiteral("AK"));
    type(QStringLiteral("nn"));
    EXPECT_EQ(state->currentText(), QStringLiteral("ND"));
    key(Qt::Key_Down);
    EXPECT_EQ(state->currentText(), QStringLiteral("NE"));
}

TEST_F(StateEditTest, BackspaceAndDeleteClearOnlyWhenAllowed)
{
    auto* state = add<TStateEdit>();
    show();
    state->setOkToDel(false);
    state->setCurrentIndex(StateCodeIndex(QStringLiteral("NJ")));
    key(Qt::Key_Backspace);
    key(Qt::Key_Delete);
    EXPECT_EQ(state->currentText(), QStringLiteral("NJ"));
    state->setOkToDel(true);
    key(Qt::Key_Backspace);
    EXPECT_EQ(state->currentIndex(), -1);
    EXPECT_EQ(state->currentText(), QString());
    state->setCurrentIndex(StateCodeIndex(QStringLiteral("NJ")));
    key(Qt::Key_Delete);
    EXPECT_EQ(state->currentIndex(), -1);
}
