#pragma once

#include <QString>
#include <vector>

// The to-date amounts the employee screen shows: four sections of rows, each row one amount group
// (PayHistoryMap.h) with its month-, quarter- and year-to-date columns. The current column and the
// groups TPSPFICATax, MedSurchargeWages, MedSurchargeTax and TPSPMedicareTax are not shown.

enum class AmountRowKind {
    Money,    // cents; a minus sign only before the year-to-date column
    Hours,    // six decimals, at most four characters before the point
    Computed, // a total the program recomputes; not typed
};

struct EmployeeAmountRow {
    QString label;      // the row's caption; a user-defined row shows the company's item name instead
    int group = 0;      // amount group 0..76
    AmountRowKind kind = AmountRowKind::Money;
    int userItem = 0;   // 1..15 for the company's user earnings, deductions and liabilities; 0 otherwise
    bool currency = false; // shown with "$"
    bool minusInYearToDate = false;
};

struct EmployeeAmountSection {
    QString heading;
    bool headingsOnBand = true; // the column headings stand on a grey band
    std::vector<EmployeeAmountRow> rows;
};

// The four sections in screen order: earnings, deductions, employer liabilities, other information.
const std::vector<EmployeeAmountSection>& EmployeeAmountSections();

// The name of a row's entry for column 2, 3 or 4: the group's name with "_iMtd", "_iQtd" or "_iYtd".
QString AmountEntryName(int group, int column);
