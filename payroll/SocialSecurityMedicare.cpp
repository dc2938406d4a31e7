#include "payroll/SocialSecurityMedicare.h"

#include "client/PayRecords.h"
#include "components/NumberRoutines.h"
#include "payroll/PayComputeHelpers.h"

namespace {
constexpr int Now = kCurrentColumn;
constexpr int Ytd = kYearToDateColumn;
} // namespace

void ComputeSocialSecurityTax()
{
    EmployeeRecord& e = EmployeeRec;
    const FederalTaxRecord& table = FederalTaxRec;

    if (e.FICAExempt)
        e.FICAEarnings[Now] = 0;
    if (e.FICAEarnings[Now] == 0) {
        e.FICATax[Now] = 0;
        e.FICALib[Now] = 0;
        // Nothing is withheld, so no share of it belongs to the sick-pay payer either.
        e.TPSPFICATax[Now] = 0;
        return;
    }

    const double total = e.FICAEarnings[Now] + e.FICAEarnings[Ytd];
    const double excess = WagesOverBase(e.FICAEarnings[Now], e.FICAEarnings[Ytd], table.MaxFICAWages);
    if (e.FICAEarnings[Now] > excess) {
        e.FICAEarnings[Now] -= excess;
        e.FICATax[Now] = MoneyTimesPercent(e.FICAEarnings[Now], table.FICARate);
    } else {
        e.FICATax[Now] = 0;
        e.FICAEarnings[Now] = 0;
    }
    e.FICALib[Now] = e.FICATax[Now];

    if (AtLeastToTheCent(total, table.MaxFICAWages)) {
        e.FICATax[Now] = TrueUpToMaximum(e.FICATax[Now], e.FICATax[Ytd], table.MaxFICATax);
        e.FICALib[Now] = e.FICATax[Now];
    }

    e.TPSPFICATax[Now] = MoneyTimesPercent(e.TPSPTaxable[Now], table.FICARate);
    e.FICATax[Now] -= e.TPSPFICATax[Now];
}

void ComputeMedicareTax()
{
    EmployeeRecord& e = EmployeeRec;
    const FederalTaxRecord& table = FederalTaxRec;

    if (e.MedExempt)
        e.MedEarnings[Now] = 0;
    if (e.MedEarnings[Now] == 0) {
        e.MedicareTax[Now] = 0;
        e.MedicareLib[Now] = 0;
        e.MedSurchargeWages[Now] = 0;
        e.MedSurchargeTax[Now] = 0;
        e.TPSPMedicareTax[Now] = 0;
        return;
    }

    e.MedicareTax[Now] = MoneyTimesPercent(e.MedEarnings[Now], table.MedicareRate);
    e.MedicareLib[Now] = e.MedicareTax[Now];
    ComputeAdditionalMedicare();
    // The additional tax is the employee's alone; the employer's match stays without it.
    e.MedicareTax[Now] += e.MedSurchargeTax[Now];

    e.TPSPMedicareTax[Now] = MoneyTimesPercent(e.TPSPTaxable[Now], table.MedicareRate);
    e.MedicareTax[Now] -= e.TPSPMedicareTax[Now];
}

void ComputeAdditionalMedicare()
{
    EmployeeRecord& e = EmployeeRec;
    const double current = e.MedEarnings[Now];
    const double yearToDate = e.MedEarnings[Ytd];
    const double threshold = FederalTaxRec.MedExclWages;

    if (AtLeastToTheCent(threshold, current + yearToDate)) {
        e.MedSurchargeWages[Now] = 0;
        e.MedSurchargeTax[Now] = 0;
        return;
    }
    // Crossing the threshold in this period surcharges only the part above it.
    e.MedSurchargeWages[Now] = AtLeastToTheCent(threshold, yearToDate) ? current + yearToDate - threshold : current;
    e.MedSurchargeTax[Now] = MoneyTimesPercent(e.MedSurchargeWages[Now], FederalTaxRec.MedSurcharge);
}
