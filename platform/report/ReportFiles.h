#pragma once

#include <QByteArray>
#include <QString>

// Writes bytes in place of a file: a temporary file renamed over it, so a failure leaves the old
// file whole. Raises EInOutError with the file name and the system's reason.
void WriteWholeFile(const QString& path, const QByteArray& bytes);

// Reads a whole file; raises EInOutError with the file name and the system's reason.
QByteArray ReadWholeFile(const QString& path);
