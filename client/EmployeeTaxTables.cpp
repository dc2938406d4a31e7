#include "client/EmployeeTaxTables.h"

#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "platform/Exceptions.h"

namespace {

// The table record last read for an employee. The pay computation positions the employee's state
// and city records on each of its passes, and the next employee often works in the same state:
// while the record set's content version is the one of the read, the kept copy is the file's
// record and need not be read again. Versions are never reused, so a reopened or rewritten table
// never matches an old copy.
template <class Record>
struct KeptTableRecord {
    quint64 version = 0;
    int number = 0;
    Record record {};
};

KeptTableRecord<StateTaxRecord> keptState;
KeptTableRecord<CityTaxRecord> keptCity;

template <class Record>
void GotoTableRecord(TRecordSet& table, int number, const QString& what, Record& current, KeptTableRecord<Record>& kept)
{
    if (!table.Active() || number < table.FirstRecord() || number > table.LastRecord())
        throw ECustomException(QStringLiteral("The work %1 of %2 is not set or is not in the %1 tax table (entry %3).~"
                                              "Choose the employee's work %1 on the employee screen and try again.")
                                   .arg(what, EmployeeRec.FullName.get().trimmed())
                                   .arg(number));
    table.SetCurrentRecord(number);
    // A table opened browse-only is another program's to change at any moment: it is read each time.
    if (!table.BrowseOnly() && kept.version == table.ContentVersion() && kept.number == number) {
        current = kept.record;
        return;
    }
    table.GetRec();
    kept = {table.ContentVersion(), number, current};
}

} // namespace

void GotoEmployeeState()
{
    GotoTableRecord(DataModule().RSState, EmployeeRec.WorkStateIndex, QStringLiteral("state"), StateTaxRec, keptState);
}

void GotoEmployeeCity()
{
    GotoTableRecord(DataModule().RSCity, EmployeeRec.CityIndex, QStringLiteral("city"), CityTaxRec, keptCity);
}
