#include "forms/Form1094CEntries.h"

#include "components/NumberRoutines.h"
#include "components/TextRoutines.h"
#include "components/Validators.h"

#include <algorithm>

namespace {

using Field = Form1094CFailure::Field;

Form1094CFailure failure(Field field, int index, const QString& message)
{
    return Form1094CFailure{field, index, message};
}

bool answered(const Form1094CMonthRow& row)
{
    return row.offerYes || row.offerNo;
}

std::optional<Form1094CFailure> checkMonthRow(const Form1094CEntries& e, int r)
{
    const Form1094CMonthRow& row = e.rows[r];
    if (IsBlank(row.fullTimeCount))
        return failure(Field::FullTimeCount, r, QStringLiteral("Full-Time Employee Count for ALE Member must be entered."));
    if (IsBlank(row.totalCount))
        return failure(Field::TotalCount, r, QStringLiteral("Total Employee Count for ALE Member must be entered."));
    if (TextToInt(row.totalCount) < TextToInt(row.fullTimeCount))
        return failure(Field::FullTimeCount, r, QStringLiteral("line b cannot be greater than line c."));
    if (!row.aggregatedGroup && e.line21Yes)
        return failure(Field::AggregatedGroup, r,
                       QStringLiteral("Box d must be checked when Box 21 \"Yes\" has been checked."));
    if (row.aggregatedGroup && e.line21No)
        return failure(Field::AggregatedGroup, r,
                       QStringLiteral("Box d must not be checked when Box 21 \"No\" has been checked."));
    return std::nullopt;
}

std::optional<Form1094CFailure> checkMembers(const Form1094CEntries& e)
{
    const bool noMember = std::all_of(e.members.begin(), e.members.end(), [](const Form1094CMember& m) {
        return IsBlank(m.name) && !IsValidEIN(m.ein);
    });
    if (noMember)
        return failure(Field::MemberName, 1,
                       QStringLiteral("Part IV must be completed when Box 21 \"Yes\" has been checked."));
    for (int n = 1; n <= k1094CMembers; ++n) {
        const Form1094CMember& m = e.member(n);
        if (!IsBlank(m.name) && !IsValidEIN(m.ein))
            return failure(Field::MemberEIN, n, QStringLiteral("Other ALE Member EIN is not valid."));
        if (IsBlank(m.name) && IsValidEIN(m.ein))
            return failure(Field::MemberName, n, QStringLiteral("Other ALE Member Name is missing."));
    }
    return std::nullopt;
}

} // namespace

bool PartIVEnabled(const Form1094CEntries& entries)
{
    return entries.line19 && !entries.line21No;
}

bool MonthRowsEnabled(const Form1094CEntries& entries)
{
    return entries.line19 && !answered(entries.rows[0]);
}

void SetLine21(Form1094CEntries& entries, bool yesBox, bool checked)
{
    entries.line21Yes = yesBox && checked;
    entries.line21No = !yesBox && checked;
}

void SetCoverageOffer(Form1094CEntries& entries, int row, bool yesBox, bool checked)
{
    Form1094CMonthRow& r = entries.rows[row];
    r.offerYes = yesBox && checked;
    r.offerNo = !yesBox && checked;
    if (row == 0 && answered(r))
        ClearMonthRows(entries);
}

void ClearMonthRows(Form1094CEntries& entries)
{
    for (int r = 1; r < k1094CMonthRows; ++r)
        entries.rows[r] = Form1094CMonthRow{};
}

std::optional<Form1094CFailure> Check1094C(const Form1094CEntries& e)
{
    if (TextToInt(e.line18) == 0)
        return failure(Field::None, 0, QStringLiteral("There are no corresponding Forms 1095-C being submitted"));
    if (IsBlank(e.contact))
        return failure(Field::Contact, 0, QStringLiteral("The name of the person to contact is missing."));
    if (!e.line19)
        return std::nullopt;

    if (TextToInt(e.line20) == 0)
        return failure(Field::Line20, 0, QStringLiteral("Line 20 cannot be zero or blank."));
    if (!e.line21Yes && !e.line21No)
        return failure(Field::Line21Yes, 0, QStringLiteral("One of the boxes on line 21 must be checked."));
    if (std::none_of(e.rows.begin(), e.rows.end(), answered))
        return failure(Field::OfferYes, 0,
                       QStringLiteral("One or more boxes under the Minimum Essential Coverage Offer Indicator must "
                                      "be checked."));
    for (int r = 0; r < k1094CMonthRows; ++r)
        if (answered(e.rows[r]))
            if (auto failed = checkMonthRow(e, r))
                return failed;
    if (e.line21Yes)
        return checkMembers(e);
    return std::nullopt;
}
