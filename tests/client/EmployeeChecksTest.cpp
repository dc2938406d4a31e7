#include "ClientFixture.h"

#include "client/EmployeeChecks.h"
#include "client/EmployeeLoop.h"
#include "client/PayUtil.h"

#include <functional>

namespace {

using enum EmployeeField;

// An employee who may be left as he is.
EmployeeEntries CompleteEntries()
{
    EmployeeEntries e;
    e.FirstName = QStringLiteral("Mary");
    e.LastName = QStringLiteral("Lee");
    e.Address = QStringLiteral("12 Oak Street");
    e.City = QStringLiteral("Springfield");
    e.StateChosen = true;
    e.ZipCode = QStringLiteral("62701");
    e.EmployeeNum = QStringLiteral("7");
    e.WorkStateChosen = true;
    e.PhoneNumber = QStringLiteral("555-123-4567");
    e.GenderChosen = true;
    e.SocSecNum = QStringLiteral("234-56-7890");
    e.Department = QStringLiteral("Shop");
    e.Position = QStringLiteral("Clerk");
    e.BankAcctNum = e.BankRouting = e.EmployeeID = QString();
    for (QString* date : {&e.DateOfBirth, &e.DateHired, &e.DatePromoted, &e.DateOfRaise, &e.DateReviewed,
                          &e.DateNextRev, &e.DateSuspend, &e.DateSuspEnds})
        *date = QStringLiteral("  /  /    ");
    e.FrequencyChosen = true;
    e.Married = true;
    e.RegularRate = 20;
    e.OverTimeRate = 30;
    e.StdRegTime = 40;
    return e;
}

struct FaultCase {
    const char* what;
    std::function<void(EmployeeEntries&)> change;
    EmployeeField field;
    const char* message;
    bool scrollToTop = true;
};

const char* const kNoDate = "  /  /    ";

std::vector<FaultCase> FaultCases()
{
    return {
        {"blank first name", [](EmployeeEntries& e) { e.FirstName = QStringLiteral("  "); }, FirstName,
         "Employee's first name is missing"},
        {"blank last name", [](EmployeeEntries& e) { e.LastName.clear(); }, LastName, "Employee's last name is missing"},
        {"blank address", [](EmployeeEntries& e) { e.Address.clear(); }, Address, "Employee's street address is missing"},
        {"blank city", [](EmployeeEntries& e) { e.City.clear(); }, City, "Employee's City name is missing"},
        {"no state", [](EmployeeEntries& e) { e.StateChosen = false; }, State, "Employee's state name is missing"},
        {"short ZIP", [](EmployeeEntries& e) { e.ZipCode = QStringLiteral("6270"); }, ZipCode,
         "Employee's Zip Code is invalid"},
        {"employee number 0", [](EmployeeEntries& e) { e.EmployeeNum = QStringLiteral("00"); }, EmployeeNum,
         "Employee number is missing"},
        {"no work state", [](EmployeeEntries& e) { e.WorkStateChosen = false; }, WorkState,
         "Employee's Work State name is missing"},
        {"short phone", [](EmployeeEntries& e) { e.PhoneNumber = QStringLiteral("555-123-    "); }, PhoneNumber,
         "Employee's telephone number is invalid"},
        {"no gender", [](EmployeeEntries& e) { e.GenderChosen = false; }, Gender, "Employee's gender is missing"},
        {"advertised SSN", [](EmployeeEntries& e) { e.SocSecNum = QStringLiteral("123-45-6789"); }, SocSecNum,
         "Employee's social security number is invalid"},
        {"blank department", [](EmployeeEntries& e) { e.Department.clear(); }, Department,
         "Employee's department name is missing"},
        {"blank position", [](EmployeeEntries& e) { e.Position.clear(); }, Position,
         "Employee's department position name is missing"},
        {"bad e-mail", [](EmployeeEntries& e) { e.EmailAddress = QStringLiteral("mary@"); }, EmailAddress,
         "E-mail address is invalid", false},
        {"deposit without account", [](EmployeeEntries& e) { e.DirDeposit = true; }, BankAcctNum,
         "Bank account number is missing"},
        {"deposit with bad routing",
         [](EmployeeEntries& e) {
             e.DirDeposit = true;
             e.BankAcctNum = QStringLiteral("12345");
             e.BankRouting = QStringLiteral("021000020");
         },
         BankRouting, "Bank Routing Transit Number is invalid"},
        {"deposit without I.D.",
         [](EmployeeEntries& e) {
             e.DirDeposit = true;
             e.BankAcctNum = QStringLiteral("12345");
             e.BankRouting = QStringLiteral("021000021");
         },
         EmployeeID, "Employee identification string is missing"},
        {"deposit without account type",
         [](EmployeeEntries& e) {
             e.DirDeposit = true;
             e.BankAcctNum = QStringLiteral("12345");
             e.BankRouting = QStringLiteral("021000021");
             e.EmployeeID = QStringLiteral("E7");
         },
         AccountType, "Account type is missing"},
        {"bad birth date", [](EmployeeEntries& e) { e.DateOfBirth = QStringLiteral("02/30/1980"); }, DateOfBirth,
         "Employee's date of birth is invalid"},
        {"half typed hire date", [](EmployeeEntries& e) { e.DateHired = QStringLiteral("03/1 /2024"); }, DateHired,
         "Employee's date hired is invalid"},
        {"bad promotion date", [](EmployeeEntries& e) { e.DatePromoted = QStringLiteral("13/01/2024"); }, DatePromoted,
         "Employee's date of last promotion is invalid"},
        {"bad raise date", [](EmployeeEntries& e) { e.DateOfRaise = QStringLiteral("00/01/2024"); }, DateOfRaise,
         "Employee's date of last raise is invalid"},
        {"bad review date", [](EmployeeEntries& e) { e.DateReviewed = QStringLiteral("04/31/2024"); }, DateReviewed,
         "Employee's date of last review is invalid"},
        {"bad next review", [](EmployeeEntries& e) { e.DateNextRev = QStringLiteral("1 /01/2026"); }, DateNextRev,
         "Employee's date of next review is invalid"},
        {"bad suspension begin", [](EmployeeEntries& e) { e.DateSuspend = QStringLiteral("02/29/2026"); }, DateSuspend,
         "Employee's date suspended is invalid"},
        {"bad suspension end", [](EmployeeEntries& e) { e.DateSuspEnds = QStringLiteral("02/29/2026"); }, DateSuspEnds,
         "Employee's date supension ends is invalid"},
        {"end without begin", [](EmployeeEntries& e) { e.DateSuspEnds = QStringLiteral("03/31/2026"); }, DateSuspend,
         "Date suspension ends has a valid entry\rhowever, date suspended is invalid"},
        {"begin without end", [](EmployeeEntries& e) { e.DateSuspend = QStringLiteral("03/01/2026"); }, DateSuspEnds,
         "Date suspended has a valid entry, however\rdate suspension ends is invalid"},
        {"end before begin",
         [](EmployeeEntries& e) {
             e.DateSuspend = QStringLiteral("03/10/2026");
             e.DateSuspEnds = QStringLiteral("03/09/2026");
         },
         DateSuspend, "Date suspended is after the date suspension ends."},
        {"no frequency", [](EmployeeEntries& e) { e.FrequencyChosen = false; }, Frequency,
         "Employee's payroll frequency is missing"},
        {"no marital status", [](EmployeeEntries& e) { e.Married = false; }, Single,
         "You must check one of the Marital Status boxes", false},
        {"rate 0", [](EmployeeEntries& e) { e.RegularRate = 0; }, RegularRate, "Employee's hourly or daily rate is missing"},
        {"overtime rate 0", [](EmployeeEntries& e) { e.OverTimeRate = 0; }, OverTimeRate,
         "Employee's hourly or daily over-time rate is missing"},
        {"standard time 0", [](EmployeeEntries& e) { e.StdRegTime = 0; }, StdRegTime,
         "Employee's standard regular hours/days is missing"},
        {"other rate without description", [](EmployeeEntries& e) { e.OtherRate = 12.5; }, OtherRateDesc,
         "Employee's other rate description is missing"},
        {"description without other rate", [](EmployeeEntries& e) { e.OtherRateDesc = QStringLiteral("Piece work"); },
         OtherRate, "Employee's other rate amount is missing"},
    };
}

std::function<bool()> NoDuplicate()
{
    return [] { return false; };
}

} // namespace

TEST(EmployeeChecks, CompleteEmployeeHasNoFaultAndNothingColoured)
{
    EXPECT_FALSE(FindEmployeeEntryFault(CompleteEntries(), false, NoDuplicate()));
    EXPECT_TRUE(EmployeeFieldsInError(CompleteEntries()).none());
}

TEST(EmployeeChecks, EachFaultFocusesItsEntryWithItsMessageAndColoursIt)
{
    for (const FaultCase& c : FaultCases()) {
        EmployeeEntries entries = CompleteEntries();
        c.change(entries);
        const auto fault = FindEmployeeEntryFault(entries, false, NoDuplicate());
        ASSERT_TRUE(fault) << c.what;
        EXPECT_EQ(fault->field, c.field) << c.what;
        EXPECT_EQ(fault->message, QString::fromLatin1(c.message)) << c.what;
        EXPECT_EQ(fault->scrollToTop, c.scrollToTop) << c.what;
        EXPECT_TRUE(Contains(EmployeeFieldsInError(entries), c.field)) << c.what;
    }
}

TEST(EmployeeChecks, FirstFaultInScreenOrderWins)
{
    EmployeeEntries entries = CompleteEntries();
    entries.StdRegTime = 0;
    entries.GenderChosen = false;
    entries.City.clear();
    EXPECT_EQ(FindEmployeeEntryFault(entries, false, NoDuplicate())->field, City);
}

TEST(EmployeeChecks, DuplicateAskedOnlyAfterTheNumberItselfIsValidAndBeforeTheDepartment)
{
    EmployeeEntries entries = CompleteEntries();
    entries.Department.clear();
    int asked = 0;
    const auto taken = [&asked] {
        ++asked;
        return true;
    };
    const auto fault = FindEmployeeEntryFault(entries, false, taken);
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->field, SocSecNum);
    EXPECT_EQ(fault->message,
              QStringLiteral("There already exists an employee with the same\rsocial security number in the database."));
    EXPECT_FALSE(fault->scrollToTop);
    EXPECT_EQ(asked, 1);

    entries.SocSecNum = QStringLiteral("234-56-789 ");
    EXPECT_EQ(FindEmployeeEntryFault(entries, false, taken)->field, SocSecNum);
    EXPECT_EQ(asked, 1);
}

TEST(EmployeeChecks, RestrictedModeLetsTheLockedFieldsPassButHoldsTheOthers)
{
    const std::function<void(EmployeeEntries&)> lockedFaults[] = {
        [](EmployeeEntries& e) { e.DateHired = QStringLiteral("13/01/2020"); },
        [](EmployeeEntries& e) { e.DateSuspend = QStringLiteral("13/01/2026"); },
        [](EmployeeEntries& e) { e.DateSuspEnds = QStringLiteral("13/01/2026"); },
        [](EmployeeEntries& e) { e.DateSuspEnds = QStringLiteral("03/31/2026"); },
        [](EmployeeEntries& e) { e.DateSuspend = QStringLiteral("03/01/2026"); },
        [](EmployeeEntries& e) {
            e.DateSuspend = QStringLiteral("03/10/2026");
            e.DateSuspEnds = QStringLiteral("03/09/2026");
        },
        [](EmployeeEntries& e) { e.FrequencyChosen = false; },
    };
    for (const auto& change : lockedFaults) {
        EmployeeEntries entries = CompleteEntries();
        change(entries);
        EXPECT_TRUE(FindEmployeeEntryFault(entries, false, NoDuplicate()));
        EXPECT_FALSE(FindEmployeeEntryFault(entries, true, NoDuplicate()));
    }
    for (const FaultCase& c : FaultCases()) {
        if (c.field == DateHired || c.field == DateSuspend || c.field == DateSuspEnds || c.field == Frequency)
            continue;
        EmployeeEntries entries = CompleteEntries();
        c.change(entries);
        const auto fault = FindEmployeeEntryFault(entries, true, NoDuplicate());
        ASSERT_TRUE(fault) << c.what;
        EXPECT_EQ(fault->field, c.field) << c.what;
    }
}

TEST(EmployeeChecks, StatusColouring)
{
    struct Case {
        const char* what;
        std::function<void(EmployeeEntries&)> change;
        std::vector<EmployeeField> coloured;
    };
    const Case cases[] = {
        {"no marital status colours all three", [](EmployeeEntries& e) { e.Married = false; }, {Single, Married, HOH}},
        {"direct deposit without its data colours its four",
         [](EmployeeEntries& e) { e.DirDeposit = true; },
         {BankAcctNum, BankRouting, EmployeeID, AccountType}},
        {"direct deposit data off: nothing", [](EmployeeEntries& e) { e.BankRouting = QStringLiteral("1"); }, {}},
        {"suspension begin without end colours the end",
         [](EmployeeEntries& e) { e.DateSuspend = QStringLiteral("03/01/2026"); },
         {DateSuspEnds}},
        {"end before begin colours the begin",
         [](EmployeeEntries& e) {
             e.DateSuspend = QStringLiteral("03/10/2026");
             e.DateSuspEnds = QStringLiteral("03/09/2026");
         },
         {DateSuspend}},
        {"invalid begin colours the begin and the end without its begin",
         [](EmployeeEntries& e) {
             e.DateSuspend = QStringLiteral("02/30/2026");
             e.DateSuspEnds = QStringLiteral("03/09/2026");
         },
         {DateSuspend}},
        {"blank e-mail is fine", [](EmployeeEntries& e) { e.EmailAddress = QStringLiteral("   "); }, {}},
        {"rates of 0 and other pay without description",
         [](EmployeeEntries& e) {
             e.RegularRate = e.OverTimeRate = e.StdRegTime = 0;
             e.OtherRate = 3;
         },
         {RegularRate, OverTimeRate, StdRegTime, OtherRateDesc}},
    };
    for (const Case& c : cases) {
        EmployeeEntries entries = CompleteEntries();
        c.change(entries);
        EmployeeFieldSet expected;
        for (EmployeeField field : c.coloured)
            expected.set(static_cast<std::size_t>(field));
        EXPECT_EQ(EmployeeFieldsInError(entries), expected) << c.what;
    }
}

// The scan for another employee with the same number, on a real client file.
class SocSecNumScanTest : public ClientTest {
protected:
    void SetUp() override
    {
        ClientTest::SetUp();
        openClient();
        for (const auto& [last, ssn] : {std::pair{"Adams", "234-56-7890"}, std::pair{"Baker", "345-67-8901"},
                                        std::pair{"Clark", "234-56-7890"}}) {
            addEmployee(QString::fromLatin1(last), QStringLiteral("Pat"));
            EmployeeRec.SocSecNum = QString::fromLatin1(ssn);
            module->RSEmployee.PostRec();
        }
        module->RSEmployee.SetCurrentRecord(2);
        module->RSEmployee.GetRec();
    }
};

TEST_F(SocSecNumScanTest, FindsAnotherEmployeesNumberButNotTheOwn)
{
    EXPECT_TRUE(SocSecNumOfAnotherEmployee(QStringLiteral("234-56-7890")));
    EXPECT_FALSE(SocSecNumOfAnotherEmployee(QStringLiteral("345-67-8901")));
    EXPECT_FALSE(SocSecNumOfAnotherEmployee(QStringLiteral("456-78-9012")));
    EXPECT_EQ(module->RSEmployee.CurrentRecord(), 2);
}

TEST_F(SocSecNumScanTest, UnpostedChangesOfTheCurrentEmployeeSurviveTheScan)
{
    // What the Form W-4 screen stored and nobody posted yet.
    EmployeeRec.FW4Box3a = 4400;
    EmployeeRec.SocSecNum = QStringLiteral("234-56-7890");
    EXPECT_TRUE(SocSecNumOfAnotherEmployee(EmployeeRec.SocSecNum));
    EXPECT_EQ(EmployeeRec.FW4Box3a, 4400);
    EXPECT_EQ(EmployeeRec.LastName.get(), QStringLiteral("Baker"));
    EXPECT_EQ(EmployeeRec.SocSecNum.get(), QStringLiteral("234-56-7890"));

    EXPECT_FALSE(SocSecNumOfAnotherEmployee(QStringLiteral("456-78-9012")));
    EXPECT_EQ(EmployeeRec.FW4Box3a, 4400);
    EXPECT_EQ(module->RSEmployee.CurrentRecord(), 2);
}
