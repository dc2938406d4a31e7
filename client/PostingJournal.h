#pragma once

#include "components/StagedCopy.h"

#include <QString>

// Posting changes both client files record by record. So that a posting is all or nothing, a
// journal beside the client is written before the first change and removed once the last change
// is on disk. While it exists, the client counts as not posted: the next opening of the client
// puts both files back from the copies that posting made in the Backup folder before it began.
//
// The journal names those two copies with their sizes and CRC-32 checksums, so a copy that was
// replaced or damaged since is never put back over the client.

// "NAME.Posting" beside the employee file "NAME.P26".
QString PostingJournalFileName(const QString& employeeFileName);

// A copy posting made of a client file, with the size and checksum read from the client file
// while it was copied.
struct PostingCopy {
    QString path;
    FileFingerprint source;
};

// Writes the journal of the client whose employee file is employeeFileName, naming the copies of
// its company and employee files. Each copy must still match what was read from its client file,
// and the journal is synced and read back before this returns: posting starts only on copies and
// a journal that are proven. payDate is the pay date being posted, for the message after an
// interruption. A copy that does not match raises ECustomException; file failures raise
// EInOutError naming the file and the system's reason. No journal stays after a failure.
void BeginPostingJournal(const QString& employeeFileName, const QString& payDate, const PostingCopy& company,
                         const PostingCopy& employee);

// Makes both client files durable, then removes the journal: from here the posting stands.
// Failures raise EInOutError; the journal stays then.
void EndPostingJournal(const QString& employeeFileName);

enum class JournalRestore {
    Restored,  // both files were put back and the journal removed
    InUse,     // another opener writes the client; nothing was changed
};

// Puts both files of the client back from the copies the journal names, writing into the files
// themselves under a deny-write lock, and removes the journal. The client must not be open here.
// A journal that cannot be read, a copy that is missing or differs from what the journal recorded,
// or a failed write raises ECustomException (EInOutError for file failures); the journal then
// stays, so the next opening tries again.
JournalRestore RestoreFromPostingJournal(const QString& employeeFileName);

// Run before a client is opened. When a journal lies beside the client, a posting of it was
// interrupted: both files are put back and the user is told so in plain words. A client that
// another opener writes is left alone. Raises as RestoreFromPostingJournal does; the client must
// not be opened then.
void RecoverInterruptedPosting(const QString& employeeFileName);
