#include "platform/report/ReportFiles.h"

#include "platform/Exceptions.h"
#include "platform/FileReading.h"

#include "platform/FileReplacement.h"

#include <QFile>

void WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    FileReplacement file(path);
    if (!file.open())
        throw EInOutError(QStringLiteral("Cannot create \"%1\": %2").arg(path, file.errorString()));
    if (!file.write(bytes) || !file.commit())
        throw EInOutError(QStringLiteral("Cannot write \"%1\": %2").arg(path, file.errorString()));
}

QByteArray ReadWholeFile(const QString& path)
{
    RequireRegularFile(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(QStringLiteral("Cannot open \"%1\": %2").arg(path, file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EInOutError(QStringLiteral("Cannot read \"%1\": %2").arg(path, file.errorString()));
    return bytes;
}
