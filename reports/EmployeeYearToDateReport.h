#pragma once

class ReportCanvas;

// One page of the year-to-date totals that posting has added up for the employee in EmployeeRec,
// as of the day before the open pay period begins; the amounts of the period being entered are
// not among them. The to-date totals are recomputed for the page only: EmployeeRec is as before
// afterwards, nothing is posted and the record set is not moved. Lines that would run off the
// paper continue on a new page.
void PrintEmployeeYearToDate(ReportCanvas& report);
