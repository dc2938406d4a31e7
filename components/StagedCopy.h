#pragma once

#include "platform/FileFingerprint.h"

#include <QString>
#include <initializer_list>

// Reads the whole file. Raises EInOutError "path: reason".
FileFingerprint FingerprintOfFile(const QString& path);

// A copy of source written beside target under a temporary name, synced, closed and read back
// against the size and checksum taken while source was read, before anything is replaced. A
// copy that is never placed, or is undone, leaves target as it was and its temporary file gone.
// Every failure raises EInOutError "file: the system's reason".
class StagedCopy {
public:
    StagedCopy(const QString& source, const QString& target);
    ~StagedCopy();
    StagedCopy(const StagedCopy&) = delete;
    StagedCopy& operator=(const StagedCopy&) = delete;

    // What was read from the source, and what the copy was proven against.
    const FileFingerprint& fingerprint() const { return fingerprint_; }
    const QString& target() const { return target_; }

private:
    friend void PlaceCopies(std::initializer_list<StagedCopy*> copies);
    void place();
    void undo() noexcept;
    void dropReplaced() noexcept;

    QString target_;
    QString temporary_;
    FileFingerprint fingerprint_;
    bool placed_ = false;
    bool holdsReplaced_ = false;  // after place(), temporary_ names the target's former file
    bool createdTarget_ = false;  // no target was there before place()
};

// Puts the copies in their targets' places as one step: renamed into place and the folders
// synced. When any step fails, every copy already placed is put back as it was, and the
// failure is raised.
void PlaceCopies(std::initializer_list<StagedCopy*> copies);
