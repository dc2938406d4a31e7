#include "HandWorkedQuarter.h"
#include "FormChecks.h"
#include "TestSupport.h"

#include "client/CompanyRecord.h"
#include "forms/Form941Print.h"
#include "forms/Form941Return.h"
#include "forms/Form944Print.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <memory>

using namespace F941;

namespace {

class Form941Printout : public ::testing::Test {
protected:
    void SetUp() override
    {
        company->Name = QStringLiteral("Acme & Sons");
        company->Address = QStringLiteral("12 Elm St");
        company->SuiteNum = QStringLiteral("4b");
        company->FederalID = QStringLiteral("12-3456789");
        company->CurrentQuarter = 3;
        company->TaxLibQtr = kHandWorkedLiability;
        company->TaxLibMonth[1][32] = 1500.00;
        company->TaxLibMonth[2][32] = 1500.00;
        company->TaxLibMonth[3][32] = 1430.51;
        ApplyForm941Totals(*company, HandWorkedTotals(kQuarterToDateColumn));
        company->F941Amount[Deposits] = 4000.00;
        CalcForm941Lines(*company);
        SetForm941DepositBoxes(*company);
    }

    FormParams params(std::optional<int> chosen = std::nullopt) const
    {
        return Form941Params(*company, preparer, choices, chosen);
    }

    std::unique_ptr<CompanyRecord> company = std::make_unique<CompanyRecord>(NewCompanyRecord());
    PreparerRecord preparer{};
    ReturnPrintChoices choices{true, QStringLiteral("10/31/2026"), false, QDate(2026, 10, 30)};
};

TEST_F(Form941Printout, ReturnCarriesTheLinesAndTheMonthlyDepositorsMonths)
{
    const FormParams p = params();
    EXPECT_EQ(p.Get("F941Amount19"), "4430.51");
    EXPECT_EQ(p.Get("F941Amount21"), "430.51");
    EXPECT_EQ(p.Get("F941Amount14"), "0.01");
    EXPECT_FALSE(p.Has("F941Amount22"));   // zero boxes stay empty
    EXPECT_EQ(p.Get("F941NumEmps"), "2");
    EXPECT_EQ(p.Get("F941ChkMark5"), "X");
    EXPECT_EQ(p.Get("TaxLibMonth3"), "1430.51");
    EXPECT_EQ(p.Get("TaxLibQtr"), "4430.51");
    EXPECT_EQ(p.Get("CompName"), "ACME & SONS");
    EXPECT_EQ(p.Get("EIN1"), "1");
    EXPECT_EQ(p.Get("EIN9"), "9");
    EXPECT_EQ(p.Get("F941CurQtr3"), "X");
    EXPECT_EQ(p.Get("DesigneeNo"), "X");
    EXPECT_EQ(p.Get("Date"), "10/31/2026");
    EXPECT_FALSE(p.Has("FormCopy"));

    company->DepositStat = true;
    SetForm941DepositBoxes(*company);
    const FormParams semiweekly = params();
    EXPECT_EQ(semiweekly.Get("F941ChkMark6"), "X");
    EXPECT_FALSE(semiweekly.Has("TaxLibQtr"));
}

TEST_F(Form941Printout, ReturnWithoutEmployeesMarksOnlyTheChosenQuarter)
{
    const FormParams p = params(1);
    EXPECT_EQ(p.Get("F941CurQtr1"), "X");
    for (int q = 2; q <= 4; ++q)
        EXPECT_FALSE(p.Has(QStringLiteral("F941CurQtr%1").arg(q))) << q;
}

TEST_F(Form941Printout, VoucherSplitsTheBalanceIntoDollarsAndCents)
{
    ASSERT_TRUE(Form941NeedsVoucher(*company));
    const FormParams v = Form941VoucherParams(*company, QStringLiteral("Trenton, NJ 08601"), true);
    EXPECT_EQ(v.Get("F941VBalDue1"), "430");
    EXPECT_EQ(v.Get("F941VBalDue2"), "51");
    EXPECT_EQ(v.Get("Address"), "12 ELM ST STE 4b");
    EXPECT_EQ(v.Get("CityStateZip"), "TRENTON, NJ 08601");
    EXPECT_EQ(v.Get("FederalID"), "12-3456789");

    company->F941Amount[Deposits] = 4430.00;
    CalcForm941Lines(*company);
    EXPECT_DOUBLE_EQ(company->F941Amount[BalanceDue], 0.51);
    EXPECT_FALSE(Form941NeedsVoucher(*company));
    company->F941Amount[Deposits] = 4429.51;
    CalcForm941Lines(*company);
    EXPECT_TRUE(Form941NeedsVoucher(*company));
    company->PayTaxBal = true;
    EXPECT_FALSE(Form941NeedsVoucher(*company));
}

TEST_F(Form941Printout, QuarterCirclesLieInTheVouchersBoxThree)
{
    EXPECT_EQ(Form941VoucherQuarterCircle(1), QRectF(0.68, 9.02, 0.21, 0.21));
    EXPECT_EQ(Form941VoucherQuarterCircle(3), QRectF(1.88, 9.02, 0.21, 0.21));
    EXPECT_EQ(Form941VoucherQuarterCircle(4), QRectF(1.88, 9.45, 0.21, 0.21));
    EXPECT_EQ(Form941VoucherQuarterCircle(0), std::nullopt);
}

TEST_F(Form941Printout, FileCopyLeavesTheSignerAndPreparerOff)
{
    preparer.FirmName = QStringLiteral("Park & Co");
    company->SignerName = QStringLiteral("Ann Lee");
    choices.filingCopy = false;
    const FormParams p = params();
    EXPECT_EQ(p.Get("FormCopy"), "FILE COPY — KEEP FOR YOUR RECORDS");
    EXPECT_FALSE(p.Has("SignerName"));
    EXPECT_FALSE(p.Has("PrepFirmName"));
}

TEST(Form944Printout, MonthsPrintOnlyForTheLargeFilerAndTheVoucherForABalance)
{
    auto company = std::make_unique<CompanyRecord>(NewCompanyRecord());
    Form944Return form;
    ApplyForm944Totals(form, *company, HandWorkedTotals(kYearToDateColumn));
    LoadForm944Block(form, *company);
    form.monthLiability[1] = 2000.00;
    form.monthLiability[2] = 2430.51;
    form.monthLiability[3] = -5.00;
    form.amount[F944::Deposits] = 4000.00;
    CalcForm944Lines(form);
    const ReturnPrintChoices choices{true, QString(), true, QDate(2027, 1, 29)};
    FormParams p = Form944Params(form, *company, PreparerRecord{}, choices);
    EXPECT_EQ(p.Get("F944ChkMark5"), "X");
    EXPECT_EQ(p.Get("F944TaxLib2"), "2430.51");
    EXPECT_FALSE(p.Has("F944TaxLib3"));   // a negative month is not printed
    EXPECT_FALSE(p.Has("F944TaxLib4"));
    EXPECT_EQ(p.Get("F944TotalLib"), "4425.51");
    EXPECT_EQ(p.Get("F944Amount13"), "0.01");
    EXPECT_EQ(p.Get("F944Amount18"), "430.51");
    ASSERT_TRUE(Form944NeedsVoucher(form, *company));
    const FormParams v = Form944VoucherParams(form, *company, QString(), true);
    EXPECT_EQ(v.Get("F944VBalDue1"), "430");
    EXPECT_EQ(v.Get("F944VBalDue2"), "51");

    form.amount[F944::IncomeTax] = 0;
    form.amount[F944::SocialSecurityMedicareTotal] = 100.00;
    CalcForm944Lines(form);
    p = Form944Params(form, *company, PreparerRecord{}, choices);
    EXPECT_EQ(p.Get("F944ChkMark4"), "X");
    EXPECT_FALSE(p.Has("F944ChkMark5"));
    EXPECT_FALSE(p.Has("F944TotalLib"));
}

QString ShippedProjectFile()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/TAXFORMS.RAV");
}

// Every box the returns can fill at once: nothing a print handler sets may miss its field.
TEST(ReturnLayouts, EveryParameterNamesAField)
{
    auto company = std::make_unique<CompanyRecord>(NewCompanyRecord());
    company->Name = company->TradeName = company->Address = company->City = QStringLiteral("X");
    company->SuiteNum = company->State = company->ZipCode = QStringLiteral("X");
    company->FederalID = QStringLiteral("12-3456789");
    company->PayTaxBal = true;
    company->PayRTN = QStringLiteral("021000021");
    company->PayAcctNum = QStringLiteral("12345678901234567");
    company->Designee = true;
    company->DesigneeName = company->DesigneePhone = QStringLiteral("X");
    company->DesigneePIN = QStringLiteral("12345");
    company->SignForm = true;
    company->SignerName = company->SignerTitle = company->PhoneNumber = QStringLiteral("X");
    company->CurrentQuarter = 2;
    company->F941EndDate = QStringLiteral("06/30/2026");
    company->TaxLibQtr = 3;
    for (int m = 1; m <= 3; ++m)
        company->TaxLibMonth[m][32] = 1;
    for (int entry = 1; entry <= LastEntry; ++entry)
        company->F941Amount[entry] = entry;
    for (int k = 1; k <= 8; ++k)
        company->F941ChkMark[k] = true;
    PreparerRecord preparer{};
    preparer.PrepName = preparer.FirmName = preparer.Address = preparer.City = QStringLiteral("X");
    preparer.State = preparer.ZipCode = preparer.Phone = preparer.EIN = preparer.PTIN = QStringLiteral("X");
    preparer.SelfEmployed = preparer.SignForm = preparer.PrintDate = true;
    const ReturnPrintChoices choices{false, QStringLiteral("07/31/2026"), false, QDate(2026, 7, 31)};
    const QString project = ShippedProjectFile();
    ReturnPrintChoices filing = choices;
    filing.filingCopy = true;
    EXPECT_TRUE(ParamsNameFields(ReadLayout(project, QStringLiteral("Form941")), Form941Params(*company, preparer, filing, 4)));
    EXPECT_TRUE(ParamsNameFields(ReadLayout(project, QStringLiteral("Form941")), Form941Params(*company, preparer, choices, std::nullopt)));
    EXPECT_TRUE(ParamsNameFields(ReadLayout(project, QStringLiteral("Form941V")), Form941VoucherParams(*company, QStringLiteral("X"), false)));

    company->ForeignAdr = true;
    company->ForeignCountry = company->ForeignProvCo = company->ForeignZipCode = QStringLiteral("X");
    Form944Return form;
    for (int line = 1; line <= F944::LastAmount; ++line)
        form.amount[line] = line;
    for (int m = 1; m <= 12; ++m)
        form.monthLiability[m] = m;
    form.totalLiability = 78;
    for (int k = 1; k <= 6; ++k)
        form.mark[k] = true;
    form.finalDate = QStringLiteral("06/30/2026");
    EXPECT_TRUE(ParamsNameFields(ReadLayout(project, QStringLiteral("Form944")), Form944Params(form, *company, preparer, filing)));
    EXPECT_TRUE(ParamsNameFields(ReadLayout(project, QStringLiteral("Form944V")), Form944VoucherParams(form, *company, QStringLiteral("X"), false)));
    EXPECT_TRUE(ParamsNameFields(ReadLayout(project, QStringLiteral("Form941")), Form941Params(*company, preparer, filing, 1)));
}

// Lines 15c-15e on paper: empty with a balance due, however the company pays; the bank account with
// a refund. Without a paid preparer the Date box of page 2 stays empty.
TEST_F(Form941Printout, RefundLinesAndThePreparersDateOnPaper)
{
    company->PayTaxBal = true;
    company->PayRTN = QStringLiteral("021000021");
    company->PayAcctNum = QStringLiteral("12345");
    company->PayAcctType = QStringLiteral("Checking");
    const QString project = ShippedProjectFile();
    const ReportLayout layout = ReadLayout(project, QStringLiteral("Form941"));
    QTemporaryDir dir;
    const auto wordsInBox = [&](const std::vector<PdfWord>& words, const char* field) {
        const std::optional<QRectF> box = FieldBox(layout, QLatin1String(field));
        EXPECT_TRUE(box.has_value()) << field;
        const LayoutElement* element = layout.Field(QLatin1String(field));
        const int page = element ? element->page + 1 : 0;
        QStringList found;
        for (const PdfWord& word : words)
            if (box && word.page == page && box->intersects(word.box))
                found << word.text;
        return found;
    };

    ASSERT_GT(company->F941Amount[BalanceDue], 0);
    const QString due = dir.filePath(QStringLiteral("due.pdf"));
    WriteFilledLayoutPdf(project, QStringLiteral("Form941"), params(), due);
    const std::vector<PdfWord> dueWords = ReadPdfWords(due);
    for (const char* field : {"RTN1", "RTN9", "AcctNum1", "AcctNum5", "Checking", "Savings", "PrepPrintDate"})
        EXPECT_TRUE(wordsInBox(dueWords, field).isEmpty()) << field << ": " << wordsInBox(dueWords, field).join(' ').toStdString();
    EXPECT_TRUE(ValueInFieldBox(dueWords, layout, QStringLiteral("Date"), QStringLiteral("10/31/2026")));

    company->PayTaxBal = false;
    company->F941Amount[Deposits] = 5000.00;
    CalcForm941Lines(*company);
    company->F941ChkMark[SendRefund] = true;
    ASSERT_EQ(CheckForm941(*company, false), std::nullopt);
    const QString refund = dir.filePath(QStringLiteral("refund.pdf"));
    WriteFilledLayoutPdf(project, QStringLiteral("Form941"), params(), refund);
    const std::vector<PdfWord> refundWords = ReadPdfWords(refund);
    EXPECT_TRUE(ValueInFieldBox(refundWords, layout, QStringLiteral("F941Amount22"), QStringLiteral("569.49")));
    EXPECT_TRUE(ValueInFieldBox(refundWords, layout, QStringLiteral("RTN1"), QStringLiteral("0")));
    EXPECT_TRUE(ValueInFieldBox(refundWords, layout, QStringLiteral("RTN9"), QStringLiteral("1")));
    EXPECT_TRUE(ValueInFieldBox(refundWords, layout, QStringLiteral("AcctNum5"), QStringLiteral("5")));
    EXPECT_TRUE(ValueInFieldBox(refundWords, layout, QStringLiteral("Checking"), QStringLiteral("X")));
    EXPECT_TRUE(wordsInBox(refundWords, "AcctNum6").isEmpty());
}

} // namespace
