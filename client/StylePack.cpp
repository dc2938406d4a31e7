#include "client/StylePack.h"

#include "platform/Exceptions.h"
#include "platform/FileReading.h"
#include "platform/Folders.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <zlib.h>

namespace {

const QByteArray kMagic = QByteArrayLiteral("LQSZ");
constexpr char kVersion = 1;
// No style sheet comes near this; a larger stream is a damaged file.
constexpr qsizetype kMaxSheetBytes = 4 * 1024 * 1024;

EInOutError damaged(const QString& fileName, const QString& reason)
{
    return EInOutError(QStringLiteral("The style file %1 is damaged: %2.").arg(fileName, reason));
}

} // namespace

QString StylesFolder()
{
    return ProgramDir() + QStringLiteral("styles/");
}

QByteArray PackStyleSheet(const QByteArray& sheet)
{
    uLongf size = compressBound(static_cast<uLong>(sheet.size()));
    QByteArray packed(static_cast<qsizetype>(size), Qt::Uninitialized);
    const int result = compress2(reinterpret_cast<Bytef*>(packed.data()), &size,
                                 reinterpret_cast<const Bytef*>(sheet.constData()),
                                 static_cast<uLong>(sheet.size()), Z_BEST_COMPRESSION);
    if (result != Z_OK)
        throw EInOutError(QStringLiteral("A style sheet could not be compressed (zlib error %1).").arg(result));
    packed.resize(static_cast<qsizetype>(size));
    return kMagic + QByteArray(1, kVersion) + packed;
}

QString UnpackStyleSheet(const QByteArray& packed, const QString& fileName)
{
    if (!packed.startsWith(kMagic) || packed.size() < kMagic.size() + 1)
        throw damaged(fileName, QStringLiteral("it is not a style file"));
    if (packed.at(kMagic.size()) != kVersion)
        throw damaged(fileName, QStringLiteral("its version is unknown"));

    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        throw damaged(fileName, QStringLiteral("zlib could not start"));
    const QByteArray input = packed.mid(kMagic.size() + 1);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input.constData()));
    stream.avail_in = static_cast<uInt>(input.size());

    QByteArray sheet;
    char chunk[16384];
    int result = Z_OK;
    while (result == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(chunk);
        stream.avail_out = sizeof chunk;
        result = inflate(&stream, Z_NO_FLUSH);
        if (result == Z_OK || result == Z_STREAM_END)
            sheet.append(chunk, static_cast<qsizetype>(sizeof chunk - stream.avail_out));
        if (sheet.size() > kMaxSheetBytes)
            result = Z_DATA_ERROR;
        else if (result == Z_OK && stream.avail_in == 0 && stream.avail_out != 0)
            result = Z_BUF_ERROR;   // the stream ends early
    }
    const bool ended = result == Z_STREAM_END && stream.avail_in == 0;
    inflateEnd(&stream);
    if (!ended)
        throw damaged(fileName, QStringLiteral("its compressed text is incomplete or corrupt"));
    return QString::fromUtf8(sheet);
}

QStringList AvailableStyles(const QString& folder)
{
    const QString extension = QLatin1String(kStyleFileExtension);
    QStringList names;
    const QStringList files = QDir(folder).entryList({QStringLiteral("*") + extension}, QDir::Files);
    for (const QString& file : files)
        names << file.left(file.size() - extension.size());
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return names;
}

QString LoadStyleSheet(const QString& folder, const QString& name)
{
    const QString fileName = QDir(folder).filePath(name + QLatin1String(kStyleFileExtension));
    RequireRegularFile(fileName);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(QStringLiteral("The style file %1 could not be opened: %2.").arg(fileName, file.errorString()));
    const QByteArray packed = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EInOutError(QStringLiteral("The style file %1 could not be read: %2.").arg(fileName, file.errorString()));
    return UnpackStyleSheet(packed, fileName);
}
