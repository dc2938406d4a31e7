#pragma once

// Fills the launcher table's entry of the report window.
void InstallReportLaunchers();
