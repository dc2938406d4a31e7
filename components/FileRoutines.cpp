#include "components/FileRoutines.h"

#include "components/StagedCopy.h"
#include "components/TextRoutines.h"
#include "platform/Exceptions.h"
#include "platform/FileDialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

bool CopyFileFailed = false;

namespace {

[[noreturn]] void copyFailed(const QString& systemText)
{
    CopyFileFailed = true;
    throw ECopyFileException(TildeToLineBreak(QStringLiteral("The following error occurred during the copy file process:~") + systemText));
}

QString errnoText(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

bool isReadOnlyFile(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

} // namespace

FileFingerprint CopyFileChecked(const QString& source, const QString& dest, bool failIfExists)
{
    CopyFileFailed = false;
    const QFileInfo sourceInfo(source);
    const QFileInfo destInfo(dest);
    if (!sourceInfo.exists() || sourceInfo.isDir())
        copyFailed(QStringLiteral("%1: %2").arg(source, errnoText(ENOENT)));
    if (destInfo.exists()) {
        if (destInfo.canonicalFilePath() == sourceInfo.canonicalFilePath())
            copyFailed(QStringLiteral("%1: the file cannot be copied onto itself.").arg(dest));
        if (failIfExists)
            copyFailed(QStringLiteral("%1: %2").arg(dest, errnoText(EEXIST)));
        if (isReadOnlyFile(dest))
            copyFailed(QStringLiteral("%1: %2").arg(dest, errnoText(EACCES)));
    }

    try {
        StagedCopy copy(source, dest);
        PlaceCopies({&copy});
        return copy.fingerprint();
    } catch (const EInOutError& e) {
        copyFailed(e.message());
    }
}

quint16 CountMatchingFiles(const QString& mask)
{
    const QFileInfo info(mask);
    const QDir folder = info.dir();
    const QStringList entries = folder.entryList(QStringList{info.fileName()},
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    return static_cast<quint16>(std::min<qsizetype>(entries.size(), 65535));
}

bool SelectFolder(const QString& caption, QString& folder)
{
    if (!QFileInfo(folder).isDir())
        folder.clear();
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Folder;
    request.caption = caption;
    request.startPath = folder;
    const std::optional<QString> chosen = RunFileDialog(request);
    if (!chosen)
        return false;
    folder = *chosen;
    return true;
}

bool IsDevIDERunning()
{
    return qEnvironmentVariable("LEDGORA_DEVELOPER_MODE") == QStringLiteral("1");
}
