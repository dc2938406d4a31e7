#pragma once

// Shows the help topic of a help context over the active window, also from modal screens.
void ShowHelp(int helpContext);
