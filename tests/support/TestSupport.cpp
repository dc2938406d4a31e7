#include "TestSupport.h"

#include "platform/AppMessageBox.h"
#include "platform/Clock.h"
#include "platform/ui/ShowModal.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>

void ScriptedMessages::expect(int answer, const QString& textPart)
{
    answers_.push_back({answer, textPart});
}

const ShownMessage& ScriptedMessages::last() const
{
    static const ShownMessage none;
    return shown_.empty() ? none : shown_.back();
}

int ScriptedMessages::answer(const QString& text, const QString& caption, int flags)
{
    shown_.push_back({text, caption, flags});
    if (answers_.empty()) {
        ADD_FAILURE() << "Unexpected message box: " << text.toStdString();
        return MessageBoxStyle::fromFlags(flags).defaultResult();
    }
    const Answer next = answers_.front();
    answers_.pop_front();
    if (!next.textPart.isEmpty())
        EXPECT_TRUE(text.contains(next.textPart))
            << "Message \"" << text.toStdString() << "\" lacks \"" << next.textPart.toStdString() << "\"";
    return next.result;
}

void ScriptedDialogs::onNextModal(std::function<void(QDialog&)> drive)
{
    modals_.push_back(std::move(drive));
}

void ScriptedDialogs::onNextFileDialog(std::optional<QString> path)
{
    files_.push_back(std::move(path));
}

void ScriptedDialogs::runModal(QDialog& dialog)
{
    if (modals_.empty()) {
        ADD_FAILURE() << "Unexpected modal window: " << dialog.metaObject()->className() << " \""
                      << dialog.windowTitle().toStdString() << "\"";
        dialog.reject();
        return;
    }
    auto drive = std::move(modals_.front());
    modals_.pop_front();
    drive(dialog);
    if (dialog.isVisible()) {
        ADD_FAILURE() << "The test left the modal window open: " << dialog.metaObject()->className();
        dialog.reject();
    }
}

std::optional<QString> ScriptedDialogs::runFileDialog(const FileDialogRequest& request)
{
    fileRequests_.push_back(request);
    if (files_.empty()) {
        ADD_FAILURE() << "Unexpected file dialog: " << request.caption.toStdString();
        return std::nullopt;
    }
    auto next = files_.front();
    files_.pop_front();
    return next;
}

void LedgoraTest::SetUp()
{
    ASSERT_TRUE(root_.isValid());
    for (const char* sub : {"home", "config", "program"})
        ASSERT_TRUE(QDir(root_.path()).mkpath(QString::fromLatin1(sub)));
    ASSERT_TRUE(QDir(homeDir()).mkpath(QStringLiteral("Documents")));
    qputenv("HOME", homeDir().toLocal8Bit());
    qputenv("LEDGORA_CONFIG_DIR", configDir().toLocal8Bit());
    qputenv("LEDGORA_PROGRAM_DIR", programDir().toLocal8Bit());
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_DOCUMENTS_DIR", "LEDGORA_DEVELOPER_MODE"})
        qunsetenv(name);
    SetClockForTests(QDateTime());
    SetMessageBoxHandler([this](const QString& text, const QString& caption, int flags) {
        return messages.answer(text, caption, flags);
    });
    SetModalHook([this](QDialog& dialog) { dialogs.runModal(dialog); });
    SetFileDialogProvider([this](const FileDialogRequest& request) { return dialogs.runFileDialog(request); });
}

void LedgoraTest::TearDown()
{
    EXPECT_TRUE(messages.allAnswered()) << "Not every expected message box was shown";
    EXPECT_TRUE(dialogs.allUsed()) << "Not every expected dialog was shown";
    SetMessageBoxHandler(nullptr);
    SetModalHook(nullptr);
    SetFileDialogProvider(nullptr);
    SetClockForTests(QDateTime());
}

QString LedgoraTest::homeDir() const { return root_.filePath(QStringLiteral("home")); }
QString LedgoraTest::configDir() const { return root_.filePath(QStringLiteral("config")); }
QString LedgoraTest::programDir() const { return root_.filePath(QStringLiteral("program")); }
QString LedgoraTest::tempPath(const QString& name) const { return root_.filePath(name); }

FolderSnapshot::FolderSnapshot(const QString& folder)
{
    QDirIterator walk(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (walk.hasNext()) {
        const QString path = walk.next();
        QFile file(path);
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArrayLiteral("<unreadable>");
        files[QDir(folder).relativeFilePath(path)] = {bytes, walk.fileInfo().lastModified().toMSecsSinceEpoch()};
    }
}

namespace {

// Sets the write bits of a folder and everything below it.
void SetWritable(const QString& folder, bool writable)
{
    const QFileDevice::Permissions write = QFileDevice::WriteOwner | QFileDevice::WriteUser | QFileDevice::WriteGroup
                                           | QFileDevice::WriteOther;
    QStringList paths {folder};
    QDirIterator walk(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                      QDirIterator::Subdirectories);
    while (walk.hasNext())
        paths << walk.next();
    for (const QString& path : paths) {
        const QFileDevice::Permissions now = QFile::permissions(path);
        QFile::setPermissions(path, writable ? now | QFileDevice::WriteOwner | QFileDevice::WriteUser : now & ~write);
    }
}

} // namespace

ReadOnlyFolder::ReadOnlyFolder(QString folder)
    : folder_(std::move(folder))
{
    SetWritable(folder_, false);
}

ReadOnlyFolder::~ReadOnlyFolder()
{
    SetWritable(folder_, true);
}

void WriteTestFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray ReadTestFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "Cannot read " << path.toStdString();
        return {};
    }
    return file.readAll();
}
