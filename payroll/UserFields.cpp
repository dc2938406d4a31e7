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

} // namespace

TPeriodAmounts& UserFieldAmounts(EmployeeRecord& employee, int field)
{
    if (field < 1 || field > kUserFieldCount)
        throw std::out_of_range(
            QStringLiteral("User field %1 lies outside 1..%2.").arg(field).arg(kUserFieldCount).toStdString());
    return employee.*kUserFieldGroups[field - 1];
}

bool IsUserEarning(int field)
{
    return field >= 1 && field < kFirstUserDeduction;
}

bool IsUserDeduction(int field)
{
    return field >= kFirstUserDeduction && field < kFirstUserLiability;
}
