#include "client/NewEmployeeChecks.h"

#include "components/DateRoutines.h"
#include "components/NumberRoutines.h"
#include "components/TextRoutines.h"
#include "components/Validators.h"

namespace {

using enum EmployeeField;

const QString kEmptyDate = QStringLiteral("  /  /    ");

bool InvalidDate(const QString& text)
{
    return text != kEmptyDate && !IsValidDateStr(text);
}

EmployeeEntryFault Fault(EmployeeField field, const char* message)
{
    return EmployeeEntryFault{field, QString::fromUtf8(message)};
}

} // namespace

EmployeeFieldSet NewEmployeeFieldsInError(const EmployeeEntries& entries)
{
    EmployeeFieldSet set = EmployeeFieldsInError(entries);
    for (EmployeeField absent : {DatePromoted, DateOfRaise, DateReviewed, DateSuspend, DateSuspEnds, OverTimeRate})
        set.reset(static_cast<std::size_t>(absent));
    return set;
}

std::optional<EmployeeEntryFault> FindNewEmployeeFault(const EmployeeEntries& e,
                                                       const std::function<bool()>& socSecNumTaken)
{
    if (IsBlank(e.FirstName))
        return Fault(FirstName, "Employee's first name is missing");
    if (IsBlank(e.LastName))
        return Fault(LastName, "Employee's last name is missing");
    if (IsBlank(e.Address))
        return Fault(Address, "Employee's street address is missing");
    if (IsBlank(e.City))
        return Fault(City, "Employee's City, State, and Zip Code are missing");
    if (!e.StateChosen)
        return Fault(State, "Employee's state name is missing");
    if (e.ZipCode.size() > 5) {
        if (!IsValidZip(e.ZipCode))
            return Fault(ZipCode, "Employee's Zip+4 is invalid");
    } else if (IsBlank(e.ZipCode)) {
        return Fault(ZipCode, "Employee's Zip Code is missing");
    } else if (!IsValidZip(e.ZipCode)) {
        // Five characters that are not five digits ("1234-") would be stored as a ZIP code.
        return Fault(ZipCode, "Employee's Zip Code is invalid");
    }
    if (TextToInt(e.EmployeeNum) == 0)
        return Fault(EmployeeNum, "Employee number is missing");
    if (!e.WorkStateChosen)
        return Fault(WorkState, "Employee's Work State name is missing");
    if (!IsValidPhone(e.PhoneNumber))
        return Fault(PhoneNumber, "Employee's telephone number is invalid");
    if (!e.GenderChosen)
        return Fault(Gender, "Employee's gender is missing");
    if (!IsValidSSN(e.SocSecNum))
        return Fault(SocSecNum, "Employee's social security number is invalid");
    if (socSecNumTaken && socSecNumTaken())
        return EmployeeEntryFault{
            SocSecNum,
            TildeToLineBreak(
                QStringLiteral("There already exists an employee with the same~social security number in the database."))};
    if (IsBlank(e.Department))
        return Fault(Department, "Employee's department name is missing");
    if (IsBlank(e.Position))
        return Fault(Position, "Employee's department position name is missing");
    if (!IsBlank(e.EmailAddress) && !IsValidEmail(e.EmailAddress))
        return Fault(EmailAddress, "E-mail address is invalid");
    if (e.DirDeposit) {
        if (IsBlank(e.BankAcctNum))
            return Fault(BankAcctNum, "Bank account number is missing");
        if (!IsValidRoutingNumber(e.BankRouting))
            return Fault(BankRouting, "Bank Routing Transit Number is invalid");
        if (IsBlank(e.EmployeeID))
            return Fault(EmployeeID, "Employee identification string is missing");
        if (!e.AccountTypeChosen)
            return Fault(AccountType, "Account type is missing");
    }
    if (InvalidDate(e.DateOfBirth))
        return Fault(DateOfBirth, "Employee's date of birth is invalid");
    if (InvalidDate(e.DateHired))
        return Fault(DateHired, "Employee's date hired is invalid");
    if (InvalidDate(e.DateNextRev))
        return Fault(DateNextRev, "Employee's date of next review is invalid");
    if (!e.FrequencyChosen)
        return Fault(Frequency, "Employee's payroll frequency is missing");
    if (!e.Single && !e.Married && !e.HOH)
        return Fault(Single, "You must check one of the Marital Status boxes");
    if (e.RegularRate == 0)
        return Fault(RegularRate, "Employee's hourly or daily rate is missing");
    if (e.StdRegTime == 0)
        return Fault(StdRegTime, "Employee's standard regular hours/days is missing");
    if (IsBlank(e.OtherRateDesc) && e.OtherRate != 0)
        return Fault(OtherRateDesc, "Employee's other rate description is missing");
    if (!IsBlank(e.OtherRateDesc) && e.OtherRate == 0)
        return Fault(OtherRate, "Employee's other rate amount is missing");
    return std::nullopt;
}
