#pragma once

#include "client/EmployeeRecord.h"

#include <QString>

#include <vector>

// Which employees get a Form W-2 and how many forms each one needs. One rule serves the printed
// forms, their count, the Form W-3 and the electronic file, so they never disagree.

// Box 12 entries a form holds; an employee with more gets a further form.
inline constexpr int kBox12EntriesPerForm = 4;

// Box 3 as the form shows it: Social Security wages less the tips of box 7.
double W2SocialSecurityWages(const EmployeeRecord& employee);

// The employee gets a Form W-2 when box 1, 3 or 5 is above 0 at cents (wages subject to income,
// Social Security or Medicare tax: pay deferred wholly into a 401(k) leaves only box 1 at 0), or
// when one of the twelve box 12 entries holds the code "II" (Medicaid waiver payments), in any
// letter case.
bool EmployeeGetsW2(const EmployeeRecord& employee);

// True when one of the twelve box 12 entries holds the code, without regard to letter case.
bool HasBox12Code(const EmployeeRecord& employee, const QString& code);

struct Box12Entry {
    QString code;
    double amount = 0;
};

// The box 12 entries that print: code not blank and amount not 0 at cents, in entry order.
std::vector<Box12Entry> FilledBox12Entries(const EmployeeRecord& employee);

// The forms an employee who gets a W-2 needs: one for every four filled box 12 entries, at least one.
int W2FormsOfEmployee(const EmployeeRecord& employee);

// The number of Forms W-2 of the open client: the forms of every employee who gets one. Visits
// every employee and leaves the current employee current.
int GetNumToPrint();
