#include "payroll/PayrollYear.h"

#include "components/DateRoutines.h"

std::optional<int> AgeInPayrollYear(const EmployeeRecord& employee)
{
    const QString dateOfBirth = employee.DateOfBirth.get();
    if (!IsValidDateStr(dateOfBirth))
        return std::nullopt;
    int month = 0;
    int day = 0;
    int year = 0;
    SplitDateStr(dateOfBirth, month, day, year);
    return kPayrollYear - year;
}
