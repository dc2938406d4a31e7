#pragma once

// Puts the client-file commands (New, Open, Save As, Backup, Restore, Close, the recent clients),
// the password window and the transfer from last year into the main window's launcher table.
void InstallClientFileLaunchers();
