#include "TestSupport.h"

#include "client/ProgramStart.h"

TEST(ProgramStartTest, ScreenMustBeWideOrHighEnough)
{
    struct Case {
        int width, height;
        bool runs;
    };
    const Case cases[] = {
        {1279, 799, false}, {1279, 800, true}, {1280, 799, true}, {1280, 800, true},
        {1024, 900, true},  {1280, 720, true}, {800, 600, false}, {800, 800, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScreenAllowsRunning(QSize(c.width, c.height)), c.runs) << c.width << " x " << c.height;
}

TEST(ProgramStartTest, CommandLineArgumentsAreJoinedBySingleBlanks)
{
    EXPECT_EQ(CommandLineFileName({}), QString());
    EXPECT_EQ(CommandLineFileName({QStringLiteral("/data/ACME.P26")}), QStringLiteral("/data/ACME.P26"));
    EXPECT_EQ(CommandLineFileName({QStringLiteral("/data/Acme"), QStringLiteral("Tools.P26")}),
              QStringLiteral("/data/Acme Tools.P26"));
    EXPECT_EQ(CommandLineFileName({QStringLiteral("/data/Acme "), QStringLiteral("Tools.P26 ")}),
              QStringLiteral("/data/Acme  Tools.P26"));
    EXPECT_EQ(CommandLineFileName({QStringLiteral("a"), QString(), QStringLiteral("  ")}), QStringLiteral("a"));
}

class CommandLineFileTest : public LedgoraTest {};

TEST_F(CommandLineFileTest, OnlyAnExistingFileWithTheExactExtensionOpens)
{
    const QString upper = tempPath(QStringLiteral("Acme Tools.P26"));
    const QString lower = tempPath(QStringLiteral("Lower.p26"));
    WriteTestFile(upper, QByteArray(10, '\0'));
    WriteTestFile(lower, QByteArray(10, '\0'));
    EXPECT_TRUE(IsCommandLineClientFile(upper));
    EXPECT_FALSE(IsCommandLineClientFile(lower));
    EXPECT_FALSE(IsCommandLineClientFile(tempPath(QStringLiteral("Missing.P26"))));
    EXPECT_FALSE(IsCommandLineClientFile(tempPath(QString())));
}

TEST(ProgramStartTest, CaptionAndStatusLineFollowTheOpenClient)
{
    EXPECT_EQ(MainWindowCaption(false, QStringLiteral("ACME")), QStringLiteral("Ledgora Version 2026.00"));
    EXPECT_EQ(MainWindowCaption(true, QStringLiteral("Acme & Sons")), QStringLiteral("Ledgora Version 2026.00 - Acme & Sons"));
    EXPECT_EQ(MainWindowStatusLine(false, QStringLiteral("/x/A.P26")), QStringLiteral("No Client File Open"));
    EXPECT_EQ(MainWindowStatusLine(true, QStringLiteral("/x/A & B.P26")), QStringLiteral("Current File: /x/A & B.P26"));
}
