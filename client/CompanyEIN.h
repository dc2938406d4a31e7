#pragma once

#include <QString>

#include <optional>

struct CompanyRecord;

// What refuses a federal form or the SSA's wage file while the company's Employer
// Identification Number is missing or invalid, naming what was refused (for example "Form 941")
// and where the number is entered; none while the number is valid. "~" marks the line breaks.
std::optional<QString> CompanyEINFault(const CompanyRecord& company, const QString& refused);
