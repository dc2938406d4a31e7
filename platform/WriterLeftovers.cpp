#include "platform/WriterLeftovers.h"

#include "platform/FileOperations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <sys/stat.h>

QStringList RemoveLeftoverPartFiles(const QString& folder, const QDateTime& before)
{
    // The writer's own shape: a hidden name, the target's name, a random base-36 number.
    static const QRegularExpression kWriterName(QStringLiteral("^\\..+\\.[0-9a-z]{1,7}\\.part$"));
    QStringList kept;
    const QFileInfoList files =
        QDir(folder).entryInfoList({QStringLiteral(".*.part")}, QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& file : files) {
        struct stat info {};
        const QString path = file.absoluteFilePath();
        if (!kWriterName.match(file.fileName()).hasMatch() || file.lastModified() >= before
            || ::lstat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
            continue;
        if (RemoveFile(path) != 0)
            kept << path;
    }
    return kept;
}
