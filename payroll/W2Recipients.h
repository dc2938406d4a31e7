#pragma once

#include "client/EmployeeRecord.h"

#include <QString>

// Who gets a Form W-2. One rule serves the printed forms, their count, the Form W-3 and the
// electronic wage report, so they never disagree.

// A Form W-2 box 12 code with its amount.
struct Box12Amount {
    QString code;
    double amount = 0;
};

// Box 3 as the form shows it: Social Security wages less the tips of box 7.
double W2SocialSecurityWages(const EmployeeRecord& employee);

// True when one of the twelve box 12 entries holds the code, without regard to letter case.
bool HasBox12Code(const EmployeeRecord& employee, const QString& code);

// The employee gets a Form W-2 when box 1, 3 or 5 is above 0 at cents (wages subject to income,
// Social Security or Medicare tax: pay deferred wholly into a 401(k) leaves only box 1 at 0), or
// when one of the twelve box 12 entries holds the code "II" (Medicaid waiver payments), in any
// letter case.
bool EmployeeGetsW2(const EmployeeRecord& employee);
