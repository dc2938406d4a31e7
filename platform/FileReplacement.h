#pragma once

#include "platform/FileFingerprint.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// The one way the program writes a file: a new version is written beside the target under a
// hidden temporary name, and put in the target's place only once every byte is proven on the
// disk. Each write is checked, the buffer flushed, the file synced and closed (both checked),
// read back against the size and CRC-32 of what was written, swapped into place and the folder
// synced. Until commit() succeeds the target is exactly as it was; a replacement that fails or is
// dropped removes its temporary file. A failure's reason is the system's ("No space left on
// device"); the caller names the file in its message.
class FileReplacement {
public:
    explicit FileReplacement(const QString& target);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Creates the temporary file; a replaced file's permissions are kept.
    bool open();
    bool write(const char* data, qint64 size);
    bool write(const QByteArray& bytes) { return write(bytes.constData(), bytes.size()); }
    bool commit();

    const QString& errorString() const { return error_; }
    const QString& target() const { return target_; }

private:
    bool flush();
    bool writeOut(const char* data, qint64 size);
    bool fail(int code);
    bool fail(const QString& reason);
    bool place();
    void closeAndRemove() noexcept;

    QString target_;
    QString temporary_;
    int fd_ = -1;
    QByteArray buffer_;
    FileFingerprint written_;
    QString error_;
    bool committed_ = false;
};

// Writes bytes as the whole of path through a FileReplacement. Returns the reason of a failure,
// empty when the file stands written.
[[nodiscard]] QString ReplaceWholeFile(const QString& path, const QByteArray& bytes);

// A hidden name beside target that the file layer uses for a new version while it is written.
QString TemporaryNameBeside(const QString& target);

// Removes what a failed clean-up may have left in folder: the file layer's hidden ".*.part" files
// and hidden ".transfer-*" staging folders, last changed before `before` (so that the files of a
// copy of the program at work right now are left to it). Returns the entries that could not be
// removed. A folder that is a link is left alone.
QStringList RemoveLeftoverTemporaries(const QString& folder, const QDateTime& before);
