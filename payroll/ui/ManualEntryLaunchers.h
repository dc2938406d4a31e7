#pragma once

// Fills the launcher table with Manual Entry and Express.
void InstallManualEntryLaunchers();
