#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

// The program's own name and version as its windows show them.
inline constexpr const char* kApplicationTitle = "Ledgora 2026";
inline constexpr const char* kProgramVersion = "2026.00";
inline constexpr const char* kDefaultStyleName = "Cyan Dusk";

// The program runs on a screen at least 1280 pixels wide or at least 800 pixels high.
bool ScreenAllowsRunning(const QSize& screen);
extern const char* const kScreenTooSmallMessage;

// The client file named on the command line: the arguments joined by single blanks with trailing
// blanks removed, so that a path with blanks that arrived as several arguments is whole again.
// Empty when there is no argument.
QString CommandLineFileName(const QStringList& arguments);

// A command-line file opens only when its extension is exactly ".P26" and the file exists.
bool IsCommandLineClientFile(const QString& fileName);

// The main window's caption and status line, as shown (the status line is plain text, so an
// "&" in the file name needs no doubling).
QString MainWindowCaption(bool fileIsOpen, const QString& companyName);
QString MainWindowStatusLine(bool fileIsOpen, const QString& curFileName);
