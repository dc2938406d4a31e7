#pragma once

#include "components/StagedCopy.h"

#include <QByteArray>
#include <QList>
#include <QString>

// A change of several files that must stand whole or not at all, whatever the moment the program
// (or the machine) stops. Before anything is written, a journal is written and synced: it names
// each file of the change, the hidden name its new contents are written under, the hidden name
// its former contents are moved aside to, and the size and CRC-32 of the new contents. Then the
// new contents are written, synced and read back; then the renames; then the former contents
// and the journal are removed.
//
// A journal found later means the change was interrupted. It is finished when every new file is
// there and proven, and undone (every former file put back) otherwise: either way the files are
// afterwards all as before or all as after the change.

// The ending of every journal; the program looks for them at its start.
inline const QString kChangeJournalSuffix = QStringLiteral(".Journal");

// One file of a change: its new contents, or its removal.
struct FileChange {
    QString target;
    QByteArray bytes;
    bool remove = false;
    bool readOnly = false;  // the new file is made read-only before it is placed
};

// Carries out the changes as one step, journaled in journalFile. description names the change
// for the message after an interruption ("The EFW2 Process of Acme Tools"). A failure raises
// EInOutError naming the file and the system's reason, and leaves every file as it was. Once
// every file is placed the change stands: a failure while clearing up after it leaves the journal
// for the next opening to finish.
void ApplyJournaledChange(const QString& journalFile, const QString& description, const QList<FileChange>& changes);

// When journalFile exists, finishes or undoes the change it names and tells the user once, in
// plain words, which of the two was done. A change that can be neither finished nor undone (a
// file of it was removed or damaged by hand, a rename fails) raises ECustomException naming the
// journal, which is kept so that the next opening tries again.
void RecoverInterruptedChange(const QString& journalFile);

// Every journal in folder, as RecoverInterruptedChange; a journal that cannot be recovered is
// reported and the others are still recovered. Raises the first failure after trying them all.
void RecoverInterruptedChanges(const QString& folder);

// Writes a small journal under a temporary name (journalFile + ".new"), syncs it, renames it into
// place and syncs its folder, so no journal ever stands half written. File failures raise
// EInOutError "Unable to write journalFile: reason"; no journal stays then.
void WriteJournalFile(const QString& journalFile, const QByteArray& text);
