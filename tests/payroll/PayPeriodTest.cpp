#include "PayRunFixture.h"

#include "client/PayUtil.h"
#include "payroll/PayPeriod.h"
#include "payroll/UpdateCheckTiming.h"
#include "platform/Clock.h"
#include "platform/Exceptions.h"
#include "platform/Registry.h"

using PayPeriodTest = PayRunTest;

namespace {

PayPeriodForm Form(const char* from, const char* to, const char* payDate, const char* checkNumber = "0")
{
    PayPeriodForm form;
    form.PayDateFrom = QString::fromLatin1(from);
    form.PayDateTo = QString::fromLatin1(to);
    form.PayDate = QString::fromLatin1(payDate);
    form.StartChkNum = QString::fromLatin1(checkNumber);
    form.ProcessFrequency = 0;
    return form;
}

void SetToday(const char* day)
{
    SetClockForTests(QDateTime(QDate::fromString(QString::fromLatin1(day), QStringLiteral("MM/dd/yyyy")), QTime(9, 0)));
}

} // namespace

// ---- The seven rules ----

TEST_F(PayPeriodTest, RulesInTheirOrderWithTheirMessages)
{
    using F = PayPeriodField;
    struct Case {
        const char* from;
        const char* to;
        const char* payDate;
        const char* checkNumber;
        bool generateChecks;
        std::optional<F> field;
        const char* message;
    } const cases[] = {
        {"01/01/2026", "01/14/2026", "01/16/2026", "100", true, std::nullopt, ""},
        {"  /  /    ", "01/14/2026", "01/16/2026", "0", false, F::PayDateFrom, "The starting pay period date is invalid."},
        {"02/30/2026", "  /  /    ", "  /  /    ", "0", false, F::PayDateFrom, "The starting pay period date is invalid."},
        {"01/01/2026", "13/01/2026", "01/16/2026", "0", false, F::PayDateTo, "The ending pay period date is invalid."},
        {"01/01/2026", "01/01/2026", "01/16/2026", "0", false, F::PayDateTo, "The ending pay period date is invalid."},
        {"01/14/2026", "01/01/2026", "01/16/2026", "0", false, F::PayDateTo,
         "The ending pay period date cannot be~before the starting pay period date."},
        {"01/01/2026", "01/14/2026", "01/1/2026", "0", false, F::PayDate, "The pay date is invalid"},
        {"12/15/2025", "12/28/2025", "12/31/2025", "0", false, F::PayDate, "The pay date must be within calendar year 2026"},
        {"12/15/2026", "12/28/2026", "01/01/2027", "0", false, F::PayDate, "The pay date must be within calendar year 2026"},
        {"01/01/2026", "01/14/2026", "01/14/2026", "0", false, std::nullopt, ""},
        {"01/01/2026", "01/14/2026", "01/13/2026", "0", false, F::PayDate,
         "The pay date cannot be before~the ending pay period date."},
        {"12/20/2025", "01/02/2026", "01/02/2026", "", true, F::StartChkNum,
         "The  starting check number cannot be  \"0\"~when generate checks has been selected."},
        {"01/01/2026", "01/14/2026", "01/16/2026", "0", true, F::StartChkNum,
         "The  starting check number cannot be  \"0\"~when generate checks has been selected."},
        {"01/01/2026", "01/14/2026", "01/16/2026", "1-2", false, F::StartChkNum, "The starting check number is invalid."},
        // Only the first broken rule is reported.
        {"01/01/2026", "01/01/2026", "01/01/2027", "0", true, F::PayDateTo, "The ending pay period date is invalid."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " | " << c.to << " | " << c.payDate << " | " << c.checkNumber);
        CompanyRec.GenerateChk = c.generateChecks;
        const std::optional<PayPeriodProblem> problem = CheckPayPeriodForm(Form(c.from, c.to, c.payDate, c.checkNumber));
        ASSERT_EQ(problem.has_value(), c.field.has_value());
        if (problem) {
            EXPECT_EQ(problem->Field, *c.field);
            EXPECT_EQ(problem->Message, QString::fromLatin1(c.message));
        }
    }
}

TEST_F(PayPeriodTest, ProcessRefusalFocusesTheFieldAndStoresNothing)
{
    CompanyRec.PayDateFrom = QStringLiteral("12/01/2025");
    std::optional<PayPeriodField> focused;
    try {
        ProcessPayPeriod(Form("01/01/2026", "01/14/2026", "01/13/2026"), false, false,
                         [&focused](PayPeriodField field) { focused = field; });
        FAIL() << "the pay date before the period's end was accepted";
    } catch (const EFieldException& e) {
        EXPECT_EQ(e.message(), QStringLiteral("The pay date cannot be before\rthe ending pay period date."));
    }
    EXPECT_EQ(focused, PayPeriodField::PayDate);
    EXPECT_EQ(CompanyRec.PayDateFrom.get(), QStringLiteral("12/01/2025"));
}

TEST_F(PayPeriodTest, ProcessStoresThePeriod)
{
    PayPeriodForm form = Form("01/01/2026", "01/14/2026", "01/16/2026", "1001");
    form.ProcessFrequency = 2;
    EXPECT_TRUE(ProcessPayPeriod(form, true, true, {}));
    EXPECT_EQ(CompanyRec.PayDateFrom.get(), QStringLiteral("01/01/2026"));
    EXPECT_EQ(CompanyRec.PayDateTo.get(), QStringLiteral("01/14/2026"));
    EXPECT_EQ(CompanyRec.PayDate.get(), QStringLiteral("01/16/2026"));
    EXPECT_EQ(CompanyRec.StartChkNum, 1001);
    EXPECT_EQ(CompanyRec.ProcessFrequency, 2);
    EXPECT_TRUE(messages.shown().empty());
}

// ---- Form binding ----

TEST_F(PayPeriodTest, FormLoadsAndSavesTheCompanyRecord)
{
    CompanyRec.PayDateFrom = QStringLiteral("03/01/2026");
    CompanyRec.PayDateTo = QStringLiteral("03/14/2026");
    CompanyRec.PayDate = QStringLiteral("03/16/2026");
    CompanyRec.StartChkNum = 5120;
    CompanyRec.ProcessFrequency = 4;
    PayPeriodForm form = LoadPayPeriodForm();
    EXPECT_EQ(form.PayDateFrom, QStringLiteral("03/01/2026"));
    EXPECT_EQ(form.PayDateTo, QStringLiteral("03/14/2026"));
    EXPECT_EQ(form.PayDate, QStringLiteral("03/16/2026"));
    EXPECT_EQ(form.StartChkNum, QStringLiteral("5120"));
    EXPECT_EQ(form.ProcessFrequency, 4);

    // No frequency checked keeps the stored one; a stored frequency outside 0..4 checks none.
    form.ProcessFrequency = -1;
    form.StartChkNum = QString();
    SavePayPeriodForm(form);
    EXPECT_EQ(CompanyRec.ProcessFrequency, 4);
    EXPECT_EQ(CompanyRec.StartChkNum, 0);
    CompanyRec.ProcessFrequency = 9;
    EXPECT_EQ(LoadPayPeriodForm().ProcessFrequency, -1);
}

TEST_F(PayPeriodTest, CancelBlanksOnlyThePayDate)
{
    CompanyRec.PayDate = QStringLiteral("01/09/2026");
    PayPeriodForm form = Form("01/12/2026", "01/18/2026", "01/23/2026", "300");
    CancelPayPeriod(form);
    EXPECT_EQ(form.PayDate, QStringLiteral("  /  /    "));
    EXPECT_EQ(CompanyRec.PayDate.get(), QStringLiteral("  /  /    "));
    EXPECT_EQ(CompanyRec.PayDateFrom.get(), QStringLiteral("01/12/2026"));
    EXPECT_EQ(CompanyRec.PayDateTo.get(), QStringLiteral("01/18/2026"));
    EXPECT_EQ(CompanyRec.StartChkNum, 300);
}

TEST_F(PayPeriodTest, PlusAndMinusStepTheStartingCheckNumber)
{
    EXPECT_EQ(StepStartingCheckNumber(QStringLiteral("999999"), 1), QStringLiteral("1000000"));
    EXPECT_EQ(StepStartingCheckNumber(QStringLiteral("0"), -1), QStringLiteral("0"));
    EXPECT_EQ(StepStartingCheckNumber(QString(), 1), QStringLiteral("1"));
    EXPECT_EQ(StepStartingCheckNumber(QStringLiteral("100"), -1), QStringLiteral("99"));
}

// ---- New month and new quarter ----

TEST_F(PayPeriodTest, NewMonthAsksAndNoKeepsTheDialogOpenWithTheDatesStored)
{
    CompanyRec.LastPostedMonth = 1;
    const PayPeriodForm form = Form("02/01/2026", "02/14/2026", "02/16/2026");
    messages.expect(IdNo, QStringLiteral("starts a new month"));
    EXPECT_FALSE(ProcessPayPeriod(form, true, false, {}));
    EXPECT_EQ(messages.last().text,
              QStringLiteral("The  pay date  you have entered  starts a new month and\rand there are employees with "
                             "accumulated month-to-date\rtotals from a previous month.\r\rDo you want to process this "
                             "payroll anyway?\r\r"));
    EXPECT_EQ(messages.last().flags, MbYesNo | MbIconWarning | MbDefButton2);
    EXPECT_EQ(CompanyRec.PayDate.get(), QStringLiteral("02/16/2026"));

    messages.expect(IdYes, QStringLiteral("starts a new month"));
    EXPECT_TRUE(ProcessPayPeriod(form, true, false, {}));
}

TEST_F(PayPeriodTest, WhenTheNewMonthAndQuarterQuestionsAreAsked)
{
    struct Case {
        int lastPostedMonth;
        int currentQuarter;
        bool closeMonth;
        bool closeQuarter;
        const char* payDate;
        bool newMonth;
        bool newQuarter;
    } const cases[] = {
        {1, 1, true, true, "01/30/2026", false, false},
        {1, 1, true, true, "02/13/2026", true, false},
        {1, 1, false, true, "02/13/2026", false, false},   // no month totals to close
        {0, 1, true, true, "02/13/2026", false, false},    // nothing posted yet
        {3, 1, true, true, "04/03/2026", true, true},
        {3, 1, true, false, "04/03/2026", true, false},
        {3, 0, true, true, "04/03/2026", true, false},     // just after Close Quarter
        {6, 2, true, true, "06/30/2026", false, false},
        {6, 2, true, true, "03/31/2026", true, true},
        {12, 4, true, true, "12/31/2026", false, false},
        {12, 5, true, true, "12/31/2026", false, true},    // a quarter no month belongs to
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.payDate << " after month " << c.lastPostedMonth << ", quarter " << c.currentQuarter);
        CompanyRec.LastPostedMonth = c.lastPostedMonth;
        CompanyRec.CurrentQuarter = c.currentQuarter;
        CompanyRec.PayDate = QString::fromLatin1(c.payDate);
        EXPECT_EQ(PayDateStartsNewMonth(c.closeMonth), c.newMonth);
        EXPECT_EQ(PayDateStartsNewQuarter(c.closeQuarter), c.newQuarter);
    }
}

TEST_F(PayPeriodTest, NewQuarterAskedAfterTheNewMonth)
{
    CompanyRec.LastPostedMonth = 3;
    CompanyRec.CurrentQuarter = 1;
    messages.expect(IdYes, QStringLiteral("starts a new month"));
    messages.expect(IdNo, QStringLiteral("The  pay date  you have entered  starts a new quarter and\rand there are "
                                         "employees with accumulated quarter-to-date\rtotals from a previous quarter."));
    EXPECT_FALSE(ProcessPayPeriod(Form("03/29/2026", "04/04/2026", "04/06/2026"), true, true, {}));
}

// ---- The command and its update check ----

TEST_F(PayPeriodTest, UpdateCheckInterval)
{
    struct {
        QDate day;
        int interval;
    } const cases[] = {
        {{2025, 12, 14}, 15}, {{2025, 12, 15}, 5}, {{2026, 1, 10}, 5},  {{2026, 3, 10}, 5},
        {{2026, 3, 11}, 15},  {{2026, 6, 10}, 15}, {{2026, 11, 24}, 15}, {{2026, 11, 25}, 5},
        {{2026, 12, 31}, 5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UpdateCheckInterval(c.day), c.interval) << c.day.toString().toStdString();
}

TEST_F(PayPeriodTest, CommandChecksForUpdatesOnlyWhenDue)
{
    RegistryRoot = QStringLiteral("Software\\Ledgora\\2026\\");
    const QString key = RegistryRoot + QStringLiteral("Update");
    Registry registry;
    auto lastChecked = [&registry, &key] {
        registry.OpenKey(key, false);
        const QString day = registry.ReadString(QStringLiteral("LastChecked"));
        registry.CloseKey();
        return day;
    };
    auto setLastChecked = [&registry, &key](const char* day) {
        registry.OpenKey(key, true);
        registry.WriteString(QStringLiteral("LastChecked"), QString::fromLatin1(day));
        registry.CloseKey();
    };

    // The first time on a machine only records the day.
    SetToday("01/10/2026");
    PayPeriodCommand();
    EXPECT_EQ(opened, QStringList({"pay period dialog", "processing menu"}));
    EXPECT_EQ(lastChecked(), QStringLiteral("01/10/2026"));

    struct {
        const char* today;
        const char* lastChecked;
        bool due;
    } const cases[] = {
        {"01/10/2026", "01/05/2026", true},
        {"01/10/2026", "01/06/2026", false},
        {"06/10/2026", "06/01/2026", false},
        {"06/10/2026", "05/27/2026", false},
        {"06/10/2026", "05/26/2026", true},
        {"06/10/2026", "not a day", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.today << " after " << c.lastChecked);
        SetToday(c.today);
        setLastChecked(c.lastChecked);
        opened.clear();
        PayPeriodCommand();
        if (c.due) {
            EXPECT_EQ(opened, QStringList({"web update", "pay period dialog", "processing menu"}));
            EXPECT_EQ(lastChecked(), QString::fromLatin1(c.today));
        } else {
            EXPECT_EQ(opened, QStringList({"pay period dialog", "processing menu"}));
            EXPECT_EQ(lastChecked(), QString::fromLatin1(c.lastChecked));
        }
    }
    SetClockForTests(QDateTime());
}

TEST_F(PayPeriodTest, BrowseOnlyIsRefusedAfterTheUpdateCheck)
{
    RegistryRoot = QStringLiteral("Software\\Ledgora\\2026\\");
    Registry registry;
    registry.OpenKey(RegistryRoot + QStringLiteral("Update"), true);
    registry.WriteString(QStringLiteral("LastChecked"), QStringLiteral("01/01/2020"));
    registry.CloseKey();

    std::unique_ptr<TFrmDataModule> second = openBrowseOnlyCopy();
    EXPECT_THROW(PayPeriodCommand(), ERecordSetException);
    EXPECT_EQ(opened, QStringList({"web update"}));
    second.reset();
    FrmDataModule = module.get();
}
