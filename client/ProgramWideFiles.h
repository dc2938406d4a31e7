#pragma once

#include <QString>

// The files every client shares. Those the program writes (the state and city tables, the EFW2
// settings and lists of processed clients, the federal table in developer mode) live in the user's
// data folder (UserDataDir): once installed, the program's own folder is not the user's to write
// and is only read. A copy shipped beside the program is the starting point of the user's.

// The shared files by name.
inline constexpr const char* kFederalTableFile = "LEDGORA.FTT";
inline constexpr const char* kStateTableFile = "LEDGORA.ST";
inline constexpr const char* kCityTableFile = "LEDGORA.CIT";
inline constexpr const char* kSubmitterFile = "Ledgora.W2S";
inline constexpr const char* kNJStateFile = "Ledgora.NJS";
inline constexpr const char* kProcessedClientsFile = "Ledgora.CPF";
inline constexpr const char* kNJProcessedClientsFile = "Ledgora.CPS";

// The user's copy of the shared file `name`, in the user's data folder.
QString ProgramWideFile(const char* name);

// The federal table the program reads: in developer mode, where its screen may rewrite it, the
// user's copy; otherwise the table shipped beside the program, or the user's copy when none is
// shipped.
QString FederalTableFile();

// Creates the user's data folder and starts each writable shared file it lacks from the copy
// shipped beside the program, when there is one (the federal table only in developer mode).
// A folder that cannot be created raises EInOutError naming it; a failed copy raises
// ECopyFileException naming the file and the system's reason.
void PrepareProgramWideFiles();
