// A whole 2026 of a small company: weekly, biweekly, semimonthly and monthly employees, each
// pay run opened, processed automatically and posted, months and quarters closed as the calendar
// turns. The checks are invariants of the books, not figures copied from the code.

#include "PayRunCalendar.h"
#include "PostingFixture.h"

#include "client/PayHistoryMap.h"
#include "client/TaxTableFiles.h"
#include "payroll/AutoProcessing.h"
#include "payroll/ClosePeriod.h"
#include "payroll/PayPeriod.h"
#include "platform/AppMessageBox.h"

#include <QCoreApplication>
#include <QDate>

#include <algorithm>
#include <array>
#include <vector>

namespace {

constexpr int kPeople = 6;
constexpr double kCent = 0.005;

struct Person {
    const char* name;
    int frequency;
    double rate;
    bool married;
    double plan401kPct;
    double tipsPerRun;
};

const Person kStaff[kPeople] = {
    {"Weekly", 1, 20, false, 0, 60},          // tips every week
    {"Biweekly", 2, 25, true, 6, 0},          // a 401(k) deferral
    {"Semimonthly", 3, 22, false, 0, 0},
    {"Monthly", 4, 30, false, 0, 0},
    {"HighEarner", 2, 93.75, false, 0, 0},    // 195,000: over the Social Security wage base
    {"TopEarner", 4, 150, false, 0, 0},       // 312,000: over 200,000
};

std::vector<PayRun> PayRunsOf2026()
{
    std::vector<PayRun> runs;
    AddWeeklyAndBiweeklyRuns(runs);
    for (int month = 1; month <= 12; ++month) {
        const QDate first(2026, month, 1);
        const QDate middle(2026, month, 15);
        const QDate last(2026, month, first.daysInMonth());
        runs.push_back({middle, 3, first, middle});
        runs.push_back({last, 3, middle.addDays(1), last});
        runs.push_back({last, 4, first, last});
    }
    SortByPayDate(runs);
    return runs;
}

// The liabilities Schedule B collects, from one column of the current employee.
double ScheduleBLiability(int column)
{
    const EmployeeRecord& e = EmployeeRec;
    return e.FederalTax[column] + e.FICATax[column] + e.FICALib[column] + e.MedicareTax[column] + e.MedicareLib[column];
}

} // namespace

class SimulatedYearTest : public PostingTest {
protected:
    void SetUp() override
    {
        PostingTest::SetUp();
        LoadFederalTable(QCoreApplication::applicationDirPath() + QStringLiteral("/LEDGORA.FTT"), FederalTaxRec);
        previousHandler = SetMessageBoxHandler([this](const QString& text, const QString&, int flags) {
            return answer(text, flags);
        });
        CompanyRec.IncludeTips = true;
        CompanyRec.CurrentState = StateNumber("TX");
        module->RSCompany.PostRec();
        for (const Person& p : kStaff) {
            addEmployee(QString::fromLatin1(p.name), QStringLiteral("Pat"));
            EmployeeRecord& e = EmployeeRec;
            e.Frequency = static_cast<std::uint8_t>(p.frequency);
            e.RegularRate = p.rate;
            e.StdRegTime = 40;
            e.Married = p.married;
            e.Single = !p.married;
            e.Plan401kPct = p.plan401kPct;
            e.WorkState = QStringLiteral("TX");
            e.WorkStateIndex = StateNumber("TX");
            module->RSEmployee.PostRec();
        }
    }

    void TearDown() override
    {
        SetMessageBoxHandler(previousHandler);
        PostingTest::TearDown();
    }

    // Every question of the pay cycle is answered OK; reminders are counted; anything else, and
    // any error, fails the test.
    int answer(const QString& text, int flags)
    {
        if (flags & MbIconStop) {
            ADD_FAILURE() << "Error shown: " << text.toStdString();
            return IdOk;
        }
        if (text.contains(QStringLiteral("\"Close Month\" command")) || text.contains(QStringLiteral("\"Close Quarter\" command"))) {
            ++reminders;
            return IdOk;
        }
        for (const char* part : {"automatically process", "maximum number of Prior Payroll Periods", "MONTH-TO-DATE totals",
                                 "QUARTER-TO-DATE totals", "totals have been closed."}) {
            if (text.contains(QString::fromLatin1(part)))
                return IdOk;
        }
        ADD_FAILURE() << "Unexpected message: " << text.toStdString();
        return IdCancel;
    }

    void forEachPerson(const std::function<void(int person)>& visit)
    {
        for (int person = 0; person < kPeople; ++person) {
            readEmployee(person + 1);
            visit(person);
        }
    }

    // The month column of the Schedule B grid holds what the month's postings owed.
    void expectMonthOnScheduleB(int month)
    {
        double owed = 0;
        forEachPerson([&](int) { owed += ScheduleBLiability(kMonthToDateColumn); });
        EXPECT_NEAR(CompanyRec.TaxLibMonth[MonthOfQuarter(month)][32], owed, kCent) << "month " << month;
    }

    // Every Schedule B cell of the quarter adds up to what the quarter's postings owed; the
    // Form 940 entry of the quarter holds its FUTA.
    void expectQuarterOnScheduleB(int quarter)
    {
        double owed = 0;
        double futa = 0;
        forEachPerson([&](int) {
            owed += ScheduleBLiability(kQuarterToDateColumn);
            futa += EmployeeRec.FUTALib[kQuarterToDateColumn];
        });
        double cells = 0;
        for (int m = 1; m <= 3; ++m)
            for (int d = 1; d <= 31; ++d)
                cells += CompanyRec.TaxLibMonth[m][d];
        EXPECT_NEAR(cells, owed, kCent) << "quarter " << quarter;
        EXPECT_NEAR(CompanyRec.TaxLibQtr, owed, kCent) << "quarter " << quarter;
        EXPECT_NEAR(CompanyRec.F940Amount[13 + quarter], futa, kCent) << "quarter " << quarter;
    }

    // After a close the closed columns are zero and the year column never is.
    void expectColumnsAfterClose(bool quarter)
    {
        forEachPerson([&](int person) {
            for (int group = 0; group < kAmountGroupCount; ++group) {
                const TPeriodAmounts& amounts = AmountGroup(EmployeeRec, group);
                EXPECT_EQ(amounts[kMonthToDateColumn], 0) << kStaff[person].name << " group " << group;
                if (quarter) {
                    EXPECT_EQ(amounts[kQuarterToDateColumn], 0) << kStaff[person].name << " group " << group;
                }
            }
            if (quarter) {
                EXPECT_EQ(EmployeeRec.BaseWeeks, 0) << kStaff[person].name;
            }
            EXPECT_GT(EmployeeRec.GrossWages[kYearToDateColumn], 0) << kStaff[person].name;
        });
    }

    void closeMonthOrQuarter(int month, bool quarter)
    {
        expectMonthOnScheduleB(month);
        if (quarter) {
            expectQuarterOnScheduleB(QuarterOfMonth(month));
            CloseQuarter();
        } else {
            CloseMonth();
        }
        expectColumnsAfterClose(quarter);
    }

    void runPayPeriod(const PayRun& run)
    {
        PayPeriodForm form;
        form.PayDateFrom = PayRunDateText(run.from);
        form.PayDateTo = PayRunDateText(run.to);
        form.PayDate = PayRunDateText(run.payDate);
        form.StartChkNum = QString::number(CompanyRec.StartChkNum);
        form.ProcessFrequency = run.frequency;
        ASSERT_TRUE(ProcessPayPeriod(form, false, false, [](PayPeriodField) { ADD_FAILURE() << "Pay period refused"; }));
        module->RSCompany.PostRec();

        // Tips are entered for the period before it is computed.
        forEachPerson([&](int person) {
            if (kStaff[person].frequency == run.frequency && kStaff[person].tipsPerRun != 0) {
                EmployeeRec.Tips[kCurrentColumn] = kStaff[person].tipsPerRun;
                module->RSEmployee.PostRec();
            }
        });

        AutomaticProcessing();
        ASSERT_GT(CountEmployeesWithPay(), 0) << PayRunDateText(run.payDate).toStdString();
        PostPayroll();
        ASSERT_TRUE(CompanyRec.PayrollPosted);
        ASSERT_EQ(CountEmployeesWithPay(), 0);
    }

    MessageBoxHandler previousHandler;
    int reminders = 0;
};

TEST_F(SimulatedYearTest, WholeYearKeepsTheBooksConsistent)
{
    CompanyRec.StartChkNum = 1001;
    module->RSCompany.PostRec();

    // What slot 65 held after each posting into it: once the history is full, every further
    // posting replaces it.
    std::array<std::array<double, kPayHistoryRowCount>, kPeople> slot65{};
    int postings = 0;
    int remindersDue = 0;
    int lastMonth = 0;
    for (const PayRun& run : PayRunsOf2026()) {
        const int month = run.payDate.month();
        if (lastMonth != 0 && month != lastMonth)
            closeMonthOrQuarter(lastMonth, QuarterOfMonth(month) != QuarterOfMonth(lastMonth));
        runPayPeriod(run);
        if (HasFatalFailure())
            return;
        ++postings;
        lastMonth = month;
        remindersDue += !ReminderText(month, run.payDate.day()).isEmpty();
        ASSERT_EQ(CompanyRec.PriorPeriodCount, std::min(postings, kStoredPayPeriods));
        if (CompanyRec.PriorPeriodCount == kStoredPayPeriods) {
            forEachPerson([&](int person) {
                for (int row = 0; row < kPayHistoryRowCount; ++row)
                    slot65[person][row] += EmployeeRec.PayHistory[row][kStoredPayPeriods];
            });
        }
    }
    EXPECT_EQ(postings, 52 + 26 + 24 + 12);
    EXPECT_EQ(reminders, remindersDue);

    // The year's books, before the last month and quarter are closed.
    forEachPerson([&](int person) {
        const EmployeeRecord& e = EmployeeRec;
        SCOPED_TRACE(kStaff[person].name);
        for (int row = 0; row < kPayHistoryRowCount; ++row) {
            double history = slot65[person][row];
            for (int slot = 1; slot < kStoredPayPeriods; ++slot)
                history += e.PayHistory[row][slot];
            EXPECT_NEAR(AmountGroup(e, AmountGroupOfPayHistoryRow(row))[kYearToDateColumn], history, kCent) << "row " << row;
        }
        EXPECT_NEAR(e.FUTALib[kYearToDateColumn], 42.00, kCent);
        EXPECT_GT(e.GrossWages[kYearToDateColumn], 7000);
    });
    for (int person : {4, 5}) {
        readEmployee(person + 1);
        EXPECT_NEAR(EmployeeRec.FICATax[kYearToDateColumn], 11439.00, kCent) << kStaff[person].name;
        EXPECT_NEAR(EmployeeRec.FICAEarnings[kYearToDateColumn], 184500.00, kCent) << kStaff[person].name;
    }
    readEmployee(6);
    EXPECT_GT(EmployeeRec.MedSurchargeTax[kYearToDateColumn], 0);
    readEmployee(5);
    EXPECT_EQ(EmployeeRec.MedSurchargeTax[kYearToDateColumn], 0);

    readEmployee(1);
    EXPECT_NEAR(EmployeeRec.Tips[kYearToDateColumn], 52 * 60, kCent);
    EXPECT_EQ(EmployeeRec.FW2Box12Code[1].get(), QStringLiteral("TP"));
    EXPECT_NEAR(EmployeeRec.FW2Box12Amt[1], 52 * 60, kCent);
    readEmployee(2);
    EXPECT_EQ(EmployeeRec.FW2Box12Code[1].get(), QStringLiteral("D"));
    EXPECT_GT(EmployeeRec.Plan401k[kYearToDateColumn], 0);
    EXPECT_NEAR(EmployeeRec.FW2Box12Amt[1], EmployeeRec.Plan401k[kYearToDateColumn], kCent);
    EXPECT_TRUE(EmployeeRec.FW2Box13Chk2);

    EXPECT_NEAR(CompanyRec.F940Amount[18], 42.00 * kPeople, kCent);
    EXPECT_NEAR(CompanyRec.F940Amount[18],
                CompanyRec.F940Amount[14] + CompanyRec.F940Amount[15] + CompanyRec.F940Amount[16] + CompanyRec.F940Amount[17],
                kCent);

    closeMonthOrQuarter(12, true);
}
