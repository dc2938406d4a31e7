#include "TestSupport.h"

#include "client/PayRecords.h"
#include "client/ui/HelpWindow.h"
#include "client/ui/Launchers.h"
#include "client/ui/NewFileDlg.h"
#include "client/ui/PayMain.h"
#include "client/ui/Password.h"
#include "client/ui/Startup.h"
#include "components/PrinterCatalog.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/PrinterSetupWindow.h"
#include "platform/AppMessageBox.h"
#include "platform/ShellOpen.h"
#include "platform/ui/ShowModal.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include <set>
#include <vector>

namespace {

using enum MenuItem;

// The help contexts that the program's windows and menu items name.
const std::set<int> kTopics = {1,  2,  3,  4,  5,  6,  7,  8,  9,  14, 15, 16, 17, 18, 19, 20, 21, 27, 28, 29,
                               30, 32, 33, 34, 35, 37, 38, 39, 42, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 55};

QString shippedHelp()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/help/");
}

std::set<int> linkedTopics(const QString& html)
{
    std::set<int> linked;
    static const QRegularExpression link(QStringLiteral("href=\"(\\d+)\\.html(#[^\"]*)?\""));
    for (const QRegularExpressionMatch& match : link.globalMatch(html))
        linked.insert(match.captured(1).toInt());
    return linked;
}

class HelpWindowTest : public LedgoraTest {
protected:
    void SetUp() override
    {
        LedgoraTest::SetUp();
        savedFolder_ = QDir::currentPath();
        ResetClientState();
        ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/LEDGORA.FTT"),
                                programDir() + QStringLiteral("/LEDGORA.FTT")));
        ASSERT_TRUE(QDir().mkpath(programDir() + QStringLiteral("/help")));
        for (const QString& file : QDir(shippedHelp()).entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(shippedHelp() + file, programDir() + QStringLiteral("/help/") + file));
        previousShell_ = SetShellOpenHook([this](const QUrl& url) {
            opened.push_back(url);
            return true;
        });
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

    void start()
    {
        MainWindowOptions options;
        options.splashMilliseconds = 0;
        session = StartLedgora(QSize(1280, 1024), options);
        ASSERT_TRUE(session);
        main = session->mainWindow.get();
        main->show();
    }

    // The next help window records its topic and closes.
    void expectHelp(std::vector<int>& shown)
    {
        dialogs.onNextModal([&shown](QDialog& dialog) {
            auto* help = qobject_cast<TFrmHelp*>(&dialog);
            ASSERT_NE(help, nullptr) << dialog.metaObject()->className();
            shown.push_back(help->CurrentTopic());
            help->BtnClose->click();
        });
    }

    std::unique_ptr<LedgoraSession> session;
    TFrmMain* main = nullptr;
    std::vector<QUrl> opened;

private:
    QString savedFolder_;
    ShellOpenHook previousShell_;
};

TEST_F(HelpWindowTest, EveryTopicIsShippedAndTheContentsLinkEachOfThem)
{
    std::set<int> shipped;
    for (const QString& name : QDir(shippedHelp()).entryList({QStringLiteral("*.html")}, QDir::Files))
        shipped.insert(QFileInfo(name).completeBaseName().toInt());
    EXPECT_EQ(shipped, kTopics);

    for (int topic : kTopics) {
        const QString html = QString::fromUtf8(ReadTestFile(shippedHelp() + QStringLiteral("%1.html").arg(topic)));
        EXPECT_TRUE(html.contains(QStringLiteral("<title>"))) << topic;
        EXPECT_GT(html.size(), 600) << "topic " << topic << " says too little";
        EXPECT_FALSE(html.contains(QStringLiteral("Windows"))) << topic;
        const std::set<int> links = linkedTopics(html);
        for (int target : links)
            EXPECT_TRUE(kTopics.count(target)) << "topic " << topic << " links to missing topic " << target;
        if (topic != 1)
            EXPECT_TRUE(links.count(1)) << "topic " << topic << " does not lead back to the contents";
    }

    std::set<int> others = kTopics;
    others.erase(1);
    const std::set<int> contents = linkedTopics(QString::fromUtf8(ReadTestFile(shippedHelp() + QStringLiteral("1.html"))));
    for (int topic : others)
        EXPECT_TRUE(contents.count(topic)) << "the contents lack topic " << topic;
}

TEST_F(HelpWindowTest, HelpMenuItemsAndToolbarOpenTheirTopics)
{
    start();
    std::vector<int> shown;
    for (MenuItem item : {MnuContents, MnuLicenseAgreement, MnuDirectDeposit}) {
        expectHelp(shown);
        main->item(item)->trigger();
    }
    expectHelp(shown);
    main->button(BtnHelp)->click();
    expectHelp(shown);
    main->LabelClick(129);
    EXPECT_EQ(shown, (std::vector<int>{1, 42, 47, 1, 1}));
}

TEST_F(HelpWindowTest, F1OnTheHighlightedMenuItemShowsItsTopic)
{
    start();
    QMenu* file = main->menu(MnuFile);
    main->item(MnuCompany)->setEnabled(true);
    file->popup(QPoint(0, 0));
    file->setActiveAction(main->item(MnuCompany));
    std::vector<int> shown;
    expectHelp(shown);
    QTest::keyClick(file, Qt::Key_F1);
    file->hide();
    EXPECT_EQ(shown, std::vector<int>{7});

    // An item without a topic shows nothing.
    file->popup(QPoint(0, 0));
    file->setActiveAction(main->item(MnuFederal));
    QTest::keyClick(file, Qt::Key_F1);
    file->hide();
    EXPECT_EQ(shown.size(), 1u);
}

TEST_F(HelpWindowTest, F1ShowsTheTopicOfTheWindowThatHasTheKey)
{
    start();
    std::vector<int> shown;
    expectHelp(shown);
    QTest::keyClick(main, Qt::Key_F1);
    EXPECT_EQ(shown, std::vector<int>{1});

    // Inside a modal window, its own topic, from any of its controls.
    QDialog screen(main);
    SetHelpContext(&screen, 45);
    auto* field = new QLineEdit(&screen);
    dialogs.onNextModal([&](QDialog& dialog) {
        expectHelp(shown);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_F1);
        dialog.reject();
    });
    ShowModal(screen);
    EXPECT_EQ(shown, (std::vector<int>{1, 45}));
    EXPECT_EQ(HelpContextOf(field), 45);

    // A window without a topic keeps F1 to itself, even over the main window.
    QDialog plain(main);
    auto* other = new QLineEdit(&plain);
    EXPECT_EQ(HelpContextOf(other), 0);
    dialogs.onNextModal([&](QDialog& dialog) {
        QTest::keyClick(other, Qt::Key_F1);
        dialog.reject();
    });
    ShowModal(plain);
    EXPECT_EQ(shown.size(), 2u);
}

TEST_F(HelpWindowTest, NewFileDialogShowsItsTopicOnF1)
{
    TFrmNewFileDlg dialog;
    std::vector<int> shown;
    dialogs.onNextModal([&](QDialog& shownDialog) {
        expectHelp(shown);
        dialog.NewFileName->setFocus();
        QTest::keyClick(dialog.NewFileName, Qt::Key_F1);
        shownDialog.reject();
    });
    ShowModal(dialog);
    EXPECT_EQ(shown, std::vector<int>{3});
}

TEST_F(HelpWindowTest, LinksBackForwardAndContents)
{
    TFrmHelp help;
    ASSERT_TRUE(help.ShowTopic(47));
    EXPECT_FALSE(help.BtnBack->isEnabled());
    EXPECT_TRUE(help.windowTitle().startsWith(QStringLiteral("Ledgora 2026 Help - ")));

    help.FollowLink(QUrl(QStringLiteral("9.html")));
    EXPECT_EQ(help.CurrentTopic(), 9);
    help.BtnContents->click();
    EXPECT_EQ(help.CurrentTopic(), 1);
    help.BtnBack->click();
    EXPECT_EQ(help.CurrentTopic(), 9);
    help.BtnBack->click();
    EXPECT_EQ(help.CurrentTopic(), 47);
    EXPECT_TRUE(help.BtnForward->isEnabled());
    help.BtnForward->click();
    EXPECT_EQ(help.CurrentTopic(), 9);

    // Web links go to the browser; anything else is not opened.
    help.FollowLink(QUrl(QStringLiteral("https://www.irs.gov/")));
    help.FollowLink(QUrl(QStringLiteral("file:///etc/passwd")));
    help.FollowLink(QUrl(QStringLiteral("mailto:help@example.com")));
    EXPECT_EQ(help.CurrentTopic(), 9);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("https://www.irs.gov/")));

    messages.expect(IdOk, QStringLiteral("The help topic 99 cannot be found."));
    help.FollowLink(QUrl(QStringLiteral("99.html")));
    EXPECT_EQ(help.CurrentTopic(), 9);
}

TEST_F(HelpWindowTest, MissingTopicIsReported)
{
    QFile::remove(programDir() + QStringLiteral("/help/7.html"));
    messages.expect(IdOk, QStringLiteral("The help topic 7 cannot be found."));
    ShowHelp(7);
    EXPECT_EQ(messages.last().flags, MbOk | MbIconStop);
}

TEST_F(HelpWindowTest, HelpButtonsOfPasswordAndPrinterSetup)
{
    start();
    std::vector<int> shown;
    int contextOnScreen = 0;
    dialogs.onNextModal([&](QDialog& dialog) {
        auto* password = qobject_cast<TFrmPassword*>(&dialog);
        ASSERT_NE(password, nullptr);
        contextOnScreen = HelpContextOf(password);
        expectHelp(shown);
        password->BtnHelp->click();
        password->reject();
    });
    RunLauncher(Launch::TFrmPassword, *main, MnuPassword);
    EXPECT_EQ(contextOnScreen, 44);

    // Printer Setup opens only where a printer is installed.
    struct OnePrinter : PrinterCatalog {
        QStringList PrinterNames() const override { return {QStringLiteral("Office Laser")}; }
        QStringList PaperNames(const QString&) const override { return {QStringLiteral("Letter")}; }
        QStringList BinNames(const QString&) const override { return {}; }
        bool CanCollate(const QString&) const override { return true; }
        bool CanDuplex(const QString&) const override { return false; }
        int MaxCopies(const QString&) const override { return 1; }
    };
    const auto previousCatalog = SetPrinterCatalog(std::make_shared<OnePrinter>());

    dialogs.onNextModal([&](QDialog& dialog) {
        auto* setup = qobject_cast<TFrmPrinterSetup*>(&dialog);
        ASSERT_NE(setup, nullptr);
        EXPECT_EQ(HelpContextOf(setup), 45);
        expectHelp(shown);
        setup->BtnHelp->click();
        setup->reject();
    });
    RunLauncher(Launch::TFrmPrinterSetup, *main, MnuPrintSetup);
    SetPrinterCatalog(previousCatalog);
    EXPECT_EQ(shown, (std::vector<int>{44, 45}));
}

TEST_F(HelpWindowTest, ScreenshotOfTheHelpWindow)
{
    TFrmHelp help;
    ASSERT_TRUE(help.ShowTopic(1));
    help.show();
    const QImage shot = help.grab().toImage();
    ASSERT_TRUE(shot.save(tempPath(QStringLiteral("help.png"))));
    EXPECT_GE(shot.width(), 680);
    // Topic text fills the browser, not an empty page.
    EXPECT_GT(help.Topic->document()->characterCount(), 500);
}

} // namespace
