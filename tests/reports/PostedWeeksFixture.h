#pragma once

#include "ReportFixture.h"

#include "tests/payroll/PriorPeriodFixture.h"

#include "components/StateTables.h"

// The report tests' client of posted pay periods: employees paid by the hour for 40 hours a week
// at 25.00 (1,000.00 a week, federal tax 78.00), working in New Jersey, with periods posted by the
// real posting code.
class PostedWeeksTest : public ReportTestBase<PriorPeriodTest> {
protected:
    // Appends such an employee; `department` and `state` may differ.
    void addNewJerseyEmployee(const QString& last, const QString& first, const QString& department = QString(),
                              const char* state = "NJ")
    {
        addHourlyEmployee(last, first, 25);
        EmployeeRec.WorkState = QString::fromLatin1(state);
        EmployeeRec.WorkStateIndex = StateNumber(state);
        EmployeeRec.Department = department;
        module->RSEmployee.PostRec();
    }

    // Young, Adams and Miller (in that file order), paid in two weekly periods: 6,000.00 in all.
    void postTwoWeeksOfThree()
    {
        addNewJerseyEmployee(QStringLiteral("Young"), QStringLiteral("Amy"));
        addNewJerseyEmployee(QStringLiteral("Adams"), QStringLiteral("Bob"));
        addNewJerseyEmployee(QStringLiteral("Miller"), QStringLiteral("Cara"));
        postWeeks(2);
    }

    // The position of a state in the state picker's list.
    static int PickerRow(const char* state) { return StateNumber(state) - 1; }
};
