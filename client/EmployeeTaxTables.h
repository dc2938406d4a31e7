#pragma once

// Reads the state tax record of the current employee's work state (WorkStateIndex) into
// StateTaxRec. A work state that the state table does not hold raises ECustomException naming
// the employee: taxing with whatever state record was read before would withhold another state's
// tax.
void GotoEmployeeState();

// Reads the city tax record of the current employee's work city (CityIndex) into CityTaxRec,
// refusing a city the city table does not hold in the same way.
void GotoEmployeeCity();

// Both copy a record read before, rather than read it again, while its table has not changed
// since (TRecordSet::ContentVersion); a table opened browse-only is read every time.
