#pragma once

#include "client/ClientFileCommands.h"

#include <QString>
#include <optional>

// Shows the Backup or Restore window for the open client's file name and folder, proposing
// folder: the folder text confirmed with OK, or nothing when cancelled.
std::optional<QString> AskClientFolder(ClientFileHost::FolderDialog dialog, const QString& fileName,
                                       const QString& location, const QString& folder);
