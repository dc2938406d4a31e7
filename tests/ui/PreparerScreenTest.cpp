#include "TestSupport.h"

#include "client/PayRecords.h"
#include "client/PreparerRecord.h"
#include "client/ui/PayPreparer.h"
#include "client/ui/ScreenRules.h"
#include "components/StateTables.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/StateEdit.h"
#include "platform/AppMessageBox.h"
#include "platform/Registry.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest/QTest>

namespace {

// The preparer screen over the program's registry, shown and active.
class PreparerScreenTest : public LedgoraTest {
protected:
    void SetUp() override
    {
        LedgoraTest::SetUp();
        ResetClientState();
        AppRegistry = std::make_unique<Registry>();
    }
    void TearDown() override
    {
        screen.reset();
        ResetClientState();
        LedgoraTest::TearDown();
    }

    TFrmPreparer& open()
    {
        screen = std::make_unique<TFrmPreparer>();
        screen->show();
        screen->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(screen.get()));
        return *screen;
    }
    bool keyExists() const { return AppRegistry->KeyExists(PreparerKey(RegistryRoot)); }

    // Fills every required field validly.
    static void fill(TFrmPreparer& s)
    {
        s.PrepName->setText(QStringLiteral("Ann B. Lee"));
        s.FirmName->setText(QStringLiteral("Lee & Co."));
        s.Address->setText(QStringLiteral("5 Elm St"));
        s.City->setText(QStringLiteral("Trenton"));
        s.State->setCurrentIndex(StateCodeIndex(QStringLiteral("NJ")));
        s.ZipCode->setText(QStringLiteral("08608"));
        s.PhoneNum->setText(QStringLiteral("609-555-0123"));
        s.PTIN->setText(QStringLiteral("P12345678"));
    }

    std::unique_ptr<TFrmPreparer> screen;
};

} // namespace

TEST_F(PreparerScreenTest, WithoutAKeyEveryRequiredFieldIsColouredAndCancelWritesNothing)
{
    TFrmPreparer& s = open();
    EXPECT_EQ(s.windowTitle(), QStringLiteral("Paid Preparer's Information"));
    for (QWidget* field : {static_cast<QWidget*>(s.PrepName), static_cast<QWidget*>(s.FirmName),
                           static_cast<QWidget*>(s.Address), static_cast<QWidget*>(s.City),
                           static_cast<QWidget*>(s.State), static_cast<QWidget*>(s.ZipCode),
                           static_cast<QWidget*>(s.PhoneNum), static_cast<QWidget*>(s.PTIN)})
        EXPECT_EQ(PaintedColor(field), kMissingFieldColor) << field->objectName().toStdString();
    EXPECT_FALSE(PaintedColor(s.EIN).isValid());
    fill(s);
    s.BtnCancel->click();
    EXPECT_FALSE(s.isVisible());
    EXPECT_FALSE(keyExists());
    EXPECT_EQ(PreparerRec.PrepName.get(), QString());

    // Esc and the close box cancel too.
    TFrmPreparer& again = open();
    fill(again);
    QTest::keyClick(again.PrepName, Qt::Key_Escape);
    EXPECT_FALSE(again.isVisible());
    EXPECT_FALSE(keyExists());
}

TEST_F(PreparerScreenTest, PtinRulesAndTheTwelveValuesWritten)
{
    TFrmPreparer& s = open();
    fill(s);
    s.PTIN->clear();
    s.PTIN->setFocus();
    QTest::keyClicks(s.PTIN, QStringLiteral("p1234567"));
    EXPECT_EQ(s.PTIN->text(), QStringLiteral("P1234567"));
    messages.expect(IdOk, QStringLiteral("PTIN is invalid"));
    s.BtnOk->click();
    EXPECT_TRUE(s.isVisible());
    EXPECT_EQ(s.focusWidget(), s.PTIN);
    EXPECT_FALSE(keyExists());

    QTest::keyClicks(s.PTIN, QStringLiteral("8"));
    s.EIN->setFocus();
    QTest::keyClick(s.EIN, Qt::Key_Home);
    QTest::keyClicks(s.EIN, QStringLiteral("123"));
    s.SelfEmp->click();
    s.SignForm->click();
    s.BtnOk->click();
    EXPECT_FALSE(s.isVisible());

    PreparerRecord read{};
    LoadPreparer(*AppRegistry, RegistryRoot, read);
    EXPECT_EQ(read.PrepName.get(), QStringLiteral("Ann B. Lee"));
    EXPECT_EQ(read.State.get(), QStringLiteral("NJ"));
    EXPECT_EQ(read.Phone.get(), QStringLiteral("609-555-0123"));
    EXPECT_EQ(read.EIN.get(), QStringLiteral("12-3      "));
    EXPECT_EQ(read.PTIN.get(), QStringLiteral("P12345678"));
    EXPECT_TRUE(read.SelfEmployed);
    EXPECT_FALSE(read.PrintDate);
    EXPECT_TRUE(read.SignForm);
    ASSERT_TRUE(AppRegistry->OpenKeyReadOnly(PreparerKey(RegistryRoot)));
    for (const char* name : {"PrepName", "FirmName", "Address", "City", "State", "ZipCode", "Phone", "SelfEmployed",
                             "EIN", "PTIN", "PrintDate", "SignForm"})
        EXPECT_TRUE(AppRegistry->ValueExists(QLatin1String(name))) << name;
    AppRegistry->CloseKey();
    EXPECT_EQ(PreparerRec.PTIN.get(), QStringLiteral("P12345678"));
}

TEST_F(PreparerScreenTest, RefusalsInOrder)
{
    struct Case {
        std::function<void(TFrmPreparer&)> change;
        const char* message;
    };
    const Case cases[] = {
        {[](TFrmPreparer& s) { s.PrepName->clear(); }, "Preparer's name is missing."},
        {[](TFrmPreparer& s) { s.FirmName->setText(QStringLiteral(" ")); }, "Firm's name is missing."},
        {[](TFrmPreparer& s) { s.State->setCurrentIndex(-1); }, "State name is missing."},
        {[](TFrmPreparer& s) { s.ZipCode->setText(QStringLiteral("0860")); }, "Zip code is missing or invalid."},
        {[](TFrmPreparer& s) { s.PhoneNum->setText(QStringLiteral("609-555")); }, "Telephone number is invalid."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        TFrmPreparer& s = open();
        fill(s);
        c.change(s);
        messages.expect(IdOk, QLatin1String(c.message));
        s.BtnOk->click();
        EXPECT_TRUE(s.isVisible());
        EXPECT_FALSE(keyExists());
        screen.reset();
    }
}

TEST_F(PreparerScreenTest, ShowsTheStoredPreparerAndFitsItsTexts)
{
    PreparerRec.PrepName = QStringLiteral("Ann B. Lee");
    PreparerRec.State = QStringLiteral("NJ");
    PreparerRec.PrintDate = true;
    TFrmPreparer& s = open();
    EXPECT_EQ(s.PrepName->text(), QStringLiteral("Ann B. Lee"));
    EXPECT_EQ(s.State->currentText(), QStringLiteral("NJ"));
    EXPECT_TRUE(s.PrintDate->isChecked());
    EXPECT_FALSE(PaintedColor(s.PrepName).isValid());
    EXPECT_EQ(PaintedColor(s.City), kMissingFieldColor);
    for (QLabel* label : s.findChildren<QLabel*>())
        EXPECT_GE(label->width(), label->minimumSizeHint().width()) << label->text().toStdString();
    for (QAbstractButton* button : s.findChildren<QAbstractButton*>())
        EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
    const QString folder = qEnvironmentVariable("LEDGORA_SCREENSHOTS");
    if (!folder.isEmpty())
        s.grab().save(folder + QStringLiteral("/Preparer.png"));
}
