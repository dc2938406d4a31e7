#include "PayRunFixture.h"

#include "client/PayUtil.h"
#include "client/StateTableCheck.h"
#include "client/TaxTableFiles.h"
#include "components/StateTables.h"
#include "payroll/AutoProcessing.h"
#include "payroll/PayPeriod.h"
#include "platform/Exceptions.h"

#include <QCoreApplication>

namespace {

constexpr int Now = kCurrentColumn;

const char* const kAutomaticQuestion = "This  procedure  will  automatically process  the\rpayroll based on the number of "
                                       "standard regular\rand overtime hours or days,  employees' marital\rstatus, and "
                                       "frequency of pay.";

// A weekly, single employee working in Texas for 25.00 an hour, 40 standard hours a week.
void StandardEmployee()
{
    EmployeeRecord& e = EmployeeRec;
    e.Frequency = 1;
    e.Single = true;
    e.RegularRate = 25;
    e.OverTimeRate = 37.5;
    e.StdRegTime = 40;
    e.WorkState = QStringLiteral("TX");
    e.WorkStateIndex = StateCodeIndex(QStringLiteral("TX")) + 1;
    e.DateHired = QStringLiteral("01/05/2015");
}

} // namespace

// A client with the 2026 federal table, an open weekly pay period from 01/05/2026 to 01/11/2026
// paid on 01/16/2026, and employees added by the tests.
class AutoProcessingTest : public PayRunTest {
protected:
    void SetUp() override
    {
        PayRunTest::SetUp();
        LoadFederalTable(QCoreApplication::applicationDirPath() + QStringLiteral("/LEDGORA.FTT"), FederalTaxRec);
        CompanyRec.PayDateFrom = QStringLiteral("01/05/2026");
        CompanyRec.PayDateTo = QStringLiteral("01/11/2026");
        CompanyRec.PayDate = QStringLiteral("01/16/2026");
        CompanyRec.ProcessFrequency = 0;
        CompanyRec.PayrollPosted = true;
        CompanyRec.IncludeTips = true;
        module->RSCompany.PostRec();
    }

    void addStandardEmployee(const QString& first, const std::function<void()>& more = {})
    {
        addPaidEmployee(first, QStringLiteral("Smith"), [more] {
            StandardEmployee();
            if (more)
                more();
        });
    }

    void runAutomatic()
    {
        messages.expect(IdOk, QString::fromLatin1(kAutomaticQuestion));
        AutomaticProcessing();
    }

    // The company record as the company file holds it.
    CompanyRecord storedCompany()
    {
        const CompanyRecord inMemory = CompanyRec;
        module->RSCompany.GetRec();
        const CompanyRecord stored = CompanyRec;
        CompanyRec = inMemory;
        return stored;
    }
};

// The ineligible employee is not computed and, without pay, gets no check: its old number goes.
TEST_F(AutoProcessingTest, NumbersChecksInFileOrderSkippingTheIneligible)
{
    addStandardEmployee(QStringLiteral("Ann"));
    addStandardEmployee(QStringLiteral("Bob"), [] {
        EmployeeRec.DateResigned = QStringLiteral("12/31/2025");
        EmployeeRec.CheckNumber = 55;
    });
    addStandardEmployee(QStringLiteral("Cy"));
    addStandardEmployee(QStringLiteral("Di"));
    CompanyRec.StartChkNum = 100;
    readEmployee(2);

    runAutomatic();
    EXPECT_EQ(messages.last().flags, MbOkCancel | MbIconQuestion);
    EXPECT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(module->RSEmployee.CurrentRecord(), 2);
    EXPECT_EQ(CompanyRec.LastChkNum, 102);
    EXPECT_FALSE(CompanyRec.PayrollPosted);
    EXPECT_EQ(storedCompany().LastChkNum, 102);
    EXPECT_FALSE(storedCompany().PayrollPosted);
    EXPECT_EQ(opened, QStringList({"processing menu"}));

    const struct {
        int record;
        int checkNumber;
        double hours;
        double wages;
    } expected[] = {{1, 100, 40, 1000}, {2, 0, 0, 0}, {3, 101, 40, 1000}, {4, 102, 40, 1000}};
    for (const auto& x : expected) {
        SCOPED_TRACE(x.record);
        readEmployee(x.record);
        EXPECT_EQ(EmployeeRec.CheckNumber, x.checkNumber);
        EXPECT_EQ(EmployeeRec.RegularTime, x.hours);
        EXPECT_EQ(EmployeeRec.Wages[Now], x.wages);
    }
    // The computation ran: weekly single 1,000.00 under the 2026 table.
    readEmployee(1);
    EXPECT_EQ(EmployeeRec.FederalTax[Now], 78.00);
    EXPECT_EQ(EmployeeRec.FICATax[Now], 62.00);
    EXPECT_EQ(EmployeeRec.MedicareTax[Now], 14.50);
    EXPECT_EQ(EmployeeRec.NetPay[Now], 845.50);
}

TEST_F(AutoProcessingTest, UnnumberedChecksKeepTheirNumbers)
{
    addStandardEmployee(QStringLiteral("Ann"), [] { EmployeeRec.CheckNumber = 7; });
    CompanyRec.StartChkNum = 0;
    CompanyRec.LastChkNum = 31;
    runAutomatic();
    readEmployee(1);
    EXPECT_EQ(EmployeeRec.CheckNumber, 7);
    EXPECT_EQ(CompanyRec.LastChkNum, 31);
}

TEST_F(AutoProcessingTest, StandardHoursScaleToThePayFrequency)
{
    EXPECT_EQ(StandardHoursForPeriod(40, 1), 40);
    EXPECT_EQ(StandardHoursForPeriod(40, 2), 80);
    EXPECT_NEAR(StandardHoursForPeriod(40, 3), 86.6666666667, 1e-9);
    EXPECT_NEAR(StandardHoursForPeriod(40, 4), 173.3333333333, 1e-9);
    EXPECT_EQ(StandardHoursForPeriod(40, 0), 0);
    EXPECT_EQ(StandardHoursForPeriod(40, 5), 0);

    // Stored as computed, not rounded, for regular and overtime hours alike.
    const struct {
        int frequency;
        double regular;
        double overtime;
    } cases[] = {{1, 40, 5}, {2, 80, 10}, {3, 2080.0 / 24, 260.0 / 24}, {4, 2080.0 / 12, 260.0 / 12}};
    for (const auto& c : cases) {
        addStandardEmployee(QStringLiteral("F%1").arg(c.frequency), [&c] {
            EmployeeRec.Frequency = static_cast<std::uint8_t>(c.frequency);
            EmployeeRec.StdOverTime = 5;
        });
    }
    runAutomatic();
    for (int n = 1; n <= 4; ++n) {
        SCOPED_TRACE(n);
        readEmployee(n);
        EXPECT_EQ(EmployeeRec.RegularTime, cases[n - 1].regular);
        EXPECT_EQ(EmployeeRec.OverTime, cases[n - 1].overtime);
    }
    readEmployee(3);
    EXPECT_NE(EmployeeRec.RegularTime, 86.67);
}

TEST_F(AutoProcessingTest, TypedHoursStayAndASecondRunRestartsTheNumbers)
{
    addStandardEmployee(QStringLiteral("Ann"), [] {
        EmployeeRec.Frequency = 2;
        EmployeeRec.RegularTime = 72.5;  // typed in manual entry
    });
    addStandardEmployee(QStringLiteral("Bob"), [] { EmployeeRec.Frequency = 2; });
    CompanyRec.StartChkNum = 500;
    runAutomatic();
    readEmployee(1);
    EXPECT_EQ(EmployeeRec.RegularTime, 72.5);
    EXPECT_EQ(EmployeeRec.Wages[Now], 1812.50);
    readEmployee(2);
    EXPECT_EQ(EmployeeRec.RegularTime, 80);

    // The standard hours have changed since, but the hours of the first run are kept.
    EmployeeRec.StdRegTime = 30;
    module->RSEmployee.PostRec();
    runAutomatic();
    EXPECT_EQ(CompanyRec.LastChkNum, 501);
    for (const auto& [record, hours, checkNumber] : {std::tuple{1, 72.5, 500}, std::tuple{2, 80.0, 501}}) {
        readEmployee(record);
        EXPECT_EQ(EmployeeRec.RegularTime, hours);
        EXPECT_EQ(EmployeeRec.CheckNumber, checkNumber);
    }
}

TEST_F(AutoProcessingTest, NobodyEligible)
{
    addStandardEmployee(QStringLiteral("Ann"), [] { EmployeeRec.Deceased = true; });
    CompanyRec.StartChkNum = 100;
    CompanyRec.LastChkNum = 140;
    messages.expect(IdOk, QString::fromLatin1(kAutomaticQuestion));
    messages.expect(IdOk, QStringLiteral("Unable to find any valid employees for processing"));
    AutomaticProcessing();
    EXPECT_EQ(messages.last().flags, MbOk | MbIconStop);
    EXPECT_EQ(storedCompany().LastChkNum, 99);
    EXPECT_TRUE(storedCompany().PayrollPosted);
    readEmployee(1);
    EXPECT_EQ(EmployeeRec.RegularTime, 0);
}

TEST_F(AutoProcessingTest, AnEmployeeWithoutPayStillCountsAsProcessed)
{
    addStandardEmployee(QStringLiteral("Ann"), [] { EmployeeRec.RegularRate = 0; });
    CompanyRec.StartChkNum = 100;
    runAutomatic();  // no "Unable to find" notice follows
    EXPECT_TRUE(CompanyRec.PayrollPosted);  // nobody has pay
    readEmployee(1);
    EXPECT_EQ(EmployeeRec.CheckNumber, 0) << "no check is printed for the employee";
    EXPECT_EQ(CompanyRec.LastChkNum, 99);
    EXPECT_EQ(EmployeeRec.RegularTime, 40);
}

// Numbered stock is printed in file order for the employees with pay: an unpaid employee between
// two paid ones takes no number, so the numbers run on without a gap.
TEST_F(AutoProcessingTest, AnUnpaidEmployeeBetweenPaidOnesLeavesNoGap)
{
    addStandardEmployee(QStringLiteral("Ann"));
    addStandardEmployee(QStringLiteral("Bob"), [] {
        EmployeeRec.StdRegTime = 0;
        EmployeeRec.CheckNumber = 1002;  // from an earlier run of the period
    });
    addStandardEmployee(QStringLiteral("Cy"));
    CompanyRec.StartChkNum = 1001;
    runAutomatic();
    EXPECT_EQ(CompanyRec.LastChkNum, 1002);
    EXPECT_EQ(storedCompany().LastChkNum, 1002);
    const int expected[] = {1001, 0, 1002};
    for (int n = 1; n <= 3; ++n) {
        readEmployee(n);
        EXPECT_EQ(EmployeeRec.CheckNumber, expected[n - 1]) << n;
    }
}

TEST_F(AutoProcessingTest, DeclinedOrBrowseOnlyChangesNothing)
{
    addStandardEmployee(QStringLiteral("Ann"));
    CompanyRec.StartChkNum = 100;
    messages.expect(IdCancel, QString::fromLatin1(kAutomaticQuestion));
    AutomaticProcessing();
    EXPECT_EQ(CompanyRec.LastChkNum, 0);
    readEmployee(1);
    EXPECT_EQ(EmployeeRec.RegularTime, 0);

    module->RSCompany.PostRec();
    std::unique_ptr<TFrmDataModule> second = openBrowseOnlyCopy();
    EXPECT_THROW(AutomaticProcessing(), ERecordSetException);
    EXPECT_THROW(CancelProcessing(), ERecordSetException);
    second.reset();
    FrmDataModule = module.get();
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(AutoProcessingTest, AnErrorInTheWalkLeavesTheCurrentEmployeeCurrent)
{
    for (const char* name : {"Ann", "Bob", "Cy"})
        addStandardEmployee(QString::fromLatin1(name));
    readEmployee(1);
    const TRecordSetEvent post = module->RSEmployee.OnBeforePost;
    module->RSEmployee.OnBeforePost = [post](TRecordSet& sender) {
        if (sender.CurrentRecord() == 2)
            throw ERecordSetException(QStringLiteral("disk full"));
        post(sender);
    };
    messages.expect(IdOk, QString::fromLatin1(kAutomaticQuestion));
    EXPECT_THROW(AutomaticProcessing(), ERecordSetException);
    module->RSEmployee.OnBeforePost = post;
    EXPECT_EQ(module->RSEmployee.CurrentRecord(), 1);
    EXPECT_EQ(EmployeeRec.FirstName.get(), QStringLiteral("Ann"));
    EXPECT_EQ(EmployeeRec.Wages[Now], 1000);  // computed and posted before the failure
}

// ---- Cancel ----

TEST_F(AutoProcessingTest, CancelThrowsAwayThePayRunButKeepsThePeriodDates)
{
    addStandardEmployee(QStringLiteral("Ann"));
    addStandardEmployee(QStringLiteral("Bob"), [] { EmployeeRec.Wages[kYearToDateColumn] = 5000; });
    CompanyRec.StartChkNum = 100;
    runAutomatic();
    ASSERT_FALSE(CompanyRec.PayrollPosted);

    messages.expect(IdCancel, QStringLiteral("Cancel processed payroll?"));
    CancelProcessing();
    EXPECT_EQ(messages.last().flags, MbOkCancel | MbIconQuestion | MbDefButton2);
    EXPECT_EQ(CompanyRec.PayDate.get(), QStringLiteral("01/16/2026"));

    opened.clear();
    messages.expect(IdOk, QStringLiteral("Cancel processed payroll?"));
    CancelProcessing();
    EXPECT_EQ(opened, QStringList({"processing menu"}));
    const CompanyRecord stored = storedCompany();
    EXPECT_EQ(stored.PayDate.get(), QStringLiteral("  /  /    "));
    EXPECT_EQ(stored.PayDateFrom.get(), QStringLiteral("01/05/2026"));
    EXPECT_EQ(stored.PayDateTo.get(), QStringLiteral("01/11/2026"));
    EXPECT_EQ(stored.LastChkNum, 0);
    EXPECT_EQ(stored.StartChkNum, 100);
    EXPECT_TRUE(stored.PayrollPosted);
    for (int n = 1; n <= 2; ++n) {
        readEmployee(n);
        for (int group = 0; group < kAmountGroupCount; ++group)
            EXPECT_EQ(AmountGroup(EmployeeRec, group)[Now], 0) << "group " << group;
        EXPECT_EQ(EmployeeRec.RegularTime, 0);
        EXPECT_EQ(EmployeeRec.CheckNumber, 0);
    }
    EXPECT_EQ(EmployeeRec.Wages[kYearToDateColumn], 5000);
    EXPECT_EQ(CountEmployeesWithPay(), 0);
}

// ---- Express ----

TEST_F(AutoProcessingTest, ExpressRunsTheWholeCycleInOrder)
{
    addStandardEmployee(QStringLiteral("Ann"));
    CompanyRec.PayDate = QString::fromLatin1(kBlankDate);
    record(PayRunWindows.PayPeriodDialog, "pay period dialog", [] { CompanyRec.PayDate = QStringLiteral("01/16/2026"); });
    messages.expect(IdOk, QString::fromLatin1(kAutomaticQuestion));
    ExpressProcessing();
    EXPECT_EQ(opened, QStringList({"pay period dialog", "processing menu", "processing menu", "manual entry",
                                   "earnings statements", "journal", "departmental report", "checks", "posting"}));
    readEmployee(1);
    EXPECT_EQ(EmployeeRec.Wages[Now], 1000);
}

TEST_F(AutoProcessingTest, ExpressStopsWithoutAPayPeriod)
{
    addStandardEmployee(QStringLiteral("Ann"));
    CompanyRec.PayDate = QString::fromLatin1(kBlankDate);
    ExpressProcessing();  // the dialog was cancelled: nothing else runs and nothing is said
    EXPECT_EQ(opened, QStringList({"pay period dialog", "processing menu"}));
}

TEST_F(AutoProcessingTest, ExpressGoesOnAfterCancelledDialogsWhileAPeriodIsOpen)
{
    addStandardEmployee(QStringLiteral("Ann"));
    messages.expect(IdCancel, QString::fromLatin1(kAutomaticQuestion));
    record(PayRunWindows.ManualEntry, "manual entry", [] {
        // The user computes one employee by hand during the review.
        EmployeeRec.Wages[Now] = 500;
        UpdateTotalColumns(Now);
        FrmDataModule->RSEmployee.PostRec();
    });
    ExpressProcessing();
    EXPECT_EQ(opened, QStringList({"pay period dialog", "processing menu", "manual entry", "earnings statements",
                                   "journal", "departmental report", "checks", "posting"}));
}

TEST_F(AutoProcessingTest, ExpressStopsWhenNobodyHasPayAfterTheReview)
{
    addStandardEmployee(QStringLiteral("Ann"), [] { EmployeeRec.RegularRate = 0; });
    messages.expect(IdOk, QString::fromLatin1(kAutomaticQuestion));
    messages.expect(IdOk, QStringLiteral("No employees have been processed.\rExpress Processing terminated."));
    ExpressProcessing();
    EXPECT_EQ(messages.last().flags, MbOk | MbIconStop);
    EXPECT_EQ(opened, QStringList({"pay period dialog", "processing menu", "processing menu", "manual entry"}));
}

TEST_F(AutoProcessingTest, ExpressEndsWithTheErrorOfAStep)
{
    addStandardEmployee(QStringLiteral("Ann"));
    record(PayRunWindows.Checks, "checks", [] { throw ECustomException(QStringLiteral("printer jammed")); });
    messages.expect(IdOk, QString::fromLatin1(kAutomaticQuestion));
    EXPECT_THROW(ExpressProcessing(), ECustomException);
    EXPECT_EQ(opened.last(), QStringLiteral("checks"));
    EXPECT_FALSE(opened.contains(QStringLiteral("posting")));
}

namespace {

// Two employees working in `state`, whose table is filled or not, computed twice on one pay date
// and once on the next: `warned` whether the missing table is reported, then once per pay run.
class StateTableWarningTest : public AutoProcessingTest {
protected:
    void runTwoPayDates(const char* state, bool tableFilled, bool warned)
    {
        const int index = StateCodeIndex(QString::fromLatin1(state)) + 1;
        TRecordSet& table = module->RSState;
        table.SetCurrentRecord(index);
        table.GetRec();
        StateTaxRec.S_ButNotOver[1] = tableFilled ? 999999999999.0 : 0;
        StateTaxRec.S_TaxRate[1] = tableFilled ? 1.4 : 0;
        table.PostRec();
        for (const QString& first : {QStringLiteral("Ann"), QStringLiteral("Bob")})
            addStandardEmployee(first, [&] {
                EmployeeRec.WorkState = QString::fromLatin1(state);
                EmployeeRec.WorkStateIndex = index;
            });

        const struct {
            const char* payDate;
            bool newPayRun;
        } runs[] = {{"01/16/2026", true}, {"01/16/2026", false}, {"01/23/2026", true}};
        for (const auto& run : runs) {
            CompanyRec.PayDate = QString::fromLatin1(run.payDate);
            messages.expect(IdOk, QString::fromLatin1(kAutomaticQuestion));
            if (warned && run.newPayRun)
                messages.expect(IdOk, QStringLiteral("No state withholding table has been entered for New Jersey (NJ)"));
            AutomaticProcessing();
            EXPECT_TRUE(messages.allAnswered()) << run.payDate;
        }
        const auto warnings = std::count_if(messages.shown().cbegin(), messages.shown().cend(),
                                            [](const ShownMessage& m) { return m.flags == (MbOk | MbIconWarning); });
        EXPECT_EQ(warnings, warned ? 2 : 0);
    }
};

} // namespace

TEST_F(StateTableWarningTest, NewJerseyWithoutItsTableIsReportedOncePerPayRun)
{
    runTwoPayDates("NJ", false, true);
}

TEST_F(StateTableWarningTest, TexasTaxesNoWagesAndIsNotReported)
{
    runTwoPayDates("TX", false, false);
}

TEST_F(StateTableWarningTest, NewJerseyWithItsTableIsNotReported)
{
    runTwoPayDates("NJ", true, false);
}
