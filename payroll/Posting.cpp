#include "payroll/Posting.h"

#include "client/ClientFileCopy.h"
#include "client/DirectDepositFile.h"
#include "client/EmployeeLoop.h"
#include "client/FileNames.h"
#include "client/PayHistoryMap.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "client/PostingJournal.h"
#include "components/DateRoutines.h"
#include "components/NumberRoutines.h"
#include "components/TextRoutines.h"
#include "payroll/ClientReopening.h"
#include "payroll/ClosePeriod.h"
#include "payroll/PayHistory.h"
#include "payroll/PayPeriod.h"
#include "payroll/PayRunHooks.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/HourglassCursor.h"

#include <QDir>
#include <QStringList>

#include <algorithm>
#include <exception>
#include <optional>
#include <utility>

std::function<bool()> PostingConfirmation;
std::function<void(int employeesPosted)> AfterEmployeePosted;

namespace {

const QString kUnplacedBox12Message = QStringLiteral(
    "The payroll was posted, but box 12 of Form W-2 has no free entry for:~~%1~~Clear an entry from 12f to 12l on "
    "the Form W-2 screen; the next posting puts the code there.");

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

// Stores the current employee's period and adds it into the to-date columns. Box 12 codes that
// found no free entry are added to unplaced, one line each naming the employee.
void PostEmployee(int month, int& paidCount, int& njPaidCount, QStringList& unplaced)
{
    EmployeeRecord& e = EmployeeRec;
    SavePayPeriodToHistory();
    for (int group = 0; group < kAmountGroupCount; ++group) {
        TPeriodAmounts& amounts = AmountGroup(e, group);
        for (int column = kMonthToDateColumn; column <= kYearToDateColumn; ++column)
            amounts[column] += amounts[kCurrentColumn];
    }
    AddBaseWeeks();
    AddNewJerseyMonthTotals(month);
    AddPaidForThe12th();
    CompanyRec.MonthlyStateTax[MonthOfQuarter(month)] += e.StateTax[kCurrentColumn];
    if (e.GrossWages[kCurrentColumn] > 0) {
        ++paidCount;
        if (e.WorkState.get().compare(QStringLiteral("NJ"), Qt::CaseInsensitive) == 0)
            ++njPaidCount;
    }
    for (const Box12Amount& code : RebuildW2Box12())
        unplaced << QStringLiteral("%1: code %2, %3").arg(e.FullName.get().trimmed(), code.code, FormatAmount(code.amount, 2, true));
    UpdateTotalColumns(kCurrentColumn);
}

// Everything posting changes, from the history slot and the direct-deposit file (when the
// company pays by direct deposit) to the cleared current columns. Runs while the journal marks
// the client as being posted.
void PostPayRun(TFrmDataModule& module, int historySlot, const std::optional<QByteArray>& deposit,
                QStringList& unplacedBox12)
{
    CompanyRec.PriorPeriodCount = historySlot;

    HourglassCursor hourglass;
    if (deposit)
        WriteDirectDepositFile(*deposit);

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
        PostEmployee(month, paidCount, njPaidCount, unplacedBox12);
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
    c.PayDate = QString::fromLatin1(kBlankDate);
    if (c.StartChkNum != 0)
        c.StartChkNum = c.LastChkNum + 1;
    c.LastPostedMonth = month;
    c.PayrollPosted = true;
    c.EmpPaidCount[monthOfQuarter] = std::max(c.EmpPaidCount[monthOfQuarter], paidCount);
    c.NJEmpPaidCount[monthOfQuarter] = std::max(c.NJEmpPaidCount[monthOfQuarter], njPaidCount);
    module.RSCompany.PostRec();

    ResetPayroll(kResetCurrent);
}

// After a failure inside the posting: both files go back to the copies made before it began and
// the client is opened again. Always raises, with the failure and what became of the client.
[[noreturn]] void RollBack(TFrmDataModule& module, const QString& employeeFile, const std::exception_ptr& failure)
{
    const QString reason = MessageOf(failure);
    CloseClientWithoutSaving(module);
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

    ClientFileFingerprints copied;
    module.RSEmployee.CloseRecSet();
    try {
        if (!QDir().mkpath(BackupDir))
            throw ECopyFileException(QStringLiteral("Unable to create the folder %1.").arg(BackupDir));
        copied = CopyClientFiles({employeeFile, CompanyFileName}, {employeeCopy, companyCopy});
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

    // The direct-deposit lines are refused, and the file posting replaces is copied, before the
    // journal guards the client: a refusal here posts nothing.
    std::optional<QByteArray> deposit;
    std::optional<PostingDeposit> depositFiles;
    if (CompanyRec.DirDeposit) {
        deposit = DirectDepositBytes();
        try {
            depositFiles = CopyDirectDepositFile(BackupDir, *deposit);
        } catch (const Exception& e) {
            throw ECustomException(
                TildeToLineBreak(e.message() + QStringLiteral("~~Posting was stopped and nothing was posted.")));
        }
    }

    // The slot is taken in memory only once the journal guards the client, so a posting refused
    // before it leaves no stray count behind to be written later.
    const int periodCount = CompanyRec.PriorPeriodCount;
    if (!ClaimPayHistorySlot())
        return;
    const int historySlot = CompanyRec.PriorPeriodCount;
    CompanyRec.PriorPeriodCount = periodCount;

    int month = 0;
    int day = 0;
    int year = 0;
    SplitDateStr(CompanyRec.PayDate.get(), month, day, year);

    try {
        BeginPostingJournal(employeeFile, CompanyRec.PayDate.get(), {companyCopy, copied.company},
                            {employeeCopy, copied.employee}, depositFiles);
    } catch (const Exception& e) {
        throw ECustomException(TildeToLineBreak(e.message() + QStringLiteral("~~Posting was stopped and nothing was posted.")));
    }
    QStringList unplacedBox12;
    try {
        PostPayRun(module, historySlot, deposit, unplacedBox12);
        EndPostingJournal(employeeFile);
    } catch (...) {
        RollBack(module, employeeFile, std::current_exception());
    }
    if (!unplacedBox12.isEmpty())
        AppMessageBox(kUnplacedBox12Message.arg(unplacedBox12.join(QStringLiteral("~"))),
                      QStringLiteral("Ledgora Post Current Payroll"), MbOk | MbIconWarning);

    RunHook(PayRunWindows.SetupProcessingMenu);
    ShowReminder(month, day);
}
