#include "payroll/Posting.h"

#include "client/EmployeeLoop.h"
#include "client/EmployeeTaxTables.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "components/DateRoutines.h"
#include "components/NumberRoutines.h"
#include "components/StateTables.h"
#include "components/TextRoutines.h"
#include "platform/AppMessageBox.h"

#include <QCoreApplication>
#include <QDate>

namespace {

const char* const kQuarterEndDates[] = {"03/31/2026", "06/30/2026", "09/30/2026", "12/31/2026"};

const QString kMonthEndReminder = QStringLiteral(
    "The payroll which has just been posted may have~been  the  final  pay  period  of  the month. Check~your  records  "
    "and  if this is the case,  don't forget~to execute the \"Close Month\" command.");
const QString kQuarterEndReminder = QStringLiteral(
    "The payroll which has just been posted may have~been  the  final  pay  period of the quarter.  Check~your records  "
    "and  if  this  is the case,  don't forget~to execute the \"Close Quarter\" command.");

// Counts the current employee, once, for a month whose 12th lies in the open pay period: the
// returns' counts of employees paid for the period including the 12th.
void CountOnceForThe12th(RecordBool& counted, std::int32_t& count, int month)
{
    const CompanyRecord& c = CompanyRec;
    if (!counted && IsDateInRange(DateToText(QDate(2026, month, 12)), c.PayDateFrom.get(), c.PayDateTo.get())) {
        counted = true;
        ++count;
    }
}

// Box 12 entries 1..5 belong to posting; entries from 6 on are typed on the Form W-2 screen.
constexpr int kPostedBox12Entries = 5;

// Puts code and amount into the first empty entry of 1..5; when those are taken, into an entry
// from 6 on that holds the same code (placed there by an earlier posting) or else the first empty
// one. A typed entry is never overwritten. False when no entry is left.
bool PutBox12(const QString& code, double amount)
{
    EmployeeRecord& e = EmployeeRec;
    for (int entry = 1; entry <= kPostedBox12Entries; ++entry) {
        if (IsBlank(e.FW2Box12Code[entry].get())) {
            e.FW2Box12Code[entry] = code;
            e.FW2Box12Amt[entry] = amount;
            return true;
        }
    }
    int target = 0;
    for (int entry = kPostedBox12Entries + 1; entry <= 12 && target == 0; ++entry) {
        if (e.FW2Box12Code[entry].get().trimmed().compare(code, Qt::CaseInsensitive) == 0)
            target = entry;
    }
    for (int entry = kPostedBox12Entries + 1; entry <= 12 && target == 0; ++entry) {
        if (IsBlank(e.FW2Box12Code[entry].get()))
            target = entry;
    }
    if (target == 0)
        return false;
    e.FW2Box12Code[target] = code;
    e.FW2Box12Amt[target] = amount;
    return true;
}

// An earlier posting may have left the code from entry 6 on; with nothing to report now, it goes.
void RemovePostedBox12(const QString& code)
{
    EmployeeRecord& e = EmployeeRec;
    for (int entry = kPostedBox12Entries + 1; entry <= 12; ++entry) {
        if (e.FW2Box12Code[entry].get().trimmed().compare(code, Qt::CaseInsensitive) == 0) {
            e.FW2Box12Code[entry] = QString();
            e.FW2Box12Amt[entry] = 0;
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
    c.TaxLiabilityMonth[month] = RoundToDecimals(c.TaxLiabilityMonth[month] + socialSecurity + medicare + incomeTax, 2);
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

void AddNewJerseyMonthTotals(int month)
{
    EmployeeRecord& e = EmployeeRec;
    if (e.WorkStateIndex != StateCodeIndex(QStringLiteral("NJ")) + 1)
        return;
    CompanyRecord& c = CompanyRec;
    c.NJIncomeTaxMonth[month] = RoundToDecimals(c.NJIncomeTaxMonth[month] + e.StateTax[kCurrentColumn], 2);
    if (e.GrossWages[kCurrentColumn] <= 0)
        return;
    for (int m = 1; m <= 12; ++m)
        CountOnceForThe12th(e.NJCoveredMonth[m], c.NJCoveredWorkers[m], m);
}

void AddPaidForThe12th()
{
    EmployeeRecord& e = EmployeeRec;
    // Pay is wages or tips: gross pay may leave tips out.
    if (RoundToDecimals(e.GrossWages[kCurrentColumn], 2) <= 0 && RoundToDecimals(e.Tips[kCurrentColumn], 2) <= 0)
        return;
    for (int quarter = 1; quarter <= 4; ++quarter)
        CountOnceForThe12th(e.PaidForThe12th[quarter], CompanyRec.EmployeesPaidForThe12th[quarter], quarter * 3);
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

std::vector<Box12Amount> RebuildW2Box12()
{
    EmployeeRecord& e = EmployeeRec;
    for (int entry = 1; entry <= kPostedBox12Entries; ++entry) {
        e.FW2Box12Code[entry] = QString();
        e.FW2Box12Amt[entry] = 0;
    }

    std::vector<Box12Amount> unplaced;
    // A code with 0.00 is no entry of the W-2 (all third-party sick pay taxable leaves code J at 0.00).
    const auto put = [&](const QString& code, double amount) {
        if (RoundToDecimals(amount, 2) == 0)
            RemovePostedBox12(code);
        else if (!PutBox12(code, amount))
            unplaced.push_back({code, amount});
    };
    // Every plan with deferrals gets its own code: a second plan's deferrals belong on the W-2 too.
    const struct {
        const TPeriodAmounts* amounts;
        const char* code;
    } plans[] = {{&e.Plan401k, "D"}, {&e.Plan403b, "E"}, {&e.Plan408k6, "F"}, {&e.Plan457b, "G"}, {&e.IRASimple, "S"}};
    for (const auto& plan : plans) {
        const double deferred = (*plan.amounts)[kYearToDateColumn];
        if (RoundToDecimals(deferred, 2) > 0) {
            put(QString::fromLatin1(plan.code), deferred);
            e.FW2Box13Chk2 = true;
        }
    }
    if (e.GTLIAmount[kYearToDateColumn] != 0)
        put(QStringLiteral("C"), e.GTLIAmount[kYearToDateColumn]);
    if (e.TPSPGross[kYearToDateColumn] != 0) {
        put(QStringLiteral("J"), e.TPSPGross[kYearToDateColumn] - e.TPSPTaxable[kYearToDateColumn]);
        e.FW2Box13Chk3 = true;
    }
    if (e.Tips[kYearToDateColumn] != 0)
        put(QStringLiteral("TP"), e.Tips[kYearToDateColumn]);
    if (e.QualifiedOT[kYearToDateColumn] != 0)
        put(QStringLiteral("TT"), e.QualifiedOT[kYearToDateColumn]);
    return unplaced;
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
