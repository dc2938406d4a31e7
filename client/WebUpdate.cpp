#include "client/WebUpdate.h"

#include "client/BuildSettings.h"
#include "client/ProgramStart.h"
#include "components/NumberRoutines.h"
#include "components/TextRoutines.h"
#include "platform/Exceptions.h"
#include "platform/Folders.h"
#include "platform/UrlDownload.h"

#include <QFile>
#include <QStringList>

namespace {

const char* const kDescriptionPath = "/public/update.txt";
const char* const kInstallerPath = "/public/LEDGORA26.EXE";

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
    QFile file(descriptionFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return local;
    // Section and value names are matched ignoring case, as INI files are read elsewhere.
    bool inSection = false;
    while (!file.atEnd()) {
        const QString line = QString::fromLatin1(file.readLine()).trimmed();
        if (line.startsWith(QChar('[')) && line.endsWith(QChar(']'))) {
            inSection = line.mid(1, line.size() - 2).trimmed().compare(QStringLiteral("Ledgora2026"), Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf(QChar('='));
        if (!inSection || equals < 0
            || line.left(equals).trimmed().compare(QStringLiteral("Version"), Qt::CaseInsensitive) != 0)
            continue;
        bool ok = false;
        const double version = line.mid(equals + 1).trimmed().toDouble(&ok);
        return ok ? version : local;
    }
    return local;
}

bool IsUpdateAvailable()
{
    const double local = TextToFloat(LeftChars(QLatin1String(kProgramVersion), 7));
    if (!DownloadFile(UpdateServerAddress(QLatin1String(kDescriptionPath)), UpdateDescriptionFile()))
        throw EDownloadException(QStringLiteral("Unable to contact server."));
    return DescribedVersion(UpdateDescriptionFile(), local) > local;
}

bool DownloadUpdate()
{
    if (!DownloadFile(UpdateServerAddress(QLatin1String(kInstallerPath)), UpdateInstallerFile()))
        throw EDownloadException(QStringLiteral("Unable to download update."));
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
