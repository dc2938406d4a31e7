#pragma once

#include "client/CompanyRecord.h"
#include "forms/FormParams.h"

#include <QString>

// The New Jersey annual reconciliation of income tax withheld (NJ-W-3), gathered afresh from the
// year's records of the employees who work in New Jersey.

struct NJW3Reconciliation {
    QString stateId;      // the company's New Jersey withholding number
    QString name;         // the company's texts in capitals, state and ZIP as stored
    QString tradeName;
    QString address;      // with " STE " and the suite number when there is one
    QString city;
    QString state;
    QString zipCode;
    int employees = 0;    // line 1: New Jersey employees with state wages in the year
    double wages = 0;     // line 2: their state wages
    double withheld = 0;  // line 3: their New Jersey income tax withheld
};

// Walks the open client's employees; an employee counts when his year-to-date state wages are
// not 0 (a negative amount counts) and his work state is New Jersey.
NJW3Reconciliation GatherNJW3(const CompanyRecord& company);

// The parameters of the layout "FormNJW3"; the amounts print even when 0.
FormParams NJW3Params(const NJW3Reconciliation& form, bool filingCopy);
