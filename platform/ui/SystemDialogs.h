#pragma once

// Installs the windowed program's message box and file dialogs in place of the console defaults.
void InstallSystemDialogs();
