#pragma once

// The steps of the pay computation that fill state and city income tax, unemployment and
// disability taxes, recurring amounts, user-field actions, retirement deferrals, group-term life
// cost and qualified overtime. Each works on the global records of the current employee, like the
// federal steps; PayCompute calls them in the order of the pipeline.

// Copies the recurring per-period amounts into the current column (automatic processing only).
void ApplyRecurringAmounts();

// Called by ComputeEarningsAndWageBases: the taxable group-term life cost before gross pay is
// summed, and the retirement deferrals once FedEarnings holds gross pay less dependent care plus
// the group-term life cost.
void ComputeGTLICost();
void ComputeRetirementDeferrals();

// Income tax of the work state and the work city; each first positions StateTaxRec or CityTaxRec
// at the employee's own record.
void ComputeStateWithholding();
void ComputeCityWithholding();

// Employee and employer state unemployment and disability taxes.
void ComputeEmployeeUITax();
void ComputeEmployerUITax();
void ComputeEmployeeDITax();
void ComputeEmployerDITax();

// Qualified overtime compensation, after the totals.
void ComputeQualifiedOvertime();

// Recomputes every user field that has an action from the results of the pass before, then runs
// the pass again (RunPayComputationPass of PayCompute.h).
void ApplyUserFieldActions();
