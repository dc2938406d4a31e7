#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// JPEG through libjpeg: the page images of the tax-form screens are written at build time and
// decoded when a screen shows them. Failures raise EReportException (damaged data) or
// EInOutError (the file), naming the file.

QByteArray EncodeJpeg(const QImage& image, int quality);
void WriteJpegFile(const QImage& image, const QString& fileName, int quality);

QImage DecodeJpeg(const QByteArray& bytes, const QString& sourceName);
QImage ReadJpegFile(const QString& fileName);
