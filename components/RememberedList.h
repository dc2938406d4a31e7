#pragma once

#include <QString>
#include <QStringList>

// The entries a text field remembers from earlier input, kept in a small text file beside the
// client file: one entry a line, in the list's order, no header.

// The entries of the file; a file that does not exist is an empty list. Raises EInOutError when
// the file exists but cannot be read.
QStringList LoadEntryList(const QString& fileName);
// Writes the entries through a temporary file renamed into place, so a failed write keeps the old
// list. An empty list is never written. Raises EInOutError on failure.
void SaveEntryList(const QString& fileName, const QStringList& entries);
// Puts item first: moved when the list holds it (exact comparison), inserted otherwise. A blank
// item changes nothing. Returns whether the list changed.
bool AddOrMoveEntry(QStringList& entries, const QString& item);
// The first entry whose beginning equals text, ignoring case; -1 when none does.
int CompletionIndex(const QStringList& entries, const QString& text);
// Case-insensitive order, as a sorted drop-down list keeps it.
void SortEntries(QStringList& entries);
