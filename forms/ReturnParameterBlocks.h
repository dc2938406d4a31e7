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

// The routing and account numbers of an electronic payment or refund: when the company pays its
// balances electronically, the overpayment is not to be applied to the next return and there is
// a balance due or an overpayment above 0.99.
void AddBankDataParams(FormParams& params, const CompanyRecord& company, bool applyToNextReturn, double balanceDue,
                       double overpayment);

// The third-party designee, or the "No" box.
void AddDesigneeParams(FormParams& params, const CompanyRecord& company);

// The signer: on the filing copy the name and title, the name as signature when the company signs
// its forms, and the company's telephone beside a named signer; the print date on every copy.
void AddSignerParams(FormParams& params, const CompanyRecord& company, bool filingCopy, const QString& printDateText);

// The paid preparer on the filing copy unless the user left him off or no firm is set up, then
// the preparer's date: today when the preparer dates his forms, else the print date.
void AddPreparerParams(FormParams& params, const PreparerRecord& preparer, bool noPrintPrepInfo, bool filingCopy,
                       const QString& printDateText, const QDate& today);
