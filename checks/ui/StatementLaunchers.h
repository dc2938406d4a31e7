#pragma once

class QWidget;

// Set by the statement command when the one paid employee's standard statement is to start in
// the lower half of the page; kept until the command runs again.
extern bool MidPageStart;

// The statement command: asks for the type of statement and prints the earnings statements of
// the current pay period.
void RunEarningsStatements(QWidget* owner);

// Prints a mailing label for every employee.
void RunEmployeeLabels(QWidget* owner);

// Fills the launcher table's entries of the statement and label commands.
void InstallStatementLaunchers();
