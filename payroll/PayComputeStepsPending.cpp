// Stand-ins until the real state, unemployment and user-field steps replace this file.
#include "payroll/PayComputeSteps.h"

#include "payroll/PayCompute.h"

void ApplyRecurringAmounts() {}
void ComputeGTLICost() {}
void ComputeRetirementDeferrals() {}
void ComputeStateWithholding() {}
void ComputeCityWithholding() {}
void ComputeEmployeeUITax() {}
void ComputeEmployerUITax() {}
void ComputeEmployeeDITax() {}
void ComputeEmployerDITax() {}
void ComputeQualifiedOvertime() {}
void ApplyUserFieldActions()
{
    RunPayComputationPass();
}
