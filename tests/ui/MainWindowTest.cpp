#include "JournaledStepChecks.h"
#include "TestSupport.h"

#include "client/LaunchPanel.h"
#include "client/PasswordPrompt.h"
#include "client/PasswordScramble.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/ProgramSettings.h"
#include "client/ProgramStart.h"
#include "client/StylePack.h"
#include "client/WebUpdate.h"
#include "client/ui/LaunchLabelWidget.h"
#include "client/ui/Launchers.h"
#include "client/ui/PayMain.h"
#include "client/ui/Scaling.h"
#include "client/ui/Startup.h"
#include "components/ChangeJournal.h"
#include "components/StateTables.h"
#include "payroll/ui/PayPostDlg.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/FileOperations.h"
#include "platform/Folders.h"
#include "platform/Registry.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEnterEvent>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QtTest/QTest>

#include <deque>
#include <functional>

namespace {

using enum MenuItem;

const QString kRoot = QStringLiteral("Software\\Ledgora\\2026\\");

QString builtFile(const QString& name)
{
    return QCoreApplication::applicationDirPath() + QChar('/') + name;
}

class MainWindowTest : public LedgoraTest {
protected:
    void SetUp() override
    {
        LedgoraTest::SetUp();
        savedFolder_ = QDir::currentPath();
        ResetClientState();
        ASSERT_TRUE(QFile::copy(builtFile(QStringLiteral("LEDGORA.FTT")), programDir() + QStringLiteral("/LEDGORA.FTT")));
        ASSERT_TRUE(QDir().mkpath(programDir() + QStringLiteral("/styles")));
        const QDir shipped(builtFile(QStringLiteral("styles")));
        for (const QString& file : shipped.entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(shipped.filePath(file), programDir() + QStringLiteral("/styles/") + file));
        SetPasswordPromptHandler([this](const QString&, const QString&, const QString& password) {
            ++prompts;
            if (typed.empty()) {
                ADD_FAILURE() << "Unexpected password prompt";
                return PasswordAnswer::Cancelled;
            }
            const QString text = typed.front();
            typed.pop_front();
            return text == password ? PasswordAnswer::Correct : PasswordAnswer::Wrong;
        });
    }

    void TearDown() override
    {
        session.reset();
        InstallLaunchers();
        SetPasswordPromptHandler(nullptr);
        ResetClientState();
        qApp->setStyleSheet(QString());
        QDir::setCurrent(savedFolder_);
        LedgoraTest::TearDown();
    }

    // Starts the program as it starts for the user, with a short splash.
    void start(const QStringList& arguments = {}, const QSize& screen = QSize(1280, 1024),
               const QRect& availableScreen = QRect(0, 0, 1920, 1040))
    {
        MainWindowOptions options;
        options.arguments = arguments;
        options.splashMilliseconds = 0;
        options.availableScreen = availableScreen;
        session = StartLedgora(screen, options);
        ASSERT_TRUE(session);
        main = session->mainWindow.get();
    }

    // The colour of a label's text as drawn: its pixel furthest from the panel's black.
    static QRgb textColour(QWidget* label)
    {
        const QImage image =
            label->parentWidget()->grab(label->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
        QRgb brightest = qRgb(0, 0, 0);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) > qGray(brightest))
                    brightest = image.pixel(x, y);
        return brightest;
    }

    // Makes a client file with one employee; edit fills the records before they are written.
    void makeClient(const QString& path, const std::function<void()>& edit = {})
    {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        {
            TFrmDataModule module;
            ASSERT_TRUE(module.OpenClient(path));
            if (edit)
                edit();
            module.RSCompany.PostRec();
            module.RSEmployee.PostRec();
            module.RSEmployee.CloseRecSet();
        }
        ResetClientState();
    }

    QString dataDir() const { return homeDir() + QStringLiteral("/Documents/Ledgora/2026/Data/"); }

    QString registryValue(const QString& key, const QString& name)
    {
        Registry registry;
        if (!registry.OpenKey(kRoot + key, false))
            return QStringLiteral("<no key>");
        const QString value = registry.ValueExists(name) ? registry.ReadString(name) : QStringLiteral("<no value>");
        registry.CloseKey();
        return value;
    }

    bool enabled(MenuItem which) const
    {
        if (QToolButton* b = main->button(which))
            return b->isEnabled();
        return main->item(which)->isEnabled();
    }

    QAction* styleItem(const QString& name) const
    {
        for (QAction* action : main->MnuStylesMenu()->actions())
            if (action->text() == name)
                return action;
        return nullptr;
    }

    // Records every launcher run instead of opening its window.
    std::vector<std::pair<Launch, MenuItem>> launched;
    void recordLauncher(Launch which)
    {
        SetLauncher(which, [this, which](TFrmMain&, MenuItem sender) { launched.push_back({which, sender}); });
    }

    std::unique_ptr<LedgoraSession> session;
    TFrmMain* main = nullptr;
    std::deque<QString> typed;
    int prompts = 0;

private:
    QString savedFolder_;
};

} // namespace

TEST_F(MainWindowTest, FirstStartCreatesTheFoldersAndSettings)
{
    start();
    for (const char* folder : {"", "Backup", "Quarterly_Data"})
        EXPECT_TRUE(QFileInfo(dataDir() + QLatin1String(folder)).isDir()) << folder;
    EXPECT_EQ(registryValue(QStringLiteral("TaxPayments"), QStringLiteral("Federal")), QLatin1String(kFederalTaxPaymentPage));
    EXPECT_EQ(registryValue(QStringLiteral("Scaling"), QStringLiteral("ScalingPct")), QStringLiteral("100"));
    EXPECT_EQ(registryValue(QStringLiteral("Style"), QStringLiteral("StyleName")), QStringLiteral("Cyan Dusk"));
    EXPECT_EQ(registryValue(QStringLiteral("Splash"), QStringLiteral("Display")), QStringLiteral("1"));
    EXPECT_EQ(registryValue(QStringLiteral("RecentFiles"), QStringLiteral("0")), QStringLiteral("<no key>"));

    EXPECT_EQ(main->windowTitle(), QStringLiteral("Ledgora Version 2026.00"));
    EXPECT_EQ(main->CurFilePanel()->text(), QStringLiteral("No Client File Open"));
    EXPECT_EQ(main->splashShown(), 1);
    EXPECT_EQ(QDir::currentPath() + QChar('/'), ProgramDir());
    EXPECT_TRUE(RecIndexLastNameFirst);
    EXPECT_TRUE(FilingCopyDefault);
    EXPECT_EQ(MRUList.size(), 10);
    EXPECT_FALSE(main->item(MnuRecentClients)->isEnabled());
    EXPECT_FALSE(enabled(MnuSaveAs));
    EXPECT_FALSE(enabled(BtnPost));
    EXPECT_TRUE(enabled(MnuOpen));
    EXPECT_TRUE(enabled(BtnHelp));

    main->show();
    EXPECT_TRUE(main->MessagePanel()->isVisible());
    EXPECT_FALSE(main->ScrollBox()->isVisible());

    QStringList styles;
    for (QAction* action : main->MnuStylesMenu()->actions()) {
        styles << action->text();
        EXPECT_EQ(action->isChecked(), action->text() == QStringLiteral("Cyan Dusk"));
    }
    EXPECT_EQ(styles.size(), 21);
    EXPECT_EQ(styles.first(), QStringLiteral("Amakrits"));
    EXPECT_EQ(styles.last(), QStringLiteral("Windows"));
    EXPECT_TRUE(qApp->styleSheet().contains(QStringLiteral("Cyan Dusk")));
}

TEST_F(MainWindowTest, StartFinishesOrUndoesStepsAStopInterruptedAndSaysSoOnce)
{
    // In the user's data folder a step stopped before its renames; in the client folder one stopped
    // while its new file was being written; in its Backup and Quarterly_Data folders, copies
    // stopped the same two ways.
    const QString settings = UserDataDir() + QStringLiteral("Ledgora.NJS");
    const QString client = dataDir() + QStringLiteral("ACME.C26");
    const QString backup = dataDir() + QStringLiteral("Backup/ACME.C26");
    const QString quarterly = dataDir() + QStringLiteral("Quarterly_Data/ACME_3Q.C26");
    ASSERT_TRUE(QDir().mkpath(dataDir() + QStringLiteral("Backup")));
    ASSERT_TRUE(QDir().mkpath(dataDir() + QStringLiteral("Quarterly_Data")));
    ASSERT_TRUE(QDir().mkpath(UserDataDir()));
    for (const QString& file : {settings, client, backup, quarterly})
        WriteTestFile(file, "old");
    for (const auto& [file, stopAt] : {std::pair{settings, FileOperation::Rename}, std::pair{client, FileOperation::Write},
                                       std::pair{backup, FileOperation::Write}, std::pair{quarterly, FileOperation::Rename}}) {
        const FileOperationFault previous = SetFileOperationFault([stopAt](FileOperation operation, const QString& path) {
            if (operation == stopAt && !path.contains(kChangeJournalSuffix))
                throw SimulatedStop{};
            return 0;
        });
        EXPECT_THROW(ApplyJournaledChange(file + kChangeJournalSuffix, QStringLiteral("The step on ") + QFileInfo(file).fileName(),
                                          {{file, "new"}}),
                     SimulatedStop);
        SetFileOperationFault(previous);
    }
    messages.expect(IdOk, QStringLiteral("The step on Ledgora.NJS did not finish: the program stopped in the middle of "
                                         "it.\r\rIt has now been completed"));
    messages.expect(IdOk, QStringLiteral("The step on ACME.C26 did not finish: the program stopped in the middle of "
                                         "it.\r\rIt has been undone"));
    messages.expect(IdOk, QStringLiteral("The step on ACME.C26 did not finish: the program stopped in the middle of "
                                         "it.\r\rIt has been undone"));
    messages.expect(IdOk, QStringLiteral("The step on ACME_3Q.C26 did not finish: the program stopped in the middle "
                                         "of it.\r\rIt has now been completed"));
    start();
    EXPECT_TRUE(messages.allAnswered());
    EXPECT_EQ(ReadTestFile(settings), "new");
    EXPECT_EQ(ReadTestFile(client), "old");
    EXPECT_EQ(ReadTestFile(backup), "old");
    EXPECT_EQ(ReadTestFile(quarterly), "new");
    EXPECT_EQ(QDir(dataDir()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("ACME.C26")});
    for (const QString& folder : {QStringLiteral("Backup"), QStringLiteral("Quarterly_Data")})
        EXPECT_EQ(QDir(dataDir() + folder).entryList(QDir::Files | QDir::Hidden).size(), 1) << folder.toStdString();
    main->close();
    session.reset();
    start();
}

TEST_F(MainWindowTest, ExitWritesTheSettingsBackAndRemovesUpdateLeftovers)
{
    {
        Registry registry;
        ASSERT_TRUE(registry.OpenKey(kRoot + QStringLiteral("Splash"), true));
        registry.WriteBool(QStringLiteral("Display"), false);
        registry.CloseKey();
    }
    // A web update leaves its downloads in the user's cache folder.
    ASSERT_TRUE(QDir().mkpath(CacheDir()));
    WriteTestFile(UpdateDescriptionFile(), "[Ledgora2026]\nVersion=2026.01\n");
    WriteTestFile(UpdateInstallerFile(), "installer");
    start();
    EXPECT_EQ(main->splashShown(), 0);
    MRUList[0] = QStringLiteral("/clients/A & B.P26");
    ScalingPercent = 90;
    StateTaxPaymentURL = QStringLiteral("https://state.example");
    main->close();

    EXPECT_EQ(registryValue(QStringLiteral("RecentFiles"), QStringLiteral("0")), QStringLiteral("/clients/A & B.P26"));
    EXPECT_EQ(registryValue(QStringLiteral("RecentFiles"), QStringLiteral("9")), QString());
    EXPECT_EQ(registryValue(QStringLiteral("Scaling"), QStringLiteral("ScalingPct")), QStringLiteral("90"));
    EXPECT_EQ(registryValue(QStringLiteral("TaxPayments"), QStringLiteral("State")), QStringLiteral("https://state.example"));
    EXPECT_EQ(registryValue(QStringLiteral("Splash"), QStringLiteral("Display")), QStringLiteral("0"));
    EXPECT_FALSE(QFileInfo::exists(UpdateDescriptionFile()));
    EXPECT_FALSE(QFileInfo::exists(UpdateInstallerFile()));
}

TEST_F(MainWindowTest, ScreenBothNarrowAndLowIsRefused)
{
    MainWindowOptions options;
    options.splashMilliseconds = 0;
    messages.expect(IdOk, QStringLiteral("Unable to run Ledgora!"));
    EXPECT_FALSE(StartLedgora(QSize(1279, 799), options));
    EXPECT_EQ(messages.last().text, QLatin1String(kScreenTooSmallMessage));
    EXPECT_EQ(messages.last().flags, MbOk);
    EXPECT_EQ(FrmMain, nullptr);

    for (const QSize& screen : {QSize(1279, 800), QSize(1280, 799)}) {
        session = StartLedgora(screen, options);
        EXPECT_TRUE(session) << screen.width() << " x " << screen.height();
        session.reset();
    }
}

TEST_F(MainWindowTest, CommandLinePathWithBlanksOpensItsClient)
{
    const QString path = dataDir() + QStringLiteral("Acme  Tools.P26");
    makeClient(path, [] {
        CompanyRec.Name = QStringLiteral("Acme Tools & Dies");
        CompanyRec.FilePassword = ScramblePassword(QStringLiteral("Secret1"));
    });
    typed = {QStringLiteral("Secret1")};
    // An unquoted path arrives split at its blanks; runs of blanks come back as one.
    start({dataDir() + QStringLiteral("Acme"), QString(), QStringLiteral("Tools.P26")});
    EXPECT_TRUE(FileIsOpen);
    EXPECT_EQ(CurFileName, path);
    EXPECT_EQ(prompts, 1);
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Ledgora Version 2026.00 - Acme Tools & Dies"));
    EXPECT_EQ(main->CurFilePanel()->text(), QStringLiteral("Current File: ") + path);
    EXPECT_TRUE(enabled(MnuClose));
    EXPECT_TRUE(enabled(BtnSaveAs));
}

TEST_F(MainWindowTest, CommandLineFileWithAnotherExtensionIsIgnoredAndAMissingOneReported)
{
    const QString lower = dataDir() + QStringLiteral("Lower.p26");
    makeClient(dataDir() + QStringLiteral("Lower.P26"));
    ASSERT_TRUE(QFile::rename(dataDir() + QStringLiteral("Lower.P26"), lower));
    start({lower});
    EXPECT_FALSE(FileIsOpen);
    EXPECT_EQ(CurFileName, lower);
    EXPECT_EQ(main->CurFilePanel()->text(), QStringLiteral("No Client File Open"));
    session.reset();

    messages.expect(IdOk, QStringLiteral("does not exist"));
    start({dataDir() + QStringLiteral("Missing"), QStringLiteral("File.P26")});
    EXPECT_EQ(messages.last().text, QStringLiteral("The client file %1 does not exist.").arg(dataDir() + QStringLiteral("Missing File.P26")));
    EXPECT_FALSE(FileIsOpen);
    EXPECT_EQ(CurFileName, dataDir() + QStringLiteral("Missing File.P26"));
    EXPECT_FALSE(QFileInfo::exists(CurFileName));
}

TEST_F(MainWindowTest, BackupCopyKeepsRunningAndPostingOff)
{
    const auto postedWithPay = [] {
        CompanyRec.PayDate = QStringLiteral("03/13/2026");
        CompanyRec.PriorPeriodCount = 2;
        EmployeeRec.RegularRate = 18.5;
        EmployeeRec.GrossWages[1] = 740;
        EmployeeRec.GrossWages[2] = 1480;
        EmployeeRec.GrossWages[3] = 4440;
        EmployeeRec.GrossWages[4] = 4440;
    };
    makeClient(dataDir() + QStringLiteral("Backup/ACME.P26"), postedWithPay);
    makeClient(dataDir() + QStringLiteral("ACME.P26"), postedWithPay);

    start({dataDir() + QStringLiteral("Backup/ACME.P26")});
    ASSERT_TRUE(FileIsOpen);
    for (MenuItem off : {MnuRestore, BtnRestore, MnuRecurring, MnuEFW2, MnuExpress, BtnExpress, MnuAutomatic,
                         BtnAutomatic, MnuManualEntry, BtnManual, MnuCancel, MnuPosting, BtnPost, MnuCloseMonth,
                         MnuCloseQuarter})
        EXPECT_FALSE(enabled(off)) << MenuItemName(off);
    for (MenuItem on : {MnuPayPeriod, BtnPayPeriod, MnuReports, MnuChecks, MnuBackup, MnuSaveAs, MnuQTDRpt})
        EXPECT_TRUE(enabled(on)) << MenuItemName(on);
    main->show();
    EXPECT_TRUE(main->ScrollBox()->isVisible());
    EXPECT_FALSE(main->MessagePanel()->isVisible());

    // The launch label of a command that is off neither runs nor lights up.
    recordLauncher(Launch::MnuExpressClick);
    LaunchLabelWidget* express = main->launchLabel(111);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(express, &enter);
    EXPECT_FALSE(express->isHot());
    main->LabelClick(111);
    EXPECT_TRUE(launched.empty());
    // It is drawn disabled, in another colour than a live one.
    LaunchLabelWidget* payPeriod = main->launchLabel(112);
    EXPECT_FALSE(express->isEnabled());
    EXPECT_TRUE(payPeriod->isEnabled());
    EXPECT_NE(textColour(express), textColour(payPeriod));

    // Opening another client brings them back.
    DataModule().RSEmployee.CloseRecSet();
    ASSERT_TRUE(DataModule().OpenClient(dataDir() + QStringLiteral("ACME.P26")));
    main->EnableMenuItems(FileIsOpen);
    main->SetupProcessingMenu();
    for (MenuItem on : {MnuRestore, BtnRestore, MnuRecurring, MnuEFW2, MnuAutomatic, MnuManualEntry, MnuCancel,
                        MnuPosting, MnuCloseMonth, MnuCloseQuarter})
        EXPECT_TRUE(enabled(on)) << MenuItemName(on);
    EXPECT_TRUE(express->isEnabled());
    QApplication::sendEvent(express, &enter);
    EXPECT_TRUE(express->isHot());
}

TEST_F(MainWindowTest, BrowseOnlyClientFollowsTheSameRules)
{
    const QString path = dataDir() + QStringLiteral("ACME.P26");
    makeClient(path, [] {
        CompanyRec.PayDate = QStringLiteral("03/13/2026");
        EmployeeRec.RegularRate = 20;
    });
    start({path});
    ASSERT_TRUE(FileIsOpen);
    std::vector<bool> normal;
    for (std::size_t i = 1; i < kMenuItemCount; ++i)
        normal.push_back(main->item(static_cast<MenuItem>(i)) && main->item(static_cast<MenuItem>(i))->isEnabled());
    session.reset();
    ResetClientState();

    // Another opener holds the client, so this copy of the program gets it browse-only.
    TRecordSet holder;
    holder.SetRecSize(sizeof(EmployeeRecord));
    holder.SetFileName(path);
    holder.SetFileShareMode(smShareDenyWrite);
    holder.OpenRecSet();
    ASSERT_TRUE(holder.Active());
    messages.expect(IdOk, QStringLiteral("browse only"));
    start({path});
    ASSERT_TRUE(FileIsOpen);
    EXPECT_TRUE(DataModule().RSEmployee.BrowseOnly());
    for (std::size_t i = 1; i < kMenuItemCount; ++i) {
        QAction* action = main->item(static_cast<MenuItem>(i));
        EXPECT_EQ(action && action->isEnabled(), normal[i - 1]) << MenuItemName(static_cast<MenuItem>(i));
    }
    session.reset();
    holder.CloseRecSet();
}

TEST_F(MainWindowTest, StyleChangeClosesAndReopensTheClientWithoutItsPassword)
{
    const QString path = dataDir() + QStringLiteral("ACME.P26");
    makeClient(path, [] {
        CompanyRec.Name = QStringLiteral("ACME Payroll");
        CompanyRec.FilePassword = ScramblePassword(QStringLiteral("Secret1"));
    });
    typed = {QStringLiteral("Secret1")};
    start({path});
    ASSERT_TRUE(FileIsOpen);
    main->show();

    std::vector<QString> recentOnClose;
    DataModule().AddToRecentFiles = [&](const QString& name) { recentOnClose.push_back(name); };

    // The style already in use, in any letter case, changes nothing.
    QAction* cyan = styleItem(QStringLiteral("Cyan Dusk"));
    ASSERT_TRUE(cyan);
    QAction marked(QStringLiteral("cyan &dusk"));
    main->MnuStylesClick(&marked);
    EXPECT_TRUE(recentOnClose.empty());
    EXPECT_TRUE(cyan->isChecked());

    QAction* luna = styleItem(QStringLiteral("Luna"));
    ASSERT_TRUE(luna);
    luna->trigger();
    EXPECT_EQ(recentOnClose, std::vector<QString>{path});
    EXPECT_EQ(prompts, 1);
    EXPECT_TRUE(FileIsOpen);
    EXPECT_EQ(CurFileName, path);
    EXPECT_TRUE(DataModule().RSEmployee.Active());
    EXPECT_TRUE(ReopenFileName.isEmpty());
    EXPECT_FALSE(SkipPasswordPrompt);
    EXPECT_EQ(ActiveStyleName, QStringLiteral("Luna"));
    EXPECT_TRUE(qApp->styleSheet().contains(QStringLiteral("\"Luna\"")));
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Ledgora Version 2026.00 - ACME Payroll"));
    EXPECT_TRUE(luna->isChecked());
    EXPECT_FALSE(cyan->isChecked());
    EXPECT_TRUE(enabled(MnuClose));
    EXPECT_TRUE(main->ScrollBox()->isVisible());

    main->close();
    EXPECT_EQ(registryValue(QStringLiteral("Style"), QStringLiteral("StyleName")), QStringLiteral("Luna"));
}

TEST_F(MainWindowTest, DamagedStyleFileLeavesTheClientOpen)
{
    const QString path = dataDir() + QStringLiteral("ACME.P26");
    makeClient(path);
    start({path});
    WriteTestFile(programDir() + QStringLiteral("/styles/Sky.qssz"), "LQSZ\x01not zlib");
    EXPECT_THROW(main->MnuStylesClick(styleItem(QStringLiteral("Sky"))), EInOutError);
    EXPECT_TRUE(FileIsOpen);
    EXPECT_EQ(ActiveStyleName, QStringLiteral("Cyan Dusk"));
    EXPECT_FALSE(styleItem(QStringLiteral("Sky"))->isChecked());
    EXPECT_TRUE(styleItem(QStringLiteral("Cyan Dusk"))->isChecked());
}

TEST_F(MainWindowTest, CommandsWithoutTheirWindowSaySo)
{
    start();
    // The federal screen stands in for any command whose window is not there.
    SetLauncher(Launch::TFrmFederal, nullptr);
    messages.expect(IdOk, QStringLiteral("This command is not available yet."));
    main->item(MnuFederal)->trigger();
    EXPECT_EQ(messages.last().caption, QStringLiteral("Ledgora 2026"));

    recordLauncher(Launch::MnuOpenClick);
    main->button(BtnOpen)->click();
    ASSERT_EQ(launched.size(), 1u);
    EXPECT_EQ(launched[0].first, Launch::MnuOpenClick);
    EXPECT_EQ(launched[0].second, BtnOpen);
}

TEST_F(MainWindowTest, ReportsWarnWhenPayAwaitsPosting)
{
    const QString path = dataDir() + QStringLiteral("ACME.P26");
    makeClient(path, [] {
        CompanyRec.PayrollPosted = false;
        EmployeeRec.GrossWages[1] = 500;
        EmployeeRec.GrossWages[2] = 500;
        EmployeeRec.GrossWages[3] = 500;
        EmployeeRec.GrossWages[4] = 500;
    });
    start({path});
    std::vector<int> kinds;
    SetLauncher(Launch::TFrmReports, [&](TFrmMain&, MenuItem) { kinds.push_back(ReportKind); });

    messages.expect(IdOk, QStringLiteral("reflect incorrect\rpayroll data."));
    main->item(MnuMTDRpt)->trigger();
    EXPECT_EQ(messages.last().text, QStringLiteral("There is currently an un-posted payroll period.\rThis  will  cause "
                                                   "the report to reflect incorrect\rpayroll data."));
    EXPECT_EQ(messages.last().flags, MbOk | MbIconWarning);
    messages.expect(IdOk, QStringLiteral("state wages and tax liability."));
    main->item(MnuStateReport)->trigger();
    main->item(MnuJournal)->trigger();
    main->item(MnuDepartmental)->trigger();
    messages.expect(IdOk, QStringLiteral("payroll data."));
    main->item(MnuYTDDeptRpt)->trigger();
    EXPECT_EQ(kinds, (std::vector<int>{2, 8, 1, 9, 12}));
}

TEST_F(MainWindowTest, LaunchPanelRunsTheMenuCommandsAsTheMainWindow)
{
    const QString path = dataDir() + QStringLiteral("ACME.P26");
    makeClient(path);
    start({path});
    main->show();
    recordLauncher(Launch::TFrmCompany);
    recordLauncher(Launch::TFrmEFW2);

    OpenTaxPaymentSetup = true;
    main->LabelClick(104);
    EXPECT_FALSE(OpenTaxPaymentSetup);
    main->item(MnuURLSetup)->trigger();
    EXPECT_TRUE(OpenTaxPaymentSetup);
    main->LabelClick(138);
    ASSERT_EQ(launched.size(), 3u);
    EXPECT_EQ(launched[0], std::make_pair(Launch::TFrmCompany, None));
    EXPECT_EQ(launched[1], std::make_pair(Launch::TFrmCompany, MnuURLSetup));
    EXPECT_EQ(launched[2], std::make_pair(Launch::TFrmEFW2, None));

    LaunchLabelWidget* company = main->launchLabel(104);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(company, &enter);
    EXPECT_TRUE(company->isHot());
    EXPECT_TRUE(company->font().bold() && company->font().underline());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(company, &leave);
    EXPECT_FALSE(company->isHot());

    messages.expect(IdOk, QStringLiteral("Start the program and click Tools/Styles"));
    main->LabelClick(137);
    EXPECT_EQ(messages.last().caption, QStringLiteral("Setting Styles"));
    EXPECT_EQ(messages.last().flags, MbOk | MbIconInformation);
}

TEST_F(MainWindowTest, ScalingDialogSetsThePercentage)
{
    start();
    ScalingPercent = 92;
    dialogs.onNextModal([](QDialog& dialog) {
        auto* box = dialog.findChild<QComboBox*>(QStringLiteral("CbxScalingPct"));
        ASSERT_TRUE(box);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Window Scaling Utility"));
        EXPECT_EQ(box->count(), 16);
        EXPECT_EQ(box->currentText(), QStringLiteral("92"));
        box->setCurrentIndex(15);
        dialog.findChild<QPushButton*>(QStringLiteral("BtnOk"))->click();
    });
    main->item(MnuWindowScaling)->trigger();
    EXPECT_EQ(ScalingPercent, 85);

    dialogs.onNextModal([](QDialog& dialog) {
        dialog.findChild<QComboBox*>(QStringLiteral("CbxScalingPct"))->setCurrentIndex(0);
        dialog.findChild<QPushButton*>(QStringLiteral("BtnCancel"))->click();
    });
    main->item(MnuWindowScaling)->trigger();
    EXPECT_EQ(ScalingPercent, 85);
}

TEST_F(MainWindowTest, NewJerseyFormsShowForANewJerseyEmployer)
{
    const QString path = dataDir() + QStringLiteral("ACME.P26");
    makeClient(path, [] {
        CompanyRec.CurrentState = StateCodeIndex(QStringLiteral("NJ")) + 1;
        EmployeeRec.GrossWages[4] = 1200;
    });
    start({path});
    QMenu* forms = main->menu(MnuTaxForms);
    QMetaObject::invokeMethod(forms, "aboutToShow");
    EXPECT_TRUE(main->item(MnuNJUDI)->isVisible());
    EXPECT_FALSE(main->item(MnuNJUDI)->isEnabled());
    EXPECT_TRUE(main->item(MnuNJW3)->isEnabled());
}

TEST_F(MainWindowTest, ScreenshotWithAClientOpenShowsTheLaunchPanel)
{
    const QString path = dataDir() + QStringLiteral("ACME.P26");
    makeClient(path, [] { CompanyRec.Name = QStringLiteral("ACME Payroll Services"); });
    start({path});
    main->show();
    const QImage shot = main->grab().toImage();
    const QString file = tempPath(QStringLiteral("main-window.png"));
    ASSERT_TRUE(shot.save(file));
    EXPECT_GT(QFileInfo(file).size(), 1000);
    // The launch panel is black with white labels.
    const QPoint inPanel = main->ScrollBox()->mapTo(main, QPoint(300, 390));
    EXPECT_EQ(shot.pixelColor(inPanel), QColor(Qt::black));
}

TEST_F(MainWindowTest, CloseMonthRunsFromTheMenuAndSwitchesItselfOff)
{
    const QString path = dataDir() + QStringLiteral("ACME.P26");
    makeClient(path, [] {
        EmployeeRec.GrossWages[2] = 800;
        EmployeeRec.GrossWages[3] = 800;
        EmployeeRec.GrossWages[4] = 800;
    });
    start({path});
    ASSERT_TRUE(enabled(MnuCloseMonth));
    messages.expect(IdOk, QStringLiteral("close all MONTH-TO-DATE totals"));
    messages.expect(IdOk, QStringLiteral("Month-to-date totals have been closed."));
    main->item(MnuCloseMonth)->trigger();
    EXPECT_EQ(EmployeeRec.GrossWages[2], 0.0);
    EXPECT_FALSE(enabled(MnuCloseMonth));
    EXPECT_FALSE(enabled(MnuMTDRpt));
    EXPECT_TRUE(enabled(MnuCloseQuarter));
    EXPECT_TRUE(enabled(MnuQTDRpt));
}

TEST_F(MainWindowTest, PostingRunsFromTheMenuAndSwitchesItselfOff)
{
    const QString path = dataDir() + QStringLiteral("ACME.P26");
    makeClient(path, [] {
        CompanyRec.PayDateFrom = QStringLiteral("03/16/2026");
        CompanyRec.PayDateTo = QStringLiteral("03/22/2026");
        CompanyRec.PayDate = QStringLiteral("03/27/2026");
        CompanyRec.PayrollPosted = false;
        EmployeeRec.Wages[1] = 800;
        EmployeeRec.GrossWages[1] = 800;
        EmployeeRec.NetPay[1] = 800;
    });
    start({path});
    ASSERT_TRUE(enabled(MnuPosting));
    dialogs.onNextModal([](QDialog& dialog) { dynamic_cast<TFrmPostPayrollDlg&>(dialog).BtnPost->click(); });
    messages.expect(IdOk, QStringLiteral("final  pay  period of the quarter"));
    main->item(MnuPosting)->trigger();
    EXPECT_EQ(EmployeeRec.GrossWages[4], 800.0);
    EXPECT_EQ(EmployeeRec.GrossWages[1], 0.0);
    EXPECT_TRUE(CompanyRec.PayrollPosted);
    EXPECT_FALSE(enabled(MnuPosting));
    EXPECT_FALSE(enabled(MnuAutomatic));
    EXPECT_TRUE(enabled(MnuCloseMonth));
}

TEST_F(MainWindowTest, SavedReportsOpensThePreviewAtOnce)
{
    const QString path = dataDir() + QStringLiteral("ACME.P26");
    makeClient(path);
    start({path});
    QString title;
    bool maximized = false;
    dialogs.onNextModal([&](QDialog& preview) {
        title = preview.windowTitle();
        maximized = preview.isMaximized() || (preview.windowState() & Qt::WindowMaximized);
        preview.reject();
    });
    main->item(MnuSavedReports)->trigger();
    EXPECT_EQ(title, QStringLiteral("Saved Reports Preview"));
    EXPECT_TRUE(maximized);
}

TEST_F(MainWindowTest, FreshHomeWithoutDocumentsCreatesAClientWithNew)
{
    ASSERT_TRUE(QDir(homeDir() + QStringLiteral("/Documents")).removeRecursively());
    start();
    for (const char* folder : {"Backup", "Quarterly_Data"})
        EXPECT_TRUE(QFileInfo(dataDir() + QLatin1String(folder)).isDir()) << folder;
    for (Launch screen : {Launch::TFrmCompany, Launch::TFrmState, Launch::TFrmCity, Launch::TFrmEmployee})
        recordLauncher(screen);
    dialogs.onNextModal([](QDialog& shown) {
        auto* name = shown.findChild<QLineEdit*>(QStringLiteral("NewFileName"));
        ASSERT_TRUE(name);
        name->setText(QStringLiteral("  First Client "));
        shown.findChild<QPushButton*>(QStringLiteral("BtnOk"))->click();
    });
    main->item(MnuNew)->trigger();
    EXPECT_TRUE(FileIsOpen);
    EXPECT_EQ(CurFileName, dataDir() + QStringLiteral("First Client.P26"));
    EXPECT_TRUE(QFileInfo::exists(dataDir() + QStringLiteral("First Client.P26")));
    EXPECT_TRUE(QFileInfo::exists(dataDir() + QStringLiteral("First Client.C26")));
    EXPECT_EQ(CompanyRec.Name.get(), QStringLiteral("First Client"));
}

TEST_F(MainWindowTest, DataFolderThatCannotBeMadeIsReportedAtStart)
{
    ASSERT_TRUE(QDir(homeDir() + QStringLiteral("/Documents")).removeRecursively());
    WriteTestFile(homeDir() + QStringLiteral("/Documents"), "a file where the folder belongs");
    messages.expect(IdOk, QStringLiteral("Ledgora cannot create its data folder"));
    start();
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("Documents/Ledgora/2026/Data/Backup/")));
    EXPECT_EQ(messages.last().flags, MbOk | MbIconStop);
}

TEST_F(MainWindowTest, WindowGrowsKeepsTheLaunchPanelCentredAndRemembersItsPlace)
{
    const QString path = dataDir() + QStringLiteral("ACME.P26");
    makeClient(path);
    start({path});
    EXPECT_TRUE(main->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(main->windowFlags() & Qt::MSWindowsFixedSizeDialogHint);
    EXPECT_GE(main->centralWidget()->width(), 638);
    main->show();
    main->resize(1400, 900);
    QCoreApplication::processEvents();
    EXPECT_EQ(main->size(), QSize(1400, 900));

    // The labels stand as one block in the middle of the black panel.
    QRect labels;
    for (const LaunchLabel& def : LaunchLabels())
        labels |= main->launchLabel(def.tag)->geometry();
    const QRect panel = main->ScrollBox()->rect();
    EXPECT_LE(std::abs(labels.center().x() - panel.center().x()), 150);
    EXPECT_GT(labels.left(), 300);
    EXPECT_GT(labels.top(), 100);

    main->close();
    EXPECT_NE(registryValue(QStringLiteral("Window"), QStringLiteral("Geometry")), QStringLiteral("<no value>"));
    session.reset();
    ResetClientState();
    start();
    EXPECT_EQ(main->size(), QSize(1400, 900));
}

TEST_F(MainWindowTest, APlaceSavedOnALargerScreenIsFittedToTheSmallerOne)
{
    start();
    main->show();
    main->setGeometry(100, 80, 1400, 900);
    QCoreApplication::processEvents();
    main->close();
    session.reset();
    ResetClientState();

    const QRect smaller(0, 0, 1280, 760);
    start({}, QSize(1280, 800), smaller);
    const int titleBar = main->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, main);
    EXPECT_TRUE(smaller.contains(main->geometry().adjusted(0, -titleBar, 0, 0)))
        << main->geometry().x() << ", " << main->geometry().y() << " " << main->width() << " x " << main->height();
    EXPECT_EQ(main->width(), 1280);
    EXPECT_EQ(main->height(), 760 - titleBar);
}

TEST_F(MainWindowTest, LaunchLabelsTakeTheFocusAndRunWithEnterOrSpace)
{
    const QString path = dataDir() + QStringLiteral("ACME.P26");
    makeClient(path);
    start({path});
    main->show();
    recordLauncher(Launch::TFrmCompany);
    recordLauncher(Launch::TFrmState);
    QApplication::setActiveWindow(main);

    LaunchLabelWidget* company = main->launchLabel(104);
    company->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(company->hasFocus());
    EXPECT_TRUE(company->isHot());
    QTest::keyClick(company, Qt::Key_Space);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    LaunchLabelWidget* state = main->launchLabel(105);
    EXPECT_TRUE(state->hasFocus());
    EXPECT_FALSE(company->isHot());
    QTest::keyClick(state, Qt::Key_Return);
    ASSERT_EQ(launched.size(), 2u);
    EXPECT_EQ(launched[0].first, Launch::TFrmCompany);
    EXPECT_EQ(launched[1].first, Launch::TFrmState);

    // Posting is off with nothing processed: its label is drawn disabled and Tab passes it by.
    LaunchLabelWidget* post = main->launchLabel(118);
    EXPECT_FALSE(enabled(MnuPosting));
    EXPECT_FALSE(post->isEnabled());
    EXPECT_TRUE(company->isEnabled());
    const QImage shot = main->ScrollBox()->grab().toImage();
    const auto brightest = [&shot](const QRect& area) {
        int best = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                best = std::max(best, qGray(shot.pixel(x, y)));
        return best;
    };
    EXPECT_EQ(brightest(company->geometry()), 255);
    EXPECT_LT(brightest(post->geometry()), 200);
}
