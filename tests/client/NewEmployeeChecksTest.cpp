#include "TestSupport.h"

#include "client/NewEmployeeChecks.h"

namespace {

EmployeeEntries ValidNewEmployee()
{
    EmployeeEntries e;
    e.FirstName = QStringLiteral("Pat");
    e.LastName = QStringLiteral("Adams");
    e.Address = QStringLiteral("1 Main Street");
    e.City = QStringLiteral("Dover");
    e.StateChosen = true;
    e.ZipCode = QStringLiteral("19901");
    e.EmployeeNum = QStringLiteral("12");
    e.WorkStateChosen = true;
    e.PhoneNumber = QStringLiteral("302-555-0100");
    e.GenderChosen = true;
    e.SocSecNum = QStringLiteral("234-56-7890");
    e.Department = QStringLiteral("Bakery");
    e.Position = QStringLiteral("Clerk");
    const QString empty = QStringLiteral("  /  /    ");
    e.DateOfBirth = e.DateHired = e.DateNextRev = empty;
    e.DatePromoted = e.DateOfRaise = e.DateReviewed = e.DateSuspend = e.DateSuspEnds = empty;
    e.FrequencyChosen = true;
    e.Single = true;
    e.RegularRate = 18;
    e.StdRegTime = 40;
    return e;
}

} // namespace

TEST(NewEmployeeChecksTest, ZipCodeAndCityRules)
{
    struct Case {
        const char* zip;
        const char* message; // empty: accepted
    };
    for (const Case c : {Case{"199011234", "Employee's Zip+4 is invalid"}, Case{"19901-1234", ""}, Case{"19901", ""},
                         Case{"1990", "Employee's Zip Code is invalid"}, Case{"", "Employee's Zip Code is missing"},
                         Case{"1234-", "Employee's Zip Code is invalid"}}) {
        EmployeeEntries e = ValidNewEmployee();
        e.ZipCode = QLatin1String(c.zip);
        const auto fault = FindNewEmployeeFault(e, {});
        if (*c.message == 0) {
            EXPECT_FALSE(fault.has_value()) << c.zip << " " << (fault ? fault->message.toStdString() : "");
        } else {
            ASSERT_TRUE(fault.has_value()) << c.zip;
            EXPECT_EQ(fault->field, EmployeeField::ZipCode) << c.zip;
            EXPECT_EQ(fault->message, QLatin1String(c.message)) << c.zip;
        }
    }
    EmployeeEntries e = ValidNewEmployee();
    e.City.clear();
    EXPECT_EQ(FindNewEmployeeFault(e, {})->message, QStringLiteral("Employee's City, State, and Zip Code are missing"));
}

TEST(NewEmployeeChecksTest, OvertimeRateIsNotCheckedAndTheDuplicateNumberComesAfterTheNumberItself)
{
    EmployeeEntries e = ValidNewEmployee();
    e.OverTimeRate = 0;
    EXPECT_FALSE(FindNewEmployeeFault(e, {}).has_value());
    EXPECT_FALSE(Contains(NewEmployeeFieldsInError(e), EmployeeField::OverTimeRate));

    const auto taken = FindNewEmployeeFault(e, [] { return true; });
    ASSERT_TRUE(taken.has_value());
    EXPECT_EQ(taken->field, EmployeeField::SocSecNum);
    EXPECT_EQ(taken->message, QStringLiteral("There already exists an employee with the same\rsocial security number in the database."));

    e.SocSecNum = QStringLiteral("123-45-   ");
    bool asked = false;
    EXPECT_EQ(FindNewEmployeeFault(e, [&asked] { return asked = true; })->message,
              QStringLiteral("Employee's social security number is invalid"));
    EXPECT_FALSE(asked);
}
