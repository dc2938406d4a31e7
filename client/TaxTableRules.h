#pragma once

#include "client/CityTaxRecord.h"
#include "client/StateTaxRecord.h"

#include <QString>

// The rules of the state and city withholding tables that their screens apply: filling the tax
// amounts from the rows before, and what a table must hold once the user starts filling it.
// "Entry" means a value above 0, "empty" anything else.

// The upper bound that means "no upper limit".
inline constexpr double kNoUpperLimit = 999999999999.0;

// Fills the tax amount of each row in use after the first from the row before it:
// (but-not-over - over) x rate / 100 + amount. A row whose upper bound is the no-limit value ends
// the table; a row not in use (no over, but-not-over or rate) keeps its amount, so an unused row
// stays empty.
void CalculateTaxAmounts(StateTaxRecord& record);
void CalculateTaxAmounts(CityTaxRecord& record);

// Whether the tables, and the unemployment and disability pairs (state) or the name (city), hold.
bool StateTablesValid(const StateTaxRecord& record);
bool CityTablesValid(const CityTaxRecord& record);

// The messages that explain the rules when a table is refused ("~" is a line break).
extern const char* const kStateTableRules;
extern const char* const kCityTableRules;
