#include "client/EmployeeDerivedFields.h"

#include <gtest/gtest.h>

TEST(EmployeeDerivedFields, ControlNumberTakesTwoToFourLettersOfTheLastName)
{
    struct Case {
        const char* lastName;
        const char* expected;
    };
    const QString ssn = QStringLiteral("234-56-7890");
    const QString stored = QStringLiteral("Old-1111");
    for (const Case& c : {Case{"Li", "Li-7890"}, Case{"Lee", "Lee-7890"}, Case{"Johnson", "John-7890"},
                          Case{"John", "John-7890"}, Case{" Li ", "Li-7890"}, Case{"X", "Old-1111"},
                          Case{"", "Old-1111"}})
        EXPECT_EQ(FW2ControlNumberOf(QString::fromLatin1(c.lastName), ssn, stored), QString::fromLatin1(c.expected))
            << c.lastName;
}

TEST(EmployeeDerivedFields, AgeCountsToTheStartOfTheTaxYear)
{
    EXPECT_EQ(EmployeeAgeOf(QStringLiteral("06/15/1980")), 45);
    EXPECT_EQ(EmployeeAgeOf(QStringLiteral("01/01/2025")), 0);
    EXPECT_EQ(EmployeeAgeOf(QStringLiteral("  /  /    ")), 0);
    EXPECT_EQ(EmployeeAgeOf(QStringLiteral("02/30/1980")), 0);
    EXPECT_EQ(EmployeeAgeOf(QString()), 0);
}

TEST(EmployeeDerivedFields, MiddleInitialSurvivesAClearedMiddleName)
{
    EXPECT_EQ(MiddleInitialOf(QStringLiteral("Quincy"), QStringLiteral("A")), QStringLiteral("Q"));
    EXPECT_EQ(MiddleInitialOf(QStringLiteral("   "), QStringLiteral("Q")), QStringLiteral("Q"));
    EXPECT_EQ(MiddleInitialOf(QString(), QStringLiteral("Q")), QStringLiteral("Q"));
}

TEST(EmployeeDerivedFields, RecordRebuildsEveryDerivedField)
{
    EmployeeRecord record = NewEmployeeRecord();
    record.FirstName = QStringLiteral("Mary");
    record.MiddleName = QStringLiteral("Ann");
    record.LastName = QStringLiteral("Li");
    record.Suffix = QStringLiteral("JR");
    record.City = QStringLiteral("Dover ");
    record.State = QStringLiteral("DE");
    record.ZipCode = QStringLiteral("19901");
    record.DateOfBirth = QStringLiteral("03/04/1980");
    record.SocSecNum = QStringLiteral("234-56-7890");
    DeriveEmployeeFields(record);
    EXPECT_EQ(record.MiddleInitial.get(), QStringLiteral("A"));
    EXPECT_EQ(record.FullName.get(), QStringLiteral("Mary Ann Li JR"));
    EXPECT_EQ(record.CityStateZip.get(), QStringLiteral("Dover DE 19901"));
    EXPECT_EQ(record.EmployeeAge, 45);
    EXPECT_EQ(record.FW2CtrlNum.get(), QStringLiteral("Li-7890"));

    record.MiddleName = QString();
    record.DateOfBirth = QStringLiteral("  /  /    ");
    DeriveEmployeeFields(record);
    EXPECT_EQ(record.MiddleInitial.get(), QStringLiteral("A"));
    EXPECT_EQ(record.FullName.get(), QStringLiteral("Mary Li JR"));
    EXPECT_EQ(record.EmployeeAge, 0);
}
