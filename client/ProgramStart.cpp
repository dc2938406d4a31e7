#include "client/ProgramStart.h"

#include <QFileInfo>

const char* const kScreenTooSmallMessage =
    "Unable to run Ledgora!\r\n\r\nThis program will not run under screen\r\nresolutions of less than 1280 X 800.";

bool ScreenAllowsRunning(const QSize& screen)
{
    return !(screen.width() < 1280 && screen.height() < 800);
}

QString CommandLineFileName(const QStringList& arguments)
{
    QString joined;
    for (const QString& argument : arguments)
        joined += argument + QChar(' ');
    while (joined.endsWith(QChar(' ')))
        joined.chop(1);
    return joined;
}

bool IsCommandLineClientFile(const QString& fileName)
{
    const QFileInfo info(fileName);
    return fileName.endsWith(QStringLiteral(".P26"), Qt::CaseSensitive) && info.exists() && info.isFile();
}

QString MainWindowCaption(bool fileIsOpen, const QString& companyName)
{
    if (!fileIsOpen)
        return QStringLiteral("Ledgora Version %1").arg(QLatin1String(kProgramVersion));
    return QStringLiteral("Ledgora Version %1 - %2").arg(QLatin1String(kProgramVersion), companyName);
}

QString MainWindowStatusLine(bool fileIsOpen, const QString& curFileName)
{
    if (!fileIsOpen)
        return QStringLiteral("No Client File Open");
    return QStringLiteral("Current File: %1").arg(curFileName);
}
