#include "payroll/ClosePeriod.h"

#include "client/ClientFileCopy.h"
#include "client/EmployeeLoop.h"
#include "client/FileNames.h"
#include "client/PayDataModule.h"
#include "client/PayHistoryMap.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "client/RecordFileAccess.h"
#include "components/ChangeJournal.h"
#include "components/TextRoutines.h"
#include "payroll/ClientReopening.h"
#include "payroll/PayRunHooks.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/FileReading.h"
#include "platform/HourglassCursor.h"

#include <QCoreApplication>
#include <QDir>
#include <cstring>
#include <exception>
#include <stdexcept>

namespace {

const QString kQuarterClosed = QStringLiteral("The quarter was closed: its totals and Form 941 data were cleared.");
const QString kQuarterStillOpen = QStringLiteral("~~The quarter was not closed: no totals or Form 941 data were cleared.");

QString AppTitle()
{
    return QCoreApplication::applicationName();
}

bool Confirmed(const char* text)
{
    return AppMessageBox(QString::fromLatin1(text), AppTitle(), MbOkCancel | MbIconQuestion | MbDefButton2) == IdOk;
}

void ClearEmployeeColumn(EmployeeRecord& e, int period)
{
    for (int group = 0; group < kAmountGroupCount; ++group)
        AmountGroup(e, group)[period] = 0;
    if (period == kResetCurrent) {
        e.RegularTime = 0;
        e.OverTime = 0;
        e.OtherTime = 0;
        e.HolidayTime = 0;
        e.VacationTime = 0;
        e.SickTime = 0;
        e.CheckNumber = 0;
    }
    if (period == kResetQuarterToDate)
        e.BaseWeeks = 0;
}

// Copies the client's two files into the quarterly data folder as one step. A failure raises the
// copy error, extended by the news that the quarter is still open.
void CopyClientForQuarter()
{
    const int quarter = CompanyRec.CurrentQuarter;
    try {
        QDir().mkpath(QuarterlyDataDir);  // a missing folder makes the copy fail and say why
        const auto copyOf = [quarter](const QString& file) {
            return QuarterlyDataDir + QuarterlyCopyName(ExtractFileName(file), quarter);
        };
        CopyClientFiles({CurFileName, CompanyFileName}, {copyOf(CurFileName), copyOf(CompanyFileName)});
    } catch (const ECopyFileException& e) {
        throw ECopyFileException(
            e.message() + TildeToLineBreak(kQuarterStillOpen));
    }
}

// The records of a client file, refused as the copies refuse one that is no client file.
QByteArray ReadClientRecords(const QString& path, qsizetype recordSize, qsizetype maxRecords)
{
    const QByteArray bytes = ReadRegularFile(path, recordSize * maxRecords);
    if (bytes.isEmpty() || bytes.size() % recordSize != 0)
        throw EInOutError(DamagedFileText(path, QStringLiteral("the file is damaged or is not a client file.")));
    return bytes;
}

// The client's two files with the month and quarter closed: every employee's month- and
// quarter-to-date columns and base weeks, and the company's quarter data, cleared.
QList<FileChange> ClosedQuarterFiles()
{
    QByteArray employees = ReadClientRecords(CurFileName, sizeof(EmployeeRecord), kMaxEmployees);
    for (qsizetype at = 0; at < employees.size(); at += qsizetype(sizeof(EmployeeRecord))) {
        EmployeeRecord e;
        std::memcpy(&e, employees.constData() + at, sizeof e);
        ClearEmployeeColumn(e, kResetMonthToDate);
        ClearEmployeeColumn(e, kResetQuarterToDate);
        employees.replace(at, sizeof e, RecordImage(e));
    }
    QByteArray company = ReadClientRecords(CompanyFileName, sizeof(CompanyRecord), 1);
    CompanyRecord c;
    std::memcpy(&c, company.constData(), sizeof c);
    ClearCompanyQuarterData(c);
    company = RecordImage(c);
    return {{CurFileName, employees}, {CompanyFileName, company}};
}

// Clears the quarter in new copies of both files and puts them in place through the journal
// beside the client, so a stop at any moment leaves the client all as it was or all closed. The
// client is closed meanwhile (which saves what its screens hold) and opened again after, on
// the employee that was current.
void ClearQuarterInFiles()
{
    TFrmDataModule& module = DataModule();
    const int current = module.RSEmployee.CurrentRecord();
    const QString employeeFile = CurFileName;
    std::exception_ptr failure;
    try {
        module.RSEmployee.CloseRecSet();
        ApplyJournaledChange(ChangeFileExt(employeeFile, kChangeJournalSuffix),
                             QStringLiteral("The Close Quarter of the client %1").arg(employeeFile), ClosedQuarterFiles());
    } catch (const Exception&) {
        failure = std::current_exception();
    }
    QString reopening;
    try {
        if (!module.RSEmployee.Active())
            ReopenClient(module);
        if (current >= module.RSEmployee.FirstRecord() && current <= module.RSEmployee.LastRecord()) {
            module.RSEmployee.SetCurrentRecord(current);
            module.RSEmployee.GetRec();
        }
    } catch (const Exception& e) {
        FileIsOpen = false;
        reopening = TildeToLineBreak(QStringLiteral("~~The client could not be opened again:~")) + e.message();
    }
    if (failure) {
        try {
            std::rethrow_exception(failure);
        } catch (const Exception& e) {
            throw ECustomException(e.message() + TildeToLineBreak(kQuarterStillOpen) + reopening);
        }
    }
    if (!reopening.isEmpty())
        throw ECustomException(TildeToLineBreak(kQuarterClosed) + reopening);
}

} // namespace

void ResetPayroll(int period)
{
    if (period < kResetCurrent || period > kResetQuarterToDate)
        throw std::invalid_argument("ResetPayroll clears the current, month- or quarter-to-date column only");
    HourglassCursor hourglass;
    TRecordSet& employees = DataModule().RSEmployee;
    employees.PostRec();
    EmployeeLoop loop;
    while (loop.Next()) {
        ClearEmployeeColumn(EmployeeRec, period);
        employees.PostRec();
    }
    loop.Finish();
}

void ClearCompanyQuarterData(CompanyRecord& c)
{
    c.CurrentQuarter = 0;
    c.QuarterEndDate = QString();
    c.F941NumEmps = 0;
    for (int entry = 1; entry <= 35; ++entry)
        c.F941Amount[entry] = 0;
    for (RecordBool& mark : c.F941ChkMark)
        mark = false;
    c.F941EndDate = QString();
    for (auto& month : c.TaxLibMonth)
        for (double& cell : month)
            cell = 0;
    c.TaxLibQtr = 0;
    for (int month = 1; month <= 3; ++month) {
        c.MonthlyStateTax[month] = 0;
        c.EmpPaidCount[month] = 0;
        c.NJEmpPaidCount[month] = 0;
    }
}

QString QuarterlyCopyName(const QString& fileName, int quarter)
{
    if (quarter < 1 || quarter > 4)
        return fileName;
    const QString suffix = QStringLiteral("_%1Q").arg(quarter);
    const qsizetype dot = fileName.indexOf(QChar('.'));
    QString name = fileName;
    return dot < 0 ? name + suffix : name.insert(dot, suffix);
}

void CloseMonth()
{
    CheckBrowseMode();
    if (!Confirmed("Confirm request.~~You are about to close all MONTH-TO-DATE totals.~Be  sure  you  have backed-up "
                   "your data in case of~any incomplete termination of the payroll process."))
        return;
    ResetPayroll(kResetMonthToDate);
    AppMessageBox(QStringLiteral("Month-to-date totals have been closed.~Ledgora is now ready begin a new payroll month."),
                  AppTitle(), MbOk);
    RunHook(PayRunWindows.SetupProcessingMenu);
    DataModule().RSCompany.PostRec();
}

void CloseQuarter()
{
    CheckBrowseMode();
    if (!Confirmed("Confirm request.~~You are about to close all  QUARTER-TO-DATE totals~as well as all MONTH-TO-DATE "
                   "totals, and FORM 941~data.~~Be sure you have backed-up your data in case of~any incomplete "
                   "termination of the payroll process."))
        return;
    CopyClientForQuarter();
    ClearQuarterInFiles();
    AppMessageBox(QStringLiteral("Quarter-to-date totals have been closed.~Ledgora is now ready begin a new payroll "
                                 "quarter.~~NOTE: A copy of this file was saved to the Quarterly~Data folder prior to "
                                 "closing the quarter."),
                  AppTitle(), MbOk);
    RunHook(PayRunWindows.SetupProcessingMenu);
}
