#pragma once

class ReportCanvas;
struct ReportTexts;

// The employee roster: one portrait page for every employee record in file order, paid or not,
// with everything the employee setup holds. The employee that was current is current again
// afterwards.
void PrintEmployeeRoster(ReportCanvas& report, const ReportTexts& texts);
