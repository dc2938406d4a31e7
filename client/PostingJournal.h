#pragma once

#include "components/StagedCopy.h"

#include <QString>

#include <optional>

// Posting changes both client files record by record. So that a posting is all or nothing, a
// journal beside the client is written before the first change and removed once the last change
// is on disk. While it exists, the client counts as not posted: the next opening of the client
// puts both files back from the copies that posting made in the Backup folder before it began.
//
// The journal names those two copies (by plain name, in the program's Backup folder) with their
// sizes and CRC-32 checksums, so a copy that was replaced or damaged since is never put back over
// the client. It is read within the rules of components/JournalGuard, and held locked from before
// it takes its name until posting is over.

// "NAME.Posting" beside the employee file "NAME.P26".
QString PostingJournalFileName(const QString& employeeFileName);

// A copy posting made of a client file, with the size and checksum read from the client file
// while it was copied.
struct PostingCopy {
    QString path;
    FileFingerprint source;
};

// The direct-deposit file ("NAME.txt" beside the client) when posting writes it: the copy in the
// Backup folder of the file it replaces (path empty when there was none), and the fingerprint of
// what posting writes in its place (none when it leaves no file).
struct PostingDeposit {
    PostingCopy former;
    std::optional<FileFingerprint> written;
};

// Writes the journal of the client whose employee file is employeeFileName, naming the copies of
// its company and employee files (in BackupDir), and the direct-deposit file when posting writes it. Each copy must still match what was read from its client file,
// and the journal is synced and read back before this returns: posting starts only on copies and
// a journal that are proven. payDate is the pay date being posted, for the message after an
// interruption. A copy that does not match raises ECustomException; file failures raise
// EInOutError naming the file and the system's reason. No journal stays after a failure.
void BeginPostingJournal(const QString& employeeFileName, const QString& payDate, const PostingCopy& company,
                         const PostingCopy& employee, const std::optional<PostingDeposit>& deposit = std::nullopt);

// Makes both client files durable, then removes the journal: from here the posting stands.
// Failures raise EInOutError; the journal stays then.
void EndPostingJournal(const QString& employeeFileName);

enum class JournalRestore {
    Restored,  // both files were put back and the journal removed
    InUse,     // another opener writes the client; nothing was changed
};

// Puts both files of the client back from the copies the journal names, writing into the files
// themselves under a deny-write lock, puts the direct-deposit file back as it was, and removes the
// journal. The client must not be open here. A journal that breaks a rule of JournalGuard is set
// aside, and one that another window's posting holds is left alone: both raise ECustomException.
// A journal that cannot be read, a copy that is missing or differs from what the journal recorded,
// or a failed write raises ECustomException (EInOutError for file failures); the journal then
// stays, so the next opening tries again.
JournalRestore RestoreFromPostingJournal(const QString& employeeFileName);

// Run before a client is opened. When a journal lies beside the client, a posting of it was
// interrupted: both files are put back and the user is told so in plain words. A client that
// another opener writes is left alone. Raises as RestoreFromPostingJournal does; the client must
// not be opened then.
void RecoverInterruptedPosting(const QString& employeeFileName);
