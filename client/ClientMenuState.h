#pragma once

#include "client/MenuEnabling.h"

// The state of the open client that the main window's commands depend on, read from the global
// records and the employee file. The employee counts visit every employee and leave the current
// one current; nothing is counted while no client is open.
ClientMenuState CurrentClientMenuState();
