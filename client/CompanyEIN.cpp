#include "client/CompanyEIN.h"

#include "client/CompanyRecord.h"
#include "components/Validators.h"

std::optional<QString> CompanyEINFault(const CompanyRecord& company, const QString& refused)
{
    if (IsValidEIN(company.FederalID.get()))
        return std::nullopt;
    return QStringLiteral("%1 cannot be made without the company's Employer Identification Number (EIN), which is "
                          "missing or invalid.~~Enter it as the Federal I.D. number on the company screen (File > Company).")
        .arg(refused);
}
