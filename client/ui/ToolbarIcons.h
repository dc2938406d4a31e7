#pragma once

#include "client/MainMenuItems.h"

#include <QIcon>

// The main window's toolbar icons: one flat set drawn with vector paths at whatever size and
// device pixel ratio a screen asks for, so they stay sharp at every scaling. Each carries its own
// faded grey look for a command that is off.
QIcon ToolbarIcon(MenuItem button);
