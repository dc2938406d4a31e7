#pragma once

#include "client/CompanyRecord.h"

#include <QString>

// Blank check stock with the company's check generator: one check at the top of each sheet, its
// number before the routing number, a stub below, drawn on a test bank. The record is not posted.
inline void UseBlankCheckStock(CompanyRecord& c)
{
    c.GenerateChk = true;
    c.CheckPos = 0;
    c.ChkNumPos = 1;
    c.PrintStub = true;
    c.BankName = QStringLiteral("First Test Bank");
    c.BankRtn = QStringLiteral("031300012");
    c.AccountNum = QStringLiteral("1234567890");
}
