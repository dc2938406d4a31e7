#pragma once

// The gross-to-net computation of the current employee (EmployeeRec) for the current period. Every
// step reads and writes the global records: the employee, the company, the federal table and the
// state and city tables positioned at the employee's own records. Only the current column of the
// amount groups is written; the to-date columns are read where a wage base or a limit applies.

// Automatic processing of one employee: the recurring amounts, one pass, then five rounds of the
// user-field actions, each with a pass of its own. The caller has positioned and loaded the
// employee and posts the record afterwards.
void CalculateEmployeePay();

// The same without the recurring amounts: the hours and amounts entered by hand are computed as
// they stand.
void CalculateEmployeePayAsEntered();

// One pass: earnings and wage bases, the federal, state, city, unemployment and disability taxes,
// the totals and the qualified overtime, in that order.
void RunPayComputationPass();

// Earnings from rates and hours, gross pay, the retirement and cafeteria plan amounts and the ten
// taxable wage bases. Positions the state and city tables at the employee's own records first,
// since their plan flags decide what the state and city bases exclude.
void ComputeEarningsAndWageBases();

// Gross pay as paid (tips left out unless the company includes them), pension plans with the
// nonqualified plan, total deductions, net pay and total employer liabilities.
void ComputeTotalsAndNetPay();
