#pragma once

// Puts the setup screens behind their commands of the main window.
void InstallSetupScreenLaunchers();
