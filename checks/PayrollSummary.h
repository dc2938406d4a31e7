#pragma once

class ReportCanvas;
class StatementSource;

// The Payroll Summary on a new page: the sums over every employee (paid or not) of the pay date's
// earnings, deductions, employer liabilities and other amounts and time, as the source gives
// them, and the number of employees processed. Lines continue on a new page before they would
// leave the paper. The employee who was current is current again afterwards.
void PrintPayrollSummary(ReportCanvas& report, StatementSource& source, int employeesProcessed);
