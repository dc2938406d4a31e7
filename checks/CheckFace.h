#pragma once

#include "checks/CheckLayout.h"

#include <QString>

class ReportCanvas;
class ReportProject;
struct CompanyRecord;

// What the face of one check says.
struct CheckFace {
    QString Payee;              // upper case
    QString AddressLine;        // upper case
    QString CityStateZip;       // upper case
    QString ZipCode;            // a ZIP+4 code gets a POSTNET bar code under the address
    QString Date;
    double NetPay = 0.0;
    int CheckNumber = 0;
    bool Advice = false;        // a direct-deposit advice, not a check
    QString DepositAccount;     // the advice's account
};

// The amount in words of a check: "***" + the words + " DOLLARS" on blank stock + "***", upper case.
QString CheckAmountWords(double netPay, bool blankStock);
// An amount as checks print it: "***" + ",0.00".
QString CheckAmountFigure(double amount);

// A check, or advice, that cannot be cashed: a direct-deposit advice or a net pay of 0.00 or
// less. Its amount and words are void texts and it carries no MICR line.
bool IsVoidCheck(const CheckFace& face);

// Draws the face at the positions given: payee (pre-printed stock only), name and address with the
// bar code, date, amount and amount in words, each where its position is set; the names, the
// address and the amount in words shrink to fit their lines.
void DrawCheckFace(ReportCanvas& report, const CheckPositions& positions, const CheckFace& face, bool blankStock);

// Blank stock: the check artwork of the report project (open, its engine drawing on report), the
// check number, the company and bank blocks, the advice lines or the MICR line.
void DrawBlankStockBlocks(ReportCanvas& report, ReportProject& project, const CompanyRecord& company,
                          const CheckFace& face);

// The MICR line of a check at checkPos, in E-13B.
void DrawMicrLine(ReportCanvas& report, const MicrLine& line, int checkPos);
