#pragma once

#include "client/CompanyRecord.h"
#include "client/PreparerRecord.h"

#include <QDate>
#include <QString>

class FormParams;

// The blocks that Forms 940, 941 and 944 print alike, each added to a return's layout parameters.
// A parameter left out prints nothing.

// The employer at the top of a return: EIN boxes, name, trade name and the domestic or foreign
// address.
void AddCompanyParams(FormParams& params, const CompanyRecord& company);

// The lines of a refund by direct deposit (Form 941 lines 15c-15e, Form 944 lines 12c-12e, the
// account lines of Form 940): they are filled only when an overpayment is to be refunded, then
// with the company's bank account, and left empty otherwise, however the company pays.
bool RefundsByDirectDeposit(bool sendRefund, double overpayment);
void AddRefundAccountParams(FormParams& params, const CompanyRecord& company, bool sendRefund, double overpayment);

// The names of a return's refund lines, as its messages say them.
struct RefundLines {
    QString routing;
    QString accountType;
    QString account;
};
// What stops a return whose overpayment is to be refunded: a routing number the IRS does not take
// (IsValidIrsRoutingNumber), a missing account number or account type. The message names the line
// and where the account is entered; empty when nothing is missing or no refund is asked for.
QString RefundAccountProblem(const CompanyRecord& company, bool sendRefund, double overpayment, const RefundLines& lines);

// The third-party designee, or the "No" box.
void AddDesigneeParams(FormParams& params, const CompanyRecord& company);

// The signer: on the filing copy the name and title, the name as signature when the company signs
// its forms, and the company's telephone beside a named signer; the print date on every copy.
void AddSignerParams(FormParams& params, const CompanyRecord& company, bool filingCopy, const QString& printDateText);

// The paid preparer on the filing copy unless the user left him off or no firm is set up, with
// his date: today when the preparer dates his forms, else the print date. Without him, nothing.
void AddPreparerParams(FormParams& params, const PreparerRecord& preparer, bool noPrintPrepInfo, bool filingCopy,
                       const QString& printDateText, const QDate& today);
