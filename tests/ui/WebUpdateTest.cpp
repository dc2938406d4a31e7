#include "LoopbackHttpServer.h"
#include "TestSupport.h"

#include "client/PayRecords.h"
#include "client/WebUpdate.h"
#include "client/ui/Launchers.h"
#include "client/ui/PayMain.h"
#include "client/ui/Startup.h"
#include "components/ui/MsgWin.h"
#include "payroll/PayPeriod.h"
#include "payroll/PayRunHooks.h"
#include "platform/AppMessageBox.h"
#include "platform/Clock.h"
#include "platform/Connectivity.h"
#include "platform/Exceptions.h"
#include "platform/Registry.h"
#include "platform/ShellOpen.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <vector>

namespace {

using enum MenuItem;

const char* const kCurrent = "[Ledgora2026]\nVersion=2026.00\n";
const char* const kNewer = "[Ledgora2026]\nVersion=2026.01\n";

class WebUpdateTest : public LedgoraTest {
protected:
    void SetUp() override
    {
        LedgoraTest::SetUp();
        savedFolder_ = QDir::currentPath();
        ResetClientState();
        ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/LEDGORA.FTT"),
                                programDir() + QStringLiteral("/LEDGORA.FTT")));
        qputenv("LEDGORA_UPDATE_HOST", server.base().toLatin1());
        previousShell_ = SetShellOpenHook([this](const QUrl& url) {
            opened.push_back(url);
            return desktopOpens;
        });
        previousConnectivity_ = SetConnectivityHook([this] { return connected; });
        MainWindowOptions options;
        options.splashMilliseconds = 0;
        session = StartLedgora(QSize(1280, 1024), options);
        ASSERT_TRUE(session);
        main = session->mainWindow.get();
        main->show();
    }

    void TearDown() override
    {
        if (main->isVisible())
            main->close();
        session.reset();
        InstallLaunchers();
        SetShellOpenHook(previousShell_);
        SetConnectivityHook(previousConnectivity_);
        qunsetenv("LEDGORA_UPDATE_HOST");
        ResetClientState();
        QDir::setCurrent(savedFolder_);
        LedgoraTest::TearDown();
    }

    void webUpdate() { main->RunCommand(MnuWebUpdate, MnuWebUpdate); }

    LoopbackHttpServer server;
    std::unique_ptr<LedgoraSession> session;
    TFrmMain* main = nullptr;
    std::vector<QUrl> opened;
    bool connected = true;
    bool desktopOpens = true;

private:
    QString savedFolder_;
    ShellOpenHook previousShell_;
    ConnectivityHook previousConnectivity_;
};

TEST_F(WebUpdateTest, SameVersionOrNoSectionIsUpToDate)
{
    for (const char* description : {kCurrent, "[Other]\nVersion=2027.00\n", "[Ledgora2026]\nVersion=soon\n"}) {
        server.serve(QStringLiteral("/public/update.txt"), description);
        messages.expect(IdOk, QStringLiteral("Your current version is up-to-date."));
        webUpdate();
        EXPECT_EQ(messages.last().flags, MbOk | MbIconInformation) << description;
    }
    EXPECT_EQ(server.requests(), QStringList(3, QStringLiteral("/public/update.txt")));
    EXPECT_TRUE(opened.empty());
}

TEST_F(WebUpdateTest, DecliningTheNewerVersionKeepsTheDescriptionInTheCache)
{
    server.serve(QStringLiteral("/public/update.txt"), kNewer);
    messages.expect(IdCancel, QStringLiteral("There is an update available."));
    webUpdate();
    EXPECT_EQ(messages.last().text, QStringLiteral("There is an update available.\rWould you like to download and install it?"));
    EXPECT_EQ(messages.last().flags, MbOkCancel | MbIconQuestion);
    EXPECT_EQ(ReadTestFile(UpdateDescriptionFile()), QByteArray(kNewer));
    EXPECT_TRUE(UpdateDescriptionFile().startsWith(homeDir() + QStringLiteral("/.cache/")));
    EXPECT_FALSE(QFileInfo::exists(programDir() + QStringLiteral("/update.ini")));
    EXPECT_FALSE(server.requests().contains(QStringLiteral("/public/LEDGORA26.EXE")));
    EXPECT_TRUE(main->isVisible());

    // The cache is cleared when the program ends.
    main->close();
    EXPECT_FALSE(QFileInfo::exists(UpdateDescriptionFile()));
}

TEST_F(WebUpdateTest, AgreedShutdownHandsTheCachedInstallerToTheDesktopAndCloses)
{
    const QByteArray installer(50000, 'i');
    server.serve(QStringLiteral("/public/update.txt"), kNewer);
    server.serve(QStringLiteral("/public/LEDGORA26.EXE"), installer);
    messages.expect(IdOk, QStringLiteral("There is an update available."));
    messages.expect(IdOk, QStringLiteral("The program must shut down in order to install the update."));
    EXPECT_THROW(webUpdate(), EAbort);

    EXPECT_EQ(messages.last().flags, MbOkCancel | MbIconQuestion | MbDefButton2);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(UpdateInstallerFile()));
    EXPECT_FALSE(main->isVisible());
    // The installer may still be starting: it stays until the next exit.
    EXPECT_EQ(ReadTestFile(UpdateInstallerFile()), installer);
    EXPECT_FALSE(QFileInfo(UpdateInstallerFile()).isExecutable());
    EXPECT_FALSE(QFileInfo::exists(UpdateDescriptionFile()));
    RemoveUpdateLeftovers();
    EXPECT_FALSE(QFileInfo::exists(UpdateInstallerFile()));
}

TEST_F(WebUpdateTest, CancelledShutdownKeepsTheProgramRunning)
{
    server.serve(QStringLiteral("/public/update.txt"), kNewer);
    server.serve(QStringLiteral("/public/LEDGORA26.EXE"), "installer");
    messages.expect(IdOk, QStringLiteral("There is an update available."));
    messages.expect(IdCancel, QStringLiteral("The program must shut down"));
    webUpdate();
    EXPECT_TRUE(opened.empty());
    EXPECT_TRUE(main->isVisible());
    main->close();
    EXPECT_FALSE(QFileInfo::exists(UpdateInstallerFile()));
}

TEST_F(WebUpdateTest, InstallerTheDesktopCannotOpenKeepsTheProgramRunning)
{
    desktopOpens = false;
    server.serve(QStringLiteral("/public/update.txt"), kNewer);
    server.serve(QStringLiteral("/public/LEDGORA26.EXE"), "installer");
    messages.expect(IdOk, QStringLiteral("There is an update available."));
    messages.expect(IdOk, QStringLiteral("The program must shut down"));
    messages.expect(IdOk, QStringLiteral("Unable to start the update installer."));
    webUpdate();
    EXPECT_EQ(opened.size(), 1u);
    EXPECT_TRUE(main->isVisible());
    main->close();
    EXPECT_FALSE(QFileInfo::exists(UpdateInstallerFile()));
}

TEST_F(WebUpdateTest, ServerFailuresAreReportedWithTheirText)
{
    const QString unused = UnusedLoopbackBase();
    qputenv("LEDGORA_UPDATE_HOST", unused.toLatin1());
    try {
        webUpdate();
        ADD_FAILURE() << "No error without a server";
    } catch (const EDownloadException& error) {
        EXPECT_TRUE(error.message().startsWith(QStringLiteral("Unable to contact server.~") + unused
                                               + QStringLiteral("/public/update.txt: ")))
            << error.message().toStdString();
    }

    qputenv("LEDGORA_UPDATE_HOST", server.base().toLatin1());
    server.serve(QStringLiteral("/public/update.txt"), kNewer);
    messages.expect(IdOk, QStringLiteral("There is an update available."));
    try {
        webUpdate();
        ADD_FAILURE() << "No error for a missing installer";
    } catch (const EDownloadException& error) {
        EXPECT_EQ(error.message(), QStringLiteral("Unable to download update.~") + server.base()
                                       + QStringLiteral("/public/LEDGORA26.EXE: the server answered 404 Not Found."));
    }
    EXPECT_FALSE(QFileInfo::exists(UpdateInstallerFile()));
    EXPECT_TRUE(opened.empty());
    EXPECT_TRUE(main->isVisible());
}

TEST_F(WebUpdateTest, CancelStopsATransferThatNeverEndsAndLeavesNothing)
{
    // The server sends a byte now and then, for longer than any test runs.
    for (const char* path : {"/public/update.txt", "/public/LEDGORA26.EXE"}) {
        SCOPED_TRACE(path);
        server.serve(QStringLiteral("/public/update.txt"), kNewer);
        server.serveEndless(QLatin1String(path), "x", 50);
        QPointer<TFrmMsgWin> waiting;
        bool mainTookInput = true;
        server.onRequest = [&](const QString& requested) {
            if (requested != QLatin1String(path))
                return;
            QTimer::singleShot(0, [&] {
                waiting = FrmMsgWin;
                ASSERT_TRUE(waiting);
                ASSERT_TRUE(waiting->BtnCancel);
                EXPECT_TRUE(waiting->isModal());
                mainTookInput = QApplication::activeModalWidget() != waiting;
                QTest::mouseClick(waiting->BtnCancel, Qt::LeftButton);
            });
        };
        if (QLatin1String(path) == QLatin1String("/public/LEDGORA26.EXE"))
            messages.expect(IdOk, QStringLiteral("There is an update available."));
        EXPECT_THROW(webUpdate(), EAbort);
        EXPECT_FALSE(mainTookInput);
        EXPECT_FALSE(waiting);
        EXPECT_FALSE(QFileInfo::exists(UpdateInstallerFile()));
        EXPECT_EQ(QDir(QFileInfo(UpdateInstallerFile()).path()).entryList(QDir::Files | QDir::Hidden),
                  QLatin1String(path) == QLatin1String("/public/update.txt") ? QStringList()
                                                                              : QStringList{QStringLiteral("update.ini")});
        EXPECT_TRUE(opened.empty());
        EXPECT_TRUE(main->isVisible());
    }
}

TEST_F(WebUpdateTest, OfflineQuestionGoesOnOnlyWithOk)
{
    connected = false;
    server.serve(QStringLiteral("/public/update.txt"), kCurrent);
    messages.expect(IdOk, QStringLiteral("An internet connection was not detected. Proceed anyway?"));
    messages.expect(IdOk, QStringLiteral("Your current version is up-to-date."));
    webUpdate();
    EXPECT_EQ(messages.shown()[0].flags, MbOkCancel | MbIconQuestion);

    messages.expect(IdCancel, QStringLiteral("An internet connection was not detected."));
    EXPECT_THROW(webUpdate(), EAbort);
    EXPECT_EQ(server.requests().size(), 1);
}

TEST_F(WebUpdateTest, OfflineCancelEndsThePayPeriodCommandWithTheCheckRecorded)
{
    connected = false;
    SetClockForTests(QDateTime(QDate(2026, 6, 10), QTime(9, 0)));
    {
        Registry registry;
        ASSERT_TRUE(registry.OpenKey(QStringLiteral("Software\\Ledgora\\2026\\Update"), true));
        registry.WriteString(QStringLiteral("LastChecked"), QStringLiteral("05/01/2026"));
        registry.CloseKey();
    }
    bool dialogOpened = false;
    PayRunWindows.PayPeriodDialog = [&] { dialogOpened = true; };
    messages.expect(IdCancel, QStringLiteral("An internet connection was not detected."));
    EXPECT_THROW(PayPeriodCommand(), EAbort);
    EXPECT_FALSE(dialogOpened);
    EXPECT_TRUE(server.requests().isEmpty());

    Registry registry;
    ASSERT_TRUE(registry.OpenKey(QStringLiteral("Software\\Ledgora\\2026\\Update"), false));
    EXPECT_EQ(registry.ReadString(QStringLiteral("LastChecked")), QStringLiteral("06/10/2026"));
    registry.CloseKey();
}

} // namespace
