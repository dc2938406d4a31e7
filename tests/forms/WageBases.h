#pragma once

#include "client/PayDataModule.h"
#include "client/PayRecords.h"

#include <functional>

// The fixture's payroll pays wages without their tax bases: give every employee federal, Social
// Security and Medicare wages equal to the wages paid, quarter- and year-to-date.
inline void GiveWageBases(TFrmDataModule& module, const std::function<void(int)>& readEmployee)
{
    for (int n = 1; n <= module.RSEmployee.RecordCount(); ++n) {
        readEmployee(n);
        for (int column : {kQuarterToDateColumn, kYearToDateColumn}) {
            const double wages = EmployeeRec.Wages[column];
            EmployeeRec.FedEarnings[column] = EmployeeRec.FICAEarnings[column] = EmployeeRec.MedEarnings[column] = wages;
        }
        module.RSEmployee.PostRec();
    }
}
