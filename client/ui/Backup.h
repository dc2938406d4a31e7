#pragma once

#include "client/ui/ClientFolderDlg.h"

// Asks where Backup copies the open client to.
class TFrmBackup : public TClientFolderDlg {
    Q_OBJECT
public:
    explicit TFrmBackup(QWidget* parent = nullptr);
};
