#include "client/PriorYearTransfer.h"
#include "client/ProgramWideFiles.h"
#include "platform/Exceptions.h"
#include "platform/Folders.h"

#include "TestSupport.h"

#include <QDir>
#include <QFileInfo>

namespace {

class ProgramWideFilesTest : public LedgoraTest {
protected:
    void TearDown() override
    {
        for (const char* name : {"XDG_DATA_HOME", "LEDGORA_DEVELOPER_MODE", "LEDGORA_PRIOR_PROGRAM_DIR"})
            qunsetenv(name);
        LedgoraTest::TearDown();
    }

    QString shipped(const char* name) const { return programDir() + QStringLiteral("/") + QLatin1String(name); }
};

} // namespace

TEST_F(ProgramWideFilesTest, TheDataFolderFollowsXdgDataHomeElseTheHomeFolder)
{
    EXPECT_EQ(UserDataDir(), homeDir() + QStringLiteral("/.local/share/Ledgora/2026/"));
    EXPECT_EQ(UserDataDir(2025), homeDir() + QStringLiteral("/.local/share/Ledgora/2025/"));
    qputenv("XDG_DATA_HOME", tempPath(QStringLiteral("data")).toLocal8Bit());
    EXPECT_EQ(ProgramWideFile(kStateTableFile), tempPath(QStringLiteral("data/Ledgora/2026/LEDGORA.ST")));
}

TEST_F(ProgramWideFilesTest, AShippedCopyStartsTheUsersFileAndNeverReplacesIt)
{
    WriteTestFile(shipped(kStateTableFile), "shipped state table");
    WriteTestFile(shipped(kSubmitterFile), "shipped submitter");
    WriteTestFile(shipped(kFederalTableFile), "shipped federal table");
    ASSERT_TRUE(QDir().mkpath(UserDataDir()));
    WriteTestFile(ProgramWideFile(kSubmitterFile), "the user's submitter");

    PrepareProgramWideFiles();
    EXPECT_EQ(ReadTestFile(ProgramWideFile(kStateTableFile)), "shipped state table");
    EXPECT_EQ(ReadTestFile(ProgramWideFile(kSubmitterFile)), "the user's submitter");
    EXPECT_FALSE(QFileInfo::exists(ProgramWideFile(kCityTableFile))) << "nothing shipped, nothing made here";
    EXPECT_FALSE(QFileInfo::exists(ProgramWideFile(kFederalTableFile))) << "only developer mode writes it";

    qputenv("LEDGORA_DEVELOPER_MODE", "1");
    PrepareProgramWideFiles();
    EXPECT_EQ(ReadTestFile(ProgramWideFile(kFederalTableFile)), "shipped federal table");
}

TEST_F(ProgramWideFilesTest, TheFederalTableIsReadFromTheProgramOutsideDeveloperMode)
{
    const struct {
        bool developer;
        bool shippedThere;
        bool fromProgram;
    } cases[] = {{false, true, true}, {false, false, false}, {true, true, false}, {true, false, false}};
    for (const auto& c : cases) {
        QFile::remove(shipped(kFederalTableFile));
        if (c.shippedThere)
            WriteTestFile(shipped(kFederalTableFile), "table");
        if (c.developer)
            qputenv("LEDGORA_DEVELOPER_MODE", "1");
        else
            qunsetenv("LEDGORA_DEVELOPER_MODE");
        EXPECT_EQ(FederalTableFile(), c.fromProgram ? shipped(kFederalTableFile)
                                                    : ProgramWideFile(kFederalTableFile))
            << c.developer << c.shippedThere;
    }
}

TEST_F(ProgramWideFilesTest, ADataFolderThatCannotBeMadeIsReported)
{
    WriteTestFile(tempPath(QStringLiteral("not-a-folder")), "a file");
    qputenv("XDG_DATA_HOME", tempPath(QStringLiteral("not-a-folder")).toLocal8Bit());
    try {
        PrepareProgramWideFiles();
        ADD_FAILURE() << "no error";
    } catch (const EInOutError& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("not-a-folder/Ledgora/2026"))) << error.message().toStdString();
    }
}

TEST_F(ProgramWideFilesTest, LastYearsSubmitterFileIsLookedForInLastYearsDataFolder)
{
    const QString clients = tempPath(QStringLiteral("clients/"));
    EXPECT_EQ(PriorProgramDir(clients), clients) << "no data folder of last year";
    ASSERT_TRUE(QDir().mkpath(UserDataDir(2025)));
    WriteTestFile(UserDataDir(2025) + QLatin1String(kSubmitterFile), "last year's");
    EXPECT_EQ(PriorProgramDir(clients), UserDataDir(2025));
    qputenv("LEDGORA_PRIOR_PROGRAM_DIR", tempPath(QStringLiteral("old program")).toLocal8Bit());
    EXPECT_EQ(PriorProgramDir(clients), tempPath(QStringLiteral("old program/")));
}
