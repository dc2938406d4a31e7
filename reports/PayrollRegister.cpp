#include "reports/PayrollRegister.h"

#include "client/PayRecords.h"
#include "components/TextRoutines.h"

#include <utility>

namespace {

constexpr int kNameLength = 22;

// Serves rows read beforehand.
class RowList : public JournalRowSource {
public:
    explicit RowList(std::vector<JournalRow> rows)
        : rows_(std::move(rows))
    {
    }

    bool Next(JournalRow& row) override
    {
        if (next_ == rows_.size())
            return false;
        row = rows_[next_++];
        return true;
    }

private:
    std::vector<JournalRow> rows_;
    std::size_t next_ = 0;
};

} // namespace

std::vector<JournalRow> PayrollRegisterRows(const PayDateRange& range)
{
    std::vector<JournalRow> rows;
    const auto& groups = JournalAmountGroups();
    ForEachStoredPayPeriod(range, [&](int, const StoredPayPeriod& period) {
        JournalRow row;
        row.listed = period.Amount(groups[0]) != 0.0;
        row.counted = row.listed;
        row.name = LeftChars(QString(EmployeeRec.FullName), kNameLength);
        row.date = period.PayDate;
        row.identification = period.CheckNumber >= 1 ? QString::number(period.CheckNumber) : QStringLiteral("N/A");
        for (int column = 0; column < kJournalColumns; ++column)
            row.amounts[column] = period.Amount(groups[column]);
        rows.push_back(row);
    });
    return rows;
}

JournalHeading PayrollRegisterHeading(const PayDateRange& range, const QString& periodDescription)
{
    JournalHeading heading;
    heading.title = QStringLiteral("Payroll Register");
    heading.periodLine = IsBlank(periodDescription)
                             ? QStringLiteral("For the Pay Period ") + CompanyRec.PriorPayDateFrom[range.First].get()
                                   + QStringLiteral(" to ") + CompanyRec.PriorPayDateTo[range.Last].get()
                             : periodDescription;
    heading.dateHead1 = QStringLiteral("Pay");
    heading.dateHead2 = QStringLiteral("Date");
    heading.dateX = 1.75;
    heading.idHead1 = QStringLiteral("Check");
    heading.idHead2 = QStringLiteral("number");
    heading.idX = 2.25;
    heading.pageFullY = 8.0;
    return heading;
}

void PrintPayrollRegister(ReportCanvas& report, const PayDateRange& range, const QString& periodDescription)
{
    RowList rows(PayrollRegisterRows(range));
    PrintJournal(report, PayrollRegisterHeading(range, periodDescription), rows);
}
