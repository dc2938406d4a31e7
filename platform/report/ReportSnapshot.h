#pragma once

#include "platform/report/ReportDocument.h"

#include <QByteArray>
#include <QString>

// The report snapshot file (".ndr"): a saved report that opens again into the same pages.
// Our own format: an 8-byte signature, the format version, the page count, the length and CRC-32
// of the operation stream, then the stream compressed with zlib. Reading checks every part and
// refuses a damaged or foreign file with a message that names it.

inline constexpr quint16 SnapshotVersion = 1;

QByteArray SnapshotBytes(const ReportDocument& document);
// sourceName names the file in messages.
ReportDocument DocumentFromSnapshot(const QByteArray& bytes, const QString& sourceName);

void SaveSnapshot(const ReportDocument& document, const QString& fileName);
ReportDocument LoadSnapshot(const QString& fileName);
