#pragma once

// Fills the launcher of the employee screen (Setup > Employees and the last screen of File > New).
void InstallEmployeeLaunchers();
