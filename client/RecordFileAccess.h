#pragma once

#include <QByteArray>
#include <QString>
#include <type_traits>

// Whole-record access to files of fixed-size records without a header: the tax tables and the
// settings files beside the program. Every failure raises EInOutError naming the file and the
// system's reason; the caller's record is changed only by a complete read.

// Reads record `recordNumber` (counted from 1) of `size` bytes into `record`. A file too short to
// hold the whole record is refused as damaged.
void ReadFileRecord(const QString& fileName, int recordNumber, void* record, qsizetype size);

// Overwrites record `recordNumber` in the existing file itself, for tables that another copy of
// the program may hold open: a file renamed over theirs would leave them writing to a lost copy.
void WriteFileRecordInPlace(const QString& fileName, int recordNumber, const void* record, qsizetype size);

// Writes `record` as the first record of the file through a temporary file renamed into place,
// keeping any bytes after the first record, so a failed write leaves the old file whole.
void ReplaceFirstFileRecord(const QString& fileName, const void* record, qsizetype size);

// Writes a file holding exactly `bytes` through a temporary file renamed into place.
void ReplaceFileContents(const QString& fileName, const QByteArray& bytes);

// Reads the first record of a one-record file into `record`; a missing file is first created
// holding one zero-filled record. Returns true when the file was created.
bool LoadOneRecordFile(const QString& fileName, void* record, qsizetype size);

template <typename Record>
void ReadFileRecord(const QString& fileName, int recordNumber, Record& record)
{
    static_assert(std::is_trivially_copyable_v<Record>);
    ReadFileRecord(fileName, recordNumber, &record, sizeof(Record));
}

template <typename Record>
void WriteFileRecordInPlace(const QString& fileName, int recordNumber, const Record& record)
{
    static_assert(std::is_trivially_copyable_v<Record>);
    WriteFileRecordInPlace(fileName, recordNumber, &record, sizeof(Record));
}

template <typename Record>
void ReplaceFirstFileRecord(const QString& fileName, const Record& record)
{
    static_assert(std::is_trivially_copyable_v<Record>);
    ReplaceFirstFileRecord(fileName, &record, sizeof(Record));
}

template <typename Record>
bool LoadOneRecordFile(const QString& fileName, Record& record)
{
    static_assert(std::is_trivially_copyable_v<Record>);
    return LoadOneRecordFile(fileName, &record, sizeof(Record));
}

// The bytes of a record, for writing several records as one file.
template <typename Record>
QByteArray RecordImage(const Record& record)
{
    static_assert(std::is_trivially_copyable_v<Record>);
    return QByteArray(reinterpret_cast<const char*>(&record), sizeof(Record));
}
