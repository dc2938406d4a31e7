#pragma once

#include <QString>

#include <array>
#include <optional>

// Form 1094-C as its screen holds it: the transmittal's lines 18 to 22, the monthly lines of
// Part III and the other members of an aggregated group in Part IV, the rules that switch them on
// and off, and the checks the form passes before it is printed.

// Part III has 13 rows: 0 is "All 12 Months", 1 to 12 are January to December.
inline constexpr int k1094CMonthRows = 13;
// Part IV lists up to 30 other members, counted from 1.
inline constexpr int k1094CMembers = 30;

struct Form1094CMonthRow {
    bool offerYes = false;            // (a) minimum essential coverage offer: Yes
    bool offerNo = false;             // (a): No
    QString fullTimeCount;            // (b)
    QString totalCount;               // (c)
    bool aggregatedGroup = false;     // (d)
};

struct Form1094CMember {
    QString name;
    QString ein;
};

struct Form1094CEntries {
    QString contact;                  // line 7
    QString line18;                   // Forms 1095-C submitted with this transmittal
    bool line19 = false;              // authoritative transmittal
    QString line20;                   // Forms 1095-C filed for the member
    bool line21Yes = false;           // member of an aggregated group
    bool line21No = false;
    std::array<Form1094CMonthRow, k1094CMonthRows> rows;
    std::array<Form1094CMember, k1094CMembers> members;   // members 1 to 30 at 0 to 29

    Form1094CMember& member(int number) { return members[number - 1]; }
    const Form1094CMember& member(int number) const { return members[number - 1]; }
};

// Line 19 switches on everything of lines 21 and 22 and of Parts III and IV that can be entered.
// Part IV stays on until the group membership of line 21 is answered No.
bool PartIVEnabled(const Form1094CEntries& entries);
// An answer in the all-12-months row stands for every month: the month rows are then off.
bool MonthRowsEnabled(const Form1094CEntries& entries);

// A click on a line-21 box: the box takes the value, the other box is unchecked.
void SetLine21(Form1094CEntries& entries, bool yesBox, bool checked);
// A click on a Part III (a) box: the box takes the value, the other box of its row is unchecked;
// an answer in the all-12-months row empties the month rows.
void SetCoverageOffer(Form1094CEntries& entries, int row, bool yesBox, bool checked);
void ClearMonthRows(Form1094CEntries& entries);

// The first failed check of the form.
struct Form1094CFailure {
    enum class Field {
        None,               // the check has no box to go to
        Contact,
        Line20,
        Line21Yes,
        OfferYes,           // index: the Part III row
        FullTimeCount,
        TotalCount,
        AggregatedGroup,
        MemberName,         // index: the Part IV member
        MemberEIN,
    };
    Field field = Field::None;
    int index = 0;
    QString message;
};

std::optional<Form1094CFailure> Check1094C(const Form1094CEntries& entries);
