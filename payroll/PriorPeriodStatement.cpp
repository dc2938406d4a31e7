#include "payroll/PriorPeriodStatement.h"

#include "client/CompanyAddress.h"
#include "client/EmployeeLoop.h"
#include "client/PayRecords.h"
#include "components/NumberRoutines.h"
#include "components/TextRoutines.h"
#include "platform/AppMessageBox.h"

#include <QCoreApplication>

namespace {

const std::vector<StatementLine> kEarnings = {
    {0, "Wages", "Regular Earnings"},
    {1, "OverTimePay", "Overtime Pay"},
    {2, "HolidayPay", "Holiday Pay"},
    {3, "VacationPay", "Vacation Pay"},
    {4, "SickPay", "Sick Pay"},
    {kOtherTimePayGroup, "OtherTimePay", "Other Wages"},
    {6, "Bonus", "Bonus"},
    {kTipsGroup, "Tips", "Tips"},
    {8, "DepCareBen", "Dep. Care Benefits"},
    {9, "FringeBen", "Fringe Benefits"},
    {11, "UserPay1", "", 1},
    {12, "UserPay2", "", 2},
    {13, "UserPay3", "", 3},
    {14, "UserPay4", "", 4},
    {15, "UserPay5", "", 5},
    {kGrossWagesGroup, "GrossWages", "Gross Pay", 0, true},
};

const std::vector<StatementLine> kTaxesAndDeductions = {
    {17, "FICATax", "F.I.C.A. Tax"},
    {19, "FederalTax", "Federal Income Tax"},
    {21, "MedicareTax", "Medicare Tax"},
    {25, "StateTax", "State Income Tax"},
    {26, "CityTax", "City Income Tax"},
    {27, "UnempTax", "State Unemp. Tax"},
    {28, "DisbTax", "State Disability Tax"},
    {29, "HealthIns", "Health Ins. Premiums"},
    {57, "PLan401k", "401(k) Plan"},
    {58, "PLan403b", "403(b) Plan"},
    {59, "PLan408k6", "408(k)(6) Plan"},
    {60, "Plan457b", "457(b) Plan"},
    {61, "IRASimple", "I.R.A. Simple Plan"},
    {62, "NonQualPlan", "Non Qualified Plan"},
    {31, "UserDeduct1", "", 1},
    {32, "UserDeduct2", "", 2},
    {33, "UserDeduct3", "", 3},
    {34, "UserDeduct4", "", 4},
    {35, "UserDeduct5", "", 5},
    {kTotalDeductGroup, "TotalDeduct", "Total Deductions", 0, true},
    {kNetPayGroup, "NetPay", "Net Pay", 0, true},
};

const std::vector<StatementLine> kEmployerLiabilities = {
    {38, "FICALib", "F.I.C.A. Tax"},
    {39, "MedicareLib", "Medicare Tax"},
    {40, "FUTALib", "F.U.T.A. Tax"},
    {41, "UnempLib", "State Unemp. Tax"},
    {42, "DisbLib", "State Disability Tax"},
    {43, "UserLib1", "", 1},
    {44, "UserLib2", "", 2},
    {45, "UserLib3", "", 3},
    {46, "UserLib4", "", 4},
    {47, "UserLib5", "", 5},
    {kTotalLibGroup, "TotalLib", "Total Liabilities", 0, true},
};

const std::vector<StatementLine> kOtherPayrollData = {
    {49, "AllocatedTip", "Allocated Tips"},
    {kGTLIAmountGroup, "GTLIAmount", "Life Ins. Over 50K"},
    {50, "HoursPaid", "Regular Hours Paid"},
    {51, "DaysPaid", "Regular Days Paid"},
    {52, "OverTimePaid", "Over Time Paid"},
    {53, "HolidayPaid", "Holiday Time Paid"},
    {54, "VacationPaid", "Vacation Time Paid"},
    {55, "SickTimePaid", "Sick Time Paid"},
    {56, "OtherTimePaid", "Other Time Paid"},
    {63, "CafePlan", "Sec 125/127 Plan"},
    {64, "FedEarnings", "Federal Earnings"},
    {67, "FICAEarnings", "Soc. Sec. Earnings"},
    {68, "MedEarnings", "Medicare Earnings"},
    {69, "FUTAEarnings", "Fed. Unemp. Earnings"},
    {65, "StateEarning", "State Earnings"},
    {66, "CityEarnings", "City Earnings"},
    {70, "TPSPGross", "Gross Third-Party Sick Pay"},
    {71, "TPSPTaxable", "Taxable Third-Party Sick Pay"},
    {20, "TPSPFederalTax", "Income tax withheld by payer of third-party sick pay"},
    {72, "UnempEarning", "State Unemp. Earnings"},
    {73, "DisbEarnings", "State Disb. Earnings"},
    {76, "QualifedOT", "Qualified overtime"},
};

constexpr StatementColumn kColumns[kStatementColumnCount] = {
    StatementColumn::Earnings, StatementColumn::TaxesAndDeductions, StatementColumn::EmployerLiabilities,
    StatementColumn::OtherPayrollData};

} // namespace

QString StatementColumnHeading(StatementColumn column)
{
    switch (column) {
    case StatementColumn::Earnings: return QStringLiteral("Earnings");
    case StatementColumn::TaxesAndDeductions: return QStringLiteral("Taxes and Deductions");
    case StatementColumn::EmployerLiabilities: return QStringLiteral("Employer Liabilities");
    case StatementColumn::OtherPayrollData: break;
    }
    return QStringLiteral("Other Payroll Data");
}

const std::vector<StatementLine>& StatementLines(StatementColumn column)
{
    switch (column) {
    case StatementColumn::Earnings: return kEarnings;
    case StatementColumn::TaxesAndDeductions: return kTaxesAndDeductions;
    case StatementColumn::EmployerLiabilities: return kEmployerLiabilities;
    case StatementColumn::OtherPayrollData: break;
    }
    return kOtherPayrollData;
}

QString UserItemName(StatementColumn column, int userItem)
{
    if (userItem < 1 || userItem > 5)
        return {};
    switch (column) {
    case StatementColumn::Earnings: return CompanyRec.UserEarnings[userItem].get();
    case StatementColumn::TaxesAndDeductions: return CompanyRec.UserDeduct[userItem].get();
    case StatementColumn::EmployerLiabilities: return CompanyRec.UserLib[userItem].get();
    case StatementColumn::OtherPayrollData: break;
    }
    return {};
}

QString StatementAmount(double amount)
{
    return FormatAmount(amount, 2, true);
}

QString CompanyAddressLine()
{
    return CompanyStreetLine(CompanyRec, QStringLiteral("Ste"));
}

QString WithholdingStatusText()
{
    const QString status = EmployeeRec.Married ? QStringLiteral("Married")
                           : EmployeeRec.HOH   ? QStringLiteral("HOH")
                                               : QStringLiteral("Single");
    return status + QChar('/') + QStringLiteral("%1").arg(EmployeeRec.FedWithAllow, 2, 10, QChar('0'));
}

QString RegularRateText()
{
    return FormatAmount(EmployeeRec.RegularRate, 6, true);
}

PriorPeriodSums::PriorPeriodSums(bool tipsInGrossPay)
    : tipsInGrossPay_(tipsInGrossPay)
{
}

void PriorPeriodSums::Add(const StoredPayPeriod& period)
{
    for (StatementColumn column : kColumns)
        for (const StatementLine& line : StatementLines(column))
            if (!line.total)
                sums_[static_cast<std::size_t>(line.group)] += period.Amount(line.group);
}

double PriorPeriodSums::sumOf(StatementColumn column) const
{
    double sum = 0;
    for (const StatementLine& line : StatementLines(column))
        if (!line.total)
            sum += sums_[static_cast<std::size_t>(line.group)];
    return sum;
}

double PriorPeriodSums::GrossPay() const
{
    const double gross = sumOf(StatementColumn::Earnings);
    return tipsInGrossPay_ ? gross : gross - sums_[kTipsGroup];
}

double PriorPeriodSums::TotalDeductions() const
{
    return sumOf(StatementColumn::TaxesAndDeductions);
}

double PriorPeriodSums::TotalLiabilities() const
{
    return sumOf(StatementColumn::EmployerLiabilities);
}

double PriorPeriodSums::Amount(int group) const
{
    switch (group) {
    case kGrossWagesGroup: return GrossPay();
    case kTotalDeductGroup: return TotalDeductions();
    case kNetPayGroup: return NetPay();
    case kTotalLibGroup: return TotalLiabilities();
    default: break;
    }
    return group >= 0 && group < kAmountGroupCount ? sums_[static_cast<std::size_t>(group)] : 0;
}

PriorPeriodSums SumEmployeePayPeriods(int firstSlot, int lastSlot)
{
    PriorPeriodSums sums(CompanyRec.IncludeTips);
    for (int slot = firstSlot; slot <= lastSlot; ++slot)
        sums.Add(ReadStoredPayPeriod(slot));
    return sums;
}

PriorPeriodSums SumPayPeriodOfAllEmployees(int slot)
{
    PriorPeriodSums sums(CompanyRec.IncludeTips);
    ForEachEmployee([&] { sums.Add(ReadStoredPayPeriod(slot)); });
    return sums;
}

QString EarningsReportName(int firstSlot, int lastSlot, int periodCount)
{
    if (firstSlot == 1 && lastSlot == 1)
        return QStringLiteral("Initial Earnings Report");
    if (firstSlot == periodCount && lastSlot == periodCount)
        return QStringLiteral("Last Earnings Report");
    if (firstSlot == 1 && lastSlot == periodCount)
        return QStringLiteral("Year-to-Date Earnings Report");
    return QStringLiteral("Periodic Earnings Report");
}

bool CheckPriorPayPeriodsStored()
{
    if (CompanyRec.PriorPeriodCount >= 1)
        return true;
    AppMessageBox(QStringLiteral("There are no prior payroll periods to show."), QCoreApplication::applicationName(),
                  MbOk | MbIconInformation);
    return false;
}
