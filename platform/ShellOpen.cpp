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

std::optional<QUrl> WebPageAddress(const QString& typed)
{
    QString text = typed.trimmed();
    if (text.startsWith(QStringLiteral("www."), Qt::CaseInsensitive))
        text.prepend(QStringLiteral("https://"));
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QStringLiteral("https") && scheme != QStringLiteral("http")) || url.host().isEmpty())
        return std::nullopt;
    return url;
}

bool OpenWebPage(const QString& typed)
{
    const std::optional<QUrl> page = WebPageAddress(typed);
    if (!page)
        return false;
    ShellOpen(*page);
    return true;
}
