#include "platform/ui/LedgoraApplication.h"

#include <gtest/gtest.h>

// Every test executable runs with an offscreen application object, so windows can be created
// and driven without a display.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    LedgoraApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
