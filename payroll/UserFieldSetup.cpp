#include "payroll/UserFieldSetup.h"

#include "client/EmployeeLoop.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "components/TextRoutines.h"
#include "platform/Exceptions.h"
#include "platform/HourglassCursor.h"
#include "payroll/UserFields.h"

bool HasTaxExemptFlag(int p)
{
    return p >= 1 && p < kFirstUserLiability;
}

bool HasTaxDeferredFlag(int p)
{
    return IsUserDeduction(p);
}

bool HasCafePlanFlag(int p)
{
    return IsUserDeduction(p);
}


UserFieldSetup LoadUserFieldSetup(const EmployeeRecord& employee, int p)
{
    UserFieldSetup setup;
    setup.Multiplier = employee.UserAmount[p];
    const int action = employee.UserAction[p];
    setup.Action = action >= 1 && action <= 7 ? action : 0;
    setup.MaxAmount = employee.UserMaxAmt[p];
    if (HasTaxExemptFlag(p))
        setup.TaxExempt = employee.UserTaxExemp[p];
    if (HasTaxDeferredFlag(p))
        setup.TaxDeferred = employee.UserTaxDefr[p - kFirstUserDeduction + 1];
    if (HasCafePlanFlag(p))
        setup.CafePlan = employee.UserCafePlan[p - kFirstUserDeduction + 1];
    return setup;
}

void StoreUserFieldSetup(const UserFieldSetup& setup, int p, EmployeeRecord& employee)
{
    employee.UserAmount[p] = setup.Multiplier;
    if (setup.Action >= 0)
        employee.UserAction[p] = static_cast<std::uint8_t>(setup.Action);
    employee.UserMaxAmt[p] = setup.MaxAmount;
    if (HasTaxExemptFlag(p))
        employee.UserTaxExemp[p] = setup.TaxExempt;
    if (HasTaxDeferredFlag(p))
        employee.UserTaxDefr[p - kFirstUserDeduction + 1] = setup.TaxDeferred;
    if (HasCafePlanFlag(p))
        employee.UserCafePlan[p - kFirstUserDeduction + 1] = setup.CafePlan;
}

UserFieldSetup UnusedUserFieldSetup()
{
    UserFieldSetup setup;
    setup.MaxAmount = kNoUserFieldMaximum;
    return setup;
}

std::optional<UserSetupProblem> CheckUserFieldSetup(const UserFieldSetup& setup)
{
    const bool acting = setup.Action > 0;
    if (acting && setup.Multiplier == 0)
        return UserSetupProblem{UserSetupField::Multiplier,
                                QStringLiteral("User Field Multiplier must be entered when~an Action to be calculated "
                                               "has been set")};
    if (acting && setup.Multiplier > 0 && setup.MaxAmount == 0)
        return UserSetupProblem{UserSetupField::MaxAmount,
                                QStringLiteral("Maximum amount to be paid/deducted must be entered")};
    if (setup.Action == 0 && setup.Multiplier > 0)
        return UserSetupProblem{UserSetupField::Multiplier,
                                QStringLiteral("When User Field Multiplier has been entered~an Action to be "
                                               "calculated must be set")};
    return std::nullopt;
}

void ApplyUserFieldSetupToAll(const UserFieldSetup& setup, int p)
{
    if (const std::optional<UserSetupProblem> problem = CheckUserFieldSetup(setup))
        throw EFieldException(TildeToLineBreak(problem->Message));
    HourglassCursor hourglass;
    EmployeeRecord inMemory = EmployeeRec;
    {
        EmployeeLoop loop;
        while (loop.Next()) {
            StoreUserFieldSetup(setup, p, EmployeeRec);
            DataModule().RSEmployee.PostRec();
        }
        loop.Finish();
    }
    StoreUserFieldSetup(setup, p, inMemory);
    EmployeeRec = inMemory;
}
