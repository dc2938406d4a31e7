#include "client/ClientFileCopy.h"

#include "client/CompanyRecord.h"
#include "client/EmployeeRecord.h"
#include "client/FileNames.h"
#include "components/FileRoutines.h"
#include "components/FileSharing.h"
#include "components/TextRoutines.h"
#include "platform/Exceptions.h"
#include "platform/FileReading.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace {

[[noreturn]] void copyFailed(const QString& fileAndReason)
{
    CopyFileFailed = true;
    throw ECopyFileException(
        TildeToLineBreak(QStringLiteral("The following error occurred during the copy file process:~") + fileAndReason));
}

[[noreturn]] void copyFailed(const QString& file, const QString& reason)
{
    copyFailed(QStringLiteral("%1: %2").arg(file, reason));
}

QString errnoText(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

bool sameFile(const QString& a, const QString& b)
{
    const QFileInfo first(a);
    const QFileInfo second(b);
    if (first.exists() && second.exists())
        return first.canonicalFilePath() == second.canonicalFilePath();
    return QDir::cleanPath(first.absoluteFilePath()) == QDir::cleanPath(second.absoluteFilePath());
}

// A client file is one or more whole records, and no more than its format allows; anything else
// would not open as the client.
void checkSource(const QString& path, qint64 recordSize, qint64 maxRecords)
{
    const QFileInfo info(path);
    if (info.isDir())
        copyFailed(path, errnoText(EISDIR));
    if (const QString problem = IrregularFileProblem(path); !problem.isEmpty())
        copyFailed(problem);
    if (!info.exists())
        copyFailed(path, errnoText(ENOENT));
    if (info.size() > recordSize * maxRecords)
        copyFailed(DamagedFileText(path, QStringLiteral("it holds more than %1 records.").arg(maxRecords)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        copyFailed(path, file.errorString());
    const qint64 size = file.size();
    if (size == 0 || size % recordSize != 0)
        copyFailed(path, QStringLiteral("the file is damaged or is not a client file."));
}

// A target that exists is replaced only when this program may write it and nobody has it open:
// renaming a copy over a file another opener holds would make that opener's later writes vanish.
void checkTarget(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return;
    if (info.isDir())
        copyFailed(path, errnoText(EISDIR));
    SharedFile probe;
    if (!probe.open(path, SharedFile::Access::ReadWrite, SharedFile::Sharing{false, true}, false))
        copyFailed(path, errnoText(probe.error()));
}

} // namespace

ClientFilePair ClientFilesOf(const QString& employeeFile)
{
    return {employeeFile, ChangeFileExt(employeeFile, QStringLiteral(".C26"))};
}

void CheckClientCopy(const ClientFilePair& from, const ClientFilePair& to)
{
    CopyFileFailed = false;
    if (sameFile(from.employee, to.employee))
        copyFailed(to.employee, QStringLiteral("the file cannot be copied onto itself."));
    if (sameFile(from.company, to.company))
        copyFailed(to.company, QStringLiteral("the file cannot be copied onto itself."));
    checkSource(from.employee, sizeof(EmployeeRecord), kMaxEmployees);
    checkSource(from.company, sizeof(CompanyRecord), 1);
}

ClientFileFingerprints CopyClientFiles(const ClientFilePair& from, const ClientFilePair& to)
{
    CheckClientCopy(from, to);
    checkTarget(to.employee);
    checkTarget(to.company);
    try {
        StagedCopy employee(from.employee, to.employee);
        StagedCopy company(from.company, to.company);
        PlaceCopies({&employee, &company});
        return {employee.fingerprint(), company.fingerprint()};
    } catch (const EInOutError& e) {
        copyFailed(e.message());
    }
}
