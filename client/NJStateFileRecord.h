#pragma once

#include "client/RecordFields.h"

#include <cstddef>
#include <cstdint>

// The one record of the New Jersey settings file "Ledgora.NJS": the state of a New Jersey
// multi-client file under construction.
struct NJStateFileRecord {
    RecordBool TestFile;           // the New Jersey file to be created is a test file
    std::uint8_t filler1[3];
    std::int32_t TotalRecords;     // New Jersey employee records written for all clients so far
    RecordBool ExcludeSubmitter;   // write no submitter line for this client
    RecordBool ExcludeFinal;       // write no final line for this client
    RecordBool FinalPending;       // the last client has been declared
    std::uint8_t filler11[1];
};
static_assert(sizeof(NJStateFileRecord) == 12);
static_assert(offsetof(NJStateFileRecord, filler1) == 1);
static_assert(offsetof(NJStateFileRecord, TotalRecords) == 4);
static_assert(offsetof(NJStateFileRecord, ExcludeSubmitter) == 8);
static_assert(offsetof(NJStateFileRecord, ExcludeFinal) == 9);
static_assert(offsetof(NJStateFileRecord, FinalPending) == 10);
static_assert(offsetof(NJStateFileRecord, filler11) == 11);
