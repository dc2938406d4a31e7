#pragma once

#include <QString>
#include <functional>
#include <optional>

// What an open, save or folder dialog is asked.
struct FileDialogRequest {
    enum class Kind { Open, Save, Folder } kind = Kind::Open;
    QString caption;
    QString startPath;   // the folder, or the file name proposed
    QString filter;      // "Client files (*.P26)" and the like; empty for folders
    QString defaultSuffix;
    bool confirmOverwrite = true;  // a save dialog asks before it names an existing file
};

// Answers a request with the chosen path, or nothing when the user cancels.
using FileDialogProvider = std::function<std::optional<QString>(const FileDialogRequest&)>;

std::optional<QString> RunFileDialog(const FileDialogRequest& request);

// Replaces the provider; returns the previous one. The windowed program installs the system
// dialogs, tests a scripted provider.
FileDialogProvider SetFileDialogProvider(FileDialogProvider provider);
