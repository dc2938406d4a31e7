#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// Removes from folder the hidden temporary files the file layer writes a new version under
// (".NAME.xxxxxx.part", see TemporaryNameBeside) that a stopped program left, last changed before
// `before` so that a copy of the program at work now keeps its own. Only regular files are
// removed: a link of that name, and whatever it points to, is left alone. For folders the
// program shares with the user's own files, where nothing else of that shape is touched. Returns
// the files that could not be removed.
QStringList RemoveLeftoverPartFiles(const QString& folder, const QDateTime& before);
