#pragma once

#include "payroll/W2Recipients.h"

#include <QString>
#include <functional>
#include <vector>

// Posting closes the computed pay run of the open client: it copies both client files into the
// Backup folder, writes the direct-deposit file, accumulates the dated tax liabilities into the
// company record, stores every employee's period in the pay history and adds it into the month-,
// quarter- and year-to-date columns, moves the period dates on, clears the current columns and
// reminds the user of a possible month or quarter end.
//
// Posting is all or nothing: from the first change to the last, a journal beside the client
// (PostingJournal.h) marks the client as not posted. A failure on the way puts both files back
// from the Backup copies at once; a program that stops while posting leaves the journal, and the
// next opening of the client puts them back.

// The posting command. A browse-only client is refused with "Function is not executable in
// browse mode.", and a client with no open pay period is refused too; the user confirms first.
// Failures raise an exception whose message says what failed and that nothing was posted.
void PostPayroll();

// The confirmation: true to post. The main window's Posting sets it to the posting dialog with its
// backup offer; while unset, the command asks through the message box.
extern std::function<bool()> PostingConfirmation;

// Called after each employee has been posted, with the number posted so far; tests use it to
// stop a posting half-way.
extern std::function<void(int employeesPosted)> AfterEmployeePosted;

// Steps of posting, each on the global records.

// Moves every employee's period hours into the hours-paid groups, posts each employee, and adds
// the period's liabilities into the company record: FUTA into the Form 940 quarter and its total,
// Social Security, Medicare and income tax into the Schedule B cell of the pay date with the month
// and quarter totals and into the year's total of the pay date's month; sets the current quarter and its end. The company record is not posted.
void PostTaxLiabilities();

// For a current employee who works in New Jersey, adds the period's state income tax to the
// company's New Jersey total of the pay date's month 1..12; and, when the employee has gross pay,
// counts the employee as a covered worker of each month whose 12th lies in the open pay period,
// once per month.
void AddNewJerseyMonthTotals(int month);

// When the current employee has pay (wages or tips), counts him, whatever his work state, among the
// employees paid for a pay period including the 12th of the last month of each quarter whose such
// 12th lies in the open pay period, once per quarter (Form 941 line 1).
void AddPaidForThe12th();

// Counts the current employee's unemployment base weeks of the period: the weekly share of gross
// pay (tips always included) against the work state's base wages. Reads the state table only for
// an employee with pay.
void AddBaseWeeks();

// Refills the current employee's Form W-2 box 12 from the year-to-date amounts: every retirement
// plan with deferrals (D, E, F, G, S), group-term life (C), third-party sick pay (J), tips (TP)
// and qualified overtime (TT), in that order; sets the box 13 retirement plan and third-party sick
// pay marks where they apply. The codes fill entries 1..5; more go into entries from 6 on that are
// empty or hold the same code, never over a typed one. A code whose amount is 0.00 is not stored,
// and an entry from 6 on that holds it goes. Returns the codes that found no entry.
std::vector<Box12Amount> RebuildW2Box12();

// Days the period dates move on after posting, by the company's processed frequency.
int PeriodDays(int processFrequency);

// The quarter 1..4 and the month of the quarter 1..3 of a month 1..12.
int QuarterOfMonth(int month);
int MonthOfQuarter(int month);

// The message reminding of a possible month or quarter end after posting a pay date; empty when
// none is due.
QString ReminderText(int iMonth, int iDay);
// Shows that reminder, when one is due.
void ShowReminder(int iMonth, int iDay);
