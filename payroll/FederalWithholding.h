#pragma once

#include "client/FederalTaxRecord.h"

#include <array>

// Federal income tax withholding of the current employee for the current period by the annualised
// percentage method of the Form W-4 from 2020 on, over the global EmployeeRec and FederalTaxRec.
void ComputeFederalWithholding();

// One row of an annual withholding table: tax on the lower bound plus the rate on the excess.
struct WithholdingRow {
    double wagesOver = 0;
    double wagesNotOver = 0;
    double taxAmount = 0;
    double taxRate = 0; // percent
};
using WithholdingTable = std::array<WithholdingRow, kFederalTableRows>;

// The table that applies to a filing status: married filing jointly, head of household, or single
// (which serves married filing separately too). With the Form W-4 step 2 box checked, the
// checkbox schedule is derived from the stored standard table.
WithholdingTable ChooseWithholdingTable(const FederalTaxRecord& table, bool married, bool headOfHousehold,
                                        bool step2Checked);

// The annual tax on annual wages by a table.
double AnnualWithholding(const WithholdingTable& table, double annualWages);
