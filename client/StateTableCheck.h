#pragma once

#include "client/StateTaxRecord.h"

#include <QString>
#include <QStringList>
#include <vector>

// A state table file starts without withholding rows, and an empty table withholds nothing
// without a word: the checks below tell the user which work states still need their table.

// The states that levy no income tax on wages: their empty table is right as it is.
bool StateTaxesWages(const QString& code);

// Whether the table holds a single or married withholding row (an upper bound or a rate).
bool HasWithholdingRows(const StateTaxRecord& table);

// A work state and its table as the state table file holds it.
struct WorkStateTable {
    QString code;
    StateTaxRecord table {};
};

// The codes of the work states whose wages are taxed but whose table has no withholding row,
// each once in the order given, leaving out those in alreadyReported.
QStringList StatesLackingTables(const std::vector<WorkStateTable>& workStates, const QStringList& alreadyReported);

// What the user is told about those states ("~" is a line break): their names, what follows and
// where the tables are entered.
QString StatesLackingTablesMessage(const QStringList& codes);

// The warnings, through AppMessageBox, over the open client's employees and its state table.
// A pay run's reports each state once: a state reported by automatic processing is not reported
// again by manual entry's Process in the same pay run (the open client and its pay date).

// Every employee the open pay period pays (automatic processing).
void WarnOfStateTablesForPayRun();
// The current employee (manual entry's Process).
void WarnOfStateTableForCurrentEmployee();
// Every employee of the client, at every call (the company screen).
void WarnOfStateTablesForClient();

// Forgets the states reported in the pay run; for ResetClientState.
void ResetStateTableWarnings();
