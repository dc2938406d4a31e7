#pragma once

#include "components/JournalGuard.h"
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
//
// The journal names its files by plain name, in its own folder or in one the program gives with
// the change; recovery follows it only within the rules of JournalGuard, and only while it holds
// the journal's lock, which the change holds for as long as it runs.

// The ending of every journal; the program looks for them at its start.
inline const QString kChangeJournalSuffix = QStringLiteral(".Journal");
// Added to a journal's name while it is written.
inline const QString kUnfinishedJournalSuffix = QStringLiteral(".new");

// One file of a change: its new contents, or its removal.
struct FileChange {
    QString target;
    QByteArray bytes;
    bool remove = false;
    bool readOnly = false;  // the new file is made read-only before it is placed
};

// Carries out the changes as one step, journaled in journalFile. description names the change
// for the message after an interruption ("The EFW2 Process of Acme Tools"). A failure raises
// EInOutError naming the file and the system's reason, and leaves every file as it was; a change
// whose journal another window holds is refused (ECustomException) before anything is written. Once
// every file is placed the change stands: a failure while clearing up after it leaves the journal
// for the next opening to finish.
void ApplyJournaledChange(const QString& journalFile, const QString& description, const QList<FileChange>& changes);

// When journalFile exists, finishes or undoes the change it names and tells the user once, in
// plain words, which of the two was done. A change that can be neither finished nor undone (a
// file of it was removed or damaged by hand, a rename fails) raises ECustomException naming the
// journal, which is kept so that the next opening tries again. A journal that breaks a rule of
// JournalGuard is set aside, and one whose step runs in another window is left alone: both raise
// ECustomException saying so, with every file left as it is. The files may lie in the journal's
// folder or in one of otherFolders (the EFW2 folder, for the journal of an EFW2 run).
void RecoverInterruptedChange(const QString& journalFile, const QStringList& otherFolders = {});

// Every journal in folder, as RecoverInterruptedChange; a journal that cannot be recovered is
// reported and the others are still recovered. Raises the first failure after trying them all.
void RecoverInterruptedChanges(const QString& folder, const QStringList& otherFolders = {});

// Writes a small journal under a temporary name (journalFile + ".new", made new, never through a
// link), syncs it, gives it its name (never over a journal that stands there) and syncs its
// folder, so no journal ever stands half written. The returned lock holds the journal until the
// step is over. File failures raise EInOutError "Unable to write journalFile: reason", a journal
// of another window's step ECustomException; no journal of this call stays then.
[[nodiscard]] JournalLock WriteJournalFile(const QString& journalFile, const QByteArray& text);
