#include "payroll/UserFields.h"

#include <QString>
#include <stdexcept>

namespace {

constexpr TPeriodAmounts EmployeeRecord::*kUserFieldGroups[kUserFieldCount] = {
    &EmployeeRecord::UserPay1,    &EmployeeRecord::UserPay2,    &EmployeeRecord::UserPay3,
    &EmployeeRecord::UserPay4,    &EmployeeRecord::UserPay5,    &EmployeeRecord::UserDeduct1,
    &EmployeeRecord::UserDeduct2, &EmployeeRecord::UserDeduct3, &EmployeeRecord::UserDeduct4,
    &EmployeeRecord::UserDeduct5, &EmployeeRecord::UserLib1,    &EmployeeRecord::UserLib2,
    &EmployeeRecord::UserLib3,    &EmployeeRecord::UserLib4,    &EmployeeRecord::UserLib5,
};

constexpr double EmployeeRecord::*kRecurringUserAmounts[kUserFieldCount] = {
    &EmployeeRecord::RUserPay1,    &EmployeeRecord::RUserPay2,    &EmployeeRecord::RUserPay3,
    &EmployeeRecord::RUserPay4,    &EmployeeRecord::RUserPay5,    &EmployeeRecord::RUserDeduct1,
    &EmployeeRecord::RUserDeduct2, &EmployeeRecord::RUserDeduct3, &EmployeeRecord::RUserDeduct4,
    &EmployeeRecord::RUserDeduct5, &EmployeeRecord::RUserLib1,    &EmployeeRecord::RUserLib2,
    &EmployeeRecord::RUserLib3,    &EmployeeRecord::RUserLib4,    &EmployeeRecord::RUserLib5,
};

void RequireUserField(int field)
{
    if (field < 1 || field > kUserFieldCount)
        throw std::out_of_range(
            QStringLiteral("User field %1 lies outside 1..%2.").arg(field).arg(kUserFieldCount).toStdString());
}

} // namespace

TPeriodAmounts& UserFieldAmounts(EmployeeRecord& employee, int field)
{
    RequireUserField(field);
    return employee.*kUserFieldGroups[field - 1];
}

double& RecurringUserAmount(EmployeeRecord& employee, int field)
{
    RequireUserField(field);
    return employee.*kRecurringUserAmounts[field - 1];
}

RecordText<20>& UserFieldNameOf(CompanyRecord& company, int field)
{
    RequireUserField(field);
    if (IsUserEarning(field))
        return company.UserEarnings[field];
    if (IsUserDeduction(field))
        return company.UserDeduct[field - kFirstUserDeduction + 1];
    return company.UserLib[field - kFirstUserLiability + 1];
}

bool IsUserEarning(int field)
{
    return field >= 1 && field < kFirstUserDeduction;
}

bool IsUserDeduction(int field)
{
    return field >= kFirstUserDeduction && field < kFirstUserLiability;
}
