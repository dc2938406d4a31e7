#pragma once

#include <QByteArray>
#include <QString>

// The size and CRC-32 of a file's bytes: enough to tell a short, damaged or replaced copy from
// its source.
struct FileFingerprint {
    qint64 size = 0;
    quint32 crc32 = 0;
    friend bool operator==(const FileFingerprint&, const FileFingerprint&) = default;
};

// The fingerprint of no bytes, to which AddToFingerprint adds.
FileFingerprint EmptyFingerprint();
void AddToFingerprint(FileFingerprint& fingerprint, const char* bytes, qint64 size);
// The fingerprint of bytes held in memory.
FileFingerprint FingerprintOf(const QByteArray& bytes);

// Reads the whole file at path into fingerprint; returns 0 or the system's errno (EISDIR for a
// folder).
int ReadFingerprint(const QString& path, FileFingerprint& fingerprint);
