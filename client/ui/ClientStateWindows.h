#pragma once

// Puts the real windows behind the client state's prompts: the password window behind the data
// module's password prompt and the employee list behind the employee picker.
void InstallClientStateWindows();
