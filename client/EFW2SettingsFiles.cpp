#include "client/EFW2SettingsFiles.h"

#include "client/RecordFileAccess.h"

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
