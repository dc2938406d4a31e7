#include "TestSupport.h"

#include "client/MainMenuItems.h"
#include "client/ui/ToolbarIcons.h"

#include <QImage>
#include <QPixmap>

#include <vector>

namespace {

QImage Drawn(const QIcon& icon, qreal ratio, QIcon::Mode mode = QIcon::Normal)
{
    return icon.pixmap(QSize(24, 24), ratio, mode).toImage().convertToFormat(QImage::Format_ARGB32);
}

int OpaquePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 128)
                ++count;
    return count;
}

class ToolbarIconsTest : public LedgoraTest {};

TEST_F(ToolbarIconsTest, EveryButtonIsDrawnAtTheScreensOwnResolution)
{
    for (const ToolbarButton& button : ToolbarButtons()) {
        SCOPED_TRACE(button.hint);
        const QIcon icon = ToolbarIcon(button.item);
        ASSERT_FALSE(icon.isNull());
        for (qreal ratio : {1.0, 1.25, 1.5, 2.0}) {
            const QPixmap pixmap = icon.pixmap(QSize(24, 24), ratio);
            const int device = qRound(24 * ratio);
            EXPECT_EQ(pixmap.size(), QSize(device, device)) << "at " << ratio << "x";
            EXPECT_DOUBLE_EQ(pixmap.devicePixelRatio(), ratio);
            // A picture, not a speck: at least a fifth of the square is solid.
            EXPECT_GE(OpaquePixels(pixmap.toImage()), device * device / 5) << "at " << ratio << "x";
        }
    }
}

TEST_F(ToolbarIconsTest, ButtonsAreToldApart)
{
    std::vector<QImage> drawn;
    for (const ToolbarButton& button : ToolbarButtons())
        drawn.push_back(Drawn(ToolbarIcon(button.item), 1.0));
    const auto buttons = ToolbarButtons();
    for (std::size_t i = 0; i < drawn.size(); ++i)
        for (std::size_t j = i + 1; j < drawn.size(); ++j)
            EXPECT_NE(drawn[i], drawn[j]) << buttons[i].hint << " and " << buttons[j].hint << " look alike";
}

TEST_F(ToolbarIconsTest, ACommandThatIsOffShowsItsIconFadedGrey)
{
    for (const ToolbarButton& button : ToolbarButtons()) {
        SCOPED_TRACE(button.hint);
        for (qreal ratio : {1.0, 2.0}) {
            const QIcon icon = ToolbarIcon(button.item);
            const QImage normal = Drawn(icon, ratio);
            const QImage off = Drawn(icon, ratio, QIcon::Disabled);
            ASSERT_EQ(off.size(), normal.size());
            int coloured = 0;
            int tooStrong = 0;
            for (int y = 0; y < off.height(); ++y)
                for (int x = 0; x < off.width(); ++x) {
                    const QRgb pixel = off.pixel(x, y);
                    if (qAlpha(pixel) > 0 && (qRed(pixel) != qGreen(pixel) || qGreen(pixel) != qBlue(pixel)))
                        ++coloured;
                    if (qAlpha(pixel) > qAlpha(normal.pixel(x, y)) / 2)
                        ++tooStrong;
                }
            EXPECT_EQ(coloured, 0);
            EXPECT_EQ(tooStrong, 0);
            EXPECT_GT(OpaquePixels(normal), 0);
        }
    }
}

} // namespace
