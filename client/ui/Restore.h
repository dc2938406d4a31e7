#pragma once

#include "client/ui/ClientFolderDlg.h"

// Asks where Restore finds the backup of the open client.
class TFrmRestore : public TClientFolderDlg {
    Q_OBJECT
public:
    explicit TFrmRestore(QWidget* parent = nullptr);
};
