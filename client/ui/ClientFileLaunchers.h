#pragma once

// Puts the client-file commands (New, Open, Save As, Backup, Restore, Close, the recent clients)
// and the password window into the main window's launcher table.
void InstallClientFileLaunchers();
