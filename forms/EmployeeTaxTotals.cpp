#include "forms/EmployeeTaxTotals.h"

#include "client/EmployeeLoop.h"
#include "client/PayRecords.h"
#include "components/NumberRoutines.h"

namespace {

double Cents(double value)
{
    return RoundToDecimals(value, 2);
}

} // namespace

void EmployeeTaxTotals::Add(const EmployeeRecord& e, int column)
{
    if (e.FedEarnings[column] > 0)
        ++employeesWithWages;
    wages += e.FedEarnings[column];
    incomeTax += e.FederalTax[column] + e.TPSPFederalTax[column];
    socialSecurityWages += e.FICAEarnings[column];
    socialSecurityTax += e.FICATax[column] + e.FICALib[column] + e.TPSPFICATax[column];
    tips += e.Tips[column];
    medicareWages += e.MedEarnings[column];
    // The employee's Medicare tax holds the Additional Medicare Tax, which has a line of its own.
    medicareTax += e.MedicareTax[column] + e.MedicareLib[column] + e.TPSPMedicareTax[column] - e.MedSurchargeTax[column];
    additionalMedicareWages += e.MedSurchargeWages[column];
    additionalMedicareTax += e.MedSurchargeTax[column];
    sickPayTaxes += e.TPSPFederalTax[column] + e.TPSPFICATax[column] + e.TPSPMedicareTax[column];
    if (Cents(e.TPSPTaxable[column]) != 0)
        thirdPartySickPay = true;
}

EmployeeTaxTotals GatherEmployeeTaxTotals(int column)
{
    EmployeeTaxTotals totals;
    ForEachEmployee([&] { totals.Add(EmployeeRec, column); });
    return totals;
}

SocialSecurityMedicareLines ComputeSocialSecurityMedicare(const EmployeeTaxTotals& totals)
{
    SocialSecurityMedicareLines lines;
    lines.socialSecurityTips = Cents(totals.tips);
    lines.socialSecurityTipsTax = MoneyTimes(lines.socialSecurityTips, kSocialSecurityRate);
    lines.socialSecurityWages = Cents(totals.socialSecurityWages - totals.tips);
    lines.socialSecurityTax = MoneyTimes(lines.socialSecurityWages, kSocialSecurityRate);
    lines.medicareWages = Cents(totals.medicareWages);
    lines.medicareTax = MoneyTimes(lines.medicareWages, kMedicareRate);
    lines.additionalMedicareWages = Cents(totals.additionalMedicareWages);
    lines.additionalMedicareTax = MoneyTimes(lines.additionalMedicareWages, kAdditionalMedicareRate);
    lines.total = Cents(lines.socialSecurityTax + lines.socialSecurityTipsTax + lines.medicareTax + lines.additionalMedicareTax);
    const double charged = totals.socialSecurityTax + totals.medicareTax + totals.additionalMedicareTax;
    lines.fractionsOfCents = Cents(charged - lines.total);
    return lines;
}
