#include "client/RecordFileAccess.h"

#include "platform/Exceptions.h"
#include "platform/FileOperations.h"
#include "platform/FileReading.h"
#include "platform/FileReplacement.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>

namespace {

[[noreturn]] void fail(const QString& action, const QString& fileName, const QString& reason)
{
    throw EInOutError(QStringLiteral("Unable to %1 %2.~%3").arg(action, fileName, reason));
}

qint64 recordOffset(int recordNumber, qsizetype size)
{
    return static_cast<qint64>(recordNumber - 1) * size;
}

} // namespace

void ReadFileRecord(const QString& fileName, int recordNumber, void* record, qsizetype size)
{
    RequireRegularFile(fileName);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("open"), fileName, file.errorString());
    const qint64 offset = recordOffset(recordNumber, size);
    QByteArray bytes(size, '\0');
    qint64 got = 0;
    if (offset < file.size()) {
        if (!file.seek(offset))
            fail(QStringLiteral("read"), fileName, file.errorString());
        got = file.read(bytes.data(), size);
        if (got < 0)
            fail(QStringLiteral("read"), fileName, file.errorString());
    }
    if (got < size)
        fail(QStringLiteral("read"), fileName,
             QStringLiteral("The file holds %1 bytes, too few for record %2 of %3 bytes; it may be damaged.")
                 .arg(file.size())
                 .arg(recordNumber)
                 .arg(size));
    std::memcpy(record, bytes.constData(), static_cast<size_t>(size));
}

void WriteFileRecordInPlace(const QString& fileName, int recordNumber, const void* record, qsizetype size)
{
    if (!QFileInfo::exists(fileName))
        fail(QStringLiteral("open"), fileName, SystemErrorText(ENOENT));
    int fd = -1;
    if (const int error = OpenForWriting(fileName, O_WRONLY, 0666, fd))
        fail(QStringLiteral("open"), fileName, SystemErrorText(error));
    int error = WriteAll(fd, fileName, static_cast<const char*>(record), size, recordOffset(recordNumber, size));
    if (!error)
        error = SyncFile(fd, fileName);
    const int closed = CloseWritten(fd, fileName);
    if (error || closed)
        fail(QStringLiteral("write"), fileName, SystemErrorText(error ? error : closed));
}

void ReplaceFirstFileRecord(const QString& fileName, const void* record, qsizetype size)
{
    QByteArray bytes(static_cast<const char*>(record), size);
    RequireRegularFile(fileName);
    QFile existing(fileName);
    if (existing.exists()) {
        if (!existing.open(QIODevice::ReadOnly))
            fail(QStringLiteral("open"), fileName, existing.errorString());
        if (existing.size() > size) {
            if (!existing.seek(size))
                fail(QStringLiteral("read"), fileName, existing.errorString());
            const QByteArray rest = existing.readAll();
            if (existing.error() != QFileDevice::NoError || bytes.size() + rest.size() != existing.size())
                fail(QStringLiteral("read"), fileName, existing.errorString());
            bytes += rest;
        }
        existing.close();
    }
    ReplaceFileContents(fileName, bytes);
}

void ReplaceFileContents(const QString& fileName, const QByteArray& bytes)
{
    FileReplacement file(fileName);
    if (!file.open())
        fail(QStringLiteral("create"), fileName, file.errorString());
    if (!file.write(bytes) || !file.commit())
        fail(QStringLiteral("write"), fileName, file.errorString());
}

bool LoadOneRecordFile(const QString& fileName, void* record, qsizetype size)
{
    const bool missing = !QFileInfo::exists(fileName);
    if (missing)
        ReplaceFileContents(fileName, QByteArray(size, '\0'));
    ReadFileRecord(fileName, 1, record, size);
    return missing;
}
