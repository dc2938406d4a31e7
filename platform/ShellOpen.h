#pragma once

#include <QUrl>

#include <functional>

// Hands an address or a file to the desktop's "open" action. Every caller goes through here, so
// tests can see what would have been opened without starting a browser or a viewer.
using ShellOpenHook = std::function<bool(const QUrl& target)>;

// Returns whether the desktop accepted the request.
bool ShellOpen(const QUrl& target);

// Replaces the hook and returns the previous one; an empty hook restores the desktop's action.
ShellOpenHook SetShellOpenHook(ShellOpenHook hook);
