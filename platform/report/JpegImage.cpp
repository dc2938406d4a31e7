#include "platform/report/JpegImage.h"

#include "platform/report/ReportErrors.h"
#include "platform/report/ReportFiles.h"

#include <QFileInfo>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {

// A page at 300 dpi is under 10 million pixels; far more means a damaged header.
constexpr unsigned long long MaxPixels = 100'000'000ULL;

// libjpeg reports a fatal error by calling error_exit, which must not return; it jumps back to
// the call that started the work, where the message becomes an exception.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void errorExit(j_common_ptr info)
{
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void noOutput(j_common_ptr)
{
}

// Kept out of the functions that call setjmp, so no object with a destructor lives across it.
bool compress(const QImage& rgb, int quality, unsigned char** buffer, unsigned long* size, QString& error)
{
    jpeg_compress_struct cinfo{};
    ErrorManager manager{};
    cinfo.err = jpeg_std_error(&manager.pub);
    manager.pub.error_exit = errorExit;
    manager.pub.output_message = noOutput;
    if (setjmp(manager.jump)) {
        jpeg_destroy_compress(&cinfo);
        error = QString::fromLocal8Bit(manager.message);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, buffer, size);
    cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
    cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    if (rgb.dotsPerMeterX() > 0 && rgb.dotsPerMeterY() > 0) {
        cinfo.density_unit = 1; // dots per inch
        cinfo.X_density = static_cast<UINT16>(qRound(rgb.dotsPerMeterX() * 0.0254));
        cinfo.Y_density = static_cast<UINT16>(qRound(rgb.dotsPerMeterY() * 0.0254));
    }
    // Full colour resolution: form artwork is thin black lines that subsampling would blur.
    for (int c = 0; c < cinfo.num_components; ++c) {
        cinfo.comp_info[c].h_samp_factor = 1;
        cinfo.comp_info[c].v_samp_factor = 1;
    }
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

bool decompress(const QByteArray& bytes, QImage& image, QString& error)
{
    jpeg_decompress_struct cinfo{};
    ErrorManager manager{};
    cinfo.err = jpeg_std_error(&manager.pub);
    manager.pub.error_exit = errorExit;
    manager.pub.output_message = noOutput;
    if (setjmp(manager.jump)) {
        jpeg_destroy_decompress(&cinfo);
        error = QString::fromLocal8Bit(manager.message);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.constData()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    if (static_cast<unsigned long long>(cinfo.image_width) * cinfo.image_height > MaxPixels) {
        jpeg_destroy_decompress(&cinfo);
        error = QStringLiteral("the image is too large");
        return false;
    }
    jpeg_start_decompress(&cinfo);
    image = QImage(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height), QImage::Format_RGB888);
    if (image.isNull()) {
        jpeg_destroy_decompress(&cinfo);
        error = QStringLiteral("the image is too large");
        return false;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    // libjpeg only warns about data that ends early or is corrupt, and fills in grey.
    const bool whole = manager.pub.num_warnings == 0;
    jpeg_destroy_decompress(&cinfo);
    if (!whole)
        error = QStringLiteral("the data is damaged or incomplete");
    return whole;
}

} // namespace

QByteArray EncodeJpeg(const QImage& image, int quality)
{
    if (image.isNull())
        throw EReportException(QStringLiteral("An empty image cannot be written as JPEG."));
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    QString error;
    const bool ok = compress(rgb, qBound(1, quality, 100), &buffer, &size, error);
    QByteArray bytes;
    if (ok)
        bytes = QByteArray(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    if (!ok)
        throw EReportException(QStringLiteral("The JPEG image cannot be written: %1").arg(error));
    return bytes;
}

void WriteJpegFile(const QImage& image, const QString& fileName, int quality)
{
    WriteWholeFile(fileName, EncodeJpeg(image, quality));
}

QImage DecodeJpeg(const QByteArray& bytes, const QString& sourceName)
{
    QImage image;
    QString error;
    if (bytes.isEmpty() || !decompress(bytes, image, error)) {
        const QString name = QFileInfo(sourceName).fileName().isEmpty() ? sourceName : QFileInfo(sourceName).fileName();
        throw EReportException(QStringLiteral("The image \"%1\" is not a readable JPEG file: %2")
                                   .arg(name, error.isEmpty() ? QStringLiteral("the file is empty") : error));
    }
    return image;
}

QImage ReadJpegFile(const QString& fileName)
{
    return DecodeJpeg(ReadWholeFile(fileName), fileName);
}
