#pragma once

#include "client/PostingJournal.h"

#include <QByteArray>

// The direct-deposit file of the pay run lies beside the client file, with the client's name and
// the extension ".txt": one line per employee paid by direct deposit with net pay above 0. It is
// one of the files of a posting: put back as it was when the posting is undone.

// The file's lines for the pay run, empty when no employee qualifies. A text field that would
// break the comma-separated line (a comma or a line break) is refused with ECustomException naming
// the employee.
QByteArray DirectDepositBytes();

// Copies the direct-deposit file that stands now into backupFolder (through the file layer), so
// that a posting that writes bytes in its place can put it back. File failures raise EInOutError.
PostingDeposit CopyDirectDepositFile(const QString& backupFolder, const QByteArray& bytes);

// Writes bytes as the direct-deposit file through the file layer; with no bytes no file is left.
// File failures raise EInOutError, and the file is then as it was.
void WriteDirectDepositFile(const QByteArray& bytes);

// The file of the pay run, written: DirectDepositBytes through WriteDirectDepositFile.
void ExportDirectDeposit();
