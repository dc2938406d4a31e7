#include "TestSupport.h"

#include "forms/Form1094CEntries.h"

#include <functional>

namespace {

using Field = Form1094CFailure::Field;

// An authoritative transmittal of a single employer that offered coverage all year.
Form1094CEntries validForm()
{
    Form1094CEntries e;
    e.contact = QStringLiteral("Dana Price");
    e.line18 = QStringLiteral("3");
    e.line19 = true;
    e.line20 = QStringLiteral("3");
    e.line21No = true;
    e.rows[0] = Form1094CMonthRow{true, false, QStringLiteral("52"), QStringLiteral("60"), false};
    return e;
}

// A member of an aggregated group naming one other member.
Form1094CEntries groupMember()
{
    Form1094CEntries e = validForm();
    e.line21No = false;
    e.line21Yes = true;
    e.rows[0].aggregatedGroup = true;
    e.member(1) = Form1094CMember{QStringLiteral("Harbor Supply LLC"), QStringLiteral("12-3456789")};
    return e;
}

struct CheckCase {
    const char* name;
    std::function<Form1094CEntries()> form;
    bool passes;
    Field field = Field::None;
    int index = 0;
    const char* message = "";
};

const std::vector<CheckCase> kCheckCases = {
    {"Valid", validForm, true},
    {"ValidGroupMember", groupMember, true},
    {"NoForms", [] { auto e = validForm(); e.line18 = "0"; return e; }, false, Field::None, 0,
     "There are no corresponding Forms 1095-C being submitted"},
    {"NoContact", [] { auto e = validForm(); e.contact = " "; return e; }, false, Field::Contact, 0,
     "The name of the person to contact is missing."},
    // Without line 19 only the number of forms and the contact are looked at.
    {"NotAuthoritative", [] { Form1094CEntries e; e.line18 = "2"; e.contact = "Dana"; return e; }, true},
    {"Line20Zero", [] { auto e = validForm(); e.line20 = "0"; return e; }, false, Field::Line20, 0,
     "Line 20 cannot be zero or blank."},
    {"Line20Blank", [] { auto e = validForm(); e.line20.clear(); return e; }, false, Field::Line20, 0,
     "Line 20 cannot be zero or blank."},
    {"Line21Unanswered", [] { auto e = validForm(); e.line21No = false; return e; }, false, Field::Line21Yes, 0,
     "One of the boxes on line 21 must be checked."},
    {"NoOfferAnswered", [] { auto e = validForm(); e.rows[0].offerYes = false; return e; }, false, Field::OfferYes,
     0, "One or more boxes under the Minimum Essential Coverage Offer Indicator must be checked."},
    {"FullTimeCountBlank", [] { auto e = validForm(); e.rows[0].fullTimeCount.clear(); return e; }, false,
     Field::FullTimeCount, 0, "Full-Time Employee Count for ALE Member must be entered."},
    {"TotalCountBlank", [] { auto e = validForm(); e.rows[0].totalCount.clear(); return e; }, false,
     Field::TotalCount, 0, "Total Employee Count for ALE Member must be entered."},
    {"ZeroCountsPass", [] { auto e = validForm(); e.rows[0].fullTimeCount = "0"; e.rows[0].totalCount = "0";
                            return e; }, true},
    {"FullTimeAboveTotal",
     [] {
         auto e = validForm();
         e.rows[0] = Form1094CMonthRow{};
         e.rows[4] = Form1094CMonthRow{false, true, "50", "40", false};
         return e;
     },
     false, Field::FullTimeCount, 4, "line b cannot be greater than line c."},
    {"EqualCountsPass", [] { auto e = validForm(); e.rows[0].totalCount = "52"; return e; }, true},
    {"GroupWithoutBoxD", [] { auto e = groupMember(); e.rows[0].aggregatedGroup = false; return e; }, false,
     Field::AggregatedGroup, 0, "Box d must be checked when Box 21 \"Yes\" has been checked."},
    {"NoGroupWithBoxD", [] { auto e = validForm(); e.rows[0].aggregatedGroup = true; return e; }, false,
     Field::AggregatedGroup, 0, "Box d must not be checked when Box 21 \"No\" has been checked."},
    {"GroupWithoutMembers", [] { auto e = groupMember(); e.member(1) = {}; return e; }, false, Field::MemberName, 1,
     "Part IV must be completed when Box 21 \"Yes\" has been checked."},
    {"MemberWithInvalidEIN", [] { auto e = groupMember(); e.member(7) = {"Quay Foods", "07-1234567"}; return e; },
     false, Field::MemberEIN, 7, "Other ALE Member EIN is not valid."},
    {"MemberWithoutName", [] { auto e = groupMember(); e.member(30) = {"", "23-4567890"}; return e; }, false,
     Field::MemberName, 30, "Other ALE Member Name is missing."},
    // Part IV is not looked at unless the member belongs to a group.
    {"MembersIgnoredWithoutGroup", [] { auto e = validForm(); e.member(2) = {"Quay Foods", "bad"}; return e; }, true},
};

class Form1094CCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(Form1094CCheck, FindsTheFirstFault)
{
    const CheckCase& c = GetParam();
    const auto failed = Check1094C(c.form());
    if (c.passes) {
        EXPECT_FALSE(failed.has_value()) << qPrintable(failed->message);
        return;
    }
    ASSERT_TRUE(failed.has_value());
    EXPECT_EQ(failed->field, c.field);
    EXPECT_EQ(failed->index, c.index);
    EXPECT_EQ(failed->message, QString::fromUtf8(c.message));
}

INSTANTIATE_TEST_SUITE_P(Cases, Form1094CCheck, ::testing::ValuesIn(kCheckCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Form1094CRules, Line21TakesOneAnswer)
{
    Form1094CEntries e = validForm();
    SetLine21(e, true, true);
    EXPECT_TRUE(e.line21Yes);
    EXPECT_FALSE(e.line21No);
    EXPECT_TRUE(PartIVEnabled(e));
    SetLine21(e, false, true);
    EXPECT_FALSE(e.line21Yes);
    EXPECT_TRUE(e.line21No);
    EXPECT_FALSE(PartIVEnabled(e));
    SetLine21(e, false, false);
    EXPECT_FALSE(e.line21Yes || e.line21No);
}

TEST(Form1094CRules, LineNineteenSwitchesTheMemberPartsOn)
{
    Form1094CEntries e;
    EXPECT_FALSE(PartIVEnabled(e));
    EXPECT_FALSE(MonthRowsEnabled(e));
    e.line19 = true;
    EXPECT_TRUE(PartIVEnabled(e));   // open until the membership is answered No
    EXPECT_TRUE(MonthRowsEnabled(e));
}

TEST(Form1094CRules, AnAllYearAnswerEmptiesAndSwitchesOffTheMonths)
{
    Form1094CEntries e = validForm();
    e.rows[0] = Form1094CMonthRow{};
    e.rows[3] = Form1094CMonthRow{true, false, "5", "9", true};
    EXPECT_TRUE(MonthRowsEnabled(e));

    SetCoverageOffer(e, 0, false, true);
    EXPECT_TRUE(e.rows[0].offerNo);
    EXPECT_FALSE(MonthRowsEnabled(e));
    EXPECT_FALSE(e.rows[3].offerYes);
    EXPECT_TRUE(e.rows[3].fullTimeCount.isEmpty());
    EXPECT_FALSE(e.rows[3].aggregatedGroup);

    SetCoverageOffer(e, 0, true, true);
    EXPECT_TRUE(e.rows[0].offerYes);
    EXPECT_FALSE(e.rows[0].offerNo);
    SetCoverageOffer(e, 0, true, false);
    EXPECT_TRUE(MonthRowsEnabled(e));
    EXPECT_FALSE(e.rows[3].offerYes);
}

TEST(Form1094CRules, AMonthAnswerLeavesTheOtherMonths)
{
    Form1094CEntries e = validForm();
    e.rows[0] = Form1094CMonthRow{};
    e.rows[2] = Form1094CMonthRow{true, false, "5", "9", false};
    SetCoverageOffer(e, 5, false, true);
    EXPECT_TRUE(e.rows[5].offerNo);
    EXPECT_TRUE(e.rows[2].offerYes);
    SetCoverageOffer(e, 5, true, true);
    EXPECT_TRUE(e.rows[5].offerYes);
    EXPECT_FALSE(e.rows[5].offerNo);
}

} // namespace
