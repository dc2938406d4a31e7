#include "FailingFileOperations.h"
#include "JournaledStepChecks.h"
#include "PayRunFixture.h"

#include "client/FileNames.h"
#include "components/ChangeJournal.h"
#include "payroll/ClosePeriod.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>
#include <utility>

namespace {

constexpr int Now = kCurrentColumn;
constexpr int Mtd = kMonthToDateColumn;
constexpr int Qtd = kQuarterToDateColumn;
constexpr int Ytd = kYearToDateColumn;

const char* const kCloseMonthQuestion =
    "Confirm request.\r\rYou are about to close all MONTH-TO-DATE totals.\rBe  sure  you  have backed-up your data in "
    "case of\rany incomplete termination of the payroll process.";
const char* const kCloseQuarterQuestion =
    "Confirm request.\r\rYou are about to close all  QUARTER-TO-DATE totals\ras well as all MONTH-TO-DATE totals, and "
    "FORM 941\rdata.\r\rBe sure you have backed-up your data in case of\rany incomplete termination of the payroll "
    "process.";

} // namespace

// Three employees with every column of every amount group filled, hours, check numbers and base
// weeks; the second employee is current.
class ClosePeriodTest : public PayRunTest {
protected:
    void SetUp() override
    {
        PayRunTest::SetUp();
        for (int n = 1; n <= 3; ++n)
            addPaidEmployee(QStringLiteral("Ann%1").arg(n), QStringLiteral("Smith"));
        fillEmployees();
        CompanyRec.CurrentQuarter = 3;
        CompanyRec.PayrollPosted = true;
        module->RSCompany.PostRec();
    }

    // Fills and posts the three employees, and makes the second one current.
    void fillEmployees()
    {
        for (int n = 1; n <= 3; ++n) {
            readEmployee(n);
            for (int column = Now; column <= Ytd; ++column)
                FillColumn(column, n * 1000 + column * 100);
            EmployeeRec.RegularTime = 40;
            EmployeeRec.OverTime = 2;
            EmployeeRec.OtherTime = 3;
            EmployeeRec.HolidayTime = 8;
            EmployeeRec.VacationTime = 16;
            EmployeeRec.SickTime = 4;
            EmployeeRec.CheckNumber = 100 + n;
            EmployeeRec.BaseWeeks = 9;
            module->RSEmployee.PostRec();
        }
        readEmployee(2);
    }

    // Every amount of column `column` of employee n as SetUp filled it, or 0 when cleared.
    void expectColumn(int n, int column, bool cleared)
    {
        for (int group = 0; group < kAmountGroupCount; ++group)
            EXPECT_EQ(AmountGroup(EmployeeRec, group)[column], cleared ? 0.0 : n * 1000 + column * 100 + group)
                << "employee " << n << ", column " << column << ", group " << group;
    }

    void expectHoursKept(int n)
    {
        EXPECT_EQ(EmployeeRec.RegularTime, 40);
        EXPECT_EQ(EmployeeRec.SickTime, 4);
        EXPECT_EQ(EmployeeRec.CheckNumber, 100 + n);
    }

    QString quarterlyCopy(const QString& name) const { return QuarterlyDataDir + name; }
};

TEST_F(ClosePeriodTest, QuarterlyCopyNames)
{
    EXPECT_EQ(QuarterlyCopyName(QStringLiteral("PAYROLL.C26"), 1), QStringLiteral("PAYROLL_1Q.C26"));
    EXPECT_EQ(QuarterlyCopyName(QStringLiteral("PAYROLL.P26"), 4), QStringLiteral("PAYROLL_4Q.P26"));
    EXPECT_EQ(QuarterlyCopyName(QStringLiteral("ACME.INC.P26"), 2), QStringLiteral("ACME_2Q.INC.P26"));
    EXPECT_EQ(QuarterlyCopyName(QStringLiteral("ACME.P26"), 0), QStringLiteral("ACME.P26"));
    EXPECT_EQ(QuarterlyCopyName(QStringLiteral("ACME.P26"), 5), QStringLiteral("ACME.P26"));
    EXPECT_EQ(QuarterlyCopyName(QStringLiteral("ACME"), 3), QStringLiteral("ACME_3Q"));
}

// ---- ResetPayroll ----

TEST_F(ClosePeriodTest, ResetPayrollClearsOneColumnAndWhatBelongsToIt)
{
    struct {
        int period;
        bool hoursCleared;
        bool baseWeeksCleared;
    } const cases[] = {{kResetCurrent, true, false}, {kResetMonthToDate, false, false}, {kResetQuarterToDate, false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.period);
        fillEmployees();
        ResetPayroll(c.period);
        EXPECT_EQ(module->RSEmployee.CurrentRecord(), 2);
        for (int n = 1; n <= 3; ++n) {
            readEmployee(n);  // from the file: every employee was posted
            for (int column = Now; column <= Ytd; ++column)
                expectColumn(n, column, column == c.period);
            EXPECT_EQ(EmployeeRec.RegularTime, c.hoursCleared ? 0 : 40);
            EXPECT_EQ(EmployeeRec.OverTime, c.hoursCleared ? 0 : 2);
            EXPECT_EQ(EmployeeRec.OtherTime, c.hoursCleared ? 0 : 3);
            EXPECT_EQ(EmployeeRec.HolidayTime, c.hoursCleared ? 0 : 8);
            EXPECT_EQ(EmployeeRec.VacationTime, c.hoursCleared ? 0 : 16);
            EXPECT_EQ(EmployeeRec.SickTime, c.hoursCleared ? 0 : 4);
            EXPECT_EQ(EmployeeRec.CheckNumber, c.hoursCleared ? 0 : 100 + n);
            EXPECT_EQ(EmployeeRec.BaseWeeks, c.baseWeeksCleared ? 0 : 9);
        }
    }
}

TEST_F(ClosePeriodTest, ResetPayrollNeverClearsYearToDate)
{
    EXPECT_THROW(ResetPayroll(Ytd), std::invalid_argument);
    EXPECT_THROW(ResetPayroll(0), std::invalid_argument);
    readEmployee(1);
    expectColumn(1, Ytd, false);
}

TEST_F(ClosePeriodTest, AnErrorInTheWalkLeavesTheCurrentEmployeeCurrent)
{
    const TRecordSetEvent post = module->RSEmployee.OnBeforePost;
    module->RSEmployee.OnBeforePost = [post](TRecordSet& sender) {
        if (sender.CurrentRecord() == 3)
            throw ERecordSetException(QStringLiteral("disk full"));
        post(sender);
    };
    EXPECT_THROW(ResetPayroll(kResetMonthToDate), ERecordSetException);
    module->RSEmployee.OnBeforePost = post;
    EXPECT_EQ(module->RSEmployee.CurrentRecord(), 2);
    EXPECT_EQ(EmployeeRec.FirstName.get(), QStringLiteral("Ann2"));
    expectColumn(2, Mtd, true);  // posted before the failure
}

// ---- Close Month ----

TEST_F(ClosePeriodTest, CloseMonthClearsMonthToDateOnly)
{
    messages.expect(IdOk, QString::fromLatin1(kCloseMonthQuestion));
    messages.expect(IdOk, QStringLiteral("Month-to-date totals have been closed.\rLedgora is now ready begin a new payroll month."));
    CloseMonth();
    EXPECT_EQ(messages.shown()[0].flags, MbOkCancel | MbIconQuestion | MbDefButton2);
    EXPECT_EQ(messages.shown()[1].flags, MbOk);
    EXPECT_EQ(opened, QStringList({"processing menu"}));
    EXPECT_EQ(module->RSEmployee.CurrentRecord(), 2);
    for (int n = 1; n <= 3; ++n) {
        readEmployee(n);
        expectColumn(n, Now, false);
        expectColumn(n, Mtd, true);
        expectColumn(n, Qtd, false);
        expectColumn(n, Ytd, false);
        expectHoursKept(n);
        EXPECT_EQ(EmployeeRec.BaseWeeks, 9);
    }
}

TEST_F(ClosePeriodTest, DeclinedClosesChangeNothing)
{
    messages.expect(IdCancel, QStringLiteral("MONTH-TO-DATE totals."));
    CloseMonth();
    messages.expect(IdCancel, QStringLiteral("QUARTER-TO-DATE totals"));
    CloseQuarter();
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_FALSE(QFile::exists(quarterlyCopy(QStringLiteral("ACME_3Q.P26"))));
    for (int n = 1; n <= 3; ++n) {
        readEmployee(n);
        for (int column = Now; column <= Ytd; ++column)
            expectColumn(n, column, false);
    }
}

TEST_F(ClosePeriodTest, BrowseOnlyClientIsRefusedBeforeAnyQuestion)
{
    std::unique_ptr<TFrmDataModule> second = openBrowseOnlyCopy();
    EXPECT_THROW(CloseMonth(), ERecordSetException);
    EXPECT_THROW(CloseQuarter(), ERecordSetException);
    second.reset();
    FrmDataModule = module.get();
    EXPECT_EQ(messages.shown().size(), 1u);  // only the browse-only notice of the second opening
}

// ---- Close Quarter ----

TEST_F(ClosePeriodTest, CloseQuarterCopiesTheClientThenClearsTheQuarter)
{
    CompanyRecord& c = CompanyRec;
    c.QuarterEndDate = QStringLiteral("09/30/2026");
    c.F941NumEmps = 3;
    for (int entry = 1; entry <= 40; ++entry)
        c.F941Amount[entry] = entry;
    for (RecordBool& mark : c.F941ChkMark)
        mark = true;
    c.F941EndDate = QStringLiteral("09/30/2026");
    for (int month = 1; month <= 3; ++month) {
        for (int day = 1; day <= 32; ++day)
            c.TaxLibMonth[month][day] = month * 100 + day;
        c.MonthlyStateTax[month] = 50 * month;
        c.EmpPaidCount[month] = 3;
        c.NJEmpPaidCount[month] = 1;
    }
    c.TaxLibQtr = 12345.67;
    for (int entry = 14; entry <= 18; ++entry)
        c.F940Amount[entry] = entry * 10;
    c.LastPostedMonth = 9;
    c.PriorPeriodCount = 12;
    module->RSCompany.PostRec();
    const QByteArray companyBefore = ReadTestFile(CompanyFileName);
    const QByteArray employeesBefore = ReadTestFile(CurFileName);

    messages.expect(IdOk, QString::fromLatin1(kCloseQuarterQuestion));
    messages.expect(IdOk, QStringLiteral("Quarter-to-date totals have been closed.\rLedgora is now ready begin a new payroll "
                                         "quarter.\r\rNOTE: A copy of this file was saved to the Quarterly\rData folder "
                                         "prior to closing the quarter."));
    CloseQuarter();
    EXPECT_EQ(messages.shown()[0].flags, MbOkCancel | MbIconQuestion | MbDefButton2);
    EXPECT_EQ(messages.shown()[1].flags, MbOk);
    EXPECT_EQ(opened, QStringList({"processing menu"}));

    EXPECT_EQ(ReadTestFile(quarterlyCopy(QStringLiteral("ACME_3Q.C26"))), companyBefore);
    EXPECT_EQ(ReadTestFile(quarterlyCopy(QStringLiteral("ACME_3Q.P26"))), employeesBefore);

    EXPECT_EQ(module->RSEmployee.CurrentRecord(), 2);
    for (int n = 1; n <= 3; ++n) {
        readEmployee(n);
        expectColumn(n, Now, false);
        expectColumn(n, Mtd, true);
        expectColumn(n, Qtd, true);
        expectColumn(n, Ytd, false);
        expectHoursKept(n);
        EXPECT_EQ(EmployeeRec.BaseWeeks, 0);
    }

    module->RSCompany.GetRec();  // what was posted
    EXPECT_EQ(c.CurrentQuarter, 0);
    EXPECT_EQ(c.QuarterEndDate.get(), QString());
    EXPECT_EQ(c.F941NumEmps, 0);
    for (int entry = 1; entry <= 40; ++entry)
        EXPECT_EQ(c.F941Amount[entry], entry <= 35 ? 0 : entry) << "941 entry " << entry;
    for (const RecordBool& mark : c.F941ChkMark)
        EXPECT_FALSE(mark);
    EXPECT_EQ(c.F941EndDate.get(), QString());
    for (int month = 1; month <= 3; ++month) {
        for (int day = 1; day <= 32; ++day)
            EXPECT_EQ(c.TaxLibMonth[month][day], 0);
        EXPECT_EQ(c.MonthlyStateTax[month], 0);
        EXPECT_EQ(c.EmpPaidCount[month], 0);
        EXPECT_EQ(c.NJEmpPaidCount[month], 0);
    }
    EXPECT_EQ(c.TaxLibQtr, 0);
    for (int entry = 14; entry <= 18; ++entry)
        EXPECT_EQ(c.F940Amount[entry], entry * 10);
    EXPECT_EQ(c.LastPostedMonth, 9);
    EXPECT_EQ(c.PriorPeriodCount, 12);
}

TEST_F(ClosePeriodTest, CloseQuarterWithoutAQuarterOverwritesThePlainCopies)
{
    CompanyRec.CurrentQuarter = 0;
    module->RSCompany.PostRec();
    ASSERT_TRUE(QDir().mkpath(QuarterlyDataDir));
    WriteTestFile(quarterlyCopy(QStringLiteral("ACME.C26")), QByteArray("old company copy"));
    WriteTestFile(quarterlyCopy(QStringLiteral("ACME.P26")), QByteArray("old employee copy"));
    const QByteArray employeesBefore = ReadTestFile(CurFileName);
    messages.expect(IdOk, QStringLiteral("QUARTER-TO-DATE"));
    messages.expect(IdOk, QStringLiteral("Quarter-to-date totals have been closed."));
    CloseQuarter();
    EXPECT_EQ(ReadTestFile(quarterlyCopy(QStringLiteral("ACME.P26"))), employeesBefore);
    EXPECT_EQ(ReadTestFile(quarterlyCopy(QStringLiteral("ACME.C26"))).size(), int(sizeof(CompanyRecord)));
}

TEST_F(ClosePeriodTest, FailedCopyClearsNothingAndSaysSo)
{
    ASSERT_TRUE(QDir().mkpath(QuarterlyDataDir));
    const QString blocked = quarterlyCopy(QStringLiteral("ACME_3Q.P26"));
    WriteTestFile(blocked, QByteArray("an older copy the user protected"));
    ASSERT_TRUE(QFile::setPermissions(blocked, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

    messages.expect(IdOk, QStringLiteral("QUARTER-TO-DATE"));
    try {
        CloseQuarter();
        FAIL() << "the failed copy was not reported";
    } catch (const ECopyFileException& e) {
        EXPECT_TRUE(e.message().contains(blocked)) << e.message().toStdString();
        EXPECT_TRUE(e.message().endsWith(
            QStringLiteral("\r\rThe quarter was not closed: no totals or Form 941 data were cleared.")))
            << e.message().toStdString();
    }
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(module->RSEmployee.CurrentRecord(), 2);
    for (int n = 1; n <= 3; ++n) {
        readEmployee(n);
        for (int column = Now; column <= Ytd; ++column)
            expectColumn(n, column, false);
        EXPECT_EQ(EmployeeRec.BaseWeeks, 9);
    }
    EXPECT_EQ(CompanyRec.CurrentQuarter, 3);
    QFile::setPermissions(blocked, QFile::ReadOwner | QFile::WriteOwner);
}

// A full disk at each write, sync, close or rename of Close Quarter in turn: the quarterly copies
// are the older pair or a whole copy of the client as it was, never a mix, and a failure during
// the copy clears nothing.
TEST_F(ClosePeriodTest, FullDiskAtAnyStepKeepsTheQuarterlyCopiesWhole)
{
    ASSERT_TRUE(QDir().mkpath(QuarterlyDataDir));
    const QString employeeCopy = quarterlyCopy(QStringLiteral("ACME_3Q.P26"));
    const QString companyCopy = quarterlyCopy(QStringLiteral("ACME_3Q.C26"));
    WriteTestFile(employeeCopy, QByteArray("an older employee copy"));
    WriteTestFile(companyCopy, QByteArray("an older company copy"));
    const QByteArray olderCopies = ReadTestFile(companyCopy) + ReadTestFile(employeeCopy);
    const MessageBoxHandler previous = SetMessageBoxHandler([](const QString&, const QString&, int) { return int(IdOk); });

    int n = 1;
    for (;; ++n) {
        SCOPED_TRACE(n);
        CompanyRec.CurrentQuarter = 3;
        const QByteArray client = ReadTestFile(CompanyFileName) + ReadTestFile(CurFileName);
        FailingFileOperations failing(kWritingOperations, n);
        QString message;
        try {
            CloseQuarter();
        } catch (const Exception& e) {
            message = e.message();
        }
        const QByteArray copies = ReadTestFile(companyCopy) + ReadTestFile(employeeCopy);
        if (failing.failedPath().isEmpty()) {
            EXPECT_EQ(message, QString());
            EXPECT_EQ(copies, client);
            break;
        }
        EXPECT_TRUE(NamesFileAndReason(message, QStringLiteral("No space left on device"))) << message.toStdString();
        EXPECT_TRUE(copies == olderCopies || copies == client) << "the quarterly copies are a mixed pair";
        EXPECT_EQ(QDir(QuarterlyDataDir).entryList({QStringLiteral("*.part")}, QDir::Files | QDir::Hidden),
                  QStringList());
        if (message.endsWith(QStringLiteral("no totals or Form 941 data were cleared.")))
            EXPECT_EQ(ReadTestFile(CompanyFileName) + ReadTestFile(CurFileName), client);
    }
    SetMessageBoxHandler(previous);
    EXPECT_GE(n, 10);
}

namespace {

// Answers every question of the command with OK while it runs.
class AnsweringOk {
public:
    AnsweringOk()
        : previous_(SetMessageBoxHandler([](const QString&, const QString&, int) { return int(IdOk); }))
    {
    }
    ~AnsweringOk() { SetMessageBoxHandler(previous_); }
    AnsweringOk(const AnsweringOk&) = delete;
    AnsweringOk& operator=(const AnsweringOk&) = delete;

private:
    MessageBoxHandler previous_;
};

} // namespace

// Close Quarter as a step of the client's two files: the copy into the quarterly folder is its
// own step, and the clearing puts both files in place through the journal beside the client.
class CloseQuarterStepTest : public ClosePeriodTest {
protected:
    // Drops the client as a stopped program would: nothing in memory is written.
    void abandonClient()
    {
        for (TRecordSet* set : {&module->RSEmployee, &module->RSCompany, &module->RSState, &module->RSCity}) {
            const TRecordSetEvent beforeClose = std::exchange(set->OnBeforeClose, nullptr);
            const TRecordSetEvent afterClose = std::exchange(set->OnAfterClose, nullptr);
            set->CloseRecSet();
            set->OnBeforeClose = beforeClose;
            set->OnAfterClose = afterClose;
        }
    }

    JournaledStep step()
    {
        const QString client = clientPath();
        const QString quarterlyJournal = quarterlyCopy(QStringLiteral("ACME_3Q") + kChangeJournalSuffix);
        return {{client, ChangeFileExt(client, QStringLiteral(".C26"))},
                {QFileInfo(client).absolutePath(), QuarterlyDataDir},
                ChangeFileExt(client, kChangeJournalSuffix),
                [this] {
                    abandonClient();
                    // Each run makes the quarterly copies afresh, so the copy's own journal never
                    // replaces a file by the same bytes.
                    QFile::remove(quarterlyCopy(QStringLiteral("ACME_3Q.P26")));
                    QFile::remove(quarterlyCopy(QStringLiteral("ACME_3Q.C26")));
                    openClient();
                    readEmployee(2);
                },
                [this] {
                    AnsweringOk ok;
                    if (!module->RSEmployee.Active())
                        openClient();
                    try {
                        CloseQuarter();
                    } catch (const ECustomException& e) {
                        // A failure to open the client again after the quarter stands closed
                        // fails no step: it is said, and the next opening opens it.
                        if (!e.message().startsWith(QStringLiteral("The quarter was closed: its totals and Form 941 "
                                                                   "data were cleared.\r\rThe client could not be "
                                                                   "opened again:\r")))
                            throw;
                    }
                },
                [this, quarterlyJournal] {
                    abandonClient();
                    if (QFileInfo::exists(quarterlyJournal))
                        messages.expect(IdOk, QStringLiteral("did not finish"));
                    RecoverInterruptedChanges(QuarterlyDataDir);
                    openClient();
                }};
    }
};

TEST_F(CloseQuarterStepTest, EachFailingFileOperationLeavesBothClientFilesAsTheyWere)
{
    ExpectFaultsChangeNothing(step(), messages);
}

TEST_F(CloseQuarterStepTest, AStopAnywhereIsFinishedOrUndoneAtTheNextOpening)
{
    ExpectStopsFinishOrUndo(step(), messages);
}

// A fault while the quarter is cleared names the file and the system's reason, leaves both files
// as they were and the client open on its employee.
TEST_F(CloseQuarterStepTest, FaultWhileClearingSaysWhyAndKeepsTheClientOpen)
{
    const QByteArray before = ReadTestFile(CompanyFileName) + ReadTestFile(CurFileName);
    ASSERT_TRUE(QDir().mkpath(QuarterlyDataDir));
    const QString client = CurFileName;
    bool copied = false;
    QString message;
    {
        // The quarterly copy goes through; the first write of the client's new files fails.
        const FileOperationFault previous = SetFileOperationFault([&](FileOperation operation, const QString& path) {
            if (operation == FileOperation::Rename && path.startsWith(QuarterlyDataDir))
                copied = true;
            return copied && operation == FileOperation::Write && !path.startsWith(QuarterlyDataDir) ? ENOSPC : 0;
        });
        AnsweringOk ok;
        try {
            CloseQuarter();
        } catch (const Exception& e) {
            message = e.message();
        }
        SetFileOperationFault(previous);
    }
    EXPECT_TRUE(NamesFileAndReason(message, QStringLiteral("No space left on device"))) << message.toStdString();
    EXPECT_TRUE(message.endsWith(QStringLiteral("\r\rThe quarter was not closed: no totals or Form 941 data were cleared.")))
        << message.toStdString();
    EXPECT_EQ(ReadTestFile(CompanyFileName) + ReadTestFile(CurFileName), before);
    EXPECT_FALSE(QFileInfo::exists(ChangeFileExt(client, kChangeJournalSuffix)));
    ASSERT_TRUE(module->RSEmployee.Active());
    EXPECT_EQ(module->RSEmployee.CurrentRecord(), 2);
    EXPECT_EQ(EmployeeRec.FirstName.get(), QStringLiteral("Ann2"));
    EXPECT_EQ(CompanyRec.CurrentQuarter, 3);
}
