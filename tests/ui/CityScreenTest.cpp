#include "../client/ClientFixture.h"
#include "FieldWindow.h"

#include "client/ui/PayCity.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/RSNavigator.h"
#include "platform/AppMessageBox.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QtTest/QTest>

namespace {

// The city screen on an open client.
class CityScreenTest : public ClientTest {
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
    TFrmCity& open()
    {
        screen = std::make_unique<TFrmCity>();
        screen->show();
        screen->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(screen.get()));
        return *screen;
    }
    QToolButton* button(TNavigationButtons which) { return screen->RSNavigator->Button(which); }

    std::unique_ptr<TFrmCity> screen;
};

} // namespace

TEST_F(CityScreenTest, TheFirstCityCannotBeChangedAndNewAsksForAName)
{
    module->RSCity.SetCurrentRecord(1);
    TFrmCity& s = open();
    EXPECT_EQ(s.CityName->text(), QStringLiteral("NONE"));
    EXPECT_FALSE(s.CityName->isEnabled());
    EXPECT_FALSE(s.Single.rate[0]->isEnabled());
    EXPECT_FALSE(s.StdDeductPct1->isEnabled());
    EXPECT_FALSE(s.Allow401k->isEnabled());

    button(nbNew)->click();
    EXPECT_EQ(module->RSCity.CurrentRecord(), 2);
    EXPECT_TRUE(s.CityName->isEnabled());
    EXPECT_TRUE(s.Allow401k->isEnabled());
    EXPECT_EQ(s.focusWidget(), s.CityName);

    // A city needs its name, even with empty tables.
    messages.expect(IdOk, QStringLiteral("C. The city name field is required."));
    s.BtnClose->click();
    EXPECT_TRUE(s.isVisible());
    QTest::keyClicks(s.CityName, QStringLiteral("PHILA"));
    s.StdDeductPct2->setText(QStringLiteral("12"));
    s.BtnClose->click();
    EXPECT_FALSE(s.isVisible());
    module->RSCity.GetRec();
    EXPECT_EQ(CityTaxRec.CityName.get(), QStringLiteral("PHILA"));
    EXPECT_EQ(CityTaxRec.StdDeductPct2, 12);
}

TEST_F(CityScreenTest, ACreditPerAllowanceExcludesTheFlatCreditOfItsStatus)
{
    module->RSCity.NewRec();
    CityTaxRec.CityName = QStringLiteral("AKRON");
    module->RSCity.PostRec();
    TFrmCity& s = open();
    s.TaxCreditPer2->setFocus();
    QTest::keyClicks(s.TaxCreditPer2, QStringLiteral("25"));
    s.WithValue->setFocus();
    EXPECT_TRUE(s.TaxCredit2->isReadOnly());
    EXPECT_FALSE(s.TaxCredit1->isReadOnly());
    EXPECT_FALSE(s.TaxCreditPer1->isReadOnly());

    // No minus sign: a negative bound would count as empty and withhold a negative tax.
    s.Single.rate[0]->setFocus();
    QTest::keyClicks(s.Single.rate[0], QStringLiteral("-2"));
    s.WithValue->setFocus();
    EXPECT_EQ(s.Single.rate[0]->value(), 2);

    const QString folder = qEnvironmentVariable("LEDGORA_SCREENSHOTS");
    for (QLabel* label : s.findChildren<QLabel*>()) {
        const bool fits = label->wordWrap() ? label->height() >= label->heightForWidth(label->width())
                                            : label->width() >= label->minimumSizeHint().width();
        EXPECT_TRUE(fits) << label->text().toStdString();
    }
    if (!folder.isEmpty())
        s.grab().save(folder + QStringLiteral("/City.png"));
}
