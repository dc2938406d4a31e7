#pragma once

#include <QString>
#include <QStringList>

// The recent-files list: the ten client files closed last, most recent first, empty entries
// where there is none. A client enters the list when it is closed, not when it is opened.

inline constexpr int kRecentFileCount = 10;

// Puts fileName first in list and drops its other entries (letter case ignored), so the list
// holds exactly ten entries afterwards. A blank name changes nothing: no client was open.
void AddToRecentFiles(QStringList& list, const QString& fileName);

// The same on the program's list, MRUList.
void AddToRecentFiles(const QString& fileName);

// The menu caption of entry k (0..9): the digit k as access key, a blank, and the file name
// with every "&" doubled so that it shows as typed.
QString RecentFileCaption(int k, const QString& entry);

// The Recent Clients menu offers something only when its first entry is filled.
bool RecentClientsEnabled(const QStringList& list);
