#include "client/ProgramWideFiles.h"

#include "components/FileRoutines.h"
#include "platform/Exceptions.h"
#include "platform/Folders.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString ShippedFile(const char* name)
{
    return ProgramDir() + QLatin1String(name);
}

// Copies the shipped file into the user's data folder unless the user already has one: the
// user's copy holds their own entries and is never replaced.
void StartFromShipped(const char* name)
{
    const QString own = ProgramWideFile(name);
    if (QFileInfo::exists(own) || !QFileInfo::exists(ShippedFile(name)))
        return;
    CopyFileChecked(ShippedFile(name), own, true);
}

} // namespace

QString ProgramWideFile(const char* name)
{
    return UserDataDir() + QLatin1String(name);
}

QString FederalTableFile()
{
    if (!IsDevIDERunning() && QFileInfo::exists(ShippedFile(kFederalTableFile)))
        return ShippedFile(kFederalTableFile);
    return ProgramWideFile(kFederalTableFile);
}

void PrepareProgramWideFiles()
{
    const QString folder = UserDataDir();
    if (!QDir().mkpath(folder))
        throw EInOutError(QStringLiteral("Ledgora cannot create the folder of its tax tables and EFW2 settings:~%1")
                              .arg(QDir::toNativeSeparators(folder)));
    for (const char* name : {kStateTableFile, kCityTableFile, kSubmitterFile, kNJStateFile, kProcessedClientsFile,
                             kNJProcessedClientsFile})
        StartFromShipped(name);
    if (IsDevIDERunning())
        StartFromShipped(kFederalTableFile);
}
