#pragma once

#include "platform/FileOperations.h"

#include <QDir>
#include <QFileInfo>
#include <QString>

#include <cerrno>
#include <initializer_list>
#include <vector>

// Makes the file layer fail as a full disk or a failing medium would: the failAt-th call (from
// 1) of any of the given operations fails with error; every other call goes through. With
// failAt 0 nothing fails, and calls() tells how many there were, so a test can fail each in turn.
class FailingFileOperations {
public:
    FailingFileOperations(std::initializer_list<FileOperation> operations, int failAt, int error = ENOSPC);
    ~FailingFileOperations();
    FailingFileOperations(const FailingFileOperations&) = delete;
    FailingFileOperations& operator=(const FailingFileOperations&) = delete;

    int calls() const { return calls_; }
    // The file of the call that was made to fail; empty while none was.
    const QString& failedPath() const { return failedPath_; }

private:
    std::vector<FileOperation> operations_;
    int failAt_;
    int error_;
    int calls_ = 0;
    QString failedPath_;
    FileOperationFault previous_;
};

// Every operation that puts bytes on the disk or makes them durable. (Opening is left out: a
// client file that cannot be opened for writing opens browse-only, which is no failure.)
inline constexpr std::initializer_list<FileOperation> kWritingOperations = {
    FileOperation::Write, FileOperation::Sync, FileOperation::Close, FileOperation::Rename};

// True when message names a file of the program, not a temporary one, followed by ": reason".
inline bool NamesFileAndReason(const QString& message, const QString& reason)
{
    const qsizetype at = message.indexOf(QStringLiteral(": ") + reason);
    if (at < 0)
        return false;
    const QString before = message.left(at);
    const qsizetype slash = before.indexOf(QChar('/'));
    if (slash < 0)
        return false;
    const QFileInfo file(before.mid(slash));
    return file.absoluteDir().exists() && !file.fileName().endsWith(QStringLiteral(".part"))
           && !file.fileName().endsWith(QStringLiteral(".new"));
}
