#pragma once

#include "client/CompanyRecord.h"
#include "client/PreparerRecord.h"
#include "forms/FormParams.h"
#include "forms/ReturnPrintChoices.h"

#include <QRectF>
#include <optional>

// The parameters of the layout "Form941". chosenQuarter: the quarter the user chose for a return
// without employees (only that quarter is marked then); none when the return is the payroll's own.
FormParams Form941Params(const CompanyRecord& company, const PreparerRecord& preparer, const ReturnPrintChoices& choices,
                         std::optional<int> chosenQuarter);

// A balance due of a dollar or more that is not paid electronically goes with the voucher.
bool Form941NeedsVoucher(const CompanyRecord& company);
// The parameters of the layout "Form941V"; cityStateZip is the company's last address line.
FormParams Form941VoucherParams(const CompanyRecord& company, const QString& cityStateZip, bool filingCopy);
// The voucher's circle of the quarter (1..4), in inches from the page's top left; none for 0.
std::optional<QRectF> Form941VoucherQuarterCircle(int quarter);

// The balance's whole dollars and cents as the vouchers print them in their two boxes.
QString VoucherDollars(double balanceDue);
QString VoucherCents(double balanceDue);
// The street line of a voucher: the address with its suite.
QString VoucherAddress(const CompanyRecord& company);
