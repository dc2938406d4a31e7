#pragma once

#include "client/CityTaxRecord.h"
#include "client/CompanyRecord.h"
#include "client/EFW2SubmitterRecord.h"
#include "client/EmployeeRecord.h"
#include "client/FederalTaxRecord.h"
#include "client/NJStateFileRecord.h"
#include "client/PreparerRecord.h"
#include "client/StateTaxRecord.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

class Registry;

// The state the whole program shares while it runs. Every record type has exactly one in-memory
// instance: screens and computations change only that instance and post the record set to keep
// a change. Everything runs on the user-interface thread, so nothing here is locked.

// Record buffers.
extern CompanyRecord CompanyRec;            // the open client's company record
extern EmployeeRecord EmployeeRec;          // the current employee: the record RSEmployee read last
extern FederalTaxRecord FederalTaxRec;      // loaded at start-up
extern StateTaxRecord StateTaxRec;          // the state record RSState read last
extern CityTaxRecord CityTaxRec;            // the city record RSCity read last
extern PreparerRecord PreparerRec;          // loaded at start-up
extern EFW2SubmitterRecord EFW2SubmitterRec;
extern NJStateFileRecord NJStateFileRec;

// File names and folders; folders end with "/". The program's own folder, the user's data folder
// and the user's Documents folder are ProgramDir(), UserDataDir() and DocumentsDir() of the
// platform layer.
extern QString CurFileName;                 // the open client's employee file (".P26"); empty when none
extern QString CompanyFileName;             // CurFileName with the extension ".C26"
extern QString DataDir;                     // default folder of client files
extern QString BackupDir;
extern QString QuarterlyDataDir;
extern QString TemplateFileName;            // the template client file
extern QString FederalTableFileName;
extern QString StateTableFileName;          // the file of RSState
extern QString CityTableFileName;           // the file of RSCity
extern QString W2SubmitterFileName;
extern QString ReopenFileName;              // client to open again after a change of visual style

// Configuration and objects.
extern QString RegistryRoot;                // every settings key is RegistryRoot + sub-key
extern std::unique_ptr<Registry> AppRegistry;
extern QStringList MRUList;                 // the recent client files, most recent first
extern QStringList EFW2MasterList;
extern QStringList NJEFW2MasterList;
extern QString FederalTaxPaymentURL;
extern QString StateTaxPaymentURL;
extern QString ActiveStyleName;
extern std::int32_t ScalingPercent;         // 85..100
extern QString CompanyCityStateZip;         // the company's last address line, rebuilt at every read

// Counters and flags that pass choices between windows.
extern std::int32_t EmployeeCount;          // set from GetEmployeeCount before every loop over the employees
extern std::int32_t PriorPayPeriodIndex;    // slot 1..65 shown by the prior pay period screens
extern std::int32_t W2W3VisitCount;         // visits of the W-2 and W-3 screens since the client was opened, up to 2
extern bool FileIsOpen;
extern bool SkipPasswordPrompt;             // set around the program's own re-openings of a client
extern bool RebuildRecIndex;                // the employee name index is stale
extern bool RecIndexLastNameFirst;
extern bool RecListChosen;                  // the last employee list window ended with a choice
extern bool ManualEntryModified;
extern bool BackupCompleted;
extern bool OpenTaxPaymentSetup;
extern bool W4FromNewEmployee;
extern bool W4Processed;
extern bool PPPOtherFromManual;
extern bool FilingCopyDefault;              // "Filing Copy for IRS"
extern bool MaskSSNOnCopies;
extern bool W3TotalsComputed;
extern bool NoPrintPrepInfo;
extern std::uint8_t W2CopyType;             // 0 Employee Copy, 1 Employer Copy, 2 State Filing Copy, 3 SSA Laser Copy
extern std::uint8_t ReportKind;             // which report the report windows run
extern QString ReportDateText;
extern QString ReportPeriodText;
extern QString CustomReportName;
extern QString TaxFormPrintDateText;

// One entry of the employee name index: the name as listed and the position of the employee's
// record counted from 0 (record number minus 1).
constexpr int kRecIndexNameLength = 57;
struct RecIndexData {
    QString Name;
    std::int32_t Index = 0;
};
extern std::vector<RecIndexData> RecIndex;  // sorted by name

// The data folder, its backup and quarterly folders and the names of the program's files, from
// the program's folder, the user's data folder (ProgramWideFiles) and the user's Documents folder.
void InitClientFileNames();
// The report project of the printed forms, "TAXFORMS.RAV" beside the program.
QString ReportProjectFileName();

// Returns every global to the state the program has once start-up has set its defaults: records
// zeroed, no client open, the folder and file names filled, RecIndexLastNameFirst and
// FilingCopyDefault set, scaling at 100, the user's data folder prepared (PrepareProgramWideFiles).
// Tests start from here.
void ResetClientState();
