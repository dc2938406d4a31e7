#include "forms/W2Forms.h"

#include "client/EmployeeLoop.h"
#include "client/PayRecords.h"
#include "components/NumberRoutines.h"
#include "components/TextRoutines.h"
#include "forms/FormParams.h"

#include <algorithm>

std::vector<Box12Amount> FilledBox12Entries(const EmployeeRecord& employee)
{
    std::vector<Box12Amount> filled;
    for (int entry = 1; entry <= 12; ++entry) {
        const QString code = employee.FW2Box12Code[entry].get();
        const double amount = employee.FW2Box12Amt[entry];
        if (!IsBlank(code) && !IsZeroAtCents(amount))
            filled.push_back({code, amount});
    }
    return filled;
}

int W2FormsOfEmployee(const EmployeeRecord& employee)
{
    const int entries = static_cast<int>(FilledBox12Entries(employee).size());
    return std::max(1, (entries + kBox12EntriesPerForm - 1) / kBox12EntriesPerForm);
}

int GetNumToPrint()
{
    int forms = 0;
    EmployeeLoop loop;
    while (loop.Next()) {
        if (EmployeeGetsW2(EmployeeRec))
            forms += W2FormsOfEmployee(EmployeeRec);
    }
    loop.Finish();
    return forms;
}
