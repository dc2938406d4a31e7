#pragma once

#include "components/StagedCopy.h"

#include <QString>

// The two record files of one client: the employee file (".P26") and the company file (".C26").
struct ClientFilePair {
    QString employee;
    QString company;
};

// The company file beside an employee file.
ClientFilePair ClientFilesOf(const QString& employeeFile);

// What was read from the two sources of a copy.
struct ClientFileFingerprints {
    FileFingerprint employee;
    FileFingerprint company;
};

// Copies a client's two files onto another pair as one step, for Save As, Backup, Restore, Close
// Quarter and posting. A copy onto or from either pair that a stop interrupted is first finished
// or undone. Before anything is written it checks that both sources are client files that can be
// read, that no target is its own source, and that no target is read-only or held open by another
// opener; then it places both targets through a journal beside the target employee file
// (NAME.Journal), so a failure leaves both targets as they were and a stop at any moment leaves
// them all old or all new once the journal is recovered. A failure sets CopyFileFailed and raises
// ECopyFileException naming the file and the system's error.
ClientFileFingerprints CopyClientFiles(const ClientFilePair& from, const ClientFilePair& to);

// The checks that need no writing: a client never copied onto itself, and both sources readable
// client files. Raises as CopyClientFiles does; commands run them before they close the client.
void CheckClientCopy(const ClientFilePair& from, const ClientFilePair& to);
