#include "TestSupport.h"
#include "TextRoom.h"

#include "../preview/PreviewFixture.h"

#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/StylePack.h"
#include "client/ui/Backup.h"
#include "client/ui/Launchers.h"
#include "client/ui/NewFileDlg.h"
#include "client/ui/Password.h"
#include "client/ui/Restore.h"
#include "client/ui/Scaling.h"
#include "client/ui/Startup.h"
#include "client/ui/VisualStyle.h"
#include "client/ui/Welcome.h"
#include "components/ui/Calculator.h"
#include "components/ui/Calendar.h"
#include "components/ui/MsgWin.h"
#include "components/ui/OutputOptionsWindow.h"
#include "components/ui/PasswordDlg.h"
#include "components/ui/PrinterSetupWindow.h"
#include "components/ui/RecList.h"
#include "components/ui/ReportPreviewWindow.h"
#include "components/ui/StateList.h"
#include "platform/Registry.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QtTest/QTest>

#include <functional>
#include <memory>

namespace {

const QString kRoot = QStringLiteral("Software\\Ledgora\\2026\\");

QString builtFile(const QString& name)
{
    return QCoreApplication::applicationDirPath() + QChar('/') + name;
}

// A window kept together with whatever must outlive it.
template <typename Window, typename Owner>
std::shared_ptr<QWidget> Keeping(std::shared_ptr<Owner> owner, Window* window)
{
    return std::shared_ptr<QWidget>(owner, window);
}

// Starts the program as the user does; with a client path, that client opens at start.
std::shared_ptr<QWidget> MainWindow(const QStringList& arguments)
{
    MainWindowOptions options;
    options.arguments = arguments;
    options.splashMilliseconds = 0;
    std::shared_ptr<LedgoraSession> session = StartLedgora(QSize(1600, 1000), options);
    return Keeping(session, session->mainWindow.get());
}

QString SampleClient()
{
    const QString path = QDir::homePath() + QStringLiteral("/Documents/Ledgora/2026/Data/Wide Client.P26");
    if (QFileInfo::exists(path))
        return path;
    QDir().mkpath(QFileInfo(path).path());
    {
        TFrmDataModule module;
        module.OpenClient(path);
        CompanyRec.Name = QStringLiteral("Wellington Mountainview Landscaping & Hardscaping");
        module.RSCompany.PostRec();
        module.RSEmployee.PostRec();
        module.RSEmployee.CloseRecSet();
    }
    ResetClientState();
    return path;
}

struct PrinterSetupWindow {
    Registry registry;
    TFrmPrinterSetup window{registry, kRoot};
};

OutputChoice PreviewChoice()
{
    OutputChoice choice;
    choice.destination = ReportDestination::Preview;
    return choice;
}

// Every window of the program, as the user first sees it. A new window joins the tests below
// (text fit in every style and scaling, Esc as Cancel) with one line here: its name and how to
// make it.
struct WindowMaker {
    const char* name;
    std::function<std::shared_ptr<QWidget>()> make;
};

const WindowMaker kWindows[] = {
    {"MainWindow", [] { return MainWindow({}); }},
    {"MainWindowWithClient", [] { return MainWindow({SampleClient()}); }},
    {"Welcome", [] { return std::make_shared<TFrmWelcome>(); }},
    {"NewFile", [] { return std::make_shared<TFrmNewFileDlg>(); }},
    {"Scaling", [] { return std::make_shared<TFrmScaling>(); }},
    {"ClientPassword", [] { return std::make_shared<TFrmPassword>(); }},
    {"Backup", [] {
         auto window = std::make_shared<TFrmBackup>();
         window->LblFileName->setText(QStringLiteral("Wellington Mountainview Landscaping.P26"));
         window->LblLocation->setText(QStringLiteral("/home/bookkeeper/Documents/Ledgora/2026/Data/"));
         return window;
     }},
    {"Restore", [] { return std::make_shared<TFrmRestore>(); }},
    {"PasswordPrompt", [] { return std::make_shared<TPasswordDlg>(); }},
    {"PrinterSetup", [] {
         auto kept = std::make_shared<PrinterSetupWindow>();
         return Keeping(kept, &kept->window);
     }},
    {"OutputOptionsBeforeReport", [] {
         return std::make_shared<TFrmOutputOptions>(QStringLiteral("Employee Earnings Statement Output Options"),
                                                    AllSystemSetups, TFrmOutputOptions::Mode::BeforeReport,
                                                    PreviewChoice());
     }},
    {"OutputOptionsFromPreview", [] {
         return std::make_shared<TFrmOutputOptions>(QStringLiteral("Output Options"), AllSystemSetups,
                                                    TFrmOutputOptions::Mode::FromPreview, PreviewChoice(), 12);
     }},
    {"ReportPreview", [] {
         auto window = std::make_shared<TFrmReportPreview>();
         window->setWindowTitle(QStringLiteral("Saved Reports Preview"));
         return window;
     }},
    {"MessageWindow", [] {
         auto window = std::make_shared<TFrmMsgWin>();
         window->setWindowTitle(QStringLiteral("Ledgora 2026"));
         window->LblMsg->setText(QStringLiteral("Copying files to /media/bookkeeper/USB DRIVE/Ledgora Backups/2026"));
         return window;
     }},
    {"Calendar", [] { return std::make_shared<TFrmCalendar>(); }},
    {"Calculator", [] { return std::make_shared<TCalculator>(QStringLiteral("1,234.56"), 2); }},
    {"EmployeeList", [] {
         auto window = std::make_shared<TFrmRecList>();
         window->AssignEntries({QStringLiteral("Montgomery-Washington, Bartholomew Q."),
                                QStringLiteral("Smith, Ann"), QStringLiteral("Zimmermann, Wolfgang")});
         return window;
     }},
    {"StateList", [] {
         auto window = std::make_shared<TFrmStateList>();
         window->AssignLabels(QStringLiteral("Select the state to add"), QStringLiteral("and click Ok"));
         return window;
     }},
};

void PrintTo(const WindowMaker& maker, std::ostream* os)
{
    *os << maker.name;
}

struct Look {
    QString style;   // empty: the plain look without a style sheet
    int scaling;
};

std::vector<Look> Looks()
{
    std::vector<Look> looks;
    QStringList styles = AvailableStyles(builtFile(QStringLiteral("styles/")));
    styles.prepend(QString());
    for (const QString& style : styles)
        for (int scaling : {100, 85})
            looks.push_back({style, scaling});
    return looks;
}

class ProgramWindowTest : public PreviewTest, public ::testing::WithParamInterface<WindowMaker> {
protected:
    void SetUp() override
    {
        PreviewTest::SetUp();
        savedFolder_ = QDir::currentPath();
        ResetClientState();
        printers->printers[QStringLiteral("Brother HL-L2350DW series (Upstairs Office)")] = {
            {QStringLiteral("Letter"), QStringLiteral("Legal"), QStringLiteral("Envelope #10 (4.125 x 9.5 in)")},
            {QStringLiteral("Automatically Select")}};
        ASSERT_TRUE(QFile::copy(builtFile(QStringLiteral("LEDGORA.FTT")), programDir() + QStringLiteral("/LEDGORA.FTT")));
        Registry registry;
        ASSERT_TRUE(registry.OpenKey(kRoot + QStringLiteral("Splash"), true));
        registry.WriteBool(QStringLiteral("Display"), false);
        registry.CloseKey();
        UseFusionStyle();
    }

    void TearDown() override
    {
        InstallLaunchers();
        ResetClientState();
        ScalingPercent = 100;
        ApplyStyleSheet(QString());
        QDir::setCurrent(savedFolder_);
        PreviewTest::TearDown();
    }

private:
    QString savedFolder_;
};

// Windows whose text does not fit show it cut: every caption, button and choice must have the
// room it needs in every style, at every scaling.
TEST_P(ProgramWindowTest, EveryTextHasItsRoom)
{
    const WindowMaker& maker = GetParam();
    const QByteArray shots = qgetenv("LEDGORA_SCREENSHOTS");
    for (const Look& look : Looks()) {
        const QString sheet = look.style.isEmpty() ? QString() : LoadStyleSheet(builtFile(QStringLiteral("styles/")), look.style);
        ApplyStyleSheet(sheet);
        ScalingPercent = look.scaling;
        std::shared_ptr<QWidget> window = maker.make();
        ASSERT_TRUE(window);
        // Starting the program applies the style of its settings; the look under test comes back.
        if (qApp->styleSheet() != sheet)
            ApplyStyleSheet(sheet);
        window->show();
        QCoreApplication::processEvents();
        const QStringList cut = CutTexts(*window);
        EXPECT_TRUE(cut.isEmpty()) << maker.name << " in \"" << look.style.toStdString() << "\" at " << look.scaling
                                   << " %:\n  " << cut.join(QStringLiteral("\n  ")).toStdString();
        if (!shots.isEmpty() && look.scaling == 100)
            window->grab().save(QStringLiteral("%1/%2 %3.png")
                                    .arg(QString::fromLocal8Bit(shots), QLatin1String(maker.name),
                                         look.style.isEmpty() ? QStringLiteral("plain") : look.style));
        window->close();
    }
}

// Esc leaves every dialog as its Cancel does, wherever the focus is.
TEST_P(ProgramWindowTest, EscapeActsAsCancel)
{
    std::shared_ptr<QWidget> window = GetParam().make();
    auto* dialog = qobject_cast<QDialog*>(window.get());
    if (!dialog)
        GTEST_SKIP() << "not a dialog";
    dialog->show();
    QCoreApplication::processEvents();
    QWidget* focused = dialog->focusWidget() ? dialog->focusWidget() : dialog;
    QTest::keyClick(focused, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

INSTANTIATE_TEST_SUITE_P(Windows, ProgramWindowTest, ::testing::ValuesIn(kWindows),
                         [](const ::testing::TestParamInfo<WindowMaker>& info) { return std::string(info.param.name); });

} // namespace
