#include "client/ui/Restore.h"

TFrmRestore::TFrmRestore(QWidget* parent)
    : TClientFolderDlg(QStringLiteral("Ledgora Restore Client Backup"),
                       QStringLiteral("You are about to restore your current client file from a previous backup. If "
                                      "you are restoring from a removable storage device (such as a USB flash drive), "
                                      "connect it to your system before clicking Ok."),
                       QStringLiteral(" Restore Current Client Backup From: "),
                       QStringLiteral("Select the folder to restore from"),
                       QStringLiteral("Enter the folder that holds the backup, or click Browse to choose it."), parent)
{
    setObjectName(QStringLiteral("FrmRestore"));
}
