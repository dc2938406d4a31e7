#include "components/RememberedList.h"

#include "components/TextRoutines.h"
#include "platform/Exceptions.h"
#include "platform/FileReading.h"
#include "platform/FileReplacement.h"
#include "platform/Windows1252.h"

#include <QFile>

#include <algorithm>

namespace {

// Far more than any list of names a person keeps.
constexpr qint64 kMaxListBytes = 1 << 20;

} // namespace

QStringList LoadEntryList(const QString& fileName)
{
    const QByteArray bytes = ReadRegularFileIfThere(fileName, kMaxListBytes);
    QString text = FromWindows1252(bytes.constData(), static_cast<int>(bytes.size()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList entries = text.split(QChar('\n'));
    if (!entries.isEmpty() && entries.back().isEmpty())
        entries.removeLast(); // the line break that ends the last line
    return entries;
}

void SaveEntryList(const QString& fileName, const QStringList& entries)
{
    if (entries.isEmpty())
        return;
    const QByteArray bytes = ToWindows1252(entries.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    if (const QString reason = ReplaceWholeFile(fileName, bytes); !reason.isEmpty())
        throw EInOutError(QStringLiteral("%1: %2").arg(fileName, reason));
}

bool AddOrMoveEntry(QStringList& entries, const QString& item)
{
    if (IsBlank(item))
        return false;
    const qsizetype at = entries.indexOf(item);
    if (at == 0)
        return false;
    if (at > 0)
        entries.move(at, 0);
    else
        entries.prepend(item);
    return true;
}

int CompletionIndex(const QStringList& entries, const QString& text)
{
    for (int i = 0; i < entries.size(); ++i)
        if (entries[i].size() >= text.size() && QStringView(entries[i]).left(text.size()).compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void SortEntries(QStringList& entries)
{
    std::stable_sort(entries.begin(), entries.end(),
        [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
}
