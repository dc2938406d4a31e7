#include "forms/NJW3Reconciliation.h"

#include "client/CompanyAddress.h"
#include "client/EmployeeLoop.h"
#include "client/PayRecords.h"
#include "components/NumberRoutines.h"
#include "components/StateTables.h"

namespace {

QString Amount(double amount)
{
    return FormatAmount(amount, 2, true);
}

} // namespace

NJW3Reconciliation GatherNJW3(const CompanyRecord& company)
{
    const int nj = StateCodeIndex(QStringLiteral("NJ")) + 1;
    NJW3Reconciliation form;
    form.stateId = company.StateID[nj];
    form.name = FormUpperCase(company.Name.get());
    form.tradeName = FormUpperCase(company.TradeName.get());
    form.address = FormUpperCase(StreetWithSuite(company.Address.get(), company.SuiteNum.get(), QStringLiteral("STE")));
    form.city = FormUpperCase(company.City.get());
    form.state = company.State;
    form.zipCode = company.ZipCode;
    ForEachEmployee([&] {
        const EmployeeRecord& e = EmployeeRec;
        if (e.StateEarning[kYearToDateColumn] == 0 || e.WorkStateIndex != nj)
            return;
        ++form.employees;
        form.wages += e.StateEarning[kYearToDateColumn];
        form.withheld += e.StateTax[kYearToDateColumn];
    });
    return form;
}

FormParams NJW3Params(const NJW3Reconciliation& form, bool filingCopy)
{
    FormParams params;
    params.SetFormCopy(filingCopy);
    params.Set(QStringLiteral("TaxableYear"), QStringLiteral("2026"));
    params.Set(QStringLiteral("FilingYear"), QStringLiteral("2027"));
    params.Set(QStringLiteral("StateID"), form.stateId);
    params.Set(QStringLiteral("CompName"), form.name);
    params.Set(QStringLiteral("TradeName"), form.tradeName);
    params.Set(QStringLiteral("Address"), form.address);
    params.Set(QStringLiteral("City"), form.city);
    params.Set(QStringLiteral("State"), form.state);
    params.Set(QStringLiteral("ZipCode"), form.zipCode);
    params.Set(QStringLiteral("TotalEmployees"), QString::number(form.employees));
    params.Set(QStringLiteral("TotalIncome"), Amount(form.wages));
    params.Set(QStringLiteral("AmountWithheld"), Amount(form.withheld));
    return params;
}
