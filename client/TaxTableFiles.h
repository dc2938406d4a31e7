#pragma once

#include "client/CityTaxRecord.h"
#include "client/FederalTaxRecord.h"
#include "client/StateTaxRecord.h"

#include <QString>

// The three tax table files beside the program, shared by every client.

// Reads the federal table into `record`. A missing file is first created holding a zero-filled
// table. A missing or all-zero table would silently compute no federal taxes at all, so the user
// is warned. Unreadable or damaged files raise EInOutError and leave `record` as it was.
void LoadFederalTable(const QString& fileName, FederalTaxRecord& record);

// Overwrites the federal table's record; any bytes after it are kept.
void SaveFederalTable(const QString& fileName, const FederalTaxRecord& record);

// Readies the state table before a client opens it: a missing file is created with one record per
// state of the fixed state list, holding only its code and index; then record 1 is made Alaska's
// with its unemployment and disability wage bases, its other fields kept.
void PrepareStateTable(const QString& fileName);

// Readies the city table before a client opens it: a missing file is created holding the one
// record "NONE"; then record 1 is named "NONE", its other fields kept.
void PrepareCityTable(const QString& fileName);

// The record a new state table holds for state `stateIndex` (1..54).
StateTaxRecord NewStateTaxRecord(int stateIndex);

// Alaska's employee wage bases, set in record 1 of the state table at every opening.
constexpr double kAlaskaUnempMaxWage = 34100;
constexpr double kAlaskaDisbMaxWage = 31300;
