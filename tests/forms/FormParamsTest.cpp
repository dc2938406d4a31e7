#include "TestSupport.h"

#include "client/CompanyRecord.h"
#include "forms/FormHeader.h"
#include "forms/FormOutput.h"
#include "forms/FormParams.h"
#include "platform/report/ReportSystem.h"

#include <QDate>

#include <cstring>

namespace {

TEST(FormParamsTest, AmountsPrintAtCentsAndZeroBoxesStayEmpty)
{
    const struct {
        double amount;
        bool thousands;
        const char* printed;   // null: the parameter stays unset
    } cases[] = {
        {0, false, nullptr},
        {0.004, false, nullptr},
        {-0.004, false, nullptr},
        {0.005, false, "0.01"},
        {12345.674, false, "12345.67"},
        {12345.674, true, "12,345.67"},
        {-1234.5, true, "-1,234.50"},
        {100, false, "100.00"},
    };
    for (const auto& c : cases) {
        FormParams params;
        params.SetAmount(QStringLiteral("Line1"), c.amount, c.thousands);
        if (c.printed) {
            EXPECT_EQ(params.Get(QStringLiteral("Line1")), QString::fromLatin1(c.printed)) << c.amount;
        } else {
            EXPECT_FALSE(params.Has(QStringLiteral("Line1"))) << c.amount;
        }
    }
}

TEST(FormParamsTest, DigitBoxesTakeOneDigitEachAndShortNumbersLeaveTheLastEmpty)
{
    FormParams full;
    full.SetDigits(QStringLiteral("EIN%1"), EINDigitsOf(QStringLiteral("12-3456789")), 9);
    ASSERT_EQ(full.Values().size(), 9u);
    for (int k = 1; k <= 9; ++k)
        EXPECT_EQ(full.Get(QStringLiteral("EIN%1").arg(k)), QString::number(k)) << k;

    FormParams partial;
    partial.SetDigits(QStringLiteral("EIN%1"), EINDigitsOf(QStringLiteral("12-345")), 9);
    EXPECT_EQ(partial.Get(QStringLiteral("EIN5")), QStringLiteral("5"));
    for (int k = 6; k <= 9; ++k)
        EXPECT_FALSE(partial.Has(QStringLiteral("EIN%1").arg(k))) << k;
}

TEST(FormParamsTest, ChecksCapitalsAndTheFileCopyBanner)
{
    FormParams params;
    params.SetCheck(QStringLiteral("Box1"), true);
    params.SetCheck(QStringLiteral("Box2"), false);
    params.SetUpper(QStringLiteral("CompName"), QStringLiteral("Müller & Söhne, a-z 9"));
    params.SetFormCopy(true);
    EXPECT_EQ(params.Get(QStringLiteral("Box1")), QStringLiteral("X"));
    EXPECT_FALSE(params.Has(QStringLiteral("Box2")));
    EXPECT_EQ(params.Get(QStringLiteral("CompName")), QStringLiteral("MÜLLER & SÖHNE, A-Z 9"))
        << "accented letters too";
    EXPECT_FALSE(params.Has(kFormCopyParam)) << "the filing copy carries no banner";
    params.SetFormCopy(false);
    EXPECT_EQ(params.Get(QStringLiteral("formcopy")), QStringLiteral("FILE COPY — KEEP FOR YOUR RECORDS"));
}

TEST(FormParamsTest, SettingANameAgainReplacesItsValueInPlace)
{
    FormParams params;
    params.Set(QStringLiteral("A"), QStringLiteral("1"));
    params.Set(QStringLiteral("B"), QStringLiteral("2"));
    params.Set(QStringLiteral("a"), QStringLiteral("3"));
    ASSERT_EQ(params.Values().size(), 2u);
    EXPECT_EQ(params.Values()[0].second, QStringLiteral("3"));
}

TEST(FormParamsTest, PrintDatesComeFromTheCopyDialogOrToday)
{
    const QDate today(2026, 12, 11);
    EXPECT_EQ(CopyDialogDate(QStringLiteral("04/30/2026"), today), QStringLiteral("04/30/2026"));
    EXPECT_EQ(CopyDialogDate(QString(), today), QStringLiteral("12/11/2026"));
    EXPECT_EQ(CopyDialogDate(QStringLiteral("  /  /    "), today), QStringLiteral("12/11/2026"));
    EXPECT_EQ(CopyDialogDate(QStringLiteral("02/30/2026"), today), QStringLiteral("12/11/2026"));
    EXPECT_EQ(FormPrintDate(QStringLiteral("04/30/2026")), QStringLiteral("04/30/2026"));
    EXPECT_EQ(FormPrintDate(QStringLiteral("13/01/2026")), QString());
}

TEST(FormHeaderTest, AForeignAddressEmptiesStateAndZipAndFillsTheForeignBoxes)
{
    CompanyRecord company;
    std::memset(&company, 0, sizeof company);
    company.Name = QStringLiteral("Maple Leaf Ltd");
    company.FederalID = QStringLiteral("12-3456789");
    company.City = QStringLiteral("Toronto");
    company.State = QStringLiteral("NY");
    company.ZipCode = QStringLiteral("10001");
    company.ForeignCountry = QStringLiteral("CA");
    company.ForeignProvCo = QStringLiteral("Ontario");
    company.ForeignZipCode = QStringLiteral("M5V 2T6");

    const FormHeader domestic = CompanyFormHeader(company);
    EXPECT_EQ(domestic.State, QStringLiteral("NY"));
    EXPECT_EQ(domestic.ZipCode, QStringLiteral("10001"));
    EXPECT_TRUE(domestic.ForeignCountry.isEmpty() && domestic.ForeignProvCo.isEmpty() && domestic.ForeignZipCode.isEmpty());
    EXPECT_EQ(domestic.EINBox(1), QStringLiteral("1"));
    EXPECT_EQ(domestic.EINBox(9), QStringLiteral("9"));

    company.ForeignAdr = true;
    const FormHeader foreign = CompanyFormHeader(company);
    EXPECT_TRUE(foreign.State.isEmpty() && foreign.ZipCode.isEmpty());
    EXPECT_EQ(foreign.ForeignCountry, QStringLiteral("CA"));
    EXPECT_EQ(foreign.ForeignProvCo, QStringLiteral("Ontario"));
    EXPECT_EQ(foreign.ForeignZipCode, QStringLiteral("M5V 2T6"));
    EXPECT_EQ(foreign.City, QStringLiteral("Toronto"));

    company.FederalID = QStringLiteral("12-345");
    EXPECT_EQ(CompanyFormHeader(company).EINBox(5), QStringLiteral("5"));
    EXPECT_TRUE(CompanyFormHeader(company).EINBox(6).isEmpty());
}

TEST(FormOutputTest, TheThreeOutputSets)
{
    ReportSystem report;
    ApplyOutputSet(report, FormOutputSet::ScheduleB);
    EXPECT_EQ(report.SystemOptions, soShowStatus | soAllowPrintFromPreview | soPreviewModal);
    EXPECT_EQ(report.SystemSetups, AllSystemSetups);
    ApplyOutputSet(report, FormOutputSet::PreviewOnly);
    EXPECT_EQ(report.SystemOptions, soShowStatus | soPreviewModal);
    EXPECT_EQ(report.SystemSetups, ssAllowDestPreview | ssAllowPreviewSetup);
    ApplyOutputSet(report, FormOutputSet::Full);
    EXPECT_EQ(report.SystemOptions, DefaultSystemOptions);
    EXPECT_EQ(report.SystemSetups, AllSystemSetups);
}

} // namespace
