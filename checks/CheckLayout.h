#pragma once

#include <QString>

#include <vector>

struct CompanyRecord;

// Where the texts of a check go, in inches: x from the paper's left edge, y the text line from
// its top edge. A position with either value 0 is not set and prints nothing.
struct CheckPosition {
    double x = 0.0;
    double y = 0.0;
    bool IsSet() const { return x > 0.0 && y > 0.0; }
};

struct CheckPositions {
    CheckPosition Payee;        // pre-printed stock only
    CheckPosition Name;         // the employee's name above the address
    CheckPosition Address;
    CheckPosition Date;
    CheckPosition Amount;
    CheckPosition AmountText;
    bool PrintStub = false;
    CheckPosition Stub;
};

// The positions the user stored for pre-printed stock.
CheckPositions StoredCheckPositions(const CompanyRecord& company);
// The fixed positions of a check on blank stock at checkPos (0 top, 1 middle, 2 bottom).
CheckPositions BlankStockPositions(int checkPos, bool printStub);

// Every blank-stock check is 3.5 in high.
inline constexpr double kCheckHeight = 3.5;

// The check's top edge, from which the texts of a blank-stock check are placed: 0 and 3.5 in for
// the top and middle checks; a bottom check ends at the sheet's edge, so it begins 7.5 in down.
// Anything but 1 and 2 is the top.
double CheckOffset(int checkPos);
// The report project's artwork for a check at checkPos.
QString CheckLayoutName(int checkPos);

// The MICR line of a blank-stock check, E-13B at 1/8 in a character. Positions are counted from
// the check's right edge (x 8.5): position 1 ends 5/16 in from it, each further one 1/8 in to the
// left. The transit symbol stands at position 43, so the line starts at x 2.8125; a check number
// printed before the routing number ends at position 45 (x 2.6875); nothing may print right of
// position 14 (x 6.5625), which is the amount field a bank encodes later.
inline constexpr double kMicrLineStart = 2.8125;
inline constexpr double kMicrNumberEnd = 2.6875;
inline constexpr double kMicrRightLimit = 6.5625;
inline constexpr int kMicrNumberBefore = 1;     // ChkNumPos: the check number before the routing number

// The check's bottom edge: 3.5, 7 and 11 in (the sheet's edge).
double CheckBottomEdge(int checkPos);

// Where the sheet is cut to free a check at checkPos: its edges that lie inside the sheet.
std::vector<double> CheckCutLines(int checkPos);

// The MICR line's baseline sits 1/4 in above the check's bottom edge, centred in the band 3/16 to
// 7/16 in above it that readers scan, so a bottom check's line lies 1/4 in above the sheet's edge.
double MicrBaseline(int checkPos);

struct MicrLine {
    QString Number;     // "o" + check number + "o", ending at kMicrNumberEnd; empty when it follows the account
    QString Main;       // from kMicrLineStart
};

// "t" + routing + "t " + account + "o", then with the number after it " " + the check number.
MicrLine ComposeMicrLine(const QString& routing, const QString& account, int checkNumber, int chkNumPos);

// The longest account number that leaves room for a six-digit check number after it.
inline constexpr int kMaxAccountWithNumberAfter = 10;
