#include "client/PayHistoryMap.h"

#include <QString>
#include <stdexcept>

namespace {

constexpr int kFirstGroupWithoutRow = 74; // UICompWages
constexpr int kLastGroupWithoutRow = 75;  // DICompWages
constexpr int kQualifiedOTGroup = 76;
constexpr int kQualifiedOTRow = 74;

// Member pointers keep the access well defined: the groups are separate members, not one array.
constexpr TPeriodAmounts EmployeeRecord::*kGroups[kAmountGroupCount] = {
    &EmployeeRecord::Wages,                // 0
    &EmployeeRecord::OverTimePay,          // 1
    &EmployeeRecord::HolidayPay,           // 2
    &EmployeeRecord::VacationPay,          // 3
    &EmployeeRecord::SickPay,              // 4
    &EmployeeRecord::OtherTimePay,         // 5
    &EmployeeRecord::Bonus,                // 6
    &EmployeeRecord::Tips,                 // 7
    &EmployeeRecord::DepCareBen,           // 8
    &EmployeeRecord::FringeBen,            // 9
    &EmployeeRecord::GTLIAmount,           // 10
    &EmployeeRecord::UserPay1,             // 11
    &EmployeeRecord::UserPay2,             // 12
    &EmployeeRecord::UserPay3,             // 13
    &EmployeeRecord::UserPay4,             // 14
    &EmployeeRecord::UserPay5,             // 15
    &EmployeeRecord::GrossWages,           // 16
    &EmployeeRecord::FICATax,              // 17
    &EmployeeRecord::TPSPFICATax,          // 18
    &EmployeeRecord::FederalTax,           // 19
    &EmployeeRecord::TPSPFederalTax,       // 20
    &EmployeeRecord::MedicareTax,          // 21
    &EmployeeRecord::MedSurchargeWages,    // 22
    &EmployeeRecord::MedSurchargeTax,      // 23
    &EmployeeRecord::TPSPMedicareTax,      // 24
    &EmployeeRecord::StateTax,             // 25
    &EmployeeRecord::CityTax,              // 26
    &EmployeeRecord::UnempTax,             // 27
    &EmployeeRecord::DisbTax,              // 28
    &EmployeeRecord::HealthIns,            // 29
    &EmployeeRecord::PensionPlans,         // 30
    &EmployeeRecord::UserDeduct1,          // 31
    &EmployeeRecord::UserDeduct2,          // 32
    &EmployeeRecord::UserDeduct3,          // 33
    &EmployeeRecord::UserDeduct4,          // 34
    &EmployeeRecord::UserDeduct5,          // 35
    &EmployeeRecord::TotalDeduct,          // 36
    &EmployeeRecord::NetPay,               // 37
    &EmployeeRecord::FICALib,              // 38
    &EmployeeRecord::MedicareLib,          // 39
    &EmployeeRecord::FUTALib,              // 40
    &EmployeeRecord::UnempLib,             // 41
    &EmployeeRecord::DisbLib,              // 42
    &EmployeeRecord::UserLib1,             // 43
    &EmployeeRecord::UserLib2,             // 44
    &EmployeeRecord::UserLib3,             // 45
    &EmployeeRecord::UserLib4,             // 46
    &EmployeeRecord::UserLib5,             // 47
    &EmployeeRecord::TotalLib,             // 48
    &EmployeeRecord::AllocatedTip,         // 49
    &EmployeeRecord::HoursPaid,            // 50
    &EmployeeRecord::DaysPaid,             // 51
    &EmployeeRecord::OverTimePaid,         // 52
    &EmployeeRecord::HolidayPaid,          // 53
    &EmployeeRecord::VacationPaid,         // 54
    &EmployeeRecord::SickTimePaid,         // 55
    &EmployeeRecord::OtherTimePaid,        // 56
    &EmployeeRecord::Plan401k,             // 57
    &EmployeeRecord::Plan403b,             // 58
    &EmployeeRecord::Plan408k6,            // 59
    &EmployeeRecord::Plan457b,             // 60
    &EmployeeRecord::IRASimple,            // 61
    &EmployeeRecord::NonQualPlan,          // 62
    &EmployeeRecord::CafePlan,             // 63
    &EmployeeRecord::FedEarnings,          // 64
    &EmployeeRecord::StateEarning,         // 65
    &EmployeeRecord::CityEarnings,         // 66
    &EmployeeRecord::FICAEarnings,         // 67
    &EmployeeRecord::MedEarnings,          // 68
    &EmployeeRecord::FUTAEarnings,         // 69
    &EmployeeRecord::TPSPGross,            // 70
    &EmployeeRecord::TPSPTaxable,          // 71
    &EmployeeRecord::UnempEarning,         // 72
    &EmployeeRecord::DisbEarnings,         // 73
    &EmployeeRecord::UICompWages,          // 74
    &EmployeeRecord::DICompWages,          // 75
    &EmployeeRecord::QualifiedOT,          // 76
};

void CheckRange(int value, int count, const char* what)
{
    if (value < 0 || value >= count)
        throw std::out_of_range(
            QStringLiteral("%1 %2 lies outside 0..%3.").arg(QLatin1String(what)).arg(value).arg(count - 1).toStdString());
}

} // namespace

TPeriodAmounts& AmountGroup(EmployeeRecord& record, int group)
{
    CheckRange(group, kAmountGroupCount, "Amount group");
    return record.*kGroups[group];
}

const TPeriodAmounts& AmountGroup(const EmployeeRecord& record, int group)
{
    CheckRange(group, kAmountGroupCount, "Amount group");
    return record.*kGroups[group];
}

std::optional<int> PayHistoryRowOfGroup(int group)
{
    CheckRange(group, kAmountGroupCount, "Amount group");
    if (group == kQualifiedOTGroup)
        return kQualifiedOTRow;
    if (group >= kFirstGroupWithoutRow && group <= kLastGroupWithoutRow)
        return std::nullopt;
    return group;
}

int AmountGroupOfPayHistoryRow(int row)
{
    CheckRange(row, kPayHistoryRowCount, "Pay history row");
    return row == kQualifiedOTRow ? kQualifiedOTGroup : row;
}
