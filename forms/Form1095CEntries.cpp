#include "forms/Form1095CEntries.h"

#include "components/DateRoutines.h"
#include "components/TextRoutines.h"
#include "components/Validators.h"

#include <algorithm>

namespace {

const QString kRequiredCodeMessage = QStringLiteral("Required code is missing or invalid");

// A code box holds two characters; anything less is no code.
bool isShort(const QString& text)
{
    return IsBlank(text) || text.size() < 2;
}

bool inList(const QString& code, const QStringList& list)
{
    return TextIndexInList(code, list) != 0;
}

bool allDigits(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

using Field = Form1095CFailure::Field;

Form1095CFailure failure(Field field, int index, const QString& message)
{
    return Form1095CFailure{field, index, message};
}

std::optional<Form1095CFailure> checkPartII(const Form1095CEntries& e)
{
    if (isShort(e.employeeAge))
        return failure(Field::EmployeeAge, 0,
                       QStringLiteral("Employee's age on January 1 must not be zero. Click \"Employees\" and enter the "
                                      "employee's date of birth in the \"Employee File Maintenance\" and then click on "
                                      "\"Calculate\" so that the employee's age can be calculated."));
    if (isShort(e.planStartMonth) || !allDigits(e.planStartMonth))
        return failure(Field::PlanStartMonth, 0, QStringLiteral("Plan Start Month must be a 2-digit number"));
    if (e.planStartMonth.toInt() > 12)
        return failure(Field::PlanStartMonth, 0,
                       QStringLiteral("Plan Start Month must be a 2-digit number between 00 and 12"));

    if (std::all_of(e.line14.begin(), e.line14.end(), isShort))
        return failure(Field::Line14, 0, kRequiredCodeMessage);
    for (int c = 0; c < k1095CColumns; ++c)
        if (e.columnEnabled(c) && !IsBlank(e.line14[c]) && !inList(e.line14[c], Line14Codes()))
            return failure(Field::Line14, c, QStringLiteral("Line 14 code is invalid"));
    for (int c = 0; c < k1095CColumns; ++c)
        if (inList(e.line14[c], Line15Codes()) && e.columnEnabled(c) && e.line15[c] == 0)
            return failure(Field::Line15, c,
                           QStringLiteral("Line 15 requires an amount if Code on Line 14 is 1B, 1C, 1D, 1E, 1J, 1K, "
                                          "1L, 1M, 1N, 1O, 1P, 1Q, 1T, or 1U"));
    for (int c = 0; c < k1095CColumns; ++c)
        if (e.columnEnabled(c) && e.line15[c] > 0 && isShort(e.line14[c]))
            return failure(Field::Line14, c, kRequiredCodeMessage);
    for (int c = 0; c < k1095CColumns; ++c)
        if (e.columnEnabled(c) && !IsBlank(e.line16[c]) && !inList(e.line16[c], Line16Codes()))
            return failure(Field::Line16, c, QStringLiteral("Line 16 code is invalid"));
    // A ZIP code that is not valid stays as typed, so the user sees what to mend.
    for (int c = 0; c < k1095CColumns; ++c)
        if (inList(e.line14[c], Line17Codes()) && e.columnEnabled(c) && !IsValidZip(e.line17[c]))
            return failure(Field::Line17, c, QStringLiteral("Zip Code is invalid"));
    return std::nullopt;
}

std::optional<Form1095CFailure> checkPartIII(const Form1095CEntries& e)
{
    for (int r = 1; r <= k1095CCoveredRows; ++r) {
        const Form1095CCoveredRow& row = e.row(r);
        if (!IsBlank(row.firstName) && IsBlank(row.lastName))
            return failure(Field::CoveredLastName, r, QStringLiteral("Last name of covered individual is missing"));
    }
    for (int r = 1; r <= k1095CCoveredRows; ++r) {
        const Form1095CCoveredRow& row = e.row(r);
        if (IsBlank(row.firstName) && !IsBlank(row.lastName))
            return failure(Field::CoveredFirstName, r, QStringLiteral("First name of covered individual is missing"));
    }
    for (int r = 1; r <= k1095CCoveredRows; ++r) {
        const Form1095CCoveredRow& row = e.row(r);
        if ((!IsBlank(row.firstName) || !IsBlank(row.lastName)) && !IsValidSSN(row.ssn)
            && !IsValidDateStr(row.dateOfBirth))
            return failure(Field::CoveredSsn, r, QStringLiteral("A valid SSN or DOB is required"));
    }
    for (int r = 1; r <= k1095CCoveredRows; ++r) {
        const Form1095CCoveredRow& row = e.row(r);
        const bool anyMonth = std::any_of(row.months.begin(), row.months.end(), [](bool m) { return m; });
        if ((IsBlank(row.firstName) || IsBlank(row.lastName))
            && (IsValidSSN(row.ssn) || IsValidDateStr(row.dateOfBirth) || row.allYear || anyMonth))
            return failure(Field::CoveredFirstName, r, QStringLiteral("Name of covered individual is missing"));
    }
    return std::nullopt;
}

} // namespace

const QStringList& Line14Codes()
{
    static const QStringList codes = {"1A", "1B", "1C", "1D", "1E", "1F", "1G", "1H", "1J", "1K",
                                      "1L", "1M", "1N", "1O", "1P", "1Q", "1R", "1S", "1T", "1U"};
    return codes;
}

const QStringList& Line15Codes()
{
    static const QStringList codes = {"1B", "1C", "1D", "1E", "1J", "1K", "1L",
                                      "1M", "1N", "1O", "1P", "1Q", "1T", "1U"};
    return codes;
}

const QStringList& Line16Codes()
{
    static const QStringList codes = {"2A", "2B", "2C", "2D", "2E", "2F", "2G", "2H"};
    return codes;
}

const QStringList& Line17Codes()
{
    static const QStringList codes = {"1L", "1M", "1N", "1O", "1P", "1Q", "1T", "1U"};
    return codes;
}

bool MonthColumnsEnabledOnShow(const QString& allYearCode)
{
    return IsBlank(allYearCode);
}

bool MonthColumnsEnabledWhileTyping(const QString& allYearCode)
{
    return allYearCode.size() < 2;
}

void ClearMonthColumns(Form1095CEntries& entries)
{
    for (int c = 1; c < k1095CColumns; ++c) {
        entries.line14[c].clear();
        entries.line15[c] = 0;
        entries.line16[c].clear();
        entries.line17[c].clear();
    }
}

void ClearCoverageMonths(Form1095CCoveredRow& row)
{
    row.months.fill(false);
}

bool TurnFullYearIntoAllYear(Form1095CCoveredRow& row)
{
    if (!std::all_of(row.months.begin(), row.months.end(), [](bool m) { return m; }))
        return false;
    ClearCoverageMonths(row);
    row.allYear = true;
    return true;
}

void ClearUnneededLine15(Form1095CEntries& entries)
{
    for (int c = 0; c < k1095CColumns; ++c)
        if (entries.columnEnabled(c) && !inList(entries.line14[c], Line15Codes()))
            entries.line15[c] = 0;
}

void ClearUnneededLine17(Form1095CEntries& entries)
{
    for (int c = 0; c < k1095CColumns; ++c)
        if (entries.columnEnabled(c) && !inList(entries.line14[c], Line17Codes()))
            entries.line17[c].clear();
}

std::optional<Form1095CFailure> Check1095C(const Form1095CEntries& entries)
{
    if (auto failed = checkPartII(entries))
        return failed;
    if (entries.coveredIndividuals)
        return checkPartIII(entries);
    return std::nullopt;
}

QString MaskDOB(const QString& date)
{
    return IsValidDateStr(date) ? QStringLiteral("**/**/") + RightChars(date, 4) : QString();
}
