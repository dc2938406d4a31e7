#include "client/EmployeeIndex.h"

#include "client/EmployeeLoop.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "components/TextRoutines.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

EmployeePicker& InstalledPicker()
{
    static EmployeePicker picker;
    return picker;
}

QString OrderOneName(const EmployeeRecord& record, const QString& middle)
{
    QString name = record.FirstName.get().trimmed();
    if (!IsBlank(middle))
        name += QChar(' ') + middle;
    return name + QChar(' ') + record.LastName.get().trimmed() + QChar(' ') + record.Suffix.get();
}

QString IndexName()
{
    const QString separator = RecIndexLastNameFirst ? QStringLiteral(",  ") : QStringLiteral(" ");
    const QString name = (EmployeeRec.LastName.get() + QChar(' ') + EmployeeRec.Suffix.get()).trimmed() + separator
                         + EmployeeRec.FirstName.get().trimmed() + QChar(' ') + EmployeeRec.MiddleName.get().trimmed();
    return name.left(kRecIndexNameLength);
}

} // namespace

QString EmployeeName(const EmployeeRecord& record, int order, bool shorten)
{
    switch (order) {
    case 1: {
        const QString name = OrderOneName(record, record.MiddleName.get());
        if (shorten && name.size() > 43)
            return OrderOneName(record, record.MiddleInitial.get());
        return name;
    }
    case 2: {
        QString name = record.LastName.get().trimmed();
        if (!IsBlank(record.Suffix.get()))
            name += QChar(' ') + record.Suffix.get().trimmed();
        return name + QChar(' ') + record.FirstName.get().trimmed() + QChar(' ') + record.MiddleName.get();
    }
    default:
        return QString();
    }
}

QString GetEmployeeName(int order, bool shorten)
{
    return EmployeeName(EmployeeRec, order, shorten);
}

void BuildRecIndex()
{
    if (!RebuildRecIndex)
        return;
    EmployeeCount = GetEmployeeCount();
    RecIndex.assign(static_cast<std::size_t>(std::max(EmployeeCount, 1)), RecIndexData{});
    if (EmployeeCount < 2)
        return;
    EmployeeLoop loop;
    for (std::size_t i = 0; loop.Next() && i < RecIndex.size(); ++i)
        RecIndex[i] = RecIndexData{IndexName(), static_cast<std::int32_t>(i)};
    SortRecIndex();
    RebuildRecIndex = false;
    loop.Finish();
}

void SortRecIndex()
{
    std::stable_sort(RecIndex.begin(), RecIndex.end(), [](const RecIndexData& a, const RecIndexData& b) {
        return QString::compare(a.Name, b.Name, Qt::CaseInsensitive) < 0;
    });
    for (RecIndexData& entry : RecIndex)
        entry.Name = entry.Name.left(kRecIndexNameLength);
}

void ReadEmployeeRecord(int number)
{
    TRecordSet& employees = DataModule().RSEmployee;
    if (!employees.Active() || number < employees.FirstRecord() || number > employees.LastRecord())
        throw ERecordSetException(QStringLiteral("Employee record %1 does not exist in %2: the employee list is out of date.")
                                      .arg(number)
                                      .arg(employees.FileName()));
    employees.SetCurrentRecord(number);
    employees.GetRec();
}

EmployeePicker SetEmployeePicker(EmployeePicker picker)
{
    EmployeePicker previous = std::move(InstalledPicker());
    InstalledPicker() = std::move(picker);
    return previous;
}

void ShowRecList()
{
    RecListChosen = false;
    EmployeeCount = GetEmployeeCount();
    if (EmployeeCount <= 1) {
        AppMessageBox(QStringLiteral("The list window is not available when~there is only 1 record in the database"),
                      QCoreApplication::applicationName(), MbIconInformation);
        return;
    }
    BuildRecIndex();
    QStringList names;
    for (const RecIndexData& entry : RecIndex)
        names << entry.Name;
    const EmployeePicker& picker = InstalledPicker();
    const int selected = picker ? picker(names) : -1;
    if (selected < 0 || selected >= static_cast<int>(RecIndex.size()))
        return;
    RecListChosen = true;
    ReadEmployeeRecord(RecIndex[static_cast<std::size_t>(selected)].Index + 1);
}
