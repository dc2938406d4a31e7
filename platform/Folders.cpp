#include "platform/Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace {

QString withSlash(QString path)
{
    if (!path.endsWith(QChar('/')))
        path += QChar('/');
    return path;
}

QString fromEnvironment(const char* name)
{
    return qEnvironmentVariable(name);
}

} // namespace

QString ProgramDir()
{
    const QString overridden = fromEnvironment("LEDGORA_PROGRAM_DIR");
    if (!overridden.isEmpty())
        return withSlash(overridden);
    return withSlash(QCoreApplication::applicationDirPath());
}

QString DocumentsDir()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return withSlash(documents.isEmpty() ? QDir::homePath() + QStringLiteral("/Documents") : documents);
}

QString UserDataDir(int taxYear)
{
    return withSlash(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                     + QStringLiteral("/Ledgora/%1").arg(taxYear));
}

QString ConfigDir()
{
    const QString overridden = fromEnvironment("LEDGORA_CONFIG_DIR");
    if (!overridden.isEmpty())
        return withSlash(overridden);
    return withSlash(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Ledgora"));
}

QString CacheDir()
{
    return withSlash(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/Ledgora/2026"));
}
