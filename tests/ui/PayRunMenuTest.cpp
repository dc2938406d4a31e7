// The pay run through the real main window: the Pay Period dialog, Automatic, Cancel and Posting.

#include "PayRunMenuFixture.h"

#include "client/ui/Backup.h"
#include "components/ui/DateEdit.h"
#include "components/ui/FilterEdit.h"
#include "payroll/ui/PayPeriodDlg.h"
#include "payroll/ui/PayPostDlg.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

namespace {

using enum MenuItem;

class PayRunMenuTest : public PayRunMenuFixture {
protected:
    // The next Pay Period dialog is handed to drive.
    void onPayPeriod(std::function<void(TFrmPayPeriod&)> drive)
    {
        dialogs.onNextModal([drive](QDialog& shown) { drive(dynamic_cast<TFrmPayPeriod&>(shown)); });
    }

    static void fill(TFrmPayPeriod& d, const char* from, const char* to, const char* pay, const char* check)
    {
        d.PayDateFrom->setText(QString::fromLatin1(from));
        d.PayDateTo->setText(QString::fromLatin1(to));
        d.PayDate->setText(QString::fromLatin1(pay));
        d.StartChkNum->setText(QString::fromLatin1(check));
    }
};

} // namespace

TEST_F(PayRunMenuTest, PayPeriodRefusesBadEntriesWithTheFieldFocused)
{
    makeClient();
    start();
    struct Case {
        const char* from;
        const char* to;
        const char* pay;
        const char* check;
        bool generateChecks;
        const char* message;
        const char* field;
    };
    const Case cases[] = {
        {kBlank, "01/14/2026", "01/16/2026", "1", false, "The starting pay period date is invalid.", "PayDateFrom"},
        {"01/01/2026", "01/01/2026", "01/02/2026", "1", false, "The ending pay period date is invalid.", "PayDateTo"},
        {"01/14/2026", "01/01/2026", "01/16/2026", "1", false, "The ending pay period date cannot be\rbefore",
         "PayDateTo"},
        {"01/01/2026", "01/14/2026", kBlank, "1", false, "The pay date is invalid", "PayDate"},
        {"12/15/2025", "12/28/2025", "12/31/2025", "1", false, "within calendar year 2026", "PayDate"},
        {"12/15/2026", "12/28/2026", "01/01/2027", "1", false, "within calendar year 2026", "PayDate"},
        {"01/01/2026", "01/14/2026", "01/13/2026", "1", false, "The pay date cannot be before\rthe ending", "PayDate"},
        {"01/01/2026", "01/14/2026", "01/16/2026", "0", true, "cannot be  \"0\"\rwhen generate checks", "StartChkNum"},
        {"01/01/2026", "01/14/2026", "01/16/2026", "", true, "cannot be  \"0\"\rwhen generate checks", "StartChkNum"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        CompanyRec.GenerateChk = c.generateChecks;
        QString focused;
        bool stayedOpen = false;
        onPayPeriod([&](TFrmPayPeriod& d) {
            fill(d, c.from, c.to, c.pay, c.check);
            messages.expect(IdOk, QString::fromLatin1(c.message));
            d.BtnProcess->click();
            stayedOpen = d.isVisible();
            focused = d.focusWidget() ? d.focusWidget()->objectName() : QString();
            d.reject();
        });
        main->item(MnuPayPeriod)->trigger();
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(focused, QString::fromLatin1(c.field));
        EXPECT_TRUE(messages.allAnswered());
    }

    // The pay date may fall on the period's last day, and without the check generator 0 is taken.
    CompanyRec.GenerateChk = false;
    onPayPeriod([](TFrmPayPeriod& d) {
        fill(d, "01/01/2026", "01/14/2026", "01/14/2026", "0");
        d.BtnProcess->click();
        EXPECT_FALSE(d.isVisible());
    });
    main->item(MnuPayPeriod)->trigger();
    EXPECT_EQ(CompanyRec.PayDate.get(), QStringLiteral("01/14/2026"));
}

TEST_F(PayRunMenuTest, ProcessStoresThePeriodInTheCompanyFileAndOpensIt)
{
    makeClient();
    start();
    ASSERT_FALSE(enabled(MnuAutomatic));
    QString shownFrom;
    onPayPeriod([&](TFrmPayPeriod& d) {
        shownFrom = d.PayDateFrom->text();
        EXPECT_TRUE(d.pfAll->isChecked());
        fill(d, "01/12/2026", "01/18/2026", "01/23/2026", "");
        QTest::keyClick(d.StartChkNum, Qt::Key_Plus);  // "+" on an empty number gives 1
        QTest::keyClick(d.StartChkNum, Qt::Key_Plus);
        QTest::keyClick(d.StartChkNum, Qt::Key_Minus);
        EXPECT_EQ(d.StartChkNum->text(), QStringLiteral("1"));
        // The six digits typed may grow by one; the number is never cut.
        d.StartChkNum->setText(QStringLiteral("999999"));
        QTest::keyClick(d.StartChkNum, Qt::Key_Plus);
        EXPECT_EQ(d.StartChkNum->text(), QStringLiteral("1000000"));
        d.StartChkNum->setText(QStringLiteral("1"));
        d.pfWeekly->click();
        // Ctrl+Enter processes from any field.
        QApplication::setActiveWindow(&d);
        d.PayDate->setFocus();
        QTest::keyClick(d.PayDate, Qt::Key_Return, Qt::ControlModifier);
        EXPECT_FALSE(d.isVisible());
    });
    main->item(MnuPayPeriod)->trigger();
    EXPECT_EQ(shownFrom, QStringLiteral("01/05/2026"));
    const CompanyRecord stored = storedCompany();
    EXPECT_EQ(stored.PayDateFrom.get(), QStringLiteral("01/12/2026"));
    EXPECT_EQ(stored.PayDateTo.get(), QStringLiteral("01/18/2026"));
    EXPECT_EQ(stored.PayDate.get(), QStringLiteral("01/23/2026"));
    EXPECT_EQ(stored.StartChkNum, 1);
    EXPECT_EQ(stored.ProcessFrequency, 1);
    EXPECT_TRUE(enabled(MnuAutomatic));
}

TEST_F(PayRunMenuTest, EscLeavesNoPeriodOpenButKeepsTheDates)
{
    makeClient([] { CompanyRec.PayDate = QStringLiteral("01/16/2026"); });
    start();
    ASSERT_TRUE(enabled(MnuAutomatic));
    onPayPeriod([](TFrmPayPeriod& d) {
        fill(d, "01/12/2026", "01/18/2026", "01/23/2026", "7");
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    main->item(MnuPayPeriod)->trigger();
    const CompanyRecord stored = storedCompany();
    EXPECT_EQ(stored.PayDate.get(), QString::fromLatin1(kBlank));
    EXPECT_EQ(stored.PayDateFrom.get(), QStringLiteral("01/12/2026"));
    EXPECT_EQ(stored.StartChkNum, 7);
    EXPECT_FALSE(enabled(MnuAutomatic));
    EXPECT_FALSE(enabled(MnuManualEntry));

    // The close box cancels the same way.
    onPayPeriod([](TFrmPayPeriod& d) {
        d.PayDate->setText(QStringLiteral("01/23/2026"));
        d.close();
    });
    main->item(MnuPayPeriod)->trigger();
    EXPECT_EQ(storedCompany().PayDate.get(), QString::fromLatin1(kBlank));
}

TEST_F(PayRunMenuTest, NewMonthAnsweredNoKeepsTheDialogUntilTheMonthIsClosed)
{
    makeClient([] {
        CompanyRec.LastPostedMonth = 1;
        CompanyRec.CurrentQuarter = 1;
        EmployeeRec.GrossWages[2] = 1000;  // month-to-date pay of January
        EmployeeRec.GrossWages[3] = 1000;
    });
    start();
    ASSERT_TRUE(enabled(MnuCloseMonth));
    bool stayed = false;
    bool monthButtonAfter = true;
    onPayPeriod([&](TFrmPayPeriod& d) {
        EXPECT_TRUE(d.BtnCloseMonth->isEnabled());
        EXPECT_TRUE(d.BtnCloseQuarter->isEnabled());
        fill(d, "02/02/2026", "02/08/2026", "02/13/2026", "0");
        messages.expect(IdNo, QStringLiteral("starts a new month"));
        d.BtnProcess->click();
        stayed = d.isVisible();
        EXPECT_EQ(CompanyRec.PayDate.get(), QStringLiteral("02/13/2026"));
        messages.expect(IdOk, QStringLiteral("close all MONTH-TO-DATE totals"));
        messages.expect(IdOk, QStringLiteral("Month-to-date totals have been closed."));
        d.BtnCloseMonth->click();
        monthButtonAfter = d.BtnCloseMonth->isEnabled();
        d.BtnProcess->click();
        EXPECT_FALSE(d.isVisible());
    });
    main->item(MnuPayPeriod)->trigger();
    EXPECT_TRUE(stayed);
    EXPECT_FALSE(monthButtonAfter);
    EXPECT_EQ(storedCompany().PayDate.get(), QStringLiteral("02/13/2026"));
    EXPECT_TRUE(enabled(MnuAutomatic));
}

TEST_F(PayRunMenuTest, BrowseOnlyClientIsRefusedBeforeTheDialog)
{
    makeClient();
    const std::unique_ptr<TRecordSet> holder = holdClient();
    messages.expect(IdOk, QStringLiteral("browse only"));
    start();
    ASSERT_TRUE(DataModule().RSEmployee.BrowseOnly());
    // No dialog is scripted: one shown would fail the test.
    try {
        main->item(MnuPayPeriod)->trigger();
        ADD_FAILURE() << "A browse-only client was not refused";
    } catch (const ECustomException& refused) {
        EXPECT_EQ(refused.message(), QStringLiteral("Function is not executable in browse mode."));
    }
    session.reset();
}

TEST_F(PayRunMenuTest, AutomaticNumbersChecksInFileOrderAndCancelBlanksOnlyThePayDate)
{
    makeClient([] {
        CompanyRec.PayDate = QStringLiteral("01/16/2026");
        CompanyRec.StartChkNum = 100;
    });
    start();
    messages.expect(IdOk, QStringLiteral("automatically process"));
    main->item(MnuAutomatic)->trigger();
    EXPECT_EQ(CompanyRec.LastChkNum, 102);
    for (int n = 1; n <= 3; ++n) {
        DataModule().RSEmployee.SetCurrentRecord(n);
        DataModule().RSEmployee.GetRec();
        EXPECT_EQ(EmployeeRec.CheckNumber, 99 + n);
        EXPECT_EQ(EmployeeRec.GrossWages[1], 1000.0);
    }
    ASSERT_TRUE(enabled(MnuCancel));
    ASSERT_TRUE(enabled(MnuPosting));

    messages.expect(IdOk, QStringLiteral("Cancel processed payroll?"));
    main->item(MnuCancel)->trigger();
    const CompanyRecord stored = storedCompany();
    EXPECT_EQ(stored.PayDate.get(), QString::fromLatin1(kBlank));
    EXPECT_EQ(stored.PayDateFrom.get(), QStringLiteral("01/05/2026"));
    EXPECT_EQ(stored.PayDateTo.get(), QStringLiteral("01/11/2026"));
    EXPECT_EQ(stored.StartChkNum, 100);
    EXPECT_EQ(stored.LastChkNum, 0);
    EXPECT_TRUE(stored.PayrollPosted);
    EXPECT_FALSE(enabled(MnuCancel));
    EXPECT_FALSE(enabled(MnuAutomatic));
}

TEST_F(PayRunMenuTest, PostingAsksThroughItsDialog)
{
    makeClient([] {
        CompanyRec.PayDate = QStringLiteral("01/16/2026");
        EmployeeRec.Wages[1] = 800;
        EmployeeRec.GrossWages[1] = 800;
        EmployeeRec.NetPay[1] = 800;
        CompanyRec.PayrollPosted = false;
    });
    start();
    ASSERT_TRUE(enabled(MnuPosting));

    QString title;
    QString focusedFirst;
    dialogs.onNextModal([&](QDialog& shown) {
        auto& d = dynamic_cast<TFrmPostPayrollDlg&>(shown);
        title = d.windowTitle();
        focusedFirst = d.focusWidget() ? d.focusWidget()->objectName() : QString();
        d.BtnCancel->click();
    });
    main->item(MnuPosting)->trigger();
    EXPECT_EQ(title, QStringLiteral("Ledgora Post Current Payroll"));
    EXPECT_EQ(focusedFirst, QStringLiteral("BtnBackup"));
    EXPECT_EQ(storedCompany().PriorPeriodCount, 0);
    EXPECT_FALSE(CompanyRec.PayrollPosted);
    EXPECT_TRUE(enabled(MnuPosting));

    // Esc cancels as well.
    dialogs.onNextModal([](QDialog& shown) { QTest::keyClick(&shown, Qt::Key_Escape); });
    main->item(MnuPosting)->trigger();
    EXPECT_EQ(storedCompany().PriorPeriodCount, 0);

    const QString stick = tempPath(QStringLiteral("usb"));
    ASSERT_TRUE(QDir().mkpath(stick));
    QString focusedAfterBackup;
    dialogs.onNextModal([&](QDialog& shown) {
        auto& d = dynamic_cast<TFrmPostPayrollDlg&>(shown);
        dialogs.onNextModal([&](QDialog& backup) {
            auto& b = dynamic_cast<TFrmBackup&>(backup);
            b.Path->setText(stick);
            b.BtnOk->click();
        });
        messages.expect(IdOk, QStringLiteral("Backup completed successfully"));
        d.BtnBackup->click();
        EXPECT_TRUE(d.isVisible());
        focusedAfterBackup = d.focusWidget() ? d.focusWidget()->objectName() : QString();
        d.BtnPost->click();
    });
    main->item(MnuPosting)->trigger();
    EXPECT_EQ(focusedAfterBackup, QStringLiteral("BtnPost"));
    EXPECT_TRUE(QFileInfo::exists(stick + QStringLiteral("/ACME.P26")));
    const CompanyRecord stored = storedCompany();
    EXPECT_EQ(stored.PriorPeriodCount, 1);
    EXPECT_EQ(stored.PriorPayDate[1].get(), QStringLiteral("01/16/2026"));
    EXPECT_TRUE(stored.PayrollPosted);
    EXPECT_EQ(storedEmployee(3).GrossWages[4], 800.0);
    EXPECT_EQ(storedEmployee(3).GrossWages[1], 0.0);
    EXPECT_FALSE(enabled(MnuPosting));
}
