#include "client/EmployeeChecks.h"

#include "client/EmployeeLoop.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "components/DateRoutines.h"
#include "components/NumberRoutines.h"
#include "components/TextRoutines.h"
#include "components/Validators.h"

#include <array>

namespace {

using enum EmployeeField;

const QString kEmptyDate = QStringLiteral("  /  /    ");

bool InvalidDate(const QString& text)
{
    return text != kEmptyDate && !IsValidDateStr(text);
}

// The suspension dates are checked as a pair: an end without a begin, a begin without an end or
// an end before the begin.
bool SuspendBeginInError(const EmployeeEntries& e)
{
    return InvalidDate(e.DateSuspend) || (IsValidDateStr(e.DateSuspEnds) && !IsValidDateStr(e.DateSuspend))
        || (IsValidDateStr(e.DateSuspend) && IsValidDateStr(e.DateSuspEnds)
            && DaysBetweenDates(e.DateSuspend, e.DateSuspEnds) < 0);
}

bool SuspendEndInError(const EmployeeEntries& e)
{
    return InvalidDate(e.DateSuspEnds) || (IsValidDateStr(e.DateSuspend) && !IsValidDateStr(e.DateSuspEnds));
}

bool NoMaritalStatus(const EmployeeEntries& e)
{
    return !e.Single && !e.Married && !e.HOH;
}

struct Check {
    EmployeeField field;
    const char* message;
    bool (*fails)(const EmployeeEntries&);
    bool lockedWhenRestricted = false;
    bool scrollToTop = true;
    bool twoLines = false;
};

// The checks after the Social Security number's own, which comes before the duplicate scan.
constexpr std::array kFirstChecks = {
    Check{FirstName, "Employee's first name is missing", [](const EmployeeEntries& e) { return IsBlank(e.FirstName); }},
    Check{LastName, "Employee's last name is missing", [](const EmployeeEntries& e) { return IsBlank(e.LastName); }},
    Check{Address, "Employee's street address is missing", [](const EmployeeEntries& e) { return IsBlank(e.Address); }},
    Check{City, "Employee's City name is missing", [](const EmployeeEntries& e) { return IsBlank(e.City); }},
    Check{State, "Employee's state name is missing", [](const EmployeeEntries& e) { return !e.StateChosen; }},
    Check{ZipCode, "Employee's Zip Code is invalid", [](const EmployeeEntries& e) { return !IsValidZip(e.ZipCode); }},
    Check{EmployeeNum, "Employee number is missing",
          [](const EmployeeEntries& e) { return TextToInt(e.EmployeeNum) == 0; }},
    Check{WorkState, "Employee's Work State name is missing", [](const EmployeeEntries& e) { return !e.WorkStateChosen; }},
    Check{PhoneNumber, "Employee's telephone number is invalid",
          [](const EmployeeEntries& e) { return !IsValidPhone(e.PhoneNumber); }},
    Check{Gender, "Employee's gender is missing", [](const EmployeeEntries& e) { return !e.GenderChosen; }},
    Check{SocSecNum, "Employee's social security number is invalid",
          [](const EmployeeEntries& e) { return !IsValidSSN(e.SocSecNum); }},
};

constexpr std::array kLaterChecks = {
    Check{Department, "Employee's department name is missing", [](const EmployeeEntries& e) { return IsBlank(e.Department); }},
    Check{Position, "Employee's department position name is missing",
          [](const EmployeeEntries& e) { return IsBlank(e.Position); }},
    Check{EmailAddress, "E-mail address is invalid",
          [](const EmployeeEntries& e) { return !IsBlank(e.EmailAddress) && !IsValidEmail(e.EmailAddress); }, false,
          false},
    Check{BankAcctNum, "Bank account number is missing",
          [](const EmployeeEntries& e) { return e.DirDeposit && IsBlank(e.BankAcctNum); }},
    Check{BankRouting, "Bank Routing Transit Number is invalid",
          [](const EmployeeEntries& e) { return e.DirDeposit && !IsValidRoutingNumber(e.BankRouting); }},
    Check{EmployeeID, "Employee identification string is missing",
          [](const EmployeeEntries& e) { return e.DirDeposit && IsBlank(e.EmployeeID); }},
    Check{AccountType, "Account type is missing",
          [](const EmployeeEntries& e) { return e.DirDeposit && !e.AccountTypeChosen; }},
    Check{DateOfBirth, "Employee's date of birth is invalid",
          [](const EmployeeEntries& e) { return InvalidDate(e.DateOfBirth); }},
    Check{DateHired, "Employee's date hired is invalid", [](const EmployeeEntries& e) { return InvalidDate(e.DateHired); },
          true},
    Check{DatePromoted, "Employee's date of last promotion is invalid",
          [](const EmployeeEntries& e) { return InvalidDate(e.DatePromoted); }},
    Check{DateOfRaise, "Employee's date of last raise is invalid",
          [](const EmployeeEntries& e) { return InvalidDate(e.DateOfRaise); }},
    Check{DateReviewed, "Employee's date of last review is invalid",
          [](const EmployeeEntries& e) { return InvalidDate(e.DateReviewed); }},
    Check{DateNextRev, "Employee's date of next review is invalid",
          [](const EmployeeEntries& e) { return InvalidDate(e.DateNextRev); }},
    Check{DateSuspend, "Employee's date suspended is invalid",
          [](const EmployeeEntries& e) { return InvalidDate(e.DateSuspend); }, true},
    Check{DateSuspEnds, "Employee's date supension ends is invalid",
          [](const EmployeeEntries& e) { return InvalidDate(e.DateSuspEnds); }, true},
    Check{DateSuspend, "Date suspension ends has a valid entry~however, date suspended is invalid",
          [](const EmployeeEntries& e) { return IsValidDateStr(e.DateSuspEnds) && !IsValidDateStr(e.DateSuspend); },
          true, true, true},
    Check{DateSuspEnds, "Date suspended has a valid entry, however~date suspension ends is invalid",
          [](const EmployeeEntries& e) { return IsValidDateStr(e.DateSuspend) && !IsValidDateStr(e.DateSuspEnds); },
          true, true, true},
    Check{DateSuspend, "Date suspended is after the date suspension ends.",
          [](const EmployeeEntries& e) {
              return IsValidDateStr(e.DateSuspend) && IsValidDateStr(e.DateSuspEnds)
                  && DaysBetweenDates(e.DateSuspend, e.DateSuspEnds) < 0;
          },
          true},
    Check{Frequency, "Employee's payroll frequency is missing", [](const EmployeeEntries& e) { return !e.FrequencyChosen; },
          true},
    Check{Single, "You must check one of the Marital Status boxes", NoMaritalStatus, false, false},
    Check{RegularRate, "Employee's hourly or daily rate is missing",
          [](const EmployeeEntries& e) { return e.RegularRate == 0; }},
    Check{OverTimeRate, "Employee's hourly or daily over-time rate is missing",
          [](const EmployeeEntries& e) { return e.OverTimeRate == 0; }},
    Check{StdRegTime, "Employee's standard regular hours/days is missing",
          [](const EmployeeEntries& e) { return e.StdRegTime == 0; }},
    Check{OtherRateDesc, "Employee's other rate description is missing",
          [](const EmployeeEntries& e) { return IsBlank(e.OtherRateDesc) && e.OtherRate != 0; }},
    Check{OtherRate, "Employee's other rate amount is missing",
          [](const EmployeeEntries& e) { return !IsBlank(e.OtherRateDesc) && e.OtherRate == 0; }},
};

EmployeeEntryFault FaultOf(const Check& check)
{
    const QString message = QString::fromUtf8(check.message);
    return EmployeeEntryFault{check.field, check.twoLines ? TildeToLineBreak(message) : message, check.scrollToTop};
}

template <std::size_t N>
std::optional<EmployeeEntryFault> FirstFailing(const std::array<Check, N>& checks, const EmployeeEntries& entries,
                                               bool restricted)
{
    for (const Check& check : checks) {
        if (restricted && check.lockedWhenRestricted)
            continue;
        if (check.fails(entries))
            return FaultOf(check);
    }
    return std::nullopt;
}

} // namespace

EmployeeFieldSet EmployeeFieldsInError(const EmployeeEntries& e)
{
    EmployeeFieldSet set;
    const auto mark = [&set](EmployeeField field, bool inError) { set.set(static_cast<std::size_t>(field), inError); };
    mark(FirstName, IsBlank(e.FirstName));
    mark(LastName, IsBlank(e.LastName));
    mark(Address, IsBlank(e.Address));
    mark(City, IsBlank(e.City));
    mark(State, !e.StateChosen);
    mark(ZipCode, !IsValidZip(e.ZipCode));
    mark(EmployeeNum, TextToInt(e.EmployeeNum) == 0);
    mark(WorkState, !e.WorkStateChosen);
    mark(PhoneNumber, !IsValidPhone(e.PhoneNumber));
    mark(Gender, !e.GenderChosen);
    mark(SocSecNum, !IsValidSSN(e.SocSecNum));
    mark(Department, IsBlank(e.Department));
    mark(Position, IsBlank(e.Position));
    mark(EmailAddress, !IsBlank(e.EmailAddress) && !IsValidEmail(e.EmailAddress));
    mark(BankAcctNum, e.DirDeposit && IsBlank(e.BankAcctNum));
    mark(BankRouting, e.DirDeposit && !IsValidRoutingNumber(e.BankRouting));
    mark(EmployeeID, e.DirDeposit && IsBlank(e.EmployeeID));
    mark(AccountType, e.DirDeposit && !e.AccountTypeChosen);
    for (const auto& [field, text] : {std::pair{DateOfBirth, &e.DateOfBirth}, std::pair{DateHired, &e.DateHired},
                                      std::pair{DatePromoted, &e.DatePromoted}, std::pair{DateOfRaise, &e.DateOfRaise},
                                      std::pair{DateReviewed, &e.DateReviewed}, std::pair{DateNextRev, &e.DateNextRev}})
        mark(field, InvalidDate(*text));
    mark(DateSuspend, SuspendBeginInError(e));
    mark(DateSuspEnds, SuspendEndInError(e));
    mark(Frequency, !e.FrequencyChosen);
    for (EmployeeField box : {Single, Married, HOH})
        mark(box, NoMaritalStatus(e));
    mark(RegularRate, e.RegularRate == 0);
    mark(OverTimeRate, e.OverTimeRate == 0);
    mark(StdRegTime, e.StdRegTime == 0);
    mark(OtherRateDesc, IsBlank(e.OtherRateDesc) && e.OtherRate != 0);
    mark(OtherRate, !IsBlank(e.OtherRateDesc) && e.OtherRate == 0);
    return set;
}

std::optional<EmployeeEntryFault> FindEmployeeEntryFault(const EmployeeEntries& entries, bool restricted,
                                                         const std::function<bool()>& socSecNumTaken)
{
    if (auto fault = FirstFailing(kFirstChecks, entries, restricted))
        return fault;
    if (socSecNumTaken && socSecNumTaken())
        return EmployeeEntryFault{
            SocSecNum,
            TildeToLineBreak(QStringLiteral(
                "There already exists an employee with the same~social security number in the database.")),
            false};
    return FirstFailing(kLaterChecks, entries, restricted);
}

namespace {

// Whether an employee other than record `own` (0: none) has the number.
bool SocSecNumUsed(const QString& socSecNum, int own)
{
    // Reading the other employees replaces EmployeeRec; what the screen stored in it and did not
    // post yet (the Form W-4 entries) must come back unchanged, whatever the walk ends with.
    struct KeepEmployee {
        EmployeeRecord kept = EmployeeRec;
        ~KeepEmployee() { EmployeeRec = kept; }
    } keep;

    EmployeeLoop loop;
    for (int record = 1; loop.Next(); ++record) {
        if (record != own && EmployeeRec.SocSecNum.get().compare(socSecNum, Qt::CaseInsensitive) == 0) {
            loop.Finish();
            return true;
        }
    }
    loop.Finish();
    return false;
}

} // namespace

bool SocSecNumOfAnotherEmployee(const QString& socSecNum)
{
    return SocSecNumUsed(socSecNum, DataModule().RSEmployee.CurrentRecord());
}

bool SocSecNumOfAnyEmployee(const QString& socSecNum)
{
    return SocSecNumUsed(socSecNum, 0);
}
