#pragma once

#include "client/RecordFields.h"
#include "platform/RecordText.h"

#include <QString>

class Registry;

// The paid preparer printed on Forms 940, 941 and 944. It lives only in memory and in the
// registry key RegistryRoot + "Preparer", one value per field named after it.
struct PreparerRecord {
    RecordText<45> PrepName;       // also printed as the signature
    RecordText<45> FirmName;
    RecordText<30> Address;
    RecordText<20> City;
    RecordText<2> State;
    RecordText<10> ZipCode;
    RecordText<12> Phone;
    RecordBool SelfEmployed;
    RecordText<10> EIN;            // "99-9999999"
    RecordText<9> PTIN;
    RecordBool PrintDate;          // print the date beside the signature
    RecordBool SignForm;           // print the preparer's name as the signature
};

// The registry key of the preparer below the program's registry root (which ends in "\").
QString PreparerKey(const QString& registryRoot);

// Reads the preparer's values into `record`, each text cut to its field. When the key does not
// exist the record stays as it is. A missing text reads as empty and a missing switch as off, so
// a key written in part never stops the program. A value that is not a number where a switch
// belongs raises ERegistryException and leaves `record` as it was.
void LoadPreparer(Registry& registry, const QString& registryRoot, PreparerRecord& record);

// Writes all twelve values, creating the key when needed.
void SavePreparer(Registry& registry, const QString& registryRoot, const PreparerRecord& record);
