#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The machine's memory as the About box shows it.
struct MemoryStatus {
    qint64 totalKB = 0;     // physical memory
    int loadPercent = 0;    // share of it in use, 0..100
};

// From the text of /proc/meminfo: MemTotal, and the load from MemAvailable (MemFree where the
// kernel gives no MemAvailable). Nothing when MemTotal is missing or zero.
std::optional<MemoryStatus> ParseMemInfo(const QByteArray& text);

// The running machine's memory; nothing when it cannot be read.
std::optional<MemoryStatus> ReadMemoryStatus();

// "16,318,404 KB": kilobytes with thousands separators.
QString FormatKilobytes(qint64 kilobytes);
