#include "tests/forms/FormChecks.h"
#include "tests/forms/NJFormsFixture.h"

#include "forms/NJ927Printing.h"
#include "forms/NJ927Worksheet.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

class NJ927PrintingTest : public NJFormsTest {
protected:
    // Employees numbered 1..count, each paid 100.00 times their number in the quarter.
    void addListedEmployees(int count)
    {
        for (int i = 1; i <= count; ++i)
            addPaidEmployee(QStringLiteral("E%1").arg(i, 3, 10, QLatin1Char('0')), {100.00 * i, 100.00 * i, 100.00 * i, 0, 0},
                            "NJ", QStringLiteral("123-45-%1").arg(i, 4, 10, QLatin1Char('0')));
    }

    std::shared_ptr<const ReportDocument> printSheet(const NJ927Worksheet& sheet, bool mask = false,
                                                     const QString& fileName = QString())
    {
        return print([&](ReportProject& project) { PrintNJ927Worksheets(project, sheet, mask); }, fileName);
    }

    // Whether a rectangle of the page encloses the text's anchor.
    static bool InABox(const ReportPage& page, const DrawOp& text)
    {
        for (const DrawOp& op : page.ops) {
            if (op.kind == DrawOp::Kind::Rectangle && op.x1 <= text.x1 && text.x1 <= op.x2 && op.y1 <= text.y1
                && text.y1 <= op.y2)
                return true;
        }
        return false;
    }

    int countTexts(const ReportPage& page, const QRegularExpression& pattern)
    {
        return static_cast<int>(PageTexts(page).filter(pattern).size());
    }

    void checkWageListPages(int employees, int wr30Pages);
};

TEST_F(NJ927PrintingTest, HandWorkedReturnPrintsLineTwentyAndTheWagesInTheirBoxes)
{
    addPaidEmployee(QStringLiteral("Able"), {10000.00, 9500.00, 10000.00, 10000.00, 10000.00});
    addPaidEmployee(QStringLiteral("Baker"), {5000.00, 5000.00, 5000.00, 0, 0}, "NJ", QStringLiteral("987-65-4321"));
    NJ927Worksheet sheet;
    sheet.Gather();
    const auto document = printSheet(sheet, false, QStringLiteral("nj927.pdf"));
    ASSERT_EQ(document->PageCount(), 2);
    EXPECT_TRUE(OpsOffPage(*document).isEmpty()) << OpsOffPage(*document).join(QLatin1Char('\n')).toStdString();

    module->RaveProject.Open();
    const LayoutElement* line20 = module->RaveProject.Layout(QStringLiteral("FormNJ927"))->Field(QStringLiteral("BalanceDue"));
    const LayoutElement* wages = module->RaveProject.Layout(QStringLiteral("FormWR30"))->Field(QStringLiteral("WagesPaid1"));
    ASSERT_TRUE(line20 && wages);
    module->RaveProject.Close();

    const ReportPage& nj927 = document->pages[0];
    const DrawOp* balance = nullptr;
    for (const DrawOp& op : nj927.ops) {
        if (op.kind == DrawOp::Kind::Text && op.text == QStringLiteral("542.00") && op.y1 == line20->y1)
            balance = &op;
    }
    ASSERT_TRUE(balance);
    EXPECT_DOUBLE_EQ(balance->x1, line20->x1);
    EXPECT_TRUE(InABox(nj927, *balance));
    const DrawOp* firstWages = FindText(document->pages[1], QStringLiteral("10,000.00"));
    ASSERT_TRUE(firstWages);
    EXPECT_DOUBLE_EQ(firstWages->y1, wages->y1);
    EXPECT_DOUBLE_EQ(firstWages->x1, wages->x1);

    keepForLooking(QStringLiteral("nj927.pdf"));
    const QString project = module->RaveProject.ProjectFile;
    std::vector<PdfWord> words = ReadPdfWords(tempPath(QStringLiteral("nj927.pdf")));
    EXPECT_TRUE(ValueInFieldBox(words, ReadLayout(project, QStringLiteral("FormNJ927")), QStringLiteral("BalanceDue"),
                                QStringLiteral("542.00")));
    EXPECT_TRUE(ValueInFieldBox(words, ReadLayout(project, QStringLiteral("FormNJ927")), QStringLiteral("GITWages"),
                                QStringLiteral("14,500.00")));
    // The wage list is the printout's second page and its layout's first.
    std::erase_if(words, [](const PdfWord& word) { return word.page != 2; });
    for (PdfWord& word : words)
        word.page = 1;
    EXPECT_TRUE(ValueInFieldBox(words, ReadLayout(project, QStringLiteral("FormWR30")), QStringLiteral("WagesPaid1"),
                                QStringLiteral("10,000.00")));
    EXPECT_TRUE(ValueInFieldBox(words, ReadLayout(project, QStringLiteral("FormWR30")), QStringLiteral("TotalWages"),
                                QStringLiteral("$15,000.00")));
    const QString text = pdfText(QStringLiteral("nj927.pdf"));
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("20 +Balance due UI, WF, DI and FLI.* 542\\.00"))))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("123-45-6789 +ABLE PAT +10,000\\.00 +00"))))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("987-65-4321 +BAKER PAT +5,000\\.00 +00"))));
    EXPECT_TRUE(text.contains(QStringLiteral("$15,000.00")));
    EXPECT_TRUE(text.contains(QStringLiteral("GARDEN STATE TOOLS & DIES")));
    EXPECT_TRUE(text.contains(QStringLiteral("$171,100.00")));
}

TEST_F(NJ927PrintingTest, EveryAmountPrintsEvenWhenZero)
{
    NJ927Worksheet sheet;
    sheet.Lines.DIPlanEmployer = sheet.Lines.FLIPlan = QStringLiteral("S");
    const ReportParams params = NJ927PrintParameters(sheet);
    FormParams named;
    for (const auto& [name, text] : params)
        named.Set(name, text);
    EXPECT_TRUE(ParamsNameFields(ReadLayout(module->RaveProject.ProjectFile, QStringLiteral("FormNJ927")), named));
    auto value = [&](const char* name) {
        for (const auto& [key, text] : params) {
            if (key == QLatin1String(name))
                return text;
        }
        ADD_FAILURE() << name << " is not set";
        return QString();
    };
    EXPECT_EQ(value("GITWages"), QStringLiteral("0.00"));
    EXPECT_EQ(value("BalanceDue1"), QStringLiteral("0.00"));
    EXPECT_EQ(value("GITMonth1"), QStringLiteral("0.00"));
    EXPECT_EQ(value("UIRate"), QStringLiteral("0.000000"));
    EXPECT_EQ(value("PrivatePlanDI"), QStringLiteral("N/A"));
    EXPECT_EQ(value("PrivatePlanFLI"), QStringLiteral("N/A"));
    EXPECT_EQ(value("Refund"), QString());
    EXPECT_EQ(value("MaxTaxableEmployerWages"), QStringLiteral("$44,800.00"));

    sheet.Lines.DIPlanEmployer = QStringLiteral("P");
    sheet.Lines.PrivatePlanDI = QStringLiteral("7");
    sheet.Lines.Credit = true;
    sheet.Lines.GITMonth[1] = 1234.5;
    const ReportParams privatePlan = NJ927PrintParameters(sheet);
    EXPECT_TRUE(std::count(privatePlan.begin(), privatePlan.end(), std::pair(QStringLiteral("PrivatePlanDI"), QStringLiteral("7"))));
    EXPECT_TRUE(std::count(privatePlan.begin(), privatePlan.end(), std::pair(QStringLiteral("Credit"), QStringLiteral("X"))));
    EXPECT_TRUE(std::count(privatePlan.begin(), privatePlan.end(), std::pair(QStringLiteral("GITMonth2"), QStringLiteral("1,234.50"))));
}

// A row at 0.00 is listed on the screen but neither printed nor counted.
void NJ927PrintingTest::checkWageListPages(int employees, int wr30Pages)
{
    addListedEmployees(employees);
    addPaidEmployee(QStringLiteral("Zero"), {0.004, 0, 0, 0, 0}, "NJ", QStringLiteral("999-99-9999"));
    NJ927Worksheet sheet;
    sheet.Gather();
    EXPECT_EQ(sheet.WR30EmployeeCount, employees);
    const auto document = printSheet(sheet);
    ASSERT_EQ(document->PageCount(), 1 + wr30Pages);
    const QRegularExpression ssn(QStringLiteral("^\\d{3}-\\d\\d-\\d{4}$"));
    const ReportPage& last = document->pages.back();
    const QStringList texts = PageTexts(last);
    EXPECT_TRUE(texts.contains(QStringLiteral("Page %1 of %1").arg(wr30Pages)));
    EXPECT_TRUE(texts.contains(QString::number(employees)));
    EXPECT_FALSE(texts.contains(QStringLiteral("999-99-9999")));
    EXPECT_EQ(countTexts(document->pages[1], ssn), 40);
    if (wr30Pages == 2) {
        EXPECT_EQ(countTexts(last, ssn), 1);
        EXPECT_TRUE(texts.contains(QStringLiteral("4,100.00")));
        EXPECT_TRUE(PageTexts(document->pages[1]).contains(QStringLiteral("Page 1 of 2")));
    }
}

TEST_F(NJ927PrintingTest, FortyRowsFillOnePage)
{
    checkWageListPages(40, 1);
}

TEST_F(NJ927PrintingTest, TheFortyFirstRowStartsAnotherPage)
{
    checkWageListPages(41, 2);
}

TEST_F(NJ927PrintingTest, WithoutListedRowsOneWageListPageHoldsTheHeaderOnly)
{
    addPaidEmployee(QStringLiteral("Zero"), {0.004, 100.00, 0, 0, 0});
    NJ927Worksheet sheet;
    sheet.Gather();
    EXPECT_TRUE(sheet.Lines.PrintEnabled);
    const auto document = printSheet(sheet);
    ASSERT_EQ(document->PageCount(), 2);
    const QStringList texts = PageTexts(document->pages[1]);
    EXPECT_TRUE(texts.contains(QStringLiteral("Page 1 of 1")));
    EXPECT_TRUE(texts.contains(QStringLiteral("0")));
    EXPECT_FALSE(texts.contains(QStringLiteral("123-45-6789")));
}

TEST_F(NJ927PrintingTest, MaskedNumbersShowTheLastFourDigits)
{
    addListedEmployees(2);
    NJ927Worksheet sheet;
    sheet.Gather();
    const QStringList texts = PageTexts(printSheet(sheet, true)->pages[1]);
    EXPECT_TRUE(texts.contains(QStringLiteral("***-**-0001")));
    EXPECT_TRUE(texts.contains(QStringLiteral("***-**-0002")));
    EXPECT_FALSE(texts.contains(QStringLiteral("123-45-0001")));
}

} // namespace
