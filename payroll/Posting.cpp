#include "payroll/Posting.h"

#include "client/DirectDepositFile.h"
#include "client/EmployeeLoop.h"
#include "client/FileNames.h"
#include "client/PayDataModule.h"
#include "client/PayHistoryMap.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "client/PostingJournal.h"
#include "components/DateRoutines.h"
#include "components/FileRoutines.h"
#include "components/TextRoutines.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/HourglassCursor.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <exception>
#include <utility>

std::function<bool()> PostingConfirmation;
std::function<void(int employeesPosted)> AfterEmployeePosted;

namespace {

const QString kBlankDate = QStringLiteral("  /  /    ");

QString AppTitle()
{
    return QCoreApplication::applicationName();
}

bool AskPostingConfirmation()
{
    return AppMessageBox(
               QStringLiteral(
                   "POST THE CURRENT PAYROLL?~~This routine will post the current payroll totals to the employee's month, "
                   "quarter and year-to-date accumulation;  resets the current payroll totals and sets up the program to "
                   "process a new payroll period.~~Make  sure that you have printed the current payroll reports and checks "
                   "and  that  you  have  backed-up  your  data  in  case  of any incomplete termination of the payroll "
                   "process.~~It  is  recommended  that you create a backup on an external drive prior to posting the "
                   "current payroll.  The  program will create a backup on the local drive. If you later discover an error "
                   "in the processed payroll, use the Program's Restore command to revert back to the last un-posted "
                   "payroll."),
               QStringLiteral("Ledgora Post Current Payroll"), MbOkCancel | MbIconQuestion)
           == IdOk;
}

QString MessageOf(const std::exception_ptr& error)
{
    try {
        std::rethrow_exception(error);
    } catch (const Exception& e) {
        return e.message();
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return QStringLiteral("An unknown error occurred.");
    }
}

// Opens the client again as the program's own re-opening: no password is asked.
void ReopenClient(TFrmDataModule& module)
{
    struct SkipPassword {
        SkipPassword() { SkipPasswordPrompt = true; }
        ~SkipPassword() { SkipPasswordPrompt = false; }
    } skip;
    module.RSEmployee.OpenRecSet();
    if (!module.RSEmployee.Active())
        throw ECustomException(QStringLiteral("%1 could not be opened again.").arg(CurFileName));
}

// Closes every file of the client without writing the records in memory, which may hold half a
// posting.
void CloseClientWithoutSaving(TFrmDataModule& module)
{
    for (TRecordSet* set : {&module.RSEmployee, &module.RSCompany, &module.RSState, &module.RSCity}) {
        const TRecordSetEvent beforeClose = std::exchange(set->OnBeforeClose, nullptr);
        const TRecordSetEvent afterClose = std::exchange(set->OnAfterClose, nullptr);
        try {
            set->CloseRecSet();
        } catch (...) {
            // The files are put back from the copies next; a failed close changes nothing there.
        }
        set->OnBeforeClose = beforeClose;
        set->OnAfterClose = afterClose;
    }
}

// The client's current column, period dates and check number go into pay history slot
// CompanyRec.PriorPeriodCount.
void SavePriorPayPeriod()
{
    const int slot = CompanyRec.PriorPeriodCount;
    CompanyRec.PriorPayDateFrom[slot] = CompanyRec.PayDateFrom.get().left(10);
    CompanyRec.PriorPayDateTo[slot] = CompanyRec.PayDateTo.get().left(10);
    CompanyRec.PriorPayDate[slot] = CompanyRec.PayDate.get().left(10);
    EmployeeRec.CheckNumHistory[slot] = EmployeeRec.CheckNumber;
    for (int row = 0; row < kPayHistoryRowCount; ++row)
        EmployeeRec.PayHistory[row][slot] = AmountGroup(EmployeeRec, AmountGroupOfPayHistoryRow(row))[kCurrentColumn];
}

// Clears every employee's current column with the period's hours and check number.
void ClearCurrentColumns(TFrmDataModule& module)
{
    module.RSEmployee.PostRec();
    EmployeeLoop loop;
    while (loop.Next()) {
        EmployeeRecord& e = EmployeeRec;
        for (int group = 0; group < kAmountGroupCount; ++group)
            AmountGroup(e, group)[kCurrentColumn] = 0;
        e.RegularTime = e.OverTime = e.OtherTime = e.HolidayTime = e.VacationTime = e.SickTime = 0;
        e.CheckNumber = 0;
        module.RSEmployee.PostRec();
    }
    loop.Finish();
}

// Steps 11.2 to 11.8 for the current employee.
void PostEmployee(int monthOfQuarter, int& paidCount, int& njPaidCount)
{
    EmployeeRecord& e = EmployeeRec;
    SavePriorPayPeriod();
    for (int group = 0; group < kAmountGroupCount; ++group) {
        TPeriodAmounts& amounts = AmountGroup(e, group);
        for (int column = kMonthToDateColumn; column <= kYearToDateColumn; ++column)
            amounts[column] += amounts[kCurrentColumn];
    }
    AddBaseWeeks();
    CompanyRec.MonthlyStateTax[monthOfQuarter] += e.StateTax[kCurrentColumn];
    if (e.GrossWages[kCurrentColumn] > 0) {
        ++paidCount;
        if (e.WorkState.get().compare(QStringLiteral("NJ"), Qt::CaseInsensitive) == 0)
            ++njPaidCount;
    }
    RebuildW2Box12();
    UpdateTotalColumns(kCurrentColumn);
}

// Everything posting changes, from the history slot to the cleared current columns. Runs while
// the journal marks the client as being posted.
void PostPayRun(TFrmDataModule& module, bool historyFull)
{
    if (historyFull)
        CompanyRec.PriorPeriodCount = kStoredPayPeriods;
    else
        ++CompanyRec.PriorPeriodCount;

    HourglassCursor hourglass;
    if (CompanyRec.DirDeposit)
        ExportDirectDeposit();

    int month = 0;
    int day = 0;
    int year = 0;
    SplitDateStr(CompanyRec.PayDate.get(), month, day, year);
    PostTaxLiabilities();

    const int monthOfQuarter = MonthOfQuarter(month);
    int paidCount = 0;
    int njPaidCount = 0;
    int posted = 0;
    EmployeeLoop loop;
    while (loop.Next()) {
        PostEmployee(monthOfQuarter, paidCount, njPaidCount);
        module.RSEmployee.PostRec();
        ++posted;
        if (AfterEmployeePosted)
            AfterEmployeePosted(posted);
    }
    loop.Finish();

    CompanyRecord& c = CompanyRec;
    const int days = PeriodDays(c.ProcessFrequency);
    c.PayDateFrom = AddDaysToDateStr(c.PayDateFrom.get(), days);
    c.PayDateTo = AddDaysToDateStr(c.PayDateTo.get(), days);
    c.PayDate = kBlankDate;
    if (c.StartChkNum != 0)
        c.StartChkNum = c.LastChkNum + 1;
    c.LastPostedMonth = month;
    c.PayrollPosted = true;
    c.EmpPaidCount[monthOfQuarter] = std::max(c.EmpPaidCount[monthOfQuarter], paidCount);
    c.NJEmpPaidCount[monthOfQuarter] = std::max(c.NJEmpPaidCount[monthOfQuarter], njPaidCount);
    module.RSCompany.PostRec();

    ClearCurrentColumns(module);
}

// After a failure inside the posting: both files go back to the copies made before it began and
// the client is opened again. Always raises, with the failure and what became of the client.
[[noreturn]] void RollBack(TFrmDataModule& module, const QString& employeeFile, const std::exception_ptr& failure)
{
    const QString reason = MessageOf(failure);
    CloseClientWithoutSaving(module);
    QString outcome;
    try {
        if (RestoreFromPostingJournal(employeeFile) == JournalRestore::InUse)
            throw ECustomException(QStringLiteral("Another program writes %1.").arg(employeeFile));
    } catch (...) {
        FileIsOpen = false;
        throw ECustomException(TildeToLineBreak(
            reason + QStringLiteral("~~Posting was stopped, and the client could not be put back as it was before "
                                    "posting yet:~")
            + MessageOf(std::current_exception())
            + QStringLiteral("~~The client was closed; it is put back when it is next opened.")));
    }
    try {
        ReopenClient(module);
    } catch (...) {
        FileIsOpen = false;
        throw ECustomException(TildeToLineBreak(
            reason + QStringLiteral("~~Posting was stopped and nothing was posted, but the client could not be opened "
                                    "again:~")
            + MessageOf(std::current_exception())));
    }
    throw ECustomException(TildeToLineBreak(
        reason + QStringLiteral("~~Posting was stopped and nothing was posted: the client is as it was before posting.")));
}

} // namespace

void PostPayroll()
{
    CheckBrowseMode();
    TFrmDataModule& module = DataModule();
    if (!module.RSEmployee.Active() || !IsValidDateStr(CompanyRec.PayDate.get()))
        throw ECustomException(QStringLiteral("There is no pay period to post."));
    if (!(PostingConfirmation ? PostingConfirmation() : AskPostingConfirmation()))
        return;

    const QString employeeFile = CurFileName;
    const QString companyCopy = BackupDir + ExtractFileName(CompanyFileName);
    const QString employeeCopy = BackupDir + ExtractFileName(employeeFile);

    module.RSEmployee.CloseRecSet();
    try {
        if (!QDir().mkpath(BackupDir))
            throw ECopyFileException(QStringLiteral("Unable to create the folder %1.").arg(BackupDir));
        CopyFileChecked(CompanyFileName, companyCopy, false);
        CopyFileChecked(employeeFile, employeeCopy, false);
    } catch (...) {
        const std::exception_ptr failure = std::current_exception();
        try {
            ReopenClient(module);
        } catch (...) {
            throw ECustomException(TildeToLineBreak(MessageOf(failure) + QStringLiteral("~~") +
                                                    MessageOf(std::current_exception())));
        }
        throw;
    }
    ReopenClient(module);
    CheckBrowseMode();

    const bool historyFull = CompanyRec.PriorPeriodCount >= kStoredPayPeriods;
    if (historyFull) {
        if (AppMessageBox(QStringLiteral("You have reached the maximum number of Prior Payroll Periods~that can be stored by "
                                         "the program.~~You will not be able to view the current payroll once it has "
                                         "been~posted."),
                          AppTitle(), MbOkCancel | MbIconQuestion | MbDefButton2)
            != IdOk)
            return;
    }

    int month = 0;
    int day = 0;
    int year = 0;
    SplitDateStr(CompanyRec.PayDate.get(), month, day, year);

    try {
        BeginPostingJournal(employeeFile, CompanyRec.PayDate.get(), companyCopy, employeeCopy);
    } catch (const Exception& e) {
        throw ECustomException(TildeToLineBreak(e.message() + QStringLiteral("~~Posting was stopped and nothing was posted.")));
    }
    try {
        PostPayRun(module, historyFull);
        EndPostingJournal(employeeFile);
    } catch (...) {
        RollBack(module, employeeFile, std::current_exception());
    }

    ShowReminder(month, day);
}
