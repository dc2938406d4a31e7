#include "payroll/PayComputeHelpers.h"

#include "client/PayRecords.h"
#include "components/NumberRoutines.h"
#include "platform/Exceptions.h"

int PeriodsPerYear()
{
    switch (EmployeeRec.Frequency) {
    case 1:
        return 52;
    case 2:
        return 26;
    case 3:
        return 24;
    case 4:
        return 12;
    default:
        throw ECustomException(QStringLiteral("The pay of %1 cannot be computed: the pay frequency is not set."
                                              "~Choose weekly, biweekly, semimonthly or monthly on the employee screen.")
                                   .arg(EmployeeRec.FullName.get().trimmed()));
    }
}

bool AtLeastToTheCent(double amount, double other)
{
    return RoundToDecimals(amount - other, 2) >= 0;
}

double WagesOverBase(double periodWages, double yearToDateWages, double wageBase)
{
    const double over = periodWages + yearToDateWages - wageBase;
    return RoundToDecimals(over, 2) > 0 ? over : 0.0;
}

double TrueUpToMaximum(double periodTax, double yearToDateTax, double maximum)
{
    const double difference = RoundToDecimals(maximum - (periodTax + yearToDateTax), 2);
    if (difference == 0.0)
        return periodTax;
    return RoundToDecimals(periodTax + difference, 2);
}
