// The manual entry window through the real main window.

#include "PayRunMenuFixture.h"

#include "components/ui/DollarEdit.h"
#include "components/ui/RSNavigator.h"
#include "payroll/ui/PayClock.h"
#include "payroll/ui/PayManual.h"
#include "platform/AppMessageBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

using enum MenuItem;

class ManualEntryTest : public PayRunMenuFixture {
protected:
    // A client with an open pay period 01/05 to 01/11/2026, paid 01/16/2026.
    void openPeriod(const std::function<void()>& edit = {})
    {
        makeClient([&] {
            CompanyRec.PayDate = QStringLiteral("01/16/2026");
            if (edit)
                edit();
        });
        start();
    }

    // Edits employee n (from 1) of the client being made.
    static void editEmployee(int n, const std::function<void(EmployeeRecord&)>& edit)
    {
        TRecordSet& employees = DataModule().RSEmployee;
        employees.SetCurrentRecord(n);
        employees.GetRec();
        edit(EmployeeRec);
        employees.PostRec();
    }

    // Opens manual entry and hands the window to drive, which must close it.
    void manual(const std::function<void(TFrmManual&)>& drive)
    {
        dialogs.onNextModal([drive](QDialog& shown) { drive(dynamic_cast<TFrmManual&>(shown)); });
        main->item(MnuManualEntry)->trigger();
    }

    static TDollarEdit* field(TFrmManual& w, const char* name) { return w.Field(QString::fromLatin1(name)); }
    static void type(TFrmManual& w, const char* name, double value)
    {
        field(w, name)->setValue(value);
        emit field(w, name)->textEdited(field(w, name)->text());
    }
    static void press(TFrmManual& w, TNavigationButtons button) { w.RSNavigator->Button(button)->click(); }
    static QString shownName(TFrmManual& w) { return w.windowTitle().section(QStringLiteral(" - "), 1); }
};

} // namespace

TEST_F(ManualEntryTest, HourFieldsFollowTheEmployeesRatesAndLeave)
{
    openPeriod([] {
        editEmployee(1, [](EmployeeRecord& e) { e.Salaried = true; });
        editEmployee(2, [](EmployeeRecord& e) {
            e.OverTimeRate = 0;
            e.VactAccrued = 40;
            e.VacationPaid[4] = 32;
        });
        editEmployee(3, [](EmployeeRecord& e) {
            e.VactAccrued = 40;
            e.VacationPaid[4] = 40;
            e.OtherRate = 12;
            e.SickAccrued = 16;
        });
    });
    manual([&](TFrmManual& w) {
        EXPECT_EQ(shownName(w), QStringLiteral("Ann Smith"));
        for (int tag = 101; tag <= 106; ++tag)
            EXPECT_FALSE(w.ClockButton(tag)->isEnabled()) << "salaried, clock " << tag;

        press(w, nbNext);
        EXPECT_EQ(shownName(w), QStringLiteral("Bob Smith"));
        EXPECT_TRUE(field(w, "OverTime")->isReadOnly());
        EXPECT_FALSE(w.ClockButton(102)->isEnabled());
        EXPECT_FALSE(field(w, "VacationTime")->isReadOnly());
        EXPECT_DOUBLE_EQ(field(w, "VacationTime")->maxValue(), 8);
        EXPECT_TRUE(field(w, "OtherTime")->isReadOnly());
        EXPECT_TRUE(w.ClockButton(101)->isEnabled());

        press(w, nbNext);
        EXPECT_TRUE(field(w, "VacationTime")->isReadOnly());
        EXPECT_FALSE(field(w, "OtherTime")->isReadOnly());
        EXPECT_FALSE(field(w, "SickTime")->isReadOnly());
        EXPECT_FALSE(field(w, "OverTime")->isReadOnly());
        w.BtnClose->click();
    });
    EXPECT_TRUE(messages.allAnswered());
}

TEST_F(ManualEntryTest, NextWrapsAroundAndARefusedEmployeeIsNotShown)
{
    openPeriod([] {
        editEmployee(3, [](EmployeeRecord& e) { e.DateResigned = QStringLiteral("12/31/2025"); });
    });
    manual([&](TFrmManual& w) {
        EXPECT_EQ(shownName(w), QStringLiteral("Ann Smith"));
        press(w, nbNext);
        EXPECT_EQ(shownName(w), QStringLiteral("Bob Smith"));
        press(w, nbNext);
        EXPECT_EQ(shownName(w), QStringLiteral("Ann Smith")) << "past the resigned employee to the first";
        messages.expect(IdOk);
        press(w, nbLast);
        EXPECT_EQ(shownName(w), QStringLiteral("Ann Smith")) << "the resigned employee is refused";
        w.BtnClose->click();
    });
    EXPECT_TRUE(messages.allAnswered());
}

TEST_F(ManualEntryTest, OpensOnTheNextEligibleAndStaysWhenNobodyElseIs)
{
    openPeriod([] {
        editEmployee(1, [](EmployeeRecord& e) { e.DateResigned = QStringLiteral("12/31/2025"); });
        editEmployee(3, [](EmployeeRecord& e) { e.DateResigned = QStringLiteral("12/31/2025"); });
    });
    manual([&](TFrmManual& w) {
        EXPECT_EQ(shownName(w), QStringLiteral("Bob Smith"));
        press(w, nbNext);
        EXPECT_EQ(shownName(w), QStringLiteral("Bob Smith"));
        press(w, nbPrior);
        EXPECT_EQ(shownName(w), QStringLiteral("Bob Smith"));
        w.BtnClose->click();
    });
}

TEST_F(ManualEntryTest, CalculateKeepsTypedTaxesAndProcessRecomputes)
{
    openPeriod();
    manual([&](TFrmManual& w) {
        type(w, "RegularTime", 40);
        w.BtnProcess->click();
        EXPECT_DOUBLE_EQ(field(w, "Wages")->value(), 1000);
        EXPECT_DOUBLE_EQ(field(w, "GrossWages")->value(), 1000);
        EXPECT_DOUBLE_EQ(field(w, "FICATax")->value(), 62);
        const double federal = field(w, "FederalTax")->value();
        const double net = field(w, "NetPay")->value();

        field(w, "FICATax")->setValue(70);
        w.BtnCalculate->click();
        EXPECT_DOUBLE_EQ(field(w, "FICATax")->value(), 70);
        EXPECT_DOUBLE_EQ(field(w, "FederalTax")->value(), federal);
        EXPECT_DOUBLE_EQ(field(w, "NetPay")->value(), net - 8);
        EXPECT_DOUBLE_EQ(field(w, "TotalDeduct")->value(), 1000 - net + 8);
        w.BtnClose->click();
    });
    const EmployeeRecord ann = storedEmployee(1);
    EXPECT_DOUBLE_EQ(ann.FICATax[1], 70);
    EXPECT_DOUBLE_EQ(ann.RegularTime, 40);
    EXPECT_FALSE(storedCompany().PayrollPosted) << "pay awaits posting";
}

TEST_F(ManualEntryTest, AChangedBonusAsksToReprocessBeforeAMove)
{
    openPeriod();
    manual([&](TFrmManual& w) {
        type(w, "RegularTime", 40);
        w.BtnProcess->click();
        type(w, "Bonus", 100);
        messages.expect(IdYes, QStringLiteral("re-process"));
        press(w, nbNext);
        w.BtnClose->click();
    });
    EXPECT_DOUBLE_EQ(storedEmployee(1).GrossWages[1], 1100);
    EXPECT_DOUBLE_EQ(storedEmployee(1).FICATax[1], 68.20);
    EXPECT_TRUE(messages.allAnswered());
}

TEST_F(ManualEntryTest, PayForSomebodyNewOffersToRenumberTheChecks)
{
    openPeriod([] {
        CompanyRec.StartChkNum = 500;
        editEmployee(2, [](EmployeeRecord& e) {
            e.RegularTime = 40;
            e.CheckNumber = 9;
        });
    });
    // Bob has pay from before; Ann gets hers here, and Cy stays unpaid.
    dialogs.onNextModal([&](QDialog& shown) {
        auto& w = dynamic_cast<TFrmManual&>(shown);
        press(w, nbNext);
        messages.expect(IdNo, QStringLiteral("re-adjust the check numbers"));
        w.BtnProcess->click();
        press(w, nbFirst);
        type(w, "RegularTime", 40);
        messages.expect(IdYes, QStringLiteral("re-adjust the check numbers"));
        w.BtnProcess->click();
        EXPECT_EQ(w.CheckNumber->text(), QStringLiteral("Check #: 500"));
        w.BtnClose->click();
    });
    main->item(MnuManualEntry)->trigger();
    EXPECT_EQ(storedEmployee(1).CheckNumber, 500);
    EXPECT_EQ(storedEmployee(2).CheckNumber, 501);
    EXPECT_EQ(storedEmployee(3).CheckNumber, 0);
    EXPECT_EQ(storedCompany().LastChkNum, 501) << "posted at closing";
    EXPECT_TRUE(messages.allAnswered());
}

TEST_F(ManualEntryTest, DeleteClearsOnlyAPaidEmployee)
{
    openPeriod([] { editEmployee(1, [](EmployeeRecord& e) { e.RegularTime = 40; }); });
    manual([&](TFrmManual& w) {
        press(w, nbNext);
        press(w, nbDelete); // Bob has no pay: nothing to ask
        EXPECT_EQ(shownName(w), QStringLiteral("Bob Smith"));
        press(w, nbFirst);
        w.BtnProcess->click();
        EXPECT_GT(field(w, "GrossWages")->value(), 0);
        messages.expect(IdNo, QStringLiteral("Delete current employee"));
        press(w, nbDelete);
        EXPECT_GT(field(w, "GrossWages")->value(), 0);
        messages.expect(IdYes, QStringLiteral("Delete current employee"));
        press(w, nbDelete);
        EXPECT_DOUBLE_EQ(field(w, "GrossWages")->value(), 0);
        EXPECT_DOUBLE_EQ(field(w, "RegularTime")->value(), 0);
        w.BtnClose->click();
    });
    EXPECT_DOUBLE_EQ(storedEmployee(1).Wages[1], 0);
    EXPECT_DOUBLE_EQ(storedEmployee(1).RegularTime, 0);
    EXPECT_TRUE(storedCompany().PayrollPosted) << "nobody paid";
    EXPECT_TRUE(messages.allAnswered());
}

TEST_F(ManualEntryTest, TemplateClientHasNoNewOrDelete)
{
    openPeriod();
    TemplateFileName = CurFileName.toUpper();
    manual([&](TFrmManual& w) {
        EXPECT_FALSE(HasNavBtn(w.RSNavigator->VisibleButtons(), nbNew));
        EXPECT_FALSE(HasNavBtn(w.RSNavigator->VisibleButtons(), nbDelete));
        EXPECT_TRUE(HasNavBtn(w.RSNavigator->VisibleButtons(), nbList));
        w.BtnClose->click();
    });
}

TEST_F(ManualEntryTest, SavingRebuildsTheFormW2ControlNumber)
{
    openPeriod([] {
        editEmployee(1, [](EmployeeRecord& e) {
            e.LastName = QStringLiteral("Li");
            e.SocSecNum = QStringLiteral("123-45-6789");
        });
        editEmployee(2, [](EmployeeRecord& e) {
            e.LastName = QStringLiteral("Q");
            e.SocSecNum = QStringLiteral("123-45-6789");
            e.FW2CtrlNum = QStringLiteral("KEEP");
        });
    });
    manual([&](TFrmManual& w) {
        press(w, nbNext);
        w.BtnClose->click();
    });
    EXPECT_EQ(storedEmployee(1).FW2CtrlNum.get(), QStringLiteral("Li-6789"));
    EXPECT_EQ(storedEmployee(2).FW2CtrlNum.get(), QStringLiteral("KEEP"));
}

TEST_F(ManualEntryTest, TheClockEntersHoursAndMinutes)
{
    openPeriod();
    manual([&](TFrmManual& w) {
        dialogs.onNextModal([](QDialog& shown) {
            auto& clock = dynamic_cast<TFrmClock&>(shown);
            EXPECT_EQ(clock.EdtHours->text(), QStringLiteral("0"));
            clock.EdtHours->setText(QStringLiteral("8"));
            clock.EdtMinutes->setText(QStringLiteral("30"));
            clock.BtnOk->click();
        });
        w.ClockButton(101)->click();
        EXPECT_DOUBLE_EQ(field(w, "RegularTime")->value(), 8.5);
        dialogs.onNextModal([](QDialog& shown) { dynamic_cast<TFrmClock&>(shown).BtnCancel->click(); });
        w.ClockButton(102)->click();
        EXPECT_DOUBLE_EQ(field(w, "OverTime")->value(), 0);
        messages.expect(IdNo, QStringLiteral("re-process"));
        w.BtnClose->click();
    });
    EXPECT_DOUBLE_EQ(storedEmployee(1).RegularTime, 8.5);
    EXPECT_TRUE(messages.allAnswered());
}
