#pragma once

#include "payroll/PayDateRange.h"

#include <QString>

#include <vector>

class ReportCanvas;

// What the employer owes the federal and state tax authorities for a range of posted pay dates,
// from the pay history of every employee: employee and employer shares together, all states.
struct TaxLiabilities {
    double socialSecurity = 0;      // FICATax + FICALib
    double medicare = 0;            // MedicareTax + MedicareLib
    double withholding = 0;         // FederalTax
    double form940 = 0;             // FUTALib
    double stateWithholding = 0;    // StateTax
    double stateUnemployment = 0;   // UnempTax + UnempLib
    double stateDisability = 0;     // DisbTax + DisbLib

    double Form941() const { return socialSecurity + medicare + withholding; }
    double StateTotal() const { return stateWithholding + stateUnemployment + stateDisability; }
};

// The sums over every employee and every slot of the range, as posted; the employee that was
// current stays current.
TaxLiabilities SumTaxLiabilities(const PayDateRange& range);

// "For the period " and the start of the range's first period " to " the end of its last.
QString TaxLiabilityPeriodLine(const PayDateRange& range);

// One line of the report, as the window shows it and the printout prints it: the label, the
// amount with its format (a dollar sign before the three totals) and how many steps to the right
// its amount stands (0 the Form 941 details .. 3 the state total).
struct TaxLiabilityLine {
    QString label;
    QString amount;
    int step;
};
std::vector<TaxLiabilityLine> TaxLiabilityLines(const TaxLiabilities& sums);

// The one-page printout: company name, title and period line, then the lines.
void PrintTaxLiabilityReport(ReportCanvas& report, const TaxLiabilities& sums, const PayDateRange& range);
