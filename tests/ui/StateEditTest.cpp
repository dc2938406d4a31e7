#include "FieldWindow.h"

#include "components/StateTables.h"
#include "components/ui/StateEdit.h"

#include <QAbstractItemView>
#include <QStyle>
#include <QStyleOptionComboBox>

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

// Letters typed together choose the code they spell, as in Qt's own lists; a letter that spells
// no code with the ones before it starts over.
TEST_F(StateEditTest, TypedLettersChooseTheCodeTheySpell)
{
    const struct {
        const char* from;
        const char* keys;
        const char* chosen;
    } cases[] = {
        {"", "TX", "TX"}, {"", "NJ", "NJ"}, {"", "WV", "WV"}, {"AL", "tx", "TX"},
        {"", "MO", "MO"}, {"", "T", "TN"}, {"", "TXN", "NC"}, {"", "NY3WA", "WA"},
    };
    auto* state = add<TStateEdit>();
    show();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        state->setCurrentIndex(*c.from ? StateCodeIndex(QLatin1String(c.from)) : -1);
        // A key that is no letter ends the search before.
        type(QStringLiteral(" ") + QLatin1String(c.keys));
        EXPECT_EQ(state->currentText(), QLatin1String(c.chosen));
    }
}

// The box, even as narrow as a layout may make it, and its list show every code whole.
TEST_F(StateEditTest, BoxAndListShowEveryCodeWhole)
{
    auto* state = add<TStateEdit>();
    show();
    QStyleOptionComboBox option;
    option.initFrom(state);
    option.rect = QRect(QPoint(), state->minimumSizeHint());
    option.subControls = QStyle::SC_All;
    const QRect field = state->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, state);
    for (int row = 0; row < state->count(); ++row)
        EXPECT_LE(state->fontMetrics().horizontalAdvance(state->itemText(row)), field.width()) << state->itemText(row).toStdString();
    state->showPopup();
    QAbstractItemView* list = state->view();
    for (int row = 0; row < state->count(); ++row) {
        const QModelIndex index = state->model()->index(row, 0);
        EXPECT_GE(list->viewport()->width(), list->sizeHintForIndex(index).width()) << state->itemText(row).toStdString();
    }
    state->hidePopup();
}
