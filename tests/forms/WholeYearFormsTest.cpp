// A New Jersey employer's whole 2026: weekly and biweekly employees, 78 pay runs posted, more
// than the 65 pay dates the pay history keeps. Every return's months and quarters must still add
// up to what the postings held, to the cent; the expectations are summed here from the amounts
// each run paid, not read from the program.

#include "tests/payroll/PayRunCalendar.h"
#include "tests/payroll/PostingFixture.h"

#include "client/PayRecords.h"
#include "forms/Form940Return.h"
#include "forms/Form941Return.h"
#include "forms/Form944Return.h"
#include "forms/NJ927Worksheet.h"
#include "forms/NJW3Reconciliation.h"
#include "payroll/ClosePeriod.h"
#include "platform/AppMessageBox.h"

#include <QDate>

#include <array>
#include <cstring>
#include <set>
#include <utility>
#include <vector>

namespace {

constexpr double kCent = 0.005;

struct Worker {
    const char* name;
    int frequency;            // 1 weekly, 2 biweekly
    const char* state;
    QDate firstPayDate;       // hired: paid from this pay date on
    QDate lastPayDate;        // left: paid up to this pay date
};

// B is hired after February 12 and D leaves before it; P, E, F and G work in Pennsylvania. In a
// quarter's last month E is hired after June 12, G before September 12, and F leaves before
// December 12.
const Worker kWorkers[] = {
    {"Adams", 1, "NJ", QDate(2026, 1, 1), QDate(2026, 12, 31)},
    {"Baker", 1, "NJ", QDate(2026, 2, 20), QDate(2026, 12, 31)},
    {"Clark", 2, "NJ", QDate(2026, 1, 1), QDate(2026, 12, 31)},
    {"Davis", 2, "NJ", QDate(2026, 1, 1), QDate(2026, 2, 6)},
    {"Perez", 1, "PA", QDate(2026, 1, 1), QDate(2026, 12, 31)},
    {"Evans", 1, "PA", QDate(2026, 6, 19), QDate(2026, 12, 31)},
    {"Foster", 2, "PA", QDate(2026, 1, 1), QDate(2026, 12, 11)},
    {"Grant", 2, "PA", QDate(2026, 9, 4), QDate(2026, 12, 31)},
};
constexpr int kWorkerCount = static_cast<int>(std::size(kWorkers));

std::vector<PayRun> PayRunsOf2026()
{
    std::vector<PayRun> runs;
    AddWeeklyAndBiweeklyRuns(runs);
    SortByPayDate(runs);
    return runs;
}

// What the postings held, summed by the test.
struct Expected {
    std::array<double, 13> liability{};    // federal income tax, Social Security and Medicare by month
    std::array<double, 13> njIncomeTax{};
    std::array<double, 5> futa{};          // by quarter
    std::array<std::set<int>, 13> covered; // New Jersey workers paid for a period including the 12th
    std::array<std::set<int>, 5> paidForThe12th; // any state, the 12th of the quarter's last month
};

} // namespace

class WholeYearFormsTest : public PostingTest {
protected:
    void SetUp() override
    {
        PostingTest::SetUp();
        previousHandler = SetMessageBoxHandler([](const QString& text, const QString&, int flags) {
            if (flags & MbIconStop)
                ADD_FAILURE() << "Error shown: " << text.toStdString();
            return IdOk;
        });
        const int nj = StateNumber("NJ");
        CompanyRec.Name = QStringLiteral("Garden State Tools");
        CompanyRec.CurrentState = nj;
        CompanyRec.StateID2[nj] = QStringLiteral("123-456-789/000");
        module->RSCompany.PostRec();
        for (const Worker& w : kWorkers) {
            addEmployee(QString::fromLatin1(w.name), QStringLiteral("Pat"));
            EmployeeRec.Frequency = static_cast<std::uint8_t>(w.frequency);
            EmployeeRec.WorkState = QString::fromLatin1(w.state);
            EmployeeRec.WorkStateIndex = StateNumber(w.state);
            module->RSEmployee.PostRec();
        }
    }

    void TearDown() override
    {
        SetMessageBoxHandler(previousHandler);
        PostingTest::TearDown();
    }

    // Pays everyone of the run's frequency employed on its pay date an amount of their own, adds
    // it into the expectations and posts.
    void post(const PayRun& run, int runNumber)
    {
        openPeriod(PayRunDateText(run.from), PayRunDateText(run.to), PayRunDateText(run.payDate), run.frequency);
        const int month = run.payDate.month();
        for (int n = 0; n < kWorkerCount; ++n) {
            const Worker& w = kWorkers[n];
            if (w.frequency != run.frequency || run.payDate < w.firstPayDate || run.payDate > w.lastPayDate)
                continue;
            readEmployee(n + 1);
            EmployeeRecord& e = EmployeeRec;
            const double wages = 700 + 37.13 * n + 1.07 * runNumber;
            for (TPeriodAmounts* base : {&e.FedEarnings, &e.StateEarning, &e.FICAEarnings, &e.MedEarnings})
                (*base)[kCurrentColumn] = wages;
            payCurrent(wages, 0.11, 0.0237);
            module->RSEmployee.PostRec();

            expected.liability[month] += e.FederalTax[kCurrentColumn] + 2 * e.FICATax[kCurrentColumn] + 2 * e.MedicareTax[kCurrentColumn];
            expected.futa[QuarterOfMonth(month)] += e.FUTALib[kCurrentColumn];
            for (int quarter = 1; quarter <= 4; ++quarter) {
                const QDate twelfth(2026, quarter * 3, 12);
                if (run.from <= twelfth && twelfth <= run.to)
                    expected.paidForThe12th[static_cast<std::size_t>(quarter)].insert(n);
            }
            if (QLatin1String(w.state) == QLatin1String("NJ")) {
                expected.njIncomeTax[month] += e.StateTax[kCurrentColumn];
                for (int m = 1; m <= 12; ++m) {
                    const QDate twelfth(2026, m, 12);
                    if (run.from <= twelfth && twelfth <= run.to)
                        expected.covered[m].insert(n);
                }
            }
        }
        PostPayroll();
        ASSERT_TRUE(CompanyRec.PayrollPosted);
    }

    double quarterSum(const std::array<double, 13>& months, int quarter) const
    {
        double sum = 0;
        for (int m = 1; m <= 3; ++m)
            sum += months[static_cast<std::size_t>((quarter - 1) * 3 + m)];
        return sum;
    }

    // The quarter's NJ-927 months, the Form 941 line 16 months and line 12, and the Form 940
    // quarter, against the postings; returns the NJ-927 line 02.
    double checkQuarter(int quarter)
    {
        SCOPED_TRACE(quarter);
        NJ927Worksheet sheet;
        sheet.Gather();
        for (int m = 1; m <= 3; ++m) {
            const std::size_t month = static_cast<std::size_t>((quarter - 1) * 3 + m);
            const std::size_t line = static_cast<std::size_t>(m - 1);
            EXPECT_NEAR(sheet.Lines.GITMonth[line], expected.njIncomeTax[month], kCent) << "month " << month;
            EXPECT_EQ(sheet.Lines.Month[line], QString::number(expected.covered[month].size())) << "month " << month;
            EXPECT_NEAR(CompanyRec.TaxLibMonth[m][32], expected.liability[month], kCent) << "month " << month;
        }
        EXPECT_NEAR(sheet.Lines.TotalGIT, quarterSum(expected.njIncomeTax, quarter), kCent);
        EXPECT_NEAR(sheet.Lines.GITPayment, quarterSum(expected.njIncomeTax, quarter), kCent);

        GatherForm941Totals(CompanyRec);
        EXPECT_EQ(CompanyRec.F941NumEmps, static_cast<int>(expected.paidForThe12th[static_cast<std::size_t>(quarter)].size()));
        line1[static_cast<std::size_t>(quarter)] = CompanyRec.F941NumEmps;
        CalcForm941Lines(CompanyRec);
        EXPECT_NEAR(CompanyRec.F941Amount[F941::TotalTaxes], quarterSum(expected.liability, quarter), kCent);
        EXPECT_NEAR(CompanyRec.TaxLibQtr, quarterSum(expected.liability, quarter), kCent);
        GatherForm940Totals(CompanyRec);
        EXPECT_NEAR(CompanyRec.F940Amount[13 + quarter], expected.futa[static_cast<std::size_t>(quarter)], kCent);
        module->RSCompany.PostRec();
        return sheet.Lines.TotalGIT;
    }

    // The year's month totals of the company record as a file holds them.
    static std::array<double, 40> MonthTotals(const CompanyRecord& c)
    {
        std::array<double, 40> totals{};
        for (int m = 1; m <= 12; ++m) {
            totals[static_cast<std::size_t>(m - 1)] = c.TaxLiabilityMonth[m];
            totals[static_cast<std::size_t>(m + 11)] = c.NJIncomeTaxMonth[m];
            totals[static_cast<std::size_t>(m + 23)] = c.NJCoveredWorkers[m];
        }
        for (int quarter = 1; quarter <= 4; ++quarter)
            totals[static_cast<std::size_t>(quarter + 35)] = c.EmployeesPaidForThe12th[quarter];
        return totals;
    }

    static CompanyRecord CompanyInFile(const QString& path)
    {
        CompanyRecord record = NewCompanyRecord();
        const QByteArray bytes = ReadTestFile(path);
        EXPECT_GE(bytes.size(), static_cast<qsizetype>(sizeof record)) << path.toStdString();
        if (bytes.size() >= static_cast<qsizetype>(sizeof record))
            std::memcpy(&record, bytes.constData(), sizeof record);
        return record;
    }

    MessageBoxHandler previousHandler;
    Expected expected;
    std::array<int, 5> line1{};   // Form 941 line 1 of each quarter as the return gathered it
};

TEST_F(WholeYearFormsTest, EveryReturnAddsUpAllPostingsOfTheYear)
{
    const std::vector<PayRun> runs = PayRunsOf2026();
    ASSERT_EQ(runs.size(), 78u);
    std::array<double, 5> nj927Quarter{};
    int runNumber = 0;
    for (const PayRun& run : runs) {
        const int quarter = QuarterOfMonth(run.payDate.month());
        if (CompanyRec.CurrentQuarter != 0 && quarter != CompanyRec.CurrentQuarter) {
            const int closing = CompanyRec.CurrentQuarter;
            nj927Quarter[static_cast<std::size_t>(closing)] = checkQuarter(closing);
            const std::array<double, 40> before = MonthTotals(CompanyRec);
            CloseQuarter();
            // The month totals belong to the year: the quarter's copy keeps them and so does the client.
            EXPECT_EQ(MonthTotals(CompanyRec), before);
            EXPECT_EQ(MonthTotals(CompanyInFile(QuarterlyDataDir + QuarterlyCopyName(QStringLiteral("ACME.C26"), closing))), before);
        }
        post(run, ++runNumber);
        if (HasFatalFailure())
            return;
    }
    EXPECT_EQ(CompanyRec.PriorPeriodCount, kStoredPayPeriods);
    nj927Quarter[4] = checkQuarter(4);

    // Line 07 by hand: January counts Adams, Clark and Davis; February Adams and Clark (Baker
    // came after the 12th, Davis left before it); March and later Adams, Baker and Clark.
    NJ927Worksheet fourth;
    fourth.Gather();
    EXPECT_EQ(fourth.Lines.Month, (std::array<QString, 3>{QStringLiteral("3"), QStringLiteral("3"), QStringLiteral("3")}));
    EXPECT_EQ(CompanyRec.NJCoveredWorkers[1], 3);
    EXPECT_EQ(CompanyRec.NJCoveredWorkers[2], 2);
    EXPECT_EQ(CompanyRec.NJCoveredWorkers[3], 3);

    // Form 941 line 1 by hand. March 12: Adams, Baker, Clark, Perez and Foster (Davis left, Evans
    // and Grant came later). June 12: the same five; Evans came a week after. September 12: Evans
    // and Grant too. December 12: the weekly Adams, Baker, Perez and Evans (12/12-12/18) and the
    // biweekly Clark and Grant (12/12-12/25); Foster's last period ended on the 11th.
    EXPECT_EQ(line1, (std::array<int, 5>{0, 5, 5, 7, 6}));

    // The four NJ-927 quarters are the NJ-W-3's year.
    const NJW3Reconciliation w3 = GatherNJW3(CompanyRec);
    EXPECT_NEAR(nj927Quarter[1] + nj927Quarter[2] + nj927Quarter[3] + nj927Quarter[4], w3.withheld, kCent);
    double njYear = 0;
    for (int m = 1; m <= 12; ++m)
        njYear += expected.njIncomeTax[static_cast<std::size_t>(m)];
    EXPECT_NEAR(w3.withheld, njYear, kCent);

    // Form 944: every month as posted, and line 13m equal to line 9.
    Form944Return form;
    GatherForm944Totals(form, CompanyRec);
    LoadForm944Block(form, CompanyRec);
    CalcForm944Lines(form);
    double year = 0;
    for (int m = 1; m <= 12; ++m) {
        EXPECT_NEAR(form.monthLiability[m], expected.liability[static_cast<std::size_t>(m)], kCent) << "month " << m;
        year += expected.liability[static_cast<std::size_t>(m)];
    }
    EXPECT_NEAR(form.totalLiability, year, kCent);
    EXPECT_NEAR(form.amount[F944::TotalTaxes], form.totalLiability, kCent);
    EXPECT_FALSE(CheckForm944(form, CompanyRec).has_value());
}
