#include "components/ExportFolder.h"

#include "platform/Folders.h"

#include <QFileInfo>

namespace {

QString lastFolder;

} // namespace

QString ExportFolder()
{
    return lastFolder.isEmpty() ? DocumentsDir() + QStringLiteral("Ledgora/2026/") : lastFolder;
}

void RememberExportFolder(const QString& chosenFile)
{
    const QString folder = QFileInfo(chosenFile).absolutePath();
    lastFolder = folder.endsWith(QChar('/')) ? folder : folder + QChar('/');
}

QString ExportPath(const QString& fileName)
{
    if (!fileName.isEmpty() && QFileInfo(fileName).isAbsolute())
        return fileName;
    return ExportFolder() + fileName;
}
