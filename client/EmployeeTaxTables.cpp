#include "client/EmployeeTaxTables.h"

#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "platform/Exceptions.h"

namespace {

void GotoTableRecord(TRecordSet& table, int number, const QString& what)
{
    if (!table.Active() || number < table.FirstRecord() || number > table.LastRecord())
        throw ECustomException(QStringLiteral("The work %1 of %2 is not set or is not in the %1 tax table (entry %3).~"
                                              "Choose the employee's work %1 on the employee screen and try again.")
                                   .arg(what, EmployeeRec.FullName.get().trimmed())
                                   .arg(number));
    table.SetCurrentRecord(number);
    table.GetRec();
}

} // namespace

void GotoEmployeeState()
{
    GotoTableRecord(DataModule().RSState, EmployeeRec.WorkStateIndex, QStringLiteral("state"));
}

void GotoEmployeeCity()
{
    GotoTableRecord(DataModule().RSCity, EmployeeRec.CityIndex, QStringLiteral("city"));
}
