#include "client/CompanyRecord.h"

#include <cstring>

CompanyRecord NewCompanyRecord()
{
    CompanyRecord record;
    std::memset(&record, 0, sizeof record);
    record.PayrollPosted = true;
    record.CurrentState = 1;
    return record;
}
