// Tools > Recurring through the real main window, with the user-field setup behind its Setup button.

#include "PayRunMenuFixture.h"

#include "components/ui/DateEdit.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/RSNavigator.h"
#include "payroll/ui/PayRecurring.h"
#include "payroll/ui/PayUserSetup.h"
#include "platform/AppMessageBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

#include <map>

namespace {

using enum MenuItem;

class RecurringMenuTest : public PayRunMenuFixture {
protected:
    // A client whose first user deduction is named "Union dues" and whose third employee, Cy, has
    // 3 per regular hour set up for it, with a maximum of 400.
    void makeNamedClient()
    {
        makeClient([] {
            CompanyRec.UserDeduct[1] = QStringLiteral("Union dues");
            EmployeeRec.UserAmount[6] = 3;
            EmployeeRec.UserAction[6] = 3;
            EmployeeRec.UserMaxAmt[6] = 400;
        });
        start();
    }

    // Opens Tools > Recurring on employee `n` and hands the screen to drive, made the active window.
    void onRecurring(int n, std::function<void(TFrmRecurring&)> drive)
    {
        DataModule().RSEmployee.SetCurrentRecord(n);
        DataModule().RSEmployee.GetRec();
        dialogs.onNextModal([drive](QDialog& shown) {
            QApplication::setActiveWindow(&shown);
            drive(dynamic_cast<TFrmRecurring&>(shown));
        });
        main->item(MnuRecurring)->trigger();
    }

    // Alt+N, as the user presses it in the field that has the focus.
    static void pressAltN(TFrmRecurring& r)
    {
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused && focused->window() == &r ? focused : static_cast<QWidget*>(&r), Qt::Key_N,
                        Qt::AltModifier);
    }

    // The user-field setup the Setup button opens for the focused amount, handed to drive.
    void setupFor(TFrmRecurring& r, int field, std::function<void(TFrmUserSetup&)> drive)
    {
        QApplication::setActiveWindow(&r);
        r.RUserFields[static_cast<std::size_t>(field - 1)]->setFocus();
        ASSERT_TRUE(r.BtnSetup->isEnabled());
        dialogs.onNextModal([drive](QDialog& shown) { drive(dynamic_cast<TFrmUserSetup&>(shown)); });
        r.BtnSetup->click();
    }
};

} // namespace

TEST_F(RecurringMenuTest, BlankNamesLockTheirAmountsAndTypingANameOpensIt)
{
    makeNamedClient();
    onRecurring(1, [](TFrmRecurring& r) {
        EXPECT_EQ(r.windowTitle().trimmed(), QStringLiteral("Recurring Payroll Entries - Ann Smith"));
        TDollarEdit* earning1 = r.RUserFields[0];
        EXPECT_TRUE(earning1->isReadOnly());
        earning1->setFocus();
        EXPECT_FALSE(r.BtnSetup->isEnabled());
        EXPECT_FALSE(r.RUserFields[5]->isReadOnly());

        r.UserFields[0]->setFocus();
        QTest::keyClicks(r.UserFields[0], QStringLiteral("Bonus"));
        EXPECT_FALSE(earning1->isReadOnly());
        earning1->setFocus();
        EXPECT_TRUE(r.BtnSetup->isEnabled());
        EXPECT_EQ(r.UserFieldNum, 1);
        r.RDepCareBen->setFocus();
        EXPECT_FALSE(r.BtnSetup->isEnabled());
        r.BtnClose->click();
    });
    EXPECT_EQ(storedCompany().UserEarnings[1].get(), QStringLiteral("Bonus"));
}

TEST_F(RecurringMenuTest, GroupTermLifeNeedsABirthDateAndCoverageOverFiftyThousand)
{
    makeNamedClient();
    onRecurring(1, [this](TFrmRecurring& r) {
        EXPECT_FALSE(r.DateOfBirth->isEnabled());
        EXPECT_FALSE(r.GTLIFaceAmt->isEnabled());
        r.GTLIAutoCalc->click();
        EXPECT_TRUE(r.GTLIFaceAmt->isEnabled());
        r.DateOfBirth->setText(QStringLiteral("04/12/1970"));
        r.GTLIFaceAmt->setValue(50000);
        messages.expect(IdOk, QStringLiteral("Face amount of insurance coverage must be over $50,000"));
        r.BtnClose->click();
        EXPECT_TRUE(r.isVisible());
        EXPECT_EQ(r.focusWidget(), r.GTLIFaceAmt);
        r.GTLIFaceAmt->setValue(50000.01);
        r.BtnClose->click();
        EXPECT_FALSE(r.isVisible());
    });
    EXPECT_TRUE(storedEmployee(1).GTLIAutoCalc);
    EXPECT_EQ(storedEmployee(1).GTLIFaceAmt, 50000.01);
}

TEST_F(RecurringMenuTest, MovingToAnotherEmployeeSavesTheOneShown)
{
    makeNamedClient();
    onRecurring(2, [this](TFrmRecurring& r) {
        r.RHealthIns->setValue(45.5);
        r.UserFields[10]->setText(QStringLiteral("Pension"));
        EXPECT_FALSE(PaintedColor(r.RUserFields[5]).isValid());
        pressAltN(r);
        EXPECT_EQ(r.windowTitle().trimmed(), QStringLiteral("Recurring Payroll Entries - Cy Smith"));
        EXPECT_EQ(storedEmployee(2).RHealthIns, 45.5);
        EXPECT_EQ(r.RHealthIns->value(), 0.0);
        // Cy's first user deduction has an action: its amount is marked.
        EXPECT_EQ(PaintedColor(r.RUserFields[5]), QColor(0xFF, 0xFF, 0x00));
        EXPECT_FALSE(PaintedColor(r.RUserFields[6]).isValid());
        r.BtnClose->click();
    });
    EXPECT_EQ(storedCompany().UserLib[1].get(), QStringLiteral("Pension"));
}

TEST_F(RecurringMenuTest, BrowseOnlyShowsTheEntriesAndWritesNothing)
{
    makeClient([] { CompanyRec.UserDeduct[1] = QStringLiteral("Union dues"); });
    const std::unique_ptr<TRecordSet> holder = holdClient();
    messages.expect(IdOk, QStringLiteral("browse only"));
    start();
    const QByteArray company = ReadTestFile(CompanyFileName);
    const QByteArray employees = ReadTestFile(CurFileName);
    messages.expect(IdOk, TSetupScreen::kBrowseOnlyNotice);
    onRecurring(1, [](TFrmRecurring& r) {
        EXPECT_TRUE(r.RHealthIns->isReadOnly());
        EXPECT_TRUE(r.RUserFields[5]->isReadOnly());
        r.RUserFields[5]->setFocus();
        EXPECT_FALSE(r.BtnSetup->isEnabled());
        pressAltN(r);
        EXPECT_EQ(r.windowTitle().trimmed(), QStringLiteral("Recurring Payroll Entries - Bob Smith"));
        r.BtnClose->click();
        EXPECT_FALSE(r.isVisible());
    });
    EXPECT_EQ(ReadTestFile(CompanyFileName), company);
    EXPECT_EQ(ReadTestFile(CurFileName), employees);
    session.reset();
}

TEST_F(RecurringMenuTest, SetupEnablesOnlyTheTaxFlagsOfTheFieldsKind)
{
    makeClient([] {
        CompanyRec.UserEarnings[1] = QStringLiteral("Bonus");
        CompanyRec.UserLib[2] = QStringLiteral("Pension");
    });
    start();
    std::map<QString, std::vector<bool>> flags;
    onRecurring(1, [&](TFrmRecurring& r) {
        for (int field : {1, 12}) {
            setupFor(r, field, [&](TFrmUserSetup& s) {
                flags[s.UserField->text()] = {s.UserTaxExemp->isEnabled(), s.UserTaxDefr->isEnabled(),
                                              s.UserCafePlan->isEnabled()};
                s.reject();
            });
        }
        r.BtnClose->click();
    });
    EXPECT_EQ(flags[QStringLiteral("Bonus")], (std::vector<bool>{true, false, false}));
    EXPECT_EQ(flags[QStringLiteral("Pension")], (std::vector<bool>{false, false, false}));
}

TEST_F(RecurringMenuTest, SetupActionsFlagsOkAndCancel)
{
    makeNamedClient();
    onRecurring(3, [this](TFrmRecurring& r) {
        setupFor(r, 6, [this](TFrmUserSetup& s) {
            // Loading the stored action leaves its maximum; the user's choice of another clears it.
            EXPECT_TRUE(s.UserActionGroup[3]->isChecked());
            EXPECT_EQ(s.UserMaxAmt->value(), 400.0);
            s.UserActionGroup[2]->click();
            EXPECT_EQ(s.UserMaxAmt->value(), 0.0);
            messages.expect(IdOk, QStringLiteral("Maximum amount to be paid/deducted must be entered"));
            s.BtnOk->click();
            EXPECT_TRUE(s.isVisible());
            EXPECT_EQ(s.focusWidget(), s.UserMaxAmt);

            s.UserTaxExemp->click();
            s.UserTaxDefr->click();
            s.UserCafePlan->click();
            EXPECT_FALSE(s.UserTaxExemp->isChecked());
            EXPECT_FALSE(s.UserTaxDefr->isChecked());
            EXPECT_TRUE(s.UserCafePlan->isChecked());

            s.UserMaxAmt->setValue(250);
            s.BtnOk->click();
            EXPECT_FALSE(s.isVisible());
        });
        EXPECT_EQ(EmployeeRec.UserAction[6], 2);
        EXPECT_EQ(EmployeeRec.UserMaxAmt[6], 250.0);
        EXPECT_TRUE(EmployeeRec.UserCafePlan[1]);

        // Esc and the close box leave the setup as it was.
        setupFor(r, 6, [](TFrmUserSetup& s) {
            s.UserActionGroup[5]->click();
            s.UserAmount->setValue(9);
            QTest::keyClick(&s, Qt::Key_Escape);
        });
        setupFor(r, 6, [](TFrmUserSetup& s) {
            s.UserAmount->setValue(9);
            s.close();
        });
        EXPECT_EQ(EmployeeRec.UserAction[6], 2);
        EXPECT_EQ(EmployeeRec.UserAmount[6], 3.0);

        // A Cancel answered Cancel changes nothing; confirmed, it resets the field.
        setupFor(r, 6, [this](TFrmUserSetup& s) {
            messages.expect(IdCancel, QStringLiteral("cancel User Defined Field Action Setup?"));
            s.BtnCancel->click();
            EXPECT_TRUE(s.isVisible());
            messages.expect(IdOk, QStringLiteral("cancel User Defined Field Action Setup?"));
            s.BtnCancel->click();
            EXPECT_FALSE(s.isVisible());
        });
        EXPECT_EQ(EmployeeRec.UserAction[6], 0);
        EXPECT_EQ(EmployeeRec.UserAmount[6], 0.0);
        EXPECT_EQ(EmployeeRec.UserMaxAmt[6], 999999.99);
        EXPECT_FALSE(EmployeeRec.UserCafePlan[1]);
        EXPECT_FALSE(PaintedColor(r.RUserFields[5]).isValid());
        r.BtnClose->click();
    });
    EXPECT_EQ(storedEmployee(3).UserAction[6], 0);
}

TEST_F(RecurringMenuTest, ApplyToAllWritesEachEmployeeOnceAndKeepsTheAmountTyped)
{
    makeNamedClient();
    std::map<int, int> posts;
    onRecurring(2, [&](TFrmRecurring& r) {
        DataModule().RSEmployee.OnAfterPost = [&](TRecordSet& sender) { ++posts[sender.CurrentRecord()]; };
        r.RUserFields[5]->setValue(17.25);
        setupFor(r, 6, [this](TFrmUserSetup& s) {
            messages.expect(IdOk, QStringLiteral("an Action to be calculated must be set"));
            s.UserAmount->setValue(2);
            s.UserActionGroup[0]->click();
            s.BtnApplytoAll->click();
            s.UserActionGroup[1]->click();
            s.UserMaxAmt->setValue(80);
            s.BtnApplytoAll->click();
            s.BtnOk->click();
        });
        EXPECT_EQ((posts), (std::map<int, int>{{1, 1}, {2, 1}, {3, 1}}));
        EXPECT_EQ(r.RUserFields[5]->value(), 17.25);
        EXPECT_EQ(PaintedColor(r.RUserFields[5]), QColor(0xFF, 0xFF, 0x00));
        r.BtnClose->click();
        DataModule().RSEmployee.OnAfterPost = nullptr;
    });
    for (int n : {1, 2, 3}) {
        SCOPED_TRACE(n);
        const EmployeeRecord stored = storedEmployee(n);
        EXPECT_EQ(stored.UserAmount[6], 2.0);
        EXPECT_EQ(stored.UserAction[6], 1);
        EXPECT_EQ(stored.UserMaxAmt[6], 80.0);
    }
    EXPECT_EQ(storedEmployee(2).RUserDeduct1, 17.25);
}
