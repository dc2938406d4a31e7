#pragma once

// Fills the launcher of the EFW2 screen (Tools menu).
void InstallEFW2Launchers();
