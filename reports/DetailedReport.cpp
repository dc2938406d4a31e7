#include "reports/DetailedReport.h"

#include "client/EmployeeIndex.h"
#include "client/EmployeeLoop.h"
#include "client/PayRecords.h"
#include "components/Validators.h"
#include "platform/report/ReportCanvas.h"
#include "platform/report/TextFit.h"
#include "reports/AmountBlock.h"
#include "reports/ReportPages.h"

#include <stdexcept>

namespace {

constexpr double kNameLineY = 1.34;
constexpr double kEarningsY = 1.51;
constexpr double kNameX = 1.0;
constexpr double kRightEdge = 7.5;
constexpr double kCellGap = 0.15;

int Group(const char* name)
{
    return AmountGroupNumber(QString::fromLatin1(name));
}

std::vector<DetailedRow> Rows(const char* prefix, std::initializer_list<const char*> groups, int hoursFrom = 0,
                              int hoursTo = -1)
{
    std::vector<DetailedRow> rows;
    int number = 0;
    for (const char* group : groups) {
        ++number;
        rows.push_back({QString::fromLatin1(prefix) + QString::number(number), Group(group),
                        number >= hoursFrom && number <= hoursTo});
    }
    return rows;
}

// The work state or city joined to a text that begins with a blank.
QString WorkState(const char* text)
{
    return QString(EmployeeRec.WorkState) + QString::fromLatin1(text);
}

QString WorkCity(const char* text)
{
    return QString(EmployeeRec.CityName) + QString::fromLatin1(text);
}

// Labels that differ between an employee page and the Summary page; the rest are the same on
// both.
struct PageLabel {
    const char* id;
    const char* summary;
};

constexpr PageLabel kSummaryLabels[] = {
    {"E1", "Regular Wages and Salaries"}, {"E6", "Other pay"},
    {"D1", "F.I.C.A. Tax"},               {"D4", "State income tax"},
    {"D5", "City income tax"},            {"D6", "State unemployment tax"},
    {"D7", "State disability tax"},       {"L4", "State unemployment tax"},
    {"L5", "State disability tax"},       {"O24", "State taxable earnings"},
    {"O25", "City taxable earnings"},     {"O26", "State unemployment wages"},
    {"O27", "State disability wages"},
};

void PrintPageHeading(ReportCanvas& report, const QString& reportLine, const QString& dateLine)
{
    report.SetFont(QStringLiteral("Arial Black"), 14);
    PrintCentredLine(report, CompanyLine(false), 0.5);
    report.SetFont(QStringLiteral("Arial"), 12);
    report.SetBold(true);
    PrintCentredLine(report, reportLine, 0.67);
    PrintCentredLine(report, dateLine, 0.84);
}

void PrintEmployeePage(ReportCanvas& report, DetailedReportSource& source, const DetailedAmounts& amounts,
                       const QString& dateLine, int k, int n)
{
    PrintPageHeading(report, source.ReportLine(false), dateLine);
    PrintCentredLine(report, QStringLiteral("Page %1 of %2").arg(k).arg(n), 1.01);
    report.SetFont(QStringLiteral("Arial"), 10);

    report.SetYPos(kNameLineY);
    const QString ssn = QStringLiteral("Social security number: ") + MaskSSN(EmployeeRec.SocSecNum);
    const double ssnLeft = kRightEdge - report.TextWidth(ssn);
    PrintFitted(report, QStringLiteral("Employee name: ") + GetEmployeeName(1, false).trimmed(), kNameX,
                ssnLeft - kCellGap - kNameX);
    report.PrintRight(ssn, kRightEdge);

    AmountBlock block(report, kEarningsY, true);
    block.Title(QStringLiteral("Earnings:"));
    const double titleEnd = AmountBlock::kTitleX + report.TextWidth(QStringLiteral("Earnings:")) + kCellGap;
    report.SetYPos(kEarningsY);
    PrintFitted(report,
                QStringLiteral("Department/Position: ") + QString(EmployeeRec.Department) + QLatin1Char('/')
                    + QString(EmployeeRec.Position),
                kRightEdge, kRightEdge - titleEnd, TextAlign::Right);
    PrintDetailedBlock(block, amounts, source, false);
}

void PrintSummaryPage(ReportCanvas& report, DetailedReportSource& source, const QString& dateLine, int printed)
{
    const DetailedAmounts amounts = source.SummaryAmounts();
    report.NewPage();
    PrintPageHeading(report, source.ReportLine(true), dateLine);
    report.SetFont(QStringLiteral("Arial"), 10);
    AmountBlock block(report, source.SummaryEarningsY(), true);
    block.Title(QStringLiteral("Earnings:"));
    PrintDetailedBlock(block, amounts, source, true);
    block.Closing(source.EmployeesPrintedLabel(), QString::number(printed));
}

} // namespace

const std::vector<DetailedRow>& DetailedEarningsRows()
{
    static const std::vector<DetailedRow> rows =
        Rows("E", {"Wages", "OverTimePay", "HolidayPay", "VacationPay", "SickPay", "OtherTimePay", "Bonus", "Tips",
                   "DepCareBen", "FringeBen", "UserPay1", "UserPay2", "UserPay3", "UserPay4", "UserPay5"});
    return rows;
}

const std::vector<DetailedRow>& DetailedDeductionRows()
{
    static const std::vector<DetailedRow> rows =
        Rows("D", {"FICATax", "FederalTax", "MedicareTax", "StateTax", "CityTax", "UnempTax", "DisbTax", "HealthIns",
                   "PensionPlans", "UserDeduct1", "UserDeduct2", "UserDeduct3", "UserDeduct4", "UserDeduct5"});
    return rows;
}

const std::vector<DetailedRow>& DetailedLiabilityRows()
{
    static const std::vector<DetailedRow> rows = Rows(
        "L", {"FICALib", "MedicareLib", "FUTALib", "UnempLib", "DisbLib", "UserLib1", "UserLib2", "UserLib3", "UserLib4",
              "UserLib5"});
    return rows;
}

const std::vector<DetailedRow>& DetailedOtherRows()
{
    static const std::vector<DetailedRow> rows =
        Rows("O",
             {"AllocatedTip", "HoursPaid", "DaysPaid", "OverTimePaid", "HolidayPaid", "VacationPaid", "SickTimePaid",
              "OtherTimePaid", "GTLIAmount", "Plan401k", "Plan403b", "Plan408k6", "Plan457b", "IRASimple", "NonQualPlan",
              "CafePlan", "FedEarnings", "FICAEarnings", "MedEarnings", "FUTAEarnings", "TPSPGross", "TPSPTaxable",
              "TPSPFederalTax", "StateEarning", "CityEarnings", "UnempEarning", "DisbEarnings", "QualifiedOT"},
             2, 8);
    return rows;
}

const DetailedRow& FindDetailedRow(const QString& id)
{
    for (const auto* rows :
         {&DetailedEarningsRows(), &DetailedDeductionRows(), &DetailedLiabilityRows(), &DetailedOtherRows()}) {
        for (const DetailedRow& row : *rows) {
            if (row.id == id)
                return row;
        }
    }
    throw std::out_of_range("unknown detailed report row " + id.toStdString());
}

bool DetailedReportSource::Printed(const DetailedAmounts& amounts) const
{
    return amounts.group[Group("GrossWages")] != 0.0 || amounts.group[Group("NetPay")] != 0.0
           || amounts.group[Group("TPSPGross")] != 0.0;
}

QString DetailedReportSource::Label(const DetailedRow& row, bool summary) const
{
    if (summary) {
        for (const PageLabel& label : kSummaryLabels) {
            if (row.id == QLatin1String(label.id))
                return QString::fromLatin1(label.summary);
        }
    }
    const int number = row.id.mid(1).toInt();
    switch (row.id.at(0).toLatin1()) {
    case 'E':
        if (number >= 11)
            return CompanyRec.UserEarnings[number - 10];
        switch (number) {
        case 1: return EmployeeRec.Salaried ? QStringLiteral("Regular salary") : QStringLiteral("Regular wages");
        case 2: return QStringLiteral("Overtime pay");
        case 3: return QStringLiteral("Holiday pay");
        case 4: return QStringLiteral("Vacation pay");
        case 5: return QStringLiteral("Sick pay/PTO");
        case 6: return EmployeeRec.OtherRateDesc;
        case 7: return QStringLiteral("Bonuses");
        case 8: return QStringLiteral("Tips");
        case 9: return QStringLiteral("Dependent care benefits");
        default: return QStringLiteral("Fringe benefits");
        }
    case 'D':
        if (number >= 10)
            return CompanyRec.UserDeduct[number - 9];
        switch (number) {
        case 1: return QStringLiteral("F.I.C.A. tax");
        case 2: return QStringLiteral("Federal income tax");
        case 3: return QStringLiteral("Medicare tax");
        case 4: return WorkState(" state income tax");
        case 5: return WorkCity(" city income tax");
        case 6: return WorkState(" state unemployment tax");
        case 7: return WorkState(" state disability tax");
        case 8: return QStringLiteral("Health insurance");
        default: return QStringLiteral("Pension plans contribution");
        }
    case 'L':
        if (row.id == QLatin1String("L3a"))
            return QStringLiteral("Federal unemployment credit reduction tax");
        if (number >= 6)
            return CompanyRec.UserLib[number - 5];
        switch (number) {
        case 1: return QStringLiteral("F.I.C.A. Tax");
        case 2: return QStringLiteral("Medicare tax");
        case 3: return QStringLiteral("Federal unemployment tax");
        case 4: return WorkState(" state unemployment tax");
        default: return WorkState(" state disability tax");
        }
    default: {
        static const char* const kOther[] = {"Allocated tips",
                                             "Hours paid",
                                             "Days paid",
                                             "Overtime paid",
                                             "Holiday time paid",
                                             "Vacation time paid",
                                             "Sick time paid",
                                             "Other time paid",
                                             "Cost of life insurance in excess of $50,000",
                                             "Contributions to 401(k) plan",
                                             "Contributions to 403(b) plan",
                                             "Contributions to 408(k)(6) Plan",
                                             "Contributions to 457(b) plan",
                                             "Contributions to IRA simple",
                                             "Contributions to non-qualified plan",
                                             "Payments to Section 125/127 plan",
                                             "Federal taxable earnings",
                                             "Social security wages",
                                             "Medicare wages",
                                             "Federal unemployment wages",
                                             "Gross Third-Party Sick Pay",
                                             "Taxable Third-Party Sick Pay",
                                             "Income tax withheld by payer of third-party sick pay",
                                             nullptr,
                                             nullptr,
                                             nullptr,
                                             nullptr,
                                             "Qualified overtime compensation"};
        switch (number) {
        case 24: return WorkState(" state taxable earnings");
        case 25: return WorkCity(" city taxable earnings");
        case 26: return WorkState(" state unemployment wages");
        case 27: return WorkState(" state disability wages");
        default: return QString::fromLatin1(kOther[number - 1]);
        }
    }
    }
}

void PrintDetailedBlock(AmountBlock& block, const DetailedAmounts& amounts, const DetailedReportSource& source,
                        bool summary)
{
    const auto details = [&](const std::vector<DetailedRow>& rows) {
        for (const DetailedRow& row : rows)
            block.Detail(source.Label(row, summary), amounts.group[row.group],
                         row.hours ? AmountBlock::Format::Hours : AmountBlock::Format::Money);
    };
    details(DetailedEarningsRows());
    block.Rule();
    block.Total(QStringLiteral("Total earnings"), amounts.totalEarnings);
    block.Rule();

    block.Section(QStringLiteral("Deductions:"));
    details(DetailedDeductionRows());
    block.Rule();
    block.Total(QStringLiteral("Total deductions"), amounts.totalDeductions);
    block.Rule();
    block.Total(QStringLiteral("Net amount paid"), amounts.netAmount);
    block.Rule();
    block.DoubleRule();

    block.Section(QStringLiteral("Employer tax liabilities:"));
    const std::vector<DetailedRow>& liabilities = DetailedLiabilityRows();
    for (const DetailedRow& row : liabilities) {
        block.Detail(source.Label(row, summary), amounts.group[row.group]);
        if (row.id == QLatin1String("L3") && summary)
            block.Detail(source.Label({QStringLiteral("L3a"), 0, false}, true), amounts.creditReduction);
    }
    block.Rule();
    block.Total(QStringLiteral("Total employer liabilities"), amounts.totalLiabilities);
    block.Rule();
    block.DoubleRule();

    block.Section(QStringLiteral("Other:"));
    details(source.OtherRows());
}

void PrintDetailedReport(ReportCanvas& report, DetailedReportSource& source)
{
    const QString dateLine = source.DateLine();
    int n = 0;
    {
        EmployeeLoop counting;
        while (counting.Next()) {
            if (source.Printed(source.EmployeeAmounts()))
                ++n;
        }
    }

    SetRulePen(report);
    int k = 0;
    {
        EmployeeLoop printing;
        while (printing.Next()) {
            const DetailedAmounts amounts = source.EmployeeAmounts();
            const bool printed = source.Printed(amounts);
            source.Accumulate(amounts);
            if (!printed)
                continue;
            if (k > 0)
                report.NewPage();
            ++k;
            PrintEmployeePage(report, source, amounts, dateLine, k, n);
        }
    }
    if (k > 1)
        PrintSummaryPage(report, source, dateLine, k);
}
