#include "BlankCheckStock.h"
#include "CheckFixture.h"

#include "tests/reports/PayDateHistoryFixture.h"

#include "checks/CheckPrinting.h"
#include "checks/ui/PayChecks.h"
#include "payroll/ManualEntry.h"
#include "platform/Exceptions.h"
#include "reports/PayrollRegister.h"

#include <QLabel>
#include <QPushButton>

namespace {

// Three hourly employees on numbered blank check stock from 1001; Baker, the second, works no
// hours in the first week.
class CheckNumberingTest : public PayDateHistoryTest {
protected:
    void SetUp() override
    {
        PayDateHistoryTest::SetUp();
        module->RaveProject.ProjectFile = QCoreApplication::applicationDirPath() + QStringLiteral("/TAXFORMS.RAV");
        UseBlankCheckStock(CompanyRec);
        module->RSCompany.PostRec();
        addHourlyEmployee(QStringLiteral("Able"), QStringLiteral("Ann"), 25.0);
        addHourlyEmployee(QStringLiteral("Baker"), QStringLiteral("Bob"), 25.0);
        addHourlyEmployee(QStringLiteral("Carter"), QStringLiteral("Cy"), 25.0);
    }

    // The check window's range, and the numbers its Print All printed: on each check's face, in
    // its MICR line and on its stub.
    struct CheckRun {
        QString range;
        QStringList faces;
        QStringList micr;
        QStringList stubs;
    };

    CheckRun printAllChecks()
    {
        CheckRun run;
        TFrmCheck window;
        run.range = window.LblFromTo->text();
        window.BtnPrintAll->click();
        const auto document = window.RptPrintChecks.Document();
        if (!document)
            return run;
        for (const ReportPage& page : document->pages) {
            for (const DrawOp& op : page.ops) {
                if (op.kind != DrawOp::Kind::Text)
                    continue;
                if (op.align == TextAlign::Center && op.x1 == 7.5 && op.y1 == 0.75)
                    run.faces << op.text;
                if (op.align == TextAlign::Left && op.x1 == 6.7 && std::abs(op.y1 - (3.66 + 0.24)) < 1e-9)
                    run.stubs << op.text;
            }
            run.micr << ReadMicrLine(page, 2.875, 3.5).text.section(QLatin1Char(' '), 0, 0);
        }
        return run;
    }

    // The check numbers of the register of pay date `slot`, by employee name.
    static QStringList RegisterNumbers(int slot)
    {
        QStringList numbers;
        for (const JournalRow& row : PayrollRegisterRows(PayDateRange{slot, slot})) {
            if (row.listed)
                numbers << row.name.trimmed() + QLatin1Char(' ') + row.identification;
        }
        return numbers;
    }
};

} // namespace

TEST_F(CheckNumberingTest, AnUnpaidEmployeeBetweenPaidOnesTakesNoNumber)
{
    setStandardHours(2, 0);
    computePeriod(QDate(2026, 1, 9));
    const CheckRun first = printAllChecks();
    EXPECT_EQ(first.range, QStringLiteral("Check #:  1001  to  1002"));
    EXPECT_EQ(first.faces, (QStringList{QStringLiteral("1001"), QStringLiteral("1002")}));
    EXPECT_EQ(first.micr, (QStringList{QStringLiteral("o1001o"), QStringLiteral("o1002o")}));
    EXPECT_EQ(first.stubs, (QStringList{QStringLiteral("1001"), QStringLiteral("1002")}));
    EXPECT_EQ(CompanyRec.LastChkNum, 1002);

    PostPayroll();
    ASSERT_TRUE(CompanyRec.PayrollPosted);
    EXPECT_EQ(RegisterNumbers(1), (QStringList{QStringLiteral("Ann Able 1001"), QStringLiteral("Cy Carter 1002")}));
    EXPECT_EQ(CompanyRec.StartChkNum, 1003) << "the next run starts after the last check printed";

    // The next week pays everybody; manual entry then takes Baker out of the run and renumbers.
    setStandardHours(2, 40);
    computePeriod(QDate(2026, 1, 16));
    readEmployee(2);
    EXPECT_EQ(EmployeeRec.CheckNumber, 1004);
    ClearCurrentPay();
    RenumberPaidChecks();
    const CheckRun second = printAllChecks();
    EXPECT_EQ(second.range, QStringLiteral("Check #:  1003  to  1004"));
    EXPECT_EQ(second.faces, (QStringList{QStringLiteral("1003"), QStringLiteral("1004")}));
    EXPECT_EQ(CompanyRec.LastChkNum, 1004);
    PostPayroll();
    EXPECT_EQ(RegisterNumbers(2), (QStringList{QStringLiteral("Ann Able 1003"), QStringLiteral("Cy Carter 1004")}));
    EXPECT_EQ(CompanyRec.StartChkNum, 1005);
}

// A paid employee whose number was lost (a client from before the numbers followed every change
// of pay) would print a live check numbered 0: the run is refused before its first page.
TEST_F(CheckNumberingTest, APaidEmployeeWithoutANumberStopsTheRunBeforeItsFirstPage)
{
    computePeriod(QDate(2026, 1, 9));
    readEmployee(2);
    ASSERT_EQ(EmployeeRec.CheckNumber, 1002);
    EmployeeRec.CheckNumber = 0;
    module->RSEmployee.PostRec();
    readEmployee(3);

    ReportDocument document;
    ReportCanvas canvas(document);
    try {
        PrintCheckRun(canvas, module->RaveProject, 1, 3, false);
        ADD_FAILURE() << "the run printed";
    } catch (const ECustomException& refused) {
        EXPECT_TRUE(refused.message().contains(QLatin1String("Bob Baker"))) << refused.message().toStdString();
    }
    for (const ReportPage& page : document.pages)
        EXPECT_TRUE(page.ops.empty()) << "nothing was drawn";
    EXPECT_EQ(module->RSEmployee.CurrentRecord(), 3) << "the employee who was current is current again";

    // Printing one check of somebody else is refused too: the run's numbers are out of step.
    EXPECT_THROW(PrintCheckRun(canvas, module->RaveProject, 2, 2, false), ECustomException);
}
