#pragma once

#include "client/CompanyRecord.h"
#include "client/EmployeeRecord.h"
#include "forms/FormParams.h"

#include <QString>

#include <optional>

// Form W-3, the transmittal of the Forms W-2: its totals are the sums of the W-2s the program
// prints, so only the employees who get a W-2 count, each amount to the cent as its W-2 shows it.

inline const QString kFormW3Layout = QStringLiteral("FormW3");

// Box b marks of CompanyRecord.FW3ChkMark: one kind of payer, one kind of employer, and the
// third-party sick pay mark on its own.
inline constexpr int kFirstKindOfPayer = 1;
inline constexpr int kLastKindOfPayer = 7;
inline constexpr int kFirstKindOfEmployer = 8;
inline constexpr int kLastKindOfEmployer = 12;
inline constexpr int kThirdPartySickPayMark = 13;
// Box 12a of FW3Amount.
inline constexpr int kW3Box12a = 12;

// Box 15: the one state every W-2 reports, or "X" with no state ID when they report several.
struct W3StateBox {
    bool oneState = false;
    QString code;      // the state's code, or "X"
    QString stateId;   // the company's ID in that state; empty for "X"
};

// True for the box 12 codes the W-3 adds up in its box 12a (the deferred compensation codes).
bool IsW3Box12aCode(const QString& code);

// The W-3 totals of boxes 1 to 8, 10, 11, 12a, 14 and 16 to 19 from the employees of the open
// client who get a W-2, written into the company's W-3 block; a positive Social Security tax on
// third-party sick pay checks box b's sick pay mark. Leaves the current employee current.
W3StateBox CalcW3Totals(CompanyRecord& company);

enum class W3Check { KindOfPayer, KindOfEmployer, Contact };
struct W3Problem {
    W3Check check;
    QString message;
};
// The first of the W-3's checks that fails: a kind of payer, a kind of employer, a contact person.
std::optional<W3Problem> CheckW3(const CompanyRecord& company);

// The parameters of the layout "FormW3". formsW2 is box c.
FormParams W3Params(const CompanyRecord& company, int formsW2, const W3StateBox& box15, bool filingCopy,
                    const QString& printDateText);
