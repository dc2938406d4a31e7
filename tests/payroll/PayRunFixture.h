#pragma once

#include "tests/client/ClientFixture.h"

#include "client/PayHistoryMap.h"
#include "payroll/PayRunHooks.h"
#include "platform/AppMessageBox.h"

#include <QStringList>
#include <functional>

// Fills column `column` of every amount group of the current employee with `value` + group.
inline void FillColumn(int column, double value)
{
    for (int group = 0; group < kAmountGroupCount; ++group)
        AmountGroup(EmployeeRec, group)[column] = value + group;
}

// An open client "ACME" with no pay run yet, and the pay-run hooks recording which window or
// command each step opened.
class PayRunTest : public ClientTest {
protected:
    void SetUp() override
    {
        ClientTest::SetUp();
        PayRunWindows = PayRunHooks{};
        record(PayRunWindows.WebUpdate, "web update");
        record(PayRunWindows.PayPeriodDialog, "pay period dialog");
        record(PayRunWindows.SetupProcessingMenu, "processing menu");
        record(PayRunWindows.ManualEntry, "manual entry");
        record(PayRunWindows.EarningsStatements, "earnings statements");
        record(PayRunWindows.CurrentJournal, "journal");
        record(PayRunWindows.CurrentDepartmentalReport, "departmental report");
        record(PayRunWindows.Checks, "checks");
        record(PayRunWindows.Posting, "posting");
        openClient();
    }

    void TearDown() override
    {
        PayRunWindows = PayRunHooks{};
        EXPECT_TRUE(messages.allAnswered()) << "Not every expected message was shown";
        ClientTest::TearDown();
    }

    // Makes a hook note its name in `opened`, then run `also` when given.
    void record(std::function<void()>& hook, const char* name, std::function<void()> also = {})
    {
        hook = [this, name, also] {
            opened << QString::fromLatin1(name);
            if (also)
                also();
        };
    }

    // Adds an employee with its full name; `setup` sets more fields before the record is posted.
    void addPaidEmployee(const QString& first, const QString& last, const std::function<void()>& setup = {})
    {
        addEmployee(last, first);
        if (setup)
            setup();
        module->RSEmployee.PostRec();
    }

    // Reads employee n (from 1) into EmployeeRec.
    void readEmployee(int n)
    {
        module->RSEmployee.SetCurrentRecord(n);
        module->RSEmployee.GetRec();
    }

    // Opens the client a second time, as another copy of the program would get it: browse-only.
    // The second data module is current until it is destroyed.
    std::unique_ptr<TFrmDataModule> openBrowseOnlyCopy()
    {
        module->RSEmployee.CloseRecSet();
        openClient();
        auto second = std::make_unique<TFrmDataModule>();
        FrmDataModule = second.get();
        messages.expect(IdOk, QStringLiteral(" is already in use!"));
        EXPECT_TRUE(second->OpenClient(clientPath()));
        EXPECT_TRUE(second->RSEmployee.BrowseOnly());
        return second;
    }

    QStringList opened;
};
