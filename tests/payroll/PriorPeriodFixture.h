#pragma once

#include "PostingFixture.h"

#include "client/TaxTableFiles.h"
#include "payroll/AutoProcessing.h"
#include "payroll/PayPeriod.h"
#include "platform/AppMessageBox.h"

#include <QCoreApplication>
#include <QDate>

#include <functional>

// A client "ACME" in Texas whose pay periods are opened, computed automatically and posted as the
// user does it, so the pay history holds what posting really stores. The questions of the pay
// cycle, and its warning of a work state without a withholding table, are answered OK; every other
// message goes to the test's script.
class PriorPeriodTest : public PostingTest {
protected:
    void SetUp() override
    {
        PostingTest::SetUp();
        LoadFederalTable(QCoreApplication::applicationDirPath() + QStringLiteral("/LEDGORA.FTT"), FederalTaxRec);
        previousHandler_ = SetMessageBoxHandler([this](const QString& text, const QString& caption, int flags) {
            for (const char* part : {"automatically process", "maximum number of Prior Payroll Periods",
                                     "\"Close Month\" command", "\"Close Quarter\" command",
                                     "No state withholding table"}) {
                if (text.contains(QString::fromLatin1(part)))
                    return int(IdOk);
            }
            return messages.answer(text, caption, flags);
        });
        CompanyRec.Name = QStringLiteral("Acme Tools");
        CompanyRec.CurrentState = StateNumber("TX");
        CompanyRec.StartChkNum = 1001;
        module->RSCompany.PostRec();
    }

    void TearDown() override
    {
        SetMessageBoxHandler(previousHandler_);
        PostingTest::TearDown();
    }

    // Appends an employee paid by the hour for 40 hours a period, single, working in Texas.
    void addHourlyEmployee(const QString& last, const QString& first, double rate, int frequency = 1)
    {
        addEmployee(last, first);
        EmployeeRecord& e = EmployeeRec;
        e.Frequency = static_cast<std::uint8_t>(frequency);
        e.RegularRate = rate;
        e.StdRegTime = 40;
        e.Single = true;
        e.WorkState = QStringLiteral("TX");
        e.WorkStateIndex = StateNumber("TX");
        module->RSEmployee.PostRec();
    }

    // Opens the pay period ending on payDate (its first day `days` - 1 before), computes it for
    // the employees paid at `frequency` and posts it. `beforeCompute` may enter amounts first.
    void postPeriod(const QDate& payDate, int frequency = 1, int days = 7, const std::function<void()>& beforeCompute = {})
    {
        computePeriod(payDate, frequency, days, beforeCompute);
        PostPayroll();
        ASSERT_TRUE(CompanyRec.PayrollPosted);
    }

    // The same, up to the computation: the pay run awaits posting.
    void computePeriod(const QDate& payDate, int frequency = 1, int days = 7, const std::function<void()>& beforeCompute = {})
    {
        PayPeriodForm form;
        form.PayDateFrom = payDate.addDays(1 - days).toString(QStringLiteral("MM/dd/yyyy"));
        form.PayDateTo = payDate.toString(QStringLiteral("MM/dd/yyyy"));
        form.PayDate = form.PayDateTo;
        form.StartChkNum = QString::number(CompanyRec.StartChkNum);
        form.ProcessFrequency = frequency;
        ASSERT_TRUE(ProcessPayPeriod(form, false, false, [](PayPeriodField) { ADD_FAILURE() << "Pay period refused"; }));
        module->RSCompany.PostRec();
        if (beforeCompute)
            beforeCompute();
        AutomaticProcessing();
    }

    // Posts `count` weekly periods paid every seven days from 01/07/2026.
    void postWeeks(int count)
    {
        for (int week = 0; week < count; ++week)
            postPeriod(QDate(2026, 1, 7).addDays(7 * week));
    }

private:
    MessageBoxHandler previousHandler_;
};
