#pragma once

// Fills the launcher table's entries of the check windows.
void InstallCheckLaunchers();
