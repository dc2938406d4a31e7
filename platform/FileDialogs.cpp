#include "platform/FileDialogs.h"

namespace {
FileDialogProvider& currentProvider()
{
    // With no dialogs installed nobody can choose: every dialog is cancelled.
    static FileDialogProvider provider;
    return provider;
}
} // namespace

std::optional<QString> RunFileDialog(const FileDialogRequest& request)
{
    if (!currentProvider())
        return std::nullopt;
    return currentProvider()(request);
}

FileDialogProvider SetFileDialogProvider(FileDialogProvider provider)
{
    FileDialogProvider previous = currentProvider();
    currentProvider() = std::move(provider);
    return previous;
}
