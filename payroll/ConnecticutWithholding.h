#pragma once

// Connecticut withholding does not use a standard deduction and a flat tax table alone: the
// personal exemption shrinks and the share of the table tax that is withheld grows with the
// annual wages. Both depend on the annual wages in whole dollars; the not-married columns serve
// single and head-of-household employees alike.

// The personal exemption that replaces the standard deduction.
double ConnecticutExemption(double annualWholeDollars, bool married);

// The factor applied to the annual tax after credits.
double ConnecticutTaxFactor(double annualWholeDollars, bool married);
