#pragma once

#include "platform/Exceptions.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// What every journal of the program shares. A journal found on disk may have been made by
// someone else (a backup folder, a USB stick, a file put beside a client), so it is data, never
// an instruction: it may name only files in the folders the program gives, by plain name, and
// recovery never follows a link. A journal that breaks a rule is set aside under a clear name and
// named to the user once, with every file left as it is.
//
// A step holds a lock on its journal for as long as it runs, from before the journal takes its
// name until after it is removed; the system releases it when the process ends. Recovery takes
// the same lock first, so it never undoes a step that another window of the program is taking.

// A journal that breaks one of the rules below; reason says which, in plain words.
struct JournalRefusal {
    QString reason;
};

// folder + name, for a file name read from a journal. Refuses (JournalRefusal) a name that is
// empty, "." or "..", holds a separator or a control character. With known empty, the name must be
// a visible one (no leading dot); otherwise it must be one of known, or a hidden name the file
// writers make beside one of them (".NAME.<letters and digits>.new" or ".old").
QString JournalNamedFile(const QString& folder, const QString& name, const QStringList& known = {});

// Whether a regular file stands at path, never following a link: a link, a folder or anything
// else standing there refuses the journal that names it.
bool RegularFileAt(const QString& path);

// A step's hold on its journal; released when the object goes.
class JournalLock {
public:
    JournalLock() = default;
    explicit JournalLock(int fd) : fd_(fd) {}
    ~JournalLock();
    JournalLock(JournalLock&& other) noexcept;
    JournalLock& operator=(JournalLock&& other) noexcept;
    JournalLock(const JournalLock&) = delete;
    JournalLock& operator=(const JournalLock&) = delete;

    int fd() const { return fd_; }

private:
    int fd_ = -1;
};

// Creates path as a new file, never over anything that stands there nor through a link, and
// takes its lock. Returns 0 or the system's errno (EEXIST when the name is taken).
int CreateLockedFile(const QString& path, JournalLock& lock);

enum class JournalState {
    Missing,           // no journal: nothing to recover
    Locked,            // the journal is held by lock
    RunningElsewhere,  // another window of the program is taking its step
};

// Takes the lock of journalFile, never following a link: a link, a folder or a pipe in its place
// refuses it (JournalRefusal). Other failures raise EInOutError.
JournalState LockJournal(const QString& journalFile, JournalLock& lock);

// The text of the journal held by lock, read bounded: a journal far larger than any the program
// writes refuses it.
QByteArray ReadLockedJournal(const JournalLock& lock, const QString& journalFile);

// Removes what a stop left of a journal cut short while it was written (temporary); nothing of
// its step began. Returns false, leaving it, when the step writing it runs in another window.
bool RemoveUnfinishedJournal(const QString& temporary);

// What the user is told when recovery finds a step running in another window.
ECustomException StepRunningElsewhere(const QString& journalFile);

// Sets journalFile aside under a clear name ("NAME.Journal.refused") and raises ECustomException
// naming it and the reason, saying that no file was changed.
[[noreturn]] void SetJournalAside(const QString& journalFile, const JournalRefusal& refusal);
