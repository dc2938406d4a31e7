#pragma once

#include "forms/FormParams.h"

struct CompanyRecord;

// The parameters of the layouts "Form1094C" (Parts I to III) and "Form1094CPage3" (Part IV, for a
// member of an aggregated group) from the company's 1094-C block as last saved. filingCopy is
// the copy dialog's choice of the copy to file; printDate its form print date.
FormParams Form1094CParams(const CompanyRecord& company, bool filingCopy, const QString& printDate);
FormParams Form1094CPage3Params(const CompanyRecord& company, bool filingCopy);
// Part IV is printed only for a member of an aggregated group (line 21 Yes).
bool Form1094CPrintsPartIV(const CompanyRecord& company);
