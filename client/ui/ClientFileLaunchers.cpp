#include "client/ui/ClientFileLaunchers.h"

#include "client/ClientFileCommands.h"
#include "client/PayDataModule.h"
#include "client/ui/ClientFolderAsk.h"
#include "client/ui/HelpWindow.h"
#include "client/ui/Launchers.h"
#include "client/ui/NewFileDlg.h"
#include "client/ui/Password.h"
#include "client/ui/PayMain.h"
#include "client/ui/PayTransfer.h"
#include "components/ui/MsgWin.h"
#include "platform/ui/ShowModal.h"

namespace {

// The main window and the program's dialogs behind the client-file commands. The setup screens
// run as their menu items do, with the main window as sender.
class MainWindowHost : public ClientFileHost {
public:
    explicit MainWindowHost(TFrmMain& main)
        : main_(main)
    {
    }

    void UpdateFormCaption() override { main_.UpdateFormCaption(); }
    void EnableMenuItems(bool enableIt) override { main_.EnableMenuItems(enableIt); }
    void SetupProcessingMenu() override { main_.SetupProcessingMenu(); }
    void MnuCompanyClick() override { main_.RunCommand(MenuItem::MnuCompany, MenuItem::None); }
    void MnuStateClick() override { main_.RunCommand(MenuItem::MnuState, MenuItem::None); }
    void MnuCityClick() override { main_.RunCommand(MenuItem::MnuCity, MenuItem::None); }
    void MnuEmployeesClick() override { main_.RunCommand(MenuItem::MnuEmployees, MenuItem::None); }
    void ShowMsgWin(const QString& caption, const QString& text) override { ::ShowMsgWin(caption, text); }
    void CloseMsgWin() override { ::CloseMsgWin(); }
    std::optional<QString> AskNewFileName() override { return ::AskNewFileName(); }
    std::optional<QString> AskClientFolder(FolderDialog dialog, const QString& fileName, const QString& location,
                                           const QString& folder) override
    {
        return ::AskClientFolder(dialog, fileName, location, folder);
    }

private:
    TFrmMain& main_;
};

// Runs one command of the client-file commands on behalf of the main window.
template <typename Command>
Launcher ClientFileLauncher(Command command)
{
    return [command](TFrmMain& main, MenuItem sender) {
        MainWindowHost host(main);
        ClientFileCommands commands(DataModule(), host);
        command(commands, sender);
    };
}

} // namespace

void InstallClientFileLaunchers()
{
    SetLauncher(Launch::MnuNewClick, ClientFileLauncher([](ClientFileCommands& c, MenuItem) { c.MnuNewClick(); }));
    SetLauncher(Launch::MnuOpenClick, ClientFileLauncher([](ClientFileCommands& c, MenuItem) { c.MnuOpenClick(); }));
    SetLauncher(Launch::MnuSaveAsClick,
                ClientFileLauncher([](ClientFileCommands& c, MenuItem) { c.MnuSaveAsClick(); }));
    SetLauncher(Launch::MnuBackupClick,
                ClientFileLauncher([](ClientFileCommands& c, MenuItem) { c.MnuBackupClick(); }));
    SetLauncher(Launch::MnuRestoreClick,
                ClientFileLauncher([](ClientFileCommands& c, MenuItem) { c.MnuRestoreClick(); }));
    SetLauncher(Launch::MnuCloseClick, ClientFileLauncher([](ClientFileCommands& c, MenuItem) { c.MnuCloseClick(); }));
    SetLauncher(Launch::OpenMRUFileClick, ClientFileLauncher([](ClientFileCommands& c, MenuItem sender) {
                    c.OpenMRUFileClick(RecentFileIndex(sender));
                }));
    SetLauncher(Launch::TFrmPassword, [](TFrmMain&, MenuItem) {
        TFrmPassword window;
        window.OnHelp = ShowHelp;
        SetHelpContext(&window, TFrmPassword::kHelpContext);
        ShowModal(window);
    });
    // The main window has closed an open client before and reloads the preparer afterwards.
    SetLauncher(Launch::TFrmTransfer, [](TFrmMain&, MenuItem) { OpenModalWindow<TFrmTransfer>(); });
}
