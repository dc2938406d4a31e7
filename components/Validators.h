#pragma once

#include <QString>

// Checks of the identifiers the screens accept. None of them raises: a malformed text is simply
// invalid. Except for IsValidEmail, the length is taken with blanks and control characters
// removed from both ends while each character is looked at where it stands, so blanks after the
// identifier are accepted and blanks in front of it are not.
bool IsValidSSN(const QString& text);
bool IsValidEIN(const QString& text);
bool IsValidZip(const QString& text);
bool IsZipPlus4(const QString& text);
bool IsValidPhone(const QString& text);
bool IsValidRoutingNumber(const QString& text);
// A routing number the IRS takes for a refund or a payment from the company's account: a valid
// routing number whose first two digits are 01 through 12 or 21 through 32 (the IRS refuses the
// government, electronic and traveler's check ranges).
bool IsValidIrsRoutingNumber(const QString& text);
bool IsValidPTIN(const QString& text);
bool IsValidEmail(const QString& text);

// How the e-mail pattern ends on a text; IsValidEmail accepts only Valid. The matcher gives up at
// a fixed limit of steps, so no text, however it is built, holds it up; a text it gives up on is
// not accepted.
enum class EmailMatch { Valid, Invalid, GaveUp };
EmailMatch MatchEmail(const QString& text);

// "***-**-" and the serial of a valid Social Security number, empty otherwise.
QString MaskSSN(const QString& ssn);
// A Social Security number kept as a number, written NNN-NN-NNNN; empty when that is not valid.
QString FloatToSSN(double value);

// The two-digit prefixes no employer identification number may have.
inline constexpr const char* InvalidEINPrefixes[] = {
    "00", "07", "08", "09", "17", "18", "19", "28", "29", "49", "69", "70", "78", "79", "89",
};
