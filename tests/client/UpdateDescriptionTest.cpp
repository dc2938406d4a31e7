#include "TestSupport.h"

#include "client/WebUpdate.h"

using UpdateDescriptionTest = LedgoraTest;

TEST_F(UpdateDescriptionTest, VersionOfTheProgramsSectionOrTheLocalOne)
{
    struct Case {
        const char* text;
        double version;
    };
    const Case cases[] = {
        {"[Ledgora2026]\nVersion=2026.01\n", 2026.01},
        {"[Ledgora2026]\r\nVersion=2026.00\r\n", 2026.00},
        {"; the current release\n[ledgora2026]\nversion = 2026.02 \n", 2026.02},
        {"[Ledgora2025]\nVersion=2025.09\n[Ledgora2026]\nBuild=7\nVersion=2026.03\n", 2026.03},
        {"[Other]\nVersion=2027.00\n", 2026.00},
        {"Version=2027.00\n", 2026.00},
        {"[Ledgora2026]\nVersion=soon\n", 2026.00},
        {"[Ledgora2026]\nVersion=\n", 2026.00},
        {"<html><body>Not here</body></html>", 2026.00},
        {"", 2026.00},
    };
    const QString file = tempPath(QStringLiteral("update.ini"));
    for (const Case& c : cases) {
        WriteTestFile(file, c.text);
        EXPECT_DOUBLE_EQ(DescribedVersion(file, 2026.00), c.version) << c.text;
    }
    EXPECT_DOUBLE_EQ(DescribedVersion(tempPath(QStringLiteral("missing.ini")), 2026.00), 2026.00);
}

TEST_F(UpdateDescriptionTest, UpdateHostFromTheEnvironment)
{
    qputenv("LEDGORA_UPDATE_HOST", "updates.example.com/");
    EXPECT_EQ(UpdateServerAddress(QStringLiteral("/public/update.txt")),
              QUrl(QStringLiteral("https://updates.example.com/public/update.txt")));
    qputenv("LEDGORA_UPDATE_HOST", "http://127.0.0.1:8080");
    EXPECT_EQ(UpdateServerAddress(QStringLiteral("/public/LEDGORA26.EXE")),
              QUrl(QStringLiteral("http://127.0.0.1:8080/public/LEDGORA26.EXE")));
    qunsetenv("LEDGORA_UPDATE_HOST");
    EXPECT_TRUE(UpdateHost().startsWith(QStringLiteral("https://")));
}

TEST_F(UpdateDescriptionTest, DownloadsWaitInTheUsersCacheFolder)
{
    EXPECT_EQ(UpdateDescriptionFile(), homeDir() + QStringLiteral("/.cache/Ledgora/2026/update.ini"));
    EXPECT_EQ(UpdateInstallerFile(), homeDir() + QStringLiteral("/.cache/Ledgora/2026/LEDGORA26.EXE"));
}

TEST_F(UpdateDescriptionTest, BuildNumbersFollowTheProjectVersion)
{
    const std::array<int, 4> build = ConstructBuildInfo();
    EXPECT_EQ(build[0], 2026);
    EXPECT_EQ(GetBuildInfo(), QStringLiteral("%1.%2.%3.%4").arg(build[0]).arg(build[1]).arg(build[2]).arg(build[3]));
}
