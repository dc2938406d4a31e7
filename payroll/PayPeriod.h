#pragma once

#include <QString>
#include <functional>
#include <optional>

// The pay period dialog's fields: the period's dates, the pay date, the starting check number and
// the pay frequency to process. The dialog binds its controls to this; the rules below move it to
// and from the company record and decide whether a period may be opened.
struct PayPeriodForm {
    QString PayDateFrom;
    QString PayDateTo;
    QString PayDate;
    QString StartChkNum;
    int ProcessFrequency = -1;  // the checked frequency: 0 all, 1 weekly .. 4 monthly; -1 none checked
};

// The blank date of a closed pay period.
inline constexpr const char* kBlankDate = "  /  /    ";

// The company record's period, as the dialog shows it when it opens. A stored frequency outside
// 0..4 checks no frequency.
PayPeriodForm LoadPayPeriodForm();

// Stores the fields into the company record in memory: dates as typed (at most 10 characters),
// the check number read as an integer (empty is 0), the frequency unless none is checked.
void SavePayPeriodForm(const PayPeriodForm& form);

// The field a refused period points the user at.
enum class PayPeriodField { PayDateFrom, PayDateTo, PayDate, StartChkNum };

struct PayPeriodProblem {
    PayPeriodField Field;
    QString Message;  // "~" marks the line breaks
};

// The first rule the fields break, in the order the user is told about them; none when the period
// may be opened. Reads CompanyRec.GenerateChk.
std::optional<PayPeriodProblem> CheckPayPeriodForm(const PayPeriodForm& form);

// The new pay date in the company record starts a month other than the last posted one, and month
// totals could still be open (closeMonthEnabled: the Close Month command is available).
bool PayDateStartsNewMonth(bool closeMonthEnabled);
// The new pay date lies outside the quarter of the postings since the last Close Quarter.
bool PayDateStartsNewQuarter(bool closeQuarterEnabled);

// The dialog's Process: checks the fields (on a problem, calls focus with its field and raises
// EFieldException with the message, storing nothing), stores them in the company record, then asks
// whether to go on when the pay date starts a new month or a new quarter while totals of the old
// one are open. True when the dialog may close; false when the user chose not to go on, with the
// fields already stored so that Close Month or Close Quarter can run before Process is pressed again.
bool ProcessPayPeriod(const PayPeriodForm& form, bool closeMonthEnabled, bool closeQuarterEnabled,
                      const std::function<void(PayPeriodField)>& focus);

// The dialog's Cancel: no pay period stays open (the pay date becomes blank in form and company
// record), while the dates and check number typed are kept for next time.
void CancelPayPeriod(PayPeriodForm& form);

// The starting check number field's "+" and "-" keys: one up, or one down but never below 0.
// Text that is not a number counts as 0.
QString StepStartingCheckNumber(const QString& text, int step);

// The Pay Period command: the periodic update check, then (refused in browse-only mode) the pay
// period dialog, then the processing commands follow the company record.
void PayPeriodCommand();
