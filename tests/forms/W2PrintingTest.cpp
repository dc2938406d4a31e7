#include "W2Fixture.h"

#include "forms/W2Forms.h"
#include "forms/W2Printing.h"
#include "platform/report/ReportErrors.h"
#include "platform/report/ReportLayout.h"

namespace {

class W2PrintingTest : public W2Test {
protected:
    // Further employees paid 1,001.00, 1,002.00 ... in record order, named so that the name order
    // is the reverse of the record order.
    void addPaid(int count)
    {
        for (int k = 0; k < count; ++k) {
            ++paid_;
            addW2Employee(QStringLiteral("Name%1").arg(QChar(QLatin1Char('Z').unicode() - paid_)), QStringLiteral("Pat"),
                          1000 + paid_);
        }
    }

    static QString Wages(int k) { return QStringLiteral("1,%1.00").arg(k, 3, 10, QLatin1Char('0')); }

    // How often a text is drawn on a page.
    static int Count(const ReportPage& page, const QString& text) { return static_cast<int>(Texts(page).count(text)); }

    // The text drawn centred with its baseline at (x, y), or nothing.
    static QString TextAt(const ReportPage& page, double x, double y)
    {
        for (const DrawOp& op : page.ops) {
            if (op.kind == DrawOp::Kind::Text && qAbs(op.x1 - x) < 1e-6 && qAbs(op.y1 - y) < 1e-6)
                return op.text;
        }
        return QString();
    }

    std::shared_ptr<const ReportDocument> printFourUp(W2Copy copy, const QString& fileName = QString())
    {
        return print([&](ReportCanvas& report) {
            PrintW2CopyD1(report, module->RaveProject, 1, module->RSEmployee.LastRecord(), copy, true);
        }, fileName);
    }

    std::shared_ptr<const ReportDocument> printCopyA()
    {
        return print([&](ReportCanvas& report) { PrintW2CopyA(report, module->RaveProject); });
    }

private:
    int paid_ = 0;
};

TEST_F(W2PrintingTest, FourUpPagesAndVoidBanners)
{
    const struct {
        int forms;
        std::vector<int> banners;  // VOID banners per page
    } cases[] = {{1, {3}}, {4, {0}}, {5, {0, 3}}, {8, {0, 0}}};
    int added = 0;
    for (const auto& c : cases) {
        addPaid(c.forms - added);
        added = c.forms;
        for (const W2Copy copy : {W2Copy::CopyD, W2Copy::Copy1}) {
            const auto document = printFourUp(copy);
            ASSERT_EQ(document->PageCount(), static_cast<int>(c.banners.size())) << c.forms << " forms";
            for (size_t p = 0; p < c.banners.size(); ++p) {
                const ReportPage& page = document->pages[p];
                EXPECT_EQ(Count(page, kW2VoidBanner), c.banners[p]) << c.forms << " forms, page " << p + 1;
                EXPECT_EQ(Count(page, W2FormTypeTitle(copy)), 4);
            }
        }
    }
    // One form on the page: the banners stand in the three empty quarters.
    for (int k = 2; k <= 8; ++k) {
        module->RSEmployee.SetCurrentRecord(k);
        module->RSEmployee.GetRec();
        EmployeeRec.FedEarnings[kYearToDateColumn] = EmployeeRec.FICAEarnings[kYearToDateColumn] =
            EmployeeRec.MedEarnings[kYearToDateColumn] = 0;
        module->RSEmployee.PostRec();
    }
    const auto single = printFourUp(W2Copy::CopyD);
    const ReportPage& page = single->pages.front();
    EXPECT_EQ(TextAt(page, 6.3, 1.83), kW2VoidBanner);
    EXPECT_EQ(TextAt(page, 2.2, 7.25), kW2VoidBanner);
    EXPECT_EQ(TextAt(page, 6.3, 7.25), kW2VoidBanner);
    for (const DrawOp& op : page.ops) {
        if (op.text == kW2VoidBanner) {
            EXPECT_EQ(op.font.size, 30);
            EXPECT_TRUE(op.font.bold);
        }
    }
}

TEST_F(W2PrintingTest, CopyAPairsFormsInNameOrderAndVoidsTheEmptySecond)
{
    const struct {
        int forms;
        int pages;
        bool voidLast;
    } cases[] = {{1, 1, true}, {2, 1, false}, {3, 2, true}};
    int added = 0;
    for (const auto& c : cases) {
        addPaid(c.forms - added);
        added = c.forms;
        const auto document = printCopyA();
        ASSERT_EQ(document->PageCount(), c.pages) << c.forms;
        // "Void2" prints an X in the second form's Void box.
        const ReportPage& last = document->pages.back();
        EXPECT_EQ(TextAt(last, 2.91, 5.5 + 0.25) == QStringLiteral("X"), c.voidLast) << c.forms;
        if (c.pages > 1)
            EXPECT_EQ(TextAt(document->pages.front(), 2.91, 5.5 + 0.25), QString());
    }
    // Name order: the last employee added sorts first.
    const auto document = printCopyA();
    const QStringList first = Texts(document->pages.front());
    EXPECT_TRUE(first.contains(QStringLiteral("1003.00")));
    EXPECT_TRUE(first.contains(QStringLiteral("1002.00")));
    EXPECT_TRUE(Texts(document->pages.back()).contains(QStringLiteral("1001.00")));
}

TEST_F(W2PrintingTest, CopyAPdfMarksTheSecondFormOfAnOddLastPageVoid)
{
    addPaid(3);
    print([&](ReportCanvas& report) { PrintW2CopyA(report, module->RaveProject); }, QStringLiteral("copya.pdf"));
    renderPages(QStringLiteral("copya.pdf"), QStringLiteral("w2-copya"));
    const QRectF voidBox(2.83, 5.5 + 0.12, 0.16, 0.18);
    int marks = 0;
    for (const PdfWord& w : ReadPdfWords(tempPath(QStringLiteral("copya.pdf")))) {
        if (w.text == QStringLiteral("X")) {
            EXPECT_EQ(w.page, 2);
            EXPECT_TRUE(voidBox.contains(w.box.center())) << w.box.x() << "," << w.box.y();
            ++marks;
        }
    }
    EXPECT_EQ(marks, 1);
}

TEST_F(W2PrintingTest, EmployeeAndFourUpCopiesGoInRecordOrder)
{
    addPaid(5);
    const auto fourUp = printFourUp(W2Copy::CopyD);
    const QStringList firstPage = Texts(fourUp->pages.front());
    for (int k = 1; k <= 4; ++k)
        EXPECT_TRUE(firstPage.contains(Wages(k))) << k;
    EXPECT_TRUE(Texts(fourUp->pages.back()).contains(Wages(5)));

    readEmployee(3);
    const auto copies = print([&](ReportCanvas& report) {
        PrintW2EmployeeCopies(report, module->RaveProject, 1, module->RSEmployee.LastRecord(), true);
    });
    ASSERT_EQ(copies->PageCount(), 5);
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(Count(copies->pages[k - 1], Wages(k)), 4 * 4) << k;   // boxes 1, 3, 5 and 16 on four copies
    EXPECT_EQ(module->RSEmployee.CurrentRecord(), 3);
    EXPECT_EQ(EmployeeRec.FedEarnings[kYearToDateColumn], 1003);
    EXPECT_FALSE(module->RaveProject.Active());
}

TEST_F(W2PrintingTest, PrintOneGivesTheEmployeeEachOfHisForms)
{
    addPaid(2);
    for (int entry = 1; entry <= 6; ++entry) {
        EmployeeRec.FW2Box12Code[entry] = QStringLiteral("W");
        EmployeeRec.FW2Box12Amt[entry] = 100 + entry;
    }
    module->RSEmployee.PostRec();
    const auto document = print([&](ReportCanvas& report) { PrintW2EmployeeCopies(report, module->RaveProject, 2, 2, true); });
    ASSERT_EQ(document->PageCount(), 2);
    EXPECT_EQ(Count(document->pages[0], Wages(2)), 16);
    EXPECT_EQ(Count(document->pages[1], Wages(2)), 0);
    EXPECT_EQ(Count(document->pages[1], QStringLiteral("106.00")), 4);
    EXPECT_EQ(Count(document->pages[1], QStringLiteral("101.00")), 0);

    // Copy D counts the further form as a form of its own.
    const auto fourUp = printFourUp(W2Copy::CopyD);
    ASSERT_EQ(fourUp->PageCount(), 1);
    EXPECT_EQ(Count(fourUp->pages.front(), kW2VoidBanner), 1);
    EXPECT_EQ(GetNumToPrint(), 3);
}

TEST_F(W2PrintingTest, EveryParameterNamesAFieldOfItsLayout)
{
    addPaid(1);
    module->RaveProject.Open();
    const struct {
        const char* layout;
        W2Copy copy;
        int slotCount;
    } layouts[] = {{"FormW2", W2Copy::Employee, 0}, {"FormW2_CopyD1", W2Copy::CopyD, 4}, {"FormW2_SSA", W2Copy::CopyA, 2}};
    for (const auto& l : layouts) {
        const ReportLayout* layout = module->RaveProject.Layout(QLatin1String(l.layout));
        ASSERT_NE(layout, nullptr) << l.layout;
        QStringList expected;
        for (int slot = l.slotCount == 0 ? 0 : 1; slot <= l.slotCount; ++slot) {
            const FormParams params = W2FormParams(EmployeeRec, CompanyRec, CompanyCityStateZip, l.copy, 0, true);
            for (const auto& [name, value] : params.Values())
                expected << SuffixedFieldName(name, slot == 0 ? QString() : QString::number(slot));
        }
        if (l.copy == W2Copy::CopyD)
            expected << QStringLiteral("FormType");
        if (l.copy == W2Copy::CopyA)
            expected << QStringLiteral("Void1") << QStringLiteral("Void2");
        QStringList fields = layout->FieldNames();
        fields.sort();
        expected.sort();
        EXPECT_EQ(fields, expected) << l.layout;
    }
    module->RaveProject.Close();
}

TEST_F(W2PrintingTest, AFailedRunClosesTheProjectAndKeepsTheEmployee)
{
    addPaid(3);
    readEmployee(2);
    module->RaveProject.ProjectFile = tempPath(QStringLiteral("missing.RAV"));
    ReportSystem system;
    module->RaveProject.Engine = &system;
    system.OnPrint = [&](ReportCanvas& report) { PrintW2EmployeeCopies(report, module->RaveProject, 1, 3, true); };
    const OutputOptionsHandler previous = ReportSystem::SetOutputOptionsHandler([](const ReportSystem&, OutputChoice&) { return true; });
    EXPECT_THROW(system.Execute(), EReportException);
    ReportSystem::SetOutputOptionsHandler(previous);
    module->RaveProject.Engine = nullptr;
    EXPECT_EQ(module->RSEmployee.CurrentRecord(), 2);
    EXPECT_EQ(EmployeeRec.FedEarnings[kYearToDateColumn], 1002);
    EXPECT_FALSE(module->RaveProject.Active());
}

TEST_F(W2PrintingTest, TheEmployeeCopyPdfHoldsBox1And12aInsideTheirBoxesOnAllFourCopies)
{
    addW2Employee(QStringLiteral("Ortiz"), QStringLiteral("Ana"), 98765.43);
    EmployeeRec.FW2Box12Code[1] = QStringLiteral("D");
    EmployeeRec.FW2Box12Amt[1] = 12345.67;
    module->RSEmployee.PostRec();
    print([&](ReportCanvas& report) { PrintW2EmployeeCopies(report, module->RaveProject, 1, 1, true); },
          QStringLiteral("w2.pdf"));
    renderPages(QStringLiteral("w2.pdf"), QStringLiteral("w2-employee"));
    const std::vector<PdfWord> words = ReadPdfWords(tempPath(QStringLiteral("w2.pdf")));
    // The boxes as drawn, in each quarter of the page.
    const QRectF box1(1.95, 0.60, 1.075, 0.30);
    const QRectF code12a(3.025, 2.10, 0.305, 0.30);
    const QRectF amount12a(3.33, 2.10, 0.77, 0.30);
    for (const QPointF quarter : {QPointF(0, 0), QPointF(4.25, 0), QPointF(0, 5.5), QPointF(4.25, 5.5)}) {
        const auto inside = [&](const QString& text, const QRectF& box) {
            int found = 0;
            for (const PdfWord& w : words) {
                if (w.text == text && box.translated(quarter).contains(w.box))
                    ++found;
            }
            return found;
        };
        EXPECT_GE(inside(QStringLiteral("98,765.43"), box1), 1) << quarter.x() << "," << quarter.y();
        EXPECT_EQ(inside(QStringLiteral("D"), code12a), 1) << quarter.x() << "," << quarter.y();
        EXPECT_EQ(inside(QStringLiteral("12,345.67"), amount12a), 1) << quarter.x() << "," << quarter.y();
    }
}

TEST_F(W2PrintingTest, ACopyDPageOfOneFormShowsVoidInTheThreeEmptyQuarters)
{
    addPaid(1);
    printFourUp(W2Copy::CopyD, QStringLiteral("copyd.pdf"));
    renderPages(QStringLiteral("copyd.pdf"), QStringLiteral("w2-copyd"));
    std::vector<QPointF> voids;
    for (const PdfWord& w : ReadPdfWords(tempPath(QStringLiteral("copyd.pdf")))) {
        if (w.text == QStringLiteral("VOID"))
            voids.push_back(w.box.center());
    }
    ASSERT_EQ(voids.size(), 3u);
    const QRectF quarters[] = {QRectF(4.25, 0, 4.25, 5.5), QRectF(0, 5.5, 4.25, 5.5), QRectF(4.25, 5.5, 4.25, 5.5)};
    for (const QRectF& quarter : quarters) {
        EXPECT_EQ(std::count_if(voids.begin(), voids.end(), [&](const QPointF& p) { return quarter.contains(p); }), 1)
            << quarter.x() << "," << quarter.y();
    }
}

} // namespace
