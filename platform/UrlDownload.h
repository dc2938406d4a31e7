#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

// What a download must keep to; a transfer outside it is given up and leaves no file.
struct DownloadLimits {
    qint64 maxBytes = 0;              // a longer body, declared or sent, is refused
    int deadlineMilliseconds = 60000; // the whole transfer, however steadily bytes arrive
    int stallMilliseconds = 30000;    // without a byte arriving
    // The body is taken only when its length is known (declared by the server or given below)
    // and matched, and never when it is empty: a transfer cut short cannot pass for a whole one.
    bool lengthRequired = false;
    qint64 expectedSize = -1;         // known from elsewhere; the body must be of this size
    QByteArray expectedSha256;        // lowercase hex, known from elsewhere; the body must match
};

struct DownloadOutcome {
    bool done = false;
    bool cancelled = false; // CancelDownload ended it
    QString problem;        // why it failed, naming the address or the file
    explicit operator bool() const { return done; }
};

// Fetches an address into a file. Only https addresses are fetched, and plain http only from
// this machine itself (the tests' own server); every redirect is held to the same rule. A failed,
// refused or cancelled transfer leaves no file behind and an older file of the same name as it
// was; a complete one replaces it. The folder of the file is created when missing.
//
// The transfer runs in an event loop that takes the user's input, so that a Cancel can reach
// CancelDownload: the caller shows a modal window meanwhile, so that nothing else can be started.
DownloadOutcome DownloadFile(const QUrl& url, const QString& fileName, const DownloadLimits& limits);

// Ends the transfer under way, if any, as cancelled.
void CancelDownload();

// Whether DownloadFile would fetch this address at all.
bool IsDownloadableAddress(const QUrl& url);
