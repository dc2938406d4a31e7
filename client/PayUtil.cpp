#include "client/PayUtil.h"

#include "client/EmployeeLoop.h"
#include "client/FileNames.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "components/DateRoutines.h"
#include "components/NumberRoutines.h"
#include "components/StateTables.h"
#include "components/TextRoutines.h"
#include "components/Validators.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"

#include <QCoreApplication>

namespace {

QString AppTitle()
{
    return QCoreApplication::applicationName();
}

bool IsBefore(const QString& date, const QString& limit)
{
    return DateFromText(date) < DateFromText(limit);
}

QString IneligibleReason(int result)
{
    switch (result) {
    case 1:
        return QStringLiteral("This  employee's  hired  date is not consistent with~the current")
               + QStringLiteral(" payroll period that is being processed.");
    case 2:
        return QStringLiteral("This employee is suspended from ") + EmployeeRec.DateSuspend.get() + QStringLiteral(" to ")
               + EmployeeRec.DateSuspEnds.get();
    case 3:
        return QStringLiteral("This employee has been terminated or resigned on ") + EmployeeRec.DateResigned.get();
    case 4:
        return QStringLiteral("This employee is deceased.");
    case 5:
        return QStringLiteral("This employee's payroll frequency is not consistent with~the current")
               + QStringLiteral(" payroll frequency that is being processed.");
    default:
        return QString();
    }
}

int CountEmployeesWhere(bool (*test)())
{
    int count = 0;
    ForEachEmployee([&count, test] {
        if (test())
            ++count;
    });
    return count;
}

} // namespace

bool InSuspensionWindow()
{
    const QString suspend = EmployeeRec.DateSuspend.get();
    const QString ends = EmployeeRec.DateSuspEnds.get();
    if (!IsValidDateStr(suspend) || !IsValidDateStr(ends))
        return false;
    return !IsBefore(CompanyRec.PayDateFrom.get(), suspend) && !IsBefore(ends, CompanyRec.PayDateTo.get());
}

int CheckEmployeeEligible(bool showMessage)
{
    int result = 0;
    const QString hired = EmployeeRec.DateHired.get();
    const QString resigned = EmployeeRec.DateResigned.get();
    if (IsValidDateStr(hired) && IsBefore(CompanyRec.PayDateTo.get(), hired))
        result = 1;
    else if (InSuspensionWindow() && IsValidDateStr(EmployeeRec.DateSuspEnds.get()))
        result = 2;
    else if (IsValidDateStr(resigned) && IsBefore(resigned, CompanyRec.PayDateFrom.get()))
        result = 3;
    else if (EmployeeRec.Deceased)
        result = 4;
    else if (CompanyRec.ProcessFrequency != 0 && CompanyRec.ProcessFrequency != EmployeeRec.Frequency)
        result = 5;

    if (showMessage && result != 0)
        AppMessageBox(EmployeeRec.FullName.get().trimmed() + QStringLiteral(" cannot be selected.~") + IneligibleReason(result),
                      AppTitle(), MbIconStop);
    return result;
}

int GetEmployeeCount()
{
    if (!FrmDataModule || !FrmDataModule->RSEmployee.Active())
        return 0;
    return FrmDataModule->RSEmployee.RecordCount();
}

bool EmployeeHasPay()
{
    return EmployeeRec.GrossWages[kCurrentColumn] != 0 || EmployeeRec.NetPay[kCurrentColumn] != 0
           || EmployeeRec.TPSPGross[kCurrentColumn] != 0;
}

int CountEmployeesWithPay()
{
    return CountEmployeesWhere(EmployeeHasPay);
}

int CountEmployeesWithRate()
{
    return CountEmployeesWhere([] { return EmployeeRec.RegularRate > 0; });
}

int CountEmployeesWithAmount(int column)
{
    int count = 0;
    ForEachEmployee([&count, column] {
        if (EmployeeRec.GrossWages[column] != 0)
            ++count;
    });
    return count;
}

double TaxableUnderWageBase(double amount, double yearToDate, double limit)
{
    double excess = amount + yearToDate - limit;
    if (excess < 0)
        excess = 0;
    return amount > excess ? amount - excess : 0;
}

bool CountMissingCompanyData()
{
    const CompanyRecord& c = CompanyRec;
    int missing = 0;
    for (const QString& text : {c.Name.get(), c.Address.get(), c.City.get(), c.State.get()})
        missing += IsBlank(text);
    missing += !IsValidZip(c.ZipCode.get());
    missing += !IsValidPhone(c.PhoneNumber.get());
    missing += !IsValidEIN(c.FederalID.get());
    missing += IsBlank(c.FourCharID.get());
    if (c.DirDeposit)
        missing += IsBlank(c.AccountID.get());
    if (c.Designee) {
        missing += IsBlank(c.DesigneeName.get());
        missing += !IsValidPhone(c.DesigneePhone.get());
        missing += c.DesigneePIN.get().size() < 5;
    }
    const int state = c.CurrentState;
    if (state < 1 || state > StateCount)
        ++missing;  // no state whose identifiers could be checked
    else if (IsBlank(c.StateID[state].get()) && (c.UnempTaxRate[state] > 0 || c.DisbTaxRate[state] > 0))
        ++missing;
    return missing == 0;
}

bool IsCheckSetupComplete()
{
    const CompanyRecord& c = CompanyRec;
    const bool check = c.vpFullName != 0 && c.hpFullName != 0 && c.vpCheckDate != 0 && c.hpCheckDate != 0
                       && c.vpAmount != 0 && c.hpAmount != 0 && c.vpAmountText != 0 && c.hpAmountText != 0;
    return check && (!c.PrintStub || (c.vpCheckStub != 0 && c.hpCheckStub != 0));
}

bool GetPayCategory(int& plan)
{
    const TPeriodAmounts* plans[] = {&EmployeeRec.Plan401k, &EmployeeRec.Plan403b, &EmployeeRec.Plan408k6,
                                     &EmployeeRec.Plan457b, &EmployeeRec.IRASimple};
    for (int i = 0; i < 5; ++i) {
        if (RoundToDecimals((*plans[i])[kYearToDateColumn], 2) > 0) {
            plan = i + 1;
            return true;
        }
    }
    plan = 0;
    return false;
}

void CheckBrowseMode()
{
    if (FrmDataModule && FrmDataModule->RSEmployee.BrowseOnly())
        throw ERecordSetException(QStringLiteral("Function is not executable in browse mode."));
}

void UpdateTotalColumn(int c)
{
    EmployeeRecord& e = EmployeeRec;
    e.GrossWages[c] = e.Wages[c] + e.VacationPay[c] + e.SickPay[c] + e.OverTimePay[c] + e.HolidayPay[c]
                      + e.OtherTimePay[c] + e.Bonus[c] + e.Tips[c] + e.DepCareBen[c] + e.FringeBen[c]
                      + e.UserPay1[c] + e.UserPay2[c] + e.UserPay3[c] + e.UserPay4[c] + e.UserPay5[c];
    if (!CompanyRec.IncludeTips)
        e.GrossWages[c] = e.GrossWages[c] - e.Tips[c];
    e.PensionPlans[c] = e.Plan401k[c] + e.Plan403b[c] + e.Plan408k6[c] + e.Plan457b[c] + e.IRASimple[c]
                        + e.NonQualPlan[c];
    e.TotalDeduct[c] = e.FICATax[c] + e.FederalTax[c] + e.MedicareTax[c] + e.StateTax[c] + e.CityTax[c]
                       + e.UnempTax[c] + e.DisbTax[c] + e.HealthIns[c] + e.PensionPlans[c] + e.UserDeduct1[c]
                       + e.UserDeduct2[c] + e.UserDeduct3[c] + e.UserDeduct4[c] + e.UserDeduct5[c];
    e.NetPay[c] = e.GrossWages[c] - e.TotalDeduct[c];
    e.TotalLib[c] = e.FICALib[c] + e.MedicareLib[c] + e.FUTALib[c] + e.UnempLib[c] + e.DisbLib[c] + e.UserLib1[c]
                    + e.UserLib2[c] + e.UserLib3[c] + e.UserLib4[c] + e.UserLib5[c];
}

void UpdateTotalColumns(int fromColumn)
{
    for (int c = fromColumn; c <= kYearToDateColumn; ++c)
        UpdateTotalColumn(c);
}

void AskFilePassword()
{
    TFrmDataModule& module = DataModule();
    TPasswordDialog& prompt = module.PasswordDialog;
    prompt.Password = UnscramblePassword(CompanyRec.FilePassword.get());
    prompt.Caption = ExtractFileName(CompanyFileName);
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (prompt.Execute())
            return;
        if (prompt.Cancel())
            break;
        AppMessageBox(QStringLiteral("Incorrect Password"), AppTitle(), MbIconStop);
    }
    FileIsOpen = false;
    CurFileName.clear();
    module.RSEmployee.SetFileName(QString());
    module.RSCompany.CloseRecSet();
}
