#pragma once

#include "client/EmployeeRecord.h"
#include "forms/EmployeeTaxTotals.h"

#include <memory>

// Two employees worked by hand. A earns 12,000.00 of federal wages and 13,000.00 of Social Security
// and Medicare wages with 1,000.00 of tips in them; B earns 5,000.00 and 5,500.00, and her employee
// Social Security tax holds a cent of period rounding. The Social Security and Medicare taxes
// charged come to 2,830.51, a cent above 2,830.50 of the rates times the wages.
inline void FillEmployeeA(EmployeeRecord& e, int column)
{
    e.FedEarnings[column] = 12000.00;
    e.FederalTax[column] = 1200.00;
    e.FICAEarnings[column] = e.MedEarnings[column] = 13000.00;
    e.Tips[column] = 1000.00;
    e.FICATax[column] = e.FICALib[column] = 806.00;
    e.MedicareTax[column] = e.MedicareLib[column] = 188.50;
}

inline void FillEmployeeB(EmployeeRecord& e, int column)
{
    e.FedEarnings[column] = 5000.00;
    e.FederalTax[column] = 400.00;
    e.FICAEarnings[column] = e.MedEarnings[column] = 5500.00;
    e.FICATax[column] = 341.01;
    e.FICALib[column] = 341.00;
    e.MedicareTax[column] = e.MedicareLib[column] = 79.75;
}

// The two employees' totals of a column.
inline EmployeeTaxTotals HandWorkedTotals(int column)
{
    auto a = std::make_unique<EmployeeRecord>(NewEmployeeRecord());
    auto b = std::make_unique<EmployeeRecord>(NewEmployeeRecord());
    FillEmployeeA(*a, column);
    FillEmployeeB(*b, column);
    EmployeeTaxTotals totals;
    totals.Add(*a, column);
    totals.Add(*b, column);
    return totals;
}

// Employer's liability of the hand-worked quarter, as posting would have accumulated it.
inline constexpr double kHandWorkedLiability = 4430.51;
