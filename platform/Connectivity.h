#pragma once

#include <functional>

// Whether the system reports a network connection of any kind. A system that cannot tell counts
// as connected, so the user is asked only when the system knows there is no connection.
bool IsConnectedToInternet();

// Replaces the system's answer (tests); an empty hook restores it. Returns the previous hook.
using ConnectivityHook = std::function<bool()>;
ConnectivityHook SetConnectivityHook(ConnectivityHook hook);
