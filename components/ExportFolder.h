#pragma once

#include <QString>

// Where the save dialogs of printouts (the preview's snapshot, PDF and HTML documents, the output
// options' file) open: the folder last saved into while the program runs, else the program's
// folder under Documents (~/Documents/Ledgora/2026/). Never the program's own folder, which the
// user cannot write once the program is installed. Ends with "/".
QString ExportFolder();

// A file was chosen in such a dialog: the next one opens in its folder.
void RememberExportFolder(const QString& chosenFile);

// The path a save dialog proposes for `fileName`: kept when absolute, else in ExportFolder().
QString ExportPath(const QString& fileName);
