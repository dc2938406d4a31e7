#include "platform/MemoryStatus.h"

#include <QFile>
#include <QList>

namespace {

// The value of one "Name:   12345 kB" line; -1 when the line is not there.
qint64 MemInfoValue(const QByteArray& text, const QByteArray& name)
{
    for (const QByteArray& line : text.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon < 0 || line.left(colon).trimmed() != name)
            continue;
        const QList<QByteArray> fields = line.mid(colon + 1).simplified().split(' ');
        bool ok = false;
        const qint64 value = fields.value(0).toLongLong(&ok);
        return ok && value >= 0 ? value : -1;
    }
    return -1;
}

} // namespace

std::optional<MemoryStatus> ParseMemInfo(const QByteArray& text)
{
    const qint64 total = MemInfoValue(text, "MemTotal");
    if (total <= 0)
        return std::nullopt;
    qint64 available = MemInfoValue(text, "MemAvailable");
    if (available < 0)
        available = MemInfoValue(text, "MemFree");
    MemoryStatus status;
    status.totalKB = total;
    if (available >= 0 && available <= total)
        status.loadPercent = static_cast<int>(((total - available) * 100 + total / 2) / total);
    return status;
}

std::optional<MemoryStatus> ReadMemoryStatus()
{
    QFile file(QStringLiteral("/proc/meminfo"));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return ParseMemInfo(file.readAll());
}

QString FormatKilobytes(qint64 kilobytes)
{
    QString digits = QString::number(kilobytes);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QChar(','));
    return digits + QStringLiteral(" KB");
}
