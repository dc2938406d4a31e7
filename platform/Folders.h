#pragma once

#include <QString>

// The folder of the executable, where the data files lie beside the program, with a trailing "/".
// LEDGORA_PROGRAM_DIR overrides it.
QString ProgramDir();

// The user's Documents folder, with a trailing "/".
QString DocumentsDir();

// The user's folder of the program-wide files the program writes (state and city tables, EFW2
// settings) for a tax year: $XDG_DATA_HOME/Ledgora/<year>, by default ~/.local/share/Ledgora/<year>,
// with a trailing "/". The program's own folder is only read: once installed it is not the
// user's to write. Not created here.
QString UserDataDir(int taxYear = 2026);

// The folder of the settings file: LEDGORA_CONFIG_DIR, else the user's configuration folder.
QString ConfigDir();

// The user's cache folder for this program, where downloads wait until the program ends, with a
// trailing "/". Not created here.
QString CacheDir();
