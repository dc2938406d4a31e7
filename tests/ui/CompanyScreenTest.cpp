#include "../client/ClientFixture.h"
#include "FieldWindow.h"
#include "FailingFileOperations.h"

#include "client/CompanyEntries.h"
#include "client/PayUtil.h"
#include "client/StylePack.h"
#include "client/ui/PayCompany.h"
#include "components/StateTables.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/StateEdit.h"
#include "components/ui/StateList.h"
#include "platform/AppMessageBox.h"
#include "platform/ShellOpen.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QtTest/QTest>

namespace {

int StateNumber(const char* code)
{
    return StateCodeIndex(QLatin1String(code)) + 1;
}

// A company the screen accepts as it is.
void FillCompany()
{
    CompanyRec.Name = QStringLiteral("Acme Tools");
    CompanyRec.Address = QStringLiteral("12 Main St");
    CompanyRec.City = QStringLiteral("Springfield");
    CompanyRec.State = QStringLiteral("IL");
    CompanyRec.ZipCode = QStringLiteral("62701");
    CompanyRec.PhoneNumber = QStringLiteral("217-555-0100");
    CompanyRec.FederalID = QStringLiteral("36-1234567");
    CompanyRec.FourCharID = QStringLiteral("ACME");
    const int il = StateNumber("IL");
    CompanyRec.CurrentState = il;
    CompanyRec.StateID[il] = QStringLiteral("1234-5678");
    CompanyRec.UnempTaxRate[il] = 3.175;
    CompanyRec.UnempMaxWage[il] = 13916;
}

// The company screen on an open client, shown and active as the user sees it.
class CompanyScreenTest : public ClientTest {
protected:
    void SetUp() override
    {
        ClientTest::SetUp();
        openClient();
        FillCompany();
        module->RSCompany.PostRec();
    }
    void TearDown() override
    {
        screen.reset();
        SetShellOpenHook(nullptr);
        ClientTest::TearDown();
    }

    TFrmCompany& open()
    {
        screen = std::make_unique<TFrmCompany>();
        screen->show();
        screen->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(screen.get()));
        return *screen;
    }
    QByteArray companyFile() const { return ReadTestFile(CompanyFileName); }

    std::unique_ptr<TFrmCompany> screen;
};

} // namespace

TEST_F(CompanyScreenTest, ShowsTheRecordAndStoresItAtClose)
{
    CompanyRec.ForeignAdr = false;
    CompanyRec.PayAcctType = QStringLiteral("Savings");
    TFrmCompany& s = open();
    EXPECT_EQ(s.windowTitle(), QStringLiteral("Company/Employer Data"));
    EXPECT_EQ(s.Name->text(), QStringLiteral("Acme Tools"));
    EXPECT_EQ(s.State->currentText(), QStringLiteral("IL"));
    EXPECT_EQ(s.PhoneNumber->displayText(), QStringLiteral("217-555-0100"));
    EXPECT_EQ(s.FaxNumber->displayText(), QStringLiteral("   -   -    "));
    EXPECT_EQ(s.CurrentState->text(), QStringLiteral("IL"));
    EXPECT_EQ(s.UnempTaxRate->value(), 3.175);
    EXPECT_EQ(s.PayAcctType->currentIndex(), -1); // cleared while RTN and account are blank
    // A refund needs the bank account whether or not the company pays electronically.
    EXPECT_FALSE(s.PayTaxBal->isChecked());
    EXPECT_TRUE(s.PayRTN->isEnabled());
    EXPECT_TRUE(s.PayAcctNum->isEnabled());
    EXPECT_TRUE(s.PayAcctType->isEnabled());
    EXPECT_FALSE(s.AccountID->isEnabled());
    EXPECT_FALSE(s.ForeignCountry->isEnabled());
    EXPECT_FALSE(PaintedColor(s.Name).isValid());

    s.TradeName->setText(QStringLiteral("Acme"));
    s.FaxNumber->setFocus();
    QTest::keyClick(s.FaxNumber, Qt::Key_Home);
    QTest::keyClicks(s.FaxNumber, QStringLiteral("2175550199"));
    s.BtnClose->click();
    EXPECT_FALSE(s.isVisible());
    CompanyRec = NewCompanyRecord();
    module->RSCompany.GetRec();
    EXPECT_EQ(CompanyRec.TradeName.get(), QStringLiteral("Acme"));
    EXPECT_EQ(CompanyRec.FaxNumber.get(), QStringLiteral("217-555-0199"));
    EXPECT_EQ(CompanyRec.PhoneNumber.get(), QStringLiteral("217-555-0100"));
    EXPECT_EQ(CompanyRec.CityStateZip.get(), QStringLiteral("Springfield IL 62701"));
}

TEST_F(CompanyScreenTest, OpeningReportsTheEmployeesWorkStatesWithoutTheirTable)
{
    for (const char* state : {"NJ", "TX", "NJ"}) {
        addEmployee(QStringLiteral("Smith"), QString::fromLatin1(state));
        EmployeeRec.WorkState = QString::fromLatin1(state);
        EmployeeRec.WorkStateIndex = StateNumber(state);
        module->RSEmployee.PostRec();
    }
    messages.expect(IdOk, QStringLiteral("No state withholding table has been entered for New Jersey (NJ), so"));
    TFrmCompany& s = open();
    EXPECT_TRUE(messages.allAnswered());
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("File > State")));
    s.BtnClose->click();
}

TEST_F(CompanyScreenTest, StateButtonsAtBothEndsAndTheList)
{
    struct Case {
        int state;
        bool first, prior, next, last;
    };
    for (const Case c : {Case{1, false, false, true, true}, Case{2, true, true, true, true},
                         Case{StateCount, true, true, false, false}}) {
        SCOPED_TRACE(c.state);
        CompanyRec.CurrentState = c.state;
        TFrmCompany& s = open();
        EXPECT_EQ(s.BtnFirst->isEnabled(), c.first);
        EXPECT_EQ(s.BtnPrior->isEnabled(), c.prior);
        EXPECT_EQ(s.BtnNext->isEnabled(), c.next);
        EXPECT_EQ(s.BtnLast->isEnabled(), c.last);
        EXPECT_TRUE(s.BtnList->isEnabled());
        screen.reset();
    }

    CompanyRec.CurrentState = 1;
    TFrmCompany& s = open();
    QTest::keyClick(KeyTarget(&s), Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(CompanyRec.CurrentState, 2);
    EXPECT_EQ(s.CurrentState->text(), QLatin1String(StateCodes[1]));
    EXPECT_EQ(s.focusWidget(), s.StateID);
    s.BtnLast->click();
    EXPECT_EQ(CompanyRec.CurrentState, StateCount);
    QTest::keyClick(KeyTarget(&s), Qt::Key_N, Qt::AltModifier); // disabled on the last state
    EXPECT_EQ(CompanyRec.CurrentState, StateCount);
    s.BtnPrior->click();
    EXPECT_EQ(CompanyRec.CurrentState, StateCount - 1);

    dialogs.onNextModal([](QDialog& shown) {
        auto& list = dynamic_cast<TFrmStateList&>(shown);
        EXPECT_EQ(list.Label1->text(), QStringLiteral("Select a state record"));
        list.BtnCancel->click();
    });
    s.BtnList->click();
    EXPECT_EQ(CompanyRec.CurrentState, StateCount - 1);

    dialogs.onNextModal([](QDialog& shown) {
        auto& list = dynamic_cast<TFrmStateList&>(shown);
        list.StateListBox->setCurrentRow(StateCodeIndex(QStringLiteral("NJ")));
        list.BtnOk->click();
    });
    QTest::keyClick(KeyTarget(&s), Qt::Key_I, Qt::AltModifier);
    EXPECT_EQ(CompanyRec.CurrentState, StateNumber("NJ"));
    EXPECT_EQ(s.CurrentState->text(), QStringLiteral("NJ"));
}

TEST_F(CompanyScreenTest, RatesTypedForTwoStatesAreKeptAcrossMovesAndStored)
{
    CompanyRec.CurrentState = 1;
    TFrmCompany& s = open();
    const auto typeBlock = [&s](const QString& id, const QString& rate) {
        s.StateID->setText(id);
        s.UnempTaxRate->setFocus();
        QTest::keyClicks(s.UnempTaxRate, rate);
        s.StateID->setFocus();
    };
    typeBlock(QStringLiteral("11-111"), QStringLiteral("2.5"));
    s.BtnNext->click();
    EXPECT_EQ(s.UnempTaxRate->value(), 0);
    typeBlock(QStringLiteral("22-222"), QStringLiteral("1.25"));
    s.BtnPrior->click();
    EXPECT_EQ(s.StateID->text(), QStringLiteral("11-111"));
    EXPECT_EQ(s.UnempTaxRate->value(), 2.5);
    s.BtnNext->click();
    EXPECT_EQ(s.UnempTaxRate->value(), 1.25);
    s.BtnFirst->click();
    s.UnempMaxWage->setValue(9000);

    s.BtnClose->click();
    ASSERT_FALSE(s.isVisible());
    CompanyRec = NewCompanyRecord();
    module->RSCompany.GetRec();
    EXPECT_EQ(CompanyRec.CurrentState, 1);
    EXPECT_EQ(CompanyRec.StateID[1].get(), QStringLiteral("11-111"));
    EXPECT_EQ(CompanyRec.UnempTaxRate[1], 2.5);
    EXPECT_EQ(CompanyRec.UnempMaxWage[1], 9000);
    EXPECT_EQ(CompanyRec.StateID[2].get(), QStringLiteral("22-222"));
    EXPECT_EQ(CompanyRec.UnempTaxRate[2], 1.25);
}

TEST_F(CompanyScreenTest, MissingStateIDRefusesTheMoveAndTheClose)
{
    CompanyRec.CurrentState = 1;
    TFrmCompany& s = open();
    s.DisbTaxRate->setValue(0.5);
    s.StateID->setFocus();
    s.DisbTaxRate->setFocus();
    EXPECT_EQ(PaintedColor(s.StateID), kMissingFieldColor);

    messages.expect(IdOk, QStringLiteral("The state I.D. number is missing"));
    s.BtnNext->click();
    EXPECT_EQ(CompanyRec.CurrentState, 1);
    EXPECT_EQ(CompanyRec.DisbTaxRate[1], 0);

    messages.expect(IdOk, QStringLiteral("State I.D. number is missing"));
    s.BtnClose->click();
    EXPECT_TRUE(s.isVisible());
    EXPECT_EQ(s.focusWidget(), s.StateID);
    EXPECT_EQ(messages.last().text, QStringLiteral("State I.D. number is missing"));
}

TEST_F(CompanyScreenTest, FieldStatusFollowsTheEntries)
{
    TFrmCompany& s = open();
    s.Name->setFocus();
    s.Name->clear();
    s.TradeName->setFocus();
    EXPECT_EQ(PaintedColor(s.Name), kMissingFieldColor);
    s.Name->setText(QStringLiteral("Acme"));
    s.TradeName->setFocus();
    s.Name->setFocus();
    EXPECT_FALSE(PaintedColor(s.Name).isValid());

    // Checking a box paints what it now needs; unchecking gives the window colour back.
    s.Designee->click();
    EXPECT_TRUE(s.DesigneeName->isEnabled());
    EXPECT_EQ(PaintedColor(s.DesigneeName), kMissingFieldColor);
    EXPECT_EQ(PaintedColor(s.DesigneePIN), kMissingFieldColor);
    s.Designee->click();
    EXPECT_FALSE(s.DesigneeName->isEnabled());
    EXPECT_FALSE(PaintedColor(s.DesigneeName).isValid());

    s.ForeignAdr->click();
    EXPECT_TRUE(s.BtnViewCountryCodes->isEnabled());
    EXPECT_EQ(PaintedColor(s.ForeignCountry), kMissingFieldColor);
    s.State->setCurrentIndex(-1);
    s.ZipCode->clear();
    s.ZipCode->setFocus();
    s.Name->setFocus();
    EXPECT_FALSE(PaintedColor(s.State).isValid());
    EXPECT_FALSE(PaintedColor(s.ZipCode).isValid());
}

TEST_F(CompanyScreenTest, ForeignAddressIsStoredWithoutTheCity)
{
    TFrmCompany& s = open();
    s.ForeignAdr->click();
    s.State->setCurrentIndex(-1);
    s.ZipCode->clear();
    s.City->setText(QStringLiteral("Ottawa"));
    s.ForeignCountry->setFocus();
    QTest::keyClicks(s.ForeignCountry, QStringLiteral("ca"));
    s.ForeignProvCo->setText(QStringLiteral("Ontario"));
    s.ForeignZipCode->setText(QStringLiteral("K1A 0B1"));
    s.BtnClose->click();
    ASSERT_FALSE(s.isVisible());
    EXPECT_EQ(CompanyRec.ForeignCountry.get(), QStringLiteral("CA"));
    EXPECT_EQ(CompanyRec.CityStateZip.get(), QStringLiteral("CA Ontario K1A 0B1"));
    EXPECT_EQ(CompanyCityStateZip, QStringLiteral("Ottawa CA Ontario K1A 0B1"));
}

TEST_F(CompanyScreenTest, InvalidEinWithEscapeAndYesLeavesTheFileAsItWas)
{
    const QByteArray before = companyFile();
    TFrmCompany& s = open();
    s.TradeName->setText(QStringLiteral("Changed"));
    s.FederalID->setText(QStringLiteral("00-1234567"));
    s.IncludeTips->click();
    messages.expect(IdOk, QStringLiteral("Federal I.D. number is invalid"));
    messages.expect(IdNo, QStringLiteral("Close without saving the changes?"));
    QTest::keyClick(s.TradeName, Qt::Key_Escape);
    EXPECT_TRUE(s.isVisible());
    EXPECT_EQ(s.focusWidget(), s.FederalID);

    messages.expect(IdOk, QStringLiteral("Federal I.D. number is invalid"));
    messages.expect(IdYes, QStringLiteral("Close without saving the changes?"));
    s.close();
    EXPECT_FALSE(s.isVisible());
    EXPECT_EQ(companyFile(), before);
    EXPECT_EQ(CompanyRec.TradeName.get(), QString());
    EXPECT_FALSE(CompanyRec.IncludeTips);
}

TEST_F(CompanyScreenTest, RecordAbandonedAfterARefusedSaveIsNotWrittenWhenTheClientCloses)
{
    const QByteArray before = companyFile();
    for (const bool diskFull : {false, true}) {
        SCOPED_TRACE(diskFull ? "the disk refused the record" : "the entries were refused");
        TFrmCompany& s = open();
        s.TradeName->setText(QStringLiteral("Changed"));
        s.UnempTaxRate->setValue(9.5);
        if (diskFull) {
            FailingFileOperations failing({FileOperation::Write}, 1);
            messages.expect(IdOk, QStringLiteral("No space left on device"));
            messages.expect(IdYes, QStringLiteral("Close without saving the changes?"));
            s.close();
        } else {
            s.FederalID->setText(QStringLiteral("00-1234567"));
            messages.expect(IdOk, QStringLiteral("Federal I.D. number is invalid"));
            messages.expect(IdYes, QStringLiteral("Close without saving the changes?"));
            s.close();
        }
        ASSERT_FALSE(s.isVisible());
        screen.reset();
        EXPECT_EQ(companyFile(), before);
    }
    module->RSEmployee.CloseRecSet();
    EXPECT_EQ(companyFile(), before);
}

TEST_F(CompanyScreenTest, TaxPaymentSetupAndTheNewJerseyAddress)
{
    StateTaxPaymentURL.clear();
    OpenTaxPaymentSetup = true;
    TFrmCompany& s = open();
    EXPECT_EQ(PaintedColor(s.URL_EFTPS), QColor(Qt::yellow));
    EXPECT_EQ(PaintedColor(s.URL_State), QColor(Qt::yellow));
    EXPECT_EQ(s.focusWidget(), s.URL_EFTPS);
    EXPECT_FALSE(OpenTaxPaymentSetup);
    EXPECT_TRUE(s.URL_State->text().isEmpty()); // Illinois: the empty address stays empty
    EXPECT_FALSE(s.RuntheNJUIDIRateChangeUtility->isVisible());
    screen.reset();

    const int nj = StateNumber("NJ");
    CompanyRec.CurrentState = nj;
    CompanyRec.StateID[nj] = QStringLiteral("123");
    TFrmCompany& again = open();
    EXPECT_FALSE(PaintedColor(again.URL_EFTPS).isValid());
    EXPECT_EQ(again.URL_State->text(), QLatin1String(kNewJerseyTaxPaymentURL));
    EXPECT_TRUE(again.RuntheNJUIDIRateChangeUtility->isVisible());
    again.BtnPrior->click();
    EXPECT_FALSE(again.RuntheNJUIDIRateChangeUtility->isVisible());
    screen.reset();

    StateTaxPaymentURL = QStringLiteral("https://state.example/pay");
    EXPECT_EQ(open().URL_State->text(), QStringLiteral("https://state.example/pay"));
}

TEST_F(CompanyScreenTest, NewJerseyReportNeedsAPostedPayroll)
{
    const int nj = StateNumber("NJ");
    CompanyRec.CurrentState = nj;
    CompanyRec.StateID[nj] = QStringLiteral("123");
    CompanyRec.PayrollPosted = false;
    TFrmCompany& s = open();
    s.UnempTaxRate->setValue(2.8);
    messages.expect(IdOk, QStringLiteral("You cannot run this report when there exists an unposted payroll"));
    s.RuntheNJUIDIRateChangeUtility->trigger();
    EXPECT_EQ(CompanyRec.UnempTaxRate[nj], 0);

    CompanyRec.PayrollPosted = true;
    bool shown = false;
    dialogs.onNextModal([&](QDialog& window) {
        shown = true;
        EXPECT_EQ(window.windowTitle(), QStringLiteral("New Jersey UI/DI Rate Change Utility Report"));
        // The report reads the rate just typed.
        EXPECT_EQ(CompanyRec.UnempTaxRate[nj], 2.8);
        window.reject();
    });
    s.RuntheNJUIDIRateChangeUtility->trigger();
    EXPECT_TRUE(shown);
}

TEST_F(CompanyScreenTest, CountryCodesOpenOnlyWhenTheListIsThere)
{
    std::vector<QUrl> opened;
    SetShellOpenHook([&opened](const QUrl& url) {
        opened.push_back(url);
        return true;
    });
    CompanyRec.ForeignAdr = true;
    TFrmCompany& s = open();
    messages.expect(IdOk, QStringLiteral("The Country Codes file cannot no be found"));
    s.BtnViewCountryCodes->click();
    EXPECT_TRUE(opened.empty());

    WriteTestFile(programDir() + QStringLiteral("/CountryCodes.pdf"), QByteArray("%PDF"));
    s.BtnViewCountryCodes->click();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened.front().toLocalFile(), programDir() + QStringLiteral("/CountryCodes.pdf"));
}

TEST_F(CompanyScreenTest, ClosingAppliesTheTipsOptionToEveryEmployee)
{
    addEmployee(QStringLiteral("Doe"), QStringLiteral("Jane"));
    for (int column = 1; column <= 4; ++column) {
        EmployeeRec.Wages[column] = 1000.00;
        EmployeeRec.Tips[column] = 50.00;
    }
    CompanyRec.IncludeTips = true;
    UpdateTotalColumns(1);
    module->RSEmployee.PostRec();

    TFrmCompany& s = open();
    s.IncludeTips->click();
    s.BtnClose->click();
    ASSERT_FALSE(s.isVisible());
    module->RSEmployee.GetRec();
    for (int column = 1; column <= 4; ++column) {
        EXPECT_EQ(EmployeeRec.GrossWages[column], 1000.00);
        EXPECT_EQ(EmployeeRec.NetPay[column], 1000.00);
    }
}

TEST_F(CompanyScreenTest, BrowseOnlyClientSaysSoAndWritesNothing)
{
    module->RSEmployee.CloseRecSet();
    openClient();
    const QByteArray before = companyFile();
    TFrmDataModule second;
    FrmDataModule = &second;
    messages.expect(IdOk, QStringLiteral(" is already in use!"));
    ASSERT_TRUE(second.OpenClient(clientPath()));

    messages.expect(IdOk, TSetupScreen::kBrowseOnlyNotice);
    TFrmCompany& s = open();
    EXPECT_TRUE(s.Name->isReadOnly());
    EXPECT_TRUE(s.UnempTaxRate->isReadOnly());
    EXPECT_FALSE(s.IncludeTips->isEnabled());
    EXPECT_FALSE(s.State->isEnabled());
    s.Name->setFocus();
    QTest::keyClicks(s.Name, QStringLiteral("xyz"));
    EXPECT_EQ(s.Name->text(), QStringLiteral("Acme Tools"));
    s.BtnNext->click(); // moving between states still works
    EXPECT_EQ(s.CurrentState->text(), QLatin1String(StateCodes[static_cast<std::size_t>(StateNumber("IL"))]));
    QTest::keyClick(s.Name, Qt::Key_Escape);
    EXPECT_FALSE(s.isVisible());
    EXPECT_EQ(CompanyRec.CurrentState, StateNumber("IL"));
    screen.reset();
    second.RSEmployee.CloseRecSet();
    FrmDataModule = module.get();
    EXPECT_EQ(companyFile(), before);
}

namespace {

// Captions that need more room than their control was given.
QStringList CutTexts(QWidget* window)
{
    QStringList cut;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty())
            continue;
        const bool fits = label->wordWrap() ? label->height() >= label->heightForWidth(label->width())
                                            : label->width() >= label->minimumSizeHint().width();
        if (!fits)
            cut << label->text();
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->isVisible() && !button->text().isEmpty() && button->width() < button->sizeHint().width())
            cut << button->text();
    }
    return cut;
}

} // namespace

TEST_F(CompanyScreenTest, NoCaptionIsCutInEitherStyleOrScaling)
{
    for (const char* style : {"Windows", "Cyan Dusk"}) {
        const QString sheet =
            LoadStyleSheet(QCoreApplication::applicationDirPath() + QStringLiteral("/styles"), QLatin1String(style));
        qApp->setStyleSheet(sheet);
        for (const int percent : {100, 85}) {
            SCOPED_TRACE(std::string(style) + " " + std::to_string(percent));
            ScalingPercent = percent;
            TFrmCompany& s = open();
            EXPECT_TRUE(CutTexts(&s).isEmpty()) << CutTexts(&s).join(QStringLiteral(" | ")).toStdString();
            EXPECT_GE(s.width(), TFrmCompany::kClientWidth * percent / 100);
            const QString folder = qEnvironmentVariable("LEDGORA_SCREENSHOTS");
            if (!folder.isEmpty())
                s.grab().save(QStringLiteral("%1/Company %2 %3.png").arg(folder, QLatin1String(style)).arg(percent));
            screen.reset();
        }
    }
    qApp->setStyleSheet(QString());
}
