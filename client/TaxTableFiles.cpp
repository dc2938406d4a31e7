#include "client/TaxTableFiles.h"

#include "client/RecordFileAccess.h"
#include "components/StateTables.h"
#include "platform/AppMessageBox.h"

#include <QFileInfo>
#include <algorithm>
#include <cstring>

namespace {

template <typename Record>
Record zeroRecord()
{
    Record record;
    std::memset(&record, 0, sizeof(Record));
    return record;
}

bool allZero(const FederalTaxRecord& record)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(&record);
    return std::all_of(bytes, bytes + sizeof(record), [](unsigned char b) { return b == 0; });
}

// Writes record 1 back only when the change is real, so a table that is already right needs no
// write access: the program folder may be shared read-only by several users.
template <typename Record>
void writeFirstRecordIfChanged(const QString& fileName, const Record& before, const Record& after)
{
    if (std::memcmp(&before, &after, sizeof(Record)) != 0)
        WriteFileRecordInPlace(fileName, 1, after);
}

} // namespace

void LoadFederalTable(const QString& fileName, FederalTaxRecord& record)
{
    const bool created = LoadOneRecordFile(fileName, record);
    if (!allZero(record))
        return;
    const QString problem = created
        ? QStringLiteral("The federal tax table %1 was missing; an empty table was created.").arg(fileName)
        : QStringLiteral("The federal tax table %1 holds no figures.").arg(fileName);
    AppMessageBox(problem
                      + QStringLiteral("~~Federal income tax, Social Security, Medicare and FUTA will be computed as zero "
                                       "until the table is restored. Reinstall Ledgora 2026 to restore it."),
                  QStringLiteral("Ledgora 2026"), MbOk | MbIconWarning);
}

void SaveFederalTable(const QString& fileName, const FederalTaxRecord& record)
{
    ReplaceFirstFileRecord(fileName, record);
}

StateTaxRecord NewStateTaxRecord(int stateIndex)
{
    auto record = zeroRecord<StateTaxRecord>();
    record.Abbreviation = QString::fromLatin1(StateCodes.at(static_cast<size_t>(stateIndex - 1)));
    record.StateIndex = stateIndex;
    return record;
}

void PrepareStateTable(const QString& fileName)
{
    if (!QFileInfo::exists(fileName)) {
        QByteArray bytes;
        for (int k = 1; k <= StateCount; ++k)
            bytes += RecordImage(NewStateTaxRecord(k));
        ReplaceFileContents(fileName, bytes);
    }
    StateTaxRecord alaska;
    ReadFileRecord(fileName, 1, alaska);
    StateTaxRecord stamped = alaska;
    stamped.Abbreviation = QStringLiteral("AK");
    stamped.UnempMaxWage = kAlaskaUnempMaxWage;
    stamped.DisbMaxWage = kAlaskaDisbMaxWage;
    writeFirstRecordIfChanged(fileName, alaska, stamped);
}

void PrepareCityTable(const QString& fileName)
{
    if (!QFileInfo::exists(fileName)) {
        auto none = zeroRecord<CityTaxRecord>();
        none.CityName = QStringLiteral("NONE");
        ReplaceFileContents(fileName, RecordImage(none));
    }
    CityTaxRecord first;
    ReadFileRecord(fileName, 1, first);
    CityTaxRecord stamped = first;
    stamped.CityName = QStringLiteral("NONE");
    writeFirstRecordIfChanged(fileName, first, stamped);
}
