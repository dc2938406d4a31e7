#include "payroll/PayPeriod.h"

#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "components/DateRoutines.h"
#include "components/NumberRoutines.h"
#include "components/TextRoutines.h"
#include "payroll/PayRunHooks.h"
#include "payroll/UpdateCheckTiming.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"

#include <QCoreApplication>

namespace {

// The check number a field holds, or none when its text is not a whole number.
std::optional<int> CheckNumberOf(const QString& text)
{
    try {
        return TextToInt(text);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

bool IsBefore(const QString& date, const QString& limit)
{
    return DateFromText(date) < DateFromText(limit);
}

int MonthOf(const QString& date)
{
    int month = 0;
    int day = 0;
    int year = 0;
    SplitDateStr(date, month, day, year);
    return month;
}

bool AskToGoOn(const char* text)
{
    return AppMessageBox(QString::fromLatin1(text), QCoreApplication::applicationName(),
                         MbYesNo | MbIconWarning | MbDefButton2)
           == IdYes;
}

} // namespace

PayPeriodForm LoadPayPeriodForm()
{
    PayPeriodForm form;
    form.PayDateFrom = CompanyRec.PayDateFrom.get();
    form.PayDateTo = CompanyRec.PayDateTo.get();
    form.PayDate = CompanyRec.PayDate.get();
    form.StartChkNum = QString::number(CompanyRec.StartChkNum);
    form.ProcessFrequency = CompanyRec.ProcessFrequency <= 4 ? CompanyRec.ProcessFrequency : -1;
    return form;
}

void SavePayPeriodForm(const PayPeriodForm& form)
{
    CompanyRec.PayDateFrom = form.PayDateFrom;
    CompanyRec.PayDateTo = form.PayDateTo;
    CompanyRec.PayDate = form.PayDate;
    // A text that is no number (only pasting can put one there) keeps the stored number.
    if (const std::optional<int> number = CheckNumberOf(form.StartChkNum))
        CompanyRec.StartChkNum = *number;
    if (form.ProcessFrequency >= 0 && form.ProcessFrequency <= 4)
        CompanyRec.ProcessFrequency = static_cast<std::uint8_t>(form.ProcessFrequency);
}

std::optional<PayPeriodProblem> CheckPayPeriodForm(const PayPeriodForm& form)
{
    using F = PayPeriodField;
    if (!IsValidDateStr(form.PayDateFrom))
        return PayPeriodProblem{F::PayDateFrom, QStringLiteral("The starting pay period date is invalid.")};
    if (!IsValidDateStr(form.PayDateTo) || DaysBetweenDates(form.PayDateFrom, form.PayDateTo) == 0)
        return PayPeriodProblem{F::PayDateTo, QStringLiteral("The ending pay period date is invalid.")};
    if (IsBefore(form.PayDateTo, form.PayDateFrom))
        return PayPeriodProblem{F::PayDateTo,
                                QStringLiteral("The ending pay period date cannot be~before the starting pay period date.")};
    if (!IsValidDateStr(form.PayDate))
        return PayPeriodProblem{F::PayDate, QStringLiteral("The pay date is invalid")};
    if (!IsDateInRange(form.PayDate, QStringLiteral("01/01/2026"), QStringLiteral("12/31/2026")))
        return PayPeriodProblem{F::PayDate, QStringLiteral("The pay date must be within calendar year 2026")};
    if (IsBefore(form.PayDate, form.PayDateTo))
        return PayPeriodProblem{F::PayDate, QStringLiteral("The pay date cannot be before~the ending pay period date.")};
    const std::optional<int> checkNumber = CheckNumberOf(form.StartChkNum);
    if (!checkNumber)
        return PayPeriodProblem{F::StartChkNum, QStringLiteral("The starting check number is invalid.")};
    if (CompanyRec.GenerateChk && *checkNumber == 0)
        return PayPeriodProblem{
            F::StartChkNum,
            QStringLiteral("The  starting check number cannot be  \"0\"~when generate checks has been selected.")};
    return std::nullopt;
}

bool PayDateStartsNewMonth(bool closeMonthEnabled)
{
    const int lastPosted = CompanyRec.LastPostedMonth;
    return closeMonthEnabled && lastPosted != 0 && lastPosted != MonthOf(CompanyRec.PayDate.get());
}

bool PayDateStartsNewQuarter(bool closeQuarterEnabled)
{
    if (!closeQuarterEnabled)
        return false;
    const int quarter = CompanyRec.CurrentQuarter;
    if (quarter == 0)
        return false;  // nothing posted since the last Close Quarter
    if (quarter < 1 || quarter > 4)
        return true;
    const int month = MonthOf(CompanyRec.PayDate.get());
    return month < quarter * 3 - 2 || month > quarter * 3;
}

bool ProcessPayPeriod(const PayPeriodForm& form, bool closeMonthEnabled, bool closeQuarterEnabled,
                      const std::function<void(PayPeriodField)>& focus)
{
    if (const std::optional<PayPeriodProblem> problem = CheckPayPeriodForm(form)) {
        if (focus)
            focus(problem->Field);
        throw EFieldException(TildeToLineBreak(problem->Message));
    }
    SavePayPeriodForm(form);
    if (PayDateStartsNewMonth(closeMonthEnabled)
        && !AskToGoOn("The  pay date  you have entered  starts a new month and~and there are employees with "
                      "accumulated month-to-date~totals from a previous month.~~Do you want to process this payroll "
                      "anyway?~~"))
        return false;
    if (PayDateStartsNewQuarter(closeQuarterEnabled)
        && !AskToGoOn("The  pay date  you have entered  starts a new quarter and~and there are employees with "
                      "accumulated quarter-to-date~totals from a previous quarter.~~Do you want to process this "
                      "payroll anyway?~~"))
        return false;
    return true;
}

void CancelPayPeriod(PayPeriodForm& form)
{
    form.PayDate = QString::fromLatin1(kBlankDate);
    SavePayPeriodForm(form);
}

QString StepStartingCheckNumber(const QString& text, int step)
{
    const qint64 number = CheckNumberOf(text).value_or(0);
    if (step < 0 && number <= 0)
        return QString::number(number);
    return QString::number(number + step);
}

void PayPeriodCommand()
{
    if (TakeDueUpdateCheck())
        RunHook(PayRunWindows.WebUpdate);
    CheckBrowseMode();
    RunHook(PayRunWindows.PayPeriodDialog);
    RunHook(PayRunWindows.SetupProcessingMenu);
}
