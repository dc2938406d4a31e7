#pragma once

#include <QString>

// A file opened with the sharing rules of a desktop database: each opener says what it will do
// (read, write) and what it forbids others to do, and an open that clashes with an opener already
// there fails, whether that opener is another process or this one. The rules are kept as
// open-file-description locks on marker bytes far beyond any record, so they belong to this open
// alone: closing some other descriptor of the same file never drops them, and they go away when
// this file is closed or the process ends.
class SharedFile {
public:
    enum class Access { Read, Write, ReadWrite };
    struct Sharing {
        bool denyRead = false;
        bool denyWrite = false;
    };

    SharedFile() = default;
    ~SharedFile();
    SharedFile(const SharedFile&) = delete;
    SharedFile& operator=(const SharedFile&) = delete;

    // Opens an existing file, or with create makes a new one (never taking over a file that
    // appeared meanwhile). False, with error() set, when the system refuses or the sharing of
    // another opener forbids it.
    bool open(const QString& path, Access access, Sharing sharing, bool create);
    // Closes the file; false, with error() set, when the system reports a failure (the file is
    // closed all the same).
    bool close();

    bool isOpen() const { return fd_ >= 0; }
    int handle() const { return fd_; }
    // The errno of the last failure.
    int error() const { return error_; }

private:
    bool fail(int code);

    int fd_ = -1;
    int lockFd_ = -1; // the descriptor holding the locks; fd_ itself unless fd_ cannot read
    int error_ = 0;
};
