#include "client/ui/Backup.h"

TFrmBackup::TFrmBackup(QWidget* parent)
    : TClientFolderDlg(QStringLiteral("Ledgora Client Backup"),
                       QStringLiteral("You are about to make a backup of your current client file. If you are "
                                      "backing-up to a removable storage device (such as a USB flash drive), connect "
                                      "it to your system before clicking Ok. Use the Restore command to retrieve your "
                                      "backup."),
                       QStringLiteral(" Backup Current Client To: "), QStringLiteral("Select the backup to folder"),
                       QStringLiteral("Enter the folder to back up the client to, or click Browse to choose it."),
                       parent)
{
    setObjectName(QStringLiteral("FrmBackup"));
}
