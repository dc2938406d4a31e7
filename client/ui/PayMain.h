#pragma once

#include "client/MainMenuItems.h"
#include "client/MenuEnabling.h"

#include <QMainWindow>
#include <QRect>
#include <QStringList>
#include <array>
#include <vector>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QToolButton;
class LaunchLabelWidget;

// What start-up hands the main window.
struct MainWindowOptions {
    QStringList arguments;          // the command line after the program's name
    int splashMilliseconds = 1000;  // how long the splash window stays up
    QRect availableScreen;          // where the window may stand; empty: the primary screen's available area
};

// The main window: the menus, the toolbar, the launch panel and the status line, and the place
// where every user command enters. Creating it runs the program's start-up (folders, settings,
// tables, style, splash, the client named on the command line); closing it writes the settings
// back. There is one for the whole run, reached through FrmMain.
class TFrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TFrmMain(const MainWindowOptions& options = MainWindowOptions(), QWidget* parent = nullptr);
    ~TFrmMain() override;

    // The caption and status line from the open client.
    void UpdateFormCaption();
    // The commands that need an open client, on or off; the launch panel shows when on, the
    // message panel when off. While a command runs the menus wait for its end.
    void EnableMenuItems(bool enableIt);
    // The Processing and Print commands from the state of the open client; nothing while none is open.
    void SetupProcessingMenu();
    void SetupPrintMenuItems();
    // The Recent Clients items from the recent-files list.
    void UpdateRecentFilesMenu();

    // Runs the command of a menu item as if `sender` had been chosen (None: the main window).
    void RunCommand(MenuItem command, MenuItem sender);
    // The launch panel's label with this tag was clicked.
    void LabelClick(int tag);
    // A style of the Styles menu was chosen.
    void MnuStylesClick(QAction* item);

    QAction* item(MenuItem which) const { return actions_[IndexOf(which)]; }
    QToolButton* button(MenuItem which) const;
    QMenu* menu(MenuItem which) const;
    LaunchLabelWidget* launchLabel(int tag) const;
    QMenu* MnuStylesMenu() const { return stylesMenu_; }
    QWidget* ScrollBox() const { return scrollBox_; }
    QFrame* MessagePanel() const { return messagePanel_; }
    QLabel* CurFilePanel() const { return curFilePanel_; }
    // How often the splash window was shown (tests keep it short).
    int splashShown() const { return splashShown_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Moves and shrinks the restored window, frame included, into the available area.
    void fitIntoScreen(QRect available);
    void buildMenus();
    QWidget* buildToolbar(QWidget* central);
    QWidget* buildLaunchPanel(QWidget* body);
    QWidget* buildMessagePanel(QWidget* body);
    void buildStylesMenu();

    void FormCreate(const MainWindowOptions& options);
    void HookPayRunWindows();
    void OpenCommandLineFile(const QStringList& arguments);
    void ReopenAfterStyleChange();
    void FormClose();

    void applyMenuStates(const MenuStates& states);
    void refreshAfterCommand();
    void dispatch(MenuItem command, MenuItem sender);
    void MnuCompanyClick(MenuItem sender);
    void OpenReport(int kind, const char* warning);
    void MnuTransferClick(MenuItem sender);
    void MnuTaxFormsClick();
    void MnuElectronicTaxPaymentsClick();
    void LabelMouseEnter(LaunchLabelWidget* label);
    void LabelMouseLeave(LaunchLabelWidget* label);
    bool labelIsLive(int tag) const;

    std::array<QAction*, kMenuItemCount> actions_{};
    std::array<QMenu*, kMenuItemCount> menus_{};
    std::array<QToolButton*, kMenuItemCount> buttons_{};
    std::vector<LaunchLabelWidget*> labels_;
    QMenu* stylesMenu_ = nullptr;
    QWidget* scrollBox_ = nullptr;
    QFrame* messagePanel_ = nullptr;
    QLabel* curFilePanel_ = nullptr;
    int splashShown_ = 0;
    int commandsRunning_ = 0;  // nested commands leave the menus to the outermost
    bool closed_ = false;
};

// The main window of the program while it exists; null before and after.
extern TFrmMain* FrmMain;
