#include "client/EmployeeAmountRows.h"

#include "client/EmployeeRecord.h"
#include "client/PayHistoryMap.h"

#include <stdexcept>

namespace {

struct RowDef {
    const char* label;
    const char* group;
    AmountRowKind kind = AmountRowKind::Money;
    int userItem = 0;
};

constexpr AmountRowKind Hours = AmountRowKind::Hours;
constexpr AmountRowKind Computed = AmountRowKind::Computed;
constexpr AmountRowKind Money = AmountRowKind::Money;

// The user-defined rows carry the caption "User Defined" until the company's names replace it.
constexpr const char* kUser = "User Defined";

const RowDef kEarnings[] = {
    {"Wages", "Wages"}, {"Over Time", "OverTimePay"}, {"Holiday", "HolidayPay"}, {"Vacation", "VacationPay"},
    {"Sick", "SickPay"}, {"Other Wages", "OtherTimePay"}, {"Bonuses", "Bonus"}, {"Tips", "Tips"},
    {"Dependent Care Benefits", "DepCareBen"}, {"Fringe Benefits", "FringeBen"},
    {kUser, "UserPay1", Money, 1}, {kUser, "UserPay2", Money, 2}, {kUser, "UserPay3", Money, 3},
    {kUser, "UserPay4", Money, 4}, {kUser, "UserPay5", Money, 5},
    {"Total Gross Earnings", "GrossWages", Computed},
};

const RowDef kDeductions[] = {
    {"F.I.C.A. tax", "FICATax"}, {"Federal Income Tax", "FederalTax"}, {"Medicare Tax", "MedicareTax"},
    {"State Income Tax", "StateTax"}, {"City Income Tax", "CityTax"}, {"State Unemployment Tax", "UnempTax"},
    {"State Disability Tax", "DisbTax"}, {"Health Insurance Premiums", "HealthIns"},
    {"Pension Plan Contributions", "PensionPlans", Computed},
    {kUser, "UserDeduct1", Money, 6}, {kUser, "UserDeduct2", Money, 7}, {kUser, "UserDeduct3", Money, 8},
    {kUser, "UserDeduct4", Money, 9}, {kUser, "UserDeduct5", Money, 10},
    {"Total Deductions", "TotalDeduct", Computed}, {"Net Pay", "NetPay", Computed},
};

const RowDef kLiabilities[] = {
    {"F.I.C.A. Tax", "FICALib"}, {"Medicare Tax", "MedicareLib"}, {"F.U.T.A. Tax", "FUTALib"},
    {"State Unemployment Tax", "UnempLib"}, {"State Disability Tax", "DisbLib"},
    {kUser, "UserLib1", Money, 11}, {kUser, "UserLib2", Money, 12}, {kUser, "UserLib3", Money, 13},
    {kUser, "UserLib4", Money, 14}, {kUser, "UserLib5", Money, 15},
    {"Total Employer Liabilities", "TotalLib", Computed},
};

const RowDef kOther[] = {
    {"Allocated Tips", "AllocatedTip"}, {"Regular Hours Paid", "HoursPaid", Hours},
    {"Regular Days Paid", "DaysPaid", Hours}, {"Over Time Paid", "OverTimePaid", Hours},
    {"Holiday Time Paid", "HolidayPaid", Hours}, {"Vacation Time Paid", "VacationPaid", Hours},
    {"Sick Time Paid", "SickTimePaid", Hours}, {"Other Time Paid", "OtherTimePaid", Hours},
    {"Life Insurance Premiums over 50K", "GTLIAmount"}, {"Contributions to 401(k) Plan", "Plan401k"},
    {"Contributions to 403(b) Plan", "Plan403b"}, {"Contributions to 408(k)(6) Plan", "Plan408k6"},
    {"Contributions to 457(b) Plan", "Plan457b"}, {"Contributions to I.R.A. Simple Plan", "IRASimple"},
    {"Contributions to Non-Qualified Plan", "NonQualPlan"}, {"Section 125/127 Plans", "CafePlan"},
    {"Federal Taxable Earnings", "FedEarnings"}, {"Social Security Earnings", "FICAEarnings"},
    {"Medicare Earnings", "MedEarnings"}, {"Federal Unemployment Earnings", "FUTAEarnings"},
    {"Gross Third-Party Sick Pay", "TPSPGross"}, {"Taxable Third-Party Sick Pay", "TPSPTaxable"},
    {"Income tax withheld by payer of third-party sick pay", "TPSPFederalTax"},
    {"State Taxable Earnings", "StateEarning"}, {"City Taxable Earnings", "CityEarnings"},
    {"State Unemployment Earnings", "UnempEarning"}, {"State Disability Earnings", "DisbEarnings"},
    {"Employer State Unemployment Earnings", "UICompWages"}, {"Employer State Disability Earnings", "DICompWages"},
    {"Qualified overtime compensation", "QualifiedOT"},
};

template <std::size_t N>
std::vector<EmployeeAmountRow> Rows(const RowDef (&defs)[N])
{
    const int taxWithheldBySickPayPayer = AmountGroupNumber(QStringLiteral("TPSPFederalTax"));
    const int grossWages = AmountGroupNumber(QStringLiteral("GrossWages"));
    const int netPay = AmountGroupNumber(QStringLiteral("NetPay"));
    const int totalLib = AmountGroupNumber(QStringLiteral("TotalLib"));
    std::vector<EmployeeAmountRow> rows;
    for (const RowDef& def : defs) {
        const int group = AmountGroupNumber(QLatin1String(def.group));
        rows.push_back(EmployeeAmountRow{QString::fromLatin1(def.label), group, def.kind, def.userItem,
                                         group == grossWages || group == netPay || group == totalLib,
                                         group == taxWithheldBySickPayPayer});
    }
    return rows;
}

} // namespace

const std::vector<EmployeeAmountSection>& EmployeeAmountSections()
{
    static const std::vector<EmployeeAmountSection> sections = {
        {QStringLiteral("Earnings Information"), true, Rows(kEarnings)},
        {QStringLiteral("Deductions Information"), true, Rows(kDeductions)},
        {QStringLiteral("Employer Liabilities"), true, Rows(kLiabilities)},
        {QStringLiteral("Other Information"), false, Rows(kOther)},
    };
    return sections;
}

QString AmountEntryName(int group, int column)
{
    static const char* const kEndings[] = {"_iMtd", "_iQtd", "_iYtd"};
    if (column < kMonthToDateColumn || column > kYearToDateColumn)
        throw std::out_of_range("An amount entry's column lies outside 2..4.");
    const QString name = AmountGroupName(group);
    // The one entry whose name differs from its group's.
    if (name == QLatin1String("UICompWages") && column == kQuarterToDateColumn)
        return QStringLiteral("UICompWagesd_iQtd");
    return name + QLatin1String(kEndings[column - kMonthToDateColumn]);
}
