#include "forms/NJ927Worksheet.h"

#include "client/EmployeeIndex.h"
#include "client/EmployeeLoop.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "components/NumberRoutines.h"
#include "components/StateTables.h"
#include "components/TextRoutines.h"
#include "forms/FormParams.h"

#include <algorithm>

namespace {

// Amounts stand in their boxes in cents, rates to six decimals; every later line uses the
// figure as its box holds it.
double Cents(double value)
{
    return RoundToDecimals(value, 2);
}

double RateDigits(double value)
{
    return RoundToDecimals(value, 6);
}

int Count(const QString& text)
{
    return IsBlank(text) ? 0 : TextToInt(text.trimmed());
}

// The WR-30 wages of the current employee: gross pay of the quarter without fringe benefits,
// with tips even where gross pay leaves them out, without the user earnings exempt from tax.
double QuarterWagesPaid()
{
    const EmployeeRecord& e = EmployeeRec;
    constexpr int q = kQuarterToDateColumn;
    double wages = Cents(e.GrossWages[q] - e.FringeBen[q]);
    if (!CompanyRec.IncludeTips)
        wages = Cents(wages + e.Tips[q]);
    const TPeriodAmounts* userPay[] = {&e.UserPay1, &e.UserPay2, &e.UserPay3, &e.UserPay4, &e.UserPay5};
    for (int p = 1; p <= 5; ++p) {
        if (e.UserTaxExemp[p])
            wages = Cents(wages - (*userPay[p - 1])[q]);
    }
    return wages;
}

QString BaseWeeksText(int weeks)
{
    return weeks > NJBaseWeeksCeiling ? QString::number(NJBaseWeeksCeiling) : QString::asprintf("%02d", weeks);
}

} // namespace

int NewJerseyStateNumber()
{
    return StateCodeIndex(QStringLiteral("NJ")) + 1;
}

QString NJ927DueDate(int quarter)
{
    static const char* const dates[] = {"04/30/2026", "07/30/2026", "10/30/2026", "02/01/2027"};
    return quarter >= 1 && quarter <= 4 ? QString::fromLatin1(dates[quarter - 1]) : QString();
}

int WR30PageCount(int listedRows)
{
    if (listedRows <= WR30RowsPerPage)
        return 1;
    return listedRows / WR30RowsPerPage + (listedRows % WR30RowsPerPage ? 1 : 0);
}

void NJ927Worksheet::Gather()
{
    const int nj = NewJerseyStateNumber();
    Lines = NJ927Lines{};
    gatherRows();

    Header.StateID = CompanyRec.StateID2[nj];
    Header.CompName = FormUpperCase(CompanyRec.Name.get());
    Header.QtrYear = QStringLiteral("%1/2026").arg(CompanyRec.CurrentQuarter);
    Header.QuarterEnding = CompanyRec.QuarterEndDate;
    Header.ReportDue = NJ927DueDate(CompanyRec.CurrentQuarter);

    gatherMonths();
    Lines.DIPlanEmployer = Lines.DIPlanWorker = Lines.FLIPlan = QStringLiteral("S");
    Lines.UIRate = RateDigits((CompanyRec.UnempTaxRate[nj] + NJUIWFAdditionPercent) / 100.0);
    DisbTaxRatePercent = CompanyRec.DisbTaxRate[nj];
    PayrollPosted = CompanyRec.PayrollPosted;
    Calculate();
}

void NJ927Worksheet::gatherRows()
{
    const int nj = NewJerseyStateNumber();
    DIWorkerWagesTotal = DIEmployerWagesTotal = 0;
    Rows.assign(static_cast<std::size_t>(GetEmployeeCount()), std::nullopt);
    std::size_t slot = 0;
    ForEachEmployeeByName([&] {
        const std::size_t i = slot++;
        EmployeeRecord& e = EmployeeRec;
        constexpr int q = kQuarterToDateColumn;
        if (e.GrossWages[q] == 0 || e.WorkStateIndex != nj || i >= Rows.size())
            return;
        UpdateTotalColumns(kMonthToDateColumn);
        WR30Row row;
        row.recordNumber = FrmDataModule->RSEmployee.CurrentRecord();
        row.SocSecNum = e.SocSecNum;
        row.Name = QLatin1Char(' ') + FormUpperCase(GetEmployeeName(2, false).trimmed());
        row.WagesPaid = QuarterWagesPaid();
        row.BaseWeeks = BaseWeeksText(e.BaseWeeks);
        Rows[i] = row;

        Lines.GITWages = Cents(Lines.GITWages + e.StateEarning[q]);
        Lines.TaxableWagesUIWF = Cents(Lines.TaxableWagesUIWF + e.UnempEarning[q]);
        Lines.TaxableWagesDIEmployer = Cents(Lines.TaxableWagesDIEmployer + e.DICompWages[q]);
        Lines.TaxableWagesDIWorker = Cents(Lines.TaxableWagesDIWorker + e.DisbEarnings[q]);
        DIWorkerWagesTotal += e.DisbEarnings[q];
        DIEmployerWagesTotal += e.DICompWages[q];
        Lines.Payment = Cents(Lines.Payment + e.UnempTax[q] + e.UnempLib[q] + e.DisbTax[q] + e.DisbLib[q]);
    });
}

void NJ927Worksheet::gatherMonths()
{
    const int quarter = CompanyRec.CurrentQuarter;
    const bool inYear = quarter >= 1 && quarter <= 4;
    for (int m = 1; m <= 3; ++m) {
        const std::size_t line = static_cast<std::size_t>(m - 1);
        const int month = (quarter - 1) * 3 + m;
        Lines.GITMonth[line] = inYear ? Cents(CompanyRec.NJIncomeTaxMonth[month]) : 0.0;
        Lines.Month[line] = QString::number(inYear ? CompanyRec.NJCoveredWorkers[month] : 0);
    }
}

void NJ927Worksheet::Calculate()
{
    NJ927Lines& l = Lines;

    WR30EmployeeCount = 0;
    l.GrossWages = 0;
    for (const std::optional<WR30Row>& row : Rows) {
        const double wages = row ? row->WagesPaid : 0.0;
        l.GrossWages = Cents(l.GrossWages + wages);
        if (Cents(wages) != 0)
            ++WR30EmployeeCount;
    }

    l.TotalGIT = Cents(l.GITMonth[0] + l.GITMonth[1] + l.GITMonth[2]);
    if (l.TotalGIT >= l.GITPaid) {
        l.GITBalDue = Cents(l.TotalGIT - l.GITPaid);
        l.GITOverPaid = 0;
        l.Refund = l.Credit = false;
    } else {
        l.GITOverPaid = Cents(l.GITPaid - l.TotalGIT);
        l.GITBalDue = 0;
    }
    l.RefundReadOnly = l.GITOverPaid == 0;
    l.GITPayment = l.GITBalDue;

    l.ExcessEmployerWages = Cents(l.GrossWages - l.TaxableWagesUIWF);

    // A private plan or none owes no state DI: its lines are 0, and line 10 follows line 14.
    // Any other code keeps the DI lines as they stand; line 10 is taken from line 13 only once
    // line 13 is final, so one calculation gives the final figures.
    const int plan = TextIndexInList(l.DIPlanEmployer, {QStringLiteral("S"), QStringLiteral("P"), QStringLiteral("N")});
    const bool statePlan = plan == 1;
    const bool privateOrNone = plan == 2 || plan == 3;
    if (statePlan) {
        l.DIEmployerRate = RateDigits(DisbTaxRatePercent / 100.0);
        l.DIWorkerRate = NJWorkerDIRate;
        l.TaxableWagesDIEmployer = Cents(DIEmployerWagesTotal);
        l.TaxableWagesDIWorker = Cents(DIWorkerWagesTotal);
    } else if (privateOrNone) {
        l.DIEmployerRate = l.DIWorkerRate = 0;
        l.TaxableWagesDIEmployer = l.TaxableWagesDIWorker = 0;
    }
    l.ExcessWorkerWages = privateOrNone ? 0.0 : Cents(l.GrossWages - l.TaxableWagesDIWorker);

    l.UITax = Cents(l.TaxableWagesUIWF * l.UIRate);
    l.DIEmployerTax = Cents(l.TaxableWagesDIEmployer * l.DIEmployerRate);
    l.DIWorkerTax = Cents(l.TaxableWagesDIWorker * l.DIWorkerRate);

    l.FLIRate = NJFLIRate;
    l.TaxableWagesFLI = Cents(DIWorkerWagesTotal);
    if (l.ExcessWorkerWages == 0)
        l.ExcessWorkerWages = Cents(l.GrossWages - l.TaxableWagesFLI);
    l.FLITax = Cents(l.TaxableWagesFLI * l.FLIRate);

    const double contributions = Cents(l.UITax + l.DIEmployerTax + l.DIWorkerTax + l.FLITax);
    l.BalanceDue = l.Payments < contributions ? Cents(contributions - l.Payments) : 0.0;
    if (privateOrNone)
        l.Payment = l.BalanceDue;

    if (l.DIPlanEmployer == QLatin1String("S"))
        l.PrivatePlanDI.clear();
    l.DIPlanWorker = l.DIPlanEmployer;

    l.BalanceDue1 = l.GITBalDue;
    l.BalanceDue2 = l.BalanceDue;
    l.AmountToPay1 = l.GITPayment;
    l.AmountToPay2 = l.Payment;
    l.GrandTotal1 = Cents(l.GITBalDue + l.BalanceDue);
    l.GrandTotal2 = Cents(l.GITPayment + l.Payment);

    l.PrintEnabled = l.GITWages != 0 && PayrollPosted;
}

std::optional<NJ927Fault> NJ927Worksheet::Validate() const
{
    using Entry = NJ927Fault::Entry;
    const NJ927Lines& l = Lines;
    if (Cents(l.GITOverPaid) > 0.99 && !l.Refund && !l.Credit)
        return NJ927Fault{Entry::Refund, true,
                          QStringLiteral("When there is an overpayment on line 5, You must check the Refund or Credit box.")};
    if (IsBlank(l.DIPlanEmployer))
        return NJ927Fault{Entry::DIPlanEmployer, false, QStringLiteral("The Disability Plan Type line 12 must not be blank.")};
    if (l.DIPlanEmployer != QLatin1String("P"))
        return std::nullopt;

    const int line22 = Count(l.PrivatePlanDI);
    if (line22 == 0)
        return NJ927Fault{Entry::PrivatePlanDI, false,
                          QStringLiteral("When the Disability Plan Type line 12 is coded as \"P\". Line 22 must be completed.")};
    const int m1 = Count(l.Month[0]);
    const int m2 = Count(l.Month[1]);
    const int m3 = Count(l.Month[2]);
    // Line 22 may not exceed the last month of line 07 that is filled.
    int last = 0;
    int lastCount = 0;
    if (m1 != 0) {
        if (m2 == 0 && m3 == 0) {
            last = 1;
            lastCount = m1;
        } else if (m2 != 0 && m3 == 0) {
            last = 2;
            lastCount = m2;
        } else if (m2 != 0 && m3 != 0) {
            last = 3;
            lastCount = m3;
        }
    }
    if (last != 0 && line22 > lastCount)
        return NJ927Fault{Entry::PrivatePlanDI, false, QStringLiteral("Line 22 cannot be greater than line 7 Month%1").arg(last)};
    return std::nullopt;
}
