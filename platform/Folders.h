#pragma once

#include <QString>

// The folder of the executable, where the data files lie beside the program, with a trailing "/".
// LEDGORA_PROGRAM_DIR overrides it.
QString ProgramDir();

// The user's Documents folder, with a trailing "/".
QString DocumentsDir();

// The folder of the settings file: LEDGORA_CONFIG_DIR, else the user's configuration folder.
QString ConfigDir();

// The user's cache folder for this program, where downloads wait until the program ends, with a
// trailing "/". Not created here.
QString CacheDir();
