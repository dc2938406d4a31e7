#pragma once

#include "client/EFW2SubmitterRecord.h"
#include "client/NJStateFileRecord.h"

#include <QString>

// The EFW2 module's settings files beside the program, one record each. Loading creates a missing
// file holding one zero-filled record, then reads the record whole; saving overwrites the record
// and keeps any bytes after it. A file that cannot be created, read or written, or that is too
// short for its record, raises EInOutError and leaves the record as it was.

// The most employee records a run may count: the final record's count field holds 9 digits.
// A file holding a total outside 0..kMaxRecordTotal is refused as damaged (EInOutError naming it).
constexpr int kMaxRecordTotal = 999'999'999;

void LoadSubmitterFile(const QString& fileName, EFW2SubmitterRecord& record);
void SaveSubmitterFile(const QString& fileName, const EFW2SubmitterRecord& record);

void LoadNJStateFile(const QString& fileName, NJStateFileRecord& record);
void SaveNJStateFile(const QString& fileName, const NJStateFileRecord& record);

// Reads the submitter file for the New Jersey EFW2 file, which takes its submitter from it. A
// missing file raises EFileNotFoundException; a record without a valid EIN, an 8-character user
// ID, the submitter's name, delivery address and city, the company's state and 5-digit ZIP code,
// a contact name, a valid telephone number and e-mail address and a preparer code raises
// EFieldException. The record is read before it is checked.
void LoadSubmitterForNewJersey(const QString& fileName, EFW2SubmitterRecord& record);

// The run's total raised by a client's records; a total the final record could not count raises
// EFieldException naming the settings file, before anything is written.
int RaisedRecordTotal(int total, int added, const QString& fileName);
