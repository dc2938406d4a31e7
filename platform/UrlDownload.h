#pragma once

#include <QString>
#include <QUrl>

// Fetches an address into a file and returns whether the whole file arrived. Only https
// addresses are fetched, and plain http only from this machine itself (the tests' own server).
// The transfer gives up after timeoutMilliseconds without progress. A failed or short transfer
// leaves no file behind and an older file of the same name as it was; a complete one replaces
// it. The folder of the file is created when missing. While the transfer runs, the program
// paints its windows but takes no input from the user.
bool DownloadFile(const QUrl& url, const QString& fileName, int timeoutMilliseconds = 30000);

// Whether DownloadFile would fetch this address at all.
bool IsDownloadableAddress(const QUrl& url);
