#pragma once

#include <QString>
#include <QStringList>

class Registry;

// Moving last year's clients and settings into this year's program. Last year's files are only
// read; this year's are written whole or not at all.

inline const QString kPriorYearPathMissing = QStringLiteral("Path to 2025 data files is missing");
inline const QString kPriorYearFilesNotFound = QStringLiteral("2025 data files not found in specified location");
inline const QString kPasswordsNotTransferred =
    QStringLiteral("Passwords were not transferred. Set them again with Tools > Password.");

// Last year's settings root.
QString PriorYearRoot(bool developerMode);

// Where last year's program kept its EFW2 submitter file: LEDGORA_PRIOR_PROGRAM_DIR, else last
// year's data folder (UserDataDir(2025)) when it holds one, else the folder of last year's clients.
// Ends with "/".
QString PriorProgramDir(const QString& priorClientFolder);

// The client files of last year in folder (which ends with "/"), sorted by name, without last
// year's template client; a client already in dataDir is marked with a leading "*". Raises
// ETransferException when the folder holds no ".C25" file.
QStringList ListPriorYearClients(const QString& folder, const QString& dataDir);

enum class ClientTransfer {
    Skipped,      // this year's client exists and must not be overwritten: nothing done
    Transferred,  // the four files of the client are in place
    NoEmployees,  // nobody is still employed: nothing written
};

struct ClientTransferResult {
    ClientTransfer outcome = ClientTransfer::Skipped;
    bool hadPassword = false;  // last year's client had a password, which is not carried over
};

// Transfers the client PriorYearClientName (name + ".C25") of folder into dataDir as name + ".C26",
// ".P26", ".Dep" and ".Pos". The four files are put in place together, through the journal
// name + ".Journal", once the whole client has converted; a transfer of the client that was
// interrupted is finished or undone first. Any failure raises ETransferException with the message to show, and
// leaves dataDir as it was; a client of that name that another copy of the program holds open is
// refused.
ClientTransferResult TransferData(const QString& folder, const QString& dataDir, bool doNotOverwrite);

// Copies last year's backup folder, paid preparer and printer settings (only where this year has
// none yet) and last year's EFW2 submitter file (only where this year's holds no submitter), once
// for the user: "Transferred" in root + "Transfer" guards it and is set after the copies
// succeeded. A failed copy of the submitter file raises ECopyFileException.
void TransferRegSettings(Registry& prior, Registry& current, const QString& priorRoot, const QString& root,
                         const QString& priorSubmitterFile, const QString& submitterFile);
