#include "platform/report/ReportSnapshot.h"

#include "platform/report/ReportErrors.h"
#include "platform/report/ReportFiles.h"

#include <QBuffer>
#include <QFileInfo>
#include <QtEndian>

#include <zlib.h>

#include <cmath>
#include <cstring>

namespace {

constexpr char Signature[8] = {'L', 'G', 'N', 'D', 'R', '\x1a', '\r', '\n'};
constexpr int HeaderSize = 8 + 2 + 2 + 4 + 4 + 4;
// Far beyond any printout, yet small enough that a damaged length cannot exhaust memory.
constexpr quint32 MaxStreamBytes = 256u * 1024u * 1024u;
constexpr quint32 MaxPages = 100000;
// Coordinates beyond this many inches cannot come from a printout.
constexpr double MaxInches = 1000.0;

struct Damaged {};

class Writer {
public:
    void u8(quint8 v) { bytes_.append(static_cast<char>(v)); }
    void u32(quint32 v)
    {
        char b[4];
        qToLittleEndian(v, b);
        bytes_.append(b, 4);
    }
    void f64(double v)
    {
        quint64 bits;
        std::memcpy(&bits, &v, 8);
        char b[8];
        qToLittleEndian(bits, b);
        bytes_.append(b, 8);
    }
    void blob(const QByteArray& data)
    {
        u32(static_cast<quint32>(data.size()));
        bytes_.append(data);
    }
    void text(const QString& s) { blob(s.toUtf8()); }
    const QByteArray& bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

class Reader {
public:
    explicit Reader(const QByteArray& bytes) : bytes_(bytes) {}
    quint8 u8() { return static_cast<quint8>(*take(1)); }
    quint32 u32() { return qFromLittleEndian<quint32>(take(4)); }
    double f64()
    {
        const quint64 bits = qFromLittleEndian<quint64>(take(8));
        double v;
        std::memcpy(&v, &bits, 8);
        if (!std::isfinite(v))
            throw Damaged{};
        return v;
    }
    double inches()
    {
        const double v = f64();
        if (std::abs(v) > MaxInches)
            throw Damaged{};
        return v;
    }
    bool flag()
    {
        const quint8 v = u8();
        if (v > 1)
            throw Damaged{};
        return v == 1;
    }
    template <typename E> E choice(E last)
    {
        const quint8 v = u8();
        if (v > static_cast<quint8>(last))
            throw Damaged{};
        return static_cast<E>(v);
    }
    QByteArray blob()
    {
        const quint32 size = u32();
        const char* data = take(size);
        return QByteArray(data, size);
    }
    QString text() { return QString::fromUtf8(blob()); }
    quint32 count(quint32 smallestItem)
    {
        const quint32 n = u32();
        if (smallestItem > 0 && n > remaining() / smallestItem)
            throw Damaged{};
        return n;
    }
    qsizetype remaining() const { return bytes_.size() - pos_; }

private:
    const char* take(quint64 n)
    {
        if (n > static_cast<quint64>(remaining()))
            throw Damaged{};
        const char* at = bytes_.constData() + pos_;
        pos_ += static_cast<qsizetype>(n);
        return at;
    }
    const QByteArray& bytes_;
    qsizetype pos_ = 0;
};

void writeFont(Writer& w, const ReportFont& f)
{
    w.text(f.name);
    w.f64(f.size);
    w.u8(f.bold);
    w.u8(f.italic);
    w.u8(f.underline);
    w.u8(f.strikeout);
}

ReportFont readFont(Reader& r)
{
    ReportFont f;
    f.name = r.text();
    f.size = r.f64();
    if (f.size <= 0 || f.size > 1000)
        throw Damaged{};
    f.bold = r.flag();
    f.italic = r.flag();
    f.underline = r.flag();
    f.strikeout = r.flag();
    return f;
}

void writeOp(Writer& w, const DrawOp& op)
{
    w.u8(static_cast<quint8>(op.kind));
    w.u8(op.previewOnly);
    w.f64(op.x1);
    w.f64(op.y1);
    w.f64(op.x2);
    w.f64(op.y2);
    switch (op.kind) {
    case DrawOp::Kind::Text:
        w.u8(static_cast<quint8>(op.align));
        writeFont(w, op.font);
        w.u32(op.textColor);
        w.text(op.text);
        break;
    case DrawOp::Kind::Image: {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        op.image.save(&buffer, "PNG");
        w.blob(png);
        break;
    }
    case DrawOp::Kind::RoundRect:
        w.f64(op.radius);
        [[fallthrough]];
    case DrawOp::Kind::Line:
    case DrawOp::Kind::Rectangle:
    case DrawOp::Kind::Ellipse:
        w.u32(op.pen.color);
        w.u8(static_cast<quint8>(op.pen.style));
        w.f64(op.pen.width);
        w.u32(op.brush.color);
        w.u8(static_cast<quint8>(op.brush.style));
        break;
    }
}

DrawOp readOp(Reader& r)
{
    DrawOp op;
    op.kind = r.choice(DrawOp::Kind::Image);
    op.previewOnly = r.flag();
    op.x1 = r.inches();
    op.y1 = r.inches();
    op.x2 = r.inches();
    op.y2 = r.inches();
    switch (op.kind) {
    case DrawOp::Kind::Text:
        op.align = r.choice(TextAlign::Right);
        op.font = readFont(r);
        op.textColor = r.u32();
        op.text = r.text();
        break;
    case DrawOp::Kind::Image: {
        const QImage image = QImage::fromData(r.blob(), "PNG");
        if (image.isNull())
            throw Damaged{};
        op.image = image.convertToFormat(QImage::Format_ARGB32);
        break;
    }
    case DrawOp::Kind::RoundRect:
        op.radius = r.inches();
        [[fallthrough]];
    case DrawOp::Kind::Line:
    case DrawOp::Kind::Rectangle:
    case DrawOp::Kind::Ellipse:
        op.pen.color = r.u32();
        op.pen.style = r.choice(PenStyle::Clear);
        op.pen.width = r.inches();
        if (op.pen.width < 0)
            throw Damaged{};
        op.brush.color = r.u32();
        op.brush.style = r.choice(BrushStyle::Clear);
        break;
    }
    return op;
}

QByteArray stream(const ReportDocument& document)
{
    Writer w;
    w.text(document.job.title);
    w.text(document.job.printerName);
    w.text(document.job.paper);
    w.text(document.job.bin);
    w.u32(static_cast<quint32>(document.job.copies));
    w.u8(document.job.collate);
    w.u8(document.job.duplex);
    w.u32(static_cast<quint32>(document.pages.size()));
    for (const ReportPage& page : document.pages) {
        w.f64(page.width);
        w.f64(page.height);
        w.u32(static_cast<quint32>(page.ops.size()));
        for (const DrawOp& op : page.ops)
            writeOp(w, op);
    }
    return w.bytes();
}

ReportDocument documentFrom(const QByteArray& bytes, quint32 expectedPages)
{
    Reader r(bytes);
    ReportDocument document;
    document.job.title = r.text();
    document.job.printerName = r.text();
    document.job.paper = r.text();
    document.job.bin = r.text();
    const quint32 copies = r.u32();
    if (copies > 9999)
        throw Damaged{};
    document.job.copies = static_cast<int>(copies);
    document.job.collate = r.flag();
    document.job.duplex = r.u8();
    if (document.job.duplex > 2)
        throw Damaged{};
    const quint32 pageCount = r.count(20);
    if (pageCount != expectedPages)
        throw Damaged{};
    document.pages.reserve(pageCount);
    for (quint32 i = 0; i < pageCount; ++i) {
        ReportPage page;
        page.width = r.inches();
        page.height = r.inches();
        if (page.width <= 0 || page.height <= 0)
            throw Damaged{};
        const quint32 opCount = r.count(34);
        page.ops.reserve(opCount);
        for (quint32 j = 0; j < opCount; ++j)
            page.ops.push_back(readOp(r));
        document.pages.push_back(std::move(page));
    }
    if (r.remaining() != 0)
        throw Damaged{};
    return document;
}

QString shortName(const QString& sourceName)
{
    const QString name = QFileInfo(sourceName).fileName();
    return name.isEmpty() ? sourceName : name;
}

} // namespace

QByteArray SnapshotBytes(const ReportDocument& document)
{
    const QByteArray payload = stream(document);
    uLongf packedSize = compressBound(static_cast<uLong>(payload.size()));
    QByteArray packed(static_cast<qsizetype>(packedSize), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize, reinterpret_cast<const Bytef*>(payload.constData()),
                  static_cast<uLong>(payload.size()), Z_BEST_COMPRESSION)
        != Z_OK)
        throw EReportException(QStringLiteral("The report snapshot cannot be compressed."));
    packed.truncate(static_cast<qsizetype>(packedSize));

    QByteArray bytes(Signature, 8);
    char field[4];
    qToLittleEndian<quint16>(SnapshotVersion, field);
    qToLittleEndian<quint16>(0, field + 2);
    bytes.append(field, 4);
    qToLittleEndian<quint32>(static_cast<quint32>(document.pages.size()), field);
    bytes.append(field, 4);
    qToLittleEndian<quint32>(static_cast<quint32>(payload.size()), field);
    bytes.append(field, 4);
    qToLittleEndian<quint32>(static_cast<quint32>(crc32(0L, reinterpret_cast<const Bytef*>(payload.constData()),
                                                        static_cast<uInt>(payload.size()))),
                             field);
    bytes.append(field, 4);
    bytes.append(packed);
    return bytes;
}

ReportDocument DocumentFromSnapshot(const QByteArray& bytes, const QString& sourceName)
{
    const QString name = shortName(sourceName);
    if (bytes.size() < 8 || std::memcmp(bytes.constData(), Signature, 8) != 0)
        throw EReportException(QStringLiteral("\"%1\" is not a Ledgora report snapshot and cannot be opened.").arg(name));
    const EReportException damaged(QStringLiteral("The report snapshot \"%1\" is damaged and cannot be opened.").arg(name));
    if (bytes.size() < HeaderSize)
        throw damaged;
    const char* header = bytes.constData() + 8;
    const quint16 version = qFromLittleEndian<quint16>(header);
    const quint16 reserved = qFromLittleEndian<quint16>(header + 2);
    const quint32 pages = qFromLittleEndian<quint32>(header + 4);
    const quint32 payloadSize = qFromLittleEndian<quint32>(header + 8);
    const quint32 crc = qFromLittleEndian<quint32>(header + 12);
    if (version > SnapshotVersion)
        throw EReportException(
            QStringLiteral("The report snapshot \"%1\" was saved by a newer version of Ledgora (format %2) and cannot be opened.")
                .arg(name)
                .arg(version));
    if (version == 0 || reserved != 0 || pages > MaxPages || payloadSize > MaxStreamBytes)
        throw damaged;

    QByteArray payload(static_cast<qsizetype>(payloadSize), Qt::Uninitialized);
    uLongf unpackedSize = payloadSize;
    const uLong packedSize = static_cast<uLong>(bytes.size() - HeaderSize);
    uLong consumed = packedSize;
    const int result = uncompress2(reinterpret_cast<Bytef*>(payload.data()), &unpackedSize,
                                   reinterpret_cast<const Bytef*>(bytes.constData() + HeaderSize), &consumed);
    // Bytes after the end of the compressed stream are damage too.
    if (result != Z_OK || unpackedSize != payloadSize || consumed != packedSize
        || crc32(0L, reinterpret_cast<const Bytef*>(payload.constData()), static_cast<uInt>(payload.size())) != crc)
        throw damaged;
    try {
        return documentFrom(payload, pages);
    } catch (const Damaged&) {
        throw damaged;
    }
}

void SaveSnapshot(const ReportDocument& document, const QString& fileName)
{
    WriteWholeFile(fileName, SnapshotBytes(document));
}

ReportDocument LoadSnapshot(const QString& fileName)
{
    return DocumentFromSnapshot(ReadWholeFile(fileName), fileName);
}
