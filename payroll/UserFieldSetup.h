#pragma once

#include "client/EmployeeRecord.h"

#include <QString>
#include <optional>

// How one user field p (1..15) of an employee is computed in every pay run, as the user-field
// setup window edits it: a multiplier, the action it applies to, a yearly maximum and tax flags.
struct UserFieldSetup {
    double Multiplier = 0;   // UserAmount[p]
    int Action = 0;          // UserAction[p]: 0 no action, 1..7; -1 none chosen
    double MaxAmount = 0;    // UserMaxAmt[p]
    bool TaxExempt = false;  // UserTaxExemp[p], user earnings and deductions only
    bool TaxDeferred = false;  // UserTaxDefr[p - 5], user deductions only
    bool CafePlan = false;     // UserCafePlan[p - 5], user deductions only
};

// The maximum of a field without a setup of its own.
inline constexpr double kNoUserFieldMaximum = 999999.99;

// Which of the three tax flags user field p has.
bool HasTaxExemptFlag(int p);
bool HasTaxDeferredFlag(int p);
bool HasCafePlanFlag(int p);

// The setup of user field p in the employee; an action outside 1..7 reads as no action, and a
// flag the field does not have reads as clear.
UserFieldSetup LoadUserFieldSetup(const EmployeeRecord& employee, int p);

// Stores the setup into user field p of the employee: the action only when one is chosen, and
// only the flags the field has.
void StoreUserFieldSetup(const UserFieldSetup& setup, int p, EmployeeRecord& employee);

// The setup of a field nobody set up: no multiplier, no action, the highest maximum, no flags.
UserFieldSetup UnusedUserFieldSetup();

enum class UserSetupField { Multiplier, MaxAmount };

struct UserSetupProblem {
    UserSetupField Field;
    QString Message;  // "~" marks the line breaks
};

// The first rule the setup breaks; none when it may be stored.
std::optional<UserSetupProblem> CheckUserFieldSetup(const UserFieldSetup& setup);

// Copies the setup into user field p of every employee, each written once. A setup that breaks
// a rule is refused with EFieldException before anything is written. The employee in memory keeps
// what it holds beyond the file's copy (entries not yet posted) and gets the setup as well.
void ApplyUserFieldSetupToAll(const UserFieldSetup& setup, int p);
