#include "CheckFixture.h"

#include "checks/CheckFace.h"
#include "checks/CheckLayout.h"
#include "checks/CheckPrinting.h"
#include "platform/report/PostNetBarCode.h"

#include <QFile>

namespace {

class CheckPrintingTest : public CheckTest {
protected:
    // The three employees of a weekly run: two hourly, one salaried; the second on direct
    // deposit, the third with a ZIP+4 code.
    void addRun()
    {
        addCheckEmployee(QStringLiteral("Adams"), false, QStringLiteral("17001"), false, 101);
        addCheckEmployee(QStringLiteral("Baker"), false, QStringLiteral("17002"), true, 102);
        addCheckEmployee(QStringLiteral("Clark"), true, QStringLiteral("12345-6789"), false, 103);
    }

    std::shared_ptr<const ReportDocument> printRun(bool advice, const QString& fileName = QString())
    {
        return print([&](ReportCanvas& report) { PrintCheckRun(report, module->RaveProject, 1, GetEmployeeCount(), advice); },
                     fileName);
    }

    static bool AllOnPage(const ReportPage& page)
    {
        for (const DrawOp& op : page.ops) {
            if (op.x1 < 0 || op.y1 < 0 || op.x1 > page.width || op.y1 > page.height)
                return false;
        }
        return true;
    }
};

} // namespace

TEST_F(CheckPrintingTest, PreprintedRunPrintsEachPaidEmployeeOnAPageOfItsOwn)
{
    addRun();
    CompanyRec.GenerateChk = false;
    CompanyRec.vpFullName = 1.0;
    CompanyRec.hpFullName = 1.5;
    CompanyRec.vpAddress2 = 1.0;
    CompanyRec.hpAddress2 = 2.3;
    CompanyRec.vpCheckDate = 6.1;
    CompanyRec.hpCheckDate = 0.75;
    CompanyRec.vpAmount = 6.3;
    CompanyRec.hpAmount = 1.4;
    CompanyRec.vpAmountText = 0.3;
    CompanyRec.hpAmountText = 1.83;
    CompanyRec.vpCheckStub = 0.1;
    CompanyRec.hpCheckStub = 3.66;
    readEmployee(2);
    const int current = module->RSEmployee.CurrentRecord();

    const auto document = printRun(false, QStringLiteral("checks.pdf"));
    ASSERT_EQ(document->PageCount(), 3);
    EXPECT_EQ(module->RSEmployee.CurrentRecord(), current) << "the current employee is current again";
    const QString text = pdfText(QStringLiteral("checks.pdf"));
    for (const char* name : {"ADAMS", "BAKER", "CLARK"})
        EXPECT_TRUE(text.contains(QLatin1String(name), Qt::CaseInsensitive)) << name;
    EXPECT_EQ(text.count(QStringLiteral("***845.50")), 3);
    EXPECT_EQ(text.count(QStringLiteral("EIGHT HUNDRED FORTY FIVE AND 50/100")), 3);
    EXPECT_FALSE(text.contains(QStringLiteral("DOLLARS"))) << "pre-printed stock carries its own";
    EXPECT_GE(text.count(QStringLiteral("1,000.00")), 3);
    EXPECT_EQ(text.count(QStringLiteral("154.50")), 3);
    EXPECT_TRUE(text.contains(QStringLiteral("Single/Deps. = 0")));
    EXPECT_TRUE(text.contains(QStringLiteral("Salary")));
    EXPECT_TRUE(text.contains(QStringLiteral("25.000000")));
    for (int page = 0; page < 3; ++page) {
        EXPECT_TRUE(AllOnPage(document->pages[page])) << page;
        EXPECT_TRUE(ReadMicrLine(document->pages[page], 2.875, 3.5).text.isEmpty()) << "no MICR line on pre-printed stock";
        EXPECT_EQ(DecodePostNet(BarPattern(document->pages[page])), page == 2 ? QStringLiteral("123456789") : QString());
    }

    print([&](ReportCanvas& report) { PrintCheckRun(report, module->RaveProject, 1, GetEmployeeCount(), false); },
          QStringLiteral("checks.html"));
    QFile html(tempPath(QStringLiteral("checks.html")));
    ASSERT_TRUE(html.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(html.readAll());
    EXPECT_EQ(page.count(QStringLiteral("***845.50")), 3);
    EXPECT_TRUE(page.contains(QStringLiteral("EIGHT HUNDRED FORTY FIVE AND 50/100")));
}

TEST_F(CheckPrintingTest, BlankStockMicrLineReadsBackWhereBanksScanIt)
{
    addCheckEmployee(QStringLiteral("Adams"), false, QStringLiteral("17001"), false, 4321);
    CompanyRec.GenerateChk = true;
    const struct {
        int checkPos;
        int chkNumPos;
        const char* main;
        const char* number;
    } cases[] = {
        {0, 1, "t031300012t 1234567890o", "o4321o"}, {1, 1, "t031300012t 1234567890o", "o4321o"},
        {2, 1, "t031300012t 1234567890o", "o4321o"}, {0, 2, "t031300012t 1234567890o 4321", ""},
        {2, 2, "t031300012t 1234567890o 4321", ""},
    };
    for (const auto& c : cases) {
        CompanyRec.CheckPos = static_cast<std::uint8_t>(c.checkPos);
        CompanyRec.ChkNumPos = c.chkNumPos;
        const QString file = QStringLiteral("blank-%1-%2.pdf").arg(c.checkPos).arg(c.chkNumPos);
        const auto document = printRun(false, file);
        if (c.checkPos == 0 && c.chkNumPos == 1)
            renderPage(file, QStringLiteral("blank-stock-check"));
        ASSERT_EQ(document->PageCount(), 1);
        const ReportPage& page = document->pages[0];
        const double bottom = CheckBottomEdge(c.checkPos);
        // Everything in the check's bottom 5/8 in is the MICR line, and it lies in the scan band.
        for (const DrawOp& op : page.ops) {
            const double top = std::min(op.y1, op.kind == DrawOp::Kind::Text ? op.y1 : op.y2);
            if (top > bottom - 0.625 && top < bottom) {
                EXPECT_TRUE(op.kind == DrawOp::Kind::Rectangle && op.pen.style == PenStyle::Clear
                            && op.y1 >= bottom - 7.0 / 16 && op.y2 <= bottom - 3.0 / 16)
                    << "check place " << c.checkPos << " at y " << op.y1;
            }
        }
        const ReadMicr line = ReadMicrLine(page, bottom - 0.625, bottom);
        EXPECT_TRUE(line.matched);
        EXPECT_DOUBLE_EQ(line.baseline, bottom - 0.25);
        const QString expected = *c.number ? QLatin1String(c.number) + QLatin1Char(' ') + QLatin1String(c.main)
                                           : QLatin1String(c.main);
        EXPECT_EQ(line.text, expected) << c.checkPos;
        EXPECT_DOUBLE_EQ(*c.number ? line.left + 7 * 0.125 : line.left, kMicrLineStart);
        EXPECT_LE(line.right, kMicrRightLimit + 1e-9);
        const QString text = pdfText(file);
        EXPECT_TRUE(text.contains(QStringLiteral("EIGHT HUNDRED FORTY FIVE AND 50/100 DOLLARS")));
        EXPECT_TRUE(text.contains(QStringLiteral("ACME TOOLS")));
        EXPECT_TRUE(text.contains(QStringLiteral("FIRST TEST BANK")));
    }
}

TEST_F(CheckPrintingTest, AdvicesAndNegativeNetPayAreVoidWithoutAMicrLine)
{
    addRun();
    CompanyRec.GenerateChk = true;
    CompanyRec.CheckPos = 0;
    const auto document = printRun(true, QStringLiteral("advice.pdf"));
    ASSERT_EQ(document->PageCount(), 3);
    EXPECT_FALSE(ReadMicrLine(document->pages[0], 2.875, 3.5).text.isEmpty());
    EXPECT_TRUE(ReadMicrLine(document->pages[1], 2.875, 3.5).text.isEmpty()) << "the advice";
    const QString text = pdfText(QStringLiteral("advice.pdf"));
    EXPECT_EQ(text.count(QStringLiteral("FOR DIRECT DEPOSIT ADVICE ONLY")), 1);
    EXPECT_EQ(text.count(QStringLiteral("***VOID***THIS IS NOT A CHECK***VOID***THIS IS NOT A CHECK***")), 1);
    EXPECT_TRUE(text.contains(QStringLiteral("DEPOSIT ACCOUNT: 555000111")));
    EXPECT_TRUE(text.contains(QStringLiteral("DEPOSIT AMOUNT: ***845.50")));

    // Net pay of nothing or less: a void check without a MICR line, the stub as always.
    const struct {
        double healthInsurance;
        const char* net;
    } voids[] = {{900.0, "-54.50"}, {845.5, "0.00"}};
    for (const auto& v : voids) {
        readEmployee(1);
        EmployeeRec.HealthIns[kCurrentColumn] = v.healthInsurance;
        UpdateTotalColumns(kCurrentColumn);
        module->RSEmployee.PostRec();
        const auto voided = print([&](ReportCanvas& report) { PrintCheckRun(report, module->RaveProject, 1, 1, false); },
                                  QStringLiteral("void.pdf"));
        EXPECT_TRUE(ReadMicrLine(voided->pages[0], 2.875, 3.5).text.isEmpty()) << v.net;
        const QString text = pdfText(QStringLiteral("void.pdf"));
        EXPECT_TRUE(text.contains(QStringLiteral("***VOID***THIS IS NOT A CHECK"))) << v.net;
        EXPECT_FALSE(text.contains(QStringLiteral("***") + QLatin1String(v.net))) << v.net;
        EXPECT_FALSE(text.contains(QStringLiteral("ZERO AND"))) << v.net;
        EXPECT_TRUE(text.contains(QStringLiteral("Net Pay This Period"))) << v.net;
        EXPECT_TRUE(text.contains(QLatin1String(v.net))) << "the stub shows the net pay " << v.net;
    }
}

// Each list of the stub keeps a line for its first entry: when that entry is not printed, the
// list begins one row lower.
TEST_F(CheckPrintingTest, AStubListWithoutItsFirstEntryBeginsOneRowLower)
{
    addCheckEmployee(QStringLiteral("Adams"), false, QStringLiteral("17001"), false, 101);
    EmployeeRec.Wages[kCurrentColumn] = 0.0;
    EmployeeRec.Bonus[kCurrentColumn] = 1000.0;
    EmployeeRec.FICATax[kCurrentColumn] = 0.0;
    UpdateTotalColumns(kCurrentColumn);
    module->RSEmployee.PostRec();
    CompanyRec.GenerateChk = true;
    CompanyRec.CheckPos = 0;
    const auto document = printRun(false);
    const double firstRow = 3.66 + 0.39125 + 0.138 + 0.1667 + 0.1667;
    const auto line = [&](const char* text) {
        for (const DrawOp& op : document->pages[0].ops) {
            if (op.kind == DrawOp::Kind::Text && op.text == QLatin1String(text))
                return op.y1;
        }
        return -1.0;
    };
    EXPECT_NEAR(line("Bonus"), firstRow + 0.125, 1e-9) << "below the empty line of Regular Wages";
    EXPECT_NEAR(line("Federal Tax"), firstRow + 0.125, 1e-9) << "below the empty line of F.I.C.A. Tax";
    EXPECT_NEAR(line("Medicare Tax"), firstRow + 0.25, 1e-9);

    readEmployee(1);
    EmployeeRec.Wages[kCurrentColumn] = 500.0;
    UpdateTotalColumns(kCurrentColumn);
    module->RSEmployee.PostRec();
    const auto paid = printRun(false);
    for (const DrawOp& op : paid->pages[0].ops) {
        if (op.kind == DrawOp::Kind::Text && op.text == QLatin1String("Regular Wages")) {
            EXPECT_NEAR(op.y1, firstRow, 1e-9);
        }
        if (op.kind == DrawOp::Kind::Text && op.text == QLatin1String("Bonus")) {
            EXPECT_NEAR(op.y1, firstRow + 0.125, 1e-9);
        }
    }
}

TEST_F(CheckPrintingTest, AFailedRunClosesTheProjectAndRestoresTheEmployee)
{
    addRun();
    CompanyRec.GenerateChk = true;
    // A project without the check artwork: the run fails on its first check, mid-way.
    QFile project(tempPath(QStringLiteral("NOCHECKS.RAV")));
    ASSERT_TRUE(project.open(QIODevice::WriteOnly));
    project.write("ledgora-report-project 1\nlayout Other portrait\nend\n");
    project.close();
    module->RaveProject.ProjectFile = project.fileName();
    readEmployee(2);
    ReportSystem system;
    module->RaveProject.Engine = &system;
    system.OnPrint = [&](ReportCanvas& report) { PrintCheckRun(report, module->RaveProject, 1, 3, false); };
    const OutputOptionsHandler previous = ReportSystem::SetOutputOptionsHandler([](const ReportSystem&, OutputChoice& choice) {
        choice.destination = ReportDestination::Preview;
        return true;
    });
    EXPECT_ANY_THROW(system.Execute());
    ReportSystem::SetOutputOptionsHandler(previous);
    EXPECT_FALSE(module->RaveProject.Active());
    EXPECT_EQ(module->RSEmployee.CurrentRecord(), 2);
}

TEST_F(CheckPrintingTest, TestChecksPrintTheSamplesAtTheSavedPlaces)
{
    CompanyRec.GenerateChk = true;
    CompanyRec.CheckPos = 2;
    CompanyRec.ChkNumPos = 2;
    const auto generated = print([&](ReportCanvas& report) { PrintGeneratorTestCheck(report, module->RaveProject, CompanyRec); },
                                 QStringLiteral("generator-test.pdf"));
    renderPage(QStringLiteral("generator-test.pdf"), QStringLiteral("generator-sample-bottom"));
    const ReadMicr line = ReadMicrLine(generated->pages[0], 10.5, 11.0);
    EXPECT_EQ(line.text, QStringLiteral("t031300012t 1234567890o 1234"));
    EXPECT_DOUBLE_EQ(line.baseline, 10.75);
    const QString text = pdfText(QStringLiteral("generator-test.pdf"));
    EXPECT_TRUE(text.contains(QStringLiteral("ONE THOUSAND TWO HUNDRED THIRTY FOUR AND 56/100 DOLLARS")));
    EXPECT_TRUE(text.contains(QStringLiteral("Status/Deps.")));
    EXPECT_TRUE(text.contains(QStringLiteral("JAMES SMITH")));

    CompanyRec.vpFullName = 1.2;
    CompanyRec.hpFullName = 1.6;
    CompanyRec.vpCheckDate = 6.0;
    CompanyRec.hpCheckDate = 0.8;
    CompanyRec.vpAmount = 6.4;
    CompanyRec.hpAmount = 1.3;
    CompanyRec.vpAmountText = 0.4;
    CompanyRec.hpAmountText = 1.9;
    CompanyRec.vpAddress1 = 0;
    const auto setup = print([&](ReportCanvas& report) { PrintSetupTestCheck(report, module->RaveProject, CompanyRec); },
                             QStringLiteral("setup-test.pdf"));
    bool payeeAtItsPlace = false;
    for (const DrawOp& op : setup->pages[0].ops) {
        if (op.kind == DrawOp::Kind::Text && op.text == QLatin1String("JOHN SMITH"))
            payeeAtItsPlace = !payeeAtItsPlace && op.x1 == 1.2 && op.y1 == 1.6;
    }
    EXPECT_TRUE(payeeAtItsPlace) << "once, at the payee's place: the unset name prints nothing";
    EXPECT_TRUE(pdfText(QStringLiteral("setup-test.pdf")).contains(QStringLiteral("AND 56/100***")));

    print([&](ReportCanvas&) { PrintPrinterGrid(module->RaveProject); }, QStringLiteral("grid.pdf"));
    renderPage(QStringLiteral("grid.pdf"), QStringLiteral("printer-grid"));
    const QString grid = pdfText(QStringLiteral("grid.pdf"));
    EXPECT_TRUE(grid.contains(QStringLiteral("Vertical Position")));
    EXPECT_TRUE(grid.contains(QStringLiteral("10.5")));
}

TEST(CheckLayoutTest, MicrLineComposition)
{
    EXPECT_EQ(ComposeMicrLine(QStringLiteral("031300012"), QStringLiteral("987"), 55, 1).Number, QStringLiteral("o55o"));
    EXPECT_EQ(ComposeMicrLine(QStringLiteral("031300012"), QStringLiteral("987"), 55, 1).Main, QStringLiteral("t031300012t 987o"));
    EXPECT_EQ(ComposeMicrLine(QStringLiteral("031300012"), QStringLiteral("987"), 55, 2).Number, QString());
    EXPECT_EQ(ComposeMicrLine(QStringLiteral("031300012"), QStringLiteral("987"), 55, 2).Main, QStringLiteral("t031300012t 987o 55"));
    // The longest account with a six-digit number after it ends at position 14.
    const QString longest = ComposeMicrLine(QStringLiteral("031300012"), QString(kMaxAccountWithNumberAfter, QLatin1Char('9')),
                                            999999, 2)
                                .Main;
    EXPECT_DOUBLE_EQ(kMicrLineStart + longest.size() * 0.125, kMicrRightLimit);
    EXPECT_EQ(CheckAmountWords(845.50, true), QStringLiteral("***EIGHT HUNDRED FORTY FIVE AND 50/100 DOLLARS***"));
}
