#pragma once

#include "forms/FormParamList.h"

struct CompanyRecord;
struct EmployeeRecord;

// The parameters of the layout "Form1095C". The employer's are set once for a run of forms; the
// employee's are set for every form and give every box a value, empty ones included, so that
// nothing of the form printed before shows on the next.
FormParamList Form1095CEmployerParams(const CompanyRecord& company);
// maskNumbers: Social Security numbers print as "***-**-" and their last four digits, dates of
// birth as "**/**/" and their year.
FormParamList Form1095CEmployeeParams(const EmployeeRecord& employee, bool maskNumbers);
