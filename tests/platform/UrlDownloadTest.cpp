#include "LoopbackHttpServer.h"
#include "TestSupport.h"

#include "platform/UrlDownload.h"

#include <QDir>
#include <QFileInfo>

namespace {

using UrlDownloadTest = LedgoraTest;

DownloadLimits Limits()
{
    DownloadLimits limits;
    limits.maxBytes = 1 << 20;
    return limits;
}

} // namespace

TEST_F(UrlDownloadTest, WholeFileArrivesAndReplacesAnOlderCopy)
{
    LoopbackHttpServer server;
    const QByteArray installer(200000, 'x');
    server.serve(QStringLiteral("/public/LEDGORA26.EXE"), installer);
    const QString file = tempPath(QStringLiteral("cache/sub/LEDGORA26.EXE"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
    WriteTestFile(file, "older");

    EXPECT_TRUE(DownloadFile(QUrl(server.base() + QStringLiteral("/public/LEDGORA26.EXE")), file, Limits()));
    EXPECT_EQ(ReadTestFile(file), installer);
}

TEST_F(UrlDownloadTest, MissingFolderIsCreated)
{
    LoopbackHttpServer server;
    server.serve(QStringLiteral("/public/update.txt"), "[Ledgora2026]\nVersion=2026.01\n");
    const QString file = tempPath(QStringLiteral("new/folder/update.ini"));
    EXPECT_TRUE(DownloadFile(QUrl(server.base() + QStringLiteral("/public/update.txt")), file, Limits()));
    EXPECT_EQ(ReadTestFile(file), QByteArray("[Ledgora2026]\nVersion=2026.01\n"));
}

TEST_F(UrlDownloadTest, FailedTransfersLeaveNoFileAndKeepTheOlderOne)
{
    LoopbackHttpServer server;
    server.serve(QStringLiteral("/short"), QByteArray(1000, 'y'), 5000);
    const QString fresh = tempPath(QStringLiteral("fresh.bin"));
    const QString older = tempPath(QStringLiteral("older.bin"));
    WriteTestFile(older, "older");

    EXPECT_FALSE(DownloadFile(QUrl(server.base() + QStringLiteral("/short")), fresh, Limits()));
    EXPECT_FALSE(QFileInfo::exists(fresh));
    EXPECT_FALSE(DownloadFile(QUrl(server.base() + QStringLiteral("/missing")), fresh, Limits()));
    EXPECT_FALSE(QFileInfo::exists(fresh));
    EXPECT_FALSE(DownloadFile(QUrl(UnusedLoopbackBase() + QStringLiteral("/x")), fresh, Limits()));
    EXPECT_FALSE(QFileInfo::exists(fresh));

    EXPECT_FALSE(DownloadFile(QUrl(server.base() + QStringLiteral("/short")), older, Limits()));
    EXPECT_EQ(ReadTestFile(older), QByteArray("older"));
    EXPECT_EQ(QDir(tempPath(QString())).entryList({QStringLiteral("*.bin*")}, QDir::Files),
              QStringList{QStringLiteral("older.bin")});
}

TEST_F(UrlDownloadTest, OnlyHttpsOrThisMachine)
{
    EXPECT_TRUE(IsDownloadableAddress(QUrl(QStringLiteral("https://update.example/public/update.txt"))));
    EXPECT_TRUE(IsDownloadableAddress(QUrl(QStringLiteral("http://127.0.0.1:8080/public/update.txt"))));
    EXPECT_TRUE(IsDownloadableAddress(QUrl(QStringLiteral("http://localhost/public/update.txt"))));
    EXPECT_TRUE(IsDownloadableAddress(QUrl(QStringLiteral("http://[::1]/public/update.txt"))));
    EXPECT_FALSE(IsDownloadableAddress(QUrl(QStringLiteral("http://update.example/public/update.txt"))));
    EXPECT_FALSE(IsDownloadableAddress(QUrl(QStringLiteral("http://10.0.0.1/public/update.txt"))));
    EXPECT_FALSE(IsDownloadableAddress(QUrl(QStringLiteral("ftp://update.example/update.txt"))));
    EXPECT_FALSE(IsDownloadableAddress(QUrl(QStringLiteral("file:///etc/passwd"))));

    const QString file = tempPath(QStringLiteral("plain.txt"));
    EXPECT_FALSE(DownloadFile(QUrl(QStringLiteral("http://update.example/public/update.txt")), file, Limits()));
    EXPECT_FALSE(QFileInfo::exists(file));
}

TEST_F(UrlDownloadTest, RedirectsAreFollowedOnlyToAddressesThatMayBeFetched)
{
    LoopbackHttpServer server;
    server.serve(QStringLiteral("/moved/update.txt"), "moved");
    server.redirect(QStringLiteral("/public/update.txt"), server.base() + QStringLiteral("/moved/update.txt"));
    server.redirect(QStringLiteral("/public/away.txt"), QStringLiteral("http://update.example.invalid/update.txt"));
    const QString file = tempPath(QStringLiteral("update.ini"));

    EXPECT_TRUE(DownloadFile(QUrl(server.base() + QStringLiteral("/public/update.txt")), file, Limits()));
    EXPECT_EQ(ReadTestFile(file), QByteArray("moved"));

    const DownloadOutcome away = DownloadFile(QUrl(server.base() + QStringLiteral("/public/away.txt")), file, Limits());
    EXPECT_FALSE(away);
    EXPECT_TRUE(away.problem.contains(QStringLiteral("http://update.example.invalid/update.txt"))) << away.problem.toStdString();
    EXPECT_EQ(ReadTestFile(file), QByteArray("moved"));
    EXPECT_EQ(server.requests(), (QStringList{QStringLiteral("/public/update.txt"), QStringLiteral("/moved/update.txt"),
                                              QStringLiteral("/public/away.txt")}));
}
