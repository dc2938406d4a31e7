#pragma once

#include "client/CompanyRecord.h"
#include "client/EmployeeRecord.h"
#include "forms/FormParams.h"

#include <QString>

class ReportCanvas;
class ReportProject;

// The printed Forms W-2: the parameters of one form and the three printouts that place the forms
// on their pages through the layouts "FormW2", "FormW2_CopyD1" and "FormW2_SSA".

enum class W2Copy {
    Employee,  // Copies B, C and 2 of one employee on a page ("FormW2")
    CopyD,     // for the employer, four forms a page ("FormW2_CopyD1")
    Copy1,     // for a state, city or local tax department, four forms a page ("FormW2_CopyD1")
    CopyA,     // for the Social Security Administration, two forms a page ("FormW2_SSA")
};

// The parameters of one form of the employee, by their names on "FormW2" (a slot's names follow
// from SuffixedFieldName): form 0 holds every box and box 12 entries 1 to 4 of those that print;
// a further form (1, 2) the boxes a to f and the next four entries only. Every name is there,
// empty where the form shows nothing, so nothing of an earlier form stays behind.
FormParams W2FormParams(const EmployeeRecord& employee, const CompanyRecord& company, const QString& companyCityStateZip,
                        W2Copy copy, int form, bool maskSSN);

// The title "FormType" of Copy D and Copy 1.
QString W2FormTypeTitle(W2Copy copy);

// The banner printed across each empty quarter of the last page of Copy D or Copy 1.
inline const QString kW2VoidBanner = QStringLiteral("******* VOID *******");

// The printouts, each drawn on the running report. The employees between the record numbers
// first and last (Print One gives the same number twice) who get a W-2 are printed in record
// order; Copy A takes every employee in name order. The project is opened and closed by the run,
// and the employee current before it is current again afterwards, also when the run fails.
void PrintW2EmployeeCopies(ReportCanvas& report, ReportProject& project, int first, int last, bool maskSSN);
void PrintW2CopyD1(ReportCanvas& report, ReportProject& project, int first, int last, W2Copy copy, bool maskSSN);
void PrintW2CopyA(ReportCanvas& report, ReportProject& project);
