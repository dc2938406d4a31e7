#pragma once

// Social Security and Medicare of the current employee for the current period, employee and
// employer shares, over the global EmployeeRec and FederalTaxRec.

// Social Security up to the year's wage base; the period that reaches the base brings the year's
// tax to exactly the maximum. The share of taxable third-party sick pay is the payer's: it is
// taken out of the employee's tax but not out of the employer's match.
void ComputeSocialSecurityTax();

// Medicare without a wage base, plus the employee-only additional Medicare tax on the wages of
// the year above the threshold. The sick-pay share is taken out as for Social Security.
void ComputeMedicareTax();

// The wages of this period above the additional Medicare threshold, counted over the year, and
// their tax. Called by ComputeMedicareTax.
void ComputeAdditionalMedicare();
