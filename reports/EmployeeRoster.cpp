#include "reports/EmployeeRoster.h"

#include "client/EmployeeIndex.h"
#include "client/EmployeeLoop.h"
#include "client/PayRecords.h"
#include "components/TextRoutines.h"
#include "platform/report/ReportCanvas.h"
#include "platform/report/TextFit.h"
#include "reports/ReportPages.h"

#include <vector>

namespace {

constexpr double kBaseY = 1.17;
constexpr double kLeftLabelX = 0.5;
constexpr double kLeftValueX = 2.5;
constexpr double kRightLabelX = 4.5;
constexpr double kRightValueX = 6.5;
constexpr double kRightEdge = 8.0;
constexpr double kCellGap = 0.08;
// Lines from this offset on are printed in the smaller type.
constexpr double kSmallTypeOffset = 1.67;

QString YesNo(bool flag)
{
    return flag ? QStringLiteral("Yes") : QStringLiteral("No");
}

QString OrNotAvailable(const QString& text)
{
    return IsBlank(text) ? QStringLiteral("N/A") : text;
}

// An unset date holds the empty mask "  /  /    " (or nothing, in records written elsewhere).
QString DateOrNotAvailable(const QString& date)
{
    QString digits = date;
    digits.remove(QLatin1Char('/'));
    return digits.trimmed().isEmpty() ? QStringLiteral("N/A") : date;
}

QString Allowances(int count)
{
    const QString text = QString::number(count);
    return text.size() == 1 ? QStringLiteral("0") + text : text;
}

QString GenderText(char16_t gender)
{
    if (gender == u'M')
        return QStringLiteral("Male");
    if (gender == u'F')
        return QStringLiteral("Female");
    return QStringLiteral("N/A");
}

QString FrequencyText(int frequency)
{
    switch (frequency) {
    case 1: return QStringLiteral("Weekly");
    case 2: return QStringLiteral("Biweekly");
    case 3: return QStringLiteral("Semimonthly");
    case 4: return QStringLiteral("Monthly");
    default: return QStringLiteral("N/A");
    }
}

struct RosterLine {
    double offset;
    QString leftLabel;
    QString leftValue;
    QString rightLabel;
    QString rightValue;
};

std::vector<RosterLine> EmployeeLines(const EmployeeRecord& e)
{
    const QString otherRate = IsBlank(e.OtherRateDesc) ? QStringLiteral("Other Rate of Pay") : QString(e.OtherRateDesc);
    QString status = QStringLiteral("Single");
    if (e.Married)
        status = QStringLiteral("Married");
    else if (e.HOH)
        status = QStringLiteral("HOH");
    return {
        {1.0, QStringLiteral("Employee name:"), GetEmployeeName(1, false), {}, {}},
        {1.17, QStringLiteral("Street address:"), e.Address, {}, {}},
        {1.33, QStringLiteral("City, state and Zip code:"), e.CityStateZip, {}, {}},
        {1.67, QStringLiteral("Work state:"), e.WorkState, QStringLiteral("Phone number:"), e.PhoneNumber},
        {1.83, QStringLiteral("Gender:"), GenderText(e.Gender), QStringLiteral("Social security number:"), e.SocSecNum},
        {2.0, QStringLiteral("Department:"), e.Department, QStringLiteral("Position:"), e.Position},
        {2.17, QStringLiteral("Pension plan coverage?:"), YesNo(e.FW2Box13Chk2), QStringLiteral("Statutory employee?:"),
         YesNo(e.FW2Box13Chk1)},
        {2.33, QStringLiteral("Email address:"), e.EmailAddress, {}, {}},
        {2.67, QStringLiteral("Direct deposit?:"), YesNo(e.DirDeposit), QStringLiteral("Bank account number:"),
         OrNotAvailable(e.BankAcctNum)},
        {2.83, QStringLiteral("Bank routing number:"), OrNotAvailable(e.BankRouting), QStringLiteral("Employee I.D.:"),
         OrNotAvailable(e.EmployeeID)},
        {3.0, QStringLiteral("Account type:"), OrNotAvailable(e.AccountType), {}, {}},
        {3.33, QStringLiteral("Date of birth:"), DateOrNotAvailable(e.DateOfBirth), QStringLiteral("Date of hire:"),
         DateOrNotAvailable(e.DateHired)},
        {3.5, QStringLiteral("Date of last promotion:"), DateOrNotAvailable(e.DatePromoted),
         QStringLiteral("Date of last raise:"), DateOrNotAvailable(e.DateOfRaise)},
        {3.67, QStringLiteral("Date of last review:"), DateOrNotAvailable(e.DateReviewed),
         QStringLiteral("Date of next review:"), DateOrNotAvailable(e.DateNextRev)},
        {3.83, QStringLiteral("Date of suspension:"), DateOrNotAvailable(e.DateSuspend),
         QStringLiteral("Date suspension ends:"), DateOrNotAvailable(e.DateSuspEnds)},
        {4.0, QStringLiteral("Date resigned/terminated:"), DateOrNotAvailable(e.DateResigned), QStringLiteral("Deceased?:"),
         YesNo(e.Deceased)},
        {4.33, QStringLiteral("Current salary/rate:"), ReportHours(e.CurrSalary), QStringLiteral("Initial salary/rate:"),
         ReportHours(e.InitSalary)},
        {4.5, QStringLiteral("Previous salary/rate:"), ReportHours(e.PrevSalary), QStringLiteral("Amount of raise:"),
         ReportHours(e.AmtOfRaise)},
        {4.67, QStringLiteral("Estimated raise:"), ReportHours(e.EstRaise), QStringLiteral("Actual raise:"),
         ReportHours(e.ActualRaise)},
        {5.0, QStringLiteral("Payroll frequency:"), FrequencyText(e.Frequency), QStringLiteral("Withholding tax status:"),
         status},
        {5.17, QStringLiteral("Payment method:"), e.Salaried ? QStringLiteral("Salary") : QStringLiteral("Hourly"), {}, {}},
        {5.5, QStringLiteral("Regular rate:"), ReportHours(e.RegularRate), QStringLiteral("Overtime rate:"),
         ReportHours(e.OverTimeRate)},
        {5.67, QStringLiteral("Standard regular hours/days:"), ReportHours(e.StdRegTime),
         QStringLiteral("Standard overtime hours/days:"), ReportHours(e.StdOverTime)},
        {5.83, QStringLiteral("Vacation hours/days accrued:"), ReportHours(e.VactAccrued),
         QStringLiteral("Sick hours/days accrued:"), ReportHours(e.SickAccrued)},
        {6.0, otherRate + QLatin1Char(':'), ReportHours(e.OtherRate), {}, {}},
        {6.33, QStringLiteral("Federal withholding allowances:"), Allowances(e.FedWithAllow),
         QStringLiteral("Additional federal withholding tax:"), ReportMoney(e.FedAddTax)},
        {6.5, QStringLiteral("State withholding allowances:"), Allowances(e.StWithAllow),
         QStringLiteral("Additional state withholding tax:"), ReportMoney(e.StAddTax)},
        {6.67, QStringLiteral("State standard deduction:"), ReportMoney(e.StStdDeduct), {}, {}},
        {7.0, QStringLiteral("401(k) plan contribution %:"), ReportMoney(e.Plan401kPct),
         QStringLiteral("403(b) plan contribution %:"), ReportMoney(e.Plan403bPct)},
        {7.17, QStringLiteral("408(k)(6) plan contribution %:"), ReportMoney(e.Plan408k6Pct),
         QStringLiteral("457(b) plan contribution %:"), ReportMoney(e.Plan457bPct)},
        {7.33, QStringLiteral("IRA simple contribution %:"), ReportMoney(e.IRASimplePct), {}, {}},
        {7.67, QStringLiteral("Federal tax exempt?:"), YesNo(e.FedExempt), QStringLiteral("Social security tax exempt?:"),
         YesNo(e.FICAExempt)},
        {7.83, QStringLiteral("Medicare tax exempt?:"), YesNo(e.MedExempt),
         QStringLiteral("Federal unemployment tax exempt?:"), YesNo(e.FUTAExempt)},
        {8.0, QStringLiteral("State tax exempt?:"), YesNo(e.StateExempt), QStringLiteral("State unemployment tax exempt?:"),
         YesNo(e.UnempExempt)},
        {8.17, QStringLiteral("State disability tax exempt?:"), YesNo(e.DisbExempt), {}, {}},
    };
}

void PrintHeading(ReportCanvas& report, const QString& dateLine, const ReportTexts& texts)
{
    report.SetFont(QStringLiteral("Arial Black"), 14);
    PrintCentredLine(report, CompanyLine(true), kBaseY);
    report.SetFont(QStringLiteral("Arial"), 12);
    report.SetBold(true);
    PrintCentredLine(report, texts.reportName, kBaseY + 0.17);
    PrintCentredLine(report, dateLine, kBaseY + 0.33);
    report.SetFontSize(10);
    PrintCentredLine(report, PageOfPagesLine(), kBaseY + 0.5);
    report.SetBold(false);
}

// Label and value of one column; the value gets the room up to the next column, or to the
// right margin when the line has nothing further right.
void PrintCell(ReportCanvas& report, const QString& label, double labelX, const QString& value, double valueX,
               double valueEnd)
{
    if (label.isEmpty() && value.isEmpty())
        return;
    PrintFitted(report, label, labelX, valueX - kCellGap - labelX);
    PrintFitted(report, value, valueX, valueEnd - kCellGap - valueX);
}

void PrintBody(ReportCanvas& report, const EmployeeRecord& e)
{
    report.SetFont(QStringLiteral("Tahoma"), 10);
    for (const RosterLine& line : EmployeeLines(e)) {
        if (line.offset >= kSmallTypeOffset)
            report.SetFontSize(8.5);
        report.SetYPos(kBaseY + line.offset);
        const bool right = !line.rightLabel.isEmpty();
        PrintCell(report, line.leftLabel, kLeftLabelX, line.leftValue, kLeftValueX, right ? kRightLabelX : kRightEdge);
        if (right)
            PrintCell(report, line.rightLabel, kRightLabelX, line.rightValue, kRightValueX, kRightEdge);
    }
    report.SetYPos(kBaseY + 8.5);
    report.PrintLeft(QStringLiteral("Comments:"), kLeftLabelX);
    report.SetYPos(kBaseY + 8.67);
    PrintFitted(report, e.Comment1, kLeftLabelX, kRightEdge - kLeftLabelX);
    report.SetYPos(kBaseY + 8.83);
    PrintFitted(report, e.Comment2, kLeftLabelX, kRightEdge - kLeftLabelX);
}

} // namespace

void PrintEmployeeRoster(ReportCanvas& report, const ReportTexts& texts)
{
    const QString dateLine = ReportDateLine(texts);
    SetRulePen(report);
    EmployeeLoop loop;
    bool first = true;
    while (loop.Next()) {
        if (!first)
            report.NewPage();
        first = false;
        PrintHeading(report, dateLine, texts);
        PrintBody(report, EmployeeRec);
    }
}
