#include "client/EFW2SettingsFiles.h"

#include "client/RecordFileAccess.h"
#include "components/Validators.h"
#include "platform/Exceptions.h"
#include "platform/FileReading.h"

#include <QFileInfo>

namespace {

bool isBlank(const QString& text)
{
    return text.trimmed().isEmpty();
}

bool submitterComplete(const EFW2SubmitterRecord& record)
{
    return IsValidEIN(record.EIN) && record.UserID.get().trimmed().size() >= 8 && !isBlank(record.SubmitName)
        && !isBlank(record.SubmitAddr2) && !isBlank(record.SubmitCity) && !isBlank(record.StateCode)
        && record.ZipCode.get().trimmed().size() >= 5 && !isBlank(record.ContactName)
        && IsValidPhone(record.ContactPhone) && IsValidEmail(record.ContactEmail) && !isBlank(record.PreparerCode);
}

// The record is taken only when its total is one the final record can carry.
template <typename Record>
void LoadCheckedTotal(const QString& fileName, Record& record, bool create)
{
    Record loaded;
    if (create)
        LoadOneRecordFile(fileName, loaded);
    else
        ReadFileRecord(fileName, 1, loaded);
    CheckedCount(loaded.TotalRecords, kMaxRecordTotal, fileName, QStringLiteral("total number of employee records"));
    record = loaded;
}

} // namespace

void LoadSubmitterFile(const QString& fileName, EFW2SubmitterRecord& record)
{
    LoadCheckedTotal(fileName, record, true);
}

void SaveSubmitterFile(const QString& fileName, const EFW2SubmitterRecord& record)
{
    ReplaceFirstFileRecord(fileName, record);
}

void LoadNJStateFile(const QString& fileName, NJStateFileRecord& record)
{
    LoadCheckedTotal(fileName, record, true);
}

void SaveNJStateFile(const QString& fileName, const NJStateFileRecord& record)
{
    ReplaceFirstFileRecord(fileName, record);
}

void LoadSubmitterForNewJersey(const QString& fileName, EFW2SubmitterRecord& record)
{
    if (!QFileInfo::exists(fileName))
        throw EFileNotFoundException(QStringLiteral("SSA EFW2 Submitter file not found."));
    LoadCheckedTotal(fileName, record, false);
    if (!submitterComplete(record))
        throw EFieldException(QStringLiteral("SSA EFW2 Submitter data is incomplete."));
}

int RaisedRecordTotal(int total, int added, const QString& fileName)
{
    const qint64 raised = static_cast<qint64>(total) + added;
    if (raised > kMaxRecordTotal)
        throw EFieldException(QStringLiteral("The %1 employee records of this client cannot be added to the total of %2 "
                                             "kept in %3:~the final record counts at most %4.")
                                  .arg(added)
                                  .arg(total)
                                  .arg(fileName)
                                  .arg(kMaxRecordTotal));
    return static_cast<int>(raised);
}
