#pragma once

#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

// Hands an address or a file to the desktop's "open" action. Every caller goes through here, so
// tests can see what would have been opened without starting a browser or a viewer.
using ShellOpenHook = std::function<bool(const QUrl& target)>;

// Returns whether the desktop accepted the request.
bool ShellOpen(const QUrl& target);

// Replaces the hook and returns the previous one; an empty hook restores the desktop's action.
ShellOpenHook SetShellOpenHook(ShellOpenHook hook);

// The web page an address typed by the user stands for: an http or https address with a host.
// Blanks around it are dropped and an address that starts with "www." gets "https://". Anything
// else (a file, a program, a mail address, a bare word) is no web page.
std::optional<QUrl> WebPageAddress(const QString& typed);

// Opens the address in the user's browser when it is a web page; returns whether it was handed
// on. Failures of the browser are not reported.
bool OpenWebPage(const QString& typed);
