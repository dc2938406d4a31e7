#pragma once

// Puts the Help menu's commands (Contents, License Agreement, Direct Deposit, Web Update,
// Technical Support, About), F1 on menu items and the Electronic Tax Payments pages into the main
// window's launcher table.
void InstallHelpLaunchers();
