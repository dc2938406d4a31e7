#pragma once

#include "client/CompanyRecord.h"
#include "client/PreparerRecord.h"
#include "forms/Form944Return.h"
#include "forms/FormParams.h"
#include "forms/ReturnPrintChoices.h"

// The parameters of the layout "Form944" from the return as the screen shows it.
FormParams Form944Params(const Form944Return& form, const CompanyRecord& company, const PreparerRecord& preparer,
                         const ReturnPrintChoices& choices);

// A balance due of a dollar or more that is not paid electronically goes with the voucher.
bool Form944NeedsVoucher(const Form944Return& form, const CompanyRecord& company);
// The parameters of the layout "Form944V"; cityStateZip is the company's last address line.
FormParams Form944VoucherParams(const Form944Return& form, const CompanyRecord& company, const QString& cityStateZip,
                                bool filingCopy);
