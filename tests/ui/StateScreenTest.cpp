#include "../client/ClientFixture.h"

#include "client/TaxTableRules.h"
#include "client/ui/PayState.h"
#include "components/StateTables.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/RSNavigator.h"
#include "platform/AppMessageBox.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QtTest/QTest>

namespace {

int StateNumber(const char* code)
{
    return StateCodeIndex(QLatin1String(code)) + 1;
}

// The state screen on an open client.
class StateScreenTest : public ClientTest {
protected:
    void SetUp() override
    {
        ClientTest::SetUp();
        openClient();
    }
    void TearDown() override
    {
        screen.reset();
        ClientTest::TearDown();
    }
    TFrmState& open()
    {
        screen = std::make_unique<TFrmState>();
        screen->show();
        return *screen;
    }
    StateTaxRecord stored(int state)
    {
        const StateTaxRecord shown = StateTaxRec;
        TRecordSet& states = module->RSState;
        const int current = states.CurrentRecord();
        states.SetCurrentRecord(state);
        states.GetRec();
        const StateTaxRecord read = StateTaxRec;
        states.SetCurrentRecord(current);
        StateTaxRec = shown;
        return read;
    }
    QToolButton* button(TNavigationButtons which) { return screen->RSNavigator->Button(which); }

    std::unique_ptr<TFrmState> screen;
};

} // namespace

TEST_F(StateScreenTest, OpensOnTheCompanyStateAndLeavesTheCompanyOnTheLastShown)
{
    CompanyRec.CurrentState = StateNumber("NJ");
    TFrmState& s = open();
    EXPECT_EQ(s.windowTitle(), QStringLiteral("State Tax Rates Tables for New Jersey (NJ)"));
    button(nbFirst)->click();
    EXPECT_EQ(s.windowTitle(), QStringLiteral("State Tax Rates Tables for Alaska (AK)"));
    EXPECT_EQ(CompanyRec.CurrentState, 1);
    s.BtnClose->click();
    EXPECT_FALSE(s.isVisible());
    EXPECT_EQ(CompanyRec.CurrentState, 1);
}

TEST_F(StateScreenTest, ARefusedMoveStaysOnTheRecordWithTheEntries)
{
    CompanyRec.CurrentState = 3;
    TFrmState& s = open();
    s.Single.notOver[0]->setValue(10000);
    messages.expect(IdOk, QStringLiteral("You are not required to complete the tax tables."));
    button(nbNext)->click();
    EXPECT_EQ(module->RSState.CurrentRecord(), 3);
    EXPECT_EQ(CompanyRec.CurrentState, 3);
    EXPECT_EQ(s.Single.notOver[0]->value(), 10000);
    EXPECT_EQ(stored(3).S_ButNotOver[1], 0);

    // With its rate the row is complete: the move posts it.
    s.Single.rate[0]->setValue(2);
    button(nbNext)->click();
    EXPECT_EQ(module->RSState.CurrentRecord(), 4);
    EXPECT_EQ(stored(3).S_TaxRate[1], 2);
}

TEST_F(StateScreenTest, CalculateFillsTheAmountsTheRulesAskFor)
{
    CompanyRec.CurrentState = 5;
    TFrmState& s = open();
    const double rows[][3] = {{0, 10000, 1}, {10000, 20000, 2}, {20000, kNoUpperLimit, 3}};
    for (int k = 0; k < 3; ++k) {
        s.Single.over[k]->setValue(rows[k][0]);
        s.Single.notOver[k]->setValue(rows[k][1]);
        s.Single.rate[k]->setValue(rows[k][2]);
    }
    s.Single.amount[1]->setValue(100);
    messages.expect(IdOk, QStringLiteral("You are not required"));
    s.BtnClose->click();
    EXPECT_TRUE(s.isVisible());

    s.PopCalculateTaxAmount->trigger();
    EXPECT_EQ(s.Single.amount[1]->value(), 100);
    EXPECT_EQ(s.Single.amount[2]->value(), 300);
    EXPECT_EQ(s.Single.amount[3]->value(), 0);
    s.BtnClose->click();
    EXPECT_FALSE(s.isVisible());
    EXPECT_EQ(stored(5).S_TaxAmount[3], 300);
}

TEST_F(StateScreenTest, EscapeAfterARefusalPutsTheRecordBack)
{
    CompanyRec.CurrentState = 7;
    TFrmState& s = open();
    s.UnempTaxRate->setValue(0.5);
    messages.expect(IdOk, QStringLiteral("You are not required"));
    messages.expect(IdYes, TSetupScreen::kCloseWithoutSaving);
    s.reject();
    EXPECT_FALSE(s.isVisible());
    EXPECT_EQ(StateTaxRec.UnempTaxRate, 0);
    EXPECT_EQ(stored(7).UnempTaxRate, 0);
    EXPECT_EQ(CompanyRec.CurrentState, 7);

    const QString folder = qEnvironmentVariable("LEDGORA_SCREENSHOTS");
    TFrmState& again = open();
    for (QLabel* label : again.findChildren<QLabel*>()) {
        const bool fits = label->wordWrap() ? label->height() >= label->heightForWidth(label->width())
                                            : label->width() >= label->minimumSizeHint().width();
        EXPECT_TRUE(fits) << label->text().toStdString();
    }
    if (!folder.isEmpty())
        again.grab().save(folder + QStringLiteral("/State.png"));
}

TEST_F(StateScreenTest, BrowseOnlyTablesMoveButPostNothing)
{
    module->RSEmployee.CloseRecSet();
    openClient();
    const QByteArray before = ReadTestFile(StateTableFileName);
    TFrmDataModule second;
    FrmDataModule = &second;
    messages.expect(IdOk, QStringLiteral(" is already in use!"));
    ASSERT_TRUE(second.OpenClient(clientPath()));
    ASSERT_TRUE(second.RSState.BrowseOnly());

    CompanyRec.CurrentState = 2;
    messages.expect(IdOk, TSetupScreen::kBrowseOnlyNotice);
    screen = std::make_unique<TFrmState>();
    screen->show();
    TFrmState& s = *screen;
    EXPECT_TRUE(s.UnempTaxRate->isReadOnly());
    EXPECT_FALSE(s.Allow401k->isEnabled());
    s.RSNavigator->Button(nbNext)->click();
    EXPECT_EQ(second.RSState.CurrentRecord(), 3);
    s.PopCalculateTaxAmount->trigger();
    s.BtnClose->click();
    EXPECT_FALSE(s.isVisible());
    screen.reset();
    second.RSEmployee.CloseRecSet();
    FrmDataModule = module.get();
    EXPECT_EQ(ReadTestFile(StateTableFileName), before);
}
