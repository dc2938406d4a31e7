#include "checks/CondensedStatement.h"

#include "checks/OpenedProject.h"
#include "checks/PayrollSummary.h"
#include "checks/StatementGroups.h"
#include "checks/StatementSource.h"
#include "client/CompanyRecord.h"
#include "client/EmployeeLoop.h"
#include "client/PayRecords.h"
#include "components/NumberRoutines.h"
#include "components/Validators.h"
#include "platform/report/ReportCanvas.h"
#include "platform/report/ReportProject.h"

#include <QColor>

#include <optional>

namespace G = StatementGroup;

namespace {

QString Money(double amount)
{
    return FormatAmount(amount, 2, true);
}

QString Quantity(double value)
{
    return FormatAmount(value, 6, true);
}

// The parameters of one amount group of a slot; names hold %1 for the slot. A name left empty
// is not part of the group.
struct SlotGroup {
    int group;
    const char* label;
    const char* rate;
    const char* hours;
    const char* thisPeriod;
    const char* yearToDate;
    std::optional<RatedRow> rated;
};

constexpr SlotGroup kEarnings[] = {
    {G::Wages, "", "RegRate%1", "RegHrs%1", "RegPay%1", "RegPayYTD%1", RatedRow::Regular},
    {G::OverTimePay, "", "OTRate%1", "OTHrs%1", "OTPay%1", "OTPayYTD%1", RatedRow::Overtime},
    {G::HolidayPay, "", "HolidayRate%1", "HolidayHrs%1", "HolidayPay%1", "HolidayPayYTD%1", RatedRow::Holiday},
    {G::VacationPay, "", "VacRate%1", "VacHrs%1", "VacPay%1", "VacPayYTD%1", RatedRow::Vacation},
    {G::SickPay, "", "SickRate%1", "SickHrs%1", "SickPay%1", "SickPayYTD%1", RatedRow::Sick},
    {G::OtherTimePay, "OtherDesc%1", "OtherRate%1", "OtherHrs%1", "OtherPay%1", "OtherPayYTD%1", RatedRow::Other},
    {G::Bonus, "", "", "", "BonusPay%1", "BonusPayYTD%1", std::nullopt},
    {G::Tips, "", "", "", "Tips%1", "TipsYTD%1", std::nullopt},
    {G::DepCareBen, "", "", "", "DepCarePay%1", "DepCarePayYTD%1", std::nullopt},
    {G::FringeBen, "", "", "", "FingePay%1", "FingePayYTD%1", std::nullopt},
};

void SetGroup(ReportProject& project, const StatementSource& source, int slot, const SlotGroup& group, const QString& label)
{
    const double thisPeriod = source.ThisPeriod(group.group);
    const double yearToDate = source.YearToDate(group.group);
    if (thisPeriod == 0.0 && yearToDate == 0.0)
        return;
    const auto name = [slot](const char* pattern) { return QString::fromLatin1(pattern).arg(slot); };
    if (*group.label)
        project.SetParam(name(group.label), label);
    if (thisPeriod != 0.0)
        project.SetParam(name(group.thisPeriod), Money(thisPeriod));
    project.SetParam(name(group.yearToDate), Money(yearToDate));
    if (!group.rated)
        return;
    const RateHoursCells cells = source.SlotCells(*group.rated);
    if (cells.showRate)
        project.SetParam(name(group.rate), Quantity(cells.rate));
    if (cells.showHours)
        project.SetParam(name(group.hours), Quantity(cells.hours));
}

// A group whose parameter names carry the slot and, after an underscore, the item.
void SetUserGroup(ReportProject& project, const StatementSource& source, int slot, int item, int group,
                  const char* labelName, const char* thisPeriodName, const char* yearToDateName, const QString& label)
{
    const QString suffix = QStringLiteral("_%1").arg(item);
    const QString labelPattern = QLatin1String(labelName) + suffix;
    const QString thisPattern = QLatin1String(thisPeriodName) + suffix;
    const QString yearPattern = QLatin1String(yearToDateName) + suffix;
    const QByteArray l = labelPattern.toLatin1(), t = thisPattern.toLatin1(), y = yearPattern.toLatin1();
    SetGroup(project, source, slot, {group, l.constData(), "", "", t.constData(), y.constData(), std::nullopt}, label);
}

void DrawClosingMark(ReportCanvas& report, int filledSlots)
{
    static constexpr double kTextLine[] = {0.0, 4.0, 6.0, 7.75, 9.5};
    const double boxTop = kFirstSlotTop + filledSlots * kSlotPitch;
    report.SetFont(QStringLiteral("Arial"), 16);
    report.SetBrush(WindowsColor(0xD9D9D9), BrushStyle::Solid);
    report.Rectangle(0.5, boxTop, 8.0, 10.5);
    report.GotoXY(0.5, kTextLine[filledSlots]);
    report.PrintCenter(QStringLiteral("***** End of Report *****"), 4.25);
}

} // namespace

QString CondensedLayoutName(int statements)
{
    return statements >= kSlotsPerPage ? kCondensedLayout : kCondensedLayout + QString::number(statements);
}

int CondensedPageCount(int paidCount)
{
    return (paidCount + kSlotsPerPage - 1) / kSlotsPerPage;
}

void SetCondensedPageParams(ReportProject& project, const StatementSource& source, int page, int pageCount)
{
    project.SetParam(QStringLiteral("CompName"), QString(CompanyRec.Name));
    project.SetParam(QStringLiteral("PageCount"), QStringLiteral("Page %1 of %2").arg(page).arg(pageCount));
    project.SetParam(QStringLiteral("PayPeriod"),
                     QStringLiteral("Pay Period:  ") + source.PeriodFrom() + QStringLiteral("  to  ") + source.PeriodTo());
    project.SetParam(QStringLiteral("PayDate"), QStringLiteral("Pay Date:  ") + source.PayDate());
}

void SetCondensedSlotParams(ReportProject& project, const StatementSource& source, int slot)
{
    const CompanyRecord& company = CompanyRec;
    const EmployeeRecord& e = EmployeeRec;
    const auto set = [&project, slot](const char* pattern, const QString& value) {
        project.SetParam(QString::fromLatin1(pattern).arg(slot), value);
    };
    set("EmpName%1", source.EmployeeName());
    set("EmpNum%1", EmployeeNumberText());
    set("DepPos%1", DepartmentPosition());
    set("SSN%1", MaskSSN(e.SocSecNum));
    set("WHStat%1", StatusText());
    const int check = source.CheckNumber();
    set("ChkNum%1", check < 1 ? QStringLiteral("N/A") : QString::number(check));

    for (const SlotGroup& group : kEarnings)
        SetGroup(project, source, slot, group, QString(e.OtherRateDesc));
    for (int j = 1; j <= 5; ++j)
        SetUserGroup(project, source, slot, j, G::UserPay1 + j - 1, "User%1", "UserPay%1", "UserPayYTD%1",
                     company.UserEarnings[j]);
    SetGroup(project, source, slot, {G::TPSPTaxable, "", "", "", "TPSP%1", "TPSPYTD%1", std::nullopt}, QString());

    const QString state = e.WorkState;
    const bool newJersey = state.compare(QLatin1String("NJ"), Qt::CaseInsensitive) == 0;
    const SlotGroup deductions[] = {
        {G::FICATax, "", "", "", "FICATax%1", "FICATaxYTD%1", std::nullopt},
        {G::FederalTax, "", "", "", "FederalTax%1", "FederalTaxYTD%1", std::nullopt},
        {G::MedicareTax, "", "", "", "MedicareTax%1", "MedicareTaxYTD%1", std::nullopt},
    };
    for (const SlotGroup& group : deductions)
        SetGroup(project, source, slot, group, QString());
    SetGroup(project, source, slot, {G::StateTax, "StateTax%1", "", "", "StateTaxAmt%1", "StateTaxAmtYTD%1", std::nullopt},
             state + QStringLiteral(" State Tax"));
    SetGroup(project, source, slot, {G::CityTax, "CityTax%1", "", "", "CityTaxAmt%1", "CityTaxAmtYTD%1", std::nullopt},
             QString(e.CityName) + QStringLiteral(" City Tax"));
    SetGroup(project, source, slot, {G::UnempTax, "UITax%1", "", "", "UITaxAmt%1", "UITaxAmtYTD%1", std::nullopt},
             state + QStringLiteral(" State U.I. Tax"));
    SetGroup(project, source, slot, {G::DisbTax, "DITax%1", "", "", "DITaxAmt%1", "DITaxAmtYTD%1", std::nullopt},
             state + (newJersey ? QStringLiteral(" TDI/FLI Tax") : QStringLiteral(" TDI Tax")));
    SetGroup(project, source, slot, {G::HealthIns, "", "", "", "HealthIns%1", "HealthInsYTD%1", std::nullopt}, QString());
    SetGroup(project, source, slot, {G::PensionPlans, "", "", "", "PensionPlans%1", "PensionPlansYTD%1", std::nullopt},
             QString());
    for (int j = 1; j <= 5; ++j)
        SetUserGroup(project, source, slot, j, G::UserDeduct1 + j - 1, "UserDed%1", "UserDedAmt%1", "UserDedAmtYTD%1",
                     company.UserDeduct[j]);

    set("NetPay%1", Money(source.NetThisPeriod()));
    set("GrossPay%1", Money(source.GrossThisPeriod()));
    set("PayYTD%1", Money(source.GrossYearToDate()));
    set("TotalTax%1", Money(source.ThisPeriod(G::TotalDeduct)));
}

void PrintCondensedStatements(ReportCanvas& report, ReportProject& project, StatementSource& source)
{
    const int paid = source.PaidCount();
    const int pages = CondensedPageCount(paid);
    {
        OpenedProject opened(project);
        project.SelectReport(kCondensedLayout, false);
        int page = 0;
        int slot = 0;
        int filled = 0;
        EmployeeLoop employees;
        while (employees.Next()) {
            source.BeginEmployee();
            if (!source.Listed())
                continue;
            // A posted pay date is known from its first employee read, so each page takes its
            // heading from the first statement on it.
            if (slot == 0)
                SetCondensedPageParams(project, source, ++page, pages);
            ++slot;
            ++filled;
            SetCondensedSlotParams(project, source, slot);
            if (slot == kSlotsPerPage && filled < paid) {
                project.Execute();
                project.ClearParams();
                report.NewPage();
                slot = 0;
            } else if (filled == paid) {
                if (slot < kSlotsPerPage) {
                    project.SelectReport(CondensedLayoutName(slot), false);
                    DrawClosingMark(report, slot);
                }
                project.Execute();
                project.ClearParams();
            }
        }
        employees.Finish();
    }
    PrintPayrollSummary(report, source, paid);
}
