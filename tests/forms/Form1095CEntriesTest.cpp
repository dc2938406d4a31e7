#include "TestSupport.h"

#include "forms/Form1095CEntries.h"

#include <functional>

namespace {

using Field = Form1095CFailure::Field;

// A form that passes every check: an adult offered code 1E all year at 95.50 a month.
Form1095CEntries validForm()
{
    Form1095CEntries e;
    e.employeeAge = QStringLiteral("42");
    e.planStartMonth = QStringLiteral("01");
    e.line14[0] = QStringLiteral("1E");
    e.line15[0] = 95.50;
    e.monthColumnsEnabled = false;
    return e;
}

// The same form offered month by month.
Form1095CEntries monthlyForm()
{
    Form1095CEntries e = validForm();
    e.line14[0].clear();
    e.line15[0] = 0;
    e.monthColumnsEnabled = true;
    for (int c = 1; c <= 12; ++c)
        e.line14[c] = QStringLiteral("1H");
    return e;
}

Form1095CEntries withCoveredRow(int number, const QString& first, const QString& last, const QString& ssn,
                                const QString& dob = QString())
{
    Form1095CEntries e = validForm();
    e.coveredIndividuals = true;
    e.row(number) = Form1095CCoveredRow{first, QString(), last, ssn, dob};
    return e;
}

struct CheckCase {
    const char* name;
    std::function<Form1095CEntries()> form;
    bool passes;
    Field field = Field::EmployeeAge;
    int index = 0;
    const char* message = "";
};

const QString kLine15Message = QStringLiteral(
    "Line 15 requires an amount if Code on Line 14 is 1B, 1C, 1D, 1E, 1J, 1K, 1L, 1M, 1N, 1O, 1P, 1Q, 1T, or 1U");

const std::vector<CheckCase> kCheckCases = {
    {"ValidAllYear", validForm, true},
    {"ValidMonthly", monthlyForm, true},
    {"AgeMissing", [] { auto e = validForm(); e.employeeAge.clear(); return e; }, false, Field::EmployeeAge, 0,
     "Employee's age on January 1 must not be zero."},
    {"AgeOneDigit", [] { auto e = validForm(); e.employeeAge = "7"; return e; }, false, Field::EmployeeAge, 0,
     "Employee's age on January 1 must not be zero."},
    {"PlanStartMonth00", [] { auto e = validForm(); e.planStartMonth = "00"; return e; }, true},
    {"PlanStartMonth12", [] { auto e = validForm(); e.planStartMonth = "12"; return e; }, true},
    {"PlanStartMonth13", [] { auto e = validForm(); e.planStartMonth = "13"; return e; }, false, Field::PlanStartMonth,
     0, "Plan Start Month must be a 2-digit number between 00 and 12"},
    {"PlanStartMonthOneDigit", [] { auto e = validForm(); e.planStartMonth = "5"; return e; }, false,
     Field::PlanStartMonth, 0, "Plan Start Month must be a 2-digit number"},
    {"PlanStartMonthBlank", [] { auto e = validForm(); e.planStartMonth = "  "; return e; }, false,
     Field::PlanStartMonth, 0, "Plan Start Month must be a 2-digit number"},
    {"NoCodeAnywhere", [] { auto e = validForm(); e.line14[0].clear(); e.line15[0] = 0; return e; }, false,
     Field::Line14, 0, "Required code is missing or invalid"},
    // A single character left in the all-12-months column keeps the month columns off, and is no code.
    {"OneCharacterAllYearCode", [] { auto e = validForm(); e.line14[0] = "1"; e.line15[0] = 0; return e; }, false,
     Field::Line14, 0, "Required code is missing or invalid"},
    {"UnknownCode", [] { auto e = monthlyForm(); e.line14[7] = "1I"; return e; }, false, Field::Line14, 7,
     "Line 14 code is invalid"},
    {"LowerCaseCode", [] { auto e = monthlyForm(); e.line14[3] = "1h"; return e; }, true},
    {"CodeNeedsContribution", [] { auto e = monthlyForm(); e.line14[4] = "1B"; return e; }, false, Field::Line15, 4,
     "Line 15 requires an amount if Code on Line 14 is 1B"},
    {"ContributionWithoutCode", [] { auto e = monthlyForm(); e.line14[2].clear(); e.line15[2] = 10; return e; },
     false, Field::Line14, 2, "Required code is missing or invalid"},
    {"UnknownLine16Code", [] { auto e = validForm(); e.line16[0] = "2I"; return e; }, false, Field::Line16, 0,
     "Line 16 code is invalid"},
    {"Line16Code", [] { auto e = validForm(); e.line16[0] = "2C"; return e; }, true},
    {"HraOfferWithoutZip", [] { auto e = monthlyForm(); e.line14[9] = "1L"; e.line15[9] = 50; return e; }, false,
     Field::Line17, 9, "Zip Code is invalid"},
    {"HraOfferWithZip", [] { auto e = monthlyForm(); e.line14[9] = "1T"; e.line15[9] = 50; e.line17[9] = "08540";
                             return e; }, true},
    {"PartIIIOffIgnoresRows", [] { auto e = withCoveredRow(4, "ANN", "", ""); e.coveredIndividuals = false;
                                   return e; }, true},
    {"CoveredWithSsn", [] { return withCoveredRow(2, "ANN", "LEE", "123-45-6780"); }, true},
    {"CoveredWithBirthDate", [] { return withCoveredRow(2, "ANN", "LEE", "", "03/14/2015"); }, true},
    {"CoveredLastNameMissing", [] { return withCoveredRow(3, "ANN", "", "123-45-6780"); }, false,
     Field::CoveredLastName, 3, "Last name of covered individual is missing"},
    {"CoveredFirstNameMissing", [] { return withCoveredRow(5, "", "LEE", "123-45-6780"); }, false,
     Field::CoveredFirstName, 5, "First name of covered individual is missing"},
    {"CoveredWithoutSsnOrBirthDate", [] { return withCoveredRow(6, "ANN", "LEE", "123-45-67"); }, false,
     Field::CoveredSsn, 6, "A valid SSN or DOB is required"},
    {"BirthDateWithoutName", [] { return withCoveredRow(13, "", "", "", "03/14/2015"); }, false,
     Field::CoveredFirstName, 13, "Name of covered individual is missing"},
    {"MonthWithoutName", [] { auto e = withCoveredRow(8, "", "", ""); e.row(8).months[5] = true; return e; },
     false, Field::CoveredFirstName, 8, "Name of covered individual is missing"},
};

class Form1095CCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(Form1095CCheck, FindsTheFirstFault)
{
    const CheckCase& c = GetParam();
    const auto failed = Check1095C(c.form());
    if (c.passes) {
        EXPECT_FALSE(failed.has_value()) << qPrintable(failed->message);
        return;
    }
    ASSERT_TRUE(failed.has_value());
    EXPECT_EQ(failed->field, c.field);
    EXPECT_EQ(failed->index, c.index);
    EXPECT_TRUE(failed->message.startsWith(QString::fromUtf8(c.message))) << qPrintable(failed->message);
}

INSTANTIATE_TEST_SUITE_P(Cases, Form1095CCheck, ::testing::ValuesIn(kCheckCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Form1095CDropUnneeded, AmountUnderAQualifyingOfferIsDroppedWithoutAWord)
{
    Form1095CEntries e = validForm();
    e.line14[0] = QStringLiteral("1A");
    e.line15[0] = 120.00;
    ClearUnneededLine15(e);
    ClearUnneededLine17(e);
    EXPECT_EQ(e.line15[0], 0);
    EXPECT_FALSE(Check1095C(e).has_value());
}

TEST(Form1095CDropUnneeded, InvalidZipUnderAnHraCodeIsReportedAsTyped)
{
    Form1095CEntries e = validForm();
    e.line14[0] = QStringLiteral("1L");
    e.line15[0] = 80.00;
    e.line17[0] = QStringLiteral("1234");
    ClearUnneededLine15(e);
    ClearUnneededLine17(e);
    const auto failed = Check1095C(e);
    ASSERT_TRUE(failed.has_value());
    EXPECT_EQ(failed->field, Field::Line17);
    EXPECT_EQ(failed->message, QStringLiteral("Zip Code is invalid"));
    EXPECT_EQ(e.line17[0], QStringLiteral("1234"));
    EXPECT_EQ(e.line15[0], 80.00);
}

TEST(Form1095CDropUnneeded, ZipUnderACodeWithoutHraIsEmptied)
{
    Form1095CEntries e = monthlyForm();
    e.line17[3] = QStringLiteral("1234");
    e.line17[4] = QStringLiteral("08540");
    e.line14[5] = QStringLiteral("1M");
    e.line15[5] = 40;
    e.line17[5] = QStringLiteral("08540");
    ClearUnneededLine17(e);
    EXPECT_EQ(e.line17[3], QString());
    EXPECT_EQ(e.line17[4], QString());
    EXPECT_EQ(e.line17[5], QStringLiteral("08540"));
    EXPECT_FALSE(Check1095C(e).has_value());
}

TEST(Form1095CDropUnneeded, DisabledMonthColumnsAreLeftAlone)
{
    Form1095CEntries e = validForm();
    e.line15[6] = 33;   // not reachable on the screen, and not the drop's business
    e.line17[6] = QStringLiteral("08540");
    ClearUnneededLine15(e);
    ClearUnneededLine17(e);
    EXPECT_EQ(e.line15[6], 33);
    EXPECT_EQ(e.line17[6], QStringLiteral("08540"));
}

TEST(Form1095CMonthColumns, AllYearCodeSwitchesTheMonthsOff)
{
    EXPECT_TRUE(MonthColumnsEnabledOnShow(QString()));
    EXPECT_TRUE(MonthColumnsEnabledOnShow(QStringLiteral("  ")));
    EXPECT_FALSE(MonthColumnsEnabledOnShow(QStringLiteral("1")));
    EXPECT_FALSE(MonthColumnsEnabledOnShow(QStringLiteral("1A")));
    EXPECT_TRUE(MonthColumnsEnabledWhileTyping(QString()));
    EXPECT_TRUE(MonthColumnsEnabledWhileTyping(QStringLiteral("1")));
    EXPECT_FALSE(MonthColumnsEnabledWhileTyping(QStringLiteral("1A")));

    Form1095CEntries e = monthlyForm();
    e.line15[2] = 10;
    e.line16[2] = QStringLiteral("2C");
    e.line17[2] = QStringLiteral("08540");
    ClearMonthColumns(e);
    for (int c = 1; c <= 12; ++c) {
        EXPECT_TRUE(e.line14[c].isEmpty());
        EXPECT_EQ(e.line15[c], 0);
        EXPECT_TRUE(e.line16[c].isEmpty());
        EXPECT_TRUE(e.line17[c].isEmpty());
    }
    EXPECT_EQ(e.employeeAge, QStringLiteral("42"));
}

TEST(Form1095CCoverageMonths, TheTwelfthMonthTurnsIntoTheAllYearBox)
{
    Form1095CCoveredRow row;
    for (int m = 0; m < 11; ++m) {
        row.months[m] = true;
        EXPECT_FALSE(TurnFullYearIntoAllYear(row));
    }
    EXPECT_FALSE(row.allYear);
    row.months[11] = true;
    EXPECT_TRUE(TurnFullYearIntoAllYear(row));
    EXPECT_TRUE(row.allYear);
    for (bool month : row.months)
        EXPECT_FALSE(month);
}

TEST(Form1095CMaskDOB, KeepsOnlyTheYearOfADate)
{
    EXPECT_EQ(MaskDOB(QStringLiteral("03/14/2015")), QStringLiteral("**/**/2015"));
    EXPECT_EQ(MaskDOB(QStringLiteral("  /  /    ")), QString());
    EXPECT_EQ(MaskDOB(QStringLiteral("02/30/2015")), QString());
}

TEST(Form1095CCodeLists, HraCodesNeedAContribution)
{
    EXPECT_EQ(Line14Codes().size(), 20);
    for (const QString& code : Line17Codes()) {
        EXPECT_TRUE(Line15Codes().contains(code)) << qPrintable(code);
        EXPECT_TRUE(Line14Codes().contains(code)) << qPrintable(code);
    }
    for (const QString& code : Line15Codes())
        EXPECT_TRUE(Line14Codes().contains(code)) << qPrintable(code);
}

} // namespace
