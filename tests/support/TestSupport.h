#pragma once

#include "platform/FileDialogs.h"

#include <QDialog>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

// Readable QString values in assertion failures.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// One message the program showed through AppMessageBox.
struct ShownMessage {
    QString text;
    QString caption;
    int flags = 0;
};

// Answers message boxes from a queue the test fills; a message nobody expected fails the test.
class ScriptedMessages {
public:
    // The next message box is answered with `answer`; when textPart is given the message must hold it.
    void expect(int answer, const QString& textPart = QString());
    const std::vector<ShownMessage>& shown() const { return shown_; }
    const ShownMessage& last() const;
    bool allAnswered() const { return answers_.empty(); }

    int answer(const QString& text, const QString& caption, int flags);

private:
    struct Answer {
        int result;
        QString textPart;
    };
    std::deque<Answer> answers_;
    std::vector<ShownMessage> shown_;
};

// Drives modal windows and file dialogs from queues the test fills; an unexpected one fails the test.
class ScriptedDialogs {
public:
    // The next modal window is handed to `drive`, which must close it.
    void onNextModal(std::function<void(QDialog&)> drive);
    // The next open, save or folder dialog answers `path`, or cancels when it is empty.
    void onNextFileDialog(std::optional<QString> path);
    const std::vector<FileDialogRequest>& fileRequests() const { return fileRequests_; }
    bool allUsed() const { return modals_.empty() && files_.empty(); }

    void runModal(QDialog& dialog);
    std::optional<QString> runFileDialog(const FileDialogRequest& request);

private:
    std::deque<std::function<void(QDialog&)>> modals_;
    std::deque<std::optional<QString>> files_;
    std::vector<FileDialogRequest> fileRequests_;
};

// The base of every test: a fresh temporary HOME, configuration and program folder, the clock
// on the system time, and scripted message boxes and dialogs.
class LedgoraTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString homeDir() const;
    QString configDir() const;
    QString programDir() const;
    // A path inside the test's temporary folder.
    QString tempPath(const QString& name) const;

    ScriptedMessages messages;
    ScriptedDialogs dialogs;

private:
    QTemporaryDir root_;
};

// Every file below a folder, by its relative path, with its bytes and modification time: two
// snapshots differ when anything was written, added or removed there. Root writes into a folder
// whose permissions forbid it, so this is how a test tells that a folder was only read.
struct FolderSnapshot {
    explicit FolderSnapshot(const QString& folder);
    std::map<QString, std::pair<QByteArray, qint64>> files;
    friend bool operator==(const FolderSnapshot&, const FolderSnapshot&) = default;
};

// Makes a folder and everything in it read-only for the test's run; restores write access when
// destroyed, so the temporary folder can be removed.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(QString folder);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

private:
    QString folder_;
};

// Writes bytes to a file, failing the test when it cannot.
void WriteTestFile(const QString& path, const QByteArray& bytes);
QByteArray ReadTestFile(const QString& path);
