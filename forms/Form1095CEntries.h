#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// Form 1095-C as its screen holds it while the user works on one employee: the offer of coverage
// (lines 14 to 17) and the covered individuals (Part III), the rules that tie their boxes
// together, and the checks a form passes before it is left or printed.

// Lines 14 to 17 have 13 columns: 0 is "All 12 Months", 1 to 12 are January to December.
inline constexpr int k1095CColumns = 13;
// Part III has 13 rows, counted from 1; row 1 is the employee.
inline constexpr int k1095CCoveredRows = 13;

// The codes of line 14; compared without regard to case.
const QStringList& Line14Codes();
// The line-14 codes under which line 15 needs the employee's required contribution.
const QStringList& Line15Codes();
// The codes of line 16.
const QStringList& Line16Codes();
// The line-14 codes (individual coverage HRA offers) under which line 17 needs a ZIP code.
const QStringList& Line17Codes();

struct Form1095CCoveredRow {
    QString firstName;
    QString middleInitial;
    QString lastName;
    QString ssn;
    QString dateOfBirth;
    bool allYear = false;                 // (d) covered all 12 months
    std::array<bool, 12> months{};        // (e) January to December
};

struct Form1095CEntries {
    QString employeeAge;
    QString planStartMonth;
    std::array<QString, k1095CColumns> line14;
    std::array<double, k1095CColumns> line15{};   // as the entry shows it, in dollars and cents
    std::array<QString, k1095CColumns> line16;
    std::array<QString, k1095CColumns> line17;
    bool monthColumnsEnabled = true;              // columns 1 to 12 of lines 14 to 17
    bool coveredIndividuals = false;              // the Part III box
    std::array<Form1095CCoveredRow, k1095CCoveredRows> rows;   // rows 1 to 13 at 0 to 12

    Form1095CCoveredRow& row(int number) { return rows[number - 1]; }
    const Form1095CCoveredRow& row(int number) const { return rows[number - 1]; }
    bool columnEnabled(int column) const { return column == 0 || monthColumnsEnabled; }
};

// Month columns. A form opened with an all-12-months code keeps its month columns off; while the
// code is typed, the second character turns them off and removing one turns them on again.
bool MonthColumnsEnabledOnShow(const QString& allYearCode);
bool MonthColumnsEnabledWhileTyping(const QString& allYearCode);
// Empties columns 1 to 12 of lines 14 to 17: what they held is dropped with the columns.
void ClearMonthColumns(Form1095CEntries& entries);

// Part III months. A row covered all year has no month boxes; twelve checked months become the
// all-year box. Returns true when the row was turned into an all-year row.
void ClearCoverageMonths(Form1095CCoveredRow& row);
bool TurnFullYearIntoAllYear(Form1095CCoveredRow& row);

// Drop the line-15 amounts and line-17 ZIP codes of the enabled columns whose line-14 code does
// not call for them; run before the checks.
void ClearUnneededLine15(Form1095CEntries& entries);
void ClearUnneededLine17(Form1095CEntries& entries);

// The first failed check of the form.
struct Form1095CFailure {
    enum class Field {
        EmployeeAge,
        PlanStartMonth,
        Line14,
        Line15,
        Line16,
        Line17,
        CoveredFirstName,
        CoveredLastName,
        CoveredSsn,
    };
    Field field = Field::EmployeeAge;
    int index = 0;          // the column 0..12 of lines 14 to 17, or the Part III row 1..13
    QString message;
};

std::optional<Form1095CFailure> Check1095C(const Form1095CEntries& entries);

// A date of birth as the form prints it when numbers are masked: "**/**/" and the year; empty
// for a text that is not a date.
QString MaskDOB(const QString& date);
