#pragma once

class QWidget;

// The statement command: asks for the type of statement and prints the earnings statements of
// the current pay period.
void RunEarningsStatements(QWidget* owner);

// Prints a mailing label for every employee.
void RunEmployeeLabels(QWidget* owner);

// Fills the launcher table's entries of the statement and label commands.
void InstallStatementLaunchers();
