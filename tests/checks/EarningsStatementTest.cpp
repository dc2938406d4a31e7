#include "StatementFixture.h"

#include "checks/CheckPrinting.h"
#include "checks/EarningsStatement.h"
#include "checks/PayrollSummary.h"
#include "checks/StatementGroups.h"
#include "client/PayHistoryMap.h"

#include <cmath>

namespace {

class EarningsStatementTest : public StatementTest {
protected:
    std::shared_ptr<const ReportDocument> printStatements(bool startLower = false, const QString& fileName = QString())
    {
        return print(
            [startLower](ReportCanvas& report) {
                CurrentPeriodSource source;
                StatementStyle style;
                style.startLower = startLower;
                PrintEarningsStatements(report, source, style);
            },
            fileName);
    }

    static std::vector<double> TitleLines(const ReportPage& page)
    {
        std::vector<double> lines;
        for (const DrawOp& op : page.ops) {
            if (op.kind == DrawOp::Kind::Text && op.text == QLatin1String("Earnings Statement"))
                lines.push_back(op.y1);
        }
        return lines;
    }

    static std::vector<double> CutLines(const ReportPage& page)
    {
        std::vector<double> lines;
        for (const DrawOp& op : page.ops) {
            if (op.kind == DrawOp::Kind::Text && op.text == QString(75, QLatin1Char('-')))
                lines.push_back(op.y1);
        }
        return lines;
    }
};

bool Near(double a, double b)
{
    return std::abs(a - b) < 1e-6;
}

} // namespace

TEST_F(EarningsStatementTest, GroupNumbersNameTheirMembers)
{
    namespace G = StatementGroup;
    const std::pair<int, const char*> groups[] = {
        {G::Wages, "Wages"},           {G::FringeBen, "FringeBen"},       {G::GTLIAmount, "GTLIAmount"},
        {G::UserPay1, "UserPay1"},     {G::GrossWages, "GrossWages"},     {G::FICATax, "FICATax"},
        {G::FederalTax, "FederalTax"}, {G::TPSPFederalTax, "TPSPFederalTax"}, {G::MedicareTax, "MedicareTax"},
        {G::StateTax, "StateTax"},     {G::DisbTax, "DisbTax"},           {G::PensionPlans, "PensionPlans"},
        {G::UserDeduct1, "UserDeduct1"}, {G::TotalDeduct, "TotalDeduct"}, {G::NetPay, "NetPay"},
        {G::FICALib, "FICALib"},       {G::DisbLib, "DisbLib"},           {G::UserLib1, "UserLib1"},
        {G::TotalLib, "TotalLib"},     {G::AllocatedTip, "AllocatedTip"}, {G::Plan401k, "Plan401k"},
        {G::CafePlan, "CafePlan"},     {G::FedEarnings, "FedEarnings"},   {G::StateEarning, "StateEarning"},
        {G::FUTAEarnings, "FUTAEarnings"}, {G::TPSPGross, "TPSPGross"},   {G::TPSPTaxable, "TPSPTaxable"},
        {G::DisbEarnings, "DisbEarnings"}, {G::QualifiedOT, "QualifiedOT"},
    };
    for (const auto& [number, name] : groups)
        EXPECT_EQ(AmountGroupName(number), QLatin1String(name));
}

TEST_F(EarningsStatementTest, ThreePaidEmployeesTakeTwoStatementPagesAndTheSummary)
{
    addCheckEmployee(QStringLiteral("Adams"), false, QStringLiteral("17001"), false, 101);
    addCheckEmployee(QStringLiteral("Baker"), false, QStringLiteral("17002"), false, 102);
    addEmployee(QStringLiteral("Unpaid"), QStringLiteral("Una"));
    addCheckEmployee(QStringLiteral("Clark"), false, QStringLiteral("17003"), false, 103);
    module->RSEmployee.SetCurrentRecord(2);
    module->RSEmployee.GetRec();

    const auto document = printStatements(false, QStringLiteral("statements.pdf"));
    ASSERT_EQ(document->PageCount(), 3);
    EXPECT_EQ(TitleLines(document->pages[0]), (std::vector<double>{0.5, 5.875}));
    EXPECT_EQ(CutLines(document->pages[0]), (std::vector<double>{kCutLineY}));
    EXPECT_EQ(TitleLines(document->pages[1]), (std::vector<double>{0.5}));
    EXPECT_EQ(CutLines(document->pages[1]), (std::vector<double>{kCutLineY}));
    EXPECT_NE(FindText(document->pages[2], QStringLiteral("Payroll Summary")), nullptr);
    EXPECT_TRUE(OpsOffPage(*document).isEmpty()) << OpsOffPage(*document).join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(module->RSEmployee.CurrentRecord(), 2) << "the current employee is current again";
    EXPECT_EQ(QString(EmployeeRec.LastName), QStringLiteral("Baker"));

    const QString text = flatPdfText(QStringLiteral("statements.pdf"));
    for (const char* expected : {"Regular Wages 25.000000 40.000000 1,000.00 1,000.00", "845.50", "PAT ADAMS", "PAT BAKER",
                                 "PAT CLARK", "Check #: 103", "Total Earnings 3,000.00", "Total Deductions 463.50",
                                 "Net Amount Paid 2,536.50", "Total Employees Processed 3", "Hours Paid 120.000000"})
        EXPECT_TRUE(text.contains(QLatin1String(expected))) << expected;
    EXPECT_FALSE(text.contains(QLatin1String("UNPAID")));
    renderPage(QStringLiteral("statements.pdf"), QStringLiteral("earnings-statement"));
}

TEST_F(EarningsStatementTest, OneStatementStartedMidPageStandsInTheLowerHalfWithoutCutLine)
{
    addCheckEmployee(QStringLiteral("Adams"), false, QStringLiteral("17001"), false, 101);
    for (const bool lower : {true, false}) {
        const auto document = printStatements(lower);
        ASSERT_EQ(document->PageCount(), 2);
        EXPECT_EQ(TitleLines(document->pages[0]), (std::vector<double>{lower ? 5.875 : 0.5}));
        EXPECT_EQ(CutLines(document->pages[0]).size(), lower ? 0u : 1u);
    }
}

TEST_F(EarningsStatementTest, HeadingRowsAndTotalsFollowTheEmployee)
{
    addCheckEmployee(QStringLiteral("Adams"), true, QStringLiteral("17001"), false, 0);
    EmployeeRecord& e = EmployeeRec;
    e.EmployeeNum = 7;
    e.FedWithAllow = 3;
    e.Department = QStringLiteral("Shop");
    e.Position = QStringLiteral("Lead");
    e.WorkState = QStringLiteral("NJ");
    e.OtherRateDesc = QStringLiteral("Piecework");
    e.OtherRate = 2.5;
    e.OtherTime = 10.0;
    e.OtherTimePay[kCurrentColumn] = 25.0;
    e.Wages[kCurrentColumn] = 0.0;
    e.Wages[kYearToDateColumn] = 0.0;
    e.Bonus[kCurrentColumn] = 500.0;
    e.Tips[kCurrentColumn] = 40.0;
    e.Tips[kYearToDateColumn] = 60.0;
    e.HolidayPay[kCurrentColumn] = 80.0;
    e.DisbTax[kCurrentColumn] = 1.5;
    e.Wages[kYearToDateColumn] = 0.0;
    e.FICATax[kCurrentColumn] = 0.0;
    e.GrossWages[kCurrentColumn] = 605.0;
    e.TotalDeduct[kCurrentColumn] = -1234.5;
    e.NetPay[kCurrentColumn] = 1839.5;
    module->RSEmployee.PostRec();
    CompanyRec.IncludeTips = false;
    CompanyRec.TradeName = QString();

    const auto document = printStatements();
    const ReportPage& page = document->pages[0];
    const double c = kUpperStatementTop + 0.5;   // no trade name: the city line moves up one line
    const double h = c + 0.9 + 0.3047;
    const auto at = [&page](const char* text, double x, double y) {
        const DrawOp* op = FindText(page, QString::fromUtf8(text));
        EXPECT_NE(op, nullptr) << text;
        if (op) {
            EXPECT_TRUE(Near(op->x1, x)) << text << " at x " << op->x1;
            EXPECT_TRUE(Near(op->y1, y)) << text << " at y " << op->y1;
        }
    };
    at("007", 2.25, c + 0.3);
    at("Shop/Lead", 2.25, c + 0.45);
    at("Single/03", 2.25, c + 0.75);
    at("Withholding Tax Status:", 0.5, c + 0.75);
    EXPECT_EQ(FindText(page, QStringLiteral("Check #:")), nullptr) << "check number 0";
    // Neither wages nor F.I.C.A. tax: the first lines of both tables stay empty.
    EXPECT_EQ(FindText(page, QStringLiteral("Salary")), nullptr);
    at("Holiday Pay", 0.6, h + 0.2917);
    at("Piecework", 0.6, h + 0.4167);
    at("2.500000", 2.45, h + 0.4167);
    at("10.000000", 3.15, h + 0.4167);
    at("Bonus", 0.6, h + 0.5417);
    at("Federal Tax", 5.1, h + 0.2917);
    at("NJ TDI/FLI Tax", 5.1, h + 0.5417);
    EXPECT_EQ(CountText(page, QStringLiteral("80.00")), 2) << "holiday pay this period and for the year";
    EXPECT_EQ(FindText(page, QStringLiteral("25.000000")), nullptr) << "a salaried employee shows no regular rate";
    at("705.00", 1.4375, h + 2.5116);     // gross of the year with the tips kept out of gross pay
    at("605.00", 3.3125, h + 2.5116);
    at("-1,234.50", 5.1875, h + 2.5116);
    at("1,839.50", 7.0625, h + 2.5116);
}

TEST_F(EarningsStatementTest, RateAndHoursCellsOfTheCurrentPeriod)
{
    addCheckEmployee(QStringLiteral("Adams"), false, QStringLiteral("17001"), false, 101);
    struct Case {
        const char* name;
        std::function<void(EmployeeRecord&)> change;
        RatedRow row;
        RateHoursCells statement;
        RateHoursCells slot;
    };
    const Case cases[] = {
        {"regular", [](EmployeeRecord&) {}, RatedRow::Regular, {true, 25.0, true, 40.0}, {true, 25.0, true, 40.0}},
        {"negative overtime hours",
         [](EmployeeRecord& e) {
             e.OverTimeRate = 37.5;
             e.OverTime = -2.0;
         },
         RatedRow::Overtime, {false, 37.5, true, -2.0}, {true, 37.5, true, -2.0}},
        {"holiday pay without hours", [](EmployeeRecord& e) { e.HolidayPay[kCurrentColumn] = 200.0; }, RatedRow::Holiday,
         {}, {}},
        {"vacation pay without hours", [](EmployeeRecord& e) { e.VacationPay[kCurrentColumn] = 200.0; }, RatedRow::Vacation,
         {true, 25.0, true, 0.0}, {true, 25.0, true, 0.0}},
        {"salaried other pay",
         [](EmployeeRecord& e) {
             e.Salaried = true;
             e.OtherRate = 3.0;
             e.OtherTime = 4.0;
         },
         RatedRow::Other, {true, 3.0, true, 4.0}, {}},
        {"salaried regular", [](EmployeeRecord& e) { e.Salaried = true; }, RatedRow::Regular, {false, 25.0, false, 40.0}, {}},
    };
    const EmployeeRecord original = EmployeeRec;
    const CurrentPeriodSource source;
    for (const Case& test : cases) {
        EmployeeRec = original;
        test.change(EmployeeRec);
        const RateHoursCells statement = source.StatementCells(test.row);
        const RateHoursCells slot = source.SlotCells(test.row);
        const std::tuple<RateHoursCells, RateHoursCells, const char*> forms[] = {{statement, test.statement, "statement"},
                                                                                 {slot, test.slot, "slot"}};
        for (const auto& [got, want, form] : forms) {
            EXPECT_EQ(got.showRate, want.showRate) << test.name << " " << form;
            EXPECT_EQ(got.showHours, want.showHours) << test.name << " " << form;
            if (got.showRate && want.showRate)
                EXPECT_EQ(got.rate, want.rate) << test.name << " " << form;
            if (got.showHours && want.showHours)
                EXPECT_EQ(got.hours, want.hours) << test.name << " " << form;
        }
    }
}

TEST_F(EarningsStatementTest, AFullSummaryContinuesOnANewPageAndStaysOnThePaper)
{
    addCheckEmployee(QStringLiteral("Adams"), false, QStringLiteral("17001"), false, 101);
    for (int group = 0; group < kAmountGroupCount; ++group)
        AmountGroup(EmployeeRec, group)[kCurrentColumn] = 1.0 + group;
    EmployeeRec.OverTime = EmployeeRec.HolidayTime = EmployeeRec.VacationTime = EmployeeRec.SickTime = 1.0;
    EmployeeRec.OtherTime = 1.0;
    for (int j = 1; j <= 5; ++j) {
        CompanyRec.UserEarnings[j] = QStringLiteral("Earning %1").arg(j);
        CompanyRec.UserDeduct[j] = QStringLiteral("Deduction %1").arg(j);
        CompanyRec.UserLib[j] = QStringLiteral("Liability %1").arg(j);
    }
    module->RSEmployee.PostRec();

    const auto document = print([](ReportCanvas& report) {
        CurrentPeriodSource source;
        PrintPayrollSummary(report, source, 1);
    });
    ASSERT_EQ(document->PageCount(), 3) << "a blank first page, then the summary over two pages";
    EXPECT_TRUE(OpsOffPage(*document).isEmpty()) << OpsOffPage(*document).join(QLatin1Char('\n')).toStdString();
    for (const ReportPage& page : document->pages) {
        for (const DrawOp& op : page.ops)
            EXPECT_LT(op.y1, 10.51) << op.text.toStdString();
    }
    const ReportPage& first = document->pages[1];
    const ReportPage& second = document->pages[2];
    EXPECT_EQ(CountText(first, QStringLiteral("State Disability Tax")), 2) << "deductions and employer liabilities";
    EXPECT_EQ(FindText(first, QStringLiteral("State Disabilty Tax")), nullptr);
    ASSERT_NE(FindText(second, QStringLiteral("Total Employees Processed")), nullptr);
    const DrawOp* last = FindText(second, QStringLiteral("Qualified overtime compensation"));
    ASSERT_NE(last, nullptr);
    EXPECT_TRUE(Near(FindText(second, QStringLiteral("Total Employees Processed"))->y1, last->y1 + 0.3334));
    double top = 11.0;
    for (const DrawOp& op : second.ops)
        top = op.kind == DrawOp::Kind::Text ? std::min(top, op.y1) : top;
    EXPECT_TRUE(Near(top, 0.6667)) << "the continued summary starts at " << top;
    EXPECT_EQ(FindText(first, QStringLiteral("1.000000"))->x1, 6.5);
}

TEST_F(EarningsStatementTest, ATradeNameMovesTheAddressDownBesideTheCheckNumber)
{
    addCheckEmployee(QStringLiteral("Adams"), false, QStringLiteral("17001"), false, 101);
    CompanyRec.TradeName = QStringLiteral("Acme Hardware");
    CompanyRec.SuiteNum = QStringLiteral("2b");
    CompanyCityStateZip = QStringLiteral("Springfield, PA 17000");
    const auto document = printStatements();
    const ReportPage& page = document->pages[0];
    const double y1 = kUpperStatementTop + 0.2;
    const double c = y1 + 0.45;
    const struct {
        const char* text;
        double x;
        double y;
    } expected[] = {
        {"ACME TOOLS", 0.5, y1},           {"ACME HARDWARE", 0.5, y1 + 0.15}, {"Pay Date:", 5.25, y1 + 0.15},
        {"1 MAIN ST STE 2b", 0.5, y1 + 0.3}, {"Check #:", 5.25, y1 + 0.3},   {"101", 6.25, y1 + 0.3},
        {"SPRINGFIELD, PA 17000", 0.5, c}, {"Employee Number:", 0.5, c + 0.3}, {"PAT ADAMS", 5.25, c + 0.3},
    };
    for (const auto& line : expected) {
        const DrawOp* op = FindText(page, QLatin1String(line.text));
        ASSERT_NE(op, nullptr) << line.text;
        EXPECT_TRUE(Near(op->x1, line.x) && Near(op->y1, line.y)) << line.text << " at " << op->x1 << ", " << op->y1;
    }
    bool frame = false;
    for (const DrawOp& op : page.ops)
        frame |= op.kind == DrawOp::Kind::Rectangle && Near(op.x1, 0.5) && Near(op.y1, c + 0.9) && Near(op.x2, 8.0);
    EXPECT_TRUE(frame);
}

TEST_F(EarningsStatementTest, ASuiteTypedWithItsWordPrintsItOnceOnTheStatementAndTheCheck)
{
    addCheckEmployee(QStringLiteral("Adams"), false, QStringLiteral("17001"), false, 101);
    CompanyRec.GenerateChk = true;
    CompanyRec.SuiteNum = QStringLiteral("Ste 5");
    EXPECT_NE(FindText(printStatements()->pages[0], QStringLiteral("1 MAIN ST Ste 5")), nullptr);
    const auto check = print([&](ReportCanvas& report) { PrintCheckRun(report, module->RaveProject, 1, 1, false); });
    EXPECT_NE(FindText(check->pages[0], QStringLiteral("1 MAIN ST STE 5")), nullptr);
}
