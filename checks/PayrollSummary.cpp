#include "checks/PayrollSummary.h"

#include "checks/StatementGroups.h"
#include "checks/StatementSource.h"
#include "client/CompanyRecord.h"
#include "client/EmployeeLoop.h"
#include "client/PayRecords.h"
#include "components/NumberRoutines.h"
#include "platform/report/ReportCanvas.h"
#include "platform/report/TextFit.h"

#include <QColor>

#include <vector>

namespace G = StatementGroup;

namespace {

const QString kArial = QStringLiteral("Arial");

// The heading lines are centred on the portrait page and shrink to its printable width, as every
// report's heading does: a long company name with a trade name would run off the paper.
constexpr double kPageCentre = 4.25;
constexpr double kHeadingWidth = 7.5;

constexpr double kLabelX = 2.5;
constexpr double kCaptionX = 2.0;
constexpr double kAmountX = 6.5;
constexpr double kUnderlineLeft = 5.5;
// A line's label ends short of the amount column under its rule; the amount keeps to that column.
constexpr double kLabelEnd = kUnderlineLeft - 0.1;
constexpr double kAmountRoom = kAmountX - kUnderlineLeft;
constexpr double kLine = 0.1667;
constexpr double kGap = 0.3334;
// Once a line reaches this depth the next one goes on a new page, from kContinueY.
constexpr double kPageBreakY = 10.17;
constexpr double kContinueY = 0.5;

enum class Section { Earnings, Deductions, Liabilities, Other };

// One item line of the summary and its sum over the employees.
struct SummaryItem {
    Section section;
    QString label;
    int group = -1;            // an amount group, or -1 for time
    PaidTime time = PaidTime::Regular;
    bool salariedTime = false; // Regular time of salaried employees (days) rather than hourly ones
    double sum = 0.0;

    bool IsTime() const { return group < 0; }
};

std::vector<SummaryItem> SummaryItems()
{
    const CompanyRecord& company = CompanyRec;
    std::vector<SummaryItem> items;
    const auto amount = [&items](Section section, const QString& label, int group) {
        items.push_back({section, label, group});
    };
    const auto time = [&items](const char* label, PaidTime kind, bool salaried = false) {
        items.push_back({Section::Other, QLatin1String(label), -1, kind, salaried});
    };
    const auto text = [](const char* label) { return QLatin1String(label); };

    amount(Section::Earnings, text("Regular Wages and Salaries"), G::Wages);
    amount(Section::Earnings, text("Overtime Wages"), G::OverTimePay);
    amount(Section::Earnings, text("Holiday Pay"), G::HolidayPay);
    amount(Section::Earnings, text("Vacation Pay"), G::VacationPay);
    amount(Section::Earnings, text("Sick Pay/PTO"), G::SickPay);
    amount(Section::Earnings, text("Other Pay"), G::OtherTimePay);
    amount(Section::Earnings, text("Bonuses"), G::Bonus);
    amount(Section::Earnings, text("Tips"), G::Tips);
    amount(Section::Earnings, text("Dependent Care Benefits"), G::DepCareBen);
    amount(Section::Earnings, text("Fringe Benefits"), G::FringeBen);
    for (int j = 1; j <= 5; ++j)
        amount(Section::Earnings, company.UserEarnings[j], G::UserPay1 + j - 1);

    amount(Section::Deductions, text("F.I.C.A. Tax"), G::FICATax);
    amount(Section::Deductions, text("Federal Income Tax"), G::FederalTax);
    amount(Section::Deductions, text("Medicare Tax"), G::MedicareTax);
    amount(Section::Deductions, text("State Income Tax"), G::StateTax);
    amount(Section::Deductions, text("City Income Tax"), G::CityTax);
    amount(Section::Deductions, text("State Unemployment Tax"), G::UnempTax);
    amount(Section::Deductions, text("State Disability Tax"), G::DisbTax);
    amount(Section::Deductions, text("Health Insurance"), G::HealthIns);
    amount(Section::Deductions, text("Pension Plans Contribution"), G::PensionPlans);
    for (int j = 1; j <= 5; ++j)
        amount(Section::Deductions, company.UserDeduct[j], G::UserDeduct1 + j - 1);

    amount(Section::Liabilities, text("F.I.C.A. Tax"), G::FICALib);
    amount(Section::Liabilities, text("Medicare Tax"), G::MedicareLib);
    amount(Section::Liabilities, text("Federal Unemployment Tax"), G::FUTALib);
    amount(Section::Liabilities, text("State Unemployment Tax"), G::UnempLib);
    amount(Section::Liabilities, text("State Disability Tax"), G::DisbLib);
    for (int j = 1; j <= 5; ++j)
        amount(Section::Liabilities, company.UserLib[j], G::UserLib1 + j - 1);

    amount(Section::Other, text("Allocated Tips"), G::AllocatedTip);
    time("Hours Paid", PaidTime::Regular);
    time("Days Paid", PaidTime::Regular, true);
    time("Overtime Paid", PaidTime::Overtime);
    time("Holiday Time Paid", PaidTime::Holiday);
    time("Vacation Time Paid", PaidTime::Vacation);
    time("Sick Time Paid", PaidTime::Sick);
    time("Other Time Paid", PaidTime::Other);
    amount(Section::Other, text("Cost of Life Insurance in Excess of $50,000"), G::GTLIAmount);
    amount(Section::Other, text("Contributions to 401(k) Plan"), G::Plan401k);
    amount(Section::Other, text("Contributions to 403(b) Plan"), G::Plan403b);
    amount(Section::Other, text("Contributions to 408(k)(6) Plan"), G::Plan408k6);
    amount(Section::Other, text("Contributions to 457(b) Plan"), G::Plan457b);
    amount(Section::Other, text("Contributions to IRA Simple"), G::IRASimple);
    amount(Section::Other, text("Contributions to Non-Qualified Plan"), G::NonQualPlan);
    amount(Section::Other, text("Payments to Section 125/127 Plan"), G::CafePlan);
    amount(Section::Other, text("Federal Taxable Earnings"), G::FedEarnings);
    amount(Section::Other, text("Social Security Wages"), G::FICAEarnings);
    amount(Section::Other, text("Medicare Wages"), G::MedEarnings);
    amount(Section::Other, text("Federal Unemployment Wages"), G::FUTAEarnings);
    amount(Section::Other, text("Gross Third-Party Sick Pay"), G::TPSPGross);
    amount(Section::Other, text("Taxable Third-Party Sick Pay"), G::TPSPTaxable);
    amount(Section::Other, text("Income tax withheld by payer of third-party sick pay"), G::TPSPFederalTax);
    amount(Section::Other, text("State Taxable Earnings"), G::StateEarning);
    amount(Section::Other, text("City Taxable Earnings"), G::CityEarnings);
    amount(Section::Other, text("State Unemployment Wages"), G::UnempEarning);
    amount(Section::Other, text("State Disability Wages"), G::DisbEarnings);
    amount(Section::Other, text("Qualified overtime compensation"), G::QualifiedOT);
    return items;
}

struct SummaryTotals {
    double earnings = 0.0;
    double deductions = 0.0;
    double net = 0.0;
    double liabilities = 0.0;
};

// Writes the summary's lines down the page, going on to a new page before a line would pass
// the bottom: a long summary (every item with an amount) is taller than one page.
class SummaryWriter {
public:
    explicit SummaryWriter(ReportCanvas& report)
        : report_(report)
    {
    }

    void Caption(const QString& text, double step)
    {
        advance(step);
        report_.PrintXY(kCaptionX, y_, text);
    }

    void Item(const QString& label, const QString& amount)
    {
        advance(kLine);
        line(kLabelX, label, amount);
    }

    void Total(const QString& label, const QString& amount, double step = kLine)
    {
        advance(step);
        line(kCaptionX, label, amount);
    }

    // Rules under the amount column, 0.03 in below the last line for each one asked.
    void Underline(int rules = 1)
    {
        for (int i = 1; i <= rules; ++i)
            report_.Line(kUnderlineLeft, y_ + 0.03 * i, kAmountX, y_ + 0.03 * i);
    }

    void Start(double y) { y_ = y; }

private:
    void line(double labelX, const QString& label, const QString& amount)
    {
        report_.SetYPos(y_);
        PrintFitted(report_, label, labelX, kLabelEnd - labelX);
        PrintFitted(report_, amount, kAmountX, kAmountRoom, TextAlign::Right);
    }

    void advance(double step)
    {
        if (y_ >= kPageBreakY) {
            report_.NewPage();
            y_ = kContinueY;
        }
        y_ += step;
    }

    ReportCanvas& report_;
    double y_ = 0.0;
};

QString Money(double amount)
{
    return FormatAmount(amount, 2, true);
}

} // namespace

void PrintPayrollSummary(ReportCanvas& report, StatementSource& source, int employeesProcessed)
{
    std::vector<SummaryItem> items = SummaryItems();
    SummaryTotals totals;
    EmployeeLoop employees;
    while (employees.Next()) {
        source.BeginEmployee();
        for (SummaryItem& item : items) {
            if (!item.IsTime())
                item.sum += source.ThisPeriod(item.group);
            else if (item.time != PaidTime::Regular || item.salariedTime == static_cast<bool>(EmployeeRec.Salaried))
                item.sum += source.TimePaid(item.time);
        }
        totals.earnings += source.GrossThisPeriod();
        totals.deductions += source.ThisPeriod(G::TotalDeduct);
        totals.net += source.NetThisPeriod();
        totals.liabilities += source.ThisPeriod(G::TotalLib);
    }
    employees.Finish();

    report.NewPage();
    report.SetFont(QStringLiteral("Arial Black"), 14);
    report.SetPen(Qt::black, PenStyle::Solid, 5);
    const auto heading = [&report](double y, const QString& text) {
        report.SetYPos(y);
        PrintFitted(report, text, kPageCentre, kHeadingWidth, TextAlign::Center);
    };
    heading(0.5, QString(CompanyRec.Name).trimmed() + QLatin1Char(' ') + QString(CompanyRec.TradeName).trimmed());
    report.SetFont(kArial, 12);
    report.SetBold(true);
    heading(0.6667, QStringLiteral("Payroll Summary"));
    heading(0.8334, QStringLiteral("For the Payroll Period ") + source.PeriodFrom() + QStringLiteral(" to ") + source.PeriodTo());
    heading(1.0001, QStringLiteral("Pay Date ") + source.PayDate());
    report.SetFont(kArial, 10);

    SummaryWriter writer(report);
    writer.Start(1.3335 - kGap);
    writer.Caption(QStringLiteral("Earnings:"), kGap);
    const auto section = [&](Section which) {
        for (const SummaryItem& item : items) {
            if (item.section == which && item.sum != 0.0)
                writer.Item(item.label, FormatAmount(item.sum, item.IsTime() ? 6 : 2, true));
        }
    };
    section(Section::Earnings);
    writer.Underline();
    writer.Total(QStringLiteral("Total Earnings"), Money(totals.earnings));
    writer.Underline();
    writer.Caption(QStringLiteral("Deductions:"), kGap);
    section(Section::Deductions);
    writer.Underline();
    writer.Total(QStringLiteral("Total Deductions"), Money(totals.deductions));
    writer.Underline();
    writer.Total(QStringLiteral("Net Amount Paid"), Money(totals.net));
    writer.Underline(2);
    writer.Caption(QStringLiteral("Employer Tax Liabilities:"), kGap);
    section(Section::Liabilities);
    writer.Underline();
    writer.Total(QStringLiteral("Total Employer Liabilities"), Money(totals.liabilities));
    writer.Underline(2);
    writer.Caption(QStringLiteral("Other:"), kGap);
    section(Section::Other);
    writer.Total(source.SummaryCountCaption(), QString::number(employeesProcessed), kGap);
}
