#pragma once

#include <QString>

// The folder of the executable, where the data files lie beside the program, with a trailing "/".
// LEDGORA_PROGRAM_DIR overrides it.
QString ProgramDir();

// The user's Documents folder, with a trailing "/".
QString DocumentsDir();

// The folder of the settings file: LEDGORA_CONFIG_DIR, else the user's configuration folder.
QString ConfigDir();
