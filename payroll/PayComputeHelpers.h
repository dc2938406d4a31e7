#pragma once

// Small rules that several steps of the pay computation share.

// Pay periods a year of the current employee: 52, 26, 24 or 12 by its pay frequency. A frequency
// outside 1..4 would annualise by nonsense, so it raises ECustomException naming the employee.
int PeriodsPerYear();

// Whether `amount` >= `other`, compared to the cent. Year totals are sums of cents that carry
// binary noise: 199999.99999999997 must count as reaching 200000.
bool AtLeastToTheCent(double amount, double other);

// The part of this period's wages that lies above an annual wage base, given the wages of the
// year before this period; 0 while the year stays within the base.
double WagesOverBase(double periodWages, double yearToDateWages, double wageBase);

// The period tax corrected so that the year's tax comes to exactly `maximum`: the period in which
// the year reaches a wage base absorbs every cent of rounding. The difference is taken to the cent,
// so sums of cents that differ from the maximum only in binary noise change nothing.
double TrueUpToMaximum(double periodTax, double yearToDateTax, double maximum);
