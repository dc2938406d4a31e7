#include "TestSupport.h"

#include "platform/report/JpegImage.h"
#include "platform/report/LayoutImage.h"
#include "platform/report/ReportErrors.h"
#include "platform/report/ReportLayout.h"

#include <QPainter>

namespace {

QImage samplePicture()
{
    QImage image(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 4, y * 5, 255 - x * 2));
    return image;
}

int largestDifference(const QImage& a, const QImage& b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

class JpegTest : public LedgoraTest {};

TEST_F(JpegTest, WrittenImageDecodesToItsSizeAndPixels)
{
    const QImage picture = samplePicture();
    const QString file = tempPath(QStringLiteral("picture.jpg"));
    WriteJpegFile(picture, file, 100);
    const QImage decoded = ReadJpegFile(file);
    ASSERT_EQ(decoded.size(), picture.size());
    EXPECT_LE(largestDifference(decoded, picture), 3);
}

TEST_F(JpegTest, DamagedJpegIsRefused)
{
    const QByteArray good = EncodeJpeg(samplePicture(), 90);
    for (const QByteArray& bad : {QByteArray(), QByteArray("not a picture at all"), good.left(good.size() / 2)}) {
        try {
            DecodeJpeg(bad, QStringLiteral("/opt/ledgora/Form941Pg1.jpg"));
            ADD_FAILURE() << "a damaged JPEG was decoded";
        } catch (const EReportException& error) {
            EXPECT_TRUE(error.message().startsWith(QStringLiteral("The image \"Form941Pg1.jpg\" is not a readable JPEG file: ")))
                << error.message().toStdString();
        }
    }
}

TEST_F(JpegTest, LayoutPageImageShowsTheArtworkAtItsPlace)
{
    const QString project = tempPath(QStringLiteral("TAXFORMS.RAV"));
    WriteTestFile(project, "ledgora-report-project 1\n"
                           "layout Form941 portrait\n"
                           "  pen 3 black\n"
                           "  rect 1 1 2 2\n"
                           "  field Name 1.1 1.5 left\n"
                           "page\n"
                           "  line 4 0.5 4 10.5\n"
                           "end\n");
    const QString jpeg = tempPath(QStringLiteral("Form941Pg1.jpg"));
    WriteLayoutJpeg(project, QStringLiteral("Form941"), 1, 100, jpeg);
    const QImage page = ReadJpegFile(jpeg);
    ASSERT_EQ(page.size(), QSize(850, 1100));
    EXPECT_LT(qGray(page.pixel(100, 150)), 64) << "the box's left side at x 1 inch";
    EXPECT_LT(qGray(page.pixel(150, 200)), 64) << "its bottom at y 2 inches";
    EXPECT_GT(qGray(page.pixel(150, 150)), 240) << "an empty field leaves the box white";
    EXPECT_GT(qGray(page.pixel(400, 500)), 240) << "the second page's line is not on the first";

    WriteLayoutJpeg(project, QStringLiteral("Form941"), 2, 100, jpeg);
    const QImage second = ReadJpegFile(jpeg);
    EXPECT_LT(qGray(second.pixel(400, 500)), 64);
    EXPECT_GT(qGray(second.pixel(100, 150)), 240);

    EXPECT_THROW(WriteLayoutJpeg(project, QStringLiteral("Form941"), 3, 100, jpeg), EReportException);
    EXPECT_THROW(WriteLayoutJpeg(project, QStringLiteral("Form944"), 1, 100, jpeg), EReportException);
}

} // namespace
