#include "payroll/Posting.h"

#include "client/EmployeeLoop.h"
#include "client/EmployeeTaxTables.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "components/DateRoutines.h"
#include "components/NumberRoutines.h"
#include "components/TextRoutines.h"
#include "platform/AppMessageBox.h"

#include <QCoreApplication>

namespace {

const char* const kQuarterEndDates[] = {"03/31/2026", "06/30/2026", "09/30/2026", "12/31/2026"};

const QString kMonthEndReminder = QStringLiteral(
    "The payroll which has just been posted may have~been  the  final  pay  period  of  the month. Check~your  records  "
    "and  if this is the case,  don't forget~to execute the \"Close Month\" command.");
const QString kQuarterEndReminder = QStringLiteral(
    "The payroll which has just been posted may have~been  the  final  pay  period of the quarter.  Check~your records  "
    "and  if  this  is the case,  don't forget~to execute the \"Close Quarter\" command.");

// Puts code and amount into the first of box 12 entries 1..5 whose code is blank.
void PutBox12(const QString& code, double amount)
{
    for (int entry = 1; entry <= 5; ++entry) {
        if (IsBlank(EmployeeRec.FW2Box12Code[entry].get())) {
            EmployeeRec.FW2Box12Code[entry] = code;
            EmployeeRec.FW2Box12Amt[entry] = amount;
            return;
        }
    }
}

} // namespace

int QuarterOfMonth(int month)
{
    return (month - 1) / 3 + 1;
}

int MonthOfQuarter(int month)
{
    return (month - 1) % 3 + 1;
}

int PeriodDays(int processFrequency)
{
    switch (processFrequency) {
    case 2:
        return 14;
    case 3:
        return 15;
    case 4:
        return 30;
    default:
        return 7;
    }
}

void PostTaxLiabilities()
{
    int month = 0;
    int day = 0;
    int year = 0;
    SplitDateStr(CompanyRec.PayDate.get(), month, day, year);

    double futa = 0;
    double socialSecurity = 0;
    double medicare = 0;
    double incomeTax = 0;
    TRecordSet& employees = DataModule().RSEmployee;
    EmployeeLoop loop;
    while (loop.Next()) {
        EmployeeRecord& e = EmployeeRec;
        (e.Salaried ? e.DaysPaid : e.HoursPaid)[kCurrentColumn] = e.RegularTime;
        e.OverTimePaid[kCurrentColumn] = e.OverTime;
        e.HolidayPaid[kCurrentColumn] = e.HolidayTime;
        e.VacationPaid[kCurrentColumn] = e.VacationTime;
        e.SickTimePaid[kCurrentColumn] = e.SickTime;
        e.OtherTimePaid[kCurrentColumn] = e.OtherTime;
        futa += e.FUTALib[kCurrentColumn];
        socialSecurity += e.FICATax[kCurrentColumn] + e.FICALib[kCurrentColumn];
        medicare += e.MedicareTax[kCurrentColumn] + e.MedicareLib[kCurrentColumn];
        incomeTax += e.FederalTax[kCurrentColumn];
        employees.PostRec();
    }
    loop.Finish();

    const int quarter = QuarterOfMonth(month);
    CompanyRecord& c = CompanyRec;
    c.F940Amount[13 + quarter] += futa;
    c.F940Amount[18] = c.F940Amount[14] + c.F940Amount[15] + c.F940Amount[16] + c.F940Amount[17];

    c.TaxLibMonth[MonthOfQuarter(month)][day] += socialSecurity + medicare + incomeTax;
    c.TaxLibQtr = 0;
    for (int m = 1; m <= 3; ++m) {
        double total = 0;
        for (int d = 1; d <= 31; ++d)
            total += c.TaxLibMonth[m][d];
        c.TaxLibMonth[m][32] = total;
        c.TaxLibQtr += total;
    }

    c.CurrentQuarter = quarter;
    c.QuarterEndDate = QString::fromLatin1(kQuarterEndDates[quarter - 1]);
}

void AddBaseWeeks()
{
    EmployeeRecord& e = EmployeeRec;
    double gross = e.GrossWages[kCurrentColumn];
    if (!CompanyRec.IncludeTips)
        gross += e.Tips[kCurrentColumn];

    double weekly = 0;
    int weeks = 0;
    switch (e.Frequency) {
    case 1:
        weekly = gross;
        weeks = 1;
        break;
    case 2:
    case 3:
        weekly = gross / 2;
        weeks = 2;
        break;
    case 4:
        weekly = gross / 4;
        weeks = 4;
        break;
    default:
        return;
    }
    if (RoundToDecimals(weekly, 2) <= 0)
        return;
    GotoEmployeeState();
    if (weekly >= StateTaxRec.BaseWages)
        e.BaseWeeks += weeks;
}

void RebuildW2Box12()
{
    EmployeeRecord& e = EmployeeRec;
    for (int entry = 1; entry <= 5; ++entry) {
        e.FW2Box12Code[entry] = QString();
        e.FW2Box12Amt[entry] = 0;
    }

    int plan = 0;
    if (GetPayCategory(plan)) {
        const TPeriodAmounts* amounts[] = {&e.Plan401k, &e.Plan403b, &e.Plan408k6, &e.Plan457b, &e.IRASimple};
        const char* const codes[] = {"D", "E", "F", "G", "S"};
        PutBox12(QString::fromLatin1(codes[plan - 1]), (*amounts[plan - 1])[kYearToDateColumn]);
        e.FW2Box13Chk2 = true;
    }
    if (e.GTLIAmount[kYearToDateColumn] != 0)
        PutBox12(QStringLiteral("C"), e.GTLIAmount[kYearToDateColumn]);
    if (e.TPSPGross[kYearToDateColumn] != 0) {
        PutBox12(QStringLiteral("J"), e.TPSPGross[kYearToDateColumn] - e.TPSPTaxable[kYearToDateColumn]);
        e.FW2Box13Chk3 = true;
    }
    if (e.Tips[kYearToDateColumn] != 0)
        PutBox12(QStringLiteral("TS"), e.Tips[kYearToDateColumn]);
    if (e.QualifiedOT[kYearToDateColumn] != 0)
        PutBox12(QStringLiteral("TT"), e.QualifiedOT[kYearToDateColumn]);
}

QString ReminderText(int iMonth, int iDay)
{
    switch (iMonth) {
    case 1:
    case 5:
    case 7:
    case 8:
    case 10:
        return iDay > 24 ? kMonthEndReminder : QString();
    case 2:
        return iDay > 21 ? kMonthEndReminder : QString();
    case 4:
    case 11:
        return iDay > 23 ? kMonthEndReminder : QString();
    case 3:
        return iDay > 24 ? kQuarterEndReminder : QString();
    case 6:
    case 9:
        return iDay > 23 ? kQuarterEndReminder : QString();
    default:
        return QString();
    }
}

void ShowReminder(int iMonth, int iDay)
{
    const QString text = ReminderText(iMonth, iDay);
    if (!text.isEmpty())
        AppMessageBox(text, QCoreApplication::applicationName(), MbOk);
}
