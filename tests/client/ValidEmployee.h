#pragma once

#include "client/EmployeeRecord.h"
#include "components/StateTables.h"

#include <QString>

// An employee who may be left as he is.
inline void FillValidEmployee(EmployeeRecord& r, const QString& last, const QString& ssn)
{
    r.FirstName = QStringLiteral("Mary");
    r.LastName = last;
    r.Address = QStringLiteral("12 Oak Street");
    r.City = QStringLiteral("Springfield");
    r.State = QStringLiteral("IL");
    r.ZipCode = QStringLiteral("62701");
    r.EmployeeNum = 7;
    r.WorkState = QStringLiteral("IL");
    r.WorkStateIndex = StateCodeIndex(QStringLiteral("IL")) + 1;
    r.PhoneNumber = QStringLiteral("555-123-4567");
    r.Gender = u'F';
    r.SocSecNum = ssn;
    r.Department = QStringLiteral("Shop");
    r.Position = QStringLiteral("Clerk");
    for (auto* date : {&r.DateOfBirth, &r.DateHired, &r.DatePromoted, &r.DateOfRaise, &r.DateReviewed, &r.DateNextRev,
                       &r.DateSuspend, &r.DateSuspEnds, &r.DateResigned})
        *date = QStringLiteral("  /  /    ");
    r.Frequency = 1;
    r.Married = true;
    r.RegularRate = 20;
    r.OverTimeRate = 30;
    r.StdRegTime = 40;
}
