// Check numbers after manual entry: whichever way an employee gains or loses pay in the window,
// the checks printed, the check window's range, the posted register and the next run's starting
// number agree, and no check is numbered 0.

#include "FormsFixture.h"
#include "PayRunMenuFixture.h"

#include "tests/checks/BlankCheckStock.h"

#include "checks/ui/PayChecks.h"
#include "client/PayUtil.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/RSNavigator.h"
#include "payroll/Posting.h"
#include "payroll/ui/PayManual.h"
#include "platform/AppMessageBox.h"
#include "platform/report/ReportSystem.h"
#include "reports/PayrollRegister.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include <utility>
#include <vector>

namespace {

using enum MenuItem;

enum class Leave { Next, Previous, Close };

// One way through the window: where it starts from, what is typed, how the window is left and
// the answer to the re-process question. The window opens on Ann; Bob, between Ann and Cy, has
// no pay yet.
struct Path {
    const char* name;
    bool toBob;                 // go to Bob first (he gains pay), else stay on Ann (she loses hers)
    std::vector<std::pair<const char*, double>> typed;
    int answer;                 // to "re-process this employee's payroll now?", or 0 when not asked
    Leave leave;                // to the next or previous employee, then closing, or closing at once
    QStringList paid;           // who is paid afterwards, in file order
};

const QStringList kAnnAndCy = {QStringLiteral("Ann Smith"), QStringLiteral("Cy Smith")};
const QStringList kEverybody = {QStringLiteral("Ann Smith"), QStringLiteral("Bob Smith"), QStringLiteral("Cy Smith")};
const QStringList kCyAlone = {QStringLiteral("Cy Smith")};

// Hours typed without re-processing pay nothing; an amount typed counts either way. The wages
// are not a field that asks for re-processing.
const Path kPaths[] = {
    {"HoursThenNextYes", true, {{"RegularTime", 40}}, IdYes, Leave::Next, kEverybody},
    {"HoursThenPreviousYes", true, {{"RegularTime", 40}}, IdYes, Leave::Previous, kEverybody},
    {"HoursThenCloseYes", true, {{"RegularTime", 40}}, IdYes, Leave::Close, kEverybody},
    {"HoursThenNextNo", true, {{"RegularTime", 40}}, IdNo, Leave::Next, kAnnAndCy},
    {"AmountThenNextNo", true, {{"Bonus", 100}}, IdNo, Leave::Next, kEverybody},
    {"AmountThenPreviousNo", true, {{"Bonus", 100}}, IdNo, Leave::Previous, kEverybody},
    {"AmountThenCloseNo", true, {{"Bonus", 100}}, IdNo, Leave::Close, kEverybody},
    {"AmountThenCloseYes", true, {{"Bonus", 100}}, IdYes, Leave::Close, kEverybody},
    {"HoursTakenThenNextYes", false, {{"RegularTime", 0}}, IdYes, Leave::Next, kCyAlone},
    {"HoursTakenThenPreviousYes", false, {{"RegularTime", 0}}, IdYes, Leave::Previous, kCyAlone},
    {"HoursTakenThenCloseYes", false, {{"RegularTime", 0}}, IdYes, Leave::Close, kCyAlone},
    {"AllTakenThenNextNo", false, {{"RegularTime", 0}, {"Wages", 0}}, IdNo, Leave::Next, kCyAlone},
    {"AllTakenThenPreviousNo", false, {{"RegularTime", 0}, {"Wages", 0}}, IdNo, Leave::Previous, kCyAlone},
    {"AllTakenThenCloseNo", false, {{"RegularTime", 0}, {"Wages", 0}}, IdNo, Leave::Close, kCyAlone},
    {"WagesTakenThenNext", false, {{"Wages", 0}}, 0, Leave::Next, kCyAlone},
    {"WagesTakenThenClose", false, {{"Wages", 0}}, 0, Leave::Close, kCyAlone},
};

// Ann and Cy were paid 1,000.00 for 40 hours with checks 1001 and 1002 on blank stock; the run
// is not posted yet.
void PaidForFortyHours(int number)
{
    EmployeeRecord& e = EmployeeRec;
    e.RegularTime = 40;
    e.Wages[kCurrentColumn] = 1000;
    e.CheckNumber = number;
    UpdateTotalColumn(kCurrentColumn);
}

class ManualEntryChecksTest : public PayRunMenuFixture {
protected:
    void SetUp() override
    {
        PayRunMenuFixture::SetUp();
        CopyShippedForms(programDir());
        previous_ = ReportSystem::SetOutputOptionsHandler([this](const ReportSystem&, OutputChoice& choice) {
            choice.destination = ReportDestination::File;
            choice.fileName = tempPath(QStringLiteral("checks.pdf"));
            return true;
        });
        makeClient([] {
            CompanyRecord& c = CompanyRec;
            c.PayDate = QStringLiteral("01/16/2026");
            c.PayrollPosted = false;
            c.StartChkNum = 1001;
            c.LastChkNum = 1002;
            UseBlankCheckStock(c);
            TRecordSet& employees = DataModule().RSEmployee;
            for (const auto& [record, number] : {std::pair{1, 1001}, std::pair{3, 1002}}) {
                employees.SetCurrentRecord(record);
                employees.GetRec();
                PaidForFortyHours(number);
                employees.PostRec();
            }
        });
        start();
    }

    void TearDown() override
    {
        ReportSystem::SetOutputOptionsHandler(previous_);
        PayRunMenuFixture::TearDown();
    }

    static void type(TFrmManual& w, const char* name, double value)
    {
        TDollarEdit* field = w.Field(QString::fromLatin1(name));
        field->setValue(value);
        emit field->textEdited(field->text());
    }

    // The check window's range and the numbers on the faces its Print All printed.
    std::pair<QString, QStringList> printAllChecks()
    {
        TFrmCheck window;
        const QString range = window.LblFromTo->text();
        window.BtnPrintAll->click();
        QStringList faces;
        if (const auto document = window.RptPrintChecks.Document()) {
            for (const ReportPage& page : document->pages) {
                for (const DrawOp& op : page.ops) {
                    if (op.kind == DrawOp::Kind::Text && op.align == TextAlign::Center && op.x1 == 7.5 && op.y1 == 0.75)
                        faces << op.text;
                }
            }
        }
        return {range, faces};
    }

private:
    OutputOptionsHandler previous_;
};

class ManualEntryPathTest : public ManualEntryChecksTest, public ::testing::WithParamInterface<Path> {};

} // namespace

TEST_P(ManualEntryPathTest, PrintedRangeRegisterAndNextStartAgree)
{
    const Path& path = GetParam();
    dialogs.onNextModal([&](QDialog& shown) {
        auto& w = dynamic_cast<TFrmManual&>(shown);
        if (path.toBob)
            w.RSNavigator->Button(nbNext)->click();
        for (const auto& [field, value] : path.typed)
            type(w, field, value);
        if (path.answer != 0)
            messages.expect(path.answer, QStringLiteral("re-process"));
        if (path.leave != Leave::Close)
            w.RSNavigator->Button(path.leave == Leave::Next ? nbNext : nbPrior)->click();
        w.BtnClose->click();
    });
    main->item(MnuManualEntry)->trigger();
    EXPECT_TRUE(messages.allAnswered());

    QStringList numbers;
    for (int i = 1; i <= path.paid.size(); ++i)
        numbers << QString::number(1000 + i);
    const QString last = numbers.last();
    const auto [range, faces] = printAllChecks();
    EXPECT_EQ(range, QStringLiteral("Check #:  1001  to  ") + last);
    EXPECT_EQ(faces, numbers) << "consecutive from the first number, none 0";

    messages.expect(IdOk, QStringLiteral("POST THE CURRENT PAYROLL?"));
    PostPayroll();
    EXPECT_TRUE(messages.allAnswered());
    QStringList register_;
    for (const JournalRow& row : PayrollRegisterRows(PayDateRange{1, 1})) {
        if (row.listed)
            register_ << row.name.trimmed() + QLatin1Char(' ') + row.identification;
    }
    QStringList expected;
    for (int i = 0; i < path.paid.size(); ++i)
        expected << path.paid[i] + QLatin1Char(' ') + numbers[i];
    EXPECT_EQ(register_, expected);
    EXPECT_EQ(CompanyRec.StartChkNum, last.toInt() + 1) << "the next run starts after the last check printed";
}

INSTANTIATE_TEST_SUITE_P(EveryWayPayChanges, ManualEntryPathTest, ::testing::ValuesIn(kPaths),
                         [](const ::testing::TestParamInfo<Path>& info) { return std::string(info.param.name); });

// Delete takes an employee out of the run; the checks after it close up.
TEST_F(ManualEntryChecksTest, DeleteClosesUpTheNumbers)
{
    dialogs.onNextModal([&](QDialog& shown) {
        auto& w = dynamic_cast<TFrmManual&>(shown);
        messages.expect(IdYes, QStringLiteral("Delete current employee"));
        w.RSNavigator->Button(nbDelete)->click();
        w.BtnClose->click();
    });
    main->item(MnuManualEntry)->trigger();
    EXPECT_TRUE(messages.allAnswered());
    const auto [range, faces] = printAllChecks();
    EXPECT_EQ(range, QStringLiteral("Check #:  1001  to  1001"));
    EXPECT_EQ(faces, QStringList{QStringLiteral("1001")});
}
