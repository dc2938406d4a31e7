#pragma once

#include "client/CompanyRecord.h"
#include "client/EFW2SubmitterRecord.h"
#include "client/EmployeeRecord.h"
#include "client/NJStateFileRecord.h"
#include "efw2/EFW2ClientFile.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The New Jersey wage report: the EFW2 lines with an RS (state wage) line after the RW (and RO)
// of every employee who works in New Jersey, and the New Jersey multi-client run.

// The submitter of New Jersey files: the RA fields of the EFW2 submitter, copied when the New
// Jersey screen opens. Its run state (total, marks) stays zero: New Jersey keeps its own.
struct NJSubmitterRecord {
    EFW2SubmitterRecord fields {};
    static NJSubmitterRecord From(const EFW2SubmitterRecord& submitter);
};

// The RA line of a New Jersey file. It is a resubmission only when the resubmission box was set
// and the wage file identifier is not blank.
QByteArray NJSubmitterLine(const NJSubmitterRecord& submitter);

// What the New Jersey screen adds to every RS line of the client.
struct NJStateOptions {
    bool testFile = false;
    bool disabilityPlan = false;
    QString disabilityPlanId;
    bool fliPlan = false;
    QString fliPlanId;
};

// A checked plan box without its plan ID: the ID's field and the message; an empty field when
// both plans are in order (the disability plan is checked first).
struct NJPlanProblem {
    QString field;
    QString message;
};
NJPlanProblem CheckNJPlans(const NJStateOptions& options);

// New Jersey's family leave insurance rate on disability wages, 2026.
inline constexpr double kNJFliRate = 0.0023;

bool WorksInNewJersey(const EmployeeRecord& employee);

// The RS line of the current employee (EmployeeRec) of the company.
QByteArray NJStateLine(const CompanyRecord& company, const NJStateOptions& options);

// The state employer account: the 12 digits of the New Jersey state ID when it holds exactly
// 12, else the EIN's 9 digits and "000".
QByteArray NJEmployerAccount(const CompanyRecord& company);

// RE, then for every employee who gets a Form W-2 his RW, his RO when it holds an amount and his
// RS when he works in New Jersey, then RT (and RU when any RO was written).
EFW2EmployerBlock BuildNJEmployerBlock(const NJStateOptions& options);

// Where the New Jersey run keeps its state and files: its settings in settingsDir (the user's data
// folder), its files in the EFW2 folder of dataDir.
struct NJEFW2RunFiles {
    QString stateFile;             // "Ledgora.NJS"
    QString processedClientsFile;  // "Ledgora.CPS"
    QString efw2Dir;               // ends with "/"
    QString masterFile;            // "W2Report.txt"
};
NJEFW2RunFiles NJRunFiles(const QString& settingsDir, const QString& dataDir);

// "W2" + the company file's name + ".txt" in the folder.
QString NJClientFileName(const QString& efw2Dir, const QString& companyFile);

struct NJEFW2Run {
    NJStateFileRecord state {};
    QList<EFW2ProcessedClient> processed;
    QStringList masterLines;
};

// Loads the run from its files (a missing state file is created holding zeros), after finishing
// or undoing a Process or Reset that was interrupted (the user is told once).
void LoadNJRun(const NJEFW2RunFiles& files, NJEFW2Run& run);

// Writes the open client's complete New Jersey file (RA to RF, made read-only) and, when either
// exclusion mark is set, adds its lines to the master file: its RA only when the submitter is not
// excluded, its RF (counting every RW of the master file) only when the final is not excluded.
// The client file, the state file with the raised total, the processed-clients file and the
// master file are replaced together (SaveRunChange): when any of them fails, none changes and neither does run.
// Creates efw2Dir with any missing parent. Returns the client's RS count, the New Jersey employee
// records written, which the run's total adds up.
int ProcessNJClient(const NJEFW2RunFiles& files, NJEFW2Run& run, const NJSubmitterRecord& submitter,
                    const NJStateOptions& options, const QString& companyName, const QString& companyFile);

// Ends the run: total 0, no final pending, no exclusion; the master and processed-clients files
// deleted together with the state file's change, as one step; the clients' own files kept.
void ResetNJRun(const NJEFW2RunFiles& files, NJEFW2Run& run);
