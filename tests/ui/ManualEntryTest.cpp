// The manual entry window through the real main window.

#include "FormsFixture.h"
#include "PayRunMenuFixture.h"

#include "client/ui/PayEmployee.h"
#include "client/ui/PayNewEmployee.h"
#include "components/ui/CheckBoxEdit.h"
#include "components/ui/DateEdit.h"
#include "components/ui/DeluxeComboBox.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/RSNavigator.h"
#include "components/ui/ReportPreviewWindow.h"
#include "components/ui/StateEdit.h"
#include "payroll/ui/PayClock.h"
#include "payroll/ui/PayManual.h"
#include "payroll/ui/PayRecurring.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest/QTest>

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

TEST_F(ManualEntryTest, ProcessReportsAWorkStateWithoutItsTableOncePerPayRun)
{
    openPeriod([] {
        for (int n : {1, 2})
            editEmployee(n, [](EmployeeRecord& e) {
                e.WorkState = QStringLiteral("NJ");
                e.WorkStateIndex = StateCodeIndex(QStringLiteral("NJ")) + 1;
            });
    });
    manual([&](TFrmManual& w) {
        type(w, "RegularTime", 40);
        messages.expect(IdOk, QStringLiteral("No state withholding table has been entered for New Jersey (NJ)"));
        w.BtnProcess->click();
        EXPECT_TRUE(messages.allAnswered());
        EXPECT_DOUBLE_EQ(field(w, "StateTax")->value(), 0);
        w.BtnProcess->click();
        press(w, nbNext);
        type(w, "RegularTime", 40);
        w.BtnProcess->click();
        w.BtnClose->click();
    });
    EXPECT_EQ(messages.shown().size(), 1u) << "one warning in the pay run";
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

TEST_F(ManualEntryTest, PayForSomebodyNewRenumbersTheChecks)
{
    openPeriod([] {
        CompanyRec.StartChkNum = 500;
        editEmployee(2, [](EmployeeRecord& e) {
            e.RegularTime = 40;
            e.CheckNumber = 9;
        });
    });
    // Bob gets his pay from the hours he has, then Ann gets hers; Cy stays unpaid.
    dialogs.onNextModal([&](QDialog& shown) {
        auto& w = dynamic_cast<TFrmManual&>(shown);
        press(w, nbNext);
        w.BtnProcess->click();
        EXPECT_EQ(w.CheckNumber->text(), QStringLiteral("Check #: 500"));
        press(w, nbFirst);
        type(w, "RegularTime", 40);
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

// An employee who loses the pay loses the check too: the numbers after it close up.
TEST_F(ManualEntryTest, PayTakenAwayRenumbersTheChecks)
{
    openPeriod([] { CompanyRec.StartChkNum = 500; });
    manual([&](TFrmManual& w) {
        type(w, "RegularTime", 40);
        w.BtnProcess->click();
        press(w, nbNext);
        type(w, "RegularTime", 40);
        w.BtnProcess->click();
        EXPECT_EQ(w.CheckNumber->text(), QStringLiteral("Check #: 501"));
        press(w, nbFirst);
        type(w, "RegularTime", 0);
        w.BtnProcess->click();
        EXPECT_EQ(w.CheckNumber->text(), QStringLiteral("Check #: 0"));
        w.BtnClose->click();
    });
    EXPECT_EQ(storedEmployee(1).CheckNumber, 0);
    EXPECT_EQ(storedEmployee(2).CheckNumber, 500);
    EXPECT_EQ(storedCompany().LastChkNum, 500);
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

TEST_F(ManualEntryTest, QualifiedOvertimeWithoutFortyHoursHoldsTheWindow)
{
    openPeriod();
    manual([&](TFrmManual& w) {
        field(w, "RegularTime")->setValue(38);
        field(w, "QualifiedOT")->setValue(12.5);
        const QString refusal = QStringLiteral("Qualified overtime compensation is not valid.");

        messages.expect(IdOk, refusal);
        press(w, nbNext);
        EXPECT_EQ(shownName(w), QStringLiteral("Ann Smith"));
        EXPECT_EQ(w.focusWidget(), field(w, "QualifiedOT"));

        messages.expect(IdOk, refusal);
        w.BtnClose->click();
        EXPECT_TRUE(w.isVisible());

        // Esc offers to leave without keeping what was typed; No stays.
        messages.expect(IdOk, refusal);
        messages.expect(IdNo, TSetupScreen::kCloseWithoutSaving);
        QTest::keyClick(field(w, "QualifiedOT"), Qt::Key_Escape);
        EXPECT_TRUE(w.isVisible());

        field(w, "RegularTime")->setValue(40);
        w.BtnClose->click();
        EXPECT_FALSE(w.isVisible());
    });
    EXPECT_DOUBLE_EQ(storedEmployee(1).QualifiedOT[1], 12.5);
    EXPECT_DOUBLE_EQ(storedEmployee(1).RegularTime, 40);
}

TEST_F(ManualEntryTest, LeavingWithoutSavingKeepsWhatMovesStored)
{
    openPeriod();
    manual([&](TFrmManual& w) {
        type(w, "RegularTime", 40);
        messages.expect(IdYes, QStringLiteral("re-process"));
        press(w, nbNext);
        field(w, "RegularTime")->setValue(38);
        field(w, "QualifiedOT")->setValue(12.5);
        messages.expect(IdOk, QStringLiteral("Qualified overtime"));
        messages.expect(IdYes, TSetupScreen::kCloseWithoutSaving);
        w.close();
        EXPECT_FALSE(w.isVisible());
    });
    EXPECT_DOUBLE_EQ(storedEmployee(1).GrossWages[1], 1000) << "stored by the move";
    EXPECT_DOUBLE_EQ(storedEmployee(2).QualifiedOT[1], 0) << "typed and left";
    EXPECT_FALSE(storedCompany().PayrollPosted) << "Ann's pay awaits posting";
}

TEST_F(ManualEntryTest, BrowseOnlyClientIsRefused)
{
    makeClient([] { CompanyRec.PayDate = QStringLiteral("01/16/2026"); });
    const std::unique_ptr<TRecordSet> holder = holdClient();
    messages.expect(IdOk, QStringLiteral("browse only"));
    start();
    ASSERT_TRUE(enabled(MnuManualEntry));
    // No window is scripted: one shown would fail the test.
    try {
        main->item(MnuManualEntry)->trigger();
        ADD_FAILURE() << "A browse-only client was not refused";
    } catch (const ECustomException& refused) {
        EXPECT_EQ(refused.message(), QStringLiteral("Function is not executable in browse mode."));
    }
    session.reset();
}

TEST_F(ManualEntryTest, EmployeesAndRecurringEditTheShownEmployeeOnly)
{
    openPeriod([] {
        editEmployee(1, [](EmployeeRecord& e) {
            e.Address = QStringLiteral("1 Main Street");
            e.City = QStringLiteral("Dallas");
            e.State = QStringLiteral("TX");
            e.ZipCode = QStringLiteral("75201");
            e.EmployeeNum = 1;
            e.PhoneNumber = QStringLiteral("214-555-0100");
            e.Gender = u'F';
            e.SocSecNum = QStringLiteral("234-56-7890");
            e.Department = QStringLiteral("Shop");
            e.Position = QStringLiteral("Clerk");
        });
    });
    manual([&](TFrmManual& w) {
        type(w, "RegularTime", 30);
        dialogs.onNextModal([](QDialog& shown) {
            auto& s = dynamic_cast<TFrmEmployee&>(shown);
            for (TNavigationButtons b : {nbFirst, nbNext, nbPrior, nbLast, nbList})
                EXPECT_FALSE(s.RSNavigator->Button(b)->isEnabled()) << "button " << b;
            s.FirstName->setText(QStringLiteral("Anna"));
            s.RegularRate->setValue(30);
            s.BtnClose->click();
            EXPECT_FALSE(s.isVisible());
        });
        w.BtnEmployees->click();
        EXPECT_EQ(shownName(w), QStringLiteral("Anna Smith"));
        EXPECT_DOUBLE_EQ(field(w, "RegularTime")->value(), 30);
        EXPECT_DOUBLE_EQ(field(w, "Wages")->value(), 900) << "recomputed at the new rate";

        type(w, "RegularTime", 20);
        dialogs.onNextModal([](QDialog& shown) {
            auto& s = dynamic_cast<TFrmRecurring&>(shown);
            EXPECT_FALSE(s.RSNavigator->Button(nbNext)->isEnabled());
            s.RHealthIns->setValue(50);
            s.BtnClose->click();
            EXPECT_FALSE(s.isVisible());
        });
        w.BtnRecurring->click();
        EXPECT_EQ(shownName(w), QStringLiteral("Anna Smith"));
        EXPECT_DOUBLE_EQ(field(w, "RegularTime")->value(), 20) << "typed hours survive the recurring screen";
        EXPECT_DOUBLE_EQ(field(w, "Wages")->value(), 600);
        w.BtnClose->click();
    });
    const EmployeeRecord ann = storedEmployee(1);
    EXPECT_DOUBLE_EQ(ann.RegularTime, 20);
    EXPECT_DOUBLE_EQ(ann.RHealthIns, 50);
    EXPECT_DOUBLE_EQ(ann.RegularRate, 30);
    EXPECT_EQ(ann.FirstName.get(), QStringLiteral("Anna"));
}

TEST_F(ManualEntryTest, PriorPeriodsNeedPayThisYearAndAStoredPeriod)
{
    openPeriod([] {
        editEmployee(1, [](EmployeeRecord& e) { e.GrossWages[4] = 500; });
        editEmployee(2, [](EmployeeRecord& e) { e.GrossWages[4] = 500; });
    });
    manual([&](TFrmManual& w) {
        EXPECT_TRUE(w.BtnYTD->isEnabled());
        EXPECT_FALSE(w.BtnPriorPeriods->isEnabled()) << "no period stored yet";
        // The shown employee's posted year to date goes straight to its preview.
        QString previewTitle;
        QStringList printed;
        dialogs.onNextModal([&](QDialog& preview) {
            previewTitle = preview.windowTitle();
            const auto document = dynamic_cast<TFrmReportPreview&>(preview).InputStream;
            for (const DrawOp& op : document->pages.at(0).ops)
                printed << op.text;
            preview.reject();
        });
        w.BtnYTD->click();
        EXPECT_EQ(previewTitle, QStringLiteral("Year-to-Date Report Preview"));
        EXPECT_TRUE(printed.contains(QStringLiteral("Of Employee ") + shownName(w))) << printed.join('|').toStdString();
        press(w, nbLast);
        EXPECT_FALSE(w.BtnYTD->isEnabled());
        w.BtnClose->click();
    });

    CompanyRec.PriorPeriodCount = 1;
    CompanyRec.PriorPayDate[1] = QStringLiteral("01/09/2026");
    CompanyRec.PriorPayDateFrom[1] = QStringLiteral("12/29/2025");
    CompanyRec.PriorPayDateTo[1] = QStringLiteral("01/04/2026");
    DataModule().RSCompany.PostRec();
    bool fromManual = false;
    manual([&](TFrmManual& w) {
        press(w, nbFirst);
        ASSERT_TRUE(w.BtnPriorPeriods->isEnabled());
        dialogs.onNextModal([&fromManual](QDialog& shown) {
            fromManual = PPPOtherFromManual;
            shown.reject();
        });
        w.BtnPriorPeriods->click();
        w.BtnClose->click();
    });
    EXPECT_TRUE(fromManual);
    EXPECT_FALSE(PPPOtherFromManual);
}

TEST_F(ManualEntryTest, ANewEmployeeMustPassTheEligibilityCheck)
{
    CopyShippedForms(programDir());
    openPeriod();
    const auto hire = [this](const char* hired, const char* ssn) {
        dialogs.onNextModal([hired, ssn](QDialog& shown) {
            auto& d = dynamic_cast<TFrmNewEmployee&>(shown);
            d.FirstName->setText(QStringLiteral("Pat"));
            d.LastName->setText(QStringLiteral("Adams"));
            d.Address->setText(QStringLiteral("1 Main Street"));
            d.City->setText(QStringLiteral("Dover"));
            d.State->setCurrentIndex(d.State->findText(QStringLiteral("DE")));
            d.ZipCode->setText(QStringLiteral("19901"));
            d.EmployeeNum->setText(QStringLiteral("12"));
            d.WorkState->setCurrentIndex(d.WorkState->findText(QStringLiteral("DE")));
            d.PhoneNumber->setText(QStringLiteral("302-555-0100"));
            d.Gender->setCurrentIndex(1);
            d.SocSecNum->setText(QString::fromLatin1(ssn));
            d.Department->setCurrentText(QStringLiteral("Bakery"));
            d.Position->setCurrentText(QStringLiteral("Clerk"));
            d.DateOfBirth->setText(QStringLiteral("04/12/1990"));
            d.DateHired->setText(QString::fromLatin1(hired));
            d.Frequency->setCurrentIndex(0);
            QTest::mouseClick(d.Single, Qt::LeftButton);
            d.RegularRate->setValue(18);
            d.StdRegTime->setValue(40);
            d.BtnOk->click();
        });
    };
    manual([&](TFrmManual& w) {
        // Hired after the pay period: refused with the reason, and Ann stays on screen.
        hire("02/02/2026", "234-56-7890");
        messages.expect(IdOk, QStringLiteral("Pat Adams cannot be selected."));
        press(w, nbNew);
        EXPECT_EQ(shownName(w), QStringLiteral("Ann Smith"));
        EXPECT_EQ(DataModule().RSEmployee.CurrentRecord(), 1);
        w.BtnClose->click();
    });
    EXPECT_EQ(DataModule().RSEmployee.LastRecord(), 4) << "the employee was added all the same";

    manual([&](TFrmManual& w) {
        hire("01/02/2026", "234-56-7891");
        press(w, nbNew);
        EXPECT_EQ(shownName(w), QStringLiteral("Pat Adams"));
        EXPECT_EQ(DataModule().RSEmployee.CurrentRecord(), 5);
        w.BtnClose->click();
    });
}

TEST_F(ManualEntryTest, NobodyEligibleKeepsTheWindowShut)
{
    openPeriod([] {
        for (int n = 1; n <= 3; ++n)
            editEmployee(n, [](EmployeeRecord& e) { e.DateResigned = QStringLiteral("12/31/2025"); });
    });
    // No window is scripted: one shown would fail the test.
    messages.expect(IdOk, QStringLiteral("Unable to display manual entry form"));
    main->item(MnuManualEntry)->trigger();
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("There are no valid employees for processing")));
}

TEST_F(ManualEntryTest, KeysAndAnEditedCheckNumber)
{
    openPeriod([] { editEmployee(1, [](EmployeeRecord& e) { e.CheckNumber = 1001; }); });
    manual([&](TFrmManual& w) {
        QApplication::setActiveWindow(&w);
        QTest::keyClick(field(w, "RegularTime"), Qt::Key_End, Qt::ControlModifier);
        EXPECT_EQ(QApplication::focusWidget(), field(w, "QualifiedOT"));
        QTest::keyClick(field(w, "QualifiedOT"), Qt::Key_Home, Qt::ControlModifier);
        EXPECT_EQ(QApplication::focusWidget(), field(w, "RegularTime"));
        EXPECT_FALSE(ManualEntryModified);

        // A double click opens the number for editing; Process stores what was typed.
        EXPECT_TRUE(w.CheckNumber->isReadOnly());
        QTest::mouseDClick(w.CheckNumber, Qt::LeftButton);
        EXPECT_FALSE(w.CheckNumber->isReadOnly());
        EXPECT_EQ(w.CheckNumber->text(), QStringLiteral("1001"));
        w.CheckNumber->selectAll();
        QTest::keyClicks(w.CheckNumber, QStringLiteral("77x7"));
        EXPECT_EQ(w.CheckNumber->text(), QStringLiteral("777"));
        w.BtnProcess->click();
        EXPECT_TRUE(w.CheckNumber->isReadOnly());
        EXPECT_EQ(w.CheckNumber->text(), QStringLiteral("Check #: 777"));

        EXPECT_FALSE(ManualEntryModified);
        field(w, "Bonus")->setFocus();
        QTest::keyClick(field(w, "Bonus"), Qt::Key_N, Qt::AltModifier);
        EXPECT_EQ(shownName(w), QStringLiteral("Bob Smith"));
        EXPECT_EQ(field(w, "Bonus")->text(), QStringLiteral("0.00"));
        EXPECT_FALSE(ManualEntryModified);
        w.BtnClose->click();
    });
    EXPECT_EQ(storedEmployee(1).CheckNumber, 777);
}

// The caption of the focused entry turns bold without moving any entry aside.
TEST_F(ManualEntryTest, FocusedCaptionTurnsBoldWithoutMovingTheEntries)
{
    openPeriod();
    manual([&](TFrmManual& w) {
        QList<TDollarEdit*> entries = w.findChildren<TDollarEdit*>();
        const auto places = [&] {
            QList<QPoint> at;
            for (TDollarEdit* entry : entries)
                at << entry->mapTo(&w, QPoint(0, 0));
            return at;
        };
        const QList<QPoint> before = places();
        for (const char* name : {"RegularTime", "OverTime", "Bonus", "FederalTax"}) {
            SCOPED_TRACE(name);
            emit field(w, name)->entered();
            QCoreApplication::processEvents();
            EXPECT_EQ(places(), before);
            emit field(w, name)->exited();
        }
        w.BtnClose->click();
    });
}
