#include "client/EmployeeRecord.h"

#include <cstring>

EmployeeRecord NewEmployeeRecord()
{
    EmployeeRecord record;
    std::memset(&record, 0, sizeof record);
    record.CityName = QStringLiteral("NONE");
    record.CityIndex = 1;
    for (double& maximum : record.UserMaxAmt)
        maximum = 999999.99;
    return record;
}
