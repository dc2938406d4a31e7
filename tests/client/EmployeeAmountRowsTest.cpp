#include "client/EmployeeAmountRows.h"
#include "client/PayHistoryMap.h"

#include <gtest/gtest.h>
#include <set>

TEST(EmployeeAmountRows, EveryShownGroupOnceAndTheFourHiddenOnesNever)
{
    std::multiset<int> shown;
    int computed = 0;
    int hours = 0;
    for (const EmployeeAmountSection& section : EmployeeAmountSections())
        for (const EmployeeAmountRow& row : section.rows) {
            shown.insert(row.group);
            computed += row.kind == AmountRowKind::Computed;
            hours += row.kind == AmountRowKind::Hours;
        }
    EXPECT_EQ(shown.size(), 73u);
    EXPECT_EQ(computed, 5);
    EXPECT_EQ(hours, 7);
    for (int group = 0; group < kAmountGroupCount; ++group) {
        const QString name = AmountGroupName(group);
        const bool hidden = name == QLatin1String("TPSPFICATax") || name == QLatin1String("MedSurchargeWages")
                         || name == QLatin1String("MedSurchargeTax") || name == QLatin1String("TPSPMedicareTax");
        EXPECT_EQ(shown.count(group), hidden ? 0u : 1u) << name.toStdString();
    }
}

TEST(EmployeeAmountRows, UserRowsNumberTheCompanyItemsInOrder)
{
    std::vector<int> items;
    for (const EmployeeAmountSection& section : EmployeeAmountSections())
        for (const EmployeeAmountRow& row : section.rows)
            if (row.userItem != 0)
                items.push_back(row.userItem);
    EXPECT_EQ(items, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
}

TEST(EmployeeAmountRows, EntryNames)
{
    EXPECT_EQ(AmountEntryName(AmountGroupNumber(QStringLiteral("Wages")), 2), QStringLiteral("Wages_iMtd"));
    EXPECT_EQ(AmountEntryName(AmountGroupNumber(QStringLiteral("QualifiedOT")), 4), QStringLiteral("QualifiedOT_iYtd"));
    const int employerUnemployment = AmountGroupNumber(QStringLiteral("UICompWages"));
    EXPECT_EQ(AmountEntryName(employerUnemployment, 2), QStringLiteral("UICompWages_iMtd"));
    EXPECT_EQ(AmountEntryName(employerUnemployment, 3), QStringLiteral("UICompWagesd_iQtd"));
    EXPECT_THROW(AmountEntryName(0, 1), std::out_of_range);
    EXPECT_THROW(AmountGroupNumber(QStringLiteral("Salary")), std::out_of_range);
}
