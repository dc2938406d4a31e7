#include "reports/DepartmentalReport.h"

#include "client/EmployeeLoop.h"
#include "client/PayRecords.h"
#include "components/TextRoutines.h"
#include "platform/report/ReportCanvas.h"
#include "platform/report/TextFit.h"
#include "reports/AmountBlock.h"

#include <algorithm>

namespace {

int Group(const char* name)
{
    return AmountGroupNumber(QString::fromLatin1(name));
}

// A detail line of the block: its label (empty: the company's name for user item userItem of
// the section) and the amount group it prints.
struct BlockLine {
    const char* label;
    const char* group;
    bool hours = false;
};

const std::vector<BlockLine> kEarnings = {
    {"Regular Wages and salaries", "Wages"}, {"Overtime pay", "OverTimePay"},   {"Holiday pay", "HolidayPay"},
    {"Vacation pay", "VacationPay"},         {"Sick pay/PTO", "SickPay"},       {"Other pay", "OtherTimePay"},
    {"Bonuses", "Bonus"},                    {"Tips", "Tips"},                  {"Dependent care benefits", "DepCareBen"},
    {"Fringe benefits", "FringeBen"},
};

const std::vector<BlockLine> kDeductions = {
    {"F.I.C.A. Tax", "FICATax"},           {"Federal income tax", "FederalTax"},       {"Medicare tax", "MedicareTax"},
    {"State income tax", "StateTax"},      {"City income tax", "CityTax"},             {"State unemployment tax", "UnempTax"},
    {"State disability tax", "DisbTax"},   {"Health insurance", "HealthIns"},          {"Pension plans contribution", "PensionPlans"},
};

const std::vector<BlockLine> kLiabilities = {
    {"F.I.C.A. Tax", "FICALib"},   {"Medicare tax", "MedicareLib"},       {"Federal unemployment tax", "FUTALib"},
    {"State unemployment tax", "UnempLib"}, {"State disability tax", "DisbLib"},
};

const std::vector<BlockLine> kOther = {
    {"Allocated tips", "AllocatedTip"},
    {"Hours paid", "HoursPaid", true},
    {"Days paid", "DaysPaid", true},
    {"Overtime paid", "OverTimePaid", true},
    {"Holiday time paid", "HolidayPaid", true},
    {"Vacation time paid", "VacationPaid", true},
    {"Sick time paid", "SickTimePaid", true},
    {"Other time paid", "OtherTimePaid", true},
    {"Cost of life insurance in excess of $50,000", "GTLIAmount"},
    {"Contributions to 401(k) plan", "Plan401k"},
    {"Contributions to 403(b) plan", "Plan403b"},
    {"Contributions to 408(k)(6) Plan", "Plan408k6"},
    {"Contributions to 457(b) plan", "Plan457b"},
    {"Contributions to IRA simple", "IRASimple"},
    {"Contributions to non-qualified plan", "NonQualPlan"},
    {"Payments to Section 125/127 plan", "CafePlan"},
    {"Federal taxable earnings", "FedEarnings"},
    {"Social security wages", "FICAEarnings"},
    {"Medicare wages", "MedEarnings"},
    {"Federal unemployment wages", "FUTAEarnings"},
    {"Gross Third-Party Sick Pay", "TPSPGross"},
    {"Taxable Third-Party Sick Pay", "TPSPTaxable"},
    {"Income tax withheld by payer of third-party sick pay", "TPSPFederalTax"},
    {"State taxable earnings", "StateEarning"},
    {"City taxable earnings", "CityEarnings"},
    {"State unemployment wages", "UnempEarning"},
    {"State disability wages", "DisbEarnings"},
    {"Qualified overtime compensation", "QualifiedOT"},
};

// The current employee's amounts in the column, the current report's time from the period.
std::array<double, kAmountGroupCount> EmployeeAmounts(int column)
{
    std::array<double, kAmountGroupCount> amounts{};
    for (int group = 0; group < kAmountGroupCount; ++group)
        amounts[static_cast<std::size_t>(group)] = AmountGroup(EmployeeRec, group)[column];
    if (column == kCurrentColumn) {
        const EmployeeRecord& e = EmployeeRec;
        const auto set = [&](const char* group, double value) { amounts[static_cast<std::size_t>(Group(group))] = value; };
        set("HoursPaid", e.Salaried ? 0.0 : e.RegularTime);
        set("DaysPaid", e.Salaried ? e.RegularTime : 0.0);
        set("OverTimePaid", e.OverTime);
        set("HolidayPaid", e.HolidayTime);
        set("VacationPaid", e.VacationTime);
        set("SickTimePaid", e.SickTime);
        set("OtherTimePaid", e.OtherTime);
    }
    return amounts;
}

class DepartmentPage {
public:
    DepartmentPage(ReportCanvas& report, const DepartmentTotals& department)
        : report_(report)
        , department_(department)
    {
    }

    void Print(const QString& reportName, const QString& dateLine)
    {
        report_.SetFont(QStringLiteral("Arial Black"), 14);
        PrintCentredLine(report_, CompanyLine(false), 0.5);
        report_.SetFont(QStringLiteral("Arial"), 12);
        report_.SetBold(true);
        PrintCentredLine(report_, reportName, 0.67);
        PrintCentredLine(report_, dateLine, 0.84);
        PrintCentredLine(report_, PageOfPagesLine(), 1.01);
        report_.SetFont(QStringLiteral("Arial"), 10);
        report_.SetYPos(1.34);
        PrintFitted(report_, QStringLiteral("Department name: ") + department_.name, 1.0, kPortraitTextWidth);

        AmountBlock block(report_, 1.34 + AmountBlock::kLineStep, true);
        block.Title(QStringLiteral("Earnings:"));
        details(block, kEarnings);
        userItems(block, CompanyRec.UserEarnings, "UserPay");
        block.Rule();
        block.Total(QStringLiteral("Total earnings"), amount("GrossWages"));
        block.Rule();

        block.Section(QStringLiteral("Deductions:"));
        details(block, kDeductions);
        userItems(block, CompanyRec.UserDeduct, "UserDeduct");
        block.Rule();
        block.Total(QStringLiteral("Total deductions"), amount("TotalDeduct"));
        block.Rule();
        block.Total(QStringLiteral("Net amount paid"), amount("NetPay"));
        block.Rule();
        block.DoubleRule();

        block.Section(QStringLiteral("Employer tax liabilities:"));
        details(block, kLiabilities);
        userItems(block, CompanyRec.UserLib, "UserLib");
        block.Rule();
        block.Total(QStringLiteral("Total employer liabilities"), amount("TotalLib"));
        block.Rule();
        block.DoubleRule();

        block.Section(QStringLiteral("Other:"));
        details(block, kOther);
    }

private:
    double amount(const char* group) const { return department_.Amount(group); }

    void details(AmountBlock& block, const std::vector<BlockLine>& lines)
    {
        for (const BlockLine& line : lines)
            block.Detail(QString::fromLatin1(line.label), amount(line.group),
                         line.hours ? AmountBlock::Format::Hours : AmountBlock::Format::Money);
    }

    template <typename Names>
    void userItems(AmountBlock& block, const Names& names, const char* groupStem)
    {
        for (int item = 1; item <= 5; ++item) {
            const QByteArray group = QByteArray(groupStem) + QByteArray::number(item);
            block.Detail(QString(names[item]).trimmed(), amount(group.constData()));
        }
    }

    ReportCanvas& report_;
    const DepartmentTotals& department_;
};

} // namespace

double DepartmentTotals::Amount(const char* group) const
{
    return groups[static_cast<std::size_t>(Group(group))];
}

std::vector<DepartmentTotals> SumDepartments(int column)
{
    std::vector<DepartmentTotals> departments;
    ForEachEmployee([&] {
        const QString name = QString(EmployeeRec.Department);
        auto department = std::find_if(departments.begin(), departments.end(),
                                       [&](const DepartmentTotals& d) { return d.name == name; });
        if (department == departments.end()) {
            departments.push_back({name, {}});
            department = departments.end() - 1;
        }
        const std::array<double, kAmountGroupCount> amounts = EmployeeAmounts(column);
        for (std::size_t group = 0; group < amounts.size(); ++group)
            department->groups[group] += amounts[group];
    });
    return departments;
}

int DepartmentalColumn(int reportKind)
{
    return reportKind - 8;
}

void PrintDepartmentalReport(ReportCanvas& report, int column, const ReportTexts& texts)
{
    SetRulePen(report);
    bool first = true;
    for (const DepartmentTotals& department : SumDepartments(column)) {
        if (department.Amount("GrossWages") == 0.0)
            continue;
        if (!first)
            report.NewPage();
        first = false;
        DepartmentPage(report, department).Print(texts.reportName, ReportDateLine(texts));
    }
}
