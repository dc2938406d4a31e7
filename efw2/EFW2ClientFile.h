#pragma once

#include "client/EFW2SubmitterRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The EFW2 lines of the open client and the multi-client run they may join.

// The employer's part of the file: RE, then RW (and RO when it holds an amount) for every employee
// who gets a Form W-2, in employee-file order, then RT (and RU when any RO was written).
struct EFW2EmployerBlock {
    QList<QByteArray> lines;
    int wageRecords = 0;
    int stateRecords = 0;   // RS lines, written in the New Jersey file only
};

// Walks the open client's employees; the current employee stays current. addStateLines adds what a
// state's run puts after each employee's RW and RO. Every RW and the RT are first checked as the
// SSA checks them: with any refusal, EEFW2RefusedException lists them all.
EFW2EmployerBlock BuildEmployerBlock(const std::function<void(QList<QByteArray>& lines)>& addStateLines = {});

// The open client's employees who get a Form W-2, each of whom gets an RW line. With none,
// CheckHasW2Employees raises ENoEmployeesException.
int CountW2Employees();
void CheckHasW2Employees();

// Each line followed by carriage return and line feed, the last one too.
QByteArray JoinEFW2Lines(const QStringList& lines);

// A file of the run (settings, processed clients, multi-client file) whole; empty when it is
// missing. Anything but a regular file, or a file larger than any run makes, raises EInOutError
// naming it.
constexpr qint64 kMaxRunFileBytes = 1LL << 30;
QByteArray ReadRunFile(const QString& fileName);

// The number of RW lines among lines.
int CountWageRecords(const QStringList& lines);

// A client of the multi-client run, known by its company file; the name is what the user sees.
struct EFW2ProcessedClient {
    QString name;
    QString companyFile;
};

// The processed-clients file: one client a line, its name, a tab and its company file. A line
// without a tab is a client known only by its name.
QList<EFW2ProcessedClient> ReadProcessedClients(const QString& fileName);
bool IsProcessed(const QList<EFW2ProcessedClient>& clients, const QString& companyFile, const QString& name);

// Where the run keeps its state and its files.
struct EFW2RunFiles {
    QString submitterFile;        // the submitter record with the run's total and marks
    QString processedClientsFile;
    QString efw2Dir;              // ends with "/"
    QString masterFile;           // the multi-client file
};

// The folder of the SSA files under the data folder, and the client's own file in it.
QString EFW2DirOf(const QString& dataDir);
QString EFW2ClientFileName(const QString& efw2Dir, const QString& companyFile);

// The multi-client run as the screen holds it between two saves.
struct EFW2Run {
    EFW2SubmitterRecord submitter {};
    QList<EFW2ProcessedClient> processed;
    QStringList masterLines;
};

// Writes the open client's complete file (RA to RF, made read-only) and, when either exclusion
// mark is set, adds the client's lines to the multi-client file: its RA only when the submitter
// is not excluded, its RF (counting every RW of that file) only when the final is not excluded.
// The client file, the submitter file with the raised total, the processed-clients file and the
// multi-client file are replaced together (SaveRunChange): when any of them fails, none changes and neither
// does run. Returns the client's RW count. Creates efw2Dir, with any missing parent.
int ProcessClient(const EFW2RunFiles& files, EFW2Run& run, const QString& companyName, const QString& companyFile);

// Ends the run: total 0, no final pending, no exclusion, multi-client and processed-clients files
// deleted, as one step with the submitter file's change; the clients' own files stay.
void ResetRun(const EFW2RunFiles& files, EFW2Run& run);

// Loads the run's state from its files (a missing submitter file is created empty), after
// finishing or undoing a Process or Reset that was interrupted (the user is told once).
void LoadRun(const EFW2RunFiles& files, EFW2Run& run);

// The lines of a multi-client file; none when there is no such file.
QStringList ReadMasterLines(const QString& fileName);

// A client's own file, always complete from its RA to its RF, and what the client adds to the
// multi-client file in masterLines as the exclusion boxes say: its RA unless the submitter is
// excluded, its employer block, and an RF counting every RW of that file unless the final one is.
struct EFW2ClientLines {
    QStringList clientLines;
    bool excludeSubmitterNext = false; // the first client of a multi-client file gave it its RA
};
EFW2ClientLines AssembleClientLines(const QString& submitterLine, const EFW2EmployerBlock& block,
                                    bool excludeSubmitter, bool excludeFinal, bool firstClient,
                                    QStringList& masterLines);

// The files a run replaces together at each Process and Reset.
struct EFW2RunChange {
    QString journalFile;          // beside the settings file; see EFW2RunJournalFile
    QString description;          // names the step in the message after an interruption
    QString settingsFile;
    QByteArray settingsBytes;
    QString processedClientsFile;
    QList<EFW2ProcessedClient> processed;
    QString masterFile;
    QStringList masterLines;
    QString clientFile;           // the client's own file, written by Process only
    QStringList clientLines;
};

// The journal of a run's Process and Reset: the settings file's name + ".Journal".
QString EFW2RunJournalFile(const QString& settingsFile);

// Replaces the run's files as one step through the journal: the client's file (when named,
// read-only), the settings file, the processed-clients file and the multi-client file
// (read-only); an empty list or multi-client file is removed. When any of them fails, none
// changes; a step interrupted by a stop is finished or undone at the next loading of the run.
void SaveRunChange(const EFW2RunChange& change);

// The settings file's bytes with its first record replaced and whatever followed it kept.
QByteArray SettingsFileBytes(const QString& fileName, const void* record, qsizetype size);
