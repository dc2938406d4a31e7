#include "payroll/W2Recipients.h"

#include "components/NumberRoutines.h"

namespace {

bool AboveZeroAtCents(double amount)
{
    return RoundToDecimals(amount, 2) > 0;
}

} // namespace

double W2SocialSecurityWages(const EmployeeRecord& employee)
{
    return employee.FICAEarnings[kYearToDateColumn] - employee.Tips[kYearToDateColumn];
}

bool HasBox12Code(const EmployeeRecord& employee, const QString& code)
{
    for (int entry = 1; entry <= 12; ++entry) {
        if (employee.FW2Box12Code[entry].get().compare(code, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool EmployeeGetsW2(const EmployeeRecord& employee)
{
    return AboveZeroAtCents(employee.FedEarnings[kYearToDateColumn]) || AboveZeroAtCents(W2SocialSecurityWages(employee))
           || AboveZeroAtCents(employee.MedEarnings[kYearToDateColumn]) || HasBox12Code(employee, QStringLiteral("II"));
}
