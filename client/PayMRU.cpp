#include "client/PayMRU.h"

#include "client/PayRecords.h"
#include "components/TextRoutines.h"

void AddToRecentFiles(QStringList& list, const QString& fileName)
{
    if (IsBlank(fileName))
        return;
    list.removeIf([&fileName](const QString& entry) { return entry.compare(fileName, Qt::CaseInsensitive) == 0; });
    while (list.size() > kRecentFileCount - 1)
        list.removeLast();
    while (list.size() < kRecentFileCount - 1)
        list.append(QString());
    list.prepend(fileName);
}

void AddToRecentFiles(const QString& fileName)
{
    AddToRecentFiles(MRUList, fileName);
}

QString RecentFileCaption(int k, const QString& entry)
{
    return QStringLiteral("&%1 ").arg(k) + EscapeAmpersands(entry);
}

bool RecentClientsEnabled(const QStringList& list)
{
    return !list.isEmpty() && !list.constFirst().isEmpty();
}
