#include "client/EFW2SettingsFiles.h"

#include "client/RecordFileAccess.h"
#include "components/Validators.h"
#include "platform/Exceptions.h"

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

} // namespace

void LoadSubmitterFile(const QString& fileName, EFW2SubmitterRecord& record)
{
    LoadOneRecordFile(fileName, record);
}

void SaveSubmitterFile(const QString& fileName, const EFW2SubmitterRecord& record)
{
    ReplaceFirstFileRecord(fileName, record);
}

void LoadNJStateFile(const QString& fileName, NJStateFileRecord& record)
{
    LoadOneRecordFile(fileName, record);
}

void SaveNJStateFile(const QString& fileName, const NJStateFileRecord& record)
{
    ReplaceFirstFileRecord(fileName, record);
}

void LoadSubmitterForNewJersey(const QString& fileName, EFW2SubmitterRecord& record)
{
    if (!QFileInfo::exists(fileName))
        throw EFileNotFoundException(QStringLiteral("SSA EFW2 Submitter file not found."));
    ReadFileRecord(fileName, 1, record);
    if (!submitterComplete(record))
        throw EFieldException(QStringLiteral("SSA EFW2 Submitter data is incomplete."));
}
