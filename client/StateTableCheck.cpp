#include "client/StateTableCheck.h"

#include "client/EmployeeLoop.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "client/ProgramStart.h"
#include "components/StateTables.h"
#include "platform/AppMessageBox.h"

#include <algorithm>
#include <array>
#include <functional>

namespace {

constexpr std::array<const char*, 9> kNoWageIncomeTax = {"AK", "FL", "NV", "NH", "SD", "TN", "TX", "WA", "WY"};

// The states reported in one pay run, known by the client and its pay date.
struct ReportedInPayRun {
    QString payRun;
    QStringList states;
};
ReportedInPayRun reported;

QString CurrentPayRun()
{
    return CurFileName + QChar('|') + CompanyRec.PayDate.get();
}

QString CodeOfState(int stateIndex)
{
    return stateIndex >= 1 && stateIndex <= StateCount
               ? QString::fromLatin1(StateCodes[static_cast<std::size_t>(stateIndex - 1)])
               : QString();
}

// The tables of the work states of the employees `counts` admits, each state once. The state
// record set's position and StateTaxRec are left as they were: a screen or a computation may be
// working on them.
std::vector<WorkStateTable> WorkStateTables(const std::function<bool()>& counts, bool currentOnly)
{
    TRecordSet& states = DataModule().RSState;
    std::vector<int> indexes;
    const auto note = [&] {
        const int index = EmployeeRec.WorkStateIndex;
        if (counts() && std::find(indexes.cbegin(), indexes.cend(), index) == indexes.cend())
            indexes.push_back(index);
    };
    if (currentOnly)
        note();
    else
        ForEachEmployee(note);

    std::vector<WorkStateTable> tables;
    if (!states.Active())
        return tables;
    const StateTaxRecord savedRecord = StateTaxRec;
    const int savedPosition = states.CurrentRecord();
    for (const int index : indexes) {
        // A work state the table does not hold is refused by the pay computation itself.
        if (index < states.FirstRecord() || index > states.LastRecord())
            continue;
        states.SetCurrentRecord(index);
        states.GetRec();
        tables.push_back({CodeOfState(index), StateTaxRec});
    }
    StateTaxRec = savedRecord;
    states.CopyBufferFrom(savedRecord);
    if (savedPosition >= states.FirstRecord() && savedPosition <= states.LastRecord())
        states.SetCurrentRecord(savedPosition);
    return tables;
}

void Warn(const QStringList& codes)
{
    if (!codes.isEmpty())
        AppMessageBox(StatesLackingTablesMessage(codes), QLatin1String(kApplicationTitle), MbOk | MbIconWarning);
}

// Warns of the states not yet reported in the open pay run, and remembers them.
void WarnOncePerPayRun(const std::vector<WorkStateTable>& tables)
{
    if (reported.payRun != CurrentPayRun())
        reported = {CurrentPayRun(), {}};
    const QStringList codes = StatesLackingTables(tables, reported.states);
    reported.states << codes;
    Warn(codes);
}

} // namespace

bool StateTaxesWages(const QString& code)
{
    return std::none_of(kNoWageIncomeTax.cbegin(), kNoWageIncomeTax.cend(),
                        [&](const char* untaxed) { return code.compare(QLatin1String(untaxed), Qt::CaseInsensitive) == 0; });
}

bool HasWithholdingRows(const StateTaxRecord& table)
{
    for (int row = 1; row <= kStateTableRows; ++row) {
        if (table.S_ButNotOver[row] > 0 || table.S_TaxRate[row] > 0 || table.M_ButNotOver[row] > 0
            || table.M_TaxRate[row] > 0)
            return true;
    }
    return false;
}

QStringList StatesLackingTables(const std::vector<WorkStateTable>& workStates, const QStringList& alreadyReported)
{
    QStringList lacking;
    for (const WorkStateTable& state : workStates) {
        if (state.code.isEmpty() || !StateTaxesWages(state.code) || HasWithholdingRows(state.table)
            || alreadyReported.contains(state.code, Qt::CaseInsensitive) || lacking.contains(state.code, Qt::CaseInsensitive))
            continue;
        lacking << state.code;
    }
    return lacking;
}

QString StatesLackingTablesMessage(const QStringList& codes)
{
    QStringList names;
    for (const QString& code : codes) {
        const QString name = StateNameOf(code);
        names << (name.isEmpty() ? code : QStringLiteral("%1 (%2)").arg(name, code.toUpper()));
    }
    const QString listed = names.size() > 1 ? names.mid(0, names.size() - 1).join(QStringLiteral(", "))
                                                  + QStringLiteral(" and ") + names.last()
                                            : names.value(0);
    return QStringLiteral("No state withholding table has been entered for %1, so no state income tax is withheld "
                          "from the employees who work there.~~Enter the state's withholding table, and its employee "
                          "unemployment and disability rates, with File > State.")
        .arg(listed);
}

void WarnOfStateTablesForPayRun()
{
    WarnOncePerPayRun(WorkStateTables([] { return CheckEmployeeEligible(false) == 0; }, false));
}

void WarnOfStateTableForCurrentEmployee()
{
    WarnOncePerPayRun(WorkStateTables([] { return true; }, true));
}

void WarnOfStateTablesForClient()
{
    Warn(StatesLackingTables(WorkStateTables([] { return true; }, false), {}));
}

void ResetStateTableWarnings()
{
    reported = {};
}
