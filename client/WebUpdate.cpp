#include "client/WebUpdate.h"

#include "client/BuildSettings.h"
#include "client/ProgramStart.h"
#include "components/NumberRoutines.h"
#include "components/TextRoutines.h"
#include "platform/Exceptions.h"
#include "platform/FileReading.h"
#include "platform/Folders.h"
#include "platform/UrlDownload.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <utility>

namespace {

const char* const kDescriptionPath = "/public/update.txt";
const char* const kInstallerPath = "/public/LEDGORA26.EXE";

UpdateDeadlines& Deadlines()
{
    static UpdateDeadlines deadlines;
    return deadlines;
}

// The value of name in the program's section of the description (section and value names are
// matched ignoring case, as INI files are read elsewhere); empty when the file, the section or
// the value is missing, or the file is not one the server could have sent.
QString DescribedValue(const QString& descriptionFile, const char* name)
{
    QByteArray text;
    try {
        text = ReadRegularFile(descriptionFile, kDescriptionMaxBytes);
    } catch (const EInOutError&) {
        return {};
    }
    bool inSection = false;
    for (const QByteArray& raw : text.split('\n')) {
        const QString line = QString::fromLatin1(raw).trimmed();
        if (line.startsWith(QChar('[')) && line.endsWith(QChar(']'))) {
            inSection = line.mid(1, line.size() - 2).trimmed().compare(QStringLiteral("Ledgora2026"), Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf(QChar('='));
        if (inSection && equals >= 0 && line.left(equals).trimmed().compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return line.mid(equals + 1).trimmed();
    }
    return {};
}

// Fetches a file of the update server; a Cancel ends the command quietly, any other failure
// raises EDownloadException with failed and the reason, which names the address.
void Fetch(const char* path, const QString& fileName, const DownloadLimits& limits, const QString& failed)
{
    const DownloadOutcome outcome = DownloadFile(UpdateServerAddress(QLatin1String(path)), fileName, limits);
    if (outcome.cancelled)
        throw EAbort();
    if (!outcome)
        throw EDownloadException(failed + QStringLiteral("~") + outcome.problem);
}

bool& installerKept()
{
    static bool kept = false;
    return kept;
}

} // namespace

QString UpdateHost()
{
    QString host = qEnvironmentVariable("LEDGORA_UPDATE_HOST").trimmed();
    if (host.isEmpty())
        host = QStringLiteral(LEDGORA_BUILD_UPDATE_HOST);
    if (!host.contains(QStringLiteral("://")))
        host.prepend(QStringLiteral("https://"));
    while (host.endsWith(QChar('/')))
        host.chop(1);
    return host;
}

QUrl UpdateServerAddress(const QString& path)
{
    return QUrl(UpdateHost() + path);
}

QString UpdateDescriptionFile()
{
    return CacheDir() + QStringLiteral("update.ini");
}

QString UpdateInstallerFile()
{
    return CacheDir() + QStringLiteral("LEDGORA26.EXE");
}

double DescribedVersion(const QString& descriptionFile, double local)
{
    bool ok = false;
    const double version = DescribedValue(descriptionFile, "Version").toDouble(&ok);
    return ok ? version : local;
}

InstallerDescription DescribedInstaller(const QString& descriptionFile)
{
    InstallerDescription installer;
    const QString size = DescribedValue(descriptionFile, "Size");
    if (!size.isEmpty()) {
        bool ok = false;
        const qint64 bytes = size.toLongLong(&ok);
        if (!ok)
            throw EInOutError(DamagedFileText(descriptionFile, QStringLiteral("its installer size (%1) is not a number.").arg(size)));
        installer.size = CheckedCount(bytes, kInstallerMaxBytes, descriptionFile, QStringLiteral("installer size"));
    }
    const QString sha256 = DescribedValue(descriptionFile, "SHA256").toLower();
    static const QRegularExpression hex(QStringLiteral("^[0-9a-f]{64}$"));
    if (!sha256.isEmpty() && !hex.match(sha256).hasMatch())
        throw EInOutError(DamagedFileText(descriptionFile, QStringLiteral("its SHA256 is not 64 hexadecimal digits.")));
    installer.sha256 = sha256.toLatin1();
    return installer;
}

UpdateDeadlines SetUpdateDeadlines(const UpdateDeadlines& deadlines)
{
    return std::exchange(Deadlines(), deadlines);
}

bool IsUpdateAvailable()
{
    const double local = TextToFloat(LeftChars(QLatin1String(kProgramVersion), 7));
    DownloadLimits limits;
    limits.maxBytes = kDescriptionMaxBytes;
    limits.deadlineMilliseconds = Deadlines().descriptionMilliseconds;
    limits.stallMilliseconds = Deadlines().stallMilliseconds;
    Fetch(kDescriptionPath, UpdateDescriptionFile(), limits, QStringLiteral("Unable to contact server."));
    return DescribedVersion(UpdateDescriptionFile(), local) > local;
}

bool DownloadUpdate()
{
    const QString failed = QStringLiteral("Unable to download update.");
    DownloadLimits limits;
    limits.maxBytes = kInstallerMaxBytes;
    limits.deadlineMilliseconds = Deadlines().installerMilliseconds;
    limits.stallMilliseconds = Deadlines().stallMilliseconds;
    limits.lengthRequired = true;
    try {
        const InstallerDescription installer = DescribedInstaller(UpdateDescriptionFile());
        limits.expectedSize = installer.size;
        limits.expectedSha256 = installer.sha256;
    } catch (const EInOutError& e) {
        throw EDownloadException(failed + QStringLiteral("~") + e.message());
    }
    Fetch(kInstallerPath, UpdateInstallerFile(), limits, failed);
    return true;
}

void RemoveUpdateLeftovers()
{
    QFile::remove(UpdateDescriptionFile());
    if (!installerKept())
        QFile::remove(UpdateInstallerFile());
    installerKept() = false;
}

void KeepInstallerAtExit()
{
    installerKept() = true;
}

QString TechnicalSupportPage()
{
    return QStringLiteral(LEDGORA_BUILD_SUPPORT_PAGE);
}

QString MakerWebSite()
{
    return QStringLiteral(LEDGORA_BUILD_WEB_SITE);
}

std::array<int, 4> ConstructBuildInfo()
{
    return {LEDGORA_VERSION_MAJOR, LEDGORA_VERSION_MINOR, LEDGORA_VERSION_PATCH, LEDGORA_VERSION_TWEAK};
}

QString GetBuildInfo()
{
    QStringList parts;
    for (int number : ConstructBuildInfo())
        parts << QString::number(number);
    return parts.join(QChar('.'));
}
