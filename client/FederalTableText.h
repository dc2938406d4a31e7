#pragma once

#include "client/FederalTaxRecord.h"

#include <QString>

// Reads the federal table from its readable text form, from which the build makes the shipped
// "LEDGORA.FTT". Each line "Name = values" gives one field of FederalTaxRecord by its name: seven
// values, rows 1 to 7, for a withholding column, one for a rate or an amount. Values are plain
// decimal numbers; "#" starts a comment. Every field must appear exactly once. Raises
// EConvertError naming the line of the first fault.
FederalTaxRecord ParseFederalTableText(const QString& text);
