#include "client/EmployeeDerivedFields.h"

#include "client/EmployeeIndex.h"
#include "components/DateRoutines.h"
#include "components/TextRoutines.h"

QString MiddleInitialOf(const QString& middleName, const QString& storedInitial)
{
    return IsBlank(middleName) ? storedInitial : middleName.left(1);
}

QString CityStateZipOf(const QString& city, const QString& state, const QString& zipCode)
{
    return city.trimmed() + QChar(' ') + state + QChar(' ') + zipCode;
}

int EmployeeAgeOf(const QString& dateOfBirth)
{
    int month = 0;
    int day = 0;
    int year = 0;
    SplitDateStr(dateOfBirth, month, day, year);
    return year == 0 ? 0 : kEmployeeAgeYear - year;
}

QString FW2ControlNumberOf(const QString& lastName, const QString& socSecNum, const QString& storedNumber)
{
    constexpr int kMostLetters = 4;
    const QString name = lastName.trimmed();
    if (name.size() < 2)
        return storedNumber;
    return LeftChars(name, kMostLetters) + QChar('-') + RightChars(socSecNum, 4);
}

void DeriveEmployeeFields(EmployeeRecord& record)
{
    record.MiddleInitial = MiddleInitialOf(record.MiddleName, record.MiddleInitial);
    record.FullName = EmployeeName(record, 1, true);
    record.CityStateZip = CityStateZipOf(record.City, record.State, record.ZipCode);
    record.EmployeeAge = EmployeeAgeOf(record.DateOfBirth);
    record.FW2CtrlNum = FW2ControlNumberOf(record.LastName, record.SocSecNum, record.FW2CtrlNum);
}
