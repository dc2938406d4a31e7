#pragma once

#include "client/RecordFields.h"
#include "platform/RecordText.h"

#include <cstddef>
#include <cstdint>

// The one record of the submitter file "Ledgora.W2S", byte for byte as stored: the fields of the
// EFW2 submitter (RA) line, each as wide as its place on the 512-character line or a little wider,
// then the state of a multi-client file under construction. The EFW2 screen keeps its texts here
// as typed; the line builder pads them to their widths and those padded values are saved too.
struct EFW2SubmitterRecord {
    RecordText<2> RecordId;        // "RA"
    RecordText<10> EIN;            // "99-9999999"; 9 digits on the line
    RecordText<8> UserID;          // the submitter's user ID for the filing service
    RecordText<4> VendorCode;      // blanks
    RecordText<5> Blank1;
    RecordText<1> ResubInd;        // "1" for a resubmission, else "0"
    RecordText<6> ResubID;         // wage file identifier of the resubmitted file
    RecordText<2> SoftwareCode;    // "98"
    RecordText<57> CompanyName;
    RecordText<22> LocationAddr;
    RecordText<22> DeliveryAddr;
    RecordText<22> City;
    RecordText<2> StateCode;
    RecordText<5> ZipCode;
    RecordText<4> ZipCodeExt;
    RecordText<5> Blank2;
    RecordText<23> ForeignState;
    RecordText<15> ForeignZip;
    RecordText<2> CountryCode;
    RecordText<57> SubmitName;
    RecordText<22> SubmitAddr1;    // location address
    RecordText<22> SubmitAddr2;    // delivery address
    RecordText<22> SubmitCity;
    RecordText<2> SubmitState;
    RecordText<5> SubmitZip;
    RecordText<4> SubmitZipExt;
    RecordText<5> Blank3;
    RecordText<23> SubmitFSP;      // foreign state or province
    RecordText<15> SubmitFPC;      // foreign postal code
    RecordText<2> SubmitCC;        // country code
    RecordText<27> ContactName;
    RecordText<15> ContactPhone;   // "999-999-9999"; digits on the line
    RecordText<5> ContactExt;
    RecordText<3> Blank4;
    RecordText<40> ContactEmail;
    RecordText<3> Blank5;
    RecordText<12> ContactFax;     // "999-999-9999"; 10 digits on the line
    RecordText<1> Blank6;
    RecordText<1> PreparerCode;    // one capital letter
    RecordText<12> Blank7;
    std::uint8_t filler555[1];

    std::int32_t TotalRecords;     // employee records written, for all clients, into the file under construction
    RecordBool ExcludeSubmitter;   // write no submitter line for this client
    RecordBool ExcludeFinal;       // write no final line for this client
    RecordBool FinalPending;       // the next client processed is the last; its final line carries TotalRecords
    std::uint8_t filler563[1];
};
static_assert(sizeof(EFW2SubmitterRecord) == 564);
static_assert(offsetof(EFW2SubmitterRecord, EIN) == 3);
static_assert(offsetof(EFW2SubmitterRecord, UserID) == 14);
static_assert(offsetof(EFW2SubmitterRecord, VendorCode) == 23);
static_assert(offsetof(EFW2SubmitterRecord, Blank1) == 28);
static_assert(offsetof(EFW2SubmitterRecord, ResubInd) == 34);
static_assert(offsetof(EFW2SubmitterRecord, ResubID) == 36);
static_assert(offsetof(EFW2SubmitterRecord, SoftwareCode) == 43);
static_assert(offsetof(EFW2SubmitterRecord, CompanyName) == 46);
static_assert(offsetof(EFW2SubmitterRecord, LocationAddr) == 104);
static_assert(offsetof(EFW2SubmitterRecord, DeliveryAddr) == 127);
static_assert(offsetof(EFW2SubmitterRecord, City) == 150);
static_assert(offsetof(EFW2SubmitterRecord, StateCode) == 173);
static_assert(offsetof(EFW2SubmitterRecord, ZipCode) == 176);
static_assert(offsetof(EFW2SubmitterRecord, ZipCodeExt) == 182);
static_assert(offsetof(EFW2SubmitterRecord, Blank2) == 187);
static_assert(offsetof(EFW2SubmitterRecord, ForeignState) == 193);
static_assert(offsetof(EFW2SubmitterRecord, ForeignZip) == 217);
static_assert(offsetof(EFW2SubmitterRecord, CountryCode) == 233);
static_assert(offsetof(EFW2SubmitterRecord, SubmitName) == 236);
static_assert(offsetof(EFW2SubmitterRecord, SubmitAddr1) == 294);
static_assert(offsetof(EFW2SubmitterRecord, SubmitAddr2) == 317);
static_assert(offsetof(EFW2SubmitterRecord, SubmitCity) == 340);
static_assert(offsetof(EFW2SubmitterRecord, SubmitState) == 363);
static_assert(offsetof(EFW2SubmitterRecord, SubmitZip) == 366);
static_assert(offsetof(EFW2SubmitterRecord, SubmitZipExt) == 372);
static_assert(offsetof(EFW2SubmitterRecord, Blank3) == 377);
static_assert(offsetof(EFW2SubmitterRecord, SubmitFSP) == 383);
static_assert(offsetof(EFW2SubmitterRecord, SubmitFPC) == 407);
static_assert(offsetof(EFW2SubmitterRecord, SubmitCC) == 423);
static_assert(offsetof(EFW2SubmitterRecord, ContactName) == 426);
static_assert(offsetof(EFW2SubmitterRecord, ContactPhone) == 454);
static_assert(offsetof(EFW2SubmitterRecord, ContactExt) == 470);
static_assert(offsetof(EFW2SubmitterRecord, Blank4) == 476);
static_assert(offsetof(EFW2SubmitterRecord, ContactEmail) == 480);
static_assert(offsetof(EFW2SubmitterRecord, Blank5) == 521);
static_assert(offsetof(EFW2SubmitterRecord, ContactFax) == 525);
static_assert(offsetof(EFW2SubmitterRecord, Blank6) == 538);
static_assert(offsetof(EFW2SubmitterRecord, PreparerCode) == 540);
static_assert(offsetof(EFW2SubmitterRecord, Blank7) == 542);
static_assert(offsetof(EFW2SubmitterRecord, filler555) == 555);
static_assert(offsetof(EFW2SubmitterRecord, TotalRecords) == 556);
static_assert(offsetof(EFW2SubmitterRecord, ExcludeSubmitter) == 560);
static_assert(offsetof(EFW2SubmitterRecord, ExcludeFinal) == 561);
static_assert(offsetof(EFW2SubmitterRecord, FinalPending) == 562);
static_assert(offsetof(EFW2SubmitterRecord, filler563) == 563);
