#pragma once

#include <QString>
#include <QByteArray>
#include <exception>

// The base of every exception the program shows to the user: it carries only the message text.
class Exception : public std::exception {
public:
    explicit Exception(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
    const QString& message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};

// A text that does not convert to a number or a date.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// A registry value that is missing or not of the type asked for.
class ERegistryException : public Exception {
public:
    using Exception::Exception;
};

// A file the program needs is not there.
class EFileNotFoundException : public Exception {
public:
    using Exception::Exception;
};

// A failed read, write, seek or truncate of a file.
class EInOutError : public Exception {
public:
    using Exception::Exception;
};

// A list index out of range.
class EListError : public Exception {
public:
    using Exception::Exception;
};

// Ends the command that raised it, and every command that called it, without a message: the
// user has already answered a question that stops the work.
class EAbort : public Exception {
public:
    EAbort() : Exception(QString()) {}
};

// A file could not be fetched from the update server.
class EDownloadException : public Exception {
public:
    using Exception::Exception;
};

class ECustomException : public Exception {
public:
    using Exception::Exception;
};

class ECopyFileException : public ECustomException {
public:
    using ECustomException::ECustomException;
};

// Raised right after a screen has moved the focus to the offending field.
class EFieldException : public ECustomException {
public:
    using ECustomException::ECustomException;
};

class ETransferException : public ECustomException {
public:
    using ECustomException::ECustomException;
};

class ERecordSetException : public ECustomException {
public:
    using ECustomException::ECustomException;
};
