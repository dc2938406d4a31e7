#pragma once

// The commands that act on the pay run as a whole.

// The hours of a pay period from standard hours per week, by the employee's pay frequency
// (1 weekly, 2 biweekly, 3 semimonthly, 4 monthly): 52 weeks shared among the year's periods, not
// rounded. Any other frequency gives 0.
double StandardHoursForPeriod(double weeklyHours, int frequency);

// Automatic: after confirmation, computes the pay of every employee who may be paid in the open
// pay period, in file order: fills hours not entered from the standard weekly hours, runs the pay
// computation and posts the employee; an employee the eligibility check refuses is not computed.
// The checks are numbered as CheckNumbers.h says, every employee with pay in file order from
// CompanyRec.StartChkNum when it is above 0. Refused in browse-only
// mode. The employee that was current stays current, also when the walk ends by an error.
void AutomaticProcessing();

// Express: the whole pay cycle in one command: pay period, automatic computation, manual review,
// earnings statements, journal, departmental report, checks and posting. It stops when no pay
// period is open after the pay period dialog, and when nobody has pay after the manual review.
void ExpressProcessing();

// Cancel: after confirmation, throws away the computed but unposted pay run: every employee's
// current amounts, hours and check number are cleared, and the pay period is closed while its
// dates stay for the next one. Refused in browse-only mode.
void CancelProcessing();
