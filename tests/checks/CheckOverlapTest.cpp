#include "CheckFixture.h"
#include "PrintedItems.h"

#include "checks/CheckLayout.h"
#include "checks/CheckPrinting.h"
#include "checks/CondensedStatement.h"
#include "checks/EarningsStatement.h"
#include "checks/PayrollSummary.h"
#include "checks/StatementSource.h"
#include "client/PayHistoryMap.h"

namespace {

const QString kCapitals45(45, QLatin1Char('N'));

// Every text of the company, the bank and the employee at its full length in wide capitals, and
// every amount of the stub at 9,999,999.99.
class CheckOverlapTest : public CheckTest {
protected:
    void SetUp() override
    {
        CheckTest::SetUp();
        CompanyRecord& c = CompanyRec;
        c.Name = kCapitals45;
        c.TradeName = kCapitals45;
        c.Address = QString(22, QLatin1Char('N'));
        c.SuiteNum = QString(6, QLatin1Char('N'));
        CompanyCityStateZip = QString(22, QLatin1Char('N')) + QStringLiteral(", NN 99999-9999");
        c.PhoneNumber = QStringLiteral("999-999-9999");
        c.BankName = QString(40, QLatin1Char('N'));
        c.BankAddress1 = QString(40, QLatin1Char('N'));
        c.BankAddress2 = QString(40, QLatin1Char('N'));
        c.BankFraction = QStringLiteral("99-9999/9999999");
        c.PayDateFrom = QStringLiteral("12/28/2026");
        c.PayDateTo = QStringLiteral("12/28/2026");
        c.PayDate = QStringLiteral("12/28/2026");
        c.DirDeposit = true;
        for (int i = 1; i <= 5; ++i) {
            c.UserEarnings[i] = QString(20, QLatin1Char('N'));
            c.UserDeduct[i] = QString(20, QLatin1Char('N'));
            c.UserLib[i] = QString(20, QLatin1Char('N'));
        }
        module->RSCompany.PostRec();

        addCheckEmployee(QStringLiteral("Widest"), false, QStringLiteral("99999-9999"), true, 999999);
        EmployeeRecord& e = EmployeeRec;
        e.FullName = QString(43, QLatin1Char('N'));
        e.Address = QString(22, QLatin1Char('N'));
        e.CityStateZip = QString(21, QLatin1Char('N')) + QStringLiteral(", NN 99999-9999");
        e.BankAcctNum = QString(17, QLatin1Char('9'));
        e.EmployeeNum = 99999;
        e.SocSecNum = QStringLiteral("212-55-9999");
        e.Married = true;
        e.FedWithAllow = 99;
        e.WorkState = QStringLiteral("NN");
        e.CityName = QStringLiteral("NNNNNN");
        e.OtherRateDesc = QString(20, QLatin1Char('N'));
        e.RegularRate = e.OverTimeRate = e.OtherRate = 9999.999999;
        e.RegularTime = e.OverTime = e.HolidayTime = e.VacationTime = e.SickTime = e.OtherTime = 9999.999999;
        for (const char* group : {"Wages", "OverTimePay", "HolidayPay", "VacationPay", "SickPay", "OtherTimePay", "Bonus",
                                  "Tips", "DepCareBen", "FringeBen", "UserPay1", "UserPay2", "UserPay3", "UserPay4",
                                  "UserPay5", "TPSPTaxable", "FICATax", "FederalTax", "MedicareTax", "StateTax", "CityTax",
                                  "UnempTax", "DisbTax", "HealthIns", "PensionPlans", "UserDeduct1", "UserDeduct2",
                                  "UserDeduct3", "UserDeduct4", "UserDeduct5", "GrossWages", "TotalDeduct", "NetPay"}) {
            TPeriodAmounts& amounts = AmountGroup(e, AmountGroupNumber(QString::fromLatin1(group)));
            amounts[kCurrentColumn] = -9999999.99;
            amounts[kYearToDateColumn] = 0.0;
        }
        e.NetPay[kCurrentColumn] = 9999999.99;
        module->RSEmployee.PostRec();
    }

    // Every amount of the current period at its widest, for the lines of the Payroll Summary too.
    void widenEveryAmount()
    {
        readEmployee(1);
        for (int group = 0; group < kAmountGroupCount; ++group) {
            AmountGroup(EmployeeRec, group)[kCurrentColumn] = -9999999.99;
            AmountGroup(EmployeeRec, group)[kYearToDateColumn] = 0.0;
        }
        EmployeeRec.NetPay[kCurrentColumn] = 9999999.99;
        module->RSEmployee.PostRec();
    }

    std::shared_ptr<const ReportDocument> printCheck(bool advice)
    {
        return print([&](ReportCanvas& report) { PrintCheckRun(report, module->RaveProject, 1, 1, advice); });
    }

    // Fails for every two items of the page that print over each other; on blank stock also for
    // anything but the MICR line in the check's bottom 5/8 in, the outline included, and anything
    // else of the check outside its outline. `label` names the layout in the messages.
    static void ExpectClearLayout(const ReportPage& page, const QString& label, std::optional<int> checkPos)
    {
        const std::vector<PrintedItem> items = PrintedItems(page);
        const QStringList overlaps = OverlappingItems(items);
        EXPECT_TRUE(overlaps.isEmpty()) << label.toStdString() << ":\n" << overlaps.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(OpsOffPage(ReportDocument{{page}, {}}).isEmpty()) << label.toStdString();
        if (!checkPos)
            return;

        const double top = CheckOffset(*checkPos);
        const double bottom = CheckBottomEdge(*checkPos);
        // The outline is the largest framed box within the check.
        const DrawOp* outline = nullptr;
        for (const DrawOp& op : page.ops) {
            if (op.kind == DrawOp::Kind::Rectangle && op.pen.style != PenStyle::Clear && op.y1 >= top && op.y2 <= bottom
                && (!outline || op.x2 - op.x1 + op.y2 - op.y1 > outline->x2 - outline->x1 + outline->y2 - outline->y1))
                outline = &op;
        }
        ASSERT_NE(outline, nullptr) << label.toStdString();
        const QRectF inside(QPointF(outline->x1, outline->y1), QPointF(outline->x2, outline->y2));
        const double clearBand = bottom - 0.625;
        for (const PrintedItem& item : items) {
            if (item.box.top() > bottom || item.box.bottom() < top)
                continue;
            if (item.box.bottom() > clearBand) {
                // In the bottom 5/8 in: only the shapes of the MICR line, inside the band readers scan.
                const bool micrShape = item.kind == PrintedItem::Kind::Fill && item.box.top() >= bottom - 7.0 / 16
                                       && item.box.bottom() <= bottom - 3.0 / 16;
                EXPECT_TRUE(micrShape) << label.toStdString() << ": " << item.what.toStdString()
                                       << " in the check's bottom 5/8 in";
                continue;
            }
            if (item.op != outline) {
                EXPECT_TRUE(inside.contains(item.box)) << label.toStdString() << ": " << item.what.toStdString()
                                                       << " lies outside the check's outline";
            }
        }
        EXPECT_LE(outline->y2, clearBand) << label.toStdString() << ": the outline closes above the clear band";
    }
};

} // namespace

TEST_F(CheckOverlapTest, BlankStockChecksAndAdvicesAtTheWidestValues)
{
    CompanyRec.GenerateChk = true;
    CompanyRec.PrintStub = true;
    const struct {
        int checkPos;
        int chkNumPos;
        bool advice;
    } cases[] = {{0, 1, false}, {1, 1, false}, {2, 1, false}, {0, 2, false}, {2, 2, false},
                 {0, 1, true},  {1, 1, true},  {2, 1, true}};
    for (const auto& c : cases) {
        CompanyRec.CheckPos = static_cast<std::uint8_t>(c.checkPos);
        CompanyRec.ChkNumPos = c.chkNumPos;
        CompanyRec.AccountNum = QString(c.chkNumPos == 1 ? 17 : kMaxAccountWithNumberAfter, QLatin1Char('9'));
        const QString label = QStringLiteral("%1 at place %2, number position %3")
                                  .arg(c.advice ? QStringLiteral("advice") : QStringLiteral("check"))
                                  .arg(c.checkPos)
                                  .arg(c.chkNumPos);
        const auto document = printCheck(c.advice);
        ASSERT_EQ(document->PageCount(), 1) << label.toStdString();
        ExpectClearLayout(document->pages[0], label, c.checkPos);
        const ReadMicr line = ReadMicrLine(document->pages[0], CheckBottomEdge(c.checkPos) - 0.625, CheckBottomEdge(c.checkPos));
        EXPECT_EQ(line.text.isEmpty(), c.advice) << label.toStdString();
        EXPECT_LE(line.right, kMicrRightLimit + 1e-9) << label.toStdString();
    }
    CompanyRec.CheckPos = 0;
    print([&](ReportCanvas& report) { PrintCheckRun(report, module->RaveProject, 1, 1, true); }, QStringLiteral("widest-advice.pdf"));
    renderPage(QStringLiteral("widest-advice.pdf"), QStringLiteral("check-widest-advice"));
    CompanyRec.CheckPos = 2;
    print([&](ReportCanvas& report) { PrintCheckRun(report, module->RaveProject, 1, 1, false); }, QStringLiteral("widest-bottom.pdf"));
    renderPage(QStringLiteral("widest-bottom.pdf"), QStringLiteral("check-widest-bottom"));
}

TEST_F(CheckOverlapTest, PreprintedChecksAndTheGeneratorSampleAtTheWidestValues)
{
    // Pre-printed stock with the positions of a blank-stock check at the top of the sheet.
    const CheckPositions blank = BlankStockPositions(0, true);
    CompanyRecord& c = CompanyRec;
    const auto place = [](double& x, double& y, const CheckPosition& position) {
        x = position.x;
        y = position.y;
    };
    c.GenerateChk = false;
    place(c.vpFullName, c.hpFullName, blank.Payee);
    place(c.vpAddress1, c.hpAddress1, blank.Name);
    place(c.vpAddress2, c.hpAddress2, blank.Address);
    place(c.vpCheckDate, c.hpCheckDate, blank.Date);
    place(c.vpAmount, c.hpAmount, blank.Amount);
    place(c.vpAmountText, c.hpAmountText, blank.AmountText);
    place(c.vpCheckStub, c.hpCheckStub, blank.Stub);
    c.PrintStub = true;
    ExpectClearLayout(printCheck(false)->pages[0], QStringLiteral("pre-printed check"), std::nullopt);

    c.GenerateChk = true;
    c.ChkNumPos = 1;
    c.AccountNum = QString(17, QLatin1Char('9'));
    for (int checkPos = 0; checkPos <= 2; ++checkPos) {
        c.CheckPos = static_cast<std::uint8_t>(checkPos);
        const auto document = print([&](ReportCanvas& report) { PrintGeneratorTestCheck(report, module->RaveProject, c); });
        // The cut lines are the sheet's only dashed lines; they stand apart from the check.
        std::vector<double> cuts;
        ReportPage page = document->pages[0];
        std::erase_if(page.ops, [&cuts](const DrawOp& op) {
            if (op.kind != DrawOp::Kind::Line || op.pen.style != PenStyle::Dash)
                return false;
            EXPECT_EQ(op.y1, op.y2);
            cuts.push_back(op.y1);
            return true;
        });
        ExpectClearLayout(page, QStringLiteral("generator sample at place %1").arg(checkPos), checkPos);
        EXPECT_EQ(cuts, CheckCutLines(checkPos)) << checkPos;
    }
}

TEST_F(CheckOverlapTest, StatementsAndTheSummaryAtTheWidestValues)
{
    widenEveryAmount();
    CurrentPeriodSource source;
    readEmployee(1);
    source.BeginEmployee();
    StatementStyle individual;
    individual.boldArialTitle = true;
    individual.frameOffset = 1.05;
    const struct {
        const char* label;
        StatementStyle style;
        double top;
    } statements[] = {{"standard statement, upper", StatementStyle{}, kUpperStatementTop},
                      {"standard statement, lower", StatementStyle{}, kLowerStatementTop},
                      {"individual statement", individual, kUpperStatementTop}};
    for (const auto& statement : statements) {
        const auto document = print([&](ReportCanvas& report) { DrawEarningsStatement(report, statement.top, source, statement.style); },
                                    QStringLiteral("widest-statement.pdf"));
        ExpectClearLayout(document->pages[0], QLatin1String(statement.label), std::nullopt);
    }
    renderPage(QStringLiteral("widest-statement.pdf"), QStringLiteral("statement-widest-individual"));

    const auto summary = print([&](ReportCanvas& report) { PrintPayrollSummary(report, source, 99999); },
                               QStringLiteral("widest-summary.pdf"));
    ASSERT_GE(summary->PageCount(), 2);
    for (int page = 1; page < summary->PageCount(); ++page)
        ExpectClearLayout(summary->pages[page], QStringLiteral("Payroll Summary page %1").arg(page), std::nullopt);
    renderPage(QStringLiteral("widest-summary.pdf"), QStringLiteral("summary-widest"));

    // Two statements on a page of five: the empty slots below are blank but for the closing mark,
    // a grey box with the closing line on it.
    addCheckEmployee(QStringLiteral("Second"), false, QStringLiteral("17001"), false, 1000000);
    const auto condensed = print(
        [&](ReportCanvas& report) {
            CurrentPeriodSource everyone;
            PrintCondensedStatements(report, module->RaveProject, everyone);
        },
        QStringLiteral("widest-condensed.pdf"));
    renderPage(QStringLiteral("widest-condensed.pdf"), QStringLiteral("condensed-widest-last-page"));
    ReportPage page = condensed->pages[0];
    std::optional<QRectF> closingBox;
    std::erase_if(page.ops, [&closingBox](const DrawOp& op) {
        const bool box = op.kind == DrawOp::Kind::Rectangle && op.brush.style == BrushStyle::Solid;
        if (box)
            closingBox = QRectF(QPointF(op.x1, op.y1), QPointF(op.x2, op.y2));
        return box;
    });
    ASSERT_TRUE(closingBox.has_value());
    EXPECT_DOUBLE_EQ(closingBox->top(), kFirstSlotTop + 2 * kSlotPitch);
    ExpectClearLayout(page, QStringLiteral("condensed statements"), std::nullopt);
    for (const PrintedItem& item : PrintedItems(page)) {
        if (item.box.intersects(*closingBox)) {
            EXPECT_EQ(item.what, QStringLiteral("\"***** End of Report *****\"")) << "in the empty slots";
        }
    }
}

// The check places and the sheet's cut lines: each check 3.5 in high, the bottom one ending at the
// sheet's edge with its MICR line 1/4 in above it.
TEST(CheckPlacesTest, CutLinesLieAtTheChecksEdges)
{
    const struct {
        int checkPos;
        double top;
        double bottom;
        std::vector<double> cuts;
    } places[] = {{0, 0.0, 3.5, {3.5}}, {1, 3.5, 7.0, {3.5, 7.0}}, {2, 7.5, 11.0, {7.5}}};
    for (const auto& place : places) {
        EXPECT_EQ(CheckOffset(place.checkPos), place.top);
        EXPECT_EQ(CheckBottomEdge(place.checkPos), place.bottom);
        EXPECT_EQ(CheckCutLines(place.checkPos), place.cuts);
        EXPECT_EQ(MicrBaseline(place.checkPos), place.bottom - 0.25);
    }
    EXPECT_EQ(MicrBaseline(2), 10.75);
}
