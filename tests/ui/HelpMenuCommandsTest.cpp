#include "TestSupport.h"

#include "client/PayRecords.h"
#include "client/WebUpdate.h"
#include "client/ui/About.h"
#include "client/ui/ExtrudedLabel.h"
#include "client/ui/Launchers.h"
#include "client/ui/PayMain.h"
#include "client/ui/Startup.h"
#include "platform/ShellOpen.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <vector>

namespace {

using enum MenuItem;

class HelpMenuCommandsTest : public LedgoraTest {
protected:
    void SetUp() override
    {
        LedgoraTest::SetUp();
        savedFolder_ = QDir::currentPath();
        ResetClientState();
        ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/LEDGORA.FTT"),
                                programDir() + QStringLiteral("/LEDGORA.FTT")));
        previousShell_ = SetShellOpenHook([this](const QUrl& url) {
            opened.push_back(url);
            return true;
        });
        MainWindowOptions options;
        options.splashMilliseconds = 0;
        session = StartLedgora(QSize(1280, 1024), options);
        ASSERT_TRUE(session);
        main = session->mainWindow.get();
    }

    void TearDown() override
    {
        session.reset();
        InstallLaunchers();
        SetShellOpenHook(previousShell_);
        ResetClientState();
        QDir::setCurrent(savedFolder_);
        LedgoraTest::TearDown();
    }

    void openPaymentsMenu() { emit main->menu(MnuElectronicTaxPayments)->aboutToShow(); }

    std::unique_ptr<LedgoraSession> session;
    TFrmMain* main = nullptr;
    std::vector<QUrl> opened;

private:
    QString savedFolder_;
    ShellOpenHook previousShell_;
};

TEST_F(HelpMenuCommandsTest, StatePaymentItemNeedsAnAddress)
{
    StateTaxPaymentURL = QStringLiteral("   ");
    openPaymentsMenu();
    EXPECT_FALSE(main->item(MnuURLState)->isEnabled());
    EXPECT_TRUE(main->item(MnuURLFederal)->isEnabled());

    StateTaxPaymentURL = QStringLiteral("www.state.nj.us/treasury/revenue");
    openPaymentsMenu();
    EXPECT_TRUE(main->item(MnuURLState)->isEnabled());
}

TEST_F(HelpMenuCommandsTest, PaymentPagesOpenOnlyAsWebPages)
{
    FederalTaxPaymentURL = QStringLiteral("https://www.eftps.gov/eftps/");
    StateTaxPaymentURL = QStringLiteral("www.state.nj.us/treasury/revenue");
    main->RunCommand(MnuURLFederal, MnuURLFederal);
    main->RunCommand(MnuURLState, MnuURLState);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("https://www.eftps.gov/eftps/")));
    EXPECT_EQ(opened[1], QUrl(QStringLiteral("https://www.state.nj.us/treasury/revenue")));

    // Whatever else the address fields hold is never handed to the desktop.
    for (const char* typed : {"file:///usr/bin/xterm", "/home/user/evil.sh", "smb://server/share"}) {
        StateTaxPaymentURL = QString::fromLatin1(typed);
        main->RunCommand(MnuURLState, MnuURLState);
    }
    // Another sender opens nothing.
    RunLauncher(Launch::MnuURLFederalAndStateClick, *main, None);
    EXPECT_EQ(opened.size(), 2u);
}

TEST_F(HelpMenuCommandsTest, TechnicalSupportOpensTheSupportPage)
{
    main->item(MnuTechnicalSupport)->trigger();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl(TechnicalSupportPage()));
    EXPECT_EQ(opened[0].scheme(), QStringLiteral("https"));
}

TEST_F(HelpMenuCommandsTest, AboutShowsVersionBuildAndMemory)
{
    QString version;
    QString build;
    QString memory;
    QString load;
    dialogs.onNextModal([&](QDialog& dialog) {
        auto* about = qobject_cast<TFrmAbout*>(&dialog);
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(about->windowTitle(), QStringLiteral("About Ledgora (Ledgora)"));
        EXPECT_EQ(about->LblProductName->text(), QStringLiteral("Ledgora 2026"));
        version = about->LblVersion->text();
        build = about->LblBuild->text();
        memory = about->PhysMem->text();
        load = about->FreeRes->text();
        QTest::keyClick(about, Qt::Key_Escape);
    });
    main->item(MnuAboutLedgora)->trigger();
    EXPECT_EQ(version, QStringLiteral("Version 2026.00 (64-bit)"));
    EXPECT_EQ(build, QStringLiteral("Build ") + GetBuildInfo());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Build 2026\\.\\d+\\.\\d+\\.\\d+$")).match(build).hasMatch()) << build.toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{1,3}(,\\d{3})* KB$")).match(memory).hasMatch()) << memory.toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{1,3}%$")).match(load).hasMatch()) << load.toStdString();
}

TEST_F(HelpMenuCommandsTest, AboutWebSiteOpensAndCloses)
{
    TFrmAbout about;
    about.show();
    QTest::mouseClick(about.LblWebSite, Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl(MakerWebSite()));
}

TEST_F(HelpMenuCommandsTest, ScreenshotOfTheAboutBox)
{
    TFrmAbout about;
    about.show();
    const QImage shot = about.grab().toImage();
    ASSERT_TRUE(shot.save(tempPath(QStringLiteral("about.png"))));
    EXPECT_GE(shot.width(), 395);
    EXPECT_GE(shot.height(), 345);
    // The name stands out with its grey extrusion: both black and grey pixels under it.
    const QRect name = about.LblProductName->geometry();
    bool black = false;
    bool grey = false;
    for (int y = name.top(); y <= name.bottom(); ++y)
        for (int x = name.left(); x <= name.right(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            black = black || c == QColor(Qt::black);
            grey = grey || c == QColor(Qt::gray);
        }
    EXPECT_TRUE(black);
    EXPECT_TRUE(grey);
}

} // namespace
