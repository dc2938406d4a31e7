#include "client/PayHistoryMap.h"

#include <QString>
#include <stdexcept>

namespace {

constexpr int kFirstGroupWithoutRow = 74; // UICompWages
constexpr int kLastGroupWithoutRow = 75;  // DICompWages
constexpr int kQualifiedOTGroup = 76;
constexpr int kQualifiedOTRow = 74;

// Member pointers keep the access well defined: the groups are separate members, not one array.
struct GroupEntry {
    TPeriodAmounts EmployeeRecord::*member;
    const char* name;
};

#define LEDGORA_GROUP(member) GroupEntry{&EmployeeRecord::member, #member}

constexpr GroupEntry kGroups[kAmountGroupCount] = {
    LEDGORA_GROUP(Wages),               // 0
    LEDGORA_GROUP(OverTimePay),         // 1
    LEDGORA_GROUP(HolidayPay),          // 2
    LEDGORA_GROUP(VacationPay),         // 3
    LEDGORA_GROUP(SickPay),             // 4
    LEDGORA_GROUP(OtherTimePay),        // 5
    LEDGORA_GROUP(Bonus),               // 6
    LEDGORA_GROUP(Tips),                // 7
    LEDGORA_GROUP(DepCareBen),          // 8
    LEDGORA_GROUP(FringeBen),           // 9
    LEDGORA_GROUP(GTLIAmount),          // 10
    LEDGORA_GROUP(UserPay1),            // 11
    LEDGORA_GROUP(UserPay2),            // 12
    LEDGORA_GROUP(UserPay3),            // 13
    LEDGORA_GROUP(UserPay4),            // 14
    LEDGORA_GROUP(UserPay5),            // 15
    LEDGORA_GROUP(GrossWages),          // 16
    LEDGORA_GROUP(FICATax),             // 17
    LEDGORA_GROUP(TPSPFICATax),         // 18
    LEDGORA_GROUP(FederalTax),          // 19
    LEDGORA_GROUP(TPSPFederalTax),      // 20
    LEDGORA_GROUP(MedicareTax),         // 21
    LEDGORA_GROUP(MedSurchargeWages),   // 22
    LEDGORA_GROUP(MedSurchargeTax),     // 23
    LEDGORA_GROUP(TPSPMedicareTax),     // 24
    LEDGORA_GROUP(StateTax),            // 25
    LEDGORA_GROUP(CityTax),             // 26
    LEDGORA_GROUP(UnempTax),            // 27
    LEDGORA_GROUP(DisbTax),             // 28
    LEDGORA_GROUP(HealthIns),           // 29
    LEDGORA_GROUP(PensionPlans),        // 30
    LEDGORA_GROUP(UserDeduct1),         // 31
    LEDGORA_GROUP(UserDeduct2),         // 32
    LEDGORA_GROUP(UserDeduct3),         // 33
    LEDGORA_GROUP(UserDeduct4),         // 34
    LEDGORA_GROUP(UserDeduct5),         // 35
    LEDGORA_GROUP(TotalDeduct),         // 36
    LEDGORA_GROUP(NetPay),              // 37
    LEDGORA_GROUP(FICALib),             // 38
    LEDGORA_GROUP(MedicareLib),         // 39
    LEDGORA_GROUP(FUTALib),             // 40
    LEDGORA_GROUP(UnempLib),            // 41
    LEDGORA_GROUP(DisbLib),             // 42
    LEDGORA_GROUP(UserLib1),            // 43
    LEDGORA_GROUP(UserLib2),            // 44
    LEDGORA_GROUP(UserLib3),            // 45
    LEDGORA_GROUP(UserLib4),            // 46
    LEDGORA_GROUP(UserLib5),            // 47
    LEDGORA_GROUP(TotalLib),            // 48
    LEDGORA_GROUP(AllocatedTip),        // 49
    LEDGORA_GROUP(HoursPaid),           // 50
    LEDGORA_GROUP(DaysPaid),            // 51
    LEDGORA_GROUP(OverTimePaid),        // 52
    LEDGORA_GROUP(HolidayPaid),         // 53
    LEDGORA_GROUP(VacationPaid),        // 54
    LEDGORA_GROUP(SickTimePaid),        // 55
    LEDGORA_GROUP(OtherTimePaid),       // 56
    LEDGORA_GROUP(Plan401k),            // 57
    LEDGORA_GROUP(Plan403b),            // 58
    LEDGORA_GROUP(Plan408k6),           // 59
    LEDGORA_GROUP(Plan457b),            // 60
    LEDGORA_GROUP(IRASimple),           // 61
    LEDGORA_GROUP(NonQualPlan),         // 62
    LEDGORA_GROUP(CafePlan),            // 63
    LEDGORA_GROUP(FedEarnings),         // 64
    LEDGORA_GROUP(StateEarning),        // 65
    LEDGORA_GROUP(CityEarnings),        // 66
    LEDGORA_GROUP(FICAEarnings),        // 67
    LEDGORA_GROUP(MedEarnings),         // 68
    LEDGORA_GROUP(FUTAEarnings),        // 69
    LEDGORA_GROUP(TPSPGross),           // 70
    LEDGORA_GROUP(TPSPTaxable),         // 71
    LEDGORA_GROUP(UnempEarning),        // 72
    LEDGORA_GROUP(DisbEarnings),        // 73
    LEDGORA_GROUP(UICompWages),         // 74
    LEDGORA_GROUP(DICompWages),         // 75
    LEDGORA_GROUP(QualifiedOT),         // 76
};

#undef LEDGORA_GROUP

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
    return record.*kGroups[group].member;
}

const TPeriodAmounts& AmountGroup(const EmployeeRecord& record, int group)
{
    CheckRange(group, kAmountGroupCount, "Amount group");
    return record.*kGroups[group].member;
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

QString AmountGroupName(int group)
{
    CheckRange(group, kAmountGroupCount, "Amount group");
    return QString::fromLatin1(kGroups[group].name);
}

int AmountGroupNumber(const QString& name)
{
    for (int group = 0; group < kAmountGroupCount; ++group)
        if (name == QLatin1String(kGroups[group].name))
            return group;
    throw std::out_of_range(QStringLiteral("No amount group is named %1.").arg(name).toStdString());
}
