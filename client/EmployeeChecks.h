#pragma once

#include <QString>

#include <bitset>
#include <functional>
#include <optional>

// The checks of an employee as the employee screen shows it: which entries are missing or invalid
// (painted in the status colour), and the first fault that refuses to leave the employee. They
// look at the entries as typed, not at the record, so they run before anything is saved.

// The entries the checks look at, in the order of the status pass.
enum class EmployeeField {
    FirstName, LastName, Address, City, State, ZipCode, EmployeeNum, WorkState, PhoneNumber, Gender,
    SocSecNum, Department, Position, EmailAddress, BankAcctNum, BankRouting, EmployeeID, AccountType,
    DateOfBirth, DateHired, DatePromoted, DateOfRaise, DateReviewed, DateNextRev, DateSuspend, DateSuspEnds,
    Frequency, Single, Married, HOH, RegularRate, OverTimeRate, StdRegTime, OtherRateDesc, OtherRate,
    Count
};
constexpr int kEmployeeFieldCount = static_cast<int>(EmployeeField::Count);
using EmployeeFieldSet = std::bitset<kEmployeeFieldCount>;

inline bool Contains(const EmployeeFieldSet& set, EmployeeField field)
{
    return set.test(static_cast<std::size_t>(field));
}

// What the screen's entries hold. A choice that is not made is false; texts are as typed, dates
// with their mask; money entries as the numbers their texts read.
struct EmployeeEntries {
    QString FirstName, LastName, Address, City;
    bool StateChosen = false;
    QString ZipCode, EmployeeNum;
    bool WorkStateChosen = false;
    QString PhoneNumber;
    bool GenderChosen = false;
    QString SocSecNum, Department, Position, EmailAddress;
    bool DirDeposit = false;
    QString BankAcctNum, BankRouting, EmployeeID;
    bool AccountTypeChosen = false;
    QString DateOfBirth, DateHired, DatePromoted, DateOfRaise, DateReviewed, DateNextRev, DateSuspend, DateSuspEnds;
    bool FrequencyChosen = false;
    bool Single = false, Married = false, HOH = false;
    double RegularRate = 0, OverTimeRate = 0, StdRegTime = 0;
    QString OtherRateDesc;
    double OtherRate = 0;
};

// The entries that are missing or invalid. The direct-deposit entries count only while direct
// deposit is checked.
EmployeeFieldSet EmployeeFieldsInError(const EmployeeEntries& entries);

// Why an employee cannot be left: the entry to focus and the message the user sees. Most faults
// return the screen to its top before focusing, so that the field scrolls into view from there.
struct EmployeeEntryFault {
    EmployeeField field;
    QString message;
    bool scrollToTop = true;
};

// The first fault of the employee, in the order the user meets the entries; none when the
// employee may be left. socSecNumTaken is asked, after the number itself was found valid, whether
// another employee already has it. In restricted mode the user cannot change the hire date, the
// suspension dates or the pay frequency, so their faults do not hold the employee on the screen.
std::optional<EmployeeEntryFault> FindEmployeeEntryFault(const EmployeeEntries& entries, bool restricted,
                                                         const std::function<bool()>& socSecNumTaken);

// True when an employee of the open client other than the current one has this Social Security
// number (letter case ignored). Every employee is read to compare; the current employee, with
// whatever EmployeeRec holds that was not posted yet, is put back afterwards, also on a failure.
bool SocSecNumOfAnotherEmployee(const QString& socSecNum);
// The same over every employee of the file: the new employee dialog's employee is not in it yet.
bool SocSecNumOfAnyEmployee(const QString& socSecNum);
