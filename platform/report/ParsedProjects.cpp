#include "platform/report/ParsedProjects.h"

#include "platform/report/ReportErrors.h"
#include "platform/report/ReportFiles.h"

#include <QFile>

#include <mutex>
#include <optional>

#include <sys/stat.h>

namespace {

// What tells one version of a file from another without reading it.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};

    bool operator==(const FileIdentity& other) const
    {
        return device == other.device && inode == other.inode && size == other.size
               && modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec;
    }
};

std::optional<FileIdentity> IdentityOf(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return FileIdentity{info.st_dev, info.st_ino, info.st_size, info.st_mtim};
}

// One project per run is the rule; tests that change the program's folder change the name.
struct CachedProject {
    QString path;
    FileIdentity identity;
    std::shared_ptr<const ReportProjectContent> content;
};

std::mutex cacheLock;
std::optional<CachedProject> cache;

std::shared_ptr<const ReportProjectContent> ReadAndParse(const QString& projectFile)
{
    QByteArray text;
    try {
        text = ReadWholeFile(projectFile);
    } catch (const EInOutError& error) {
        throw EReportException(QStringLiteral("The report project cannot be opened. %1").arg(error.message()));
    }
    return std::make_shared<const ReportProjectContent>(ParseReportProject(text, projectFile));
}

} // namespace

std::shared_ptr<const ReportProjectContent> ParsedReportProject(const QString& projectFile)
{
    const std::lock_guard<std::mutex> hold(cacheLock);
    const std::optional<FileIdentity> before = IdentityOf(projectFile);
    if (before && cache && cache->path == projectFile && cache->identity == *before)
        return cache->content;
    std::shared_ptr<const ReportProjectContent> content = ReadAndParse(projectFile);
    // A file replaced while it was read is parsed again next time rather than kept under the
    // identity of another version.
    const std::optional<FileIdentity> after = IdentityOf(projectFile);
    if (before && after && *before == *after)
        cache = CachedProject{projectFile, *after, content};
    return content;
}
