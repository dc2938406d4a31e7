#include "client/PriorYearRecords.h"

#include <cstring>

CompanyRecord2025 PriorYearCompanyRec;
EmployeeRecord2025 PriorYearEmployeeRec;
QString PriorYearCompanyFile;
QString PriorYearEmployeeFile;
QString PriorYearClientName;
QString PriorYearEmployeeFileName;
QString PriorYearRegistryRoot;

int PriorAmountGroupOfUserField(int userField)
{
    // This year's groups 11..15 (user earnings), 31..35 (deductions) and 43..47 (liabilities);
    // last year lacked group 20, so the two later blocks stand one group earlier.
    if (userField <= 5)
        return 11 + userField - 1;
    if (userField <= 10)
        return 30 + userField - 6;
    return 42 + userField - 11;
}

CompanyRecord ThisYearLayoutOf(const CompanyRecord2025& prior)
{
    CompanyRecord record;
    std::memset(&record, 0, sizeof record);
    std::memcpy(&record, prior.SharedHead, sizeof prior.SharedHead);
    return record;
}

EmployeeRecord ThisYearLayoutOf(const EmployeeRecord2025& prior)
{
    EmployeeRecord record;
    std::memset(&record, 0, sizeof record);
    std::memcpy(&record, prior.SharedHead, sizeof prior.SharedHead);
    std::memcpy(&record.VactAccrued, prior.ShiftedBlock, sizeof prior.ShiftedBlock);
    return record;
}
