#include "StatementFixture.h"

#include "checks/CondensedStatement.h"
#include "platform/report/ReportLayout.h"

#include <QFile>

namespace {

class CondensedStatementTest : public StatementTest {
protected:
    std::shared_ptr<const ReportDocument> printCondensed(const QString& fileName = QString())
    {
        return print(
            [this](ReportCanvas& report) {
                CurrentPeriodSource source;
                PrintCondensedStatements(report, module->RaveProject, source);
            },
            fileName);
    }

    // The parameters a slot gets from the current employee.
    QString slotParam(const QString& name, int slot = 1)
    {
        ReportProject project;
        CurrentPeriodSource source;
        SetCondensedSlotParams(project, source, slot);
        return project.GetParam(name);
    }

    bool slotHas(const QString& name, int slot = 1)
    {
        ReportProject project;
        CurrentPeriodSource source;
        SetCondensedSlotParams(project, source, slot);
        return !project.GetParam(name).isNull();
    }
};

double SlotTop(int slot)
{
    return kFirstSlotTop + (slot - 1) * kSlotPitch;
}

} // namespace

TEST_F(CondensedStatementTest, SevenPaidEmployeesFillOnePageAndTwoSlotsThenTheSummary)
{
    for (int i = 1; i <= 7; ++i)
        addCheckEmployee(QStringLiteral("Employee%1").arg(i), false, QStringLiteral("17001"), false, 100 + i);
    const auto document = printCondensed(QStringLiteral("condensed.pdf"));
    ASSERT_EQ(document->PageCount(), 3);
    const ReportPage& first = document->pages[0];
    const ReportPage& second = document->pages[1];
    EXPECT_NE(FindText(first, QStringLiteral("Page 1 of 2")), nullptr);
    EXPECT_NE(FindText(second, QStringLiteral("Page 2 of 2")), nullptr);
    for (int i = 1; i <= 5; ++i) {
        const DrawOp* name = FindText(first, QStringLiteral("Pat Employee%1").arg(i));
        ASSERT_NE(name, nullptr) << i;
        EXPECT_GT(name->y1, SlotTop(i));
        EXPECT_LT(name->y1, SlotTop(i) + kSlotPitch);
    }
    EXPECT_EQ(FindText(first, QStringLiteral("***** End of Report *****")), nullptr);
    for (int i = 6; i <= 7; ++i) {
        const DrawOp* name = FindText(second, QStringLiteral("Pat Employee%1").arg(i));
        ASSERT_NE(name, nullptr) << i;
        EXPECT_LT(name->y1, SlotTop(i - 5) + kSlotPitch);
    }
    const DrawOp* end = FindText(second, QStringLiteral("***** End of Report *****"));
    ASSERT_NE(end, nullptr);
    EXPECT_DOUBLE_EQ(end->y1, 6.0);
    EXPECT_DOUBLE_EQ(end->x1, 4.25);
    bool greyBox = false;
    for (const DrawOp& op : second.ops) {
        greyBox |= op.kind == DrawOp::Kind::Rectangle && op.brush.style == BrushStyle::Solid
                   && op.brush.color == qRgb(0xD9, 0xD9, 0xD9) && op.x1 == 0.5 && std::abs(op.y1 - 5.16) < 1e-9
                   && op.x2 == 8.0 && op.y2 == 10.5;
    }
    EXPECT_TRUE(greyBox);
    EXPECT_NE(FindText(document->pages[2], QStringLiteral("Payroll Summary")), nullptr);
    EXPECT_NE(FindText(document->pages[2], QStringLiteral("7")), nullptr);
    EXPECT_TRUE(OpsOffPage(*document).isEmpty());
    const QString text = flatPdfText(QStringLiteral("condensed.pdf"));
    EXPECT_TRUE(text.contains(QLatin1String("Total Employees Processed 7")));
    EXPECT_TRUE(text.contains(QLatin1String("Pay Period: 01/01/2026 to 01/07/2026")));
    renderPage(QStringLiteral("condensed.pdf"), QStringLiteral("condensed-statement"));
}

TEST_F(CondensedStatementTest, PageCountsAndTheClosingMark)
{
    EXPECT_EQ(CondensedPageCount(0), 0);
    EXPECT_EQ(CondensedPageCount(1), 1);
    EXPECT_EQ(CondensedPageCount(5), 1);
    EXPECT_EQ(CondensedPageCount(6), 2);
    EXPECT_EQ(CondensedPageCount(10), 2);
    for (int i = 1; i <= 5; ++i)
        addCheckEmployee(QStringLiteral("Employee%1").arg(i), false, QStringLiteral("17001"), false, 100 + i);
    const auto five = printCondensed();
    ASSERT_EQ(five->PageCount(), 2) << "no empty statement page before the summary";
    EXPECT_EQ(FindText(five->pages[0], QStringLiteral("***** End of Report *****")), nullptr);
}

TEST_F(CondensedStatementTest, SlotParametersOfHourlySalariedAndUnnumberedStatements)
{
    addCheckEmployee(QStringLiteral("Adams"), false, QStringLiteral("17001"), false, 1042);
    EmployeeRec.EmployeeNum = 7;
    EmployeeRec.Married = true;
    EmployeeRec.FedWithAllow = 2;
    EmployeeRec.SocSecNum = QStringLiteral("123-45-6780");
    EmployeeRec.Department = QStringLiteral("Shop");
    EmployeeRec.Position = QStringLiteral("Lead");
    EmployeeRec.WorkState = QStringLiteral("nj");
    EmployeeRec.DisbTax[kCurrentColumn] = 2.0;
    EmployeeRec.Wages[kYearToDateColumn] = 3000.0;
    EmployeeRec.Bonus[kYearToDateColumn] = 50.0;
    EmployeeRec.Tips[kCurrentColumn] = -1234.5;
    CompanyRec.UserEarnings[4] = QStringLiteral("Mileage");
    EmployeeRec.UserPay4[kCurrentColumn] = 12.0;
    const struct {
        const char* name;
        const char* value;
    } hourly[] = {
        {"EmpName2", "Pat Adams"},       {"EmpNum2", "007"},          {"DepPos2", "Shop/Lead"},
        {"SSN2", "***-**-6780"},         {"WHStat2", "Married/02"},   {"ChkNum2", "1042"},
        {"RegRate2", "25.000000"},       {"RegHrs2", "40.000000"},    {"RegPay2", "1,000.00"},
        {"RegPayYTD2", "4,000.00"},      {"BonusPayYTD2", "50.00"},   {"Tips2", "-1,234.50"},
        {"User2_4", "Mileage"},          {"UserPay2_4", "12.00"},     {"UserPayYTD2_4", "12.00"},
        {"DITax2", "nj TDI/FLI Tax"},    {"DITaxAmt2", "2.00"},       {"FederalTax2", "78.00"},
        {"NetPay2", "845.50"},           {"GrossPay2", "1,000.00"},   {"TotalTax2", "154.50"},
        {"PayYTD2", "-234.50"},
    };
    for (const auto& [name, value] : hourly)
        EXPECT_EQ(slotParam(QLatin1String(name), 2).trimmed(), QLatin1String(value)) << name;
    for (const char* unset : {"BonusPay2", "OTRate2", "OTPay2", "HolidayRate2", "StateTax2", "User2_1", "FingePay2"})
        EXPECT_FALSE(slotHas(QLatin1String(unset), 2)) << unset;

    EmployeeRec.Salaried = true;
    EmployeeRec.CheckNumber = 0;
    EmployeeRec.OtherTime = 5.0;
    EmployeeRec.OtherRate = 10.0;
    EmployeeRec.OtherTimePay[kCurrentColumn] = 50.0;
    EmployeeRec.OtherRateDesc = QStringLiteral("Piecework");
    EmployeeRec.WorkState = QStringLiteral("NY");
    EXPECT_EQ(slotParam(QStringLiteral("ChkNum1")), QStringLiteral("N/A"));
    EXPECT_EQ(slotParam(QStringLiteral("OtherDesc1")), QStringLiteral("Piecework"));
    EXPECT_EQ(slotParam(QStringLiteral("DITax1")), QStringLiteral("NY TDI Tax"));
    for (const char* unset : {"RegRate1", "RegHrs1", "OtherRate1", "OtherHrs1"})
        EXPECT_FALSE(slotHas(QLatin1String(unset))) << unset;
}

// Every field of the layout at the widest value its parameter can take: nothing leaves its slot
// or runs into another text.
TEST_F(CondensedStatementTest, WidestValuesStayInsideTheirSlotsWithoutOverlap)
{
    ReportProject& project = module->RaveProject;
    project.Open();
    const ReportLayout* layout = project.Layout(kCondensedLayout);
    ASSERT_NE(layout, nullptr);
    const QString capitals43(43, QLatin1Char('N'));
    const auto widest = [&](const QString& field) -> QString {
        const QString name = field.left(field.indexOf(QRegularExpression(QStringLiteral("\\d"))));
        if (name == QLatin1String("EmpName"))
            return capitals43;
        if (name == QLatin1String("DepPos"))
            return QString(20, QLatin1Char('N')) + QLatin1Char('/') + QString(20, QLatin1Char('N'));
        if (name == QLatin1String("SSN"))
            return QStringLiteral("***-**-9999");
        if (name == QLatin1String("EmpNum"))
            return QStringLiteral("99999");
        if (name == QLatin1String("WHStat"))
            return QStringLiteral("Married/99");
        if (name == QLatin1String("ChkNum"))
            return QStringLiteral("2147483647");
        if (name == QLatin1String("OtherDesc") || name == QLatin1String("User") || name == QLatin1String("UserDed"))
            return QString(20, QLatin1Char('N'));
        if (name == QLatin1String("StateTax"))
            return QStringLiteral("NN State Tax");
        if (name == QLatin1String("CityTax"))
            return QStringLiteral("NNNNNN City Tax");
        if (name == QLatin1String("UITax"))
            return QStringLiteral("NN State U.I. Tax");
        if (name == QLatin1String("DITax"))
            return QStringLiteral("NN TDI/FLI Tax");
        if (name.endsWith(QLatin1String("Rate")) || name.endsWith(QLatin1String("Hrs")))
            return QStringLiteral("-9,999.999999");
        return QStringLiteral("-9,999,999.99");
    };
    for (const QString& field : layout->FieldNames()) {
        if (field.contains(QRegularExpression(QStringLiteral("\\d"))))
            project.SetParam(field, widest(field));
    }
    project.SetParam(QStringLiteral("CompName"), QString(45, QLatin1Char('N')));
    project.SetParam(QStringLiteral("PageCount"), QStringLiteral("Page 99 of 99"));
    project.SetParam(QStringLiteral("PayPeriod"), QStringLiteral("Pay Period:  12/31/2026  to  12/31/2026"));
    project.SetParam(QStringLiteral("PayDate"), QStringLiteral("Pay Date:  12/31/2026"));
    project.SelectReport(kCondensedLayout, false);
    const auto document = print([&](ReportCanvas&) { project.Execute(); }, QStringLiteral("widest.pdf"));
    project.Close();
    renderPage(QStringLiteral("widest.pdf"), QStringLiteral("condensed-widest"));

    const ReportPage& page = document->pages[0];
    std::vector<QRectF> texts;
    for (const DrawOp& op : page.ops) {
        if (op.kind != DrawOp::Kind::Text || op.text.isEmpty())
            continue;
        const QRectF box = OpBounds(op, 1, 1);
        texts.push_back(box);
        if (box.top() < kFirstSlotTop)
            continue;
        const int slot = static_cast<int>((op.y1 - kFirstSlotTop) / kSlotPitch) + 1;
        EXPECT_GE(box.left(), 0.5) << op.text.toStdString();
        EXPECT_LE(box.right(), 8.0) << op.text.toStdString();
        EXPECT_GE(box.top(), SlotTop(slot)) << op.text.toStdString();
        EXPECT_LE(box.bottom(), SlotTop(slot) + kSlotPitch) << op.text.toStdString();
    }
    int overlaps = 0;
    for (size_t i = 0; i < texts.size(); ++i) {
        for (size_t j = i + 1; j < texts.size(); ++j) {
            const QRectF shared = texts[i].intersected(texts[j]);
            if (shared.width() > 1e-4 && shared.height() > 1e-4) {
                ++overlaps;
                ADD_FAILURE() << "texts overlap at (" << texts[i].x() << ", " << texts[i].y() << ") and (" << texts[j].x()
                              << ", " << texts[j].y() << ")";
            }
        }
    }
    EXPECT_EQ(overlaps, 0);
    EXPECT_GT(texts.size(), 5u * 100u) << "every slot's fields were drawn";
}
