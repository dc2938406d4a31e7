#pragma once

#include <QString>

// The two record files of one client: the employee file (".P26") and the company file (".C26").
struct ClientFilePair {
    QString employee;
    QString company;
};

// The company file beside an employee file.
ClientFilePair ClientFilesOf(const QString& employeeFile);

// Copies a client's two files onto another pair as one step, for Save As, Backup and Restore.
// Before anything is written it checks that both sources are client files that can be read, that
// no target is its own source, and that no target is read-only or held open by another opener;
// then it writes both targets to temporary files beside them and renames them into place only
// once both are complete, so a failure leaves the targets as they were. A failure sets
// CopyFileFailed and raises ECopyFileException naming the file and the system's error.
void CopyClientFiles(const ClientFilePair& from, const ClientFilePair& to);

// The checks that need no writing: a client never copied onto itself, and both sources readable
// client files. Raises as CopyClientFiles does; commands run them before they close the client.
void CheckClientCopy(const ClientFilePair& from, const ClientFilePair& to);
