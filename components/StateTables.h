#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

// The program's state numbering: a state is stored everywhere as its position in StateCodes
// plus 1. The order is by code, with DC, GU, PR and VI among the states.
inline constexpr int StateCount = 54;
extern const std::array<const char*, StateCount> StateCodes;
extern const std::array<const char*, StateCount> StateNames;

// Position, counted from 0, of the code ignoring the case of A to Z; StateCount when unknown.
quint8 StateCodeIndex(const QString& code);
// The state's full name, empty for an unknown code.
QString StateNameOf(const QString& code);
