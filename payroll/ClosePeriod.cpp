#include "payroll/ClosePeriod.h"

#include "client/ClientFileCopy.h"
#include "client/EmployeeLoop.h"
#include "client/FileNames.h"
#include "client/PayDataModule.h"
#include "client/PayHistoryMap.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "components/TextRoutines.h"
#include "payroll/PayRunHooks.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/HourglassCursor.h"

#include <QCoreApplication>
#include <QDir>
#include <stdexcept>

namespace {

QString AppTitle()
{
    return QCoreApplication::applicationName();
}

bool Confirmed(const char* text)
{
    return AppMessageBox(QString::fromLatin1(text), AppTitle(), MbOkCancel | MbIconQuestion | MbDefButton2) == IdOk;
}

void ClearEmployeeColumn(int period)
{
    EmployeeRecord& e = EmployeeRec;
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
            e.message()
            + TildeToLineBreak(QStringLiteral("~~The quarter was not closed: no totals or Form 941 data were cleared.")));
    }
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
        ClearEmployeeColumn(period);
        employees.PostRec();
    }
    loop.Finish();
}

void ClearCompanyQuarterData()
{
    CompanyRecord& c = CompanyRec;
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
    ResetPayroll(kResetMonthToDate);
    ResetPayroll(kResetQuarterToDate);
    ClearCompanyQuarterData();
    AppMessageBox(QStringLiteral("Quarter-to-date totals have been closed.~Ledgora is now ready begin a new payroll "
                                 "quarter.~~NOTE: A copy of this file was saved to the Quarterly~Data folder prior to "
                                 "closing the quarter."),
                  AppTitle(), MbOk);
    RunHook(PayRunWindows.SetupProcessingMenu);
    DataModule().RSCompany.PostRec();
}
