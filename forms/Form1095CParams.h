#pragma once

#include "forms/FormParams.h"

struct CompanyRecord;
struct EmployeeRecord;

// The parameters of the layout "Form1095C". The employer's are the same on every form of a run;
// the employee's give every box a value, empty ones included, so that nothing of the form
// printed before shows on the next.
FormParams Form1095CEmployerParams(const CompanyRecord& company);
// maskNumbers: Social Security numbers print as "***-**-" and their last four digits, dates of
// birth as "**/**/" and their year.
FormParams Form1095CEmployeeParams(const EmployeeRecord& employee, bool maskNumbers);
