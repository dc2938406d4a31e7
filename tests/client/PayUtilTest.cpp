#include "ClientFixture.h"

#include "client/PayUtil.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"

#include <cstring>

using PayUtilTest = ClientTest;

namespace {

struct EligibilityCase {
    const char* hired;
    const char* suspend;
    const char* suspendEnds;
    const char* resigned;
    bool deceased;
    int processFrequency;
    int frequency;
    int expected;
};

} // namespace

// Pay period 03/01/2026 .. 03/15/2026.
TEST_F(PayUtilTest, EligibilityAtThePeriodsBoundaries)
{
    CompanyRec.PayDateFrom = QStringLiteral("03/01/2026");
    CompanyRec.PayDateTo = QStringLiteral("03/15/2026");
    const EligibilityCase cases[] = {
        {"01/05/2020", "", "", "", false, 1, 1, 0},
        {"03/15/2026", "", "", "", false, 0, 2, 0},                      // hired on the last day
        {"03/16/2026", "", "", "", false, 0, 2, 1},                      // hired the day after
        {"  /  /    ", "", "", "", false, 0, 2, 0},                      // no hire date
        {"", "02/28/2026", "03/15/2026", "", false, 0, 2, 2},            // suspended over the whole period
        {"", "03/01/2026", "03/15/2026", "", false, 0, 2, 2},
        {"", "02/28/2026", "03/14/2026", "", false, 0, 2, 0},            // back before the period ends
        {"", "03/02/2026", "04/30/2026", "", false, 0, 2, 0},            // suspended after the period starts
        {"", "02/28/2026", "  /  /    ", "", false, 0, 2, 0},            // no end of suspension
        {"", "", "", "03/01/2026", false, 0, 2, 0},                      // resigned on the first day
        {"", "", "", "02/28/2026", false, 0, 2, 3},                      // resigned the day before
        {"", "", "", "", true, 0, 2, 4},
        {"", "", "", "", false, 2, 3, 5},
        {"", "", "", "", false, 0, 4, 0},                                // all frequencies processed
        {"03/16/2026", "", "", "02/28/2026", true, 2, 3, 1},             // the first reason wins
        {"", "02/01/2026", "03/31/2026", "02/28/2026", true, 2, 3, 2},
    };
    for (const EligibilityCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hired << "|" << c.suspend << "|" << c.suspendEnds << "|" << c.resigned);
        EmployeeRec.DateHired = QString::fromLatin1(c.hired);
        EmployeeRec.DateSuspend = QString::fromLatin1(c.suspend);
        EmployeeRec.DateSuspEnds = QString::fromLatin1(c.suspendEnds);
        EmployeeRec.DateResigned = QString::fromLatin1(c.resigned);
        EmployeeRec.Deceased = c.deceased;
        CompanyRec.ProcessFrequency = static_cast<std::uint8_t>(c.processFrequency);
        EmployeeRec.Frequency = static_cast<std::uint8_t>(c.frequency);
        EXPECT_EQ(CheckEmployeeEligible(false), c.expected);
    }
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(PayUtilTest, IneligibleEmployeeMessages)
{
    CompanyRec.PayDateFrom = QStringLiteral("03/01/2026");
    CompanyRec.PayDateTo = QStringLiteral("03/15/2026");
    EmployeeRec.FullName = QStringLiteral("  Ann Smith ");
    struct {
        void (*set)();
        const char* text;
    } const cases[] = {
        {[] { EmployeeRec.DateHired = QStringLiteral("04/01/2026"); },
         "Ann Smith cannot be selected.\rThis  employee's  hired  date is not consistent with\rthe current payroll period "
         "that is being processed."},
        {[] {
             EmployeeRec.DateSuspend = QStringLiteral("02/01/2026");
             EmployeeRec.DateSuspEnds = QStringLiteral("03/31/2026");
         },
         "Ann Smith cannot be selected.\rThis employee is suspended from 02/01/2026 to 03/31/2026"},
        {[] { EmployeeRec.DateResigned = QStringLiteral("01/31/2026"); },
         "Ann Smith cannot be selected.\rThis employee has been terminated or resigned on 01/31/2026"},
        {[] { EmployeeRec.Deceased = true; }, "Ann Smith cannot be selected.\rThis employee is deceased."},
        {[] {
             CompanyRec.ProcessFrequency = 1;
             EmployeeRec.Frequency = 2;
         },
         "Ann Smith cannot be selected.\rThis employee's payroll frequency is not consistent with\rthe current payroll "
         "frequency that is being processed."},
    };
    int expected = 1;
    for (const auto& c : cases) {
        EmployeeRec.DateHired = QString();
        EmployeeRec.DateSuspend = QString();
        EmployeeRec.DateSuspEnds = QString();
        EmployeeRec.DateResigned = QString();
        EmployeeRec.Deceased = false;
        CompanyRec.ProcessFrequency = 0;
        c.set();
        messages.expect(IdOk);
        EXPECT_EQ(CheckEmployeeEligible(true), expected++);
        EXPECT_EQ(messages.last().text, QString::fromUtf8(c.text));
        EXPECT_EQ(messages.last().caption, QStringLiteral("Ledgora 2026"));
        EXPECT_EQ(messages.last().flags, MbIconStop);
    }
}

TEST_F(PayUtilTest, TaxableUnderWageBase)
{
    struct {
        double amount, yearToDate, limit, expected;
    } const cases[] = {
        {1000, 6500, 7000, 500},        // crosses the limit: only the part up to it
        {1000, 7000, 7000, 0},          // limit reached before
        {1000, 9000, 7000, 0},          // already past the limit
        {1000, 2000, 7000, 1000},       // stays below
        {1000, 6000, 7000, 1000},       // reaches the limit exactly
        {1000, 0, 0, 0},                // no limit: nothing taxable
        {0, 100, 7000, 0},
        {-200, 6000, 7000, 0},          // a negative amount is never taxable
        {-200, 8000, 7000, 0},
        {2345.67, 182154.33, 184500, 2345.67},
        {2345.68, 182154.33, 184500, 2345.67},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.amount << " " << c.yearToDate << " " << c.limit);
        EXPECT_NEAR(TaxableUnderWageBase(c.amount, c.yearToDate, c.limit), c.expected, 1e-9);
    }
}

TEST_F(PayUtilTest, TotalColumnsFromTheirParts)
{
    EmployeeRecord& e = EmployeeRec;
    for (int c = 1; c <= 4; ++c) {
        const double k = c;  // column c holds c times the amounts of column 1
        e.Wages[c] = 1000.00 * k;
        e.OverTimePay[c] = 150.25 * k;
        e.VacationPay[c] = 80 * k;
        e.Tips[c] = 45.50 * k;
        e.UserPay3[c] = 10.01 * k;
        e.GTLIAmount[c] = 999 * k;         // not part of gross wages
        e.FICATax[c] = 80.32 * k;
        e.FederalTax[c] = 97 * k;
        e.MedicareTax[c] = 18.78 * k;
        e.StateTax[c] = 33.1 * k;
        e.HealthIns[c] = 25 * k;
        e.Plan401k[c] = 50 * k;
        e.NonQualPlan[c] = 12.5 * k;
        e.UserDeduct2[c] = 5 * k;
        e.CafePlan[c] = 700 * k;           // not part of the deductions
        e.TPSPFICATax[c] = 700 * k;
        e.MedSurchargeTax[c] = 700 * k;
        e.FICALib[c] = 80.32 * k;
        e.FUTALib[c] = 7.55 * k;
        e.UserLib5[c] = 1.1 * k;
    }
    e.NetPay[1] = 12345;  // stale current column, left alone from column 2 on

    CompanyRec.IncludeTips = true;
    UpdateTotalColumns(2);
    EXPECT_EQ(e.NetPay[1], 12345);
    // 2 x (1000 + 150.25 + 80 + 45.50 + 10.01) = 2571.52
    EXPECT_NEAR(e.GrossWages[2], 2571.52, 1e-9);
    EXPECT_NEAR(e.PensionPlans[2], 125.00, 1e-9);
    // 2 x (80.32 + 97 + 18.78 + 33.1 + 25 + 62.5 + 5) = 643.40
    EXPECT_NEAR(e.TotalDeduct[2], 643.40, 1e-9);
    EXPECT_NEAR(e.NetPay[2], 1928.12, 1e-9);
    EXPECT_NEAR(e.TotalLib[2], 177.94, 1e-9);
    EXPECT_NEAR(e.NetPay[4], 3856.24, 1e-9);

    CompanyRec.IncludeTips = false;
    UpdateTotalColumns(1);
    EXPECT_NEAR(e.GrossWages[1], 1240.26, 1e-9);   // tips left out
    EXPECT_NEAR(e.TotalDeduct[1], 321.70, 1e-9);   // deductions unaffected
    EXPECT_NEAR(e.NetPay[1], 918.56, 1e-9);
    EXPECT_NEAR(e.TotalLib[1], 88.97, 1e-9);
    EXPECT_NEAR(e.GrossWages[3], 3720.78, 1e-9);
}

class CompanySetupTest : public PayUtilTest {
protected:
    void SetUp() override
    {
        PayUtilTest::SetUp();
        CompanyRecord& c = CompanyRec;
        c.Name = QStringLiteral("Acme Tools");
        c.Address = QStringLiteral("1 Main St");
        c.City = QStringLiteral("Dayton");
        c.State = QStringLiteral("OH");
        c.ZipCode = QStringLiteral("45402");
        c.PhoneNumber = QStringLiteral("937-555-0100");
        c.FederalID = QStringLiteral("31-1234567");
        c.FourCharID = QStringLiteral("ACME");
        c.CurrentState = 37;  // OH
        c.UnempTaxRate[37] = 2.7;
        c.StateID[37] = QStringLiteral("12345678");
    }
};

TEST_F(CompanySetupTest, CompleteSetupAndEachMissingItem)
{
    EXPECT_TRUE(CountMissingCompanyData());
    struct {
        const char* what;
        void (*spoil)();
    } const cases[] = {
        {"name", [] { CompanyRec.Name = QStringLiteral("  "); }},
        {"address", [] { CompanyRec.Address = QString(); }},
        {"city", [] { CompanyRec.City = QString(); }},
        {"state", [] { CompanyRec.State = QString(); }},
        {"zip", [] { CompanyRec.ZipCode = QStringLiteral("4540"); }},
        {"phone", [] { CompanyRec.PhoneNumber = QStringLiteral("9375550100"); }},
        {"ein", [] { CompanyRec.FederalID = QStringLiteral("311234567"); }},
        {"four char id", [] { CompanyRec.FourCharID = QString(); }},
        {"account id", [] {
             CompanyRec.DirDeposit = true;
             CompanyRec.AccountID = QString();
         }},
        {"designee name", [] {
             CompanyRec.Designee = true;
             CompanyRec.DesigneePhone = QStringLiteral("937-555-0101");
             CompanyRec.DesigneePIN = QStringLiteral("12345");
         }},
        {"designee pin", [] {
             CompanyRec.Designee = true;
             CompanyRec.DesigneeName = QStringLiteral("Pat");
             CompanyRec.DesigneePhone = QStringLiteral("937-555-0101");
             CompanyRec.DesigneePIN = QStringLiteral("1234");
         }},
        {"state id", [] { CompanyRec.StateID[37] = QString(); }},
        {"no current state", [] { CompanyRec.CurrentState = 0; }},
    };
    const CompanyRecord complete = CompanyRec;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CompanyRec = complete;
        c.spoil();
        EXPECT_FALSE(CountMissingCompanyData());
    }

    // Not required: the second state identifier, the state identifier of a state without employer
    // rates, and the state identifiers of other states.
    CompanyRec = complete;
    CompanyRec.StateID2[37] = QString();
    CompanyRec.StateID[1] = QString();
    CompanyRec.UnempTaxRate[1] = 5;
    EXPECT_TRUE(CountMissingCompanyData());
    CompanyRec.UnempTaxRate[37] = 0;
    CompanyRec.StateID[37] = QString();
    EXPECT_TRUE(CountMissingCompanyData());
    CompanyRec.DisbTaxRate[37] = 0.5;
    EXPECT_FALSE(CountMissingCompanyData());
    CompanyRec = complete;
    CompanyRec.DirDeposit = true;
    CompanyRec.AccountID = QStringLiteral("A1");
    CompanyRec.Designee = true;
    CompanyRec.DesigneeName = QStringLiteral("Pat");
    CompanyRec.DesigneePhone = QStringLiteral("937-555-0101");
    CompanyRec.DesigneePIN = QStringLiteral("12345");
    EXPECT_TRUE(CountMissingCompanyData());
}

TEST_F(PayUtilTest, CheckPositions)
{
    CompanyRecord& c = CompanyRec;
    for (double* position : {&c.vpFullName, &c.hpFullName, &c.vpCheckDate, &c.hpCheckDate, &c.vpAmount, &c.hpAmount,
                             &c.vpAmountText, &c.hpAmountText})
        *position = 1.5;
    EXPECT_TRUE(IsCheckSetupComplete());
    c.PrintStub = true;
    EXPECT_FALSE(IsCheckSetupComplete());
    c.vpCheckStub = 4;
    EXPECT_FALSE(IsCheckSetupComplete());
    c.hpCheckStub = 0.25;
    EXPECT_TRUE(IsCheckSetupComplete());
    c.PrintStub = false;
    c.hpAmountText = 0;
    EXPECT_FALSE(IsCheckSetupComplete());
}

TEST_F(PayUtilTest, PayCategoryIsTheFirstPlanWithYearToDateContributions)
{
    int plan = -1;
    EXPECT_FALSE(GetPayCategory(plan));
    EXPECT_EQ(plan, 0);
    EmployeeRec.IRASimple[4] = 10;
    EmployeeRec.Plan408k6[4] = 0.004;  // rounds to no contribution
    EmployeeRec.Plan403b[1] = 50;      // current column only
    EXPECT_TRUE(GetPayCategory(plan));
    EXPECT_EQ(plan, 5);
    EmployeeRec.Plan457b[4] = 0.005;
    EXPECT_TRUE(GetPayCategory(plan));
    EXPECT_EQ(plan, 4);
    EmployeeRec.Plan401k[4] = 1;
    EXPECT_TRUE(GetPayCategory(plan));
    EXPECT_EQ(plan, 1);
}

TEST_F(PayUtilTest, CountsVisitEveryEmployeeAndKeepTheCurrentOne)
{
    EXPECT_EQ(GetEmployeeCount(), 0);
    EXPECT_EQ(CountEmployeesWithPay(), 0);
    openClient();
    addEmployee(QStringLiteral("Adams"), QStringLiteral("Ann"));
    EmployeeRec.GrossWages[1] = 100;
    EmployeeRec.GrossWages[4] = 100;
    EmployeeRec.RegularRate = 20;
    module->RSEmployee.PostRec();
    addEmployee(QStringLiteral("Baker"), QStringLiteral("Bob"));
    EmployeeRec.TPSPGross[1] = 50;
    EmployeeRec.GrossWages[3] = 1;
    module->RSEmployee.PostRec();
    addEmployee(QStringLiteral("Clark"), QStringLiteral("Cy"));
    EmployeeRec.NetPay[1] = -5;
    EmployeeRec.GrossWages[4] = 7;
    EmployeeRec.RegularRate = 0.01;
    module->RSEmployee.PostRec();
    addEmployee(QStringLiteral("Dunn"), QStringLiteral("Di"));
    EmployeeRec.RegularRate = -1;
    module->RSEmployee.PostRec();
    module->RSEmployee.SetCurrentRecord(2);
    module->RSEmployee.GetRec();
    EmployeeCount = 0;

    EXPECT_EQ(GetEmployeeCount(), 4);
    EXPECT_EQ(CountEmployeesWithPay(), 3);
    EXPECT_EQ(EmployeeCount, 4);
    EXPECT_EQ(CountEmployeesWithRate(), 2);
    EXPECT_EQ(CountEmployeesWithAmount(1), 1);
    EXPECT_EQ(CountEmployeesWithAmount(2), 0);
    EXPECT_EQ(CountEmployeesWithAmount(3), 1);
    EXPECT_EQ(CountEmployeesWithAmount(4), 2);
    EXPECT_EQ(module->RSEmployee.CurrentRecord(), 2);
    EXPECT_EQ(EmployeeRec.LastName.get(), QStringLiteral("Baker"));
}

TEST_F(PayUtilTest, PasswordScrambling)
{
    const QString alphabet = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!@#$");
    const QString scrambled = ScramblePassword(alphabet);
    EXPECT_EQ(scrambled.size(), 66);
    EXPECT_NE(scrambled, alphabet);
    QString sorted = scrambled;
    std::sort(sorted.begin(), sorted.end());
    QString sortedAlphabet = alphabet;
    std::sort(sortedAlphabet.begin(), sortedAlphabet.end());
    EXPECT_EQ(sorted, sortedAlphabet);  // one-to-one
    EXPECT_EQ(UnscramblePassword(scrambled), alphabet);
    for (QChar c : alphabet)
        EXPECT_NE(ScramblePassword(QString(c)), QString(c));

    const QString password = QStringLiteral("Pass$word12345!");
    EXPECT_EQ(ScramblePassword(password).size(), 15);
    EXPECT_EQ(UnscramblePassword(ScramblePassword(password)), password);
    // A character outside the alphabet is dropped.
    EXPECT_EQ(ScramblePassword(QStringLiteral("ab cd%")).size(), 4);
    EXPECT_EQ(UnscramblePassword(ScramblePassword(QStringLiteral("ab cd%"))), QStringLiteral("abcd"));
    EXPECT_TRUE(ScramblePassword(QString()).isEmpty());
}
