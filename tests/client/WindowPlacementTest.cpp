#include "client/WindowPlacement.h"

#include "TestSupport.h"

TEST(WindowPlacementTest, ARestoredFrameIsMovedAndShrunkIntoTheScreen)
{
    const QRect screen(0, 0, 1366, 728);  // 1366 x 768 less a panel of 40
    const struct {
        const char* why;
        QRect frame;
        QRect available;
        QRect expected;
    } cases[] = {
        {"fits as it is", QRect(10, 10, 800, 600), screen, QRect(10, 10, 800, 600)},
        {"saved on a taller screen: 14 px past the bottom", QRect(0, 0, 1280, 742), screen, QRect(0, 0, 1280, 728)},
        {"saved on a larger screen", QRect(100, 50, 1900, 1040), screen, QRect(0, 0, 1366, 728)},
        {"placed past the right edge", QRect(900, 100, 800, 600), screen, QRect(566, 100, 800, 600)},
        {"placed above and left of the screen", QRect(-50, -20, 800, 600), screen, QRect(0, 0, 800, 600)},
        {"a screen to the right of another", QRect(1300, 0, 800, 600), QRect(1366, 0, 1920, 1080),
         QRect(1366, 0, 800, 600)},
        {"no screen known", QRect(-50, -20, 3000, 2000), QRect(), QRect(-50, -20, 3000, 2000)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FitIntoScreen(c.frame, c.available), c.expected) << c.why;
}
