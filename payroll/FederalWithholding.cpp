#include "payroll/FederalWithholding.h"

#include "client/PayRecords.h"
#include "components/NumberRoutines.h"
#include "payroll/PayComputeHelpers.h"

namespace {

constexpr int Now = kCurrentColumn;

// The standard deduction that Form W-4 step 2 leaves out of the tables: half of it goes to each
// of two jobs. Without the box the whole adjustment is subtracted from the annual wages.
constexpr double kMarriedAdjustment = 12900;
constexpr double kOtherAdjustment = 8600;

using Column = RecordArray<double, 1, kFederalTableRows> FederalTaxRecord::*;

WithholdingTable ReadTable(const FederalTaxRecord& table, Column over, Column notOver, Column amount, Column rate)
{
    WithholdingTable rows;
    for (int n = 1; n <= kFederalTableRows; ++n)
        rows[n - 1] = {(table.*over)[n], (table.*notOver)[n], (table.*amount)[n], (table.*rate)[n]};
    return rows;
}

// Publication 15-T's checkbox schedules are the standard ones with half the brackets and half the
// standard adjustment: every bound moves to (bound + adjustment) / 2 and every base amount halves.
WithholdingTable HalveForTwoJobs(WithholdingTable rows, double adjustment)
{
    for (WithholdingRow& row : rows) {
        row.wagesOver = (row.wagesOver + adjustment) / 2;
        row.wagesNotOver = (row.wagesNotOver + adjustment) / 2;
        row.taxAmount /= 2;
    }
    return rows;
}

} // namespace

WithholdingTable ChooseWithholdingTable(const FederalTaxRecord& table, bool married, bool headOfHousehold,
                                        bool step2Checked)
{
    WithholdingTable rows;
    if (married)
        rows = ReadTable(table, &FederalTaxRecord::MWagesOver, &FederalTaxRecord::MWagesNotOver,
                         &FederalTaxRecord::MTaxAmount, &FederalTaxRecord::MTaxRate);
    else if (headOfHousehold)
        rows = ReadTable(table, &FederalTaxRecord::HOHWagesOver, &FederalTaxRecord::HOHWagesNotOver,
                         &FederalTaxRecord::HOHTaxAmount, &FederalTaxRecord::HOHTaxRate);
    else
        rows = ReadTable(table, &FederalTaxRecord::SWagesOver, &FederalTaxRecord::SWagesNotOver,
                         &FederalTaxRecord::STaxAmount, &FederalTaxRecord::STaxRate);
    if (step2Checked)
        rows = HalveForTwoJobs(rows, married ? kMarriedAdjustment : kOtherAdjustment);
    return rows;
}

double AnnualWithholding(const WithholdingTable& table, double annualWages)
{
    constexpr int last = kFederalTableRows - 1;
    if (annualWages < table[0].wagesOver)
        return 0;

    // Rows hold their lower bound and not their upper one; the last row has no upper bound. A
    // table with a gap between two rows taxes wages in the gap by the row below it, so a gap
    // never withholds less than the wages just under it.
    int match = 0;
    for (int k = 0; k <= last; ++k) {
        if (annualWages >= table[k].wagesOver)
            match = k;
        if (k == last || annualWages < table[k].wagesNotOver)
            break;
    }
    const WithholdingRow& row = table[match];
    const double base = match == 0 ? 0.0 : row.taxAmount;
    return (annualWages - row.wagesOver) * row.taxRate / 100 + base;
}

void ComputeFederalWithholding()
{
    EmployeeRecord& e = EmployeeRec;

    if (e.FedExempt)
        e.FedEarnings[Now] = 0;
    if (e.FedWithExempt || e.FedEarnings[Now] == 0) {
        e.FederalTax[Now] = e.FedEarnings[Now] > 0 ? e.FedAddTax : 0.0;
        return;
    }

    const int periods = PeriodsPerYear();
    // Taxable third-party sick pay is in the federal wages, but its payer withholds on it.
    double annualWages = e.FedEarnings[Now] * periods - e.TPSPTaxable[Now] * periods;
    annualWages = annualWages + e.FW4Box4a - e.FW4Box4b;
    if (!e.FW4Box2c)
        annualWages -= e.Married ? kMarriedAdjustment : kOtherAdjustment;

    const WithholdingTable table = ChooseWithholdingTable(FederalTaxRec, e.Married, e.HOH, e.FW4Box2c);
    double annualTax = AnnualWithholding(table, annualWages) - e.FW4Box3;
    if (annualTax < 0)
        annualTax = 0;

    e.FederalTax[Now] = RoundToDecimals(annualTax / periods, 0) + e.FedAddTax;
}
