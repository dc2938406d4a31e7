#include "platform/ShellOpen.h"

#include <QDesktopServices>

namespace {

ShellOpenHook& currentHook()
{
    static ShellOpenHook hook;
    return hook;
}

} // namespace

bool ShellOpen(const QUrl& target)
{
    if (currentHook())
        return currentHook()(target);
    return QDesktopServices::openUrl(target);
}

ShellOpenHook SetShellOpenHook(ShellOpenHook hook)
{
    ShellOpenHook previous = std::move(currentHook());
    currentHook() = std::move(hook);
    return previous;
}
