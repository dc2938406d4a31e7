#include "client/ui/ClientFolderAsk.h"

#include "client/ui/Backup.h"
#include "client/ui/Restore.h"
#include "platform/ui/ShowModal.h"

#include <QLabel>
#include <QLineEdit>
#include <memory>

std::optional<QString> AskClientFolder(ClientFileHost::FolderDialog dialog, const QString& fileName,
                                       const QString& location, const QString& folder)
{
    std::unique_ptr<TClientFolderDlg> window;
    if (dialog == ClientFileHost::FolderDialog::Backup)
        window = std::make_unique<TFrmBackup>();
    else
        window = std::make_unique<TFrmRestore>();
    window->LblFileName->setText(fileName);
    window->LblLocation->setText(location);
    window->Path->setText(folder);
    if (ShowModal(*window) != QDialog::Accepted)
        return std::nullopt;
    return window->Path->text();
}
