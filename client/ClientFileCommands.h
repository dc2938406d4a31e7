#pragma once

#include <QString>
#include <optional>

class TFrmDataModule;

// What the client-file commands need of the windows around them: the main window's caption and
// menus, the setup screens that New shows, the message window, and the dialogs that ask for a new
// client's name and for a backup folder. The windowed program hands in the main window's; tests
// a recording stand-in.
class ClientFileHost {
public:
    virtual ~ClientFileHost() = default;

    virtual void UpdateFormCaption() = 0;
    virtual void EnableMenuItems(bool enableIt) = 0;
    virtual void SetupProcessingMenu() = 0;

    // The setup screens, each shown modally with its own follow-up refreshes.
    virtual void MnuCompanyClick() = 0;
    virtual void MnuStateClick() = 0;
    virtual void MnuCityClick() = 0;
    virtual void MnuEmployeesClick() = 0;

    // The message window that asks the user to wait while files are copied.
    virtual void ShowMsgWin(const QString& caption, const QString& text) = 0;
    virtual void CloseMsgWin() = 0;

    // The new-client dialog: the name as typed, or nothing when cancelled or left blank.
    virtual std::optional<QString> AskNewFileName() = 0;

    // The backup or restore dialog showing the client's file name and folder, with folder
    // proposed: the folder text confirmed with OK, or nothing.
    enum class FolderDialog { Backup, Restore };
    virtual std::optional<QString> AskClientFolder(FolderDialog dialog, const QString& fileName,
                                                   const QString& location, const QString& folder) = 0;
};

// The File menu's commands on client files: New, Open, Save As, Backup, Restore, Close, the recent
// clients and the template. Each works through the data module's employee record set, whose
// opening and closing take the company file and the tax tables along, and each ends by bringing
// the main window's Processing menu up to date.
//
// Save As, Backup and Restore never lose a client: a copy onto the client's own files is refused,
// both files are checked before anything is written, the targets are replaced together, Restore
// asks before it overwrites the open client, and whatever happens the client is open again at the
// end. A failure is raised as ECopyFileException naming the file and the system's error, after
// the client was reopened.
class ClientFileCommands {
public:
    ClientFileCommands(TFrmDataModule& module, ClientFileHost& host);

    void MnuNewClick();
    void MnuOpenClick();
    void MnuSaveAsClick();
    void MnuBackupClick();
    void MnuRestoreClick();
    void MnuCloseClick();
    // Opens the recent client at position index (0..9) of MRUList.
    void OpenMRUFileClick(int index);
    // Opens the template client, creating it with defaults when missing.
    void LoadTemplate();

    // The Backup and Restore dialogs with the folder remembered in the registry key "Backup";
    // a confirmed non-blank folder is remembered again and returned.
    std::optional<QString> ShowBackupDialog();
    std::optional<QString> ShowRestoreDialog();

private:
    std::optional<QString> showFolderDialog(ClientFileHost::FolderDialog dialog, const QString& folder);
    void closeClient();
    bool openClient(const QString& fileName);
    void afterOpen();
    void reopenAfterCopy(std::exception_ptr failure);

    TFrmDataModule& module_;
    ClientFileHost& host_;
};

// The name Save As gives the chosen path: its file name cut before its first "." (folders keep
// theirs), with ".P26" appended.
QString SaveAsFileName(const QString& chosen);
